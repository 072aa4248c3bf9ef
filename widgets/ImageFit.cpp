#include "widgets/ImageFit.h"

#include "widgets/ColorBlend.h"

#include <algorithm>

namespace talmo {

QRect ImageFit::fitRect(const QRect &imageRect, const QSize &picture)
{
    if (picture.isEmpty() || imageRect.isEmpty())
        return QRect(imageRect.topLeft(), QSize(0, 0));
    const double widthRatio = double(imageRect.width()) / picture.width();
    const double heightRatio = double(imageRect.height()) / picture.height();
    const double scale = std::min(widthRatio, heightRatio);
    const int w = ColorBlend::roundHalfEven(picture.width() * scale);
    const int h = ColorBlend::roundHalfEven(picture.height() * scale);
    if (widthRatio >= heightRatio)
        return QRect(imageRect.x() + (imageRect.width() - w) / 2, imageRect.y(), w, h);
    return QRect(imageRect.x(), imageRect.y() + (imageRect.height() - h) / 2, w, h);
}

} // namespace talmo
