#include "widgets/GlyphMask.h"

#include <QBitmap>
#include <QImage>

namespace talmo {

QPixmap GlyphMask::colorTransparent(const QPixmap &glyph, TColor color)
{
    if (glyph.isNull() || color == clNone)
        return glyph;
    QPixmap result = glyph;
    result.setMask(glyph.createMaskFromColor(SystemColors::toQColor(color), Qt::MaskInColor));
    return result;
}

QPixmap GlyphMask::bottomLeftTransparent(const QPixmap &glyph)
{
    if (glyph.isNull())
        return glyph;
    const QColor corner = glyph.toImage().pixelColor(0, glyph.height() - 1);
    QPixmap result = glyph;
    result.setMask(glyph.createMaskFromColor(corner, Qt::MaskInColor));
    return result;
}

} // namespace talmo
