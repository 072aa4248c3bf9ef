#include "editors/cab/CABCreatorForm.h"

#include "editors/dialogs/DropFilesDialog.h"
#include "editors/common/EditorMessages.h"
#include "editors/common/FileDropTarget.h"
#include "editors/common/FileReference.h"
#include "editors/common/FileReferenceBrowser.h"
#include "editors/cab/CaptionOrderedRow.h"
#include "editors/cab/PopupMenuItem.h"
#include "editors/cab/PpcFileProperties.h"
#include "editors/core/device/DeviceFileEntries.h"
#include "editors/core/device/DeviceFolderEdits.h"
#include "editors/core/device/ListActions.h"
#include "helpers/core/PathHelpers.h"
#include "helpers/ui/CheckBoxOpenDialogs.h"
#include "helpers/ui/ItemEditorClosing.h"
#include "helpers/ui/ListViewHelpers.h"
#include "helpers/ui/SystemImageList.h"
#include "helpers/ui/TntButtonEdit.h"
#include "helpers/ui/TreeExpansion.h"
#include "helpers/ui/UiServices.h"
#include "model/ProjectContainer.h"
#include "widgets/NextInspector.h"
#include "widgets/NxButtonItem.h"
#include "widgets/NxComboBox.h"
#include "widgets/NxComboBoxItem.h"
#include "widgets/NxHeaderPanel.h"
#include "widgets/NxSplitter.h"
#include "widgets/NxTextItem.h"
#include "widgets/SplitterStacking.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace talmo {

namespace {

constexpr int NodeRole = Qt::UserRole;
constexpr int FileIndexRole = Qt::UserRole;
constexpr int IconViewStyle = 0;
const QString AllFilesFilter = QStringLiteral("All Files (*.*)|*.*");

const DeviceFolderNode *nodeOf(const QTreeWidgetItem *item)
{
    return item ? static_cast<const DeviceFolderNode *>(item->data(0, NodeRole).value<const void *>()) : nullptr;
}

QIcon folderIcon()
{
    const SystemImageList &images = SystemImageList::instance();
    QIcon icon;
    icon.addPixmap(images.icon(GetFolderIconIndex(false)).pixmap(16), QIcon::Normal);
    icon.addPixmap(images.icon(GetFolderIconIndex(true)).pixmap(16), QIcon::Selected);
    return icon;
}

} // namespace

QWidget *TCABCreatorForm::createFilesTab()
{
    auto *tab = new QWidget;
    cb_ppcfs_targets->setStyle(dsDropDownList);
    tv_ppcfs_folders->setHeaderHidden(true);
    tv_ppcfs_folders->setContextMenuPolicy(Qt::CustomContextMenu);
    tv_ppcfs_folders->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Stacked above the files in a low window, a few rows of folders do.
    tv_ppcfs_folders->setMinimumHeight(60);
    lv_ppcfs_files->setRootIsDecorated(false);
    lv_ppcfs_files->setHeaderLabels({"Filename", "Type", "Source", "Flags"});
    lv_ppcfs_files->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lv_ppcfs_files->setContextMenuPolicy(Qt::CustomContextMenu);
    lv_ppcfs_files->header()->setSectionsClickable(true);
    lv_ppcfs_files->setColumnWidth(0, 129);
    lv_ppcfs_files->setColumnWidth(2, 127);
    lv_ppcfs_files->setColumnWidth(3, 127);
    createFileInspector();

    NxHeaderPanel1->setCaption(QStringLiteral("Folders"));
    NxHeaderPanel1->setHeaderSize(20);
    auto *folders = new QVBoxLayout(NxHeaderPanel1);
    folders->addWidget(tv_ppcfs_folders);
    NxHeaderPanel2->setCaption(QStringLiteral("Files"));
    NxHeaderPanel2->setHeaderSize(20);
    auto *files = new QVBoxLayout(NxHeaderPanel2);
    files->addWidget(lv_ppcfs_files, 1);
    files->addWidget(NextInspector1);
    NxSplitter1->setOpaqueResize(true);
    NxSplitter1->addWidget(NxHeaderPanel1);
    NxSplitter1->addWidget(NxHeaderPanel2);
    NxSplitter1->setStretchFactor(1, 1);
    NxSplitter1->setSizes({245, 400});
    // The folder names need about 220 pixels, the file columns and the
    // inspector's captions about 420; narrower than both, the panes stack.
    SplitterStacking::install(NxSplitter1, 650);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Files for Target"), tab));
    top->addWidget(cb_ppcfs_targets, 1);
    auto *column = new QVBoxLayout(tab);
    column->addLayout(top);
    column->addWidget(NxSplitter1, 1);
    return tab;
}

