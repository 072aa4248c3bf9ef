#include "widgets/GripDots.h"
#include "widgets/NxFlipContainer.h"
#include "widgets/NxFlipPanel.h"
#include "widgets/NxHeaderPanel.h"
#include "widgets/NxMargins.h"
#include "widgets/NxPanel.h"
#include "widgets/NxSplitter.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

TEST(MarginsTest, SetMarginsNotifiesOnceAndInsets)
{
    TNxMargins margins;
    EXPECT_EQ(margins.inset(QRect(0, 0, 100, 50)), QRect(9, 5, 83, 41));
    QSignalSpy spy(&margins, &TNxMargins::changed);
    margins.setMargins(1, 2, 3, 4);
    EXPECT_EQ(spy.count(), 1);
    margins.setLeft(7);
    EXPECT_EQ(spy.count(), 2);
    EXPECT_EQ(margins.inset(QRect(0, 0, 100, 50)), QRect(7, 2, 90, 44));
}

TEST(GripDotsTest, DotsAreCentredFourPixelsApart)
{
    EXPECT_EQ(GripDots::firstDot(QRect(0, 0, 9, 100), 5, false), QPoint(3, 41));
    EXPECT_EQ(GripDots::firstDot(QRect(0, 10, 185, 9), 5, true), QPoint(83, 13));
    EXPECT_EQ(GripDots::colors(csDefault).shadow, rgbColor(101, 147, 207));
    EXPECT_EQ(GripDots::colors(csSilver).shadow, rgbColor(124, 124, 124));

    QImage image(9, 100, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    GripDots::draw(painter, image.rect(), 5, false, csBlue);
    painter.end();
    EXPECT_EQ(image.pixelColor(3, 41), QColor(101, 147, 207));
    EXPECT_EQ(image.pixelColor(4, 42), QColor(173, 209, 255));
    EXPECT_EQ(image.pixelColor(5, 43), QColor(249, 249, 251));
    EXPECT_EQ(image.pixelColor(3, 45), QColor(101, 147, 207));
    EXPECT_EQ(image.pixelColor(3, 40), QColor(Qt::red));
}

struct HeaderPanelFixture : ::testing::Test
{
    TNxHeaderPanel panel;
    void SetUp() override
    {
        panel.resize(245, 200);
        panel.show();
    }
};

TEST_F(HeaderPanelFixture, FoldingSidewaysKeepsTheFullWidth)
{
    QSignalSpy changes(&panel, &TNxHeaderPanel::change);
    panel.setExpanded(false);
    EXPECT_EQ(panel.width(), 33);
    EXPECT_EQ(panel.fullWidth(), 245);
    EXPECT_FALSE(panel.expanded());
    EXPECT_EQ(changes.count(), 1);

    panel.setExpanded(true);
    EXPECT_EQ(panel.width(), 245);
    EXPECT_TRUE(panel.expanded());
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(HeaderPanelFixture, ANarrowPanelIsWidenedBeforeFolding)
{
    panel.setExpanded(false);
    panel.setExpanded(true);
    panel.resize(20, 200);
    // Resizing below 34 already folds it.
    EXPECT_FALSE(panel.expanded());

    TNxHeaderPanel narrow;
    narrow.resize(20, 100);
    narrow.setExpanded(false);
    EXPECT_EQ(narrow.width(), 33);
    EXPECT_EQ(narrow.fullWidth(), 33);
}

TEST_F(HeaderPanelFixture, ResizingDecidesTheExpandedFlag)
{
    panel.resize(30, 200);
    EXPECT_FALSE(panel.expanded());
    panel.resize(120, 200);
    EXPECT_TRUE(panel.expanded());
    EXPECT_EQ(panel.fullWidth(), 120);
}

TEST_F(HeaderPanelFixture, TheCollapseButtonTogglesOnRelease)
{
    panel.setOptions(hoCollapseButton);
    const QPoint button = panel.collapseButtonRect().center();
    EXPECT_EQ(panel.collapseButtonRect(), QRect(1 + 243 - 21, 1 + 13 - 9, 18, 18));
    QTest::mouseClick(&panel, Qt::LeftButton, {}, button);
    EXPECT_FALSE(panel.expanded());
    EXPECT_EQ(panel.width(), 33);
    // A press elsewhere in the header and a release on the button does nothing.
    QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(2, 5));
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, panel.collapseButtonRect().center());
    EXPECT_FALSE(panel.expanded());
}

