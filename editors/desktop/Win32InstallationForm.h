#pragma once

#include "editors/common/DialogRunner.h"
#include "editors/common/DialogStartFolder.h"
#include "editors/common/FileTypeLookup.h"
#include "editors/desktop/Win32InspectorRows.h"
#include "editors/core/ListSortOrder.h"
#include "editors/core/desktop/Win32FileCommands.h"
#include "editors/core/desktop/Win32FileEdits.h"
#include "editors/core/desktop/Win32FolderTree.h"
#include "editors/core/desktop/Win32RegistryKeys.h"
#include "pagehost/HostedPage.h"

#include <optional>

class QAction;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace talmo {

class IProjectWindowHost;
class TNxEdit;
class TNxPageControl;
class TNxPropertyItem;
class TProjectContainer;
struct TWin32Plugin;

// The page of one desktop-installer module: its files and folders,
// shortcuts, registry values, programs to run and items to delete. Each tab
// edits its entries through the project window's shared inspector; every
// change goes into the module at once and sets Modified.
class TWin32InstallationForm : public HostedPage
{
    Q_OBJECT
public:
    enum Page { FilesPage, ShortcutsPage, RegistryPage, InstallRunPage, UninstallRunPage, InstallDeletePage,
                UninstallDeletePage };
    // The page's report lists.
    enum class List { Files, Icons, Registry, InstallRun, UninstallRun, InstallDelete, UninstallDelete };
    // The file list's look, numbered as the settings store it.
    enum ViewStyle { IconView, SmallIconView, ListView, ReportView };

    // fileTypes: the program-wide cache of file icons and type names; without
    // one the page keeps its own.
    TWin32InstallationForm(TProjectContainer &project, IProjectWindowHost &host, int moduleIndex,
                           QWidget *parent = nullptr, FileTypeIconCache *fileTypes = nullptr);
    ~TWin32InstallationForm() override;

    // Every dialog the page shows goes through this, so tests fill and close them.
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

    void refreshFromProject() override { RefreshFromPlugin(); }
    int activePage() const;
    void setActivePage(int page);

    // One column of a list's rows as shown, top to bottom.
    QStringList listColumn(List list, int column) const;
    // Selects these rows of a list, the first one focused, as the user's clicks do.
    void selectRows(List list, const QList<int> &rows);
    // The selected rows of a list, top to bottom.
    QList<int> selectedRows(List list) const;

    // "Files"
    void AddItemClick();
    void InsertFilesClick();
    void ImportFoldersClick();
    void AddDroppedPaths(const QStringList &paths);
    void DeleteFileRowsClick();
    void AddFolderClick();
    void DeleteFolderClick();
    void RenameFolderClick();
    // Ends an in-place rename of the selected folder; false when refused.
    bool renameSelectedFolder(const QString &newName);
    void OpenExplorerClick();
    void fileListHeaderClick(int column);
    // The selected folder node's path; empty for the roots or without a selection.
    QString selectedFolderPath() const;
    // Selects the node of this folder path and lists it; false when the tree has none.
    bool selectFolder(const QString &path);
    // Selects "All Files" or "Install Directories" and lists it.
    void selectFolderRoot(Win32FolderKind kind);
    bool MultiSelectMode() const { return m_multiSelectMode; }
    // A drop of files and folders from the desktop is taken while a folder
    // other than "Install Directories" is selected.
    bool canDropFiles() const;
    int viewStyle() const { return m_viewStyle; }
    void setViewStyle(int style);
    ListSortOrder fileSortOrder() const { return m_fileSort; }

    // "Shortcuts"
    void AddIconClick();
    void UninstallApplicationClick();
    void ProgramOnTheWebClick();
    void DeleteIconClick();

    // "Registry"
    void AddRegistryEntryClick();
    void DeleteRegistryEntriesClick();
    void CreteKeyClick();
    void DeleteKeyClick();
    void RenameKeyClick();
    bool renameSelectedKey(const QString &newName);
    void ImportRegistryFileClick();
    void ImportRegistryFile(const QString &fileName);
    void AddFileAssociationClick();
    void registryHeaderClick(int column);
    // Selects the key of this path (as RegistryKeyTree::KeyPath writes it) and lists its values.
    bool selectKey(const QString &keyPath);
    bool CanAddRegistryValue() const;
    ListSortOrder registrySortOrder() const { return m_registrySort; }

    // "Run on Install", "Run on Uninstall"
    void AddRunClick(bool install);
    void DeleteRunClick(bool install);

    // "Delete on Install", "Delete on Uninstall"
    void AddDeleteClick(bool install);
    void DeleteDeleteClick(bool install);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The tab's content above a row of buttons at the bottom.
    static QWidget *tabWithButtons(QWidget *content, const QList<QPushButton *> &buttons);
    // A tree beside a list, the splitter between them.
    // The tree takes at least leastWidth and room for the longest of the names.
    static QWidget *treeBesideList(QTreeWidget *tree, QTreeWidget *list, int leastWidth, const QStringList &nodeNames);
    QWidget *createFilesTab();
    QWidget *createShortcutsTab();
    QWidget *createRegistryTab();
    QWidget *createRunTab(bool install);
    QWidget *createDeleteTab(bool install);
    void RefreshFromPlugin();
    void TntPageControl1Change();
    void tb_captionChange();
    void readSettings();
    void writeSettings() const;
    void writeHelp();
    void rebuildActiveRows();
    bool confirm(const QString &text);
    void markModified();
    QTreeWidget *listWidget(List list) const;
    QTreeWidget *runList(bool install) const { return install ? lv_installrun : lv_UninstallRun; }
    QTreeWidget *deleteList(bool install) const { return install ? lv_InstallDelete : lv_UninstallDelete; }
    // Sets a drop-down row's lines, when the row is a drop-down and has any.
    static void setChoices(TNxPropertyItem *item, const std::optional<QStringList> &lines);

