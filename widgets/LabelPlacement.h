#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace talmo {

enum THorizontalPosition { hpLeft, hpCenter, hpRight };
enum TVerticalPosition { vpTop, vpMiddle, vpBottom };

// Where an attached label goes next to (or inside) its associate's bounds.
struct LabelPlacement
{
    THorizontalPosition horizontalPosition = hpLeft;
    TVerticalPosition verticalPosition = vpTop;
    bool innerHorizontal = true;
    bool innerVertical = false;
    int horizontalMargin = 0;
    int verticalMargin = 2;

    QPoint place(const QRect &associate, const QSize &label) const;
};

} // namespace talmo