TEST_F(HeaderPanelFixture, HeaderAndGlyphClicksNeedPressAndReleaseInTheHeader)
{
    QPixmap glyph(16, 16);
    glyph.fill(Qt::blue);
    panel.setGlyph(glyph);
    QSignalSpy headerClicks(&panel, &TNxHeaderPanel::headerClick);
    QSignalSpy glyphClicks(&panel, &TNxHeaderPanel::glyphClick);

    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(100, 10));
    QTest::mouseClick(&panel, Qt::LeftButton, {}, panel.glyphRect().center());
    QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_EQ(headerClicks.count(), 2);
    EXPECT_EQ(glyphClicks.count(), 1);
}

TEST_F(HeaderPanelFixture, HeaderOnlyKeepsTheClientAsHighAsTheHeader)
{
    panel.setHeaderSize(20);
    panel.setDisplayStyle(dsHeaderOnly);
    EXPECT_EQ(panel.height(), 22);
    panel.resize(245, 150);
    EXPECT_EQ(panel.height(), 22);
}

TEST_F(HeaderPanelFixture, ChildrenLieBelowTheHeaderInsideTheMargins)
{
    EXPECT_EQ(panel.contentsRect(), QRect(1 + 9, 1 + 27 + 5, 245 - 2 - 17, 200 - 2 - 27 - 9));
    panel.setDisplayStyle(dsPanelOnly);
    panel.innerMargins().setMargins(0, 0, 0, 0);
    EXPECT_EQ(panel.contentsRect(), QRect(1, 1, 243, 198));
}

TEST_F(HeaderPanelFixture, TheHeaderFontFollowsTheFontUntilSetItself)
{
    QFont big = panel.font();
    big.setPointSize(big.pointSize() + 4);
    panel.setFont(big);
    EXPECT_EQ(panel.headerFont(), big);
    EXPECT_TRUE(panel.parentHeaderFont());
    QFont own("Tahoma", 8);
    panel.setHeaderFont(own);
    EXPECT_FALSE(panel.parentHeaderFont());
    panel.setFont(QFont());
    EXPECT_EQ(panel.headerFont(), own);
}

TEST_F(HeaderPanelFixture, EveryHeaderStylePaints)
{
    QImage image(panel.size(), QImage::Format_ARGB32);
    panel.setCaption("Project Components");
    for (THeaderPanelStyle style : {psFlat, psNormal, psSectionHeader, psVista, psWindowsLive}) {
        panel.setHeaderStyle(style);
        panel.render(&image);
    }
    panel.setHeaderStyle(psFlat);
    panel.setHeaderColor(clRed);
    panel.render(&image);
    EXPECT_EQ(image.pixelColor(3, 3), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(100, 100), QColor(Qt::white));
}

TEST_F(HeaderPanelFixture, EveryHeaderStyleCoversEveryPixelOfThePanel)
{
    const QColor unpainted(255, 0, 255);
    panel.setCaption("Project Components");
    for (int border : {0, 1}) {
        panel.setBorderWidth(border);
        for (THeaderPanelStyle style : {psFlat, psNormal, psSectionHeader, psVista, psWindowsLive}) {
            panel.setHeaderStyle(style);
            QImage image(panel.size(), QImage::Format_ARGB32);
            image.fill(unpainted);
            panel.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
            int left = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x)
                    left += image.pixelColor(x, y) == unpainted ? 1 : 0;
            }
            EXPECT_EQ(left, 0) << "style " << style << ", border " << border;
        }
    }
}

// An outer flip panel holding two inner ones, 100 and 80 pixels high.
struct FlipPanelFixture : ::testing::Test
{
    TNxFlipPanel outer;
    TNxFlipPanel *first = new TNxFlipPanel(&outer);
    TNxFlipPanel *second = new TNxFlipPanel(&outer);
    void SetUp() override
    {
        outer.resize(200, 250);
        first->setGeometry(0, 23, 200, 100);
        second->setGeometry(0, 123, 200, 80);
        outer.show();
    }
};