void TCABCreatorForm::createFileInspector()
{
    NextInspector1->setFixedHeight(79);
    NextInspector1->setOptions(TNextInspector::Options(TNextInspector::poGrid) | TNextInspector::poSplitterMoving
                               | TNextInspector::poUniformSelect);
    NextInspector1->setStyle(psOffice2007);
    // The captions take what they need; the values take the rest of a wide pane.
    NextInspector1->setFitsCaptions(true);
    TNxPropertyItems *items = NextInspector1->items();
    NxTextItem2 = items->addChild<TNxTextItem>(nullptr, QStringLiteral("No File is Selected"));
    NxTextItem2->setReadOnly(true);
    NxTextItem2->setExpanded(true);
    NxTextItem2->setExpandLock(true);
    NxTextItem1 = items->addChild<TNxTextItem>(NxTextItem2, QStringLiteral("Filename"));
    NxButtonItem1 = items->addChild<TNxButtonItem>(NxTextItem2, QStringLiteral("Source"));
    NxButtonItem1->setButtonCaption(QStringLiteral("..."));
    NxComboBoxItem1 = items->addChild<TNxComboBoxItem>(NxTextItem2, QStringLiteral("Attributes"));
    NxComboBoxItem1->setStyle(TNxComboBoxItem::cbDropDownList);
    NxComboBoxItem1->setLines(CopyFlagNames());
}

void TCABCreatorForm::connectFilesTab()
{
    connect(cb_ppcfs_targets, &TNxComboBox::select, this, &TCABCreatorForm::BuildDeviceFolderTree);
    connect(tv_ppcfs_folders, &QTreeWidget::itemSelectionChanged, this,
            &TCABCreatorForm::tv_ppcfs_foldersSelectionChange);
    connect(tv_ppcfs_folders, &QWidget::customContextMenuRequested, this, &TCABCreatorForm::showFoldersPopup);
    // The rename rebuilds the tree, so it waits for the label's editor to close.
    connect(tv_ppcfs_folders, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem *item) {
        AfterItemEditorCloses(*tv_ppcfs_folders, tv_ppcfs_folders->indexFromItem(item),
                              [this, item] { folderLabelEdited(item); });
    });
    connect(lv_ppcfs_files, &QTreeWidget::itemSelectionChanged, this, &TCABCreatorForm::lv_ppcfs_filesSelectItem);
    connect(lv_ppcfs_files, &QTreeWidget::itemDoubleClicked, this, &TCABCreatorForm::lv_ppcfs_filesDblClick);
    connect(lv_ppcfs_files, &QWidget::customContextMenuRequested, this, &TCABCreatorForm::showFilesPopup);
    connect(lv_ppcfs_files->header(), &QHeaderView::sectionClicked, this,
            &TCABCreatorForm::lv_ppcfs_filesColumnClick);
    connect(NextInspector1, &TNextInspector::change, this, &TCABCreatorForm::NextInspector1Change);
    connect(NxButtonItem1, &TNxButtonItem::buttonClick, this, &TCABCreatorForm::NxButtonItem1ButtonClick);
    new FileDropTarget(
        lv_ppcfs_files, [this] { return canDropFiles(); }, [this](const QStringList &names) { AddFilesToTarget(names); });
}

TCEDevice *TCABCreatorForm::filesTarget() const
{
    const int target = selectedTargetIndex(cb_ppcfs_targets);
    return target >= 0 ? &m_project.CEDevices[target] : nullptr;
}

