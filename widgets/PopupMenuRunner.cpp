#include "widgets/PopupMenuRunner.h"

#include <QMenu>

namespace talmo {

PopupMenuRunner execPopupMenu()
{
    return [](QMenu &menu, const QPoint &globalPos) { return menu.exec(globalPos); };
}

} // namespace talmo
