#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QAbstractScrollArea;

namespace talmo {

// Lets a list take files and folders dragged from the desktop: the local
// paths of a drop on the list's viewport go to the drop function, in their
// order. A drag is refused while canDrop says no.
class FileDropTarget : public QObject
{
    Q_OBJECT
public:
    using CanDrop = std::function<bool()>;
    using Drop = std::function<void(const QStringList &names)>;

    FileDropTarget(QAbstractScrollArea *list, CanDrop canDrop, Drop drop);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CanDrop m_canDrop;
    Drop m_drop;
};

} // namespace talmo
