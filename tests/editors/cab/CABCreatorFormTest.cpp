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
#include "tests/editors/cab/CabPageWidgets.h"
#include "tests/editors/core/device/CabPageFixture.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/QtWarningRecorder.h"
#include "widgets/NextInspector.h"
#include "widgets/NxButtonItem.h"
#include "widgets/NxComboBox.h"
#include "widgets/NxComboBoxItem.h"
#include "widgets/NxEdit.h"
#include "widgets/NxHeaderPanel.h"
#include "widgets/NxPageControl.h"
#include "widgets/NxSplitter.h"
#include "widgets/NxTextItem.h"

#include <QFileInfo>
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

using List = TCABCreatorForm::List;

void selectRow(QTreeWidget *list, int row)
{
    list->clearSelection();
    list->topLevelItem(row)->setSelected(true);
}

QTreeWidget *listNamed(const QWidget &page, const char *name)
{
    return pageWidget<QTreeWidget>(page, name);
}

bool buttonEnabled(const QWidget &page, const char *name)
{
    return pageWidget<QPushButton>(page, name)->isEnabled();
}

// Chooses the target in the tab's target box, as a user does.
void chooseTarget(const QWidget &page, const char *box, int index)
{
    auto *targets = pageWidget<TNxComboBox>(page, box);
    targets->setItemIndex(index);
    emit targets->select();
}

void showTab(const QWidget &page, int index)
{
    pageWidget<TNxPageControl>(page, "NxPageControl1")->setActivePageIndex(index);
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
    EXPECT_EQ(page.shownColumn(List::Targets, 0), QStringList({"Default", "ARM", "MIPS"}));
    EXPECT_EQ(page.shownColumn(List::Targets, 1), QStringList({"", "ARM720", ""}));
    EXPECT_FALSE(buttonEnabled(page, "bt_ced_edit"));
    QTreeWidget *targets = listNamed(page, "gui_CEDevices");
    selectRow(targets, 0);
    EXPECT_TRUE(buttonEnabled(page, "bt_ced_edit"));
    EXPECT_FALSE(buttonEnabled(page, "bt_ced_delete"));
    page.bt_ced_deleteClick();
    EXPECT_EQ(project->CEDevices.Count(), 3);
    selectRow(targets, 2);
    EXPECT_TRUE(buttonEnabled(page, "bt_ced_delete"));
    project->Win32Only = true;
    page.RefreshFromProject();
    EXPECT_FALSE(buttonEnabled(page, "bt_ced_edit"));
    EXPECT_FALSE(buttonEnabled(page, "bt_ced_delete"));
    EXPECT_TRUE(buttonEnabled(page, "bt_ced_add"));
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
    EXPECT_EQ(page.shownColumn(List::Targets, 1).last(), "hitachi SH4");
    EXPECT_EQ(page.targetChoices().last(), "CEDevice.SH4");
    EXPECT_TRUE(project->Modified);

    selectRow(listNamed(page, "gui_CEDevices"), 1);
    ui.queueAnswer(UiButton::Yes);
    page.bt_ced_deleteClick();
    EXPECT_EQ(page.shownColumn(List::Targets, 0), QStringList({"Default", "MIPS", "SH4"}));
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
    selectRow(listNamed(page, "gui_Strings"), 1);
    selectRow(listNamed(page, "gui_CEDevices"), 2);
    chooseTarget(page, "cb_ppcfs_targets", 2);
    ASSERT_TRUE(page.selectFolder("Program Files\\My App\\data\\"));
    page.RefreshFromProject();
    EXPECT_EQ(page.selectedCaptions(List::Strings), QStringList({"Other"}));
    EXPECT_EQ(page.selectedCaptions(List::Targets), QStringList({"MIPS"}));
    EXPECT_EQ(page.filesTargetIndex(), 2);
    EXPECT_EQ(page.selectedFolderPath(), "Program Files\\My App\\data\\");
    EXPECT_EQ(page.shownColumn(List::Files, 0), QStringList({"a.dat"}));
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
    EXPECT_EQ(page.shownColumn(List::Strings, 1), QStringList({"Tools"}));
    selectRow(listNamed(page, "gui_Strings"), 0);
    ui.queueAnswer(UiButton::No);
    page.bt_str_deleteClick();
    EXPECT_EQ(project->StringPairs.Count(), 1);
    ui.queueAnswer(UiButton::Yes);
    page.bt_str_deleteClick();
    EXPECT_EQ(project->StringPairs.Count(), 0);
    EXPECT_TRUE(page.shownColumn(List::Strings, 0).isEmpty());
}

