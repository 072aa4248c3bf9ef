#pragma once

#include <QHash>
#include <QIcon>
#include <QList>
#include <QString>

namespace talmo {

// The desktop's one list of file icons, which every window shares: a file
// type's icon is asked for once and then known by its index. Small and large
// lists share the indexes, as each icon carries every size.
class SystemImageList
{
public:
    static SystemImageList &instance();

    // The index of the icon known by this name, adding the icon under it the
    // first time.
    int indexOf(const QString &name, const QIcon &icon);
    // The icon at this index; a null icon for an index the list does not hold.
    QIcon icon(int index) const;
    int count() const { return int(m_icons.size()); }

private:
    QList<QIcon> m_icons;
    QHash<QString, int> m_indexes;
};

} // namespace talmo
