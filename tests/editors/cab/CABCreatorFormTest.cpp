#include "editors/cab/CABCreatorForm.h"
#include "editors/dialogs/DropFilesDialog.h"
#include "editors/dialogs/EditorShortcutEntry.h"
#include "editors/dialogs/EditorStrings.h"
#include "editors/ModulePages.h"
#include "editors/cab/PpcFileProperties.h"
#include "editors/cab/TargetPlatformOptions.h"
#include "helpers/ui/TntButtonEdit.h"
#include "model/ProjectContainer.h"
#include "pagehost/FakeProjectWindowHost.h"
#include "pagehost/ProjectPageFactory.h"
#include "platform/Registry.h"
#include "platform/RegistryMemoryStore.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"
#include "tests/editors/EditorTestSupport.h"
#include "tests/editors/core/device/CabPageFixture.h"
#include "tests/support/QtPrinters.h"
#include "widgets/NextInspector.h"
#include "widgets/NxButtonItem.h"
#include "widgets/NxComboBox.h"
#include "widgets/NxComboBoxItem.h"
#include "widgets/NxEdit.h"
#include "widgets/NxHeaderPanel.h"
#include "widgets/NxPageControl.h"
#include "widgets/NxSplitter.h"
#include "widgets/NxTextItem.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUrl>

using namespace talmo;
using namespace talmo::testing;

namespace {

void selectRow(QTreeWidget *list, int row)
{
    list->clearSelection();
    list->topLevelItem(row)->setSelected(true);
}

class CABCreatorFormTest : public EditorTest
{
protected:
    // Pages keep their layout in the settings: each test starts afresh.
    RegistryMemoryStore settings;
    ScopedCurrentRegistryStore useSettings{settings};
    std::unique_ptr<TProjectContainer> project = test::cabPageProject();
    FakeProjectWindowHost host;
};

} // namespace

TEST_F(CABCreatorFormTest, RegisteredForTheCabCreatorModule)
{
    ProjectPageFactory factory;
    registerModulePages(factory);
    std::unique_ptr<HostedPage> page(factory.create(PageKind::CabCreatorModule, {*project, host, 0}, nullptr));
    EXPECT_NE(dynamic_cast<TCABCreatorForm *>(page.get()), nullptr);
}

TEST_F(CABCreatorFormTest, ShowsTargetsAndTheirEnabling)
{
    project->CEDevices[1].ProcessorType = "1824";
    project->CEDevices[2].ProcessorType = "1825";
    project->SetupCaption = "Shown";
    project->Modified = false;
    TCABCreatorForm page(*project, host);
    EXPECT_EQ(column(page.gui_CEDevices, 0), QStringList({"Default", "ARM", "MIPS"}));
    EXPECT_EQ(column(page.gui_CEDevices, 1), QStringList({"", "ARM720", ""}));
    EXPECT_FALSE(page.bt_ced_edit->isEnabled());
    selectRow(page.gui_CEDevices, 0);
    EXPECT_TRUE(page.bt_ced_edit->isEnabled());
    EXPECT_FALSE(page.bt_ced_delete->isEnabled());
    page.bt_ced_deleteClick();
    EXPECT_EQ(project->CEDevices.Count(), 3);
    selectRow(page.gui_CEDevices, 2);
    EXPECT_TRUE(page.bt_ced_delete->isEnabled());
    project->Win32Only = true;
    page.RefreshFromProject();
    EXPECT_FALSE(page.bt_ced_edit->isEnabled());
    EXPECT_FALSE(page.bt_ced_delete->isEnabled());
    EXPECT_TRUE(page.bt_ced_add->isEnabled());
    EXPECT_FALSE(project->Modified);
}

TEST_F(CABCreatorFormTest, AddAndDeleteTargetsThroughTheDialog)
{
    TCABCreatorForm page(*project, host);
    page.setDialogRunner([](QDialog &dialog) {
        auto &options = dynamic_cast<TtargetPlatformOptions &>(dialog);
        EXPECT_TRUE(options.tb_editor->isEnabled());
        EXPECT_EQ(options.tb_editor->currentText(), "");
        options.tb_editor->setEditText("SH4");
        options._ProcessorType->setText("10005");
        return int(QDialog::Accepted);
    });
    page.bt_ced_addClick();
    ASSERT_EQ(project->CEDevices.Count(), 4);
    EXPECT_EQ(project->CEDevices[3].Caption, "CEDevice.SH4");
    EXPECT_EQ(project->CEDevices[3].Installation.defaultInstallShortcuts, QStringList({"wiz-3"}));
    EXPECT_EQ(column(page.gui_CEDevices, 1).last(), "hitachi SH4");
    EXPECT_EQ(page.cb_ppcfs_targets->items().last(), "CEDevice.SH4");
    EXPECT_TRUE(project->Modified);

    selectRow(page.gui_CEDevices, 1);
    ui.queueAnswer(UiButton::Yes);
    page.bt_ced_deleteClick();
    EXPECT_EQ(column(page.gui_CEDevices, 0), QStringList({"Default", "MIPS", "SH4"}));
    EXPECT_EQ(ui.shownTexts(), QStringList({"Are you sure ?"}));
    EXPECT_EQ(project->CopyFilesSections[1].linked_SourceName, 1);
}