TEST_F(CABCreatorFormTest, GeneralOptionsWriteBackOnlyOutsideTheRefresh)
{
    project->Modified = false;
    TCABCreatorForm page(*project, host);
    EXPECT_EQ(project->SetupCaption, "My App");  // an empty caption takes the application name
    project->Modified = false;
    pageWidget<TNxEdit>(page, "gui_AppName")->setText("Other App");
    pageWidget<TNxEdit>(page, "gui_cab_filename_output")->setText("out");
    EXPECT_EQ(project->AppName, "Other App");
    EXPECT_EQ(project->CABOutputFilename, "out");
    EXPECT_TRUE(project->Modified);
    EXPECT_TRUE(host.calls().contains("refreshModuleNodeCaption"));
}

TEST_F(CABCreatorFormTest, DeviceFilesFoldersAndDeletion)
{
    TCABCreatorForm page(*project, host);
    chooseTarget(page, "cb_ppcfs_targets", 1);
    EXPECT_FALSE(page.canDropFiles());
    ASSERT_TRUE(page.selectFolder("Program Files\\My App\\"));
    EXPECT_TRUE(page.canDropFiles());
    EXPECT_EQ(page.shownColumn(List::Files, 2), QStringList({"bin1\\app.exe"}));
    EXPECT_EQ(listNamed(page, "lv_ppcfs_files")->topLevelItem(0)->toolTip(2), "bin1\\app.exe")
        << "a cut path shows whole";

    page.ppcfs_add_folderClick();
    EXPECT_EQ(page.selectedFolderPath(), "Program Files\\My App\\New Folder\\");
    page.ppcfs_add_fileClick();
    EXPECT_EQ(project->CEDevices[1].Files[3].DestinationDir, "%CE1%\\%AppName%\\New Folder\\");
    EXPECT_EQ(page.shownColumn(List::Files, 0), QStringList({"ChangeMe"}));

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
    chooseTarget(page, "cb_ppcfs_targets", 1);
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
    const QString group = "  Available Registry Sections < double click to add >";
    EXPECT_EQ(page.shownRegistryTree(),
              QStringList({"Default Target", group, "    [ ] Reg A", "    [ ] Reg B", "    [ ] Reg C",
                           "ARM Target", group, "    [ ] Reg A", "    [x] Reg B", "    [ ] Reg C",
                           "MIPS Target", group, "    [ ] Reg A", "    [ ] Reg B", "    [ ] Reg C"}));
    EXPECT_EQ(page.setupFilesCaption(), "Setup DLL and Self Register Files for - No Target Selected -");
    auto *setupDll = pageWidget<TNxEdit>(page, "_CESetupDLL");
    EXPECT_FALSE(setupDll->isEnabled());
    QTreeWidget *tree = listNamed(page, "vst_Installations");
    QTreeWidgetItem *armSections = tree->topLevelItem(1)->child(0);
    EXPECT_TRUE(host.calls().contains("setRegistrySectionNodes Reg A|Reg B|Reg C"));

    project->Modified = false;
    armSections->child(2)->setCheckState(0, Qt::Checked);
    EXPECT_EQ(project->CEDevices[1].Installation.defaultInstallRegistry, QStringList({"Reg B", "Reg C"}));
    EXPECT_TRUE(project->CEDevices[2].Installation.defaultInstallRegistry.isEmpty());
    EXPECT_TRUE(project->Modified);

    tree->setCurrentItem(armSections->child(0));
    EXPECT_EQ(page.setupFilesCaption(), "Setup DLL and Self Register Files for ARM Target");
    EXPECT_TRUE(setupDll->isEnabled());
    setupDll->setText("setup.dll");
    EXPECT_EQ(project->CEDevices[1].Installation.CESetupDLL, "setup.dll");

    tree->setCurrentItem(tree->topLevelItem(2)->child(0)->child(1));
    ui.queueAnswer(UiButton::Yes);
    page.reg_DeleteClick();
    EXPECT_EQ(project->RegistrySections.Count(), 2);
    EXPECT_EQ(project->CEDevices[1].Installation.defaultInstallRegistry, QStringList({"Reg C"}));
    EXPECT_EQ(page.shownRegistryTree().mid(0, 5),
              QStringList({"Default Target", group, "    [ ] Reg A", "    [ ] Reg C", "ARM Target"}));
    EXPECT_EQ(host.calls().last(), "setRegistrySectionNodes Reg A|Reg C");

    tree->setCurrentItem(tree->topLevelItem(0)->child(0));
    page.vst_InstallationsDblClick();
    ASSERT_EQ(project->RegistrySections.Count(), 3);
    EXPECT_EQ(project->RegistrySections[2].Caption, "aRegistrySection");
    EXPECT_EQ(host.calls().last(), "openRegistrySection 2");
    // Added under the default target's row, so that target installs it.
    EXPECT_EQ(project->CEDevices[0].Installation.defaultInstallRegistry, QStringList({"aRegistrySection"}));
    EXPECT_EQ(page.shownRegistryTree().mid(0, 5),
              QStringList({"Default Target", group, "    [ ] Reg A", "    [ ] Reg C", "    [x] aRegistrySection"}));
    EXPECT_EQ(project->CEDevices[1].Installation.defaultInstallRegistry, QStringList({"Reg C"}));
}

