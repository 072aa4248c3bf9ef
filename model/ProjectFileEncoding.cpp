#include "model/ProjectFileEncoding.h"

#include <QRegularExpression>

namespace talmo {

namespace {

bool isBlankOrControl(QChar c)
{
    return c.unicode() <= 0x20;
}

bool needsQuotes(const QString &item)
{
    for (const QChar c : item) {
        if (c == QLatin1Char('"') || c == QLatin1Char(',') || isBlankOrControl(c))
            return true;
    }
    return false;
}

QString quoted(const QString &item)
{
    QString doubled = item;
    doubled.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

// Reads a quoted item starting at the opening quote; position ends after
// the closing quote, or at the end of an unterminated item.
QString readQuotedItem(const QString &text, qsizetype &position)
{
    QString item;
    ++position;
    while (position < text.size()) {
        const QChar c = text[position++];
        if (c != QLatin1Char('"')) {
            item += c;
            continue;
        }
        if (position < text.size() && text[position] == QLatin1Char('"')) {
            item += c;
            ++position;
            continue;
        }
        break;
    }
    return item;
}

// The white space of a number's surroundings: ASCII blanks and the line,
// tab and form controls.
bool isNumberSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || (u >= '\t' && u <= '\r');
}

qsizetype skipDigits(QStringView text, qsizetype position)
{
    while (position < text.size() && text[position] >= QLatin1Char('0') && text[position] <= QLatin1Char('9'))
        ++position;
    return position;
}

// A decimal number with optional sign, fraction and exponent, blanks around
// it: one pass over the text, never going back.
bool isDecimalNumber(QStringView text)
{
    qsizetype position = 0;
    while (position < text.size() && isNumberSpace(text[position]))
        ++position;
    if (position < text.size() && (text[position] == QLatin1Char('+') || text[position] == QLatin1Char('-')))
        ++position;
    const qsizetype integerStart = position;
    position = skipDigits(text, position);
    bool hasDigits = position > integerStart;
    if (position < text.size() && text[position] == QLatin1Char('.')) {
        const qsizetype fractionStart = ++position;
        position = skipDigits(text, position);
        hasDigits = hasDigits || position > fractionStart;
    }
    if (!hasDigits)
        return false;
    if (position < text.size() && (text[position] == QLatin1Char('e') || text[position] == QLatin1Char('E'))) {
        ++position;
        if (position < text.size() && (text[position] == QLatin1Char('+') || text[position] == QLatin1Char('-')))
            ++position;
        const qsizetype exponentStart = position;
        position = skipDigits(text, position);
        if (position == exponentStart)
            return false;
    }
    while (position < text.size() && isNumberSpace(text[position]))
        ++position;
    return position == text.size();
}

void skipBlanks(const QString &text, qsizetype &position)
{
    while (position < text.size() && isBlankOrControl(text[position]))
        ++position;
}

} // namespace

QString EncodeBoolean(bool value)
{
    return value ? QStringLiteral("-1") : QStringLiteral("0");
}

std::optional<bool> DecodeBoolean(const QString &text)
{
    if (isDecimalNumber(text))
        return text.trimmed().toDouble() != 0.0;
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

QString EncodeInteger(int value)
{
    return QString::number(value);
}

std::optional<int> DecodeInteger(const QString &text)
{
    static const QRegularExpression decimal(QStringLiteral("^[+-]?\\d+$"));
    if (!decimal.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString EncodeCommaText(const QStringList &items)
{
    if (items.size() == 1 && items.front().isEmpty())
        return QStringLiteral("\"\"");
    QStringList written;
    written.reserve(items.size());
    for (const QString &item : items)
        written.append(needsQuotes(item) ? quoted(item) : item);
    return written.join(QLatin1Char(','));
}

QStringList DecodeCommaText(const QString &text)
{
    QStringList items;
    qsizetype position = 0;
    skipBlanks(text, position);
    while (position < text.size()) {
        if (text[position] == QLatin1Char('"')) {
            items.append(readQuotedItem(text, position));
        } else {
            const qsizetype start = position;
            while (position < text.size() && !isBlankOrControl(text[position])
                   && text[position] != QLatin1Char(','))
                ++position;
            items.append(text.mid(start, position - start));
        }
        skipBlanks(text, position);
        if (position < text.size() && text[position] == QLatin1Char(',')) {
            // A comma at the very end still separates an empty last item.
            if (position + 1 == text.size())
                items.append(QString());
            ++position;
            skipBlanks(text, position);
        }
    }
    return items;
}

QString EncodeLines(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return text;
}

QStringList DecodeLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

} // namespace talmo
