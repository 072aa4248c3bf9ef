#include "tests/support/QtPrinters.h"

#include "widgets/NxOutlookBar.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

// The project window's module bar: five items, DisplayCount 5, ItemHeight 26,
// SplitterHeight 0, on a 185 x 400 bar.
struct OutlookBarFixture : ::testing::Test
{
    TNxOutlookBar bar;

    void SetUp() override
    {
        bar.resize(185, 400);
        for (const char *caption :
             {"Installation Modules", "Languages", "Wizard Dialogs", "Setup Types", "Appearance and Themes"})
            bar.items().add()->setCaption(caption);
        bar.setItemHeight(26);
        bar.setSplitterHeight(0);
        bar.setDisplayCount(5);
    }

    QList<int> largeItems() const
    {
        QList<int> items;
        for (const OutlookBarLayout::Button &button : bar.layout().buttons()) {
            if (!button.small)
                items << button.item;
        }
        return items;
    }
};

TEST_F(OutlookBarFixture, SelectItemFiresOnlyOnAChangeAndSetsItemIndex)
{
    QSignalSpy selects(&bar, &TNxOutlookBar::select);
    EXPECT_EQ(bar.itemIndex(), 0);
    EXPECT_EQ(bar.selectedItem(), nullptr);

    bar.selectItem(bar.getItem(2));
    bar.selectItem(bar.getItem(2));
    bar.selectItem(nullptr);
    EXPECT_EQ(selects.count(), 1);
    EXPECT_EQ(bar.itemIndex(), 2);

    bar.setItemIndex(0);
    EXPECT_EQ(bar.selectedItem(), bar.getItem(0));
    EXPECT_EQ(selects.count(), 2);
    bar.setItemIndex(9);
    EXPECT_EQ(bar.itemIndex(), 9);
    EXPECT_EQ(bar.selectedItem(), bar.getItem(0));
    EXPECT_EQ(selects.count(), 2);
}

TEST_F(OutlookBarFixture, LayoutStacksLargeButtonsAboveTheToolbar)
{
    // 30 + 0 + 5 * 27 = 165.
    EXPECT_EQ(bar.navigationHeight(), 165);
    const QList<OutlookBarLayout::Button> buttons = bar.layout().buttons();
    ASSERT_EQ(buttons.size(), 5);
    EXPECT_EQ(buttons.at(0).rect, QRect(0, 235, 185, 26));
    EXPECT_EQ(buttons.at(4).rect, QRect(0, 343, 185, 26));
    EXPECT_EQ(bar.itemAt({50, 236}), bar.getItem(0));
    EXPECT_EQ(bar.itemAt({50, 261}), nullptr);
    EXPECT_EQ(bar.itemAt({50, 262}), bar.getItem(1));
    EXPECT_EQ(bar.contentsRect(), QRect(9, 5, 185 - 17, 400 - 9 - 165));
}

TEST_F(OutlookBarFixture, ItemsBeyondTheDisplayCountBecomeToolbarButtonsFromTheRight)
{
    QSignalSpy changes(&bar, &TNxOutlookBar::change);
    bar.setDisplayCount(2);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(largeItems(), QList<int>({0, 1}));
    QList<int> small;
    QList<QRect> rects;
    for (const OutlookBarLayout::Button &button : bar.layout().buttons()) {
        if (button.small) {
            small << button.item;
            rects << button.rect;
        }
    }
    EXPECT_EQ(small, QList<int>({4, 3, 2}));
    EXPECT_EQ(rects.first(), QRect(163, 370, 22, 30));
    EXPECT_EQ(bar.itemAt({163, 371}), bar.getItem(4));
    EXPECT_EQ(bar.itemAt({162, 371}), bar.getItem(3));
    EXPECT_EQ(bar.itemRect(bar.getItem(4)), QRect(163, 370, 23, 30));
}

TEST_F(OutlookBarFixture, HidingAnItemMovesTheOthersUpAndClampsTheDisplayCount)
{
    QSignalSpy changes(&bar, &TNxOutlookBar::change);
    bar.getItem(1)->setVisible(false);
    EXPECT_EQ(bar.displayCount(), 4);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(largeItems(), QList<int>({0, 2, 3, 4}));
    EXPECT_EQ(bar.navigationHeight(), 30 + 4 * 27);

    bar.getItem(1)->setVisible(true);
    EXPECT_EQ(bar.displayCount(), 4);
    EXPECT_EQ(largeItems(), QList<int>({0, 1, 2, 3}));
}

TEST_F(OutlookBarFixture, ADisplayCountAboveTheVisibleCountCountsOnlyVisibleItems)
{
    bar.setDisplayCount(8);
    EXPECT_EQ(bar.displayCount(), 8);
    EXPECT_EQ(bar.navigationHeight(), 30 + 5 * 27);
    EXPECT_EQ(largeItems(), QList<int>({0, 1, 2, 3, 4}));
}