TEST_F(CABCreatorFormTest, ShortcutsOfTheShownSection)
{
    TCABCreatorForm page(*project, host);
    chooseTarget(page, "cb_shortcuts_targets", 1);
    EXPECT_EQ(page.shownShortcutSection(), 2);
    EXPECT_EQ(page.shownColumn(List::Shortcuts, 0), QStringList({"link of short-1"}));
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
        listNamed(page, "gui_Shortcuts")->topLevelItem(i)->setSelected(true);
    EXPECT_FALSE(buttonEnabled(page, "bt_shortcut_edit"));
    EXPECT_TRUE(buttonEnabled(page, "bt_shortcut_delete"));
    ui.queueAnswer(UiButton::Yes);
    page.Delete1Click();
    EXPECT_EQ(entries.Count(), 0);
    EXPECT_TRUE(page.shownColumn(List::Shortcuts, 0).isEmpty());
}

TEST_F(CABCreatorFormTest, ShortcutsSortByAHeaderClickAndStaySortedAfterAnAdd)
{
    TShortcutsEntries &entries = project->ShortcutsSections[2].Entries;
    for (const char *name : {"beta", "Alpha", "gamma"}) {
        TShortcutEntry &entry = entries.AddNew();
        entry.shortcut_filename = QString::fromLatin1(name);
        entry.target_file_path = QString::fromLatin1(name) + ".exe";
    }
    TCABCreatorForm page(*project, host);
    chooseTarget(page, "cb_shortcuts_targets", 1);
    EXPECT_EQ(page.shownColumn(List::Shortcuts, 0), QStringList({"link of short-1", "beta", "Alpha", "gamma"}))
        << "unsorted until a header is clicked: the section's order";
    QHeaderView *header = listNamed(page, "gui_Shortcuts")->header();
    ASSERT_TRUE(header->sectionsClickable());
    emit header->sectionClicked(0);
    EXPECT_EQ(page.shownColumn(List::Shortcuts, 0), QStringList({"Alpha", "beta", "gamma", "link of short-1"}));
    EXPECT_EQ(header->sortIndicatorSection(), 0);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    emit header->sectionClicked(0);
    EXPECT_EQ(page.shownColumn(List::Shortcuts, 0), QStringList({"link of short-1", "gamma", "beta", "Alpha"}));
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);

    page.setDialogRunner([](QDialog &dialog) {
        dynamic_cast<Teditor_ShortcutEntry &>(dialog).cb_target->setEditText("delta.exe");
        return int(QDialog::Accepted);
    });
    page.Add1Click();
    EXPECT_EQ(page.shownColumn(List::Shortcuts, 0),
              QStringList({"link of short-1", "gamma", "beta", "aShortcut", "Alpha"}));
    EXPECT_EQ(entries.Count(), 5) << "sorting shows the rows, the section keeps its order";
    EXPECT_EQ(entries[4].shortcut_filename, "aShortcut");
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
    chooseTarget(page, "cb_shortcuts_targets", 1);
    page.setDialogRunner([](QDialog &dialog) {
        dialog.show();
        click(dynamic_cast<Teditor_ShortcutEntry &>(dialog).bt_ok);
        return dialog.result();
    });
    for (int row = 0; row < 2; ++row) {
        selectRow(listNamed(page, "gui_Shortcuts"), row);
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
    chooseTarget(page, "cb_shortcuts_targets", 2);
    EXPECT_EQ(ui.shownTexts(), QStringList({"An error has been detected with your shortcuts.\r"
                                            "Shortcut sections are emtpy, you must recreate them !"}));
    EXPECT_EQ(project->CEDevices[2].Installation.defaultInstallShortcuts, QStringList({"short-3"}));
    EXPECT_EQ(project->ShortcutsSections.Count(), 4);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(project->ShortcutsSections[i].Entries.Count(), 1);
    EXPECT_TRUE(page.shownColumn(List::Shortcuts, 0).isEmpty());
    EXPECT_TRUE(buttonEnabled(page, "bt_shortcut_add"));
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
        chooseTarget(*page, "cb_ppcfs_targets", 1);
        EXPECT_TRUE(page->selectFolder("Program Files\\My App\\"));
        return page;
    }

    static QTreeWidget *files(const TCABCreatorForm &page) { return listNamed(page, "lv_ppcfs_files"); }
    static QTreeWidget *folders(const TCABCreatorForm &page) { return listNamed(page, "tv_ppcfs_folders"); }

    TPPCFS_File &file(int index) { return project->CEDevices[1].Files[index]; }

    FileTypeIconCache fileTypes;
};

} // namespace

