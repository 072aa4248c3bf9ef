#pragma once

#include <QList>
#include <QStringList>

class QEvent;
class QPushButton;
class QTreeWidget;
class QWidget;

namespace talmo {

// The report lists of the project window's sections: one row per item,
// filled again at every refresh with the selected row kept by its index.

// A list with these column titles, the last column sized by the caller.
QTreeWidget *newReportList(const QStringList &columns);
// Replaces the rows without reporting a selection change; the row that was
// selected stays selected when it still exists.
void fillReportList(QTreeWidget *list, const QList<QStringList> &rows);
int selectedReportRow(const QTreeWidget *list);
// Selects the row (none for -1) without reporting it.
void selectReportRow(QTreeWidget *list, int row);
// A release of the Delete key: the lists delete their selected row then.
bool IsDeleteKeyRelease(const QEvent *event);
// The list on the left, the buttons in a column on its right.
void layOutListWithButtons(QWidget *page, QTreeWidget *list, const QList<QPushButton *> &buttons);

} // namespace talmo
