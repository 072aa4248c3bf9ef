#include "IconArt.h"

#include <array>
#include <cmath>
#include <functional>

namespace talmo {

namespace {

// Indexes into the standard 16-colour palette; kClear marks a transparent pixel.
enum Colour : int {
    kBlack = 0, kMaroon, kGreen, kOlive, kNavy, kPurple, kTeal, kSilver,
    kGrey, kRed, kLime, kYellow, kBlue, kFuchsia, kAqua, kWhite,
    kClear = -1,
};

// A drawing in coordinates from 0 to 1, top left at (0, 0).
using Drawing = std::function<int(double x, double y)>;

// A 16-colour image of size x size pixels as an icon file stores it: header,
// palette, colour bits and AND mask, rows from the bottom up.
TExIconImage Render(const Drawing &drawing, int size)
{
    const size_t colourRow = AlignUp(size_t(size) / 2, 4);
    const size_t maskRow = AlignUp((size_t(size) + 7) / 8, 4);
    Bytes colours(colourRow * size_t(size), 0);
    Bytes mask(maskRow * size_t(size), 0);
    for (int row = 0; row < size; ++row) {
        const int y = size - 1 - row;
        for (int x = 0; x < size; ++x) {
            const int colour = drawing((x + 0.5) / size, (y + 0.5) / size);
            if (colour == kClear) {
                mask[size_t(row) * maskRow + size_t(x) / 8] |= uint8_t(0x80 >> (x % 8));
                continue;
            }
            const uint8_t nibble = uint8_t(colour) << (x % 2 == 0 ? 4 : 0);
            colours[size_t(row) * colourRow + size_t(x) / 2] |= nibble;
        }
    }
    TExIconImage image;
    image.Width = size;
    image.Height = size;
    image.PixelFormat = TPixelFormat::Bits4;
    Bytes &data = image.Data;
    AppendU32(data, kBitmapInfoHeaderSize);
    AppendU32(data, uint32_t(size));
    AppendU32(data, uint32_t(size * 2));
    AppendU16(data, 1);
    AppendU16(data, 4);
    AppendZeros(data, 16);
    AppendU32(data, 16);
    AppendU32(data, 0);
    for (const TRgb &rgb : StandardPalette16()) {
        AppendU8(data, rgb[2]);
        AppendU8(data, rgb[1]);
        AppendU8(data, rgb[0]);
        AppendU8(data, 0);
    }
    AppendBytes(data, colours);
    AppendBytes(data, mask);
    return image;
}

TExIcon MakeIcon(const Drawing &drawing)
{
    TExIcon icon;
    icon.SetImages({Render(drawing, 16), Render(drawing, 32)});
    return icon;
}

double Distance(double x, double y, double cx, double cy)
{
    return std::hypot(x - cx, y - cy);
}

bool Inside(double v, double from, double to)
{
    return v >= from && v < to;
}

int Window(double x, double y)
{
    if (!Inside(x, 0.06, 0.94) || !Inside(y, 0.12, 0.88))
        return kClear;
    if (!Inside(x, 0.12, 0.88) || !Inside(y, 0.18, 0.82))
        return kGrey;
    return y < 0.34 ? kNavy : kWhite;
}

int Document(double x, double y)
{
    // A page with its top right corner folded over.
    if (!Inside(x, 0.18, 0.82) || !Inside(y, 0.06, 0.94))
        return kClear;
    if (x - 0.58 > y - 0.06)
        return kClear;
    if (x > 0.58 && y < 0.30 && x - 0.58 > y - 0.12)
        return kSilver;
    if (!Inside(x, 0.24, 0.76) || !Inside(y, 0.12, 0.88))
        return kGrey;
    const bool line = Inside(x, 0.3, 0.7) && std::fmod(y, 0.16) < 0.06 && y > 0.36;
    return line ? kNavy : kWhite;
}

int Folder(double x, double y)
{
    if (Inside(x, 0.08, 0.45) && Inside(y, 0.18, 0.3))
        return kOlive;
    if (!Inside(x, 0.06, 0.94) || !Inside(y, 0.28, 0.86))
        return kClear;
    return Inside(y, 0.28, 0.36) ? kOlive : kYellow;
}

int Gear(double x, double y)
{
    const double r = Distance(x, y, 0.5, 0.5);
    const double angle = std::atan2(y - 0.5, x - 0.5);
    const double outer = std::cos(angle * 8) > 0.3 ? 0.46 : 0.36;
    if (r > outer)
        return kClear;
    return r < 0.14 ? kClear : (r < 0.2 ? kBlack : kSilver);
}

int Help(double x, double y)
{
    const double r = Distance(x, y, 0.5, 0.5);
    if (r > 0.45)
        return kClear;
    const bool hook = std::abs(Distance(x, y, 0.5, 0.38) - 0.14) < 0.06 && !(y > 0.38 && x < 0.5);
    const bool stem = Inside(x, 0.44, 0.56) && Inside(y, 0.5, 0.64);
    const bool dot = Distance(x, y, 0.5, 0.76) < 0.06;
    return hook || stem || dot ? kWhite : kBlue;
}

int Globe(double x, double y)
{
    const double r = Distance(x, y, 0.5, 0.5);
    if (r > 0.45)
        return kClear;
    const bool meridian = std::abs(Distance(x * 2 - 0.5, y, 0.5, 0.5) - 0.45) < 0.04 || std::abs(x - 0.5) < 0.03;
    const bool parallel = std::abs(y - 0.5) < 0.03 || std::abs(y - 0.3) < 0.03 || std::abs(y - 0.7) < 0.03;
    return meridian || parallel ? kAqua : kTeal;
}

int Note(double x, double y)
{
    if (Distance(x, y, 0.32, 0.76) < 0.14 || Distance(x, y, 0.72, 0.68) < 0.14)
        return kPurple;
    if (Inside(x, 0.4, 0.46) && Inside(y, 0.16, 0.76))
        return kPurple;
    if (Inside(x, 0.8, 0.86) && Inside(y, 0.1, 0.68))
        return kPurple;
    if (Inside(x, 0.4, 0.86) && Inside(y, 0.1, 0.22))
        return kFuchsia;
    return kClear;
}

int Talmo(double x, double y)
{
    const double dx = std::max(std::abs(x - 0.5) - 0.32, 0.0);
    const double dy = std::max(std::abs(y - 0.5) - 0.32, 0.0);
    if (std::hypot(dx, dy) > 0.12)
        return kClear;
    const bool bar = Inside(x, 0.24, 0.76) && Inside(y, 0.24, 0.38);
    const bool stem = Inside(x, 0.43, 0.57) && Inside(y, 0.24, 0.8);
    return bar || stem ? kWhite : kGreen;
}

} // namespace

std::vector<IconArt::Icon> IconArt::TemplateIcons()
{
    std::vector<Icon> icons;
    const std::array<Drawing, 8> drawings = {Window, Document, Folder, Gear, Help, Globe, Note, Talmo};
    int id = 100;
    for (const Drawing &drawing : drawings)
        icons.push_back({id++, MakeIcon(drawing)});
    return icons;
}

} // namespace talmo