TEST_F(CABCreatorFilesTabTest, FileListShowsTypesOncePerExtensionAndSortsByColumn)
{
    auto page = openFilesTab();
    QTreeWidget *list = files(*page);
    EXPECT_EQ(page->shownColumn(List::Files, 0), QStringList({"A.txt", "app.exe", "b.TXT", "c.png"}));
    const QStringList types = page->shownColumn(List::Files, 1);
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
        EXPECT_EQ(page->shownColumn(List::Files, 0), click.order) << click.clicked;
    }
}

TEST_F(CABCreatorFilesTabTest, FileColumnsTakeTheirTextsWidthUnlessTheUserSizedThem)
{
    file(0).SourceDir = "resources\\localisation\\deutsch\\hilfe\\kapitel\\";
    auto page = openFilesTab();
    QTreeWidget *list = files(*page);
    page->resize(900, 600);
    page->show();
    showTab(*page, 1);
    QCoreApplication::processEvents();
    const auto widest = [list](int column) {
        int width = 0;
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            width = qMax(width, list->fontMetrics().horizontalAdvance(list->topLevelItem(row)->text(column)));
        return width;
    };
    EXPECT_GT(widest(2), 200);
    for (int column : {0, 1, 2})
        EXPECT_GE(list->columnWidth(column), widest(column)) << column;

    list->header()->resizeSection(2, 90); // the user's drag
    ASSERT_TRUE(page->selectFolder("Program Files\\My App\\"));
    QCoreApplication::processEvents();
    EXPECT_EQ(list->columnWidth(2), 90);
    EXPECT_GE(list->columnWidth(0), widest(0));
}

