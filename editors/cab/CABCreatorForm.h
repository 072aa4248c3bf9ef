#pragma once

#include "editors/common/DialogRunner.h"
#include "editors/common/FileTypeLookup.h"
#include "editors/core/device/CabGeneralOptions.h"
#include "editors/core/device/DeviceFileEntries.h"
#include "editors/core/device/DeviceFolderEdits.h"
#include "editors/core/device/DeviceFolderTree.h"
#include "editors/core/ListSortOrder.h"
#include "editors/core/device/ShortcutDialogValues.h"
#include "model/StringPair.h"
#include "pagehost/HostedPage.h"
#include "widgets/PopupMenuRunner.h"

#include <QPointer>

#include <optional>

class QLabel;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace talmo {

class IProjectWindowHost;
class TNxButtonEdit;
class TNxComboBox;
class TNxEdit;
class TNxHeaderPanel;
class TNextInspector;
class TNxButtonItem;
class TNxComboBoxItem;
class TNxPageControl;
class TNxPropertyItem;
class TNxSplitter;
class TNxTextItem;
class TProjectContainer;
struct FileTypeIconCache;
struct TCEDevice;

// The page of the project's CAB creator module: the device application's
// options, its targets and custom strings, each target's device files,
// registry sections, setup DLL and shortcuts. Edits go into the model at
// once and set Modified.
class TCABCreatorForm : public HostedPage
{
    Q_OBJECT
public:
    // The file list learns its icons and types through fileTypes, the
    // program's shared cache; without one the page keeps its own.
    TCABCreatorForm(TProjectContainer &project, IProjectWindowHost &host, QWidget *parent = nullptr,
                    FileTypeIconCache *fileTypes = nullptr);
    // Stores the page's layout in the settings.
    ~TCABCreatorForm() override;

    // Every dialog the page shows goes through this, so tests fill and close them.
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    // The popup menus too.
    void setPopupMenuRunner(PopupMenuRunner runner) { m_runMenu = std::move(runner); }

    void refreshFromProject() override { RefreshFromProject(); }
    void RefreshFromProject();

    // The page's report lists.
    enum class List { Targets, Strings, Files, Shortcuts };
    // The texts of one column of the list, row by row, as the page shows them.
    QStringList shownColumn(List list, int column) const;
    // The first cells of the list's selected rows.
    QStringList selectedCaptions(List list) const;
    // The targets the files and shortcuts tabs choose from.
    QStringList targetChoices() const;
    int filesTargetIndex() const;

    // "Cab Settings"
    void gui_CEDevicesChange();
    void bt_ced_addClick();
    void bt_ced_editClick();
    void bt_ced_deleteClick();
    void gui_StringsSelectItem();
    void bt_str_addClick();
    void bt_str_editClick();
    void bt_str_deleteClick();
    void gui_installdirButtonClick();

    // "Mobile Device Files"
    void BuildDeviceFolderTree();
    void tv_ppcfs_foldersSelectionChange();
    void ppcfs_add_folderClick();
    void ppcfs_delete_folderClick();
    // Renames the selected user folder; false with the duplicate-name message.
    bool renameSelectedFolder(const QString &newName);
    void ppcfs_add_fileClick();
    void ppcfs_delete_fileClick();
    void ppcfs_insert_filesClick();
    void ImportFolders1Click();
    // A drop of files and folders from the shell; refused on the root.
    bool canDropFiles() const;
    void AddFilesToTarget(const QStringList &names);
    // The selected folder's path in the tree, as the tree writes it.
    QString selectedFolderPath() const;
    // Selects the folder of this path (the root's is empty); false when the tree has none.
    bool selectFolder(const QString &path);
    // The folders' and the files' popup menus, enabled for the current selection.
    void fillFoldersPopup(QMenu &menu);
    void fillFilesPopup(QMenu &menu);
    void lv_ppcfs_filesColumnClick(int column);
    int sortColumn() const { return m_fileOrder.column; }
    bool sortAscending() const { return m_fileOrder.ascending; }
    void lv_ppcfs_filesSelectItem();
    void NxButtonItem1ButtonClick();
    // The properties dialog of the one selected file.
    void lv_ppcfs_filesDblClick();
    // What the file inspector shows, read back from its rows.
    DeviceFileEntries::Inspection shownFileProperties() const;

    // "Registry"
    void vst_InstallationsDblClick();
    void vst_InstallationsFocusChanged();
    void reg_AddClick();
    // As a double click on the focused node.
    void reg_EditClick();
    void reg_DeleteClick();
    // The sections' popup menu, enabled for the focused node.
    void fillRegistryPopup(QMenu &menu);
    // The registry tree as lines indented by level, a section's with its
    // tick: "[x] " where the target installs it, "[ ] " where not.
    QStringList shownRegistryTree() const;
    // The caption of the setup files' panel.
    QString setupFilesCaption() const;

