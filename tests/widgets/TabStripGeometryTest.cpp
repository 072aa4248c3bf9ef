#include "widgets/TabStripGeometry.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

TabStripGeometry twoTabs(int width0, int width1, int active)
{
    TabStripGeometry g;
    g.style = tsWhidbey;
    g.tabs = {{width0, true}, {width1, true}};
    g.activeIndex = active;
    return g;
}

TEST(TabStripGeometryTest, OverlapByStyle)
{
    EXPECT_EQ(TabStripGeometry::overlap(tsClassic, 17), 0);
    EXPECT_EQ(TabStripGeometry::overlap(tsFlat, 17), 8);
    EXPECT_EQ(TabStripGeometry::overlap(tsOneNote, 17), 14);
    EXPECT_EQ(TabStripGeometry::overlap(tsWhidbey, 17), 10);
}

TEST(TabStripGeometryTest, MeasuredWidthTable)
{
    struct Case
    {
        int tabWidth, caption, picture;
        TTabStyle style;
        int maxWidth, expected;
    };
    const Case cases[] = {
        {0, 40, 0, tsClassic, 0, 52},   {0, 40, 0, tsFlat, 0, 57},      {0, 40, 0, tsOneNote, 0, 93},
        {0, 40, 0, tsWhidbey, 0, 67},   {0, 0, 0, tsWhidbey, 0, 35},    {0, 40, 16, tsWhidbey, 0, 87},
        {0, 40, 0, tsWhidbey, 50, 50}, {120, 40, 16, tsWhidbey, 50, 120},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(TabStripGeometry::measuredWidth(c.tabWidth, c.caption, c.picture, c.style, 17, c.maxWidth),
                  c.expected)
            << c.tabWidth << " " << c.caption << " " << c.style;
    }
}

TEST(TabStripGeometryTest, TabRectsFollowEachOtherLessTheOverlap)
{
    TabStripGeometry g = twoTabs(60, 60, 0);
    EXPECT_EQ(g.tabRect(0), QRect(2, 3, 60, 17));
    EXPECT_EQ(g.tabRect(1), QRect(52, 3, 60, 17));
    g.tabs.insert(1, {80, false});
    EXPECT_EQ(g.tabRect(2), QRect(52, 3, 60, 17));
    g.position = tpBottom;
    g.scrollOffset = 5;
    EXPECT_EQ(g.tabRect(0), QRect(-3, 230, 60, 17));
    EXPECT_EQ(g.tabInvalidateRect(0), QRect(-3, 229, 60, 18));
}

TEST(TabStripGeometryTest, APointInTheOverlapBelongsToTheActiveRightTabRightOfItsSlope)
{
    // Tab 0 spans 2..62, tab 1 spans 52..112; the strip ends at y = 20.
    TabStripGeometry inactiveRight = twoTabs(60, 60, 0);
    EXPECT_EQ(inactiveRight.tabAt({55, 18}), 0);
    EXPECT_EQ(inactiveRight.tabAt({70, 18}), 1);

    TabStripGeometry activeRight = twoTabs(60, 60, 1);
    EXPECT_EQ(activeRight.tabAt({55, 5}), 0);
    EXPECT_EQ(activeRight.tabAt({55, 18}), 1);
    EXPECT_EQ(activeRight.tabAt({30, 18}), 0);
    EXPECT_EQ(activeRight.tabAt({200, 10}), -1);
    EXPECT_EQ(activeRight.tabAt({30, 40}), -1);

    activeRight.position = tpBottom;
    // Bottom strip: 229..246 (one pixel up for the top border).
    EXPECT_EQ(activeRight.tabAt({55, 245}), 0);
    EXPECT_EQ(activeRight.tabAt({55, 232}), 1);
}

TEST(TabStripGeometryTest, ATabIsHitUpToTheRightLimitOnly)
{
    TabStripGeometry g = twoTabs(200, 100, 0);
    EXPECT_EQ(g.rightLimit(), 229);
    EXPECT_EQ(g.tabAt({195, 10}), 0);
    // Tab 1 spans 192..292: its part left of the limit shows and is hit.
    EXPECT_EQ(g.tabAt({215, 10}), 1);
    EXPECT_EQ(g.tabAt({235, 10}), -1);
    // (200 - 10) + (100 - 10) + 10 = 290 wide, from x = 2.
    EXPECT_EQ(g.maxScroll(), 290 + 2 - 229);
}

