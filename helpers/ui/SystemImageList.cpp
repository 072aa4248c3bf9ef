#include "helpers/ui/SystemImageList.h"

namespace talmo {

SystemImageList &SystemImageList::instance()
{
    // Stands for a list the desktop keeps before any window of ours exists.
    static SystemImageList list;
    return list;
}

int SystemImageList::indexOf(const QString &name, const QIcon &icon)
{
    const auto known = m_indexes.constFind(name);
    if (known != m_indexes.constEnd())
        return *known;
    m_icons.append(icon);
    const int index = int(m_icons.size()) - 1;
    m_indexes.insert(name, index);
    return index;
}

QIcon SystemImageList::icon(int index) const
{
    return index >= 0 && index < m_icons.size() ? m_icons.at(index) : QIcon();
}

} // namespace talmo
