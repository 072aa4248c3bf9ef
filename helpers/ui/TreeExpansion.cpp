#include "helpers/ui/TreeExpansion.h"

#include <QStringList>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace talmo {

namespace {

// The unit separator cannot stand in a caption a user types.
QString PathOf(const QTreeWidgetItem *item)
{
    QStringList texts;
    for (; item; item = item->parent())
        texts.prepend(item->text(0));
    return texts.join(QChar(0x1F));
}

} // namespace

TreeExpansion::TreeExpansion(const QTreeWidget &tree)
{
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget *>(&tree)); *it; ++it) {
        if ((*it)->isExpanded())
            m_expanded.insert(PathOf(*it));
    }
}

void TreeExpansion::restore(QTreeWidget &tree) const
{
    for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
        if (m_expanded.contains(PathOf(*it)))
            (*it)->setExpanded(true);
    }
}

} // namespace talmo
