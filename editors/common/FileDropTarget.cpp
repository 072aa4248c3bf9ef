#include "editors/common/FileDropTarget.h"

#include <QAbstractScrollArea>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace talmo {

FileDropTarget::FileDropTarget(QAbstractScrollArea *list, CanDrop canDrop, Drop drop)
    : QObject(list)
    , m_canDrop(std::move(canDrop))
    , m_drop(std::move(drop))
{
    list->viewport()->setAcceptDrops(true);
    list->viewport()->installEventFilter(this);
}

bool FileDropTarget::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        if (drag->mimeData()->hasUrls() && m_canDrop())
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (!m_canDrop()) {
            drop->ignore();
            return true;
        }
        QStringList names;
        for (const QUrl &url : drop->mimeData()->urls()) {
            if (url.isLocalFile())
                names.append(url.toLocalFile());
        }
        drop->acceptProposedAction();
        if (!names.isEmpty())
            m_drop(names);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace talmo
