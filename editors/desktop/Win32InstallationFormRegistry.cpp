#include "editors/desktop/Win32InstallationForm.h"

#include "editors/registry/AddFileAssociation.h"
#include "editors/common/EditorMessages.h"
#include "editors/desktop/EntryListRows.h"
#include "editors/core/regimport/RegImport.h"
#include "helpers/ui/ItemEditorClosing.h"
#include "helpers/ui/ListViewHelpers.h"
#include "helpers/ui/ShellHelpers.h"
#include "helpers/ui/TreeExpansion.h"
#include "helpers/ui/UiServices.h"
#include "model/Win32Plugin.h"
#include "widgets/NextInspector.h"
#include "widgets/NxComboBoxItem.h"

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>

namespace talmo {

namespace {

constexpr int NodeRole = Qt::UserRole;
constexpr int EntryIndexRole = Qt::UserRole;
constexpr int DefaultRowRole = Qt::UserRole + 1;
constexpr int Placeholder = -1;

RegistryKeyNode *keyNodeOf(const QTreeWidgetItem *item)
{
    return item ? static_cast<RegistryKeyNode *>(item->data(0, NodeRole).value<void *>()) : nullptr;
}

int entryIndexOf(const QTreeWidgetItem *row)
{
    return row ? row->data(0, EntryIndexRole).toInt() : Placeholder;
}

bool isDefaultRow(const QTreeWidgetItem *row)
{
    return row && row->data(0, DefaultRowRole).toBool();
}

void showTexts(QTreeWidgetItem *row, const QStringList &texts)
{
    for (int column = 0; column < texts.size(); ++column)
        row->setText(column, texts[column]);
}

// A value row ordered by the page's sort column and direction.
class RegistryRow : public QTreeWidgetItem
{
public:
    RegistryRow(QTreeWidget *list, const ListSortOrder &order)
        : QTreeWidgetItem(list)
        , m_order(order)
    {
    }

    bool operator<(const QTreeWidgetItem &other) const override
    {
        return RegistryRowLess(listRow(*this), listRow(other), m_order.column, m_order.ascending);
    }

private:
    static RegistryListRow listRow(const QTreeWidgetItem &row)
    {
        return {isDefaultRow(&row), {row.text(0), row.text(1), row.text(2), row.text(3)}};
    }

