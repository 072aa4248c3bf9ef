#include "widgets/NxToolbarItem.h"

#include "widgets/ListIndexOutOfBounds.h"

#include <QPointer>
#include <QStringList>

namespace talmo {

int TNxToolbarItemButton::index() const
{
    return m_collection->indexOf(this);
}

void TNxToolbarItemButton::setChecked(bool value)
{
    if (m_collection->setButtonChecked(index(), value))
        m_collection->toolbarItem()->notify(TNxItemNotification::ToolbarButtonChanged, index());
}

void TNxToolbarItemButton::setGlyph(const QImage &value)
{
    m_glyph = value;
    m_collection->toolbarItem()->notify(TNxItemNotification::ToolbarButtonChanged, index());
}

TNxToolbarItemButton *TNxToolbarItemButtons::add()
{
    m_buttons.push_back(std::make_unique<TNxToolbarItemButton>(this));
    return m_buttons.back().get();
}

void TNxToolbarItemButtons::clear()
{
    m_buttons.clear();
    m_checkedCount = 0;
}

TNxToolbarItemButton *TNxToolbarItemButtons::item(int index) const
{
    if (index < 0 || index >= count())
        throw ListIndexOutOfBounds(index);
    return m_buttons[index].get();
}

int TNxToolbarItemButtons::indexOf(const TNxToolbarItemButton *button) const
{
    for (int i = 0; i < count(); ++i)
        if (m_buttons[i].get() == button)
            return i;
    return -1;
}

void TNxToolbarItemButtons::assign(const TNxToolbarItemButtons &source)
{
    clear();
    for (const auto &from : source.m_buttons) {
        TNxToolbarItemButton *button = add();
        button->m_autoCheck = from->m_autoCheck;
        button->m_checked = from->m_checked;
        button->m_divider = from->m_divider;
        button->m_glyph = from->m_glyph;
        button->m_text = from->m_text;
        if (button->m_checked)
            ++m_checkedCount;
    }
}

bool TNxToolbarItemButtons::setButtonChecked(int index, bool checked)
{
    TNxToolbarItemButton *button = item(index);
    // A divider only separates buttons: it is never part of the value.
    if (button->m_checked == checked || (checked && button->m_divider))
        return false;
    if (!checked && !m_item->allowAllUp() && m_checkedCount == 1)
        return false;
    m_checkedCount += checked ? 1 : -1;
    button->m_checked = checked;
    if (checked && m_item->grouped()) {
        for (int i = 0; i < count(); ++i) {
            if (i == index || !m_buttons[i]->m_checked)
                continue;
            m_buttons[i]->m_checked = false;
            --m_checkedCount;
            m_item->notify(TNxItemNotification::ToolbarButtonChanged, i);
        }
    }
    m_item->clickButton(index);
    return true;
}

TNxToolbarItem::TNxToolbarItem()
    : m_buttons(this)
{
}

TNxToolbarItem::~TNxToolbarItem() = default;

QString TNxToolbarItem::asString() const
{
    QStringList texts;
    for (int i = 0; i < m_buttons.count(); ++i)
        if (m_buttons.item(i)->checked())
            texts << m_buttons.item(i)->text();
    return texts.join(u',');
}

void TNxToolbarItem::setAsString(const QString &value)
{
    for (int i = 0; i < m_buttons.count(); ++i) {
        const QString text = m_buttons.item(i)->text();
        setButtonChecked(i, !text.isEmpty() && value.contains(text));
    }
    valueChanged();
}

void TNxToolbarItem::setAlignment(ButtonAlignment value)
{
    m_alignment = value;
    notify(TNxItemNotification::LookChanged);
}

void TNxToolbarItem::setButtonWidth(int value)
{
    m_buttonWidth = value;
    notify(TNxItemNotification::LookChanged);
}

void TNxToolbarItem::setDrawBackground(bool value)
{
    m_drawBackground = value;
    notify(TNxItemNotification::LookChanged);
}

void TNxToolbarItem::setShowText(bool value)
{
    m_showText = value;
    notify(TNxItemNotification::ShowTextChanged);
}

void TNxToolbarItem::setButtonChecked(int index, bool checked)
{
    m_buttons.setButtonChecked(index, checked);
    writeBoundProperty();
    const QPointer<TNxToolbarItem> self(this);
    notify(TNxItemNotification::ValueChanged);
    if (self)
        notify(TNxItemNotification::ValueWritten);
}

void TNxToolbarItem::clickButton(int index)
{
    notify(TNxItemNotification::ToolbarClick, index);
    emit toolButtonClick(this, index);
}

void TNxToolbarItem::pressButtonKey(int key)
{
    if (key < '1' || key > ';')
        return;
    std::vector<int> usable;
    for (int i = 0; i < m_buttons.count(); ++i)
        if (!m_buttons.item(i)->divider())
            usable.push_back(i);
    if (usable.empty())
        return;
    const size_t wanted = size_t(key - '1');
    const int index = wanted < usable.size() ? usable[wanted] : usable.front();
    if (m_buttons.item(index)->autoCheck())
        setButtonChecked(index, !m_buttons.item(index)->checked());
}

} // namespace talmo