TEST_F(CABCreatorFormTest, RefreshKeepsSelectionsAndRememberedTarget)
{
    TStringPair &pair = project->StringPairs.AddNew();
    pair.Name = "Key";
    pair.Value = "Value";
    project->StringPairs.AddNew().Name = "Other";
    TCABCreatorForm page(*project, host);
    selectRow(page.gui_Strings, 1);
    selectRow(page.gui_CEDevices, 2);
    page.cb_ppcfs_targets->setItemIndex(2);
    page.BuildDeviceFolderTree();
    ASSERT_TRUE(page.selectFolder("Program Files\\My App\\data\\"));
    page.RefreshFromProject();
    EXPECT_EQ(page.gui_Strings->selectedItems().first()->text(0), "Other");
    EXPECT_EQ(page.gui_CEDevices->selectedItems().first()->text(0), "MIPS");
    EXPECT_EQ(page.cb_ppcfs_targets->itemIndex(), 2);
    EXPECT_EQ(page.selectedFolderPath(), "Program Files\\My App\\data\\");
    EXPECT_EQ(column(page.lv_ppcfs_files, 0), QStringList({"a.dat"}));
}

TEST_F(CABCreatorFormTest, StringsDialogSetUpAndEdits)
{
    TCABCreatorForm page(*project, host);
    page.setDialogRunner([](QDialog &dialog) {
        auto &strings = dynamic_cast<Teditor_strings &>(dialog);
        EXPECT_EQ(strings.windowTitle(), "Custom Strings Editor");
        strings.tb_key->setText("Folder");
        strings.tb_value->setText("Tools");
        return int(QDialog::Accepted);
    });
    page.bt_str_addClick();
    EXPECT_EQ(column(page.gui_Strings, 1), QStringList({"Tools"}));
    selectRow(page.gui_Strings, 0);
    ui.queueAnswer(UiButton::No);
    page.bt_str_deleteClick();
    EXPECT_EQ(project->StringPairs.Count(), 1);
    ui.queueAnswer(UiButton::Yes);
    page.bt_str_deleteClick();
    EXPECT_EQ(project->StringPairs.Count(), 0);
    EXPECT_EQ(page.gui_Strings->topLevelItemCount(), 0);
}

TEST_F(CABCreatorFormTest, GeneralOptionsWriteBackOnlyOutsideTheRefresh)
{
    project->Modified = false;
    TCABCreatorForm page(*project, host);
    EXPECT_EQ(project->SetupCaption, "My App");  // an empty caption takes the application name
    project->Modified = false;
    page.gui_AppName->setText("Other App");
    page.gui_cab_filename_output->setText("out");
    EXPECT_EQ(project->AppName, "Other App");
    EXPECT_EQ(project->CABOutputFilename, "out");
    EXPECT_TRUE(project->Modified);
    EXPECT_TRUE(host.calls().contains("refreshModuleNodeCaption"));
}

TEST_F(CABCreatorFormTest, DeviceFilesFoldersAndDeletion)
{
    TCABCreatorForm page(*project, host);
    page.cb_ppcfs_targets->setItemIndex(1);
    page.BuildDeviceFolderTree();
    EXPECT_FALSE(page.canDropFiles());
    ASSERT_TRUE(page.selectFolder("Program Files\\My App\\"));
    EXPECT_TRUE(page.canDropFiles());
    EXPECT_EQ(column(page.lv_ppcfs_files, 2), QStringList({"bin1\\app.exe"}));
    EXPECT_EQ(page.lv_ppcfs_files->topLevelItem(0)->toolTip(2), "bin1\\app.exe") << "a cut path shows whole";

    page.ppcfs_add_folderClick();
    EXPECT_EQ(page.selectedFolderPath(), "Program Files\\My App\\New Folder\\");
    page.ppcfs_add_fileClick();
    EXPECT_EQ(project->CEDevices[1].Files[3].DestinationDir, "%CE1%\\%AppName%\\New Folder\\");
    EXPECT_EQ(column(page.lv_ppcfs_files, 0), QStringList({"ChangeMe"}));

    ASSERT_TRUE(page.selectFolder("Program Files\\My App\\"));
    EXPECT_FALSE(page.renameSelectedFolder("My App"));
    EXPECT_EQ(ui.shownTexts(), QStringList({"Duplicate name, please enter another one"}));
    EXPECT_TRUE(page.renameSelectedFolder("Tools"));
    EXPECT_EQ(project->CEDevices[1].Files[1].DestinationDir, "%CE1%\\Tools\\data\\");
    EXPECT_EQ(page.selectedFolderPath(), "Program Files\\Tools\\");

    ui.queueAnswer(UiButton::Yes);
    page.ppcfs_delete_folderClick();
    EXPECT_EQ(ui.shownTexts().last(), "Are you sure ? ");
    EXPECT_EQ(project->CEDevices[1].Files.Count(), 1);
    EXPECT_EQ(project->CEDevices[0].Files.Count(), 3);
}