TEST_F(CABCreatorFilesTabTest, InspectorFollowsTheSelectionAndEditsTheFiles)
{
    auto page = openFilesTab();
    QTreeWidget *list = files(*page);
    DeviceFileEntries::Inspection shown = page->shownFileProperties();
    EXPECT_EQ(shown.caption, "File Properties");
    EXPECT_EQ(shown.name, "A.txt");
    EXPECT_EQ(shown.source, "src\\A.txt");
    EXPECT_EQ(shown.flag, "Default");
    EXPECT_TRUE(shown.single);
    EXPECT_TRUE(shown.showsFlag);
    EXPECT_FALSE(project->Modified);

    for (int row : {0, 1, 3})
        list->topLevelItem(row)->setSelected(true);
    shown = page->shownFileProperties();
    EXPECT_EQ(shown.caption, "Multiple Files");
    EXPECT_FALSE(shown.single);
    EXPECT_TRUE(shown.showsFlag);
    fileInspectorRow<TNxComboBoxItem>(*page, "Attributes")->setValue("COPYFLG_NOSKIP");
    EXPECT_EQ(page->shownColumn(List::Files, 3),
              QStringList({"COPYFLG_NOSKIP", "COPYFLG_NOSKIP", "Default", "COPYFLG_NOSKIP"}));
    for (int index : {0, 4, 5})
        EXPECT_EQ(file(index).Attributes, 2) << index;
    EXPECT_EQ(file(3).Attributes, 0);
    EXPECT_TRUE(project->Modified);

    selectRow(list, 3); // c.png
    fileInspectorRow<TNxButtonItem>(*page, "Source")->setValue("..\\pics\\photo.JPG");
    EXPECT_EQ(file(4).SourceDir, "..\\pics\\");
    EXPECT_EQ(file(4).SourceName, "photo.JPG");
    EXPECT_EQ(list->topLevelItem(3)->text(2), "..\\pics\\photo.JPG");
    EXPECT_EQ(list->topLevelItem(3)->text(1), FileTypeLookup(nullptr).Lookup("x.jpg", false).typeName);
    fileInspectorRow<TNxTextItem>(*page, "Filename")->setValue("0-first.jpg");
    EXPECT_EQ(file(4).DestinationName, "0-first.jpg");
    EXPECT_EQ(page->shownColumn(List::Files, 0), QStringList({"0-first.jpg", "A.txt", "app.exe", "b.TXT"}));

    list->clearSelection();
    shown = page->shownFileProperties();
    EXPECT_EQ(shown.caption, "No File is Selected");
    EXPECT_FALSE(shown.showsFlag);
    EXPECT_FALSE(shown.single);
}

TEST_F(CABCreatorFilesTabTest, SourceButtonAndPropertiesDialog)
{
    auto page = openFilesTab();
    QTreeWidget *list = files(*page);
    selectRow(list, 1); // app.exe
    ui.queueFilesWithCheckBox({"/data/proj/pics/New.bmp"}, true);
    fileInspectorRow<TNxButtonItem>(*page, "Source")->clickButton();
    ASSERT_EQ(ui.calls().size(), 1);
    EXPECT_EQ(ui.calls().at(0).request.filter, "All Files (*.*)|*.*");
    EXPECT_EQ(ui.calls().at(0).request.fileName, "/data/proj/bin1/app.exe");
    EXPECT_EQ(ui.calls().at(0).request.folder, "/data/proj/bin1");
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
    EXPECT_EQ(page->shownColumn(List::Files, 0), QStringList({"A.txt", "b.TXT", "c.png", "New.bmp"}));
    selectRow(list, 1); // b.TXT
    page->setPopupMenuRunner(choose("Properties"));
    emit list->customContextMenuRequested(QPoint(1, 1));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(file(3).SourceDir, "other\\");
    EXPECT_EQ(file(3).SourceName, "tool.exe");
    EXPECT_EQ(file(3).DestinationName, "tool.exe");
    EXPECT_EQ(file(3).Attributes, 7);
    // The renamed row takes its place in the sorted list.
    EXPECT_EQ(page->shownColumn(List::Files, 0), QStringList({"A.txt", "c.png", "New.bmp", "tool.exe"}));
    EXPECT_EQ(page->shownColumn(List::Files, 3).at(3), "CE_COPYFLG_SHARED");
    EXPECT_EQ(page->shownFileProperties().name, "tool.exe");

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
    EXPECT_EQ(page->shownColumn(List::Files, 0).size(), 6);

    ASSERT_TRUE(page->selectFolder(QString()));
    page->ppcfs_insert_filesClick();
    page->ppcfs_add_fileClick();
    EXPECT_EQ(ui.calls().size(), 1);
    EXPECT_EQ(project->CEDevices[1].Files.Count(), 8);
}

