#include "widgets/NumberText.h"

#include <QLocale>

namespace talmo {

namespace {

constexpr QChar Backspace(u'\b');

} // namespace

QChar NumberText::localeDecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.at(0);
}

QString NumberText::filterCharacters(const QString &text, bool allowFloat, bool allowSigns, QChar separator)
{
    QString result;
    bool separatorSeen = false;
    for (const QChar ch : text) {
        if (ch.isDigit() && ch.unicode() < 128) {
            result += ch;
        } else if (ch == Backspace) {
            result += ch;
        } else if (ch == separator) {
            if (allowFloat && !separatorSeen) {
                result += ch;
                separatorSeen = true;
            }
        } else if (ch == u'+' || ch == u'-') {
            if (allowSigns && result.isEmpty())
                result += ch;
        }
    }
    return result;
}

double NumberText::parse(const QString &text, bool allowFloat, bool allowSigns, double min, double max, QChar separator)
{
    QString number = filterCharacters(text, allowFloat, allowSigns, separator);
    number.remove(Backspace);
    number.replace(separator, u'.');
    bool ok = false;
    double value = number.toDouble(&ok);
    // A lone sign or separator reads as 0, not as a conversion error.
    if (!ok)
        value = 0;
    return limit(value, min, max);
}

QString NumberText::clean(const QString &text, bool allowFloat, bool allowSigns, double min, double max, QChar separator)
{
    return shortestText(parse(text, allowFloat, allowSigns, min, max, separator), separator);
}

double NumberText::limit(double value, double min, double max)
{
    if (max == 0 && min == 0)
        return value;
    if (value > max)
        value = max;
    if (value < min)
        value = min;
    return value;
}

QString NumberText::shortestText(double value, QChar separator)
{
    if (value == 0)
        return QStringLiteral("0");
    QString text = QString::number(value, 'g', 15).toUpper();
    const qsizetype exponent = text.indexOf(u'E');
    if (exponent >= 0) {
        QString mantissa = text.left(exponent);
        QString power = text.mid(exponent + 1);
        const bool negative = power.startsWith(u'-');
        power.remove(u'+').remove(u'-');
        while (power.size() > 1 && power.startsWith(u'0'))
            power.remove(0, 1);
        text = mantissa + u'E' + (negative ? QStringLiteral("-") : QString()) + power;
    }
    text.replace(u'.', separator);
    return text;
}

QString NumberText::fixedText(double value, int decimals, QChar separator)
{
    QString text = QString::number(value, 'f', qMax(0, decimals));
    text.replace(u'.', separator);
    return text;
}

QString NumberText::format(double value, const Format &format, QChar separator)
{
    if (value == 0 && !format.nullText.isEmpty())
        return format.nullText;
    QString text;
    if (!format.allowFloat)
        text = fixedText(value, 0, separator);
    else if (format.precision <= 0)
        text = shortestText(value, separator);
    else
        text = fixedText(value, format.precision, separator);
    return text + format.textAfter;
}

} // namespace talmo
