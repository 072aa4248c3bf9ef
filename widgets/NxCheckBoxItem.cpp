#include "widgets/NxCheckBoxItem.h"

namespace talmo {

TNxCheckBoxItem::TNxCheckBoxItem()
{
    setAllowAllUp(true);
    createButtons();
}

void TNxCheckBoxItem::createButtons()
{
    TNxToolbarItemButton *button = buttons().add();
    button->setText(QStringLiteral("true"));
    button->setAutoCheck(true);
}

bool TNxCheckBoxItem::asBoolean() const
{
    return buttons().item(0)->checked();
}

void TNxCheckBoxItem::setAsBoolean(bool value)
{
    setButtonChecked(0, value);
}

QString TNxCheckBoxItem::wordFor(bool checked) const
{
    switch (m_textKind) {
    case tkTrueFalse:
        return checked ? QStringLiteral("true") : QStringLiteral("false");
    case tkYesNo:
        return checked ? QStringLiteral("yes") : QStringLiteral("no");
    case tkEnabledDisabled:
        return checked ? QStringLiteral("enabled") : QStringLiteral("disabled");
    case tkCustom:
        if (checked)
            return m_trueText.isEmpty() ? QStringLiteral("true") : m_trueText;
        return m_falseText.isEmpty() ? QStringLiteral("false") : m_falseText;
    }
    return {};
}

QString TNxCheckBoxItem::asString() const
{
    return wordFor(asBoolean());
}

void TNxCheckBoxItem::setAsString(const QString &value)
{
    TNxToolbarItem::setAsString(value);
    setButtonChecked(0, value == wordFor(true));
}

void TNxCheckBoxItem::setButtonChecked(int index, bool checked)
{
    TNxToolbarItem::setButtonChecked(index, checked);
    notify(TNxItemNotification::LookChanged);
    writeBoundProperty();
}

void TNxCheckBoxItem::setFalseText(const QString &value)
{
    m_falseText = value;
    notify(TNxItemNotification::LookChanged);
}

void TNxCheckBoxItem::setTrueText(const QString &value)
{
    m_trueText = value;
    notify(TNxItemNotification::LookChanged);
}

void TNxCheckBoxItem::setFlatStyle(bool value)
{
    m_flatStyle = value;
    notify(TNxItemNotification::LookChanged);
}

void TNxCheckBoxItem::setStyle(CheckBoxStyle value)
{
    m_style = value;
    notify(TNxItemNotification::LookChanged);
}

void TNxCheckBoxItem::setTextKind(TextKind value)
{
    m_textKind = value;
    notify(TNxItemNotification::LookChanged);
}

} // namespace talmo
