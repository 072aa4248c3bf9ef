#include "editors/desktop/Win32InstallationForm.h"

#include "editors/dialogs/DropFilesDialog.h"
#include "editors/common/EditorMessages.h"
#include "helpers/core/PathHelpers.h"
#include "helpers/ui/CheckBoxOpenDialogs.h"
#include "helpers/ui/ItemEditorClosing.h"
#include "helpers/ui/ListViewHelpers.h"
#include "helpers/ui/ShellHelpers.h"
#include "helpers/ui/SystemImageList.h"
#include "helpers/ui/TreeExpansion.h"
#include "model/ProjectContainer.h"
#include "platform/ShellServices.h"
#include "widgets/NextInspector.h"
#include "widgets/NxButtonItem.h"

#include <QAction>
#include <QActionGroup>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>

namespace talmo {

namespace {

constexpr int NodeRole = Qt::UserRole;
constexpr int FileIndexRole = Qt::UserRole;
constexpr int FolderRow = -1;
const QString SureText = QStringLiteral("Are you sure ?");

const Win32FolderNode *nodeOf(const QTreeWidgetItem *item)
{
    return item ? static_cast<const Win32FolderNode *>(item->data(0, NodeRole).value<const void *>()) : nullptr;
}

int fileIndexOf(const QTreeWidgetItem *row)
{
    return row ? row->data(0, FileIndexRole).toInt() : FolderRow;
}

// A file-list row ordered by the page's sort column and direction.
class FileRow : public QTreeWidgetItem
{
public:
    FileRow(QTreeWidget *list, const ListSortOrder &order)
        : QTreeWidgetItem(list)
        , m_order(order)
    {
    }

    bool operator<(const QTreeWidgetItem &other) const override
    {
        return FileRowLess(listRow(*this), listRow(other), m_order.column, m_order.ascending);
    }

private:
    static FileListRow listRow(const QTreeWidgetItem &row)
    {
        return {fileIndexOf(&row) == FolderRow, {row.text(0), row.text(1), row.text(2), row.text(3)}};
    }

