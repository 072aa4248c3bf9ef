#pragma once

#include "widgets/Colors.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace talmo {

// The colour vocabularies of the colour editors: the 52 colour identifiers
// ("clRed", "clBtnFace", ...) and the 141 web colour names, with the
// conversions between their texts and colour values.
class ColorNames
{
public:
    struct Identifier
    {
        const char *name;
        TColor color;
    };
    struct WebName
    {
        const char *name;
        const char *hex; // "#RRGGBB"
    };

    static const std::vector<Identifier> &identifiers();
    static const std::vector<WebName> &webNames();

    // "clRed" for a colour with an identifier, else "$" and 8 upper-case hex digits.
    static QString colorToString(TColor color);
    // An identifier (any case) or a number ("$hex", "0x hex" or decimal);
    // nothing when the text is neither.
    static std::optional<TColor> stringToColor(const QString &text);
    static std::optional<TColor> identToColor(const QString &ident);
    static bool isIdentifier(const QString &text);
    static bool isWebName(const QString &text);

    // The colour text of a web name (any case), or the text unchanged.
    static QString webColorNameToHex(const QString &text);
    // A web name or "#RRGGBB" as a colour; clNone for anything else.
    static TColor webColorToColor(const QString &text);
    // "#RRGGBB", system colours resolved first.
    static QString colorToWebColor(TColor color);
    // As colorToWebColor; with useNames the first web name of that value replaces it.
    static QString colorToWebText(TColor color, bool useNames);
    // "$" and the 8 hex digits of the value; with useNames an identifier where one exists.
    static QString colorToPascalText(TColor color, bool useNames);
};

} // namespace talmo