    const ListSortOrder &m_order;
};

} // namespace

QWidget *TWin32InstallationForm::createRegistryTab()
{
    tv_registry->setObjectName(QStringLiteral("tv_registry"));
    tv_registry->setHeaderHidden(true);
    tv_registry->setContextMenuPolicy(Qt::CustomContextMenu);
    tv_registry->setEditTriggers(QAbstractItemView::EditKeyPressed);
    for (int column = 0; column < 4; ++column)
        lv_registry->setColumnWidth(column, 65);
    lv_registry->header()->setSectionsClickable(true);

    lv_registry->setContextMenuPolicy(Qt::ActionsContextMenu);
    AddEnrty1 = new QAction(QStringLiteral("Add Enrty"), lv_registry);
    AddEnrty1->setObjectName(QStringLiteral("AddEnrty1"));
    auto *separator = new QAction(lv_registry);
    separator->setSeparator(true);
    auto *deleteEntries = new QAction(QStringLiteral("Delete"), lv_registry);
    deleteEntries->setShortcut(Qt::Key_Delete);
    deleteEntries->setShortcutContext(Qt::WidgetShortcut);
    lv_registry->addActions({AddEnrty1, separator, deleteEntries});
    connect(AddEnrty1, &QAction::triggered, this, &TWin32InstallationForm::AddRegistryEntryClick);
    connect(deleteEntries, &QAction::triggered, this, &TWin32InstallationForm::DeleteRegistryEntriesClick);

    JvPopupMenu6 = new QMenu(this);
    JvPopupMenu6->setObjectName(QStringLiteral("JvPopupMenu6"));
    CreteKey1 = JvPopupMenu6->addAction(QStringLiteral("Crete Key"), this, &TWin32InstallationForm::CreteKeyClick);
    JvPopupMenu6->addSeparator();
    DeleteKey1 = JvPopupMenu6->addAction(QStringLiteral("Delete"), this, &TWin32InstallationForm::DeleteKeyClick);
    RenameKey1 = JvPopupMenu6->addAction(QStringLiteral("Rename"), this, &TWin32InstallationForm::RenameKeyClick);
    auto *deleteKey = new QAction(tv_registry);
    deleteKey->setShortcut(Qt::Key_Delete);
    deleteKey->setShortcutContext(Qt::WidgetShortcut);
    tv_registry->addAction(deleteKey);
    connect(deleteKey, &QAction::triggered, this, &TWin32InstallationForm::DeleteKeyClick);

    pm_RegTools = new QMenu(this);
    pm_RegTools->setObjectName(QStringLiteral("pm_RegTools"));
    pm_RegTools->addAction(QStringLiteral("Import Registry File"), this, &TWin32InstallationForm::ImportRegistryFileClick);
    pm_RegTools->addAction(QStringLiteral("Add File Association"), this, &TWin32InstallationForm::AddFileAssociationClick);

    connect(tv_registry, &QTreeWidget::itemClicked, this, &TWin32InstallationForm::tv_registryClick);
    connect(tv_registry, &QTreeWidget::currentItemChanged, this, [this] {
        // Keys moved to with the keyboard list their values as a click does.
        if (tv_registry->hasFocus())
            tv_registryClick();
    });
    // The rename rebuilds the tree, so it waits for the label's editor to close.
    connect(tv_registry, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem *item) {
        const RegistryKeyNode *node = keyNodeOf(item);
        if (!node || item != tv_registry->currentItem() || item->text(0) == node->text)
            return;
        AfterItemEditorCloses(*tv_registry, tv_registry->indexFromItem(item),
                              [this, name = item->text(0)] { renameSelectedKey(name); });
    });
    connect(tv_registry, &QWidget::customContextMenuRequested, this, [this](const QPoint &position) {
        if (QTreeWidgetItem *item = tv_registry->itemAt(position)) {
            tv_registry->setCurrentItem(item);
            tv_registryClick();
        }
        const Win32KeyCommands commands = Win32KeyCommands::forNode(selectedKeyNode());
        CreteKey1->setEnabled(commands.createKey);
        DeleteKey1->setEnabled(commands.deleteKey);
        RenameKey1->setEnabled(commands.renameKey);
        JvPopupMenu6->popup(tv_registry->viewport()->mapToGlobal(position));
    });
    connect(lv_registry, &QTreeWidget::itemSelectionChanged, this, [this, deleteEntries] {
        deleteEntries->setEnabled(lv_registry->currentItem() != nullptr);
        RegistryListSelect();
    });
    connect(lv_registry->header(), &QHeaderView::sectionClicked, this, &TWin32InstallationForm::registryHeaderClick);
    connect(bt_add_registry, &QPushButton::clicked, this, &TWin32InstallationForm::AddRegistryEntryClick);
    connect(bt_registry_tools, &QPushButton::clicked, this, [this] { pm_RegTools->popup(QCursor::pos()); });
    return tabWithButtons(treeBesideList(tv_registry, lv_registry, 153, {QStringLiteral("HKEY_CURRENT_CONFIG")}), {bt_add_registry, bt_registry_tools});
}

// ---- the key tree ------------------------------------------------------------------

RegistryKeyNode *TWin32InstallationForm::selectedKeyNode() const
{
    return keyNodeOf(tv_registry->currentItem());
}

void TWin32InstallationForm::addKeyItems(QTreeWidgetItem *item, const RegistryKeyNode &node)
{
    item->setText(0, node.text);
    item->setToolTip(0, node.text);
    item->setData(0, NodeRole, QVariant::fromValue(static_cast<void *>(const_cast<RegistryKeyNode *>(&node))));
    item->setIcon(0, node.parent ? GetFolderIcon(false) : GetShellFileInfo(QStringLiteral("/"), false, false).icon);
    if (RegistryKeyTree::IsKey(node))
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    for (const auto &child : node.children)
        addKeyItems(new QTreeWidgetItem(item), *child);
}