TEST_F(CABCreatorFormTest, RenamingOrDeletingAFolderKeepsTheOtherEmptyFolders)
{
    TCABCreatorForm page(*project, host);
    page.cb_ppcfs_targets->setItemIndex(1);
    page.BuildDeviceFolderTree();
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(page.selectFolder("Program Files\\"));
        page.ppcfs_add_folderClick();
    }
    EXPECT_EQ(page.selectedFolderPath(), "Program Files\\New Folder 2\\");
    EXPECT_TRUE(page.renameSelectedFolder("Docs"));
    EXPECT_EQ(page.selectedFolderPath(), "Program Files\\Docs\\");
    EXPECT_TRUE(page.selectFolder("Program Files\\New Folder\\"));
    ASSERT_TRUE(page.selectFolder("Program Files\\New Folder 1\\"));

    ui.queueAnswer(UiButton::Yes);
    page.ppcfs_delete_folderClick();
    EXPECT_FALSE(page.selectFolder("Program Files\\New Folder 1\\"));
    EXPECT_TRUE(page.selectFolder("Program Files\\New Folder\\"));
    EXPECT_TRUE(page.selectFolder("Program Files\\Docs\\"));
    EXPECT_TRUE(page.selectFolder("Program Files\\My App\\data\\"));
}

TEST_F(CABCreatorFormTest, RegistryTreeChecksAndSections)
{
    TCABCreatorForm page(*project, host);
    ASSERT_EQ(page.vst_Installations->topLevelItemCount(), 3);
    QTreeWidgetItem *second = page.vst_Installations->topLevelItem(1);
    EXPECT_EQ(second->text(0), "ARM Target");
    ASSERT_EQ(second->childCount(), 1);
    QTreeWidgetItem *group = second->child(0);
    EXPECT_EQ(group->text(0), "Available Registry Sections < double click to add >");
    ASSERT_EQ(group->childCount(), 3);
    EXPECT_EQ(group->child(1)->checkState(0), Qt::Checked);
    EXPECT_EQ(page.NxHeaderPanel4->caption(), "Setup DLL and Self Register Files for - No Target Selected -");
    EXPECT_FALSE(page._CESetupDLL->isEnabled());
    EXPECT_TRUE(host.calls().contains("setRegistrySectionNodes Reg A|Reg B|Reg C"));

    project->Modified = false;
    group->child(2)->setCheckState(0, Qt::Checked);
    EXPECT_EQ(project->CEDevices[1].Installation.defaultInstallRegistry, QStringList({"Reg B", "Reg C"}));
    EXPECT_TRUE(project->CEDevices[2].Installation.defaultInstallRegistry.isEmpty());
    EXPECT_TRUE(project->Modified);

    page.vst_Installations->setCurrentItem(group->child(0));
    EXPECT_EQ(page.NxHeaderPanel4->caption(), "Setup DLL and Self Register Files for ARM Target");
    page._CESetupDLL->setText("setup.dll");
    EXPECT_EQ(project->CEDevices[1].Installation.CESetupDLL, "setup.dll");

    page.vst_Installations->setCurrentItem(page.vst_Installations->topLevelItem(2)->child(0)->child(1));
    ui.queueAnswer(UiButton::Yes);
    page.reg_DeleteClick();
    EXPECT_EQ(project->RegistrySections.Count(), 2);
    EXPECT_EQ(project->CEDevices[1].Installation.defaultInstallRegistry, QStringList({"Reg C"}));
    EXPECT_EQ(page.vst_Installations->topLevelItem(0)->child(0)->childCount(), 2);
    EXPECT_EQ(host.calls().last(), "setRegistrySectionNodes Reg A|Reg C");

    page.vst_Installations->setCurrentItem(page.vst_Installations->topLevelItem(0)->child(0));
    page.vst_InstallationsDblClick();
    ASSERT_EQ(project->RegistrySections.Count(), 3);
    EXPECT_EQ(project->RegistrySections[2].Caption, "aRegistrySection");
    EXPECT_EQ(host.calls().last(), "openRegistrySection 2");
}

