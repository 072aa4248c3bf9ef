#include "widgets/ColorText.h"

#include "widgets/ColorNames.h"

namespace talmo {

namespace {

constexpr QChar Backspace(u'\b');

bool isHexDigit(QChar ch)
{
    const char16_t c = ch.unicode();
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

} // namespace

QString ColorText::colorToText(TColor color) const
{
    if (color == clNone)
        return QString();
    if (m_web)
        return m_allowNames ? ColorNames::colorToWebText(color, true) : ColorNames::colorToWebColor(color);
    return ColorNames::colorToPascalText(color, m_allowNames);
}

std::optional<TColor> ColorText::textToColor(const QString &text) const
{
    if (text.isEmpty())
        return clNone;
    if (m_web)
        return ColorNames::webColorToColor(text);
    return ColorNames::stringToColor(text);
}

bool ColorText::isColorName(const QString &text) const
{
    return m_web ? ColorNames::isWebName(text) : ColorNames::isIdentifier(text);
}

QString ColorText::cleanText(const QString &text, bool addPrefix) const
{
    QString result;
    for (const QChar ch : text) {
        const bool isPrefix = ch == u'#' || (ch == u'$' && !m_web);
        if (isHexDigit(ch) || ch == Backspace || (isPrefix && result.isEmpty()))
            result += ch;
    }
    if (addPrefix && !result.contains(prefix()))
        result.prepend(prefix());
    return result;
}

QString ColorText::fixLength(const QString &text) const
{
    if (text.size() > fullLength())
        return text.left(fullLength());
    return text + QString(fullLength() - text.size(), u'0');
}

std::optional<TColor> ColorText::colorOfTypedText(const QString &text) const
{
    if (text.isEmpty())
        return std::nullopt;
    // A name is read as the colour it names even where names cannot be typed:
    // a stored value such as clBtnFace reaches the picker as its text, and
    // its letters are no hex digits.
    if (isColorName(text))
        return textToColor(text);
    return textToColor(fixLength(cleanText(text, true)));
}

bool ColorText::acceptsTypedCharacter(const QString &text, int caret, bool hasSelection, QChar ch) const
{
    if (ch == Backspace)
        return true;
    if (!hasSelection && text.size() >= fullLength())
        return false;
    const bool isPrefix = ch == prefix();
    if (caret == 0)
        return isPrefix;
    return isHexDigit(ch);
}

} // namespace talmo