    // "Shortcuts"
    void RefreshShortcuts();
    // A header click sorts the shortcuts by its column; until then they show in their section's order.
    void gui_ShortcutsColumnClick(int column);
    void Add1Click();
    void Edit1Click();
    void Delete1Click();
    // The index of the shortcut section the list shows, -1 for none.
    int shownShortcutSection() const { return m_shownShortcutSection; }

private:
    // Named as the tests and the settings know them.
    void nameWidgets();
    QTreeWidget *listOf(List list) const;
    void NextInspector1Change(TNxPropertyItem *item, const QString &value);
    void vst_InstallationsChecked(QTreeWidgetItem *changed);

    TNxEdit *gui_SetupCaption;
    TNxPageControl *NxPageControl1;
    TNxEdit *gui_AppName;
    TNxEdit *gui_BuildAppDescription;
    TNxEdit *gui_cab_filename_output;
    TNxButtonEdit *gui_installdir;
    // Held weakly: the page saves their settings when it goes, and must not
    // touch them when they went first.
    QPointer<QTreeWidget> gui_CEDevices;
    QPushButton *bt_ced_add;
    QPushButton *bt_ced_edit;
    QPushButton *bt_ced_delete;
    QTreeWidget *gui_Strings;
    QPushButton *bt_str_add;
    QPushButton *bt_str_delete;
    QPushButton *bt_str_edit;

    TNxComboBox *cb_ppcfs_targets;
    QPointer<TNxSplitter> NxSplitter1;
    TNxHeaderPanel *NxHeaderPanel1;
    TNxHeaderPanel *NxHeaderPanel2;
    QTreeWidget *tv_ppcfs_folders;
    QPointer<QTreeWidget> lv_ppcfs_files;
    TNextInspector *NextInspector1;
    TNxTextItem *NxTextItem2;
    TNxTextItem *NxTextItem1;
    TNxButtonItem *NxButtonItem1;
    TNxComboBoxItem *NxComboBoxItem1;

    QTreeWidget *vst_Installations;
    TNxHeaderPanel *NxHeaderPanel4;
    QLabel *Label16;
    QLabel *Label17;
    TNxEdit *_CESetupDLL;
    TNxEdit *_CESelfRegister;

    TNxComboBox *cb_shortcuts_targets;
    QTreeWidget *gui_Shortcuts;
    QPushButton *bt_shortcut_add;
    QPushButton *bt_shortcut_edit;
    QPushButton *bt_shortcut_delete;

    // The custom strings dialog starting from shown; nothing when cancelled.
    std::optional<TStringPair> askCustomString(const TStringPair &shown);
    QWidget *createSettingsTab();
    QWidget *createFilesTab();
    void createFileInspector();
    void connectFilesTab();
    void readSettings();
    void writeSettings() const;
    void showFileRow(QTreeWidgetItem *row, int index);
    void sortFiles();
    void sortShortcuts();
    QList<QTreeWidgetItem *> selectedFileRows() const;
    QList<int> selectedFileIndexes() const;
    TCEDevice *filesTarget() const;
    void showFoldersPopup(const QPoint &pos);
    void showFilesPopup(const QPoint &pos);
    void folderLabelEdited(QTreeWidgetItem *item);
    QWidget *createRegistryTab();
    QWidget *createShortcutsTab();
    void refreshRegistryTree();
    void showRegistryPopup(const QPoint &pos);
    int focusedRegistryTarget() const;
    void openRegistrySection(int index);
    void storeSetupDll();
    void updateShortcutActions();
    // The shortcut dialog starting from shown; nothing when cancelled.
    std::optional<ShortcutDialogValues> askShortcut(int target, const ShortcutDialogValues &shown);
    QList<QPair<TNxEdit *, CabGeneralOption>> generalOptionEdits() const;
    void connectGeneralOptions();
    void storeGeneralOption(CabGeneralOption option, const QString &text);
    DeviceFolderEdits folderEdits();
    void fillTargetCombo(TNxComboBox *combo);
    void refreshStrings();
    void refreshTargets();
    int selectedTargetIndex(const TNxComboBox *combo) const;
    int selectedRow(const QTreeWidget *list) const;
    bool confirm(const QString &text);
    void addTreeItems(QTreeWidgetItem *item, const DeviceFolderNode &node);
    void showFolders(const QString &selectedPath);

    TProjectContainer &m_project;
    IProjectWindowHost &m_host;
    DialogRunner m_runDialog = execDialog();
    PopupMenuRunner m_runMenu = execPopupMenu();
    DeviceFolderTree m_folders;
    FileTypeLookup m_fileTypes;
    ListSortOrder m_fileOrder;
    std::optional<ListSortOrder> m_shortcutOrder;
    // The list's view style as the settings keep it; the list shows details.
    int m_filesViewStyle = 3;
    bool m_fillingInspector = false;
    bool m_filling = false;
    int m_shownShortcutSection = -1;
};

} // namespace talmo