void TCABCreatorForm::addTreeItems(QTreeWidgetItem *item, const DeviceFolderNode &node)
{
    static const QIcon icon = folderIcon();
    // Names and paths a narrow column cuts short show whole in their tool tips.
    item->setText(0, node.text);
    item->setToolTip(0, node.text);
    item->setIcon(0, icon);
    item->setData(0, NodeRole, QVariant::fromValue(static_cast<const void *>(&node)));
    if (DeviceFolderEdits::CanChange(&node))
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    for (const auto &child : node.children)
        addTreeItems(new QTreeWidgetItem(item), *child);
}

void TCABCreatorForm::BuildDeviceFolderTree()
{
    RefreshCopyFilesNames(m_project);
    const TCEDevice *target = filesTarget();
    const QString remembered = selectedFolderPath();
    const TreeExpansion expansion(*tv_ppcfs_folders);
    QSignalBlocker blocker(tv_ppcfs_folders);
    tv_ppcfs_folders->clear();
    m_folders = target ? DeviceFolderTree::Build(m_project, *target) : DeviceFolderTree();
    auto *root = new QTreeWidgetItem(tv_ppcfs_folders);
    addTreeItems(root, m_folders.root());
    root->setExpanded(true);
    expansion.restore(*tv_ppcfs_folders);
    root->setSelected(true);
    tv_ppcfs_folders->setCurrentItem(root);
    blocker.unblock();
    if (remembered.isEmpty() || !selectFolder(remembered))
        tv_ppcfs_foldersSelectionChange();
}

QString TCABCreatorForm::selectedFolderPath() const
{
    const DeviceFolderNode *node = nodeOf(tv_ppcfs_folders->currentItem());
    return node ? DeviceFolderTree::GetNodePath(*node) : QString();
}

bool TCABCreatorForm::selectFolder(const QString &path)
{
    const DeviceFolderNode *wanted = m_folders.FindPath(path);
    if (!wanted)
        return false;
    for (QTreeWidgetItemIterator it(tv_ppcfs_folders); *it; ++it) {
        if (nodeOf(*it) == wanted) {
            {
                // One fill of the list, whether or not the selection moves.
                QSignalBlocker blocker(tv_ppcfs_folders);
                tv_ppcfs_folders->setCurrentItem(*it);
            }
            tv_ppcfs_foldersSelectionChange();
            return true;
        }
    }
    return false;
}

void TCABCreatorForm::showFileRow(QTreeWidgetItem *row, int index)
{
    TCEDevice &target = *filesTarget();
    const TPPCFS_File &file = target.Files[index];
    const QString source = DeviceFileEntries(m_project, target).SourcePath(index);
    const FileTypeLookup::FileType type =
        m_fileTypes.LookupReference(m_project.GetFileName(), source, m_filesViewStyle == IconViewStyle);
    row->setText(0, file.DestinationName);
    row->setToolTip(0, file.DestinationName);
    row->setIcon(0, SystemImageList::instance().icon(type.iconIndex));
    row->setText(1, type.typeName);
    row->setText(2, source);
    row->setToolTip(2, source);
    row->setText(3, CopyFlagName(file.Attributes));
    row->setData(0, FileIndexRole, index);
}

