#include "tests/support/QtPrinters.h"

#include "widgets/Colors.h"
#include "widgets/InvalidOperation.h"
#include "widgets/NxPageControl.h"
#include "widgets/NxTabSheet.h"

#include <QLabel>
#include <QMenu>
#include <QImage>
#include <QMouseEvent>
#include <QSet>
#include <QTest>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

// A page control of 300 x 250 with named pages and a log of its events.
struct PageControlFixture : ::testing::Test
{
    TNxPageControl control;
    QStringList log;

    void SetUp() override
    {
        control.resize(300, 250);
        QObject::connect(&control, &TNxPageControl::changing, [this](int index, bool &) {
            log << QStringLiteral("changing %1").arg(index);
        });
        QObject::connect(&control, &TNxPageControl::change, [this] { log << QStringLiteral("change"); });
    }

    TNxTabSheet *addPage(const QString &caption, int tabWidth = 60)
    {
        auto *page = new TNxTabSheet;
        page->setCaption(caption);
        page->setTabWidth(tabWidth);
        control.addPage(page, true);
        return page;
    }

    void clickButton(TTabButton button)
    {
        QTest::mouseClick(&control, Qt::LeftButton, {}, control.stripGeometry().buttonRect(button).center());
    }
};

TEST_F(PageControlFixture, AddPageKeepsTheActivePageAndInsertPageActivates)
{
    TNxTabSheet *first = addPage("One");
    EXPECT_EQ(control.activePage(), nullptr);
    EXPECT_TRUE(log.isEmpty());

    control.setActivePage(first);
    auto *inserted = new TNxTabSheet;
    control.insertPage(0, inserted);
    EXPECT_EQ(control.activePage(), inserted);
    EXPECT_EQ(control.activePageIndex(), 0);
    EXPECT_EQ(first->pageIndex(), 1);
    EXPECT_TRUE(first->isHidden());
}

TEST_F(PageControlFixture, AnEmptyCaptionTakesThePageName)
{
    auto *page = new TNxTabSheet;
    page->setObjectName("NxTabSheet1");
    control.addPage(page, true);
    EXPECT_EQ(page->caption(), "NxTabSheet1");
}