    const ListSortOrder &m_order;
};

} // namespace

QWidget *TWin32InstallationForm::createFilesTab()
{
    tv_win32_folders->setObjectName(QStringLiteral("tv_win32_folders"));
    tv_win32_folders->setHeaderHidden(true);
    tv_win32_folders->setContextMenuPolicy(Qt::CustomContextMenu);
    tv_win32_folders->setEditTriggers(QAbstractItemView::EditKeyPressed);
    lv_win32_files->setContextMenuPolicy(Qt::CustomContextMenu);
    lv_win32_files->header()->setSectionsClickable(true);

    JvPopupMenu1 = new QMenu(this);
    JvPopupMenu1->setObjectName(QStringLiteral("JvPopupMenu1"));
    AddItem1 = JvPopupMenu1->addAction(QStringLiteral("Add Item"), this, &TWin32InstallationForm::AddItemClick);
    InsertFiles1 = JvPopupMenu1->addAction(QStringLiteral("Insert File(s)"), this, &TWin32InstallationForm::InsertFilesClick);
    ImportFolders1 =
        JvPopupMenu1->addAction(QStringLiteral("Import Folder(s)"), this, &TWin32InstallationForm::ImportFoldersClick);
    JvPopupMenu1->addSeparator();
    DeleteFiles1 = JvPopupMenu1->addAction(QStringLiteral("Delete"), this, &TWin32InstallationForm::DeleteFileRowsClick);
    JvPopupMenu1->addSeparator();
    ViewAs1 = JvPopupMenu1->addMenu(QStringLiteral("View As"));
    ViewAs1->setObjectName(QStringLiteral("ViewAs1"));
    auto *viewGroup = new QActionGroup(ViewAs1);
    const QStringList views = {QStringLiteral("Large Icons"), QStringLiteral("Small Icons"), QStringLiteral("List"),
                               QStringLiteral("Details")};
    for (int style = IconView; style <= ReportView; ++style) {
        QAction *view = ViewAs1->addAction(views[style], this, [this, style] {
            setViewStyle(style);
            showFileSortArrow();
        });
        view->setCheckable(true);
        view->setData(style);
        viewGroup->addAction(view);
    }
    Sort1 = JvPopupMenu1->addMenu(QStringLiteral("Sort"));
    Sort1->setObjectName(QStringLiteral("Sort1"));
    const QStringList columns = {QStringLiteral("Filename"), QStringLiteral("Type"), QStringLiteral("Source"),
                                 QStringLiteral("Flags")};
    for (int column = 0; column < columns.size(); ++column) {
        QAction *sort = Sort1->addAction(columns[column], this, [this, column] {
            m_fileSort.ColumnChosen(column);
            SetListViewSortArrow(lv_registry->header(), m_registrySort.column, !m_registrySort.ascending);
            sortFileList();
        });
        sort->setCheckable(true);
        sort->setData(column);
    }

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    AddFolder1 = PopupMenu1->addAction(QStringLiteral("Add Folder"), this, &TWin32InstallationForm::AddFolderClick);
    PopupMenu1->addSeparator();
    DeleteFolder1 = PopupMenu1->addAction(QStringLiteral("Delete"), this, &TWin32InstallationForm::DeleteFolderClick);
    RenameFolder1 = PopupMenu1->addAction(QStringLiteral("Rename"), this, &TWin32InstallationForm::RenameFolderClick);

    // The Delete key acts on the list or tree that has the focus.
    for (const auto &[widget, command] : {std::pair{static_cast<QWidget *>(lv_win32_files), &TWin32InstallationForm::DeleteFileRowsClick},
                                          std::pair{static_cast<QWidget *>(tv_win32_folders), &TWin32InstallationForm::DeleteFolderClick}}) {
        auto *deleteKey = new QAction(widget);
        deleteKey->setShortcut(Qt::Key_Delete);
        deleteKey->setShortcutContext(Qt::WidgetShortcut);
        connect(deleteKey, &QAction::triggered, this, command);
        widget->addAction(deleteKey);
    }

    connect(tv_win32_folders, &QTreeWidget::itemClicked, this, &TWin32InstallationForm::tv_win32_foldersClick);
    // The rename rebuilds the tree, so it waits for the label's editor to close.
    connect(tv_win32_folders, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem *item) {
        const Win32FolderNode *node = nodeOf(item);
        if (!node || item != tv_win32_folders->currentItem() || item->text(0) == node->text)
            return;
        AfterItemEditorCloses(*tv_win32_folders, tv_win32_folders->indexFromItem(item),
                              [this, name = item->text(0)] { renameSelectedFolder(name); });
    });
    connect(tv_win32_folders, &QWidget::customContextMenuRequested, this, [this](const QPoint &position) {
        if (QTreeWidgetItem *item = tv_win32_folders->itemAt(position)) {
            tv_win32_folders->setCurrentItem(item);
            tv_win32_foldersClick();
        }
        const Win32FileCommands commands = fileCommands();
        AddFolder1->setEnabled(commands.addFolder);
        DeleteFolder1->setEnabled(commands.deleteFolder);
        RenameFolder1->setEnabled(commands.renameFolder);
        PopupMenu1->popup(tv_win32_folders->viewport()->mapToGlobal(position));
    });
    lv_win32_files->setAcceptDrops(true);
    lv_win32_files->viewport()->installEventFilter(this);
    connect(lv_win32_files, &QWidget::customContextMenuRequested, this, [this](const QPoint &position) {
        updateFileActions();
        for (QAction *view : ViewAs1->actions())
            view->setChecked(view->data().toInt() == m_viewStyle);
        for (QAction *sort : Sort1->actions())
            sort->setChecked(sort->data().toInt() == m_fileSort.column);
        JvPopupMenu1->popup(lv_win32_files->viewport()->mapToGlobal(position));
    });
    connect(lv_win32_files, &QTreeWidget::itemSelectionChanged, this, &TWin32InstallationForm::RebuildFileRows);
    connect(lv_win32_files, &QTreeWidget::itemDoubleClicked, this, &TWin32InstallationForm::fileListDoubleClick);
    connect(lv_win32_files->header(), &QHeaderView::sectionClicked, this, &TWin32InstallationForm::fileListHeaderClick);
    connect(bt_add_item, &QPushButton::clicked, this, &TWin32InstallationForm::AddItemClick);
    connect(bt_insert_files, &QPushButton::clicked, this, &TWin32InstallationForm::InsertFilesClick);
    connect(bt_import_folders, &QPushButton::clicked, this, &TWin32InstallationForm::ImportFoldersClick);
    connect(bt_open_explorer, &QPushButton::clicked, this, &TWin32InstallationForm::OpenExplorerClick);