void TWin32InstallationForm::BuildRegistryTree()
{
    const RegistryKeyNode *selected = selectedKeyNode();
    const QString path = selected ? RegistryKeyTree::KeyPath(*selected) : QString();
    m_keys = RegistryKeyTree::Build(*m_plugin);
    showKeyTree(path, true);
}

void TWin32InstallationForm::showKeyTree(const QString &selectedKeyPath, bool refreshValues)
{
    const TreeExpansion expansion(*tv_registry);
    const QSignalBlocker blocker(tv_registry);
    tv_registry->clear();
    auto *root = new QTreeWidgetItem(tv_registry);
    addKeyItems(root, m_keys.root());
    root->setExpanded(true);
    expansion.restore(*tv_registry);
    QTreeWidgetItem *current = root;
    if (const RegistryKeyNode *wanted = m_keys.FindKeyPath(selectedKeyPath)) {
        for (QTreeWidgetItemIterator it(tv_registry); *it; ++it) {
            if (keyNodeOf(*it) == wanted)
                current = *it;
        }
    }
    for (QTreeWidgetItem *parent = current->parent(); parent; parent = parent->parent())
        parent->setExpanded(true);
    tv_registry->setCurrentItem(current);
    if (refreshValues)
        tv_registryClick();
}

bool TWin32InstallationForm::selectKey(const QString &keyPath)
{
    if (!m_keys.FindKeyPath(keyPath))
        return false;
    showKeyTree(keyPath, true);
    return true;
}

bool TWin32InstallationForm::CanAddRegistryValue() const
{
    return Win32KeyCommands::forNode(selectedKeyNode()).addValue;
}

void TWin32InstallationForm::completeKeyNodes()
{
    const RegistryKeyNode *selected = selectedKeyNode();
    const QString path = selected ? RegistryKeyTree::KeyPath(*selected) : QString();
    m_keys.AddRegistryKeyNodes(*m_plugin);
    m_keys.Sort();
    showKeyTree(path, false);
}

// ---- the value list --------------------------------------------------------------

void TWin32InstallationForm::refreshRegistryRow(QTreeWidgetItem *row)
{
    const int index = entryIndexOf(row);
    if (index == Placeholder)
        return;
    showTexts(row, Win32RegistryEdits::RowTexts(m_plugin->RegistryEntries[index], isDefaultRow(row)));
}

void TWin32InstallationForm::tv_registryClick()
{
    m_rows.Clear();
    const RegistryKeyNode *node = selectedKeyNode();
    {
        const QSignalBlocker blocker(lv_registry);
        lv_registry->clear();
        if (node && RegistryKeyTree::IsKey(*node)) {
            auto *defaultRow = new RegistryRow(lv_registry, m_registrySort);
            defaultRow->setData(0, DefaultRowRole, true);
            defaultRow->setData(0, EntryIndexRole, Placeholder);
            showTexts(defaultRow, Win32RegistryEdits::DefaultPlaceholderRowTexts());
            const Win32RegistryEdits::KeyValues values =
                Win32RegistryEdits(*m_plugin).ValuesOfKey(RegistryKeyTree::KeyPath(*node));
            for (int index : values.named) {
                auto *row = new RegistryRow(lv_registry, m_registrySort);
                row->setData(0, EntryIndexRole, index);
                refreshRegistryRow(row);
            }
            if (values.defaultIndex >= 0) {
                defaultRow->setData(0, EntryIndexRole, values.defaultIndex);
                refreshRegistryRow(defaultRow);
            }
            sortRegistryList();
            lv_registry->setCurrentItem(defaultRow);
            defaultRow->setSelected(true);
        }
    }
    bt_add_registry->setEnabled(CanAddRegistryValue());
    AddEnrty1->setEnabled(CanAddRegistryValue());
    RegistryListSelect();
}

void TWin32InstallationForm::sortRegistryList()
{
    // As the file list: sorted "ascending" by rows that know the direction,
    // then the arrow shows the real one.
    lv_registry->sortItems(m_registrySort.column, Qt::AscendingOrder);
    SetListViewSortArrow(lv_registry->header(), m_registrySort.column, !m_registrySort.ascending);
}

void TWin32InstallationForm::registryHeaderClick(int column)
{
    m_registrySort.HeaderClicked(column);
    sortRegistryList();
}

