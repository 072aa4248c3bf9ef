#pragma once

#include <QList>
#include <QRect>

namespace talmo {

// Where the outlook bar's splitter, large buttons and toolbar buttons lie.
// Widget-free: the bar fills it from its properties and items.
struct OutlookBarLayout
{
    struct Button
    {
        int item = -1;  // collection index
        QRect rect;
        bool small = false;
    };

    int clientWidth = 185;
    int clientHeight = 265;
    int itemHeight = 31;
    int toolbarHeight = 30;
    int splitterHeight = 9;
    int displayCount = 0;
    int toolbarButtonWidth = 22;
    // One flag per item of the collection.
    QList<bool> visible;

    int visibleCount() const;
    int navigationHeight() const;
    int navigationTop() const { return clientHeight - navigationHeight(); }
    QRect splitterRect() const;
    QRect toolbarRect() const;
    // Large buttons first (top down), then toolbar buttons (right to left).
    QList<Button> buttons() const;
    // The item under a point, -1 for none.
    int itemAt(const QPoint &point) const;
    // The display count a splitter drag to y asks for.
    static int dragCount(int y, int clientHeight, int toolbarHeight, int splitterHeight, int itemHeight);
};

} // namespace talmo
