#include "widgets/NxNumberItem.h"

#include "widgets/NumberText.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace talmo {

QString TNxCustomNumberItem::asString() const
{
    return formatFloat(m_formatMask, m_number);
}

void TNxCustomNumberItem::setAsString(const QString &value)
{
    m_number = value.isEmpty() ? 0
                               : NumberText::parse(value, m_editOptions.testFlag(eoAllowFloat),
                                                   m_editOptions.testFlag(eoAllowSigns), m_min, m_max);
    storeText(value);
    valueChanged();
}

void TNxCustomNumberItem::setAsFloat(double value)
{
    m_number = value;
    storeText(NumberText::shortestText(value));
    valueChanged();
}

int TNxCustomNumberItem::asInteger() const
{
    return int(std::nearbyint(m_number));
}

void TNxCustomNumberItem::setAsInteger(int value)
{
    setAsFloat(value);
}

void TNxCustomNumberItem::setFormatMask(const QString &value)
{
    m_formatMask = value;
    notify(TNxItemNotification::LookChanged);
}

QString TNxCustomNumberItem::formatFloat(const QString &mask, double value)
{
    if (mask.isEmpty())
        return NumberText::shortestText(value);
    const auto isPlaceholder = [](QChar c) { return c == u'0' || c == u'#' || c == u'.' || c == u','; };
    int first = 0;
    while (first < mask.size() && !isPlaceholder(mask[first]))
        ++first;
    int last = first;
    while (last < mask.size() && isPlaceholder(mask[last]))
        ++last;
    const QString number = mask.mid(first, last - first);
    const int point = number.indexOf(u'.');
    const QString integerPart = point < 0 ? number : number.left(point);
    const QString fractionPart = point < 0 ? QString() : number.mid(point + 1);
    const int minDecimals = int(fractionPart.count(u'0'));
    const int maxDecimals = minDecimals + int(fractionPart.count(u'#'));
    const int minDigits = int(integerPart.count(u'0'));

    QString digits = QString::number(std::fabs(value), 'f', maxDecimals);
    QString whole = digits.section(u'.', 0, 0);
    QString fraction = digits.section(u'.', 1, 1);
    while (fraction.size() > minDecimals && fraction.endsWith(u'0'))
        fraction.chop(1);
    if (whole == u"0" && minDigits == 0)
        whole.clear();
    while (whole.size() < minDigits)
        whole.prepend(u'0');
    if (integerPart.contains(u',')) {
        for (int at = int(whole.size()) - 3; at > 0; at -= 3)
            whole.insert(at, QLocale().groupSeparator());
    }
    QString text = whole;
    if (!fraction.isEmpty())
        text += NumberText::localeDecimalSeparator() + fraction;
    const bool negative = value < 0 && text.contains(QRegularExpression(QStringLiteral("[1-9]")));
    return mask.left(first) + (negative ? QStringLiteral("-") : QString()) + text + mask.mid(last);
}

} // namespace talmo
