#include "widgets/NxComboBoxItem.h"

namespace talmo {

QString TNxComboBoxItem::lineValue(const QString &line, DisplayMode mode)
{
    const qsizetype equals = line.indexOf(u'=');
    if (mode == dmDefault || equals < 0)
        return line;
    return mode == dmNameList ? line.left(equals) : line.mid(equals + 1);
}

void TNxComboBoxItem::setItemIndex(int index)
{
    m_itemIndex = index;
    if (index >= 0 && index < m_lines.size())
        setAsString(lineValue(m_lines.at(index), m_displayMode));
}

void TNxComboBoxItem::editorClosedUp(int editorItemIndex)
{
    m_itemIndex = editorItemIndex;
    emit closeUp(this);
}

} // namespace talmo
