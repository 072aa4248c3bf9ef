#pragma once

#include <QString>

#include <functional>

class QAction;
class QMenu;

namespace talmo {

// Appends a command to a popup menu the page fills each time it opens:
// enabled for the current selection, running `run` when chosen.
QAction *addPopupMenuItem(QMenu &menu, const QString &caption, bool enabled, const std::function<void()> &run);

} // namespace talmo
