#include "editors/desktop/EntryListRows.h"

#include "helpers/ui/ListViewHelpers.h"

#include <QTreeWidget>

namespace talmo {

int focusedListRow(const QTreeWidget *list)
{
    return list->currentItem() ? list->indexOfTopLevelItem(list->currentItem()) : -1;
}

void setListRow(QTreeWidget *list, int index, const QStringList &texts)
{
    while (list->topLevelItemCount() <= index)
        new QTreeWidgetItem(list);
    SetRowTexts(list->topLevelItem(index), texts);
}

void appendListRow(QTreeWidget *list, const QStringList &texts)
{
    auto *row = new QTreeWidgetItem(list);
    SetRowTexts(row, texts);
    list->clearSelection();
    list->setCurrentItem(row);
    row->setSelected(true);
}

} // namespace talmo
