#pragma once

#include "widgets/Colors.h"

namespace talmo {

// Colour arithmetic of the painted controls. System colours are resolved
// first; the results are plain RGB colours.
class ColorBlend
{
public:
    // Each channel (alpha x c1 + (255 - alpha) x c2) div 256; alpha 0..255,
    // larger values are taken as 255.
    static TColor blendAlpha(TColor c1, TColor c2, int alpha);
    // Each channel round(c2 x x + (1 - x) x c1), halves to even.
    static TColor mixColor(TColor c1, TColor c2, double x);
    // Rounding of the suite's arithmetic: halves go to the even neighbour.
    static int roundHalfEven(double value);
};

} // namespace talmo