void TWin32InstallationForm::RegistryListSelect()
{
    m_rows.Clear();
    QTreeWidgetItem *focused = lv_registry->currentItem();
    if (!focused || m_plugin->RegistryEntries.IsEmpty()) {
        m_rows.AddCategory(QStringLiteral("No Registry Entry is Selected"));
        m_rows.Attach([this](TNxPropertyItem *item, const QString &value) { RegistryRowChanged(item, value); }, {});
        return;
    }
    const QList<QTreeWidgetItem *> selected = lv_registry->selectedItems();
    const bool defaultSelected = std::any_of(selected.begin(), selected.end(), isDefaultRow);
    const TWin32RegistryEntry entry = Win32RegistryEdits(*m_plugin).EntryOrDefault(entryIndexOf(focused));
    m_rows.AddRows<TWin32RegistryEntry>(registryEntryRows(), entry, [&](const EntryRow<TWin32RegistryEntry> &row) {
        return Win32RegistryEdits::IsRowShown(row, int(selected.size()), defaultSelected);
    });
    TNxPropertyItems *items = m_rows.inspector()->items();
    if (auto *root = qobject_cast<TNxComboBoxItem *>(items->findByTag(0)))
        root->setLines(registryHives());
    if (auto *type = qobject_cast<TNxComboBoxItem *>(items->findByTag(2)))
        type->setLines(registryValueTypes());
    m_rows.Attach([this](TNxPropertyItem *item, const QString &value) { RegistryRowChanged(item, value); },
                  [this](TNxPropertyItem *) { writeHelp(); });
}

void TWin32InstallationForm::RegistryRowChanged(TNxPropertyItem *item, const QString &value)
{
    const EntryRow<TWin32RegistryEntry> *row = item ? rowOfTag(registryEntryRows(), item->tag()) : nullptr;
    const RegistryKeyNode *node = selectedKeyNode();
    if (!lv_registry->currentItem() || !row || !node)
        return;
    const QList<QTreeWidgetItem *> selected = lv_registry->selectedItems();
    QList<int> indexes;
    for (const QTreeWidgetItem *listRow : selected)
        indexes.append(entryIndexOf(listRow));
    Win32RegistryEdits edits(*m_plugin);
    const auto [root, subKey] = RegistryKeyTree::NodeKey(*node);
    if (const QString problem = edits.ChangeRow(root, subKey, indexes, *row, value); !problem.isEmpty()) {
        ShowEditorError(this, problem);
        // The row shows the kept value again; the model never saw the typed one.
        const QSignalBlocker quiet(m_rows.inspector());
        item->setValue(row->valueOf(edits.EntryOrDefault(entryIndexOf(lv_registry->currentItem()))));
        return;
    }
    const QSignalBlocker blocker(lv_registry);
    for (int i = 0; i < selected.size(); ++i) {
        selected[i]->setData(0, EntryIndexRole, indexes[i]);
        refreshRegistryRow(selected[i]);
    }
    sortRegistryList();
    if (Win32RegistryEdits::MovesValues(*row)) {
        const int rememberedRow = lv_registry->indexOfTopLevelItem(lv_registry->currentItem());
        completeKeyNodes();
        for (QTreeWidgetItem *listRow : selected)
            delete listRow;
        // The values left behind are edited next: the row now at the moved row's place.
        QTreeWidgetItem *next = lv_registry->topLevelItem(std::min(rememberedRow, lv_registry->topLevelItemCount() - 1));
        lv_registry->setCurrentItem(next);
        if (next)
            next->setSelected(true);
        // The rows are rebuilt once this change has returned to the inspector.
        QTimer::singleShot(0, this, &TWin32InstallationForm::RegistryListSelect);
    }
    markModified();
}

// ---- commands ----------------------------------------------------------------------

void TWin32InstallationForm::AddRegistryEntryClick()
{
    if (!CanAddRegistryValue())
        return;
    const auto [root, subKey] = RegistryKeyTree::NodeKey(*selectedKeyNode());
    const int index = Win32RegistryEdits(*m_plugin).AddValue(root, subKey, QStringLiteral("RegEntry"));
    auto *row = new RegistryRow(lv_registry, m_registrySort);
    row->setData(0, EntryIndexRole, index);
    refreshRegistryRow(row);
    sortRegistryList();
    lv_registry->clearSelection();
    lv_registry->setCurrentItem(row);
    row->setSelected(true);
    markModified();
}

