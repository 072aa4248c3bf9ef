#pragma once

#include <QPoint>

#include <functional>

class QAction;
class QMenu;

namespace talmo {

// Shows a filled drop-down menu and answers the chosen action (nullptr when
// dismissed). The chosen action has already been triggered when the runner
// returns, as a real menu does, so a caller acts either on the action's
// signal or on the answer, never on both. Controls take one so tests can
// choose without a modal loop.
using PopupMenuRunner = std::function<QAction *(QMenu &menu, const QPoint &globalPos)>;

// Runs the menu modally at the position.
PopupMenuRunner execPopupMenu();

// Chooses through `pick` without showing the menu, and triggers the choice
// the way a real menu would.
PopupMenuRunner scriptedPopupMenu(std::function<QAction *(QMenu &menu)> pick);

} // namespace talmo
