#include "windows/project/ModuleTreeWidget.h"

#include <QDropEvent>

namespace talmo {

ModuleTreeWidget::ModuleTreeWidget(QWidget *parent)
    : QTreeWidget(parent)
{
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
}

bool ModuleTreeWidget::acceptable(QDropEvent *event) const
{
    if (event->source() != this || !canDrop)
        return false;
    return canDrop(currentItem(), itemAt(event->position().toPoint()));
}

void ModuleTreeWidget::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->source() == this)
        event->acceptProposedAction();
    else
        event->ignore();
}

void ModuleTreeWidget::dragMoveEvent(QDragMoveEvent *event)
{
    if (acceptable(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ModuleTreeWidget::dropEvent(QDropEvent *event)
{
    const bool accepted = acceptable(event);
    // The owner rebuilds the tree; Qt must not move or remove the dragged item.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    if (accepted && drop)
        drop(itemAt(event->position().toPoint()));
}

} // namespace talmo