    return tabWithButtons(treeBesideList(tv_win32_folders, lv_win32_files, 177, Win32FolderTree::DirectoryConstants()), {bt_add_item, bt_insert_files, bt_import_folders, bt_open_explorer});
}

void TWin32InstallationForm::setViewStyle(int style)
{
    if (style < IconView || style > ReportView)
        return;
    m_viewStyle = style;
    // The report shows every column; the other styles show the names alone,
    // large icons at their large size.
    lv_win32_files->setHeaderHidden(style != ReportView);
    for (int column = 1; column < lv_win32_files->columnCount(); ++column)
        lv_win32_files->setColumnHidden(column, style != ReportView);
    const int iconSize = style == IconView ? 32 : 16;
    lv_win32_files->setIconSize(QSize(iconSize, iconSize));
}

bool TWin32InstallationForm::canDropFiles() const
{
    return fileCommands().addToFolder;
}

bool TWin32InstallationForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != lv_win32_files->viewport())
        return HostedPage::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        // Drags inside the program are welcome over the list and change nothing.
        if (drag->source() || (drag->mimeData()->hasUrls() && canDropFiles()))
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        drop->acceptProposedAction();
        if (drop->source() || !canDropFiles())
            return true;
        QStringList paths;
        for (const QUrl &url : drop->mimeData()->urls()) {
            if (url.isLocalFile())
                paths.append(url.toLocalFile());
        }
        if (!paths.isEmpty())
            AddDroppedPaths(paths);
        return true;
    }
    default:
        return HostedPage::eventFilter(watched, event);
    }
}

// ---- the folder tree ---------------------------------------------------------

const Win32FolderNode *TWin32InstallationForm::selectedFolderNode() const
{
    return nodeOf(tv_win32_folders->currentItem());
}

QString TWin32InstallationForm::selectedFolderPath() const
{
    const Win32FolderNode *node = selectedFolderNode();
    return node ? Win32FolderTree::GetFolderNodePath(*node) : QString();
}

QTreeWidgetItem *TWin32InstallationForm::itemOfNode(const Win32FolderNode *node) const
{
    for (QTreeWidgetItemIterator it(tv_win32_folders); *it; ++it) {
        if (nodeOf(*it) == node)
            return *it;
    }
    return nullptr;
}

void TWin32InstallationForm::addFolderItems(QTreeWidgetItem *item, const Win32FolderNode &node)
{
    // A folder name the narrow tree cuts short shows whole in its tool tip.
    item->setText(0, node.text);
    item->setToolTip(0, node.text);
    item->setData(0, NodeRole, QVariant::fromValue(static_cast<const void *>(&node)));
    const bool root = !node.parent;
    item->setIcon(0, root ? GetShellFileInfo(QStringLiteral("/"), false, false).icon : GetFolderIcon(false));
    if (Win32FolderTree::IsPlainFolder(node))
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    for (const auto &child : node.children)
        addFolderItems(new QTreeWidgetItem(item), *child);
}

void TWin32InstallationForm::BuildFolderTree()
{
    const Win32FolderNode *selected = selectedFolderNode();
    const QString path = selectedFolderPath();
    const Win32FolderKind rootKind = selected && !selected->parent ? selected->kind : Win32FolderKind::Plain;
    m_folders = Win32FolderTree::Build(*m_plugin);
    showFolderTree(path, rootKind);
}

