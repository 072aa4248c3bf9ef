#include "editors/EntryListRows.h"

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
    QTreeWidgetItem *row = list->topLevelItem(index);
    for (int column = 0; column < texts.size(); ++column)
        row->setText(column, texts[column]);
}

void appendListRow(QTreeWidget *list, const QStringList &texts)
{
    auto *row = new QTreeWidgetItem(list, texts);
    list->clearSelection();
    list->setCurrentItem(row);
    row->setSelected(true);
}

} // namespace talmo