TEST_F(CABCreatorFormTest, ShortcutsOfTheShownSection)
{
    TCABCreatorForm page(*project, host);
    page.cb_shortcuts_targets->setItemIndex(1);
    page.RefreshShortcuts();
    EXPECT_EQ(page.shownShortcutSection(), 2);
    EXPECT_EQ(column(page.gui_Shortcuts, 0), QStringList({"link of short-1"}));
    page.setDialogRunner([](QDialog &dialog) {
        auto &entry = dynamic_cast<Teditor_ShortcutEntry &>(dialog);
        EXPECT_EQ(entry.tb_short_filename->text(), "aShortcut");
        EXPECT_EQ(entry.tb_dest_dir->text(), "%CE11%");
        entry.tb_dest_dir->setText("");
        return int(QDialog::Accepted);
    });
    page.Add1Click();
    const TShortcutsEntries &entries = project->ShortcutsSections[2].Entries;
    ASSERT_EQ(entries.Count(), 2);
    EXPECT_EQ(entries[1].shortcut_filename, "aShortcut");
    EXPECT_EQ(entries[1].standard_destination_path, "%CE11%");
    EXPECT_EQ(project->ShortcutsSections[1].Entries.Count(), 1);

    for (int i = 0; i < 2; ++i)
        page.gui_Shortcuts->topLevelItem(i)->setSelected(true);
    EXPECT_FALSE(page.bt_shortcut_edit->isEnabled());
    ui.queueAnswer(UiButton::Yes);
    page.Delete1Click();
    EXPECT_EQ(entries.Count(), 0);
    EXPECT_EQ(page.gui_Shortcuts->topLevelItemCount(), 0);
}

TEST_F(CABCreatorFormTest, EditingShortcutsWithoutACustomIconKeepsTheirParameters)
{
    TShortcutsEntries &entries = project->ShortcutsSections[2].Entries;
    entries[0].target_file_path = "app.exe";
    entries[0].standard_destination_path = "%CE11%";
    entries[0].CustomParameters = "/quiet";
    TShortcutEntry &folder = entries.AddNew();
    folder.shortcut_filename = "data";
    folder.shortcut_type_flag = 1;
    folder.target_file_path = "%InstallDir%";
    folder.standard_destination_path = "%CE11%";
    folder.CustomParameters = "-x";
    TCABCreatorForm page(*project, host);
    page.cb_shortcuts_targets->setItemIndex(1);
    page.RefreshShortcuts();
    page.setDialogRunner([](QDialog &dialog) {
        dialog.show();
        click(dynamic_cast<Teditor_ShortcutEntry &>(dialog).bt_ok);
        return dialog.result();
    });
    for (int row = 0; row < 2; ++row) {
        selectRow(page.gui_Shortcuts, row);
        page.Edit1Click();
    }
    EXPECT_EQ(ui.shownTexts(), QStringList());
    EXPECT_EQ(entries[0].CustomParameters, "/quiet");
    EXPECT_EQ(entries[1].CustomParameters, "-x");
    EXPECT_EQ(entries[1].target_file_path, "%InstallDir%");
}

TEST_F(CABCreatorFormTest, ShortcutRepairTouchesOnlyTheSelectedTarget)
{
    project->CEDevices[2].Installation.defaultInstallShortcuts = {"dangling"};
    TCABCreatorForm page(*project, host);
    page.cb_shortcuts_targets->setItemIndex(2);
    page.RefreshShortcuts();
    EXPECT_EQ(ui.shownTexts(), QStringList({"An error has been detected with your shortcuts.\r"
                                            "Shortcut sections are emtpy, you must recreate them !"}));
    EXPECT_EQ(project->CEDevices[2].Installation.defaultInstallShortcuts, QStringList({"short-3"}));
    EXPECT_EQ(project->ShortcutsSections.Count(), 4);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(project->ShortcutsSections[i].Entries.Count(), 1);
    EXPECT_EQ(page.gui_Shortcuts->topLevelItemCount(), 0);
    EXPECT_TRUE(page.bt_shortcut_add->isEnabled());
}