void TWin32InstallationForm::fillFolderTree()
{
    const TreeExpansion expansion(*tv_win32_folders);
    QSignalBlocker blocker(tv_win32_folders);
    tv_win32_folders->clear();
    for (const auto &root : m_folders.roots())
        addFolderItems(new QTreeWidgetItem(tv_win32_folders), *root);
    tv_win32_folders->topLevelItem(0)->setExpanded(true);
    expansion.restore(*tv_win32_folders);
}

void TWin32InstallationForm::showFolderTree(const QString &selectedPath, Win32FolderKind selectedRoot)
{
    fillFolderTree();
    refreshFolderFonts();
    if (selectedPath.isEmpty() || !selectFolder(selectedPath))
        selectFolderRoot(selectedRoot == Win32FolderKind::AllFiles ? Win32FolderKind::AllFiles
                                                                   : Win32FolderKind::InstallDirectories);
}

void TWin32InstallationForm::showFolderTreeKeepingList(const QString &selectedPath, Win32FolderKind selectedRoot)
{
    fillFolderTree();
    QSignalBlocker blocker(tv_win32_folders);
    QTreeWidgetItem *current = selectedPath.isEmpty()
        ? itemOfNode(selectedRoot == Win32FolderKind::AllFiles ? &m_folders.allFiles() : &m_folders.installDirectories())
        : itemOfNode(m_folders.FindPath(selectedPath));
    for (QTreeWidgetItem *parent = current ? current->parent() : nullptr; parent; parent = parent->parent())
        parent->setExpanded(true);
    tv_win32_folders->setCurrentItem(current);
    refreshFolderFonts();
}

void TWin32InstallationForm::refreshFolderFonts()
{
    const QSet<QString> destinations = Win32FolderTree::LowerCaseDestinations(*m_plugin);
    QSignalBlocker blocker(tv_win32_folders);
    for (QTreeWidgetItemIterator it(tv_win32_folders); *it; ++it) {
        QFont font = (*it)->font(0);
        font.setBold(Win32FolderTree::IsBold(*nodeOf(*it), destinations));
        (*it)->setFont(0, font);
    }
}

bool TWin32InstallationForm::selectFolder(const QString &path)
{
    QTreeWidgetItem *item = itemOfNode(m_folders.FindPath(path));
    if (!item)
        return false;
    for (QTreeWidgetItem *parent = item->parent(); parent; parent = parent->parent())
        parent->setExpanded(true);
    tv_win32_folders->setCurrentItem(item);
    tv_win32_foldersClick();
    return true;
}

void TWin32InstallationForm::selectFolderRoot(Win32FolderKind kind)
{
    tv_win32_folders->setCurrentItem(
        itemOfNode(kind == Win32FolderKind::AllFiles ? &m_folders.allFiles() : &m_folders.installDirectories()));
    tv_win32_foldersClick();
}

void TWin32InstallationForm::tv_win32_foldersClick()
{
    FillFileList();
}

// ---- the file list -------------------------------------------------------------

void TWin32InstallationForm::refreshFileRow(QTreeWidgetItem *row)
{
    const int index = fileIndexOf(row);
    if (index == FolderRow)
        return;
    const TWin32FileEntry &entry = m_plugin->FileEntries[index];
    const FileTypeLookup::FileType type =
        m_fileTypes.LookupReference(m_project.GetFileName(), entry.Source, m_viewStyle == IconView);
    row->setText(0, Win32FileEdits::RowCaption(entry));
    row->setToolTip(0, Win32FileEdits::RowCaption(entry));
    row->setText(1, type.typeName);
    row->setIcon(0, SystemImageList::instance().icon(type.iconIndex));
    row->setText(2, entry.Source);
    row->setToolTip(2, entry.Source);
    row->setText(3, fileFlagWords(entry));
}

