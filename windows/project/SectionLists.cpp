#include "windows/project/SectionLists.h"

#include "helpers/ui/ListViewHelpers.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace talmo {

QTreeWidget *newReportList(const QStringList &columns)
{
    auto *list = new QTreeWidget;
    list->setColumnCount(int(columns.size()));
    list->setHeaderLabels(columns);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->header()->setStretchLastSection(false);
    for (int column = 0; column + 1 < columns.size(); ++column)
        list->header()->setSectionResizeMode(column, QHeaderView::Stretch);
    return list;
}

void fillReportList(QTreeWidget *list, const QList<QStringList> &rows)
{
    const int selected = selectedReportRow(list);
    const QSignalBlocker silent(list);
    list->clear();
    for (const QStringList &row : rows)
        SetRowTexts(new QTreeWidgetItem(list), row);
    selectReportRow(list, selected < list->topLevelItemCount() ? selected : -1);
}

int selectedReportRow(const QTreeWidget *list)
{
    const QList<QTreeWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.first());
}

void selectReportRow(QTreeWidget *list, int row)
{
    const QSignalBlocker silent(list);
    list->clearSelection();
    QTreeWidgetItem *item = row >= 0 ? list->topLevelItem(row) : nullptr;
    list->setCurrentItem(item);
    if (item)
        item->setSelected(true);
}

bool IsDeleteKeyRelease(const QEvent *event)
{
    return event->type() == QEvent::KeyRelease && static_cast<const QKeyEvent *>(event)->key() == Qt::Key_Delete;
}

void layOutListWithButtons(QWidget *page, QTreeWidget *list, const QList<QPushButton *> &buttons)
{
    auto *column = new QVBoxLayout;
    for (QPushButton *button : buttons) {
        button->setAutoDefault(false);
        column->addWidget(button);
    }
    column->addStretch();
    auto *layout = new QHBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(list, 1);
    layout->addLayout(column);
}

} // namespace talmo
