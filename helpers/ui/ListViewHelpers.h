#pragma once

#include <QStringList>

class QHeaderView;
class QTreeWidget;
class QTreeWidgetItem;

namespace talmo {

// Shows the sort arrow on one column only: up when ascending (descending
// false), down when descending.
void SetListViewSortArrow(QHeaderView *header, int column, bool descending);

// The width a column needs to show its caption whole, sort arrow included.
int ColumnCaptionWidth(const QHeaderView *header, int column);

// Widens every column narrower than its caption; columns that stretch with
// the list keep at least the widest caption's width, so a narrow list
// scrolls rather than cut a caption.
void KeepColumnCaptionsWhole(QHeaderView *header);

// Sets a row's texts, each also its tool tip: a name or path cut short by a
// narrow column shows whole under the mouse.
void SetRowTexts(QTreeWidgetItem *row, const QStringList &texts);

// One column's texts of a report list's rows, top to bottom.
QStringList ColumnTexts(const QTreeWidget *list, int column);
// The indexes of a report list's selected rows, top to bottom.
QList<int> SelectedRowIndexes(const QTreeWidget *list);

} // namespace talmo