void TWin32InstallationForm::FillFileList()
{
    m_rows.Detach();
    const Win32FolderNode *node = selectedFolderNode();
    {
        QSignalBlocker blocker(lv_win32_files);
        lv_win32_files->clear();
        const bool canAdd = canDropFiles();
        for (QPushButton *button : {bt_insert_files, bt_import_folders, bt_add_item})
            button->setEnabled(canAdd);
        if (node) {
            const bool allFiles = node->kind == Win32FolderKind::AllFiles;
            const QList<int> files = Win32FileEdits(*m_plugin).FilesInFolder(Win32FolderTree::GetFolderNodePath(*node),
                                                                             allFiles);
            for (int index : files) {
                auto *row = new FileRow(lv_win32_files, m_fileSort);
                row->setData(0, FileIndexRole, index);
                refreshFileRow(row);
            }
            if (!allFiles) {
                for (const auto &child : node->children) {
                    auto *row = new FileRow(lv_win32_files, m_fileSort);
                    row->setData(0, FileIndexRole, FolderRow);
                    row->setText(0, child->text);
                    row->setText(1, QStringLiteral("Folder"));
                    row->setIcon(0, GetFolderIcon(false));
                }
            }
            sortFileList();
        }
        lv_win32_files->setCurrentItem(nullptr);
    }
    m_multiSelectMode = false;
    RebuildFileRows();
    refreshFolderFonts();
}

void TWin32InstallationForm::sortFileList()
{
    // The rows order themselves in m_fileSort's direction, so they are sorted
    // "ascending"; that resets the header's arrow, which shows the real one again.
    lv_win32_files->sortItems(m_fileSort.column, Qt::AscendingOrder);
    showFileSortArrow();
}

void TWin32InstallationForm::showFileSortArrow()
{
    SetListViewSortArrow(lv_win32_files->header(), m_fileSort.column, !m_fileSort.ascending);
}

void TWin32InstallationForm::fileListHeaderClick(int column)
{
    m_fileSort.HeaderClicked(column);
    sortFileList();
}

void TWin32InstallationForm::fileListDoubleClick(QTreeWidgetItem *row)
{
    const Win32FolderNode *node = selectedFolderNode();
    if (!node || !row || fileIndexOf(row) != FolderRow)
        return;
    if (const Win32FolderNode *child = node->child(row->text(0))) {
        QTreeWidgetItem *item = itemOfNode(child);
        item->setExpanded(true);
        tv_win32_folders->setCurrentItem(item);
        tv_win32_foldersClick();
    }
}

Win32FileCommands TWin32InstallationForm::fileCommands() const
{
    const QTreeWidgetItem *focused = lv_win32_files->currentItem();
    return Win32FileCommands::forSelection(selectedFolderNode(), !lv_win32_files->selectedItems().isEmpty(),
                                           focused && fileIndexOf(focused) == FolderRow);
}

void TWin32InstallationForm::updateFileActions()
{
    const Win32FileCommands commands = fileCommands();
    for (QAction *add : {AddItem1, InsertFiles1, ImportFolders1})
        add->setEnabled(commands.addFromList);
    DeleteFiles1->setEnabled(commands.deleteRows);
}

QList<int> TWin32InstallationForm::selectedFileIndexes() const
{
    QList<int> indexes;
    for (const QTreeWidgetItem *row : lv_win32_files->selectedItems()) {
        if (fileIndexOf(row) != FolderRow)
            indexes.append(fileIndexOf(row));
    }
    return indexes;
}

void TWin32InstallationForm::selectFileEntriesFrom(int firstIndex)
{
    QList<QTreeWidgetItem *> added;
    for (int r = 0; r < lv_win32_files->topLevelItemCount(); ++r) {
        QTreeWidgetItem *row = lv_win32_files->topLevelItem(r);
        if (fileIndexOf(row) >= firstIndex)
            added.append(row);
    }
    {
        const QSignalBlocker blocker(lv_win32_files);
        lv_win32_files->clearSelection();
        lv_win32_files->setCurrentItem(added.isEmpty() ? nullptr : added.first());
        for (QTreeWidgetItem *row : std::as_const(added))
            row->setSelected(true);
    }
    m_multiSelectMode = false;
    RebuildFileRows();
}

