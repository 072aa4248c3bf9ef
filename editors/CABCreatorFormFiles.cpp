#include "editors/CABCreatorForm.h"

#include "editors/DropFilesDialog.h"
#include "editors/EditorMessages.h"
#include "editors/core/DeviceFileEntries.h"
#include "helpers/ui/UiServices.h"
#include "model/ProjectContainer.h"
#include "widgets/NxComboBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTreeWidget>

namespace talmo {

namespace {

constexpr int NodeRole = Qt::UserRole;
constexpr int FileIndexRole = Qt::UserRole;

const DeviceFolderNode *nodeOf(const QTreeWidgetItem *item)
{
    return item ? static_cast<const DeviceFolderNode *>(item->data(0, NodeRole).value<const void *>()) : nullptr;
}

} // namespace

void TCABCreatorForm::addTreeItems(QTreeWidgetItem *item, const DeviceFolderNode &node)
{
    item->setText(0, node.text);
    item->setData(0, NodeRole, QVariant::fromValue(static_cast<const void *>(&node)));
    for (const auto &child : node.children)
        addTreeItems(new QTreeWidgetItem(item), *child);
}

void TCABCreatorForm::BuildDeviceFolderTree()
{
    RefreshCopyFilesNames(m_project);
    const int target = selectedTargetIndex(cb_ppcfs_targets);
    const QString remembered = selectedFolderPath();
    QSignalBlocker blocker(tv_ppcfs_folders);
    tv_ppcfs_folders->clear();
    m_folders = target >= 0 ? DeviceFolderTree::Build(m_project, m_project.CEDevices[target]) : DeviceFolderTree();
    auto *root = new QTreeWidgetItem(tv_ppcfs_folders);
    addTreeItems(root, m_folders.root());
    root->setExpanded(true);
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
            tv_ppcfs_folders->setCurrentItem(*it);
            tv_ppcfs_foldersSelectionChange();
            return true;
        }
    }
    return false;
}

void TCABCreatorForm::tv_ppcfs_foldersSelectionChange()
{
    lv_ppcfs_files->clear();
    const int target = selectedTargetIndex(cb_ppcfs_targets);
    if (target < 0 || !tv_ppcfs_folders->currentItem())
        return;
    TCEDevice &device = m_project.CEDevices[target];
    for (int index : DeviceFileEntries(m_project, device).FilesInFolder(selectedFolderPath())) {
        const TPPCFS_File &file = device.Files[index];
        auto *row = new QTreeWidgetItem(lv_ppcfs_files, {file.DestinationName, QString(),
                                                         file.SourceDir + file.SourceName,
                                                         CopyFlagName(file.Attributes)});
        row->setData(0, FileIndexRole, index);
    }
    if (QTreeWidgetItem *first = lv_ppcfs_files->topLevelItem(0))
        first->setSelected(true);
}

bool TCABCreatorForm::canDropFiles() const
{
    const DeviceFolderNode *node = nodeOf(tv_ppcfs_folders->currentItem());
    return node && node->parent && selectedTargetIndex(cb_ppcfs_targets) >= 0;
}

void TCABCreatorForm::showFolders(const QString &selectedPath)
{
    {
        QSignalBlocker blocker(tv_ppcfs_folders);
        tv_ppcfs_folders->clear();
        addTreeItems(new QTreeWidgetItem(tv_ppcfs_folders), m_folders.root());
        tv_ppcfs_folders->expandAll();
    }
    selectFolder(selectedPath);
}

void TCABCreatorForm::ppcfs_add_folderClick()
{
    const DeviceFolderNode *node = nodeOf(tv_ppcfs_folders->currentItem());
    if (!node)
        return;
    const QString path = DeviceFolderTree::GetNodePath(*node) + DeviceFolderTree::NewFolderName(*node);
    m_folders.AddFolderPath(path);
    m_folders.Sort();
    showFolders(path);
    m_project.Modified = true;
}

bool TCABCreatorForm::renameSelectedFolder(const QString &newName)
{
    const DeviceFolderNode *node = nodeOf(tv_ppcfs_folders->currentItem());
    const int target = selectedTargetIndex(cb_ppcfs_targets);
    if (!node || node->builtIn || target < 0)
        return false;
    if (DeviceFolderTree::IsDuplicateName(*node, newName)) {
        ShowEditorError(this, QStringLiteral("Duplicate name, please enter another one"));
        return false;
    }
    const QString oldPath = DeviceFolderTree::GetNodePath(*node);
    DeviceFileEntries(m_project, m_project.CEDevices[target]).RenameFolder(oldPath, newName);
    QStringList parts = DeviceFolderTree::SplitPath(oldPath);
    parts.last() = newName;
    const QString newPath = parts.join(QLatin1Char('\\')) + QLatin1Char('\\');
    BuildDeviceFolderTree();
    // A folder without files lives only in the tree: keep it there.
    m_folders.AddFolderPath(newPath);
    m_folders.Sort();
    showFolders(newPath);
    return true;
}

void TCABCreatorForm::ppcfs_delete_folderClick()
{
    const DeviceFolderNode *node = nodeOf(tv_ppcfs_folders->currentItem());
    const int target = selectedTargetIndex(cb_ppcfs_targets);
    if (!node || node->builtIn || target < 0 || !ConfirmEditorAction(this, QStringLiteral("Are you sure ? ")))
        return;
    DeviceFileEntries(m_project, m_project.CEDevices[target]).DeleteFolder(DeviceFolderTree::GetNodePath(*node));
    m_project.Modified = true;
    BuildDeviceFolderTree();
}

void TCABCreatorForm::ppcfs_add_fileClick()
{
    const int target = selectedTargetIndex(cb_ppcfs_targets);
    if (!canDropFiles())
        return;
    DeviceFileEntries(m_project, m_project.CEDevices[target])
        .AddFileEntry(selectedFolderPath(), QStringLiteral("ChangeMe"), true);
    tv_ppcfs_foldersSelectionChange();
}

void TCABCreatorForm::ppcfs_delete_fileClick()
{
    const int target = selectedTargetIndex(cb_ppcfs_targets);
    const QList<QTreeWidgetItem *> rows = lv_ppcfs_files->selectedItems();
    if (target < 0 || rows.isEmpty() || !ConfirmEditorAction(this, QStringLiteral("Are you sure ?")))
        return;
    QList<int> indexes;
    for (const QTreeWidgetItem *row : rows)
        indexes.append(row->data(0, FileIndexRole).toInt());
    DeviceFileEntries(m_project, m_project.CEDevices[target]).DeleteFiles(indexes);
    tv_ppcfs_foldersSelectionChange();
}

void TCABCreatorForm::ImportFolders1Click()
{
    if (!canDropFiles())
        return;
    const std::optional<QString> folder = UiServices::current().pickFolder(
        this, QStringLiteral("Select folder to import into Windows Mobile Installation"), QString());
    if (folder)
        AddFilesToTarget({*folder});
}

void TCABCreatorForm::AddFilesToTarget(const QStringList &names)
{
    const int target = selectedTargetIndex(cb_ppcfs_targets);
    if (target < 0)
        return;
    DeviceFileEntries entries(m_project, m_project.CEDevices[target]);
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
    m_project.Modified = true;
}

} // namespace talmo
