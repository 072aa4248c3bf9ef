#include "widgets/ColorBlend.h"

#include <algorithm>
#include <cmath>

namespace talmo {

TColor ColorBlend::blendAlpha(TColor c1, TColor c2, int alpha)
{
    alpha = std::clamp(alpha, 0, 255);
    const TColor a = SystemColors::resolve(c1);
    const TColor b = SystemColors::resolve(c2);
    const auto channel = [alpha](int x, int y) { return (alpha * x + (255 - alpha) * y) / 256; };
    return rgbColor(channel(redOf(a), redOf(b)), channel(greenOf(a), greenOf(b)), channel(blueOf(a), blueOf(b)));
}

TColor ColorBlend::mixColor(TColor c1, TColor c2, double x)
{
    const TColor a = SystemColors::resolve(c1);
    const TColor b = SystemColors::resolve(c2);
    const auto channel = [x](int from, int to) { return std::clamp(roundHalfEven(to * x + (1 - x) * from), 0, 255); };
    return rgbColor(channel(redOf(a), redOf(b)), channel(greenOf(a), greenOf(b)), channel(blueOf(a), blueOf(b)));
}

int ColorBlend::roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5)
        return int(floor) + 1;
    if (fraction < 0.5)
        return int(floor);
    return std::fmod(floor, 2.0) == 0.0 ? int(floor) : int(floor) + 1;
}

} // namespace talmo