// ---- the file inspector rows ---------------------------------------------------------

void TWin32InstallationForm::RebuildFileRows()
{
    const QList<QTreeWidgetItem *> selected = lv_win32_files->selectedItems();
    const bool keepMultipleRows = m_multiSelectMode && selected.size() > 1;
    if (keepMultipleRows)
        m_rows.Detach();
    else
        m_rows.Clear();
    updateFileActions();
    QTreeWidgetItem *focused = lv_win32_files->currentItem();
    if (!focused || m_plugin->FileEntries.IsEmpty() || fileIndexOf(focused) == FolderRow) {
        if (!keepMultipleRows) {
            m_rows.Clear();
            m_rows.AddCategory(focused && fileIndexOf(focused) == FolderRow ? QStringLiteral("Folder Selected")
                                                                            : QStringLiteral("No File is Selected"));
        }
        m_rows.Attach([this](TNxPropertyItem *item, const QString &value) { FileRowChanged(item, value); }, {});
        return;
    }
    const TWin32FileEntry &entry = m_plugin->FileEntries[fileIndexOf(focused)];
    if (selected.size() <= 1) {
        m_rows.AddRows<TWin32FileEntry>(fileEntryRows(), entry);
        if (auto *source = qobject_cast<TNxButtonItem *>(m_rows.inspector()->items()->findByTag(0)))
            connect(source, &TNxButtonItem::buttonClick, this, &TWin32InstallationForm::BrowseFileSource);
        m_rows.inspector()->items()->findByTag(2)->setEmptyValue(QStringLiteral("< same as source >"));
    } else if (!keepMultipleRows) {
        const EntryRow<TWin32FileEntry> &destination = multipleFilesDestinationRow();
        TNxPropertyItem *category = m_rows.AddCategory(destination.category);
        m_rows.AddRow(category, destination.caption, destination.kind, destination.tag, destination.valueOf(entry));
        // The rows the files share, the destination once.
        m_rows.AddRows<TWin32FileEntry>(fileEntryRows(), entry, [&destination](const auto &row) {
            return Win32FileEdits::IsSharedRow(row.tag) && row.tag != destination.tag;
        });
    }
    m_multiSelectMode = selected.size() >= 2;
    m_rows.Attach([this](TNxPropertyItem *item, const QString &value) { FileRowChanged(item, value); },
                  [this](TNxPropertyItem *item) { FileRowSelected(item); });
}

void TWin32InstallationForm::FileRowSelected(TNxPropertyItem *item)
{
    if (item)
        setChoices(item, Win32FileEdits(*m_plugin).Choices(item->tag()));
    writeHelp();
}

void TWin32InstallationForm::FileRowChanged(TNxPropertyItem *item, const QString &value)
{
    QTreeWidgetItem *focused = lv_win32_files->currentItem();
    const EntryRow<TWin32FileEntry> *row = item ? rowOfTag(fileEntryRows(), item->tag()) : nullptr;
    if (!focused || !row || fileIndexOf(focused) == FolderRow)
        return;
    const int rememberedRow = lv_win32_files->indexOfTopLevelItem(focused);
    const QSignalBlocker blocker(lv_win32_files);
    Win32FileEdits edits(*m_plugin);
    edits.ChangeRow(fileIndexOf(focused), selectedFileIndexes(), *row, value);
    const Win32FolderNode *node = selectedFolderNode();
    const bool allFiles = !node || node->kind == Win32FolderKind::AllFiles;
    const QString nodePath = node ? Win32FolderTree::GetFolderNodePath(*node) : QString();
    const QList<QTreeWidgetItem *> selected = lv_win32_files->selectedItems();
    bool removed = false;
    for (auto it = selected.crbegin(); it != selected.crend(); ++it) {
        const int index = fileIndexOf(*it);
        if (index == FolderRow)
            continue;
        if (!allFiles && !edits.IsListedIn(index, nodePath)) {
            delete *it;
            removed = true;
        } else {
            refreshFileRow(*it);
        }
    }
    if (removed) {
        m_folders.AddFolderNodes(*m_plugin);
        m_folders.Sort();
        showFolderTreeKeepingList(selectedFolderPath(),
                                  node && !node->parent ? node->kind : Win32FolderKind::Plain);
        lv_win32_files->clearSelection();
        const int last = std::min(rememberedRow, lv_win32_files->topLevelItemCount() - 1);
        if (last >= 0) {
            lv_win32_files->setCurrentItem(lv_win32_files->topLevelItem(last));
            lv_win32_files->topLevelItem(last)->setSelected(true);
        } else {
            lv_win32_files->setCurrentItem(nullptr);
        }
        // The rows are rebuilt once this change has returned to the inspector.
        QTimer::singleShot(0, this, [this] {
            m_multiSelectMode = false;
            RebuildFileRows();
        });
    }
    markModified();
}

