#include "widgets/NxTextItem.h"

#include "widgets/NumberText.h"

namespace talmo {

void TNxTextItem::setAsString(const QString &value)
{
    m_text = value;
    valueChanged();
}

double TNxTextItem::asFloat() const
{
    QString text = m_text.trimmed();
    text.replace(NumberText::localeDecimalSeparator(), u'.');
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? value : 0;
}

void TNxTextItem::setAsFloat(double value)
{
    m_text = NumberText::shortestText(value);
    valueChanged();
}

int TNxTextItem::asInteger() const
{
    bool ok = false;
    const int value = m_text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

void TNxTextItem::setAsInteger(int value)
{
    m_text = QString::number(value);
    valueChanged();
}

void TNxTextItem::setPasswordChar(QChar value)
{
    m_passwordChar = value;
    notify(TNxItemNotification::LookChanged);
}

} // namespace talmo