TEST(TabStripGeometryTest, TheActiveTabIsBroughtIntoViewByTheLeastScroll)
{
    // Five 60-pixel tabs at 0, 50, 100, 150, 200 (unscrolled); 227 pixels of room; 33 to scroll.
    TabStripGeometry g;
    g.tabs = {{60, true}, {60, true}, {60, true}, {60, true}, {60, true}};
    struct Case
    {
        int offset, active, expected;
    };
    const Case cases[] = {
        {0, 0, 0}, {0, 3, 0}, {0, 4, 33}, {33, 0, 0}, {20, 3, 20}, {33, 3, 33}, {-5, 1, 0},
    };
    for (const Case &c : cases) {
        g.scrollOffset = c.offset;
        g.activeIndex = c.active;
        EXPECT_EQ(g.offsetShowingActive(), c.expected) << c.offset << " " << c.active;
    }
    // A tab wider than the strip shows its left end.
    g.tabs = {{60, true}, {400, true}};
    g.activeIndex = 1;
    g.scrollOffset = 0;
    EXPECT_EQ(g.offsetShowingActive(), 50);
}

TEST(TabStripGeometryTest, OneScrollStepMovesByOneTab)
{
    // Tab stops at 0, 50, (hidden), 100, 150.
    TabStripGeometry g;
    g.clientWidth = 200;
    g.tabs = {{60, true}, {60, true}, {80, false}, {60, true}, {60, true}};
    // 4 tabs: 4 * 50 + 10 = 210 wide, from x = 2 to the limit at 129: 83 to scroll.
    ASSERT_EQ(g.maxScroll(), 83);
    struct Case
    {
        int offset, direction, expected;
    };
    const Case cases[] = {
        {0, 1, 50}, {50, 1, 83}, {83, 1, 83}, {30, 1, 50}, {83, -1, 50}, {50, -1, 0}, {30, -1, 0}, {0, -1, 0},
    };
    for (const Case &c : cases) {
        g.scrollOffset = c.offset;
        EXPECT_EQ(g.offsetByOneTab(c.direction), c.expected) << c.offset << " " << c.direction;
    }
}

TEST(TabStripGeometryTest, ButtonRectsAndHitTestingFollowTheOptions)
{
    TabStripGeometry g;
    EXPECT_EQ(g.buttonRect(tbClose), QRect(280, 3, 16, 16));
    EXPECT_EQ(g.buttonRect(tbScrollLeft), QRect(248, 3, 16, 16));
    EXPECT_EQ(g.buttonRect(tbScrollRight), QRect(264, 3, 16, 16));
    EXPECT_EQ(g.buttonAt({285, 10}), tbClose);
    EXPECT_EQ(g.buttonAt({250, 10}), tbScrollLeft);
    EXPECT_EQ(g.buttonAt({270, 10}), tbScrollRight);
    EXPECT_EQ(g.buttonAt({100, 10}), tbNone);

    g.options = pgTabsPopup | pgScrollButtons;
    g.position = tpBottom;
    EXPECT_EQ(g.buttonRect(tbTabList), QRect(280, 231, 16, 16));
    EXPECT_EQ(g.buttonRect(tbScrollRight), QRect(264, 231, 16, 16));
    EXPECT_EQ(g.buttonAt({285, 240}), tbTabList);
    EXPECT_EQ(g.rightLimit(), 300 - 23 - 16 - 32);
}

TEST(TabStripGeometryTest, PageAreaTable)
{
    struct Case
    {
        TTabPosition position;
        TPageOptions options;
        bool showTabs;
        int margin;
        QRect expected;
    };
    const Case cases[] = {
        {tpTop, 0, true, 0, QRect(0, 21, 300, 229)},
        {tpBottom, 0, true, 0, QRect(0, 0, 300, 229)},
        {tpTop, 0, false, 0, QRect(0, 0, 300, 250)},
        {tpTop, 0, true, 3, QRect(3, 24, 294, 223)},
        {tpTop, pgPageBorder, true, 0, QRect(1, 21, 298, 228)},
        {tpTop, pgPageBorder, false, 0, QRect(1, 1, 298, 248)},
    };
    for (const Case &c : cases) {
        TabStripGeometry g;
        g.position = c.position;
        g.options = c.options;
        EXPECT_EQ(g.pageArea(c.showTabs, c.margin), c.expected) << c.position << " " << c.options;
    }
}

} // namespace
