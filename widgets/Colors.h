#pragma once

#include <QColor>
#include <QtGlobal>

namespace talmo {

// A colour as the suite stores it: 0x00BBGGRR for plain colours, a negative
// value (0xFF000000 | index) for a system colour, and two special values.
using TColor = qint32;

constexpr TColor tcolor(quint32 raw) { return static_cast<TColor>(raw); }
constexpr TColor rgbColor(int r, int g, int b) { return tcolor(quint32(r) | quint32(g) << 8 | quint32(b) << 16); }
constexpr int redOf(TColor c) { return quint32(c) & 0xFF; }
constexpr int greenOf(TColor c) { return quint32(c) >> 8 & 0xFF; }
constexpr int blueOf(TColor c) { return quint32(c) >> 16 & 0xFF; }

// The no-colour answer of conversions and state colours.
constexpr TColor clNone = tcolor(0x1FFFFFFF);
constexpr TColor clDefault = tcolor(0x20000000);

constexpr TColor clBlack = rgbColor(0, 0, 0);
constexpr TColor clMaroon = rgbColor(0x80, 0, 0);
constexpr TColor clGreen = rgbColor(0, 0x80, 0);
constexpr TColor clOlive = rgbColor(0x80, 0x80, 0);
constexpr TColor clNavy = rgbColor(0, 0, 0x80);
constexpr TColor clPurple = rgbColor(0x80, 0, 0x80);
constexpr TColor clTeal = rgbColor(0, 0x80, 0x80);
constexpr TColor clGray = rgbColor(0x80, 0x80, 0x80);
constexpr TColor clSilver = rgbColor(0xC0, 0xC0, 0xC0);
constexpr TColor clRed = rgbColor(0xFF, 0, 0);
constexpr TColor clLime = rgbColor(0, 0xFF, 0);
constexpr TColor clYellow = rgbColor(0xFF, 0xFF, 0);
constexpr TColor clBlue = rgbColor(0, 0, 0xFF);
constexpr TColor clFuchsia = rgbColor(0xFF, 0, 0xFF);
constexpr TColor clAqua = rgbColor(0, 0xFF, 0xFF);
constexpr TColor clWhite = rgbColor(0xFF, 0xFF, 0xFF);
constexpr TColor clMoneyGreen = rgbColor(0xC0, 0xDC, 0xC0);
constexpr TColor clSkyBlue = rgbColor(0xA6, 0xCA, 0xF0);
constexpr TColor clCream = rgbColor(0xFF, 0xFB, 0xF0);
constexpr TColor clMedGray = rgbColor(0xA0, 0xA0, 0xA4);

// System colours: the index is the classic system-colour number.
constexpr TColor systemColor(int index) { return tcolor(0xFF000000u | quint32(index)); }
constexpr TColor clScrollBar = systemColor(0);
constexpr TColor clBackground = systemColor(1);
constexpr TColor clActiveCaption = systemColor(2);
constexpr TColor clInactiveCaption = systemColor(3);
constexpr TColor clMenu = systemColor(4);
constexpr TColor clWindow = systemColor(5);
constexpr TColor clWindowFrame = systemColor(6);
constexpr TColor clMenuText = systemColor(7);
constexpr TColor clWindowText = systemColor(8);
constexpr TColor clCaptionText = systemColor(9);
constexpr TColor clActiveBorder = systemColor(10);
constexpr TColor clInactiveBorder = systemColor(11);
constexpr TColor clAppWorkSpace = systemColor(12);
constexpr TColor clHighlight = systemColor(13);
constexpr TColor clHighlightText = systemColor(14);
constexpr TColor clBtnFace = systemColor(15);
constexpr TColor clBtnShadow = systemColor(16);
constexpr TColor clGrayText = systemColor(17);
constexpr TColor clBtnText = systemColor(18);
constexpr TColor clInactiveCaptionText = systemColor(19);
constexpr TColor clBtnHighlight = systemColor(20);
constexpr TColor cl3DDkShadow = systemColor(21);
constexpr TColor cl3DLight = systemColor(22);
constexpr TColor clInfoText = systemColor(23);
constexpr TColor clInfoBk = systemColor(24);
constexpr TColor clHotLight = systemColor(26);
constexpr TColor clGradientActiveCaption = systemColor(27);
constexpr TColor clGradientInactiveCaption = systemColor(28);
constexpr TColor clMenuHighlight = systemColor(29);
constexpr TColor clMenuBar = systemColor(30);

// Turns system colours into their current RGB value and converts to and from
// Qt. Where the application palette has a matching role it answers, otherwise
// the classic desktop default does.
class SystemColors
{
public:
    static bool isSystemColor(TColor color) { return color < 0; }
    // The RGB value (0x00BBGGRR) of a system colour; other colours unchanged.
    static TColor resolve(TColor color);
    static QColor toQColor(TColor color);
    static TColor fromQColor(const QColor &color);
};

} // namespace talmo