namespace {

// Each action's caption with "+" when enabled and "-" when not; separators as "|".
QStringList menuState(const std::function<void(QMenu &)> &fill)
{
    QMenu menu;
    fill(menu);
    QStringList items;
    for (const QAction *action : menu.actions())
        items.append(action->isSeparator() ? QStringLiteral("|") : (action->isEnabled() ? "+" : "-") + action->text());
    return items;
}

// The files tab of target 1 ("ARM") with its application folder selected,
// which holds app.exe and the extra files.
class CABCreatorFilesTabTest : public CABCreatorFormTest
{
protected:
    void SetUp() override
    {
        project->SetFileName("/data/proj/demo.talmo");
        project->SetupCaption = "Shown";
        for (const char *name : {"b.TXT", "c.png", "A.txt"}) {
            TPPCFS_File &file = project->CEDevices[1].Files.AddNew();
            file.DestinationDir = "%CE1%\\%AppName%\\";
            file.DestinationName = file.SourceName = name;
            file.SourceDir = "src\\";
        }
        project->Modified = false;
    }

    std::unique_ptr<TCABCreatorForm> openFilesTab()
    {
        auto page = std::make_unique<TCABCreatorForm>(*project, host, nullptr, &fileTypes);
        page->cb_ppcfs_targets->setItemIndex(1);
        page->BuildDeviceFolderTree();
        EXPECT_TRUE(page->selectFolder("Program Files\\My App\\"));
        return page;
    }

    TPPCFS_File &file(int index) { return project->CEDevices[1].Files[index]; }

    FileTypeIconCache fileTypes;
};

} // namespace

