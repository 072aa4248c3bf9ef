#include "widgets/LabelPlacement.h"

namespace talmo {

QPoint LabelPlacement::place(const QRect &a, const QSize &label) const
{
    const int w = label.width(), h = label.height();
    const int hm = horizontalMargin, vm = verticalMargin;
    int x = 0;
    switch (horizontalPosition) {
    case hpLeft: x = innerHorizontal ? a.x() + hm : a.x() - w - hm; break;
    case hpCenter: x = a.x() + a.width() / 2 + hm - w / 2; break;
    case hpRight: x = innerHorizontal ? a.x() + a.width() - w - hm : a.x() + a.width() + hm; break;
    }
    int y = 0;
    switch (verticalPosition) {
    case vpTop: y = innerVertical ? a.y() + vm : a.y() - h - vm; break;
    case vpMiddle: y = a.y() + a.height() / 2 + vm - h / 2; break;
    case vpBottom: y = innerVertical ? a.y() + a.height() - h + vm : a.y() + a.height() + vm; break;
    }
    return {x, y};
}

} // namespace talmo
