#pragma once

#include "widgets/Colors.h"

#include <QString>

#include <optional>

namespace talmo {

// The text of a colour picker in one of its two notations: the platform's
// ("$" and 8 hex digits 00BBGGRR, or an identifier such as clRed) or the
// web's ("#" and 6 hex digits RRGGBB, or a web name such as red).
class ColorText
{
public:
    explicit ColorText(bool webFormat, bool allowNames = false)
        : m_web(webFormat)
        , m_allowNames(allowNames)
    {
    }

    bool webFormat() const { return m_web; }
    bool allowNames() const { return m_allowNames; }
    QChar prefix() const { return m_web ? QChar(u'#') : QChar(u'$'); }
    int fullLength() const { return m_web ? 7 : 9; }

    // Empty for clNone.
    QString colorToText(TColor color) const;
    // clNone for empty text; nothing when platform-notation text does not read.
    std::optional<TColor> textToColor(const QString &text) const;
    bool isColorName(const QString &text) const;
    // Keeps hex digits, Backspace and a leading prefix; with addPrefix puts
    // the notation's prefix in front when the result lacks it.
    QString cleanText(const QString &text, bool addPrefix) const;
    // Cut to, or padded with "0" up to, the notation's full length.
    QString fixLength(const QString &text) const;
    // The colour a typed text stands for: a colour name of the notation as
    // that colour, other text as if padded; nothing for empty or unreadable
    // text (the picker then keeps its colour).
    std::optional<TColor> colorOfTypedText(const QString &text) const;
    // Whether a typed character may go into text at caret (without names).
    bool acceptsTypedCharacter(const QString &text, int caret, bool hasSelection, QChar ch) const;

private:
    bool m_web;
    bool m_allowNames;
};

} // namespace talmo
