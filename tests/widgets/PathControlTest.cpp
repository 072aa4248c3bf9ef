#include "tests/support/QtPrinters.h"

#include "widgets/NxPathControl.h"
#include "widgets/PathBarLayout.h"

#include <QImage>
#include <QMenu>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

TEST(PathBarLayoutTest, FirstShownLevelTable)
{
    struct Case
    {
        QList<int> widths;
        int clientWidth;
        int expected;
    };
    const Case cases[] = {
        {{50, 60, 70}, 250, 0},  // 180 fit in 218
        {{50, 60, 70}, 212, 0},  // exactly 180 still fits
        {{50, 60, 70}, 211, 1},  // adding level 0 overflows
        {{50, 60, 70}, 161, 2},  // 130 do not fit in 129: level 1 overflows
        {{50, 60, 70}, 162, 1},  // 130 fit in 130, level 0 overflows
        {{50, 60, 70}, 101, 2},  // the selected node alone overflows: it shows all the same
        {{}, 100, 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(PathBarLayout::firstShownLevel(c.widths, c.clientWidth), c.expected) << c.clientWidth;
}

TEST(PathBarLayoutTest, ArrowWidthRoundsTheHeightOverOnePointSix)
{
    EXPECT_EQ(PathBarLayout::arrowWidth(21), 13);
    EXPECT_EQ(PathBarLayout::arrowWidth(20), 12);
    EXPECT_EQ(PathBarLayout::arrowWidth(28), 18);
}

// Two top-level nodes; "Modules" > "Desktop" > "Files" and "Modules" > "Device".
struct PathControlFixture : ::testing::Test
{
    TNxPathControl control;
    TNxPathNode *modules = nullptr;
    TNxPathNode *desktop = nullptr;
    TNxPathNode *files = nullptr;
    TNxPathNode *device = nullptr;
    TNxPathNode *languages = nullptr;

    void SetUp() override
    {
        control.resize(600, 21);
        TNxPathNodes &nodes = control.nodes();
        modules = nodes.addPathChild(nullptr);
        modules->setText("Modules");
        desktop = nodes.addPathChild(modules);
        desktop->setText("Desktop");
        files = nodes.addPathChild(desktop);
        files->setText("Files");
        device = nodes.addPathChild(modules);
        device->setText("Device");
        languages = nodes.addPathChild(nullptr);
        languages->setText("Languages");
        control.show();
    }

    QPoint bodyOf(const TNxPathNode *node) const { return control.nodeRect(node).topLeft() + QPoint(3, 10); }
    QPoint arrowOf(const TNxPathNode *node) const
    {
        const QRect r = control.nodeRect(node);
        return QPoint(r.x() + r.width() - 2, 10);
    }
};

TEST_F(PathControlFixture, NewNodesHoldImageZeroAndReadBackByIndex)
{
    EXPECT_EQ(files->imageIndex(), 0);
    EXPECT_EQ(control.nodes().getItem(3), device);
    EXPECT_EQ(control.nodes().getItem(4), languages);
}

TEST_F(PathControlFixture, SelectingTheSameNodeTwiceFiresOnce)
{
    QSignalSpy selects(&control, &TNxPathControl::select);
    control.setSelectedNode(files);
    control.setSelectedNode(files);
    EXPECT_EQ(selects.count(), 1);
    EXPECT_EQ(control.pathNodeAt(0), modules);
    EXPECT_EQ(control.pathNodeAt(1), desktop);
}

TEST_F(PathControlFixture, ANarrowBarHidesTheTopLevels)
{
    control.setSelectedNode(files);
    EXPECT_EQ(control.firstShownLevel(), 0);
    const int room = control.getNodeWidth(files) + control.getNodeWidth(desktop);
    control.resize(32 + room, 21);
    EXPECT_EQ(control.firstShownLevel(), 1);
    EXPECT_TRUE(control.nodeRect(modules).isEmpty());
    EXPECT_EQ(control.nodeRect(desktop).x(), 32);
    control.resize(32 + room - 1, 21);
    EXPECT_EQ(control.firstShownLevel(), 2);
    // A shallower selection is laid out anew at once.
    control.setSelectedNode(modules);
    EXPECT_EQ(control.firstShownLevel(), 0);
}

TEST_F(PathControlFixture, TheSelectedNodeShowsCutToTheRoomAndFollowsItsText)
{
    control.setSelectedNode(files);
    files->setText(QStringLiteral("F"));
    const int fitting = 32 + control.getNodeWidth(modules) + control.getNodeWidth(desktop) + control.getNodeWidth(files);
    files->setText(QStringLiteral("A caption much longer than the little room the bar has"));
    control.resize(fitting, 21);
    EXPECT_EQ(control.firstShownLevel(), 2);
    EXPECT_EQ(control.nodeRect(files), QRect(32, 0, fitting - 32, 21));
    EXPECT_EQ(control.nodeAt(QPoint(fitting - 5, 10)), files);
    const QImage bar = control.grab().toImage();
    QSet<QRgb> colours;
    for (int x = 34; x < fitting - 2; ++x) {
        for (int y = 0; y < 21; ++y)
            colours.insert(bar.pixel(x, y));
    }
    EXPECT_GE(colours.size(), 2) << "the selected node's text is drawn";
    // A shorter text lets the levels above show again.
    files->setText(QStringLiteral("F"));
    EXPECT_EQ(control.firstShownLevel(), 0);
}

TEST_F(PathControlFixture, TheMenusListTheTopLevelOrTheChildrenWithTheirIndex)
{
    auto contents = [](QMenu *menu) {
        QStringList items;
        for (QAction *action : menu->actions())
            items << QStringLiteral("%1=%2").arg(action->text()).arg(action->data().toInt());
        return items;
    };
    EXPECT_EQ(contents(control.fillRootMenu()), QStringList({"Modules=0", "Languages=4"}));
    EXPECT_EQ(contents(control.fillNodeMenu(modules)), QStringList({"Desktop=1", "Device=3"}));
    EXPECT_EQ(contents(control.fillNodeMenu(files)), QStringList());
}

TEST_F(PathControlFixture, ChoosingFromTheRootMenuSelects)
{
    control.setSelectedNode(files);
    QStringList shown;
    control.setMenuRunner([&](QMenu &menu, const QPoint &) {
        for (QAction *action : menu.actions())
            shown << action->text();
        return menu.actions().at(1);
    });
    QTest::mouseClick(&control, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(shown, QStringList({"Modules", "Languages"}));
    EXPECT_EQ(control.selectedNode(), languages);
    EXPECT_FALSE(control.rootPressed());
}

TEST_F(PathControlFixture, ClickingABodySelectsButReleasingOnTheArrowDoesNot)
{
    control.setSelectedNode(files);
    QSignalSpy selects(&control, &TNxPathControl::select);
    control.setMenuRunner([](QMenu &, const QPoint &) { return nullptr; });

    QTest::mousePress(&control, Qt::LeftButton, {}, bodyOf(desktop));
    EXPECT_EQ(control.pressedNode(), desktop);
    QTest::mouseRelease(&control, Qt::LeftButton, {}, arrowOf(desktop));
    EXPECT_EQ(selects.count(), 0);
    EXPECT_EQ(control.pressedNode(), nullptr);

    QTest::mouseClick(&control, Qt::LeftButton, {}, bodyOf(desktop));
    EXPECT_EQ(selects.count(), 1);
    EXPECT_EQ(control.selectedNode(), desktop);
}

TEST_F(PathControlFixture, TheArrowDropsDownTheChildrenAndASecondPressClosesWithoutReopening)
{
    control.setSelectedNode(files);
    int opened = 0;
    QStringList shown;
    int choice = -1;
    control.setMenuRunner([&](QMenu &menu, const QPoint &) {
        ++opened;
        shown.clear();
        for (QAction *action : menu.actions())
            shown << action->text();
        EXPECT_TRUE(control.dropDownOpen());
        // The user closes the menu by pressing the same arrow again.
        QCursor::setPos(control.mapToGlobal(arrowOf(modules)));
        return choice < 0 ? nullptr : menu.actions().at(choice);
    });

    QTest::mousePress(&control, Qt::LeftButton, {}, arrowOf(modules));
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(shown, QStringList({"Desktop", "Device"}));
    EXPECT_FALSE(control.dropDownOpen());
    EXPECT_EQ(control.hotNode(), modules);
    EXPECT_EQ(control.hotPart(), TNxPathControl::hpArrow);

    // The press that closed the menu reaches the bar and must not reopen it.
    QTest::mousePress(&control, Qt::LeftButton, {}, arrowOf(modules));
    EXPECT_EQ(opened, 1);
    QTest::mouseRelease(&control, Qt::LeftButton, {}, arrowOf(modules));

    choice = 1;
    QTest::mousePress(&control, Qt::LeftButton, {}, arrowOf(modules));
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(control.selectedNode(), device);
}

TEST_F(PathControlFixture, PressesAreIgnoredWithoutNodes)
{
    control.nodes().clear();
    bool opened = false;
    control.setMenuRunner([&](QMenu &, const QPoint &) {
        opened = true;
        return nullptr;
    });
    QTest::mouseClick(&control, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(opened);
}

// The project window clears and rebuilds the nodes; a freed node must never
// stay selected.
TEST_F(PathControlFixture, RemovingTheSelectedNodeClearsTheSelection)
{
    control.setSelectedNode(files);
    control.nodes().removeNode(desktop);
    EXPECT_EQ(control.selectedNode(), nullptr);
    QImage image(control.size(), QImage::Format_ARGB32);
    control.render(&image);

    control.setSelectedNode(device);
    control.nodes().clear();
    EXPECT_EQ(control.selectedNode(), nullptr);
}

TEST_F(PathControlFixture, HoverFollowsTheButtonsAndTheirParts)
{
    control.setSelectedNode(files);
    QTest::mouseMove(&control, QPoint(10, 10));
    EXPECT_TRUE(control.rootHot());
    QTest::mouseMove(&control, bodyOf(desktop));
    EXPECT_FALSE(control.rootHot());
    EXPECT_EQ(control.hotNode(), desktop);
    EXPECT_EQ(control.hotPart(), TNxPathControl::hpBody);
    QTest::mouseMove(&control, arrowOf(desktop));
    EXPECT_EQ(control.hotPart(), TNxPathControl::hpArrow);
    QTest::mouseMove(&control, bodyOf(files));
    EXPECT_EQ(control.hotNode(), files);

    QImage image(control.size(), QImage::Format_ARGB32);
    for (TPathButtonStyle style : {bsDefault, bsOffice2007}) {
        control.setButtonStyle(style);
        control.render(&image);
    }
}

} // namespace
