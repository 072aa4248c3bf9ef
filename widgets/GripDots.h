#pragma once

#include "widgets/ColorSchemes.h"

#include <QRect>

class QPainter;

namespace talmo {

// The dotted grip of the splitter and of the outlook bar's splitter band.
class GripDots
{
public:
    struct Colors
    {
        TColor light;
        TColor shadow;
        TColor mid;
    };
    static Colors colors(TColorScheme scheme);

    // The top-left corner of the first dot of a row (or column) of count dots,
    // 4 pixels apart, centred in rect.
    static QPoint firstDot(const QRect &rect, int count, bool horizontal);
    static void draw(QPainter &painter, const QRect &rect, int count, bool horizontal, TColorScheme scheme);
};

} // namespace talmo
