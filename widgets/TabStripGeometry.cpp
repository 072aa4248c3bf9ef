#include "widgets/TabStripGeometry.h"

#include <algorithm>

namespace talmo {

namespace {

QRect fromEdges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

} // namespace

int TabStripGeometry::overlap(TTabStyle style, int tabHeight)
{
    switch (style) {
    case tsClassic: return 0;
    case tsFlat: return tabHeight / 2;
    case tsOneNote: return tabHeight - 3;
    case tsWhidbey: return tabHeight - 7;
    }
    return 0;
}

int TabStripGeometry::measuredWidth(int tabWidth, int captionWidth, int pictureWidth, TTabStyle style, int tabHeight,
                                    int maxWidth)
{
    if (tabWidth != 0)
        return tabWidth;
    int width = captionWidth == 0 ? 8 : captionWidth;
    switch (style) {
    case tsClassic: width += 12; break;
    case tsFlat: width += tabHeight; break;
    case tsOneNote: width += tabHeight + 36; break;
    // The active tab, drawn over its left neighbour, covers the neighbour's
    // right end as wide as the overlap: the caption keeps clear of it.
    case tsWhidbey: width += tabHeight + overlap(style, tabHeight); break;
    }
    if (pictureWidth > 0)
        width += pictureWidth + 4;
    if (maxWidth > 0)
        width = std::min(width, maxWidth);
    return width;
}

int TabStripGeometry::rightLimit() const
{
    return clientWidth - (has(pgCloseButton) ? 39 : 23) - (has(pgTabsPopup) ? 16 : 0)
        - (has(pgScrollButtons) ? 32 : 0);
}

QRect TabStripGeometry::stripRect() const
{
    if (position == tpTop)
        return fromEdges(indent, topIndent, rightLimit(), topIndent + tabHeight);
    const int bottom = clientHeight - topIndent - (has(pgTopBorder) ? 1 : 0);
    return fromEdges(indent, bottom - tabHeight, rightLimit(), bottom);
}

int TabStripGeometry::totalWidth() const
{
    const int ov = overlap();
    int total = 0;
    for (const Tab &tab : tabs) {
        if (tab.hasTab)
            total += tab.width - ov;
    }
    if (!tabs.isEmpty())
        total += ov;
    return total;
}

int TabStripGeometry::maxScroll() const
{
    const int total = totalWidth();
    if (rightLimit() - indent >= total)
        return 0;
    return total + indent - rightLimit();
}

QRect TabStripGeometry::tabRect(int pageIndex) const
{
    const int ov = overlap();
    int left = indent - scrollOffset;
    for (int i = 0; i < pageIndex && i < tabs.size(); ++i) {
        if (tabs.at(i).hasTab)
            left += tabs.at(i).width - ov;
    }
    const int top = position == tpTop ? topIndent : clientHeight - tabHeight - topIndent;
    const int width = pageIndex >= 0 && pageIndex < tabs.size() ? tabs.at(pageIndex).width : 0;
    return QRect(left, top, width, tabHeight);
}

QRect TabStripGeometry::tabInvalidateRect(int pageIndex) const
{
    const QRect rect = tabRect(pageIndex);
    return position == tpTop ? rect.adjusted(0, 0, 0, 1) : rect.adjusted(0, -1, 0, 0);
}

int TabStripGeometry::nextTabIndex(int pageIndex) const
{
    for (int i = pageIndex + 1; i < tabs.size(); ++i) {
        if (tabs.at(i).hasTab)
            return i;
    }
    return -1;
}

int TabStripGeometry::tabAt(const QPoint &point) const
{
    const QRect strip = stripRect();
    if (!strip.contains(point))
        return -1;
    const int ov = overlap();
    int x = indent - scrollOffset;
    for (int i = 0; i < tabs.size(); ++i) {
        const Tab &tab = tabs.at(i);
        if (!tab.hasTab)
            continue;
        const bool inside = point.x() >= x && point.x() <= x + tab.width;
        if (inside) {
            const int next = nextTabIndex(i);
            if (next < 0 || next != activeIndex)
                return i;
            // The active neighbour's slope covers this tab's right end.
            const int dx = point.x() + ov - (x + tab.width);
            const int stripBottom = strip.y() + strip.height();
            const int dy = position == tpTop ? point.y() + ov - stripBottom : strip.y() + ov - point.y();
            if (dx + dy < ov - 1)
                return i;
        }
        x += tab.width - ov;
    }
    return -1;
}

QRect TabStripGeometry::buttonRect(TTabButton button) const
{
    int x = clientWidth - (has(pgCloseButton) ? 20 : 4);
    if (button != tbClose && has(pgTabsPopup))
        x -= 16;
    if (button == tbScrollLeft)
        x -= 32;
    else if (button == tbScrollRight)
        x -= 16;
    const int stripTop = position == tpTop ? topIndent : clientHeight - tabHeight - topIndent + 1;
    const int cy = stripTop + tabHeight / 2;
    return QRect(x, cy - 8, 16, 16);
}

TTabButton TabStripGeometry::buttonAt(const QPoint &point) const
{
    TTabButton hit = tbNone;
    if (has(pgCloseButton) && buttonRect(tbClose).contains(point))
        hit = tbClose;
    if (has(pgScrollButtons)) {
        if (buttonRect(tbScrollLeft).contains(point))
            hit = tbScrollLeft;
        else if (buttonRect(tbScrollRight).contains(point))
            hit = tbScrollRight;
    }
    if (has(pgTabsPopup) && buttonRect(tbTabList).contains(point))
        hit = tbTabList;
    return hit;
}

QRect TabStripGeometry::pageArea(bool showTabs, int margin) const
{
    int left = 0, top = 0, right = clientWidth, bottom = clientHeight;
    if (showTabs) {
        if (position == tpTop)
            top += tabHeight + topIndent + 1;
        else
            bottom -= tabHeight + topIndent + 1;
    }
    left += margin;
    top += margin;
    right -= margin;
    bottom -= margin;
    if (has(pgPageBorder)) {
        ++left;
        --right;
        --bottom;
        if (!showTabs)
            ++top;
    }
    return fromEdges(left, top, right, bottom);
}

int TabStripGeometry::unscrolledLeft(int pageIndex) const
{
    return tabRect(pageIndex).x() + scrollOffset - indent;
}

int TabStripGeometry::offsetShowingActive() const
{
    if (activeIndex < 0 || activeIndex >= tabs.size() || !tabs.at(activeIndex).hasTab)
        return scrollOffset;
    const int left = unscrolledLeft(activeIndex);
    const int right = left + tabs.at(activeIndex).width;
    const int room = rightLimit() - indent;
    int offset = scrollOffset;
    if (right > offset + room)
        offset = right - room;
    if (left < offset)
        offset = left;
    return std::clamp(offset, 0, std::max(0, maxScroll()));
}

int TabStripGeometry::offsetByOneTab(int direction) const
{
    int offset = direction > 0 ? maxScroll() : 0;
    for (int i = 0; i < tabs.size(); ++i) {
        if (!tabs.at(i).hasTab)
            continue;
        const int left = unscrolledLeft(i);
        if (direction > 0 && left > scrollOffset)
            return std::min(left, maxScroll());
        if (direction < 0 && left < scrollOffset)
            offset = left;
    }
    return std::max(offset, 0);
}

} // namespace talmo
