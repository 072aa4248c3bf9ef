#include "editors/cab/PopupMenuItem.h"

#include <QAction>
#include <QMenu>

namespace talmo {

QAction *addPopupMenuItem(QMenu &menu, const QString &caption, bool enabled, const std::function<void()> &run)
{
    QAction *action = menu.addAction(caption);
    action->setEnabled(enabled);
    QObject::connect(action, &QAction::triggered, &menu, run);
    return action;
}

} // namespace talmo