    // Files tab.
    void BuildFolderTree();
    void tv_win32_foldersClick();
    void FillFileList();
    void RebuildFileRows();
    void FileRowChanged(TNxPropertyItem *item, const QString &value);
    void FileRowSelected(TNxPropertyItem *item);
    void BrowseFileSource();
    void fileListDoubleClick(QTreeWidgetItem *row);
    const Win32FolderNode *selectedFolderNode() const;
    QTreeWidgetItem *itemOfNode(const Win32FolderNode *node) const;
    void addFolderItems(QTreeWidgetItem *item, const Win32FolderNode &node);
    // Shows m_folders, nothing selected yet.
    void fillFolderTree();
    void showFolderTree(const QString &selectedPath, Win32FolderKind selectedRoot);
    // Shows m_folders again, this path's node current, without listing it anew.
    void showFolderTreeKeepingList(const QString &selectedPath, Win32FolderKind selectedRoot);
    void refreshFolderFonts();
    void refreshFileRow(QTreeWidgetItem *row);
    void sortFileList();
    void showFileSortArrow();
    Win32FileCommands fileCommands() const;
    void updateFileActions();
    QString insertionFolder() const;
    bool runAddFilesOptions(const QString &folder, const QStringList &paths, bool relative, AddFilesOptions &options);
    void addFilesWithOptions(const QStringList &paths, const AddFilesOptions &options);
    // Selects the listed rows of the file entries from this index on, the
    // ones just added, so the inspector edits them.
    void selectFileEntriesFrom(int firstIndex);
    QList<int> selectedFileIndexes() const;

    // Registry tab.
    void BuildRegistryTree();
    void tv_registryClick();
    void RegistryListSelect();
    void RegistryRowChanged(TNxPropertyItem *item, const QString &value);
    RegistryKeyNode *selectedKeyNode() const;
    void addKeyItems(QTreeWidgetItem *item, const RegistryKeyNode &node);
    // Shows m_keys and selects the key of this path (the root when it has none).
    void showKeyTree(const QString &selectedKeyPath, bool refreshValues);
    void refreshRegistryRow(QTreeWidgetItem *row);
    void sortRegistryList();
    void completeKeyNodes();

    // Shortcut, run and delete tabs.
    void FillIconList();
    void IconListSelect();
    void IconRowChanged(TNxPropertyItem *item, const QString &value);
    void IconRowSelected(TNxPropertyItem *item);
    void showAddedIcon(int index);
    void FillRunList(bool install);
    void RunListSelect(bool install);
    void RunRowChanged(bool install, TNxPropertyItem *item, const QString &value);
    void RunRowSelected(bool install, TNxPropertyItem *item);
    void FillDeleteList(bool install);
    void DeleteListSelect(bool install);
    void DeleteRowChanged(bool install, TNxPropertyItem *item, const QString &value);
    void DeleteRowSelected(bool install, TNxPropertyItem *item);

    QTreeWidget *tv_win32_folders;
    QTreeWidget *lv_win32_files;
    QPushButton *bt_add_item;
    QPushButton *bt_insert_files;
    QPushButton *bt_import_folders;
    QPushButton *bt_open_explorer;
    QMenu *JvPopupMenu1;
    QAction *AddItem1;
    QAction *InsertFiles1;
    QAction *ImportFolders1;
    QAction *DeleteFiles1;
    QMenu *ViewAs1;
    QMenu *Sort1;
    QMenu *PopupMenu1;
    QAction *AddFolder1;
    QAction *DeleteFolder1;
    QAction *RenameFolder1;

    QTreeWidget *lv_icons;
    QPushButton *bt_add_icon;
    QPushButton *bt_auto_icons;
    QMenu *pm_AutoIcons;

    QTreeWidget *tv_registry;
    QTreeWidget *lv_registry;
    QPushButton *bt_add_registry;
    QPushButton *bt_registry_tools;
    QMenu *pm_RegTools;
    QAction *AddEnrty1;
    QMenu *JvPopupMenu6;
    QAction *CreteKey1;
    QAction *DeleteKey1;
    QAction *RenameKey1;

    QTreeWidget *lv_installrun;
    QTreeWidget *lv_UninstallRun;
    QPushButton *bt_installrun_add;
    QPushButton *bt_uninstallrun_add;

    QTreeWidget *lv_InstallDelete;
    QTreeWidget *lv_UninstallDelete;
    QPushButton *bt_InstallDelete_add;
    QPushButton *bt_UninstallDelete_add;

    TNxEdit *NxEdit1;
    TNxPageControl *NxPageControl1;

    TProjectContainer &m_project;
    IProjectWindowHost &m_host;
    TWin32Plugin *m_plugin;
    Win32InspectorRows m_rows;
    DialogRunner m_runDialog = execDialog();
    DialogStartFolder m_insertFilesFolder;
    DialogStartFolder m_importFoldersFolder;
    FileTypeLookup m_fileTypes;
    Win32FolderTree m_folders;
    RegistryKeyTree m_keys;
    ListSortOrder m_fileSort;
    ListSortOrder m_registrySort;
    bool m_multiSelectMode = false;
    int m_viewStyle = ReportView;
};

} // namespace talmo
