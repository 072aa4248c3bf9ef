#pragma once

#include <QRect>
#include <QSize>

namespace talmo {

// Fitting a picture into a rectangle with its aspect ratio kept.
class ImageFit
{
public:
    // Scaled by the smaller of the two ratios, rounded; centred along the
    // axis that has room to spare, flush with the rect's top or left edge.
    static QRect fitRect(const QRect &imageRect, const QSize &picture);
};

} // namespace talmo