TEST_F(CABCreatorFilesTabTest, FileListShowsTypesOncePerExtensionAndSortsByColumn)
{
    auto page = openFilesTab();
    QTreeWidget *list = page->lv_ppcfs_files;
    EXPECT_EQ(column(list, 0), QStringList({"A.txt", "app.exe", "b.TXT", "c.png"}));
    const QStringList types = column(list, 1);
    EXPECT_FALSE(types.at(0).isEmpty());
    EXPECT_EQ(types.at(0), types.at(2));
    EXPECT_NE(types.at(0), types.at(3));
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        EXPECT_FALSE(list->topLevelItem(row)->icon(0).isNull()) << row;
    // Files of the same extension, in whatever case, asked the desktop once.
    EXPECT_EQ(fileTypes.extensions, QStringList({".exe", ".txt", ".png"}));

    const struct
    {
        int clicked;
        bool ascending;
        QStringList order;
    } clicks[] = {
        {2, true, {"app.exe", "A.txt", "b.TXT", "c.png"}},
        {2, false, {"c.png", "b.TXT", "A.txt", "app.exe"}},
        {3, true, {"A.txt", "app.exe", "b.TXT", "c.png"}}, // equal flags: captions decide
        {0, true, {"A.txt", "app.exe", "b.TXT", "c.png"}},
        {0, false, {"c.png", "b.TXT", "app.exe", "A.txt"}},
    };
    for (const auto &click : clicks) {
        emit list->header()->sectionClicked(click.clicked);
        EXPECT_EQ(page->sortColumn(), click.clicked);
        EXPECT_EQ(page->sortAscending(), click.ascending);
        EXPECT_EQ(list->header()->sortIndicatorSection(), click.clicked);
        EXPECT_EQ(list->header()->sortIndicatorOrder(), click.ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
        EXPECT_EQ(column(list, 0), click.order) << click.clicked;
    }
}

TEST_F(CABCreatorFilesTabTest, InspectorFollowsTheSelectionAndEditsTheFiles)
{
    auto page = openFilesTab();
    QTreeWidget *list = page->lv_ppcfs_files;
    EXPECT_EQ(page->NxTextItem2->caption(), "File Properties");
    EXPECT_EQ(page->NxTextItem1->value(), "A.txt");
    EXPECT_EQ(page->NxButtonItem1->value(), "src\\A.txt");
    EXPECT_EQ(page->NxComboBoxItem1->value(), "Default");
    EXPECT_TRUE(page->NxTextItem1->visible());
    EXPECT_FALSE(project->Modified);

    for (int row : {0, 1, 3})
        list->topLevelItem(row)->setSelected(true);
    EXPECT_EQ(page->NxTextItem2->caption(), "Multiple Files");
    EXPECT_FALSE(page->NxTextItem1->visible());
    EXPECT_FALSE(page->NxButtonItem1->visible());
    EXPECT_TRUE(page->NxComboBoxItem1->visible());
    page->NxComboBoxItem1->setValue("COPYFLG_NOSKIP");
    EXPECT_EQ(column(list, 3), QStringList({"COPYFLG_NOSKIP", "COPYFLG_NOSKIP", "Default", "COPYFLG_NOSKIP"}));
    for (int index : {0, 4, 5})
        EXPECT_EQ(file(index).Attributes, 2) << index;
    EXPECT_EQ(file(3).Attributes, 0);
    EXPECT_TRUE(project->Modified);

    selectRow(list, 3); // c.png
    page->NxButtonItem1->setValue("..\\pics\\photo.JPG");
    EXPECT_EQ(file(4).SourceDir, "..\\pics\\");
    EXPECT_EQ(file(4).SourceName, "photo.JPG");
    EXPECT_EQ(list->topLevelItem(3)->text(2), "..\\pics\\photo.JPG");
    EXPECT_EQ(list->topLevelItem(3)->text(1), FileTypeLookup(nullptr).Lookup("x.jpg", false).typeName);
    page->NxTextItem1->setValue("0-first.jpg");
    EXPECT_EQ(file(4).DestinationName, "0-first.jpg");
    EXPECT_EQ(column(list, 0), QStringList({"0-first.jpg", "A.txt", "app.exe", "b.TXT"}));

    list->clearSelection();
    EXPECT_EQ(page->NxTextItem2->caption(), "No File is Selected");
    EXPECT_FALSE(page->NxComboBoxItem1->visible());
}

TEST_F(CABCreatorFilesTabTest, SourceButtonAndPropertiesDialog)
{
    auto page = openFilesTab();
    QTreeWidget *list = page->lv_ppcfs_files;
    selectRow(list, 1); // app.exe
    ui.queueFilesWithCheckBox({"/data/proj/pics/New.bmp"}, true);
    page->NxButtonItem1->clickButton();
    ASSERT_EQ(ui.calls().size(), 1);
    EXPECT_EQ(ui.calls().at(0).request.filter, "All Files (*.*)|*.*");
    EXPECT_EQ(ui.calls().at(0).request.fileName, "bin1\\app.exe");
    EXPECT_EQ(file(0).SourceDir, "pics\\");
    EXPECT_EQ(file(0).SourceName, "New.bmp");
    EXPECT_EQ(file(0).DestinationName, "New.bmp");

    int shown = 0;
    page->setDialogRunner([&](QDialog &dialog) {
        ++shown;
        auto &properties = dynamic_cast<TppcFileProperties &>(dialog);
        EXPECT_EQ(properties.eb_ppcfs_source->text(), "src\\b.TXT");
        EXPECT_EQ(properties.eb_ppcfs_dest->text(), "b.TXT");
        EXPECT_EQ(properties.cb_ppcfs_flags->currentIndex(), 0);
        EXPECT_EQ(properties.Project, project.get());
        properties.eb_ppcfs_source->setText("other\\tool.exe");
        properties.eb_ppcfs_dest->setText("tool.exe");
        properties.cb_ppcfs_flags->setCurrentIndex(7);
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(column(list, 0), QStringList({"A.txt", "b.TXT", "c.png", "New.bmp"}));
    selectRow(list, 1); // b.TXT
    page->setPopupMenuRunner(choose("Properties"));
    emit list->customContextMenuRequested(QPoint(1, 1));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(file(3).SourceDir, "other\\");
    EXPECT_EQ(file(3).SourceName, "tool.exe");
    EXPECT_EQ(file(3).DestinationName, "tool.exe");
    EXPECT_EQ(file(3).Attributes, 7);
    EXPECT_EQ(list->topLevelItem(1)->text(0), "tool.exe");
    EXPECT_EQ(list->topLevelItem(1)->text(3), "CE_COPYFLG_SHARED");
    EXPECT_EQ(page->NxTextItem1->value(), "tool.exe");

    list->topLevelItem(0)->setSelected(true);
    page->lv_ppcfs_filesDblClick();
    EXPECT_EQ(shown, 1); // two rows: no dialog
}

TEST_F(CABCreatorFilesTabTest, InsertFilesOnlyBelowTheRoot)
{
    auto page = openFilesTab();
    ui.queueFilesWithCheckBox({"/data/proj/x/One.Txt", "/elsewhere/two.bin"}, true);
    page->ppcfs_insert_filesClick();
    ASSERT_EQ(ui.calls().size(), 1);
    EXPECT_TRUE(ui.calls().at(0).request.multipleFiles);
    EXPECT_TRUE(ui.calls().at(0).checkBoxShownChecked);
    ASSERT_EQ(project->CEDevices[1].Files.Count(), 8);
    EXPECT_EQ(file(6).SourceName, "One.Txt");
    EXPECT_EQ(file(6).SourceDir, "x\\");
    EXPECT_EQ(file(7).SourceDir, "..\\..\\elsewhere\\");
    EXPECT_EQ(file(7).DestinationDir, "%CE1%\\%AppName%\\");
    EXPECT_EQ(page->lv_ppcfs_files->topLevelItemCount(), 6);

    page->tv_ppcfs_folders->setCurrentItem(page->tv_ppcfs_folders->topLevelItem(0));
    page->ppcfs_insert_filesClick();
    page->ppcfs_add_fileClick();
    EXPECT_EQ(ui.calls().size(), 1);
    EXPECT_EQ(project->CEDevices[1].Files.Count(), 8);
}

TEST_F(CABCreatorFilesTabTest, PopupMenusFollowTheSelection)
{
    auto page = openFilesTab();
    const auto folders = [&] { return menuState([&](QMenu &menu) { page->fillFoldersPopup(menu); }); };
    const auto files = [&] { return menuState([&](QMenu &menu) { page->fillFilesPopup(menu); }); };
    EXPECT_EQ(folders(), QStringList({"+Add Folder", "|", "+Delete", "+Rename"}));
    EXPECT_EQ(files(), QStringList({"+Add Entry", "+Insert File(s)", "+Import Folder(s)", "|", "+Delete", "|",
                                    "+Properties"}));
    page->lv_ppcfs_files->topLevelItem(1)->setSelected(true);
    EXPECT_EQ(files().last(), "-Properties");

    ASSERT_TRUE(page->selectFolder("Program Files\\"));
    EXPECT_EQ(folders(), QStringList({"+Add Folder", "|", "-Delete", "-Rename"}));
    page->tv_ppcfs_folders->setCurrentItem(page->tv_ppcfs_folders->topLevelItem(0));
    EXPECT_EQ(files(), QStringList({"-Add Entry", "-Insert File(s)", "-Import Folder(s)", "|", "-Delete", "|",
                                    "-Properties"}));

    // A right click selects the folder under the mouse before its menu shows.
    page->resize(640, 480);
    page->show();
    page->NxPageControl1->setActivePageIndex(1);
    QTreeWidget *tree = page->tv_ppcfs_folders;
    QTreeWidgetItem *programFiles = nullptr;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->text(0) == "Program Files")
            programFiles = *it;
    }
    ASSERT_NE(programFiles, nullptr);
    page->setPopupMenuRunner(choose("Add Folder"));
    emit tree->customContextMenuRequested(tree->visualItemRect(programFiles).center());
    EXPECT_EQ(page->selectedFolderPath(), "Program Files\\New Folder\\");
    EXPECT_TRUE(project->Modified);
}

TEST_F(CABCreatorFormTest, RegistrySectionsAreAddedEditedAndDeletedFromTheirPopupMenu)
{
    TCABCreatorForm page(*project, host);
    const auto popup = [&] { return menuState([&](QMenu &menu) { page.fillRegistryPopup(menu); }); };
    EXPECT_EQ(popup(), QStringList({"+Add Section ", "|", "-Edit", "-Delete"}));
    page.resize(640, 480);
    page.show();
    page.NxPageControl1->setActivePageIndex(2);
    QTreeWidget *tree = page.vst_Installations;
    const auto rightClick = [&](QTreeWidgetItem *item, const QString &choice) {
        page.setPopupMenuRunner(choose(choice));
        emit tree->customContextMenuRequested(tree->visualItemRect(item).center());
    };

    // A right click focuses the section it is on; Delete asks first.
    rightClick(tree->topLevelItem(1)->child(0)->child(0), "Delete");
    EXPECT_EQ(project->RegistrySections.Count(), 3) << "not confirmed";
    EXPECT_EQ(popup(), QStringList({"+Add Section ", "|", "+Edit", "+Delete"}));
    ui.queueAnswer(UiButton::Yes);
    rightClick(tree->topLevelItem(1)->child(0)->child(0), "Delete");
    ASSERT_EQ(project->RegistrySections.Count(), 2);
    EXPECT_EQ(project->RegistrySections[0].Caption, "Reg B");
    EXPECT_EQ(tree->topLevelItem(0)->child(0)->childCount(), 2);

    rightClick(tree->topLevelItem(0)->child(0)->child(1), "Edit");
    EXPECT_EQ(host.calls().last(), "openRegistrySection 1");
    rightClick(tree->topLevelItem(0), "Add Section ");
    ASSERT_EQ(project->RegistrySections.Count(), 3);
    EXPECT_EQ(host.calls().last(), "openRegistrySection 2");
}

TEST_F(CABCreatorFilesTabTest, DropsOnlyOnAFolderBelowTheRoot)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath("drop/sub"));
    QFile(root.filePath("drop/sub/A.Txt")).open(QIODevice::WriteOnly);
    auto page = openFilesTab();
    int shown = 0;
    page->setDialogRunner([&](QDialog &dialog) {
        ++shown;
        auto &options = dynamic_cast<TDropFilesDialog &>(dialog);
        EXPECT_EQ(options.cb_InstallFolder->currentText(), "%InstallDir%");
        EXPECT_TRUE(options.cb_Recurse->isChecked());
        options.cb_Relative->setChecked(false);
        return int(QDialog::Accepted);
    });
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(root.filePath("drop"))});
    QWidget *viewport = page->lv_ppcfs_files->viewport();

    page->tv_ppcfs_folders->setCurrentItem(page->tv_ppcfs_folders->topLevelItem(0));
    QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &refused);
    EXPECT_FALSE(refused.isAccepted());
    QDropEvent ignored(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &ignored);
    EXPECT_EQ(shown, 0);

    ASSERT_TRUE(page->selectFolder("%InstallDir%\\"));
    QDragEnterEvent accepted(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &accepted);
    EXPECT_TRUE(accepted.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &drop);
    EXPECT_EQ(shown, 1);
    ASSERT_EQ(project->CEDevices[1].Files.Count(), 7);
    EXPECT_EQ(file(6).DestinationDir, "%InstallDir%\\drop\\sub\\");
    EXPECT_EQ(file(6).SourceDir, root.filePath("drop/sub/"));
    EXPECT_EQ(file(6).SourceName, "A.Txt");
}