// Not the program's working folder: the project's, then where the user last went for that purpose.
TEST_F(CABCreatorFilesTabTest, FileDialogsStartInTheProjectsFolderThenWhereTheUserLastWent)
{
    auto page = openFilesTab();
    ui.queueFilesWithCheckBox({"/data/proj/x/One.Txt"}, true);
    page->ppcfs_insert_filesClick();
    ui.queueFilesWithCheckBox({}, true);
    page->ppcfs_insert_filesClick();
    ui.queueFolder(std::nullopt);
    page->ImportFolders1Click();
    ASSERT_EQ(ui.calls().size(), 3);
    EXPECT_EQ(ui.calls().at(0).request.folder, "/data/proj");
    EXPECT_EQ(ui.calls().at(1).request.folder, "/data/proj/x");
    EXPECT_EQ(ui.calls().at(2).request.folder, "/data/proj") << "another purpose starts in the project's folder";

    // A source's "..." opens in the folder of the source it shows.
    selectRow(files(*page), 0);
    page->NxButtonItem1ButtonClick();
    ASSERT_EQ(ui.calls().size(), 4);
    EXPECT_EQ(ui.calls().at(3).request.folder, QFileInfo(ui.calls().at(3).request.fileName).absolutePath());
    EXPECT_TRUE(ui.calls().at(3).request.folder.startsWith("/data/proj")) << ui.calls().at(3).request.folder.toStdString();
}