void TWin32InstallationForm::BrowseFileSource()
{
    TNxPropertyItem *source = m_rows.inspector()->items()->findByTag(0);
    if (!source)
        return;
    TMakeRelativeOpenDialog dialog;
    dialog.Checked = true;
    dialog.Filter = QStringLiteral("All Files (*.*)|*.*");
    dialog.FileName = source->value();
    if (!dialog.Execute(this))
        return;
    source->setValue(StoredFileReference(m_project.GetFileName(), dialog.FileName, dialog.Checked));
    markModified();
}

// ---- adding files ------------------------------------------------------------------

QString TWin32InstallationForm::insertionFolder() const
{
    const Win32FolderNode *node = selectedFolderNode();
    if (!node)
        return QStringLiteral("{app}");
    const QTreeWidgetItem *focused = lv_win32_files->currentItem();
    const QString folderRow = focused && fileIndexOf(focused) == FolderRow ? focused->text(0) : QString();
    return Win32FileEdits::InsertionFolder(Win32FolderTree::GetFolderNodePath(*node), folderRow);
}

void TWin32InstallationForm::AddItemClick()
{
    updateFileActions();
    if (!AddItem1->isEnabled())
        return;
    const int added = Win32FileEdits(*m_plugin).AddItem(insertionFolder());
    FillFileList();
    selectFileEntriesFrom(added);
    markModified();
}

bool TWin32InstallationForm::runAddFilesOptions(const QString &folder, const QStringList &paths, bool relative,
                                                AddFilesOptions &options)
{
    TDropFilesDialog dialog(this);
    dialog.cb_InstallFolder->addItems(Win32FileEdits(*m_plugin).FolderChoices());
    dialog.cb_InstallFolder->setEditText(folder);
    dialog.cb_Relative->setChecked(relative);
    const bool anyFolder = std::any_of(paths.begin(), paths.end(), [](const QString &p) { return QFileInfo(p).isDir(); });
    dialog.cb_Recurse->setChecked(anyFolder);
    dialog.cb_Recurse->setEnabled(anyFolder);
    if (m_runDialog(dialog) != QDialog::Accepted)
        return false;
    options.folder = dialog.cb_InstallFolder->currentText();
    options.relative = dialog.cb_Relative->isChecked();
    options.recurse = dialog.cb_Recurse->isChecked();
    return true;
}

void TWin32InstallationForm::addFilesWithOptions(const QStringList &paths, const AddFilesOptions &options)
{
    const int firstAdded = m_plugin->FileEntries.Count();
    Win32FileEdits(*m_plugin).AddPaths(paths, options, m_project.GetFileName());
    BuildFolderTree();
    selectFileEntriesFrom(firstAdded);
    markModified();
}

void TWin32InstallationForm::InsertFilesClick()
{
    updateFileActions();
    if (!InsertFiles1->isEnabled())
        return;
    TMakeRelativeOpenDialog dialog;
    dialog.AllowMultiSelect = true;
    dialog.Checked = true;
    dialog.Filter = QStringLiteral("All Files (*.*)|*.*");
    if (!dialog.Execute(this))
        return;
    AddFilesOptions options;
    if (runAddFilesOptions(insertionFolder(), dialog.Files, dialog.Checked, options))
        addFilesWithOptions(dialog.Files, options);
}

