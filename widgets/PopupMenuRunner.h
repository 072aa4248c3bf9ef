#pragma once

#include <QPoint>

#include <functional>

class QAction;
class QMenu;

namespace talmo {

// Shows a filled drop-down menu and answers the chosen action (nullptr when
// dismissed). Controls take one so tests can choose without a modal loop.
using PopupMenuRunner = std::function<QAction *(QMenu &menu, const QPoint &globalPos)>;

// Runs the menu modally at the position.
PopupMenuRunner execPopupMenu();

} // namespace talmo