TEST_F(CABCreatorFilesTabTest, PopupMenusFollowTheSelection)
{
    auto page = openFilesTab();
    const auto folderMenu = [&] { return menuState([&](QMenu &menu) { page->fillFoldersPopup(menu); }); };
    const auto fileMenu = [&] { return menuState([&](QMenu &menu) { page->fillFilesPopup(menu); }); };
    EXPECT_EQ(folderMenu(), QStringList({"+Add Folder", "|", "+Delete", "+Rename"}));
    EXPECT_EQ(fileMenu(), QStringList({"+Add Entry", "+Insert File(s)", "+Import Folder(s)", "|", "+Delete", "|",
                                    "+Properties"}));
    files(*page)->topLevelItem(1)->setSelected(true);
    EXPECT_EQ(fileMenu().last(), "-Properties");

    ASSERT_TRUE(page->selectFolder("Program Files\\"));
    EXPECT_EQ(folderMenu(), QStringList({"+Add Folder", "|", "-Delete", "-Rename"}));
    ASSERT_TRUE(page->selectFolder(QString()));
    EXPECT_EQ(fileMenu(), QStringList({"-Add Entry", "-Insert File(s)", "-Import Folder(s)", "|", "-Delete", "|",
                                    "-Properties"}));

    // A right click selects the folder under the mouse before its menu shows.
    page->resize(640, 480);
    page->show();
    showTab(*page, 1);
    QTreeWidget *tree = folders(*page);
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
    showTab(page, 2);
    QTreeWidget *tree = listNamed(page, "vst_Installations");
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
    QWidget *viewport = files(*page)->viewport();

    ASSERT_TRUE(page->selectFolder(QString()));
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

// An import refills the folder tree: the folders the user opened stay open.
TEST_F(CABCreatorFilesTabTest, AnImportKeepsTheFolderTreesExpansion)
{
    TPPCFS_File &font = project->CEDevices[1].Files.AddNew();
    font.DestinationDir = "%CE2%\\Fonts\\";
    font.DestinationName = font.SourceName = "a.ttf";
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath("drop"));
    QFile(root.filePath("drop/new.txt")).open(QIODevice::WriteOnly);
    auto page = openFilesTab();
    const auto item = [&page](const char *text) {
        const QList<QTreeWidgetItem *> found =
            folders(*page)->findItems(QString::fromLatin1(text), Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    };
    ASSERT_NE(item("Windows"), nullptr);
    item("Windows")->setExpanded(true);
    page->setDialogRunner([](QDialog &) { return int(QDialog::Accepted); });
    page->AddFilesToTarget({ root.filePath("drop/new.txt") });
    ASSERT_EQ(project->CEDevices[1].Files.Count(), 8);
    ASSERT_NE(item("Windows"), nullptr);
    EXPECT_TRUE(item("Windows")->isExpanded());
    EXPECT_EQ(page->selectedFolderPath(), "Program Files\\My App\\");
}

TEST_F(CABCreatorFilesTabTest, AFolderIsRenamedInItsLabelEditorWithoutAQtWarning)
{
    auto page = openFilesTab();
    page->resize(900, 600);
    page->show();
    const QtWarningRecorder warnings;
    QTreeWidget *tree = folders(*page);
    tree->editItem(tree->currentItem());
    auto *editor = qobject_cast<QLineEdit *>(tree->indexWidget(tree->currentIndex()));
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("Tools"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(page->selectedFolderPath(), QStringLiteral("Program Files\\Tools\\"));
    QCoreApplication::processEvents();
    EXPECT_EQ(file(1).DestinationDir, "%CE1%\\Tools\\data\\");
    EXPECT_EQ(warnings.warnings().filter("closeEditor"), QStringList());
}

TEST_F(CABCreatorFilesTabTest, FolderLabelsAreEditedInPlace)
{
    auto page = openFilesTab();
    folders(*page)->currentItem()->setText(0, "Tools");
    QCoreApplication::processEvents();
    EXPECT_EQ(page->selectedFolderPath(), "Program Files\\Tools\\");
    EXPECT_EQ(file(1).DestinationDir, "%CE1%\\Tools\\data\\");

    ASSERT_TRUE(page->selectFolder("Program Files\\"));
    page->ppcfs_add_folderClick();
    QTreeWidgetItem *added = folders(*page)->currentItem();
    ASSERT_EQ(added->text(0), "New Folder");
    // The added folder's label is open for editing; the rename follows its commit.
    auto *editor = qobject_cast<QLineEdit *>(folders(*page)->indexWidget(folders(*page)->currentIndex()));
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("Tools"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(ui.shownTexts(), QStringList({"Duplicate name, please enter another one"}));
    EXPECT_EQ(added->text(0), "New Folder");
    EXPECT_EQ(page->selectedFolderPath(), "Program Files\\New Folder\\");
}

TEST_F(CABCreatorFilesTabTest, LayoutSortAndColumnsComeBackFromTheSettings)
{
    const auto showFiles = [](TCABCreatorForm &page) {
        page.resize(800, 600);
        page.show();
        showTab(page, 1);
        QCoreApplication::processEvents();
    };
    QList<int> panes;
    {
        auto page = openFilesTab();
        showFiles(*page);
        auto *splitter = pageWidget<TNxSplitter>(*page, "NxSplitter1");
        splitter->setSizes({300, 420});
        panes = splitter->sizes();
        files(*page)->setColumnWidth(2, 211);
        listNamed(*page, "gui_CEDevices")->setColumnWidth(1, 77);
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
    EXPECT_EQ(files(*again)->header()->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_EQ(again->shownColumn(List::Files, 0), QStringList({"c.png", "b.TXT", "A.txt", "app.exe"}));
    EXPECT_EQ(files(*again)->columnWidth(2), 211);
    EXPECT_EQ(listNamed(*again, "gui_CEDevices")->columnWidth(1), 77);
    EXPECT_EQ(pageWidget<TNxSplitter>(*again, "NxSplitter1")->sizes(), panes);
}