void TWin32InstallationForm::ImportFoldersClick()
{
    updateFileActions();
    if (!ImportFolders1->isEnabled())
        return;
    QString folder;
    if (BrowseForFolder(folder, QStringLiteral("Select folder to import into Installation")))
        AddDroppedPaths({folder});
}

void TWin32InstallationForm::AddDroppedPaths(const QStringList &paths)
{
    AddFilesOptions options;
    if (runAddFilesOptions(selectedFolderPath(), paths, true, options))
        addFilesWithOptions(paths, options);
}

// ---- deleting, folders, explorer ---------------------------------------------------

void TWin32InstallationForm::DeleteFileRowsClick()
{
    // The Delete key acts as the menu's "Delete" does, which is off under "Install Directories".
    updateFileActions();
    const Win32FolderNode *node = selectedFolderNode();
    if (!DeleteFiles1->isEnabled() || !lv_win32_files->currentItem() || !node || !confirm(SureText))
        return;
    QStringList folderNames;
    for (const QTreeWidgetItem *row : lv_win32_files->selectedItems()) {
        if (fileIndexOf(row) == FolderRow)
            folderNames.append(row->text(0));
    }
    Win32FileEdits(*m_plugin).DeleteListedRows(Win32FolderTree::GetFolderNodePath(*node), selectedFileIndexes(),
                                               folderNames);
    BuildFolderTree();
    markModified();
}

void TWin32InstallationForm::AddFolderClick()
{
    if (!fileCommands().addFolder)
        return;
    const QString path = Win32FileEdits(*m_plugin).AddFolder(*selectedFolderNode());
    BuildFolderTree();
    selectFolder(path);
    tv_win32_folders->editItem(tv_win32_folders->currentItem());
    markModified();
}

void TWin32InstallationForm::DeleteFolderClick()
{
    const Win32FolderNode *node = selectedFolderNode();
    if (!fileCommands().deleteFolder || !confirm(SureText))
        return;
    const QString parentPath = Win32FolderTree::GetFolderNodePath(*node->parent);
    Win32FileEdits(*m_plugin).DeleteFolder(Win32FolderTree::GetFolderNodePath(*node));
    m_folders = Win32FolderTree::Build(*m_plugin);
    showFolderTree(parentPath, Win32FolderKind::InstallDirectories);
    markModified();
}

void TWin32InstallationForm::RenameFolderClick()
{
    if (fileCommands().renameFolder)
        tv_win32_folders->editItem(tv_win32_folders->currentItem());
}

bool TWin32InstallationForm::renameSelectedFolder(const QString &newName)
{
    const Win32FolderNode *node = selectedFolderNode();
    if (!fileCommands().renameFolder)
        return false;
    const FolderNameCheck check = Win32FolderTree::CheckNewName(*node, newName);
    if (check == FolderNameCheck::Unchanged)
        return true;
    if (check != FolderNameCheck::Fine) {
        QSignalBlocker blocker(tv_win32_folders);
        tv_win32_folders->currentItem()->setText(0, node->text);
        blocker.unblock();
        if (check == FolderNameCheck::Duplicate)
            ShowEditorError(this, QStringLiteral("Duplicate name, please enter another one"));
        return false;
    }
    const QString oldPath = Win32FolderTree::GetFolderNodePath(*node);
    const QString newPath = Win32FolderTree::RenamedPath(*node, newName);
    Win32FileEdits(*m_plugin).RenameFolder(oldPath, newPath);
    m_folders = Win32FolderTree::Build(*m_plugin);
    showFolderTree(newPath, Win32FolderKind::InstallDirectories);
    markModified();
    return true;
}

void TWin32InstallationForm::OpenExplorerClick()
{
    const QString folder = ExtractFileFolder(m_project.GetFileName());
    ShellServices::current().openDocument(folder.isEmpty() ? QStringLiteral(".") : folder);
}

} // namespace talmo
