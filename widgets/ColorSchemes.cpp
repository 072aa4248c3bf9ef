#include "widgets/ColorSchemes.h"

#include <array>

namespace talmo {

namespace {

using SchemeRow = std::array<TColor, ColorSchemes::ElementCount>;

constexpr TColor hex(quint32 rrggbb)
{
    return rgbColor(int(rrggbb >> 16 & 0xFF), int(rrggbb >> 8 & 0xFF), int(rrggbb & 0xFF));
}

// Elements 0, 11 to 14 and every unlisted one stay black.
constexpr SchemeRow BlackRow = {0, hex(0x0A0A0A), hex(0x4C535C), hex(0xF0F1F2), hex(0xD2D6E1), hex(0xFB8C3C),
                                hex(0xEBEBEB), hex(0x000000), hex(0xBDC2C9), hex(0xF0F1F2), hex(0xA7ADB6), 0, 0, 0, 0,
                                hex(0x9EA0A0), hex(0xFFE7A2), hex(0xFFBD69), hex(0xFB8C3C), hex(0xF0F1F2),
                                hex(0xC4C8CE)};
constexpr SchemeRow BlueRow = {0, hex(0x6692CE), hex(0x6593CF), hex(0xE3EFFF), hex(0xC2D9F0), hex(0x000000),
                               hex(0xDDE7EE), hex(0x15428B), hex(0xAFD2FF), hex(0xE3EFFF), hex(0x6593CF), 0, 0, 0, 0,
                               hex(0xB8CFE9), hex(0xFFE7A2), hex(0xFFBD69), hex(0xFB8C3C), hex(0xE3EFFF),
                               hex(0xB6D6FF)};
constexpr SchemeRow SilverRow = {0, hex(0x9B9FA6), hex(0x6F7074), hex(0xF0F1F2), hex(0xD2D6E1), hex(0x000000),
                                 hex(0xEBEBEB), hex(0x15428B), hex(0xDADFE7), hex(0xF6F7F8), hex(0x6F7074), 0, 0, 0, 0,
                                 hex(0xB2B7C2), hex(0xFFEEC2), hex(0xFFC06F), hex(0xFE803E), hex(0xA8A7BF),
                                 hex(0x787797)};
constexpr std::array<SchemeRow, 4> SchemeTable = {SchemeRow{}, BlackRow, BlueRow, SilverRow};

QList<QWidget *> &schemeControls()
{
    static QList<QWidget *> list;
    return list;
}

} // namespace

TColor ColorSchemes::schemeColor(int element, TColorScheme scheme)
{
    if (scheme == csDefault)
        scheme = defaultScheme();
    const auto row = std::size_t(scheme & 0x7F);
    const auto column = std::size_t(element & 0x7F);
    if (row >= SchemeTable.size() || column >= std::size_t(ElementCount))
        return clBlack;
    return SchemeTable[row][column];
}

void ColorSchemes::registerControl(QWidget *control)
{
    if (!schemeControls().contains(control))
        schemeControls().append(control);
}

void ColorSchemes::unregisterControl(QWidget *control)
{
    schemeControls().removeAll(control);
}

QList<QWidget *> ColorSchemes::controls()
{
    return schemeControls();
}

} // namespace talmo
