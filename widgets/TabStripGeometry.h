#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

namespace talmo {

enum TTabStyle { tsClassic, tsFlat, tsOneNote, tsWhidbey };
enum TTabPosition { tpTop, tpBottom };

enum TPageOption : unsigned {
    pgAlwaysShowTabsRect = 0x01,
    pgBoldActiveTab = 0x02,
    pgCloseButton = 0x04,
    pgConstantScroll = 0x08,
    pgPageBorder = 0x10,
    pgScrollButtons = 0x20,
    pgTabsPopup = 0x40,
    pgTopBorder = 0x80,
};
using TPageOptions = unsigned;

enum TTabButton { tbNone, tbClose, tbTabList, tbScrollLeft, tbScrollRight };

// Where the tabs and buttons of a page control lie, from its metrics and the
// width of each page's tab. Widget-free so the rules can be checked exactly.
// Rectangles keep the first pixel outside as right/bottom edge.
struct TabStripGeometry
{
    struct Tab
    {
        int width = 0;
        bool hasTab = true;
    };

    int clientWidth = 300;
    int clientHeight = 250;
    int tabHeight = 17;
    int indent = 2;
    int topIndent = 3;
    int scrollOffset = 0;
    TPageOptions options = pgBoldActiveTab | pgCloseButton | pgScrollButtons | pgTopBorder;
    TTabPosition position = tpTop;
    TTabStyle style = tsWhidbey;
    // One entry per page, in page order.
    QList<Tab> tabs;
    int activeIndex = -1;

    static int overlap(TTabStyle style, int tabHeight);
    // The width a tab needs: fixed when tabWidth is set, else measured text
    // (8 for none) plus the style's padding and the picture, capped by
    // maxWidth. A slanted tab's padding holds its own slant and the part of
    // it the next tab may cover.
    static int measuredWidth(int tabWidth, int captionWidth, int pictureWidth, TTabStyle style, int tabHeight,
                             int maxWidth);

    int overlap() const { return overlap(style, tabHeight); }
    bool has(TPageOption option) const { return (options & option) != 0; }
    // Tabs may not reach beyond this x (room for the buttons).
    int rightLimit() const;
    // The strip in which points hit tabs.
    QRect stripRect() const;
    int totalWidth() const;
    int maxScroll() const;
    // The rect of a page's tab at the current scroll offset.
    QRect tabRect(int pageIndex) const;
    // The rect a repaint of the tab covers: one pixel more toward the page.
    QRect tabInvalidateRect(int pageIndex) const;
    // The page whose tab lies under the point, -1 for none. A tab cut off by
    // the right limit is hit where it shows.
    int tabAt(const QPoint &point) const;
    QRect buttonRect(TTabButton button) const;
    TTabButton buttonAt(const QPoint &point) const;
    // The area the pages fill, less the strip while it shows.
    QRect pageArea(bool showTabs, int margin) const;
    // The least change of the scroll offset that shows the whole active tab
    // (its left end when it is wider than the strip).
    int offsetShowingActive() const;
    // The scroll offset one tab further (direction 1) or back (-1): the next
    // tab's left end at the strip's left end, within 0..maxScroll().
    int offsetByOneTab(int direction) const;

private:
    int nextTabIndex(int pageIndex) const;
    // The left end of a page's tab with no scrolling, from the strip's left end.
    int unscrolledLeft(int pageIndex) const;
};

} // namespace talmo
