#include "helpers/ui/ItemEditorClosing.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>

#include <memory>

namespace talmo {

void AfterItemEditorCloses(QAbstractItemView &view, const QModelIndex &index, std::function<void()> action)
{
    QWidget *editor = view.indexWidget(index);
    QAbstractItemDelegate *delegate = view.itemDelegateForIndex(index);
    if (!editor || !delegate) {
        action();
        return;
    }
    // The view closes its editor on this same signal, connected before ours.
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(delegate, &QAbstractItemDelegate::closeEditor, editor,
                                   [editor, connection, action = std::move(action)](QWidget *closed) {
                                       if (closed != editor)
                                           return;
                                       const std::function<void()> run = action;
                                       QObject::disconnect(*connection);
                                       run();
                                   });
}

} // namespace talmo
