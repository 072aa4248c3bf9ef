#pragma once

#include <QSet>
#include <QString>

class QTreeWidget;

namespace talmo {

// Which items of a tree are expanded, known by the texts of their first
// column from the top item down, so that a tree cleared and filled again
// (after a deletion, an import) opens as the user left it.
class TreeExpansion
{
public:
    explicit TreeExpansion(const QTreeWidget &tree);

    // Expands every item of tree whose path was expanded; collapses none.
    void restore(QTreeWidget &tree) const;

private:
    QSet<QString> m_expanded;
};

} // namespace talmo
