#pragma once

#include "widgets/Colors.h"

#include <QPixmap>

namespace talmo {

// Glyph transparency of the suite: one colour of a bitmap becomes see-through.
class GlyphMask
{
public:
    // Pixels of the colour become transparent; clNone keeps the glyph as is.
    static QPixmap colorTransparent(const QPixmap &glyph, TColor color);
    // The colour of the bottom-left pixel becomes transparent.
    static QPixmap bottomLeftTransparent(const QPixmap &glyph);
};

} // namespace talmo