// Deleting a hidden item must not cost a visible one its place.
TEST_F(OutlookBarFixture, RemovingAHiddenItemKeepsTheVisibleCount)
{
    bar.getItem(4)->setVisible(false);
    bar.items().remove(4);
    EXPECT_EQ(bar.items().visibleCount(), 4);
    EXPECT_EQ(bar.navigationHeight(), 30 + 4 * 27);
}

TEST_F(OutlookBarFixture, ClickingSelectsAndRemovingTheSelectedItemForgetsIt)
{
    bar.show();
    QSignalSpy selects(&bar, &TNxOutlookBar::select);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(50, 290));
    EXPECT_EQ(bar.selectedItem(), bar.getItem(2));
    EXPECT_EQ(bar.itemIndex(), 2);
    EXPECT_EQ(selects.count(), 1);
    EXPECT_EQ(bar.pressedItem(), nullptr);

    bar.items().remove(2);
    EXPECT_EQ(bar.selectedItem(), nullptr);
}

TEST_F(OutlookBarFixture, DraggingTheSplitterChangesTheCountWithoutOnChange)
{
    bar.setSplitterHeight(9);
    bar.show();
    QSignalSpy changes(&bar, &TNxOutlookBar::change);
    const QRect splitter = bar.layout().splitterRect();
    EXPECT_EQ(splitter, QRect(0, 400 - 174, 185, 9));

    QTest::mousePress(&bar, Qt::LeftButton, {}, splitter.center());
    EXPECT_TRUE(bar.dragging());
    // (400 - (300 + 30 + 9)) / 27 = 2.26, rounded up.
    QTest::mouseMove(&bar, QPoint(50, 300));
    EXPECT_EQ(bar.displayCount(), 3);
    QTest::mouseMove(&bar, QPoint(50, 0));
    EXPECT_EQ(bar.displayCount(), 5);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(50, 0));
    EXPECT_FALSE(bar.dragging());
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(bar.selectedItem(), nullptr);
}

TEST_F(OutlookBarFixture, ToolbarAndItemHeightsKeepTheirRules)
{
    bar.setToolbarHeight(-1);
    EXPECT_EQ(bar.toolbarHeight(), 30);
    bar.setDisplayCount(9);
    bar.setToolbarHeight(20);
    EXPECT_EQ(bar.displayCount(), 5);
    EXPECT_EQ(bar.navigationHeight(), 20 + 5 * 27);
}

TEST(OutlookBarColorsTest, ItemColoursByState)
{
    TNxOutlookBar bar;
    struct Case
    {
        unsigned state;
        TColor first, second;
    };
    const Case cases[] = {
        {isPressed | isHot | isSelected, rgbColor(238, 147, 17), rgbColor(255, 211, 101)},
        {isHot | isSelected, rgbColor(221, 147, 17), rgbColor(255, 211, 101)},
        {isHot, rgbColor(238, 147, 17), rgbColor(255, 230, 159)},
        {isSelected, rgbColor(238, 147, 17), rgbColor(254, 225, 123)},
        {0, ColorSchemes::schemeColor(4, csBlue), ColorSchemes::schemeColor(3, csBlue)},
    };
    for (const Case &c : cases) {
        TColor first = clNone, second = clNone;
        bar.getItemColors(c.state, csDefault, second, first);
        EXPECT_EQ(first, c.first) << c.state;
        EXPECT_EQ(second, c.second) << c.state;
    }
}

TEST(OutlookBarNarrowTest, ItemsAsHighAsTheBarIsWideShowNoCaption)
{
    auto render = [](const QString &caption) {
        TNxOutlookBar bar;
        bar.resize(31, 200);
        bar.items().add()->setCaption(caption);
        bar.setDisplayCount(1);
        QImage image(bar.size(), QImage::Format_ARGB32);
        bar.render(&image);
        return image;
    };
    EXPECT_EQ(render("Installation Modules"), render(QString()));
}

TEST_F(OutlookBarFixture, CustomOnlyDrawingLeavesItemsToTheHandler)
{
    QList<int> drawn;
    QObject::connect(&bar, &TNxOutlookBar::drawItem,
                     [&](QPainter *, TNxOutlookBarItem *item, const QRect &, unsigned) { drawn << item->index(); });
    QImage image(bar.size(), QImage::Format_ARGB32);
    image.fill(Qt::red);
    bar.setDrawingOptions(doCustomOnly);
    bar.render(&image);
    EXPECT_EQ(drawn, QList<int>({0, 1, 2, 3, 4}));
    EXPECT_EQ(image.pixelColor(100, 250), QColor(Qt::red));

    bar.setDrawingOptions(doNormal);
    bar.setStyle(osWindowsLive);
    bar.render(&image);
    EXPECT_NE(image.pixelColor(100, 250), QColor(Qt::red));
}

} // namespace