TEST_F(PageControlFixture, ActivationFiresChangingThenChangeAndShowsOnlyTheActivePage)
{
    TNxTabSheet *one = addPage("One");
    TNxTabSheet *two = addPage("Two");
    QStringList pageLog;
    QObject::connect(one, &TNxTabSheet::pageHidden, [&] { pageLog << "hide one"; });
    QObject::connect(two, &TNxTabSheet::pageShown, [&] { pageLog << "show two"; });
    control.setActivePage(one);
    log.clear();

    control.setActivePageIndex(1);
    EXPECT_EQ(log, QStringList({"changing 1", "change"}));
    EXPECT_EQ(pageLog, QStringList({"hide one", "show two"}));
    EXPECT_TRUE(one->isHidden());
    EXPECT_FALSE(two->isHidden());
    EXPECT_EQ(two->geometry(), control.pageArea());

    log.clear();
    control.setActivePage(two);
    control.setActivePageIndex(2);
    control.setActivePageIndex(-1);
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(PageControlFixture, AVetoInChangingKeepsTheOldPageAndFiresNoChange)
{
    TNxTabSheet *one = addPage("One");
    addPage("Two");
    control.setActivePage(one);
    log.clear();
    QObject::connect(&control, &TNxPageControl::changing, [](int, bool &allow) { allow = false; });

    control.setActivePageIndex(1);
    EXPECT_EQ(log, QStringList({"changing 1"}));
    EXPECT_EQ(control.activePage(), one);
    EXPECT_FALSE(one->isHidden());
}

TEST_F(PageControlFixture, NoEventsFireWhileLoading)
{
    addPage("One");
    control.setLoading(true);
    control.setActivePageIndex(0);
    control.setLoading(false);
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(control.activePageIndex(), 0);
}

TEST_F(PageControlFixture, DeletingTheActivePageActivatesTheFirstAndTheLastLeavesNone)
{
    TNxTabSheet *one = addPage("One");
    addPage("Two");
    TNxTabSheet *three = addPage("Three");
    control.setActivePage(three);
    log.clear();

    control.deletePage(three);
    EXPECT_EQ(control.getPageCount(), 2);
    EXPECT_EQ(control.activePage(), one);
    EXPECT_EQ(log, QStringList({"changing 0", "change"}));

    control.deletePage(control.getPage(1));
    EXPECT_EQ(control.activePage(), one);
    log.clear();
    control.deletePage(one);
    EXPECT_EQ(control.getPageCount(), 0);
    EXPECT_EQ(control.activePage(), nullptr);
    EXPECT_EQ(control.activePageIndex(), 0);
    EXPECT_EQ(log, QStringList({"changing -1", "change"}));
    control.deletePage(nullptr);
}

// Refusing the switch away from a page that is being freed must not leave
// the notebook pointing at it.
TEST_F(PageControlFixture, AVetoWhileTheActivePageIsFreedLeavesNoActivePage)
{
    addPage("One");
    TNxTabSheet *two = addPage("Two");
    control.setActivePage(two);
    QObject::connect(&control, &TNxPageControl::changing, [](int, bool &allow) { allow = false; });

    delete two;
    EXPECT_EQ(control.activePage(), nullptr);
    EXPECT_EQ(control.getPageCount(), 1);
}

TEST_F(PageControlFixture, TheCloseButtonAsksAndFreesTheActivePageOnlyWhenAccepted)
{
    addPage("One");
    TNxTabSheet *two = addPage("Two");
    control.setActivePage(two);
    bool accept = false;
    QList<int> asked;
    QObject::connect(&control, &TNxPageControl::pageClose, [&](int index, bool &answer) {
        asked << index;
        answer = accept;
    });

    clickButton(tbClose);
    EXPECT_EQ(control.getPageCount(), 2);
    EXPECT_EQ(control.activePage(), two);

    accept = true;
    clickButton(tbClose);
    EXPECT_EQ(asked, QList<int>({1, 1}));
    EXPECT_EQ(control.getPageCount(), 1);
    EXPECT_EQ(control.activePageIndex(), 0);
}

TEST_F(PageControlFixture, FixedPagesHaveNoCloseButtonAndScrollButtonsOnlyWhileTheTabsOverflow)
{
    UseFixedPages(control);
    for (const char *caption : {"Files", "Shortcuts", "Registry", "Run on Install"})
        addPage(QString::fromLatin1(caption));
    control.setActivePageIndex(0);
    EXPECT_FALSE(control.options() & pgCloseButton);

    // Four tabs of 60 overlapping by 10 need 212 pixels: they fit in 300.
    control.resize(300, 250);
    TabStripGeometry strip = control.stripGeometry();
    EXPECT_FALSE(strip.has(pgScrollButtons));
    EXPECT_EQ(strip.maxScroll(), 0);
    EXPECT_EQ(strip.tabRect(3).right() < strip.rightLimit(), true) << "the last tab shows whole";
    QTest::mouseClick(&control, Qt::LeftButton, {}, QPoint(control.width() - 12, 10));
    EXPECT_EQ(control.getPageCount(), 4);

    // At 180 they do not: the scroll buttons come and reach the last tab.
    control.resize(180, 250);
    strip = control.stripGeometry();
    ASSERT_TRUE(strip.has(pgScrollButtons));
    EXPECT_GT(strip.maxScroll(), 0);
    control.setActivePageIndex(3);
    strip = control.stripGeometry();
    EXPECT_GE(strip.tabRect(3).left(), strip.stripRect().left());
    EXPECT_LE(strip.tabRect(3).right(), strip.stripRect().right());

    // Wide again: the buttons go and the tabs start at the left edge.
    control.resize(400, 250);
    strip = control.stripGeometry();
    EXPECT_FALSE(strip.has(pgScrollButtons));
    EXPECT_EQ(strip.tabRect(0).left(), control.indent());
}

TEST_F(PageControlFixture, OnlyTabSheetsMayBeInserted)
{
    QLabel label;
    try {
        control.insertControl(&label);
        FAIL() << "a label was accepted";
    } catch (const InvalidOperation &error) {
        EXPECT_EQ(error.message(), "Cannot insert QLabel into TNxPageControl");
    }
    auto *page = new TNxTabSheet;
    control.insertControl(page);
    EXPECT_EQ(control.getPage(0), page);
    EXPECT_EQ(page->parentWidget(), &control);
}

TEST_F(PageControlFixture, TheTabListMenuListsPagesWithATab)
{
    addPage("One");
    addPage("Hidden")->setTabVisible(false);
    addPage("Three");
    control.setOptions(control.options() | pgTabsPopup);
    QStringList captions;
    QList<int> tags;
    control.setMenuRunner([&](QMenu &menu, const QPoint &) {
        for (QAction *action : menu.actions()) {
            captions << action->text();
            tags << action->data().toInt();
        }
        return menu.actions().last();
    });

    clickButton(tbTabList);
    EXPECT_EQ(captions, QStringList({"One", "Three"}));
    EXPECT_EQ(tags, QList<int>({0, 2}));
    EXPECT_EQ(control.activePageIndex(), 2);
}

TEST_F(PageControlFixture, ArrowKeysMoveToTheNeighbouringTabsAndStopAtTheEnds)
{
    addPage("One");
    addPage("Hidden")->setTabVisible(false);
    addPage("Three");
    control.setActivePageIndex(0);

    QTest::keyClick(&control, Qt::Key_Right);
    EXPECT_EQ(control.activePageIndex(), 2);
    QTest::keyClick(&control, Qt::Key_Right);
    EXPECT_EQ(control.activePageIndex(), 2);
    QTest::keyClick(&control, Qt::Key_Left);
    QTest::keyClick(&control, Qt::Key_Left);
    EXPECT_EQ(control.activePageIndex(), 0);
}

TEST_F(PageControlFixture, PressingATabActivatesItAndTheScrollButtonsMoveTheRow)
{
    for (int i = 0; i < 6; ++i)
        addPage(QString::number(i));
    control.setActivePageIndex(0);
    // Six 60-pixel tabs overlapping by 10 need 310 pixels; 229 fit (300 - 39 - 32).
    EXPECT_EQ(control.stripGeometry().maxScroll(), 83);

    QTest::mouseClick(&control, Qt::LeftButton, {}, QPoint(70, 10));
    EXPECT_EQ(control.activePageIndex(), 1);
    // One click, one tab: the next tab's left end comes to the strip's start.
    clickButton(tbScrollRight);
    EXPECT_EQ(control.scrollOffset(), 50);
    for (int i = 0; i < 10; ++i)
        clickButton(tbScrollRight);
    EXPECT_EQ(control.scrollOffset(), 83);
    clickButton(tbScrollLeft);
    EXPECT_EQ(control.scrollOffset(), 50);
    clickButton(tbScrollLeft);
    EXPECT_EQ(control.scrollOffset(), 0);
}

// Slanted tabs: an inactive tab's top border runs its whole length, and the
// active tab, drawn over its left neighbour, leaves the neighbour's caption whole.
TEST_F(PageControlFixture, SlantedTabsKeepTheirTopBorderAndTheirCaptionsClear)
{
    for (const char *caption : {"WWWW", "WWWW", "WWWW"})
        addPage(caption, 0);
    control.setActivePageIndex(2);
    control.show();
    const QImage picture = control.grab().toImage();
    const QColor border = SystemColors::toQColor(clGrayText);
    const int H = control.tabHeight();
    for (int index : {0, 1}) {
        SCOPED_TRACE(index);
        const QRect tab = control.stripGeometry().tabRect(index);
        const int top = tab.y();
        for (int x = tab.x() + H + 2; x < tab.x() + tab.width() - 3; ++x)
            ASSERT_EQ(picture.pixelColor(x, top), border) << "x = " << x;
        // The caption's last dark pixel lies left of where the next tab begins.
        const QRect next = control.stripGeometry().tabRect(index + 1);
        int rightmostInk = -1;
        for (int x = tab.x(); x < tab.x() + tab.width(); ++x) {
            for (int y = top + 3; y < top + H - 3; ++y) {
                if (qGray(picture.pixel(x, y)) < 80 && x < next.x() + control.stripGeometry().overlap())
                    rightmostInk = std::max(rightmostInk, x);
            }
        }
        EXPECT_GT(rightmostInk, tab.x());
        EXPECT_LT(rightmostInk, next.x()) << "the next tab's slant crosses the caption";
    }
}

TEST_F(PageControlFixture, TheDoubleClickPressDoesNotSwitchTabs)
{
    addPage("One");
    addPage("Two");
    control.setActivePageIndex(0);
    const QPointF onSecondTab(70, 10);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, onSecondTab, control.mapToGlobal(onSecondTab),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&control, &doubleClick);
    EXPECT_EQ(control.activePageIndex(), 0);
}