void TCABCreatorForm::sortFiles()
{
    lv_ppcfs_files->sortItems(m_fileOrder.column,
                              m_fileOrder.ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void TCABCreatorForm::tv_ppcfs_foldersSelectionChange()
{
    {
        QSignalBlocker blocker(lv_ppcfs_files);
        lv_ppcfs_files->clear();
        TCEDevice *target = filesTarget();
        if (target && tv_ppcfs_folders->currentItem()) {
            const QList<int> shown = DeviceFileEntries(m_project, *target).FilesInFolder(selectedFolderPath());
            QList<QTreeWidgetItem *> rows;
            rows.reserve(shown.size());
            for (int index : shown) {
                auto *row = new CaptionOrderedRow;
                showFileRow(row, index);
                rows.append(row);
            }
            lv_ppcfs_files->addTopLevelItems(rows);
            sortFiles();
            if (QTreeWidgetItem *first = lv_ppcfs_files->topLevelItem(0))
                first->setSelected(true);
        }
    }
    lv_ppcfs_filesSelectItem();
}

void TCABCreatorForm::lv_ppcfs_filesColumnClick(int column)
{
    m_fileOrder.HeaderClicked(column);
    SetListViewSortArrow(lv_ppcfs_files->header(), m_fileOrder.column, !m_fileOrder.ascending);
    sortFiles();
}

QList<QTreeWidgetItem *> TCABCreatorForm::selectedFileRows() const
{
    QList<QTreeWidgetItem *> rows = lv_ppcfs_files->selectedItems();
    std::sort(rows.begin(), rows.end(), [this](QTreeWidgetItem *a, QTreeWidgetItem *b) {
        return lv_ppcfs_files->indexOfTopLevelItem(a) < lv_ppcfs_files->indexOfTopLevelItem(b);
    });
    return rows;
}

QList<int> TCABCreatorForm::selectedFileIndexes() const
{
    QList<int> indexes;
    for (const QTreeWidgetItem *row : selectedFileRows())
        indexes.append(row->data(0, FileIndexRole).toInt());
    return indexes;
}

void TCABCreatorForm::lv_ppcfs_filesSelectItem()
{
    TCEDevice *target = filesTarget();
    const DeviceFileEntries::Inspection shown =
        target ? DeviceFileEntries(m_project, *target).Inspect(selectedFileIndexes()) : DeviceFileEntries::Inspection();
    m_fillingInspector = true;
    NxTextItem2->setCaption(shown.caption);
    for (TNxPropertyItem *child : {static_cast<TNxPropertyItem *>(NxTextItem1), static_cast<TNxPropertyItem *>(NxButtonItem1)})
        child->setVisible(shown.single);
    NxComboBoxItem1->setVisible(shown.showsFlag);
    if (shown.showsFlag)
        NxComboBoxItem1->setValue(shown.flag);
    if (shown.single) {
        NxButtonItem1->setValue(shown.source);
        NxTextItem1->setValue(shown.name);
    }
    m_fillingInspector = false;
}

DeviceFileEntries::Inspection TCABCreatorForm::shownFileProperties() const
{
    DeviceFileEntries::Inspection shown;
    shown.caption = NxTextItem2->caption();
    shown.single = NxTextItem1->visible() && NxButtonItem1->visible();
    shown.showsFlag = NxComboBoxItem1->visible();
    shown.name = NxTextItem1->value();
    shown.source = NxButtonItem1->value();
    shown.flag = NxComboBoxItem1->value();
    return shown;
}

void TCABCreatorForm::NextInspector1Change(TNxPropertyItem *item, const QString &value)
{
    TCEDevice *target = filesTarget();
    const QList<QTreeWidgetItem *> rows = selectedFileRows();
    if (m_fillingInspector || !target || rows.isEmpty())
        return;
    DeviceFileEntries entries(m_project, *target);
    const int first = rows.first()->data(0, FileIndexRole).toInt();
    if (item == NxComboBoxItem1) {
        if (!entries.SetCopyFlagNamed(selectedFileIndexes(), value))
            return;
        for (QTreeWidgetItem *row : rows)
            row->setText(3, value);
    } else if (item == NxButtonItem1) {
        entries.SetSource(first, value);
        showFileRow(rows.first(), first);
    } else if (item == NxTextItem1) {
        entries.SetDestinationName(first, value);
        rows.first()->setText(0, target->Files[first].DestinationName);
        rows.first()->setToolTip(0, target->Files[first].DestinationName);
    } else {
        return;
    }
    sortFiles();
}

void TCABCreatorForm::NxButtonItem1ButtonClick()
{
    const std::optional<QString> chosen =
        BrowseFileReference(this, m_project.GetFileName(), AllFilesFilter, NxButtonItem1->value());
    if (!chosen)
        return;
    NxButtonItem1->setValue(*chosen);
    NxTextItem1->setValue(FileNamePart(*chosen));
}

void TCABCreatorForm::lv_ppcfs_filesDblClick()
{
    TCEDevice *target = filesTarget();
    const QList<QTreeWidgetItem *> rows = selectedFileRows();
    if (!target || rows.size() != 1)
        return;
    const int index = rows.first()->data(0, FileIndexRole).toInt();
    DeviceFileEntries entries(m_project, *target);
    const TPPCFS_File &file = target->Files[index];
    TppcFileProperties dialog(this);
    dialog.eb_ppcfs_source->setText(entries.SourcePath(index));
    dialog.eb_ppcfs_dest->setText(file.DestinationName);
    dialog.cb_ppcfs_flags->setCurrentIndex(file.Attributes);
    dialog.Project = &m_project;
    if (m_runDialog(dialog) != QDialog::Accepted)
        return;
    entries.SetProperties(index, dialog.eb_ppcfs_source->text(), dialog.eb_ppcfs_dest->text(),
                          dialog.cb_ppcfs_flags->currentIndex());
    showFileRow(rows.first(), index);
    sortFiles();
    lv_ppcfs_filesSelectItem();
}

bool TCABCreatorForm::canDropFiles() const
{
    return DeviceFolderEdits::TakesFiles(nodeOf(tv_ppcfs_folders->currentItem())) && filesTarget();
}

void TCABCreatorForm::showFolders(const QString &selectedPath)
{
    {
        QSignalBlocker blocker(tv_ppcfs_folders);
        tv_ppcfs_folders->clear();
        addTreeItems(new QTreeWidgetItem(tv_ppcfs_folders), m_folders.root());
        tv_ppcfs_folders->expandAll();
    }
    if (!selectFolder(selectedPath)) {
        {
            QSignalBlocker blocker(tv_ppcfs_folders);
            tv_ppcfs_folders->setCurrentItem(tv_ppcfs_folders->topLevelItem(0));
        }
        tv_ppcfs_foldersSelectionChange();
    }
}

void TCABCreatorForm::fillFoldersPopup(QMenu &menu)
{
    const DeviceFolderNode *node = nodeOf(tv_ppcfs_folders->currentItem());
    const bool userFolder = DeviceFolderEdits::CanChange(node);
    addPopupMenuItem(menu, QStringLiteral("Add Folder"), DeviceFolderEdits::CanAddFolder(node),
                     [this] { ppcfs_add_folderClick(); });
    menu.addSeparator();
    addPopupMenuItem(menu, QStringLiteral("Delete"), userFolder, [this] { ppcfs_delete_folderClick(); });
    addPopupMenuItem(menu, QStringLiteral("Rename"), userFolder,
              [this] { tv_ppcfs_folders->editItem(tv_ppcfs_folders->currentItem()); });
}

void TCABCreatorForm::fillFilesPopup(QMenu &menu)
{
    const ListActions actions = ListActions::For(canDropFiles(), int(lv_ppcfs_files->selectedItems().size()));
    addPopupMenuItem(menu, QStringLiteral("Add Entry"), actions.add, [this] { ppcfs_add_fileClick(); });
    addPopupMenuItem(menu, QStringLiteral("Insert File(s)"), actions.add, [this] { ppcfs_insert_filesClick(); });
    addPopupMenuItem(menu, QStringLiteral("Import Folder(s)"), actions.add, [this] { ImportFolders1Click(); });
    menu.addSeparator();
    addPopupMenuItem(menu, QStringLiteral("Delete"), actions.remove, [this] { ppcfs_delete_fileClick(); });
    menu.addSeparator();
    addPopupMenuItem(menu, QStringLiteral("Properties"), actions.edit, [this] { lv_ppcfs_filesDblClick(); });
}

void TCABCreatorForm::showFoldersPopup(const QPoint &pos)
{
    if (QTreeWidgetItem *item = tv_ppcfs_folders->itemAt(pos))
        tv_ppcfs_folders->setCurrentItem(item);
    tv_ppcfs_foldersSelectionChange();
    QMenu menu;
    fillFoldersPopup(menu);
    m_runMenu(menu, tv_ppcfs_folders->viewport()->mapToGlobal(pos));
}

void TCABCreatorForm::showFilesPopup(const QPoint &pos)
{
    QMenu menu;
    fillFilesPopup(menu);
    m_runMenu(menu, lv_ppcfs_files->viewport()->mapToGlobal(pos));
}

DeviceFolderEdits TCABCreatorForm::folderEdits()
{
    return DeviceFolderEdits(m_project, filesTarget(), m_folders);
}

void TCABCreatorForm::ppcfs_add_folderClick()
{
    if (!DeviceFolderEdits::CanAddFolder(nodeOf(tv_ppcfs_folders->currentItem())))
        return;
    showFolders(folderEdits().AddFolder(selectedFolderPath()));
    tv_ppcfs_folders->editItem(tv_ppcfs_folders->currentItem());
}

void TCABCreatorForm::folderLabelEdited(QTreeWidgetItem *item)
{
    const DeviceFolderNode *node = nodeOf(item);
    if (!node || item != tv_ppcfs_folders->currentItem() || item->text(0) == node->text)
        return;
    const QString newName = item->text(0);
    if (!renameSelectedFolder(newName)) {
        QSignalBlocker blocker(tv_ppcfs_folders);
        item->setText(0, node->text);
    }
}

bool TCABCreatorForm::renameSelectedFolder(const QString &newName)
{
    const DeviceFolderEdits::Rename renamed = folderEdits().RenameFolder(selectedFolderPath(), newName);
    if (!renamed.error.isEmpty())
        ShowEditorError(this, renamed.error);
    if (renamed.renamed)
        showFolders(renamed.path);
    return renamed.renamed;
}

void TCABCreatorForm::ppcfs_delete_folderClick()
{
    if (!DeviceFolderEdits::CanChange(nodeOf(tv_ppcfs_folders->currentItem())) || !filesTarget()
        || !ConfirmEditorAction(this, QStringLiteral("Are you sure ? ")))
        return;
    if (const std::optional<QString> parentPath = folderEdits().DeleteFolder(selectedFolderPath()))
        showFolders(*parentPath);
}

void TCABCreatorForm::ppcfs_add_fileClick()
{
    if (!canDropFiles())
        return;
    DeviceFileEntries(m_project, *filesTarget()).AddBlankEntry(selectedFolderPath());
    tv_ppcfs_foldersSelectionChange();
}

void TCABCreatorForm::ppcfs_insert_filesClick()
{
    if (!canDropFiles())
        return;
    TMakeRelativeOpenDialog dialog;
    dialog.Checked = true;
    dialog.AllowMultiSelect = true;
    dialog.Filter = AllFilesFilter;
    dialog.InitialDir = m_insertFilesFolder.folder(m_project.GetFileName());
    if (dialog.Execute(this)) {
        m_insertFilesFolder.rememberFile(dialog.FileName);
        DeviceFileEntries entries(m_project, *filesTarget());
        for (const QString &file : dialog.Files)
            entries.AddFileEntry(selectedFolderPath(), file, dialog.Checked);
    }
    tv_ppcfs_foldersSelectionChange();
}

void TCABCreatorForm::ppcfs_delete_fileClick()
{
    TCEDevice *target = filesTarget();
    const QList<int> indexes = selectedFileIndexes();
    if (!target || indexes.isEmpty() || !ConfirmEditorAction(this, QStringLiteral("Are you sure ?")))
        return;
    DeviceFileEntries(m_project, *target).DeleteFiles(indexes);
    tv_ppcfs_foldersSelectionChange();
}

void TCABCreatorForm::ImportFolders1Click()
{
    if (!canDropFiles())
        return;
    const std::optional<QString> folder = UiServices::current().pickFolder(
        this, QStringLiteral("Select folder to import into Windows Mobile Installation"),
        m_importFoldersFolder.folder(m_project.GetFileName()));
    if (!folder)
        return;
    m_importFoldersFolder.rememberFolder(*folder);
    AddFilesToTarget({*folder});
}

void TCABCreatorForm::AddFilesToTarget(const QStringList &names)
{
    TCEDevice *target = filesTarget();
    if (!target)
        return;
    DeviceFileEntries entries(m_project, *target);
    const QString folderPath = selectedFolderPath();
    TDropFilesDialog dialog(this);
    dialog.cb_InstallFolder->setEditText(entries.DestinationFolder(folderPath).chopped(1));
    dialog.cb_InstallFolder->setEnabled(false);
    dialog.cb_Relative->setChecked(true);
    const bool anyFolder = DeviceFileEntries::AnyIsFolder(names);
    dialog.cb_Recurse->setChecked(anyFolder);
    dialog.cb_Recurse->setEnabled(anyFolder);
    if (m_runDialog(dialog) != QDialog::Accepted)
        return;
    entries.AddFilesToTarget(folderPath, names, dialog.cb_Relative->isChecked(), dialog.cb_Recurse->isChecked());
    RefreshFromProject();
}

} // namespace talmo
