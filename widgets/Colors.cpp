#include "widgets/Colors.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>
#include <optional>

namespace talmo {

namespace {

constexpr int SystemColorCount = 31;

// The classic desktop scheme, used where the palette has no matching role.
constexpr std::array<TColor, SystemColorCount> ClassicSystemColors = {
    rgbColor(0xC8, 0xC8, 0xC8), rgbColor(0x00, 0x00, 0x00), rgbColor(0x99, 0xB4, 0xD1),
    rgbColor(0xBF, 0xCD, 0xDB), rgbColor(0xF0, 0xF0, 0xF0), rgbColor(0xFF, 0xFF, 0xFF),
    rgbColor(0x64, 0x64, 0x64), rgbColor(0x00, 0x00, 0x00), rgbColor(0x00, 0x00, 0x00),
    rgbColor(0x00, 0x00, 0x00), rgbColor(0xB4, 0xB4, 0xB4), rgbColor(0xF4, 0xF7, 0xFC),
    rgbColor(0xAB, 0xAB, 0xAB), rgbColor(0x33, 0x99, 0xFF), rgbColor(0xFF, 0xFF, 0xFF),
    rgbColor(0xF0, 0xF0, 0xF0), rgbColor(0xA0, 0xA0, 0xA0), rgbColor(0x6D, 0x6D, 0x6D),
    rgbColor(0x00, 0x00, 0x00), rgbColor(0x43, 0x4E, 0x54), rgbColor(0xFF, 0xFF, 0xFF),
    rgbColor(0x69, 0x69, 0x69), rgbColor(0xE3, 0xE3, 0xE3), rgbColor(0x00, 0x00, 0x00),
    rgbColor(0xFF, 0xFF, 0xE1), rgbColor(0x00, 0x00, 0x00), rgbColor(0x00, 0x66, 0xCC),
    rgbColor(0xB9, 0xD1, 0xEA), rgbColor(0xD7, 0xE4, 0xF2), rgbColor(0x33, 0x99, 0xFF),
    rgbColor(0xF0, 0xF0, 0xF0),
};

std::optional<QPalette::ColorRole> paletteRole(int index)
{
    switch (index) {
    case 5: return QPalette::Base;
    case 8: return QPalette::Text;
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;
    case 16: return QPalette::Mid;
    case 18: return QPalette::ButtonText;
    case 20: return QPalette::Light;
    case 21: return QPalette::Shadow;
    case 22: return QPalette::Midlight;
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    default: return std::nullopt;
    }
}

} // namespace

TColor SystemColors::resolve(TColor color)
{
    if (!isSystemColor(color))
        return color;
    const int index = color & 0xFF;
    if (index >= SystemColorCount)
        return clBlack;
    if (const auto role = paletteRole(index); role && qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return fromQColor(QGuiApplication::palette().color(QPalette::Active, *role));
    return ClassicSystemColors[index];
}

QColor SystemColors::toQColor(TColor color)
{
    const TColor rgb = resolve(color);
    return QColor(redOf(rgb), greenOf(rgb), blueOf(rgb));
}

TColor SystemColors::fromQColor(const QColor &color)
{
    return rgbColor(color.red(), color.green(), color.blue());
}

} // namespace talmo