TEST_F(PageControlFixture, ActivatingAHiddenTabScrollsItIntoView)
{
    for (int i = 0; i < 6; ++i)
        addPage(QString::number(i));
    control.setActivePageIndex(5);
    EXPECT_EQ(control.scrollOffset(), 83);
    // Back at the first tab, the row starts where it started.
    control.setActivePageIndex(0);
    EXPECT_EQ(control.scrollOffset(), 0);
    EXPECT_EQ(control.stripGeometry().tabRect(0).x(), 2);
}

TEST_F(PageControlFixture, ANarrowerControlKeepsTheActiveTabInView)
{
    for (int i = 0; i < 6; ++i)
        addPage(QString::number(i));
    control.show();
    control.setActivePageIndex(3);
    EXPECT_EQ(control.scrollOffset(), 0);
    control.resize(200, 250);
    // 200 - 39 - 32 = 129 pixels for tabs: tab 3 (150..210) ends at the limit.
    const QRect active = control.stripGeometry().tabRect(3);
    EXPECT_EQ(active.x() + active.width(), control.stripGeometry().rightLimit());
    control.resize(400, 250);
    EXPECT_EQ(control.scrollOffset(), 0) << "all six fit again";
}

TEST_F(PageControlFixture, ATabCutOffByTheButtonsIsDrawnAndHitWhereItShows)
{
    for (int i = 0; i < 6; ++i)
        addPage(QString::number(i));
    control.setActivePageIndex(0);
    control.show();
    // Tab 4 spans 202..262; the strip ends at 229.
    const QImage strip = control.grab(QRect(205, 0, 24, 20)).toImage();
    QSet<QRgb> colours;
    for (int x = 0; x < strip.width(); ++x)
        colours.insert(strip.pixel(x, 3));
    EXPECT_GE(colours.size(), 2) << "the cut tab's top border and fill show";
    QTest::mouseClick(&control, Qt::LeftButton, {}, QPoint(220, 10));
    EXPECT_EQ(control.activePageIndex(), 4);
    const QRect shown = control.stripGeometry().tabRect(4);
    EXPECT_LE(shown.x() + shown.width(), control.stripGeometry().rightLimit());
}

