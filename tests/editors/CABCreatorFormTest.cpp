#include "editors/CABCreatorForm.h"
#include "editors/EditorShortcutEntry.h"
#include "editors/EditorStrings.h"
#include "editors/ModulePages.h"
#include "editors/TargetPlatformOptions.h"
#include "helpers/ui/TntButtonEdit.h"
#include "model/ProjectContainer.h"
#include "pagehost/FakeProjectWindowHost.h"
#include "pagehost/ProjectPageFactory.h"
#include "tests/editors/EditorTestSupport.h"
#include "tests/editors/core/CabPageFixture.h"
#include "tests/support/QtPrinters.h"
#include "widgets/NxComboBox.h"
#include "widgets/NxEdit.h"
#include "widgets/NxHeaderPanel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

using namespace talmo;
using namespace talmo::testing;

namespace {

QStringList column(const QTreeWidget *list, int index)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts.append(list->topLevelItem(i)->text(index));
    return texts;
}

void selectRow(QTreeWidget *list, int row)
{
    list->clearSelection();
    list->topLevelItem(row)->setSelected(true);
}

class CABCreatorFormTest : public EditorTest
{
protected:
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