TEST_F(FlipPanelFixture, FoldingAnInnerPanelShrinksItsParentsAndUnfoldingRestoresThem)
{
    QSignalSpy changes(first, &TNxFlipPanel::change);
    first->setExpanded(false);
    EXPECT_EQ(first->height(), 5 + 18);
    EXPECT_EQ(first->fullHeight(), 100);
    EXPECT_EQ(outer.height(), 250 - 77);
    EXPECT_TRUE(outer.expanded());

    first->setExpanded(true);
    EXPECT_EQ(first->height(), 100);
    EXPECT_EQ(outer.height(), 250);
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(FlipPanelFixture, AutoCollapseFoldsTheSiblingsOnlyWhenUnfolding)
{
    first->setAutoCollapse(true);
    first->setExpanded(false);
    EXPECT_TRUE(second->expanded());
    first->setExpanded(true);
    EXPECT_FALSE(second->expanded());
    EXPECT_EQ(second->height(), 23);
}

TEST_F(FlipPanelFixture, ResizingSetsTheExpandedFlag)
{
    second->resize(200, 20);
    EXPECT_FALSE(second->expanded());
    second->resize(200, 60);
    EXPECT_TRUE(second->expanded());
    EXPECT_EQ(second->fullHeight(), 60);
}

TEST_F(FlipPanelFixture, ReleasesToggleByFlipKind)
{
    struct Case
    {
        TFlipKind kind;
        bool showButtons;
        bool onButton;
        bool toggles;
    };
    const Case cases[] = {
        {fkHeaderAndButton, true, false, true},
        {fkButton, true, true, true},
        {fkButton, true, false, false},
        {fkButton, false, true, false},
        {fkNone, true, true, false},
    };
    for (const Case &c : cases) {
        TNxFlipPanel panel;
        panel.resize(200, 100);
        panel.show();
        panel.setFlipKind(c.kind);
        panel.setShowButtons(c.showButtons);
        const QPoint at = c.onButton ? panel.buttonRect().center() : QPoint(150, 9);
        QTest::mouseClick(&panel, Qt::LeftButton, {}, at);
        EXPECT_EQ(!panel.expanded(), c.toggles) << c.kind << " " << c.showButtons << " " << c.onButton;
    }
}

TEST(FlipPanelKeysTest, TheCaptionAcceleratorToggles)
{
    TNxFlipPanel panel;
    panel.resize(200, 100);
    panel.setCaption("&General Options");
    panel.show();
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    QTest::keyClick(&panel, Qt::Key_G, Qt::AltModifier);
    EXPECT_FALSE(panel.expanded());
    QTest::keyClick(&panel, Qt::Key_G, Qt::AltModifier);
    EXPECT_TRUE(panel.expanded());
    EXPECT_EQ(panel.height(), 100);
}

TEST(FlipContainerTest, PanelsStackFromTheTopAndFollowTheirHeight)
{
    TNxFlipContainer container;
    auto *first = new TNxFlipPanel;
    auto *second = new TNxFlipPanel;
    first->resize(200, 100);
    second->resize(200, 60);
    container.addPanel(first);
    container.addPanel(second);
    container.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(first->y(), 0);
    EXPECT_EQ(second->y(), 100);

    first->setExpanded(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(second->y(), 23);
}

TEST(FlipContainerTest, APanelThatFillsTakesTheHeightTheOthersLeave)
{
    TNxFlipContainer container;
    container.setBorderStyle(fbNone);
    auto *first = new TNxFlipPanel;
    auto *list = new TNxFlipPanel;
    first->setFixedHeight(100);
    list->setMinimumHeight(60);
    container.addPanel(first);
    container.addPanel(list, true);
    container.resize(300, 400);
    container.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(list->y(), 100);
    EXPECT_EQ(list->height(), container.viewport()->height() - 100) << "no empty band below the last panel";
}

TEST(NxPanelTest, BorderLinesSitOnTheChosenSidesCentredOnThePen)
{
    TNxPanel panel;
    panel.resize(100, 40);
    panel.setBorderPen(QPen(Qt::black, 3));
    panel.setPanelBorders(boBottom);
    EXPECT_EQ(panel.borderLines(), QList<QLine>({QLine(0, 38, 100, 38)}));
    EXPECT_EQ(panel.paintRect(), QRect(0, 0, 100, 37));

    panel.setBorderPen(QPen(Qt::black, 1));
    panel.setPanelBorders(boLeft | boTop | boRight | boBottom);
    EXPECT_EQ(panel.borderLines(),
              QList<QLine>({QLine(0, 0, 0, 40), QLine(0, 0, 100, 0), QLine(0, 39, 100, 39), QLine(99, 0, 99, 39)}));

    panel.setBorderPen(QPen(Qt::red, 3));
    panel.setPanelBorders(boBottom);
    QImage image(panel.size(), QImage::Format_ARGB32);
    panel.render(&image);
    EXPECT_EQ(image.pixelColor(50, 39), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(50, 37), QColor(Qt::red));
    EXPECT_NE(image.pixelColor(50, 36), QColor(Qt::red));
}

TEST(NxSplitterTest, HandlesAreNinePixelsAndReportDoubleClicks)
{
    TNxSplitter splitter(Qt::Horizontal);
    splitter.addWidget(new QWidget);
    splitter.addWidget(new QWidget);
    splitter.resize(300, 100);
    splitter.show();
    QSignalSpy clicks(&splitter, &TNxSplitter::doubleClicked);
    QSplitterHandle *handle = splitter.handle(1);
    EXPECT_EQ(handle->width(), 9);
    QTest::mouseDClick(handle, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);

    QImage image(handle->size(), QImage::Format_ARGB32);
    handle->render(&image);
    EXPECT_EQ(image.pixelColor(1, 10), QColor(Qt::white));
}

} // namespace