void TWin32InstallationForm::DeleteRegistryEntriesClick()
{
    if (!lv_registry->currentItem() || !confirm(QStringLiteral("Are you sure ?")))
        return;
    QList<int> indexes;
    for (const QTreeWidgetItem *row : lv_registry->selectedItems()) {
        if (entryIndexOf(row) != Placeholder)
            indexes.append(entryIndexOf(row));
    }
    Win32RegistryEdits(*m_plugin).DeleteValues(indexes);
    tv_registryClick();
    markModified();
}

void TWin32InstallationForm::CreteKeyClick()
{
    RegistryKeyNode *node = selectedKeyNode();
    if (!Win32KeyCommands::forNode(node).createKey)
        return;
    RegistryKeyNode &created = m_keys.AddChild(*node, QStringLiteral("New Key"));
    m_keys.Sort();
    showKeyTree(RegistryKeyTree::KeyPath(created), true);
    tv_registry->editItem(tv_registry->currentItem());
}

void TWin32InstallationForm::RenameKeyClick()
{
    if (Win32KeyCommands::forNode(selectedKeyNode()).renameKey)
        tv_registry->editItem(tv_registry->currentItem());
}

bool TWin32InstallationForm::renameSelectedKey(const QString &newName)
{
    RegistryKeyNode *node = selectedKeyNode();
    if (!Win32KeyCommands::forNode(node).renameKey)
        return false;
    if (!Win32RegistryEdits(*m_plugin).RenameKey(RegistryKeyTree::KeyPath(*node), newName)) {
        const QSignalBlocker blocker(tv_registry);
        tv_registry->currentItem()->setText(0, node->text);
        return false;
    }
    node->text = newName;
    m_keys.Sort();
    showKeyTree(RegistryKeyTree::KeyPath(*node), true);
    markModified();
    return true;
}

void TWin32InstallationForm::DeleteKeyClick()
{
    RegistryKeyNode *node = selectedKeyNode();
    if (!Win32KeyCommands::forNode(node).deleteKey)
        return;
    if (confirm(QStringLiteral("Are you sure ?"))) {
        const QString parentPath = RegistryKeyTree::KeyPath(*node->parent);
        Win32RegistryEdits(*m_plugin).DeleteKey(RegistryKeyTree::KeyPath(*node));
        m_keys.Remove(*node);
        showKeyTree(parentPath, false);
        markModified();
    }
    tv_registryClick();
}

void TWin32InstallationForm::ImportRegistryFileClick()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Import Regsitry Entries");
    request.filter = QStringLiteral("Registry Files (*.reg;*.rgu)|*.reg;*.rgu|All Files (*.*)|*.*");
    const QStringList files = UiServices::current().openFiles(this, request);
    if (!files.isEmpty())
        ImportRegistryFile(files.first());
}

void TWin32InstallationForm::ImportRegistryFile(const QString &fileName)
{
    // The entries go to this page's module, whichever page was shown last.
    Win32RegistryEdits edits(*m_plugin);
    ImportRegFile(fileName, [&edits](const RegImportEvent &event) {
        edits.AddImported(event);
        return true;
    });
    completeKeyNodes();
    tv_registryClick();
    markModified();
}

void TWin32InstallationForm::AddFileAssociationClick()
{
    TaddFileAssociation dialog(this);
    dialog.tb_Extension->clear();
    dialog.tb_description->clear();
    dialog.cb_target->clearEditText();
    dialog.DeviceMode = false;
    dialog.Project = &m_project;
    dialog.Plugin = m_plugin;
    if (m_runDialog(dialog) != QDialog::Accepted)
        return;
    Win32RegistryEdits(*m_plugin).AddFileAssociation(dialog.tb_Extension->text(), dialog.tb_description->text(),
                                                      dialog.cb_target->currentText());
    completeKeyNodes();
    tv_registryClick();
    markModified();
}

} // namespace talmo
