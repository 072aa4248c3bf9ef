#include "widgets/OutlookBarLayout.h"

#include <algorithm>
#include <cmath>

namespace talmo {

int OutlookBarLayout::visibleCount() const
{
    return int(std::count(visible.begin(), visible.end(), true));
}

int OutlookBarLayout::navigationHeight() const
{
    return toolbarHeight + splitterHeight + std::min(displayCount, visibleCount()) * (itemHeight + 1);
}

QRect OutlookBarLayout::splitterRect() const
{
    return QRect(0, navigationTop(), clientWidth, splitterHeight);
}

QRect OutlookBarLayout::toolbarRect() const
{
    return QRect(0, clientHeight - toolbarHeight, clientWidth, toolbarHeight);
}

QList<OutlookBarLayout::Button> OutlookBarLayout::buttons() const
{
    QList<Button> result;
    int y = navigationTop() + splitterHeight;
    int next = 0;
    for (; next < visible.size() && y < clientHeight - toolbarHeight; ++next) {
        if (!visible.at(next))
            continue;
        result.append({next, QRect(0, y, clientWidth, itemHeight), false});
        y += itemHeight + 1;
    }
    int x = clientWidth;
    for (int item = int(visible.size()) - 1; item >= next; --item) {
        if (!visible.at(item))
            continue;
        x -= toolbarButtonWidth;
        result.append({item, QRect(x, clientHeight - toolbarHeight, toolbarButtonWidth, toolbarHeight), true});
    }
    return result;
}

int OutlookBarLayout::itemAt(const QPoint &point) const
{
    for (const Button &button : buttons()) {
        if (button.rect.contains(point))
            return button.item;
    }
    return -1;
}

int OutlookBarLayout::dragCount(int y, int clientHeight, int toolbarHeight, int splitterHeight, int itemHeight)
{
    return int(std::ceil(double(clientHeight - (y + toolbarHeight + splitterHeight)) / (itemHeight + 1)));
}

} // namespace talmo
