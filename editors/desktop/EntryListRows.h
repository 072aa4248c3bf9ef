#pragma once

#include <QStringList>

class QTreeWidget;

namespace talmo {

// A report list whose row i shows entry i of a model list.

// The index of the focused row; -1 without one.
int focusedListRow(const QTreeWidget *list);
// Sets row index's column texts, adding rows up to it when needed.
void setListRow(QTreeWidget *list, int index, const QStringList &texts);
// Appends a row and makes it the focused and only selected one.
void appendListRow(QTreeWidget *list, const QStringList &texts);

} // namespace talmo
