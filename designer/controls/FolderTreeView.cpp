#include "designer/controls/FolderTreeView.h"

#include "designer/controls/ControlTables.h"
#include "designer/controls/DesignName.h"

#include <QDir>
#include <QTreeWidget>

namespace talmo {

namespace {

constexpr int FolderNameRole = Qt::UserRole;
constexpr int ListedRole = Qt::UserRole + 1;
constexpr int NewFolderRole = Qt::UserRole + 2;

DesignPropertyTable folderTreeTable(const QMetaObject &meta)
{
    return controlTable(meta, {row::anchors(), row::tabOrder(), row::tabStop(true), row::visible()});
}

} // namespace

TCustomFolderTreeView::TCustomFolderTreeView(QWidget *parent)
    : TVisualControl(parent),
      m_tree(new DesignNamedView<QTreeWidget>(*this))
{
    m_tree->setHeaderHidden(true);
    m_tree->setEditTriggers(QAbstractItemView::EditKeyPressed);
    embed(m_tree);
    connect(m_tree, &QTreeWidget::itemExpanded, this, &TCustomFolderTreeView::expand);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &TCustomFolderTreeView::selectionChanged);
    connect(m_tree, &QTreeWidget::itemChanged, this, &TCustomFolderTreeView::itemRenamed);
    setWidth(121);
    setHeight(97);
}

void TCustomFolderTreeView::showEvent(QShowEvent *event)
{
    if (!isDesigning() && m_tree->topLevelItemCount() == 0)
        fill();
    TVisualControl::showEvent(event);
}

void TCustomFolderTreeView::designingChanged()
{
    TVisualControl::designingChanged();
    fill();
}

QString TCustomFolderTreeView::pathOf(const QTreeWidgetItem *item) const
{
    QStringList names;
    for (; item; item = item->parent())
        names.prepend(item->data(0, FolderNameRole).toString());
    QString path = names.join(u'/');
    return path.startsWith(u'/') ? path : path.prepend(u'/');
}

void TCustomFolderTreeView::fill()
{
    const QSignalBlocker blocker(m_tree);
    m_tree->clear();
    m_directory.clear();
    if (!isDesigning())
        addChildren(m_tree->invisibleRootItem(), QString());
}

void TCustomFolderTreeView::addChildren(QTreeWidgetItem *parent, const QString &path)
{
    const QSignalBlocker blocker(m_tree);
    for (const QString &name : listFolders(path))
        addNode(parent, name)->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    parent->setData(0, ListedRole, true);
}

QTreeWidgetItem *TCustomFolderTreeView::addNode(QTreeWidgetItem *parent, const QString &name)
{
    auto *item = new QTreeWidgetItem(parent, {name.isEmpty() ? QStringLiteral("/") : name});
    item->setData(0, FolderNameRole, name);
    return item;
}

void TCustomFolderTreeView::CreateNewDirectory(const QString &defaultName)
{
    QTreeWidgetItem *parent = m_tree->currentItem() ? m_tree->currentItem() : m_tree->invisibleRootItem();
    QTreeWidgetItem *item = nullptr;
    {
        const QSignalBlocker blocker(m_tree);
        item = addNode(parent, defaultName);
        item->setData(0, NewFolderRole, true);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        parent->setExpanded(true);
    }
    m_tree->setCurrentItem(item);
    m_tree->editItem(item);
}

void TCustomFolderTreeView::expand(QTreeWidgetItem *item)
{
    if (item->data(0, ListedRole).toBool() || item->data(0, NewFolderRole).toBool())
        return;
    addChildren(item, pathOf(item));
    if (item->childCount() == 0)
        item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
}

void TCustomFolderTreeView::selectionChanged()
{
    m_directory = m_tree->currentItem() ? pathOf(m_tree->currentItem()) : QString();
    emit changed();
}

// An edit that ends with text asks OnRename; an accepted name becomes the
// folder's, anything else puts the old name back.
void TCustomFolderTreeView::itemRenamed(QTreeWidgetItem *item)
{
    if (!item->data(0, NewFolderRole).toBool() || item->text(0) == item->data(0, FolderNameRole).toString())
        return;
    QString newName = item->text(0);
    bool accept = !newName.isEmpty();
    if (accept)
        emit renaming(newName, accept);
    const QSignalBlocker blocker(m_tree);
    if (accept && !newName.isEmpty())
        item->setData(0, FolderNameRole, newName);
    item->setText(0, item->data(0, FolderNameRole).toString());
    QTreeWidgetItem *parent = item->parent() ? item->parent() : m_tree->invisibleRootItem();
    parent->sortChildren(0, Qt::AscendingOrder);
    m_tree->setCurrentItem(item);
    selectionChanged();
}

const DesignPropertyTable &TFolderTreeView::propertyTable()
{
    static const DesignPropertyTable table = folderTreeTable(staticMetaObject);
    return table;
}

QStringList TFolderTreeView::listFolders(const QString &parentPath) const
{
    if (parentPath.isEmpty())
        return {QString()};
    return QDir(parentPath).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

const DesignPropertyTable &TStartMenuFolderTreeView::propertyTable()
{
    static const DesignPropertyTable table = folderTreeTable(staticMetaObject);
    return table;
}

} // namespace talmo