TEST_F(CABCreatorFilesTabTest, FolderLabelsAreEditedInPlace)
{
    auto page = openFilesTab();
    page->tv_ppcfs_folders->currentItem()->setText(0, "Tools");
    QCoreApplication::processEvents();
    EXPECT_EQ(page->selectedFolderPath(), "Program Files\\Tools\\");
    EXPECT_EQ(file(1).DestinationDir, "%CE1%\\Tools\\data\\");

    ASSERT_TRUE(page->selectFolder("Program Files\\"));
    page->ppcfs_add_folderClick();
    QTreeWidgetItem *added = page->tv_ppcfs_folders->currentItem();
    ASSERT_EQ(added->text(0), "New Folder");
    added->setText(0, "Tools");
    QCoreApplication::processEvents();
    EXPECT_EQ(ui.shownTexts(), QStringList({"Duplicate name, please enter another one"}));
    EXPECT_EQ(added->text(0), "New Folder");
    EXPECT_EQ(page->selectedFolderPath(), "Program Files\\New Folder\\");
}

TEST_F(CABCreatorFilesTabTest, LayoutSortAndColumnsComeBackFromTheSettings)
{
    const auto showFiles = [](TCABCreatorForm &page) {
        page.resize(800, 600);
        page.show();
        page.NxPageControl1->setActivePageIndex(1);
        QCoreApplication::processEvents();
    };
    QList<int> panes;
    {
        auto page = openFilesTab();
        showFiles(*page);
        page->NxSplitter1->setSizes({300, 420});
        panes = page->NxSplitter1->sizes();
        page->lv_ppcfs_files->setColumnWidth(2, 211);
        page->gui_CEDevices->setColumnWidth(1, 77);
        page->lv_ppcfs_filesColumnClick(2);
        page->lv_ppcfs_filesColumnClick(2);
    }
    Registry registry(settings);
    ASSERT_TRUE(registry.openKey("Software\\Talmo\\CCM", false));
    EXPECT_EQ(registry.readInteger("MFsortColumn"), 2);
    EXPECT_EQ(registry.readBool("MFsortAscending"), false);
    EXPECT_EQ(registry.readInteger("ppcfs_left_width"), panes.value(0));
    EXPECT_EQ(registry.readInteger("ppcfs_right_width"), panes.value(1));
    EXPECT_EQ(registry.readInteger("lv_ppcfs_files_ViewStyle"), 3);
    EXPECT_EQ(registry.readInteger("lv_ppcfs_filesColumn_2"), 211);
    EXPECT_EQ(registry.readInteger("gui_CEDevicesColumn_1"), 77);
    EXPECT_FALSE(registry.valueExists("Width")); // an embedded page keeps no placement
    (void)registry.closeKey();

    auto again = openFilesTab();
    showFiles(*again);
    EXPECT_EQ(again->sortColumn(), 2);
    EXPECT_FALSE(again->sortAscending());
    EXPECT_EQ(again->lv_ppcfs_files->header()->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_EQ(column(again->lv_ppcfs_files, 0), QStringList({"c.png", "b.TXT", "A.txt", "app.exe"}));
    EXPECT_EQ(again->lv_ppcfs_files->columnWidth(2), 211);
    EXPECT_EQ(again->gui_CEDevices->columnWidth(1), 77);
    EXPECT_EQ(again->NxSplitter1->sizes(), panes);
}