TEST_F(PageControlFixture, ParentTabFontFollowsTheControlUntilSetDirectly)
{
    TNxTabSheet *page = addPage("One");
    QFont big = control.font();
    big.setPointSize(big.pointSize() + 6);
    control.setFont(big);
    EXPECT_EQ(page->tabFont(), big);
    EXPECT_TRUE(page->parentTabFont());

    QFont own = big;
    own.setItalic(true);
    page->setTabFont(own);
    EXPECT_FALSE(page->parentTabFont());
    control.setFont(QFont());
    EXPECT_EQ(page->tabFont(), own);
}

TEST_F(PageControlFixture, RaisingASheetActivatesItAndLoweringTheActiveOneActivatesTheTopSheet)
{
    TNxTabSheet *one = addPage("One");
    TNxTabSheet *two = addPage("Two");
    TNxTabSheet *three = addPage("Three");
    // The rule holds only for sheets that were active once.
    one->raise();
    EXPECT_EQ(control.activePage(), nullptr);
    for (TNxTabSheet *page : {three, two, one})
        control.setActivePage(page);
    log.clear();

    two->raise();
    EXPECT_EQ(control.activePage(), two);
    EXPECT_EQ(log, QStringList({"changing 1", "change"}));
    // Stacked bottom to top: two, three, one.
    two->lower();
    EXPECT_EQ(control.activePage(), one);
    three->stackUnder(two);
    EXPECT_EQ(control.activePage(), one);
}

TEST_F(PageControlFixture, ACaptionAcceleratorActivatesItsPage)
{
    addPage("&Files");
    addPage("&Registry");
    control.setActivePageIndex(0);
    control.show();
    control.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&control));
    QTest::keyClick(&control, Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(control.activePageIndex(), 1);
    control.getPage(1)->setCaption("Keys");
    control.setActivePageIndex(0);
    QTest::keyClick(&control, Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(control.activePageIndex(), 0);
}

TEST_F(PageControlFixture, HiddenTabsStillLetThePagesFillTheWholeControl)
{
    TNxTabSheet *page = addPage("One");
    control.setActivePage(page);
    EXPECT_EQ(page->geometry(), QRect(0, 21, 300, 229));
    control.setShowTabs(false);
    EXPECT_EQ(page->geometry(), QRect(0, 0, 300, 250));
}

TEST_F(PageControlFixture, PaintingWithAndWithoutPagesDoesNotFail)
{
    QImage image(300, 250, QImage::Format_ARGB32);
    control.render(&image);
    EXPECT_EQ(image.pixelColor(150, 125), QColor(Qt::white));
    for (TTabStyle style : {tsClassic, tsFlat, tsOneNote, tsWhidbey}) {
        for (TTabPosition position : {tpTop, tpBottom}) {
            control.setTabStyle(style);
            control.setTabPosition(position);
            if (control.getPageCount() == 0) {
                addPage("One");
                control.setActivePage(addPage("Two"));
            }
            control.render(&image);
        }
    }
}

} // namespace

// A layout never squeezes the control below the largest least size of its
// pages; its tabs scroll instead of widening it.
TEST_F(PageControlFixture, TheLeastSizeHoldsTheLargestPageButNotEveryTab)
{
    TNxTabSheet *one = addPage("One", 200);
    TNxTabSheet *two = addPage("Two", 250);
    two->setMinimumSize(120, 180);
    one->setMinimumSize(90, 60);
    const QSize chrome = control.size() - control.pageArea().size();
    EXPECT_EQ(control.minimumSizeHint(), QSize(120, 180) + chrome);
}
