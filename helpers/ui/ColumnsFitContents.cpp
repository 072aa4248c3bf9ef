#include "helpers/ui/ColumnsFitContents.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QTreeView>

namespace talmo {

ColumnsFitContents *ColumnsFitContents::attach(QTreeView *list)
{
    return new ColumnsFitContents(list);
}

const ColumnsFitContents *ColumnsFitContents::of(const QTreeView *list)
{
    return list->findChild<const ColumnsFitContents *>(QString(), Qt::FindDirectChildrenOnly);
}

ColumnsFitContents::ColumnsFitContents(QTreeView *list)
    : QObject(list), list_(list)
{
    list->header()->setStretchLastSection(true);
    QAbstractItemModel *model = list->model();
    connect(model, &QAbstractItemModel::modelReset, this, &ColumnsFitContents::scheduleFit);
    connect(model, &QAbstractItemModel::rowsInserted, this, &ColumnsFitContents::scheduleFit);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &ColumnsFitContents::scheduleFit);
    connect(model, &QAbstractItemModel::dataChanged, this, &ColumnsFitContents::scheduleFit);
    connect(model, &QAbstractItemModel::layoutChanged, this, &ColumnsFitContents::scheduleFit);
    connect(list->header(), &QHeaderView::sectionResized, this,
            [this](int column, int oldSize, int newSize) { noteResize(column, oldSize, newSize); });
    scheduleFit();
}

bool ColumnsFitContents::isSizedByUser(int column) const
{
    return sizedByUser_.contains(column);
}

void ColumnsFitContents::scheduleFit()
{
    if (fitPending_)
        return;
    fitPending_ = true;
    // A refill adds its rows one at a time; measuring once after the last
    // keeps a long list from being measured once per row.
    QMetaObject::invokeMethod(this, &ColumnsFitContents::fit, Qt::QueuedConnection);
}

void ColumnsFitContents::fit()
{
    fitPending_ = false;
    fitting_ = true;
    for (int column = 0; column < list_->header()->count(); ++column) {
        if (fitsItself(column))
            list_->resizeColumnToContents(column);
    }
    fitting_ = false;
}

void ColumnsFitContents::noteResize(int column, int oldSize, int newSize)
{
    // Hiding and showing a column sizes it to nothing and back, and the
    // stretching column follows the list's width: neither is the user's choice.
    if (fitting_ || oldSize == 0 || newSize == 0 || column == list_->header()->count() - 1)
        return;
    sizedByUser_.insert(column);
}

bool ColumnsFitContents::fitsItself(int column) const
{
    const QHeaderView *header = list_->header();
    return column < header->count() - 1 && !header->isSectionHidden(column) && !sizedByUser_.contains(column)
        && header->sectionResizeMode(column) == QHeaderView::Interactive;
}

} // namespace talmo
