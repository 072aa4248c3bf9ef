#include "helpers/ui/WindowSettings.h"

#include "helpers/ui/ColumnsFitContents.h"
#include "platform/RegistryReaders.h"

#include <QHeaderView>
#include <QTableView>
#include <QTreeView>
#include <QWidget>

namespace talmo {

namespace {

const QString widthName = QStringLiteral("Width");
const QString heightName = QStringLiteral("Height");
const QString leftName = QStringLiteral("Left");
const QString topName = QStringLiteral("Top");
const QString stateName = QStringLiteral("State");

enum StoredState : qint32 { NormalState = 0, MinimizedState = 1, MaximizedState = 2 };

QRect restoredRectangle(const QWidget *form)
{
    const QRect normal = form->normalGeometry();
    return normal.isValid() ? normal : form->geometry();
}

qint32 storedState(const QWidget *form)
{
    if (form->isMinimized())
        return MinimizedState;
    if (form->isMaximized())
        return MaximizedState;
    return NormalState;
}

QString columnValueName(const QWidget *listView, int column)
{
    return listView->objectName() + QStringLiteral("Column_") + QString::number(column);
}

RegistryStatus forgetValue(Registry &registry, const QString &name)
{
    return registry.valueExists(name) ? registry.deleteValue(name) : RegistryStatus();
}

RegistryStatus saveColumns(Registry &registry, const QWidget *listView, const QHeaderView *header,
                           const ColumnsFitContents *fit = nullptr)
{
    if (!listView || !header)
        return {};
    for (int column = 0; column < header->count(); ++column) {
        const QString name = columnValueName(listView, column);
        // A width the list fitted to this project's texts is no choice to
        // keep: the next list fits its own texts.
        const bool fitted = fit && !fit->isSizedByUser(column);
        if (RegistryStatus status = fitted ? forgetValue(registry, name)
                                           : registry.writeInteger(name, header->sectionSize(column));
            !status)
            return status;
    }
    return {};
}

void restoreColumns(const Registry &registry, const QWidget *listView, QHeaderView *header)
{
    if (!listView || !header)
        return;
    for (int column = 0; column < header->count(); ++column)
        header->resizeSection(column, RegReadIntegerDef(registry, columnValueName(listView, column),
                                                        header->sectionSize(column)));
}

} // namespace

RegistryStatus SaveFormPlacement(Registry &registry, const QWidget *form)
{
    const QRect rectangle = restoredRectangle(form);
    const std::pair<QString, qint32> values[] = {
        { widthName, rectangle.width() }, { heightName, rectangle.height() },
        { leftName, rectangle.left() },   { topName, rectangle.top() },
        { stateName, storedState(form) },
    };
    for (const auto &[name, value] : values) {
        if (RegistryStatus status = registry.writeInteger(name, value); !status)
            return status;
    }
    return {};
}

void RestoreFormPlacement(const Registry &registry, QWidget *form)
{
    const QRect current = restoredRectangle(form);
    const QRect stored(RegReadIntegerDef(registry, leftName, current.left()),
                       RegReadIntegerDef(registry, topName, current.top()),
                       RegReadIntegerDef(registry, widthName, current.width()),
                       RegReadIntegerDef(registry, heightName, current.height()));
    if (stored != current)
        form->setGeometry(stored);

    const std::optional<qint32> state = registry.readInteger(stateName);
    if (!state)
        return;
    switch (*state) {
    case MinimizedState:
        form->showMinimized();
        break;
    case MaximizedState:
        form->setWindowState((form->windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        break;
    default:
        form->setWindowState(form->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
        break;
    }
}

RegistryStatus SaveListViewColumns(Registry &registry, const QTreeView *listView)
{
    return saveColumns(registry, listView, listView ? listView->header() : nullptr,
                       listView ? ColumnsFitContents::of(listView) : nullptr);
}

RegistryStatus SaveListViewColumns(Registry &registry, const QTableView *listView)
{
    return saveColumns(registry, listView, listView ? listView->horizontalHeader() : nullptr);
}

void RestoreListViewColumns(const Registry &registry, QTreeView *listView)
{
    restoreColumns(registry, listView, listView ? listView->header() : nullptr);
}

void RestoreListViewColumns(const Registry &registry, QTableView *listView)
{
    restoreColumns(registry, listView, listView ? listView->horizontalHeader() : nullptr);
}

} // namespace talmo
