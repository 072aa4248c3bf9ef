#include "widgets/ColorNames.h"

namespace talmo {

const std::vector<ColorNames::Identifier> &ColorNames::identifiers()
{
    static const std::vector<Identifier> list = {
        {"clBlack", clBlack},
        {"clMaroon", clMaroon},
        {"clGreen", clGreen},
        {"clOlive", clOlive},
        {"clNavy", clNavy},
        {"clPurple", clPurple},
        {"clTeal", clTeal},
        {"clGray", clGray},
        {"clSilver", clSilver},
        {"clRed", clRed},
        {"clLime", clLime},
        {"clYellow", clYellow},
        {"clBlue", clBlue},
        {"clFuchsia", clFuchsia},
        {"clAqua", clAqua},
        {"clWhite", clWhite},
        {"clMoneyGreen", clMoneyGreen},
        {"clSkyBlue", clSkyBlue},
        {"clCream", clCream},
        {"clMedGray", clMedGray},
        {"clActiveBorder", clActiveBorder},
        {"clActiveCaption", clActiveCaption},
        {"clAppWorkSpace", clAppWorkSpace},
        {"clBackground", clBackground},
        {"clBtnFace", clBtnFace},
        {"clBtnHighlight", clBtnHighlight},
        {"clBtnShadow", clBtnShadow},
        {"clBtnText", clBtnText},
        {"clCaptionText", clCaptionText},
        {"clDefault", clDefault},
        {"clGradientActiveCaption", clGradientActiveCaption},
        {"clGradientInactiveCaption", clGradientInactiveCaption},
        {"clGrayText", clGrayText},
        {"clHighlight", clHighlight},
        {"clHighlightText", clHighlightText},
        {"clHotLight", clHotLight},
        {"clInactiveBorder", clInactiveBorder},
        {"clInactiveCaption", clInactiveCaption},
        {"clInactiveCaptionText", clInactiveCaptionText},
        {"clInfoBk", clInfoBk},
        {"clInfoText", clInfoText},
        {"clMenu", clMenu},
        {"clMenuBar", clMenuBar},
        {"clMenuHighlight", clMenuHighlight},
        {"clMenuText", clMenuText},
        {"clNone", clNone},
        {"clScrollBar", clScrollBar},
        {"cl3DDkShadow", cl3DDkShadow},
        {"cl3DLight", cl3DLight},
        {"clWindow", clWindow},
        {"clWindowFrame", clWindowFrame},
        {"clWindowText", clWindowText},
    };
    return list;
}

const std::vector<ColorNames::WebName> &ColorNames::webNames()
{
    static const std::vector<WebName> list = {
        {"transparent", "#FFFFFF"},
        {"aliceblue", "#F0F8FF"}, {"antiquewhite", "#FAEBD7"}, {"aqua", "#00FFFF"},
        {"aquamarine", "#7FFFD4"}, {"azure", "#F0FFFF"}, {"beige", "#F5F5DC"},
        {"bisque", "#FFE4C4"}, {"black", "#000000"}, {"blanchedalmond", "#FFEBCD"},
        {"blue", "#0000FF"}, {"blueviolet", "#8A2BE2"}, {"brown", "#A52A2A"},
        {"burlywood", "#DEB887"}, {"cadetblue", "#5F9EA0"}, {"chartreuse", "#7FFF00"},
        {"chocolate", "#D2691E"}, {"coral", "#FF7F50"}, {"cornflowerblue", "#6495ED"},
        {"cornsilk", "#FFF8DC"}, {"crimson", "#DC143C"}, {"cyan", "#00FFFF"},
        {"darkblue", "#00008B"}, {"darkcyan", "#008B8B"}, {"darkgoldenrod", "#B8860B"},
        {"darkgray", "#A9A9A9"}, {"darkgreen", "#006400"}, {"darkkhaki", "#BDB76B"},
        {"darkmagenta", "#8B008B"}, {"darkolivegreen", "#556B2F"}, {"darkorange", "#FF8C00"},
        {"darkorchid", "#9932CC"}, {"darkred", "#8B0000"}, {"darksalmon", "#E9967A"},
        {"darkseagreen", "#8FBC8F"}, {"darkslateblue", "#483D8B"}, {"darkslategray", "#2F4F4F"},
        {"darkturquoise", "#00CED1"}, {"darkviolet", "#9400D3"}, {"deeppink", "#FF1493"},
        {"deepskyblue", "#00BFFF"}, {"dimgray", "#696969"}, {"dodgerblue", "#1E90FF"},
        {"firebrick", "#B22222"}, {"floralwhite", "#FFFAF0"}, {"forestgreen", "#228B22"},
        {"fuchsia", "#FF00FF"}, {"gainsboro", "#DCDCDC"}, {"ghostwhite", "#F8F8FF"},
        {"gold", "#FFD700"}, {"goldenrod", "#DAA520"}, {"gray", "#808080"},
        {"green", "#008000"}, {"greenyellow", "#ADFF2F"}, {"honeydew", "#F0FFF0"},
        {"hotpink", "#FF69B4"}, {"indianred", "#CD5C5C"}, {"indigo", "#4B0082"},
        {"ivory", "#FFFFF0"}, {"khaki", "#F0E68C"}, {"lavender", "#E6E6FA"},
        {"lavenderblush", "#FFF0F5"}, {"lawngreen", "#7CFC00"}, {"lemonchiffon", "#FFFACD"},
        {"lightblue", "#ADD8E6"}, {"lightcoral", "#F08080"}, {"lightcyan", "#E0FFFF"},
        {"lightgoldenrodyellow", "#FAFAD2"}, {"lightgreen", "#90EE90"}, {"lightgrey", "#D3D3D3"},
        {"lightpink", "#FFB6C1"}, {"lightsalmon", "#FFA07A"}, {"lightseagreen", "#20B2AA"},
        {"lightskyblue", "#87CEFA"}, {"lightslategray", "#778899"}, {"lightsteelblue", "#B0C4DE"},
        {"lightyellow", "#FFFFE0"}, {"lime", "#00FF00"}, {"limegreen", "#32CD32"},
        {"linen", "#FAF0E6"}, {"magenta", "#FF00FF"}, {"maroon", "#800000"},
        {"mediumaquamarine", "#66CDAA"}, {"mediumblue", "#0000CD"}, {"mediumorchid", "#BA55D3"},
        {"mediumpurple", "#9370DB"}, {"mediumseagreen", "#3CB371"}, {"mediumslateblue", "#7B68EE"},
        {"mediumspringgreen", "#00FA9A"}, {"mediumturquoise", "#48D1CC"}, {"mediumvioletred", "#C71585"},
        {"midnightblue", "#191970"}, {"mintcream", "#F5FFFA"}, {"mistyrose", "#FFE4E1"},
        {"moccasin", "#FFE4B5"}, {"navajowhite", "#FFDEAD"}, {"navy", "#000080"},
        {"oldlace", "#FDF5E6"}, {"olive", "#808000"}, {"olivedrab", "#6B8E23"},
        {"orange", "#FFA500"}, {"orangered", "#FF4500"}, {"orchid", "#DA70D6"},
        {"palegoldenrod", "#EEE8AA"}, {"palegreen", "#98FB98"}, {"paleturquoise", "#AFEEEE"},
        {"palevioletred", "#DB7093"}, {"papayawhip", "#FFEFD5"}, {"peachpuff", "#FFDAB9"},
        {"peru", "#CD853F"}, {"pink", "#FFC0CB"}, {"plum", "#DDA0DD"},
        {"powderblue", "#B0E0E6"}, {"purple", "#800080"}, {"red", "#FF0000"},
        {"rosybrown", "#BC8F8F"}, {"royalblue", "#4169E1"}, {"saddlebrown", "#8B4513"},
        {"salmon", "#FA8072"}, {"sandybrown", "#F4A460"}, {"seagreen", "#2E8B57"},
        {"seashell", "#FFF5EE"}, {"sienna", "#A0522D"}, {"silver", "#C0C0C0"},
        {"skyblue", "#87CEEB"}, {"slateblue", "#6A5ACD"}, {"slategray", "#708090"},
        {"snow", "#FFFAFA"}, {"springgreen", "#00FF7F"}, {"steelblue", "#4682B4"},
        {"tan", "#D2B48C"}, {"teal", "#008080"}, {"thistle", "#D8BFD8"},
        {"tomato", "#FF6347"}, {"turquoise", "#40E0D0"}, {"violet", "#EE82EE"},
        {"wheat", "#F5DEB3"}, {"white", "#FFFFFF"}, {"whitesmoke", "#F5F5F5"},
        {"yellow", "#FFFF00"}, {"yellowgreen", "#9ACD32"},
    };
    return list;
}

QString ColorNames::colorToString(TColor color)
{
    for (const Identifier &identifier : identifiers()) {
        if (identifier.color == color)
            return QString::fromLatin1(identifier.name);
    }
    return colorToPascalText(color, false);
}

std::optional<TColor> ColorNames::identToColor(const QString &ident)
{
    for (const Identifier &identifier : identifiers()) {
        if (ident.compare(QLatin1String(identifier.name), Qt::CaseInsensitive) == 0)
            return identifier.color;
    }
    return std::nullopt;
}

bool ColorNames::isIdentifier(const QString &text)
{
    return identToColor(text).has_value();
}

bool ColorNames::isWebName(const QString &text)
{
    for (const WebName &webName : webNames()) {
        if (text.compare(QLatin1String(webName.name), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

namespace {

// A 32-bit integer as the platform's integer reader takes it: an optional
// sign, then "$", "0x" or "x" and hexadecimal digits, or decimal digits.
std::optional<TColor> parseInteger(const QString &text)
{
    QString digits = text.trimmed();
    bool negative = false;
    if (digits.startsWith(u'-') || digits.startsWith(u'+')) {
        negative = digits.startsWith(u'-');
        digits.remove(0, 1);
    }
    int base = 10;
    if (digits.startsWith(u'$')) {
        base = 16;
        digits.remove(0, 1);
    } else if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        digits.remove(0, 2);
    } else if (digits.startsWith(u'x', Qt::CaseInsensitive)) {
        base = 16;
        digits.remove(0, 1);
    }
    if (digits.isEmpty())
        return std::nullopt;
    quint64 value = 0;
    for (const QChar ch : std::as_const(digits)) {
        const int digit = ch.isDigit() ? ch.digitValue()
                          : (base == 16 && ch.toLower() >= u'a' && ch.toLower() <= u'f') ? ch.toLower().unicode() - 'a' + 10
                                                                                      : -1;
        if (digit < 0 || digit >= base)
            return std::nullopt;
        value = value * quint64(base) + quint64(digit);
        // Hexadecimal may use all 32 bits; decimal must fit a signed integer.
        if (value > (base == 16 ? 0xFFFFFFFFull : 0x80000000ull))
            return std::nullopt;
    }
    if (base == 10 && !negative && value > 0x7FFFFFFFull)
        return std::nullopt;
    const auto result = static_cast<TColor>(static_cast<quint32>(value));
    return negative ? TColor(0u - quint32(result)) : result;
}

} // namespace

std::optional<TColor> ColorNames::stringToColor(const QString &text)
{
    if (const auto color = identToColor(text))
        return color;
    return parseInteger(text);
}

QString ColorNames::webColorNameToHex(const QString &text)
{
    const QString lower = text.toLower();
    for (const WebName &webName : webNames()) {
        if (lower == QLatin1String(webName.name))
            return QString::fromLatin1(webName.hex);
    }
    return text;
}

TColor ColorNames::webColorToColor(const QString &text)
{
    const QString hexText = webColorNameToHex(text);
    const auto value = stringToColor(QStringLiteral("$00") + hexText.mid(1));
    if (!value)
        return clNone;
    const auto v = quint32(*value);
    return tcolor((v & 0xFF00FF00u) | (v & 0xFFu) << 16 | (v >> 16 & 0xFFu));
}

QString ColorNames::colorToWebColor(TColor color)
{
    const TColor rgb = SystemColors::resolve(color);
    return QStringLiteral("#%1%2%3")
        .arg(redOf(rgb), 2, 16, QChar(u'0'))
        .arg(greenOf(rgb), 2, 16, QChar(u'0'))
        .arg(blueOf(rgb), 2, 16, QChar(u'0'))
        .toUpper();
}

QString ColorNames::colorToWebText(TColor color, bool useNames)
{
    const QString text = colorToWebColor(color);
    if (useNames) {
        for (const WebName &webName : webNames()) {
            if (text == QLatin1String(webName.hex))
                return QString::fromLatin1(webName.name);
        }
    }
    return text;
}

QString ColorNames::colorToPascalText(TColor color, bool useNames)
{
    if (useNames)
        return colorToString(color);
    return QStringLiteral("$%1").arg(quint32(color), 8, 16, QChar(u'0')).toUpper();
}

} // namespace talmo
