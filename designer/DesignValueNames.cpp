#include "designer/DesignValueNames.h"

#include "helpers/core/ScriptText.h"
#include "widgets/ColorNames.h"

#include <QStringList>

#include <limits>

namespace talmo {

namespace {

struct NamedValue
{
    const char *name;
    int value;
};

// The class library's colour identifiers that the script does not declare.
const QStringList &colorsUnknownToScript()
{
    static const QStringList names{
        QStringLiteral("clMoneyGreen"), QStringLiteral("clSkyBlue"), QStringLiteral("clCream"),
        QStringLiteral("clMedGray"), QStringLiteral("clGradientActiveCaption"),
        QStringLiteral("clGradientInactiveCaption"), QStringLiteral("clMenuBar"), QStringLiteral("clMenuHighlight"),
    };
    return names;
}

// The class library's cursors; the script declares all but the last.
constexpr NamedValue Cursors[] = {
    {"crDefault", 0}, {"crNone", -1}, {"crArrow", -2}, {"crCross", -3}, {"crIBeam", -4},
    {"crSizeNESW", -6}, {"crSizeNS", -7}, {"crSizeNWSE", -8}, {"crSizeWE", -9}, {"crUpArrow", -10},
    {"crHourGlass", -11}, {"crDrag", -12}, {"crNoDrop", -13}, {"crHSplit", -14}, {"crVSplit", -15},
    {"crMultiDrag", -16}, {"crSQLWait", -17}, {"crNo", -18}, {"crAppStart", -19}, {"crHelp", -20},
    {"crHandPoint", -21}, {"crSizeAll", -22},
};
constexpr int LastScriptCursor = -21;

constexpr NamedValue Charsets[] = {
    {"ANSI_CHARSET", 0}, {"DEFAULT_CHARSET", 1}, {"SYMBOL_CHARSET", 2}, {"MAC_CHARSET", 77},
    {"SHIFTJIS_CHARSET", 128}, {"HANGEUL_CHARSET", 129}, {"JOHAB_CHARSET", 130}, {"GB2312_CHARSET", 134},
    {"CHINESEBIG5_CHARSET", 136}, {"GREEK_CHARSET", 161}, {"TURKISH_CHARSET", 162},
    {"VIETNAMESE_CHARSET", 163}, {"HEBREW_CHARSET", 177}, {"ARABIC_CHARSET", 178}, {"BALTIC_CHARSET", 186},
    {"RUSSIAN_CHARSET", 204}, {"THAI_CHARSET", 222}, {"EASTEUROPE_CHARSET", 238}, {"OEM_CHARSET", 255},
};

std::optional<int> readNumber(const ComponentTextValue &value, qint64 lowest, qint64 highest)
{
    if (value.kind() != ComponentTextValue::Kind::Integer || value.integer() < lowest || value.integer() > highest)
        return std::nullopt;
    return int(value.integer());
}

template <std::size_t N>
std::optional<int> readNamed(const NamedValue (&names)[N], const ComponentTextValue &value, qint64 lowest,
                             qint64 highest)
{
    if (value.kind() != ComponentTextValue::Kind::Identifier)
        return readNumber(value, lowest, highest);
    for (const NamedValue &named : names) {
        if (AsciiSameText(QLatin1String(named.name), value.text()))
            return named.value;
    }
    return std::nullopt;
}

template <std::size_t N>
const char *nameOf(const NamedValue (&names)[N], int value)
{
    for (const NamedValue &named : names) {
        if (named.value == value)
            return named.name;
    }
    return nullptr;
}

constexpr qint64 IntMin = std::numeric_limits<int>::min();
constexpr qint64 IntMax = std::numeric_limits<int>::max();

} // namespace

ComponentTextValue DesignValueNames::colorValue(int color)
{
    for (const ColorNames::Identifier &identifier : ColorNames::identifiers()) {
        if (identifier.color == color && !colorsUnknownToScript().contains(QLatin1String(identifier.name)))
            return ComponentTextValue::fromIdentifier(QLatin1String(identifier.name));
    }
    return ComponentTextValue::fromInteger(color);
}

std::optional<int> DesignValueNames::readColor(const ComponentTextValue &value)
{
    if (value.kind() == ComponentTextValue::Kind::Identifier)
        return ColorNames::identToColor(value.text());
    return readNumber(value, IntMin, IntMax);
}

ComponentTextValue DesignValueNames::cursorValue(int cursor)
{
    const char *name = cursor <= 0 && cursor >= LastScriptCursor ? nameOf(Cursors, cursor) : nullptr;
    return name ? ComponentTextValue::fromIdentifier(QLatin1String(name)) : ComponentTextValue::fromInteger(cursor);
}

std::optional<int> DesignValueNames::readCursor(const ComponentTextValue &value)
{
    return readNamed(Cursors, value, IntMin, IntMax);
}

ComponentTextValue DesignValueNames::charsetValue(int charset)
{
    const char *name = nameOf(Charsets, charset);
    return name ? ComponentTextValue::fromIdentifier(QLatin1String(name)) : ComponentTextValue::fromInteger(charset);
}

std::optional<int> DesignValueNames::readCharset(const ComponentTextValue &value)
{
    return readNamed(Charsets, value, 0, 255);
}

} // namespace talmo
