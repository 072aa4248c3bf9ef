#pragma once

#include "platform/Registry.h"

class QHeaderView;
class QTableView;
class QTreeView;
class QWidget;

namespace talmo {

// A window's placement and its lists' column widths in the window's own
// settings key, which the caller has opened. Writers return the first
// registry error; readers leave whatever is missing or mistyped as it is.

// "Width", "Height", "Left", "Top" of the window's normal (restored) rectangle
// and "State": 0 normal, 1 minimized, 2 maximized.
RegistryStatus SaveFormPlacement(Registry &registry, const QWidget *form);
// Applies the stored rectangle, then the stored state: 1 shows the window
// minimized, 2 maximized, 0 normal. Without a stored state the window's state
// stays as it is.
void RestoreFormPlacement(const Registry &registry, QWidget *form);

// One value per column, named after the list ("<objectName>Column_<n>"),
// holding the column's width. A list that is gone (null) has nothing to save
// or restore.
RegistryStatus SaveListViewColumns(Registry &registry, const QTreeView *listView);
RegistryStatus SaveListViewColumns(Registry &registry, const QTableView *listView);
void RestoreListViewColumns(const Registry &registry, QTreeView *listView);
void RestoreListViewColumns(const Registry &registry, QTableView *listView);

} // namespace talmo
