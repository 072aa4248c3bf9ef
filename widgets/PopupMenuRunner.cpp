#include "widgets/PopupMenuRunner.h"

#include <QAction>
#include <QMenu>

namespace talmo {

PopupMenuRunner execPopupMenu()
{
    return [](QMenu &menu, const QPoint &globalPos) { return menu.exec(globalPos); };
}

PopupMenuRunner scriptedPopupMenu(std::function<QAction *(QMenu &menu)> pick)
{
    return [pick = std::move(pick)](QMenu &menu, const QPoint &) {
        QAction *chosen = pick(menu);
        if (chosen && chosen->isEnabled())
            chosen->trigger();
        return chosen;
    };
}

} // namespace talmo
