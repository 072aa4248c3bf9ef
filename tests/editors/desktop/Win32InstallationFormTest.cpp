#include "editors/registry/AddFileAssociation.h"
#include "editors/dialogs/DropFilesDialog.h"
#include "editors/ModulePages.h"
#include "editors/desktop/Win32InstallationForm.h"
#include "model/InstallComponent.h"
#include "model/ProjectContainer.h"
#include "pagehost/FakeProjectWindowHost.h"
#include "pagehost/ProjectPageFactory.h"
#include "platform/RegistryMemoryStore.h"
#include "tests/editors/EditorTestSupport.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/QtWarningRecorder.h"
#include "widgets/NextInspector.h"
#include "widgets/NxComboBoxItem.h"
#include "widgets/NxEdit.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTest>
#include <QTreeWidget>

using namespace talmo;
using namespace talmo::testing;

namespace {

QStringList children(const QTreeWidgetItem *item)
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts.append(item->child(i)->text(0));
    return texts;
}

using List = TWin32InstallationForm::List;

QTreeWidget *tree(const TWin32InstallationForm &page, const QString &name)
{
    return pageWidget<QTreeWidget>(page, name);
}

QTreeWidget *folderTree(const TWin32InstallationForm &page)
{
    return tree(page, "tv_win32_folders");
}

TWin32FileEntry &addFile(TWin32Plugin &plugin, const QString &source, const QString &destination)
{
    TWin32FileEntry &entry = plugin.FileEntries.AddNew();
    entry.Source = source;
    entry.Destination = destination;
    return entry;
}

TWin32RegistryEntry &addValue(TWin32Plugin &plugin, const QString &root, const QString &subKey, const QString &name)
{
    TWin32RegistryEntry &entry = plugin.RegistryEntries.AddNew();
    entry.Root = root;
    entry.SubKey = subKey;
    entry.ValueName = name;
    entry.ValueType = "String";
    return entry;
}

class Win32InstallationFormTest : public EditorTest
{
protected:
    Win32InstallationFormTest()
    {
        project.SetFileName(root.filePath("project/Setup.talmo"));
        project.Win32AppName = "My Application";
        project.PublisherWebSite = "http://example.org";
        project.Win32Plugins.AddNew().Caption = "Desktop";
        TInstallComponent &component = project.InstallComponents.AddNew(&project);
        component.moduleType = ModuleType::Win32;
        component.moduleIndex = 0;
    }

    TWin32Plugin &plugin() { return project.Win32Plugins[0]; }

    std::unique_ptr<TWin32InstallationForm> openPage()
    {
        auto page = std::make_unique<TWin32InstallationForm>(project, host, 0);
        project.Modified = false;
        return page;
    }

    // The page on its registry tab with the key selected.
    std::unique_ptr<TWin32InstallationForm> openOnRegistryKey(const QString &keyPath)
    {
        auto page = openPage();
        page->setActivePage(TWin32InstallationForm::RegistryPage);
        EXPECT_TRUE(page->selectKey(keyPath));
        return page;
    }

    // The inspector's rows as "caption|tag", categories included.
    QStringList rows()
    {
        QStringList lines;
        TNxPropertyItems *items = host.inspector()->items();
        for (int i = 0; i < items->count(); ++i)
            lines.append(items->item(i)->caption() + '|' + QString::number(items->item(i)->tag()));
        return lines;
    }

    TNxPropertyItem *row(int tag) { return host.inspector()->items()->findByTag(tag); }

    QTemporaryDir root;
    RegistryMemoryStore store;
    ScopedCurrentRegistryStore useStore{store};
    TProjectContainer project;
    FakeProjectWindowHost host;
};

} // namespace

TEST_F(Win32InstallationFormTest, RegisteredForTheDesktopInstallerModule)
{
    ProjectPageFactory factory;
    registerModulePages(factory);
    project.InstallComponents[0].moduleIndex = -1;
    std::unique_ptr<HostedPage> page(factory.create(PageKind::Win32Module, {project, host, 0}, nullptr));
    EXPECT_NE(dynamic_cast<TWin32InstallationForm *>(page.get()), nullptr);
    EXPECT_EQ(project.InstallComponents[0].moduleIndex, 1);
    EXPECT_EQ(project.Win32Plugins.Count(), 2);
}

TEST_F(Win32InstallationFormTest, TheTreesStartWideEnoughForTheRootKeysAndFolderConstants)
{
    const auto page = openPage();
    const auto treeWidth = [](QTreeWidget *tree) { return qobject_cast<QSplitter *>(tree->parentWidget())->sizes().value(0); };
    const auto nameRoom = [](QTreeWidget *tree, const QString &name) {
        return 2 * tree->indentation() + tree->iconSize().width() + tree->fontMetrics().horizontalAdvance(name);
    };
    QTreeWidget *keys = tree(*page, "tv_registry");
    EXPECT_GT(treeWidth(keys), nameRoom(keys, "HKEY_CURRENT_CONFIG"));
    EXPECT_GT(treeWidth(folderTree(*page)), nameRoom(folderTree(*page), "{commonstartmenu}"));
}

TEST_F(Win32InstallationFormTest, EveryButtonIsWideEnoughForItsCaption)
{
    const auto page = openPage();
    for (QPushButton *button : page->findChildren<QPushButton *>())
        EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
}

TEST_F(Win32InstallationFormTest, ModuleWithoutFilesShowsTheConstantsAndAllFilesLast)
{
    auto page = openPage();
    QTreeWidget *folders = folderTree(*page);
    ASSERT_EQ(folders->topLevelItemCount(), 2);
    EXPECT_EQ(folders->topLevelItem(0)->text(0), "Install Directories");
    EXPECT_EQ(folders->topLevelItem(1)->text(0), "All Files");
    EXPECT_EQ(folders->topLevelItem(0)->childCount(), 24);
    EXPECT_EQ(folders->topLevelItem(0)->child(0)->text(0), "{app}");
    EXPECT_EQ(pageWidget<QLineEdit>(*page, "NxEdit1")->text(), "Desktop");
    EXPECT_EQ(rows(), QStringList({"No File is Selected|99"}));
    QPushButton *addItem = pageWidget<QPushButton>(*page, "bt_add_item");
    EXPECT_FALSE(addItem->isEnabled());
    EXPECT_TRUE(host.inspector()->items()->item(0)->font().bold());
    EXPECT_TRUE(host.inspector()->items()->item(0)->readOnly());
    page->selectFolderRoot(Win32FolderKind::AllFiles);
    EXPECT_TRUE(page->listColumn(List::Files, 0).isEmpty());
    EXPECT_TRUE(addItem->isEnabled());
}

TEST_F(Win32InstallationFormTest, FilesMakeBoldFolderNodesAndGetNormalisedDestinations)
{
    addFile(plugin(), "a.txt", "{app}");
    addFile(plugin(), "docs\\one.txt", "{app}\\Docs\\");
    addFile(plugin(), "docs\\two.txt", "{app}\\Docs\\");
    auto page = openPage();
    EXPECT_EQ(plugin().FileEntries[0].Destination, "{app}\\");
    QTreeWidgetItem *app = folderTree(*page)->topLevelItem(0)->child(0);
    EXPECT_EQ(children(app), QStringList({"Docs"}));
    EXPECT_TRUE(app->child(0)->font(0).bold());
    EXPECT_FALSE(folderTree(*page)->topLevelItem(0)->child(1)->font(0).bold());
    ASSERT_TRUE(page->selectFolder("{app}\\"));
    EXPECT_EQ(page->listColumn(List::Files, 0), QStringList({"Docs", "a.txt"}));
    EXPECT_EQ(page->listColumn(List::Files, 1).first(), "Folder");
    page->selectFolderRoot(Win32FolderKind::AllFiles);
    EXPECT_EQ(page->listColumn(List::Files, 0), QStringList({"a.txt", "one.txt", "two.txt"}));
    EXPECT_FALSE(project.Modified);
    // Names and sources a narrow column cuts short show whole in their tool tips.
    EXPECT_EQ(app->toolTip(0), "{app}");
    QTreeWidgetItem *one = tree(*page, "lv_win32_files")->topLevelItem(1);
    EXPECT_EQ(one->toolTip(0), "one.txt");
    EXPECT_EQ(one->toolTip(2), "docs\\one.txt");
}

TEST_F(Win32InstallationFormTest, AddFolderTwiceRenameAndDeleteFolders)
{
    addFile(plugin(), "a.txt", "{app}\\Docs\\sub\\");
    addFile(plugin(), "b.txt", "{app}\\docs\\");
    addFile(plugin(), "c.txt", "{app}\\");
    auto page = openPage();
    ASSERT_TRUE(page->selectFolder("{app}\\"));
    page->AddFolderClick();
    ASSERT_TRUE(page->selectFolder("{app}\\"));
    page->AddFolderClick();
    EXPECT_TRUE(plugin().Dirs.contains("{app}\\New Folder\\"));
    EXPECT_TRUE(plugin().Dirs.contains("{app}\\New Folder 1\\"));
    EXPECT_EQ(page->selectedFolderPath(), "{app}\\New Folder 1\\");
    EXPECT_TRUE(project.Modified);

    ASSERT_TRUE(page->selectFolder("{app}\\Docs\\"));
    EXPECT_FALSE(page->renameSelectedFolder("New Folder"));
    EXPECT_EQ(ui.shownTexts(), QStringList({"Duplicate name, please enter another one"}));
    EXPECT_FALSE(page->renameSelectedFolder(""));
    EXPECT_FALSE(page->renameSelectedFolder("a\\b"));
    EXPECT_EQ(folderTree(*page)->currentItem()->text(0), "Docs");
    EXPECT_TRUE(page->renameSelectedFolder("Help"));
    EXPECT_EQ(plugin().FileEntries[0].Destination, "{app}\\Help\\sub\\");
    EXPECT_EQ(plugin().FileEntries[1].Destination, "{app}\\Help\\");
    EXPECT_TRUE(plugin().Dirs.contains("{app}\\Help\\sub\\"));
    EXPECT_FALSE(plugin().Dirs.contains("{app}\\Docs\\sub\\"));
    EXPECT_EQ(page->selectedFolderPath(), "{app}\\Help\\");

    // Deleting the folder row of Help in {app}'s list takes every file below it.
    ASSERT_TRUE(page->selectFolder("{app}\\"));
    const int helpRow = page->listColumn(List::Files, 0).indexOf("Help");
    ASSERT_GE(helpRow, 0);
    page->selectRows(List::Files, {helpRow});
    ui.queueAnswer(UiButton::Yes);
    page->DeleteFileRowsClick();
    ASSERT_EQ(plugin().FileEntries.Count(), 1);
    EXPECT_EQ(plugin().FileEntries[0].Source, "c.txt");
    EXPECT_EQ(children(folderTree(*page)->topLevelItem(0)->child(0)), QStringList({"New Folder", "New Folder 1"}));
}

// Renaming rebuilds the tree; the label's editor must be closed first, or Qt
// warns that it closes an editor which no longer belongs to the tree.
TEST_F(Win32InstallationFormTest, FolderAndKeyLabelsAreRenamedInTheirEditors)
{
    addFile(plugin(), "a.txt", "{app}\\Docs\\");
    addValue(plugin(), "HKEY_CURRENT_USER", "Software\\Demo", "v");
    auto page = openPage();
    page->resize(900, 600);
    page->show();
    const QtWarningRecorder warnings;
    const auto renameInEditor = [](QTreeWidget *tree, const char *name) {
        tree->editItem(tree->currentItem());
        auto *editor = qobject_cast<QLineEdit *>(tree->indexWidget(tree->currentIndex()));
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, QString::fromLatin1(name));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(tree->indexWidget(tree->currentIndex()), nullptr);
        QCoreApplication::processEvents();
    };
    ASSERT_TRUE(page->selectFolder("{app}\\Docs\\"));
    renameInEditor(folderTree(*page), "Manuals");
    EXPECT_EQ(plugin().FileEntries[0].Destination, "{app}\\Manuals\\");
    EXPECT_EQ(page->selectedFolderPath(), "{app}\\Manuals\\");

    page->setActivePage(TWin32InstallationForm::RegistryPage);
    ASSERT_TRUE(page->selectKey("HKEY_CURRENT_USER\\Software\\Demo\\"));
    renameInEditor(tree(*page, "tv_registry"), "Sample");
    EXPECT_EQ(plugin().RegistryEntries[0].SubKey, "Software\\Sample");
    EXPECT_EQ(warnings.warnings().filter("closeEditor"), QStringList());
}

TEST_F(Win32InstallationFormTest, DeletingAFolderNodeTakesFilesInAnyCase)
{
    addFile(plugin(), "a.txt", "{app}\\Docs\\");
    addFile(plugin(), "b.txt", "{app}\\docs\\x\\");
    addFile(plugin(), "c.txt", "{app}\\");
    auto page = openPage();
    ASSERT_TRUE(page->selectFolder("{app}\\Docs\\"));
    ui.queueAnswer(UiButton::No);
    page->DeleteFolderClick();
    EXPECT_EQ(plugin().FileEntries.Count(), 3);
    ui.queueAnswer(UiButton::Yes);
    page->DeleteFolderClick();
    ASSERT_EQ(plugin().FileEntries.Count(), 1);
    EXPECT_EQ(page->selectedFolderPath(), "{app}\\");
}

TEST_F(Win32InstallationFormTest, TheDeleteKeyUnderInstallDirectoriesDoesNothing)
{
    addFile(plugin(), "a.txt", "{app}\\");
    auto page = openPage();
    page->selectFolderRoot(Win32FolderKind::InstallDirectories);
    const int appRow = page->listColumn(List::Files, 0).indexOf("{app}");
    ASSERT_GE(appRow, 0);
    page->selectRows(List::Files, {appRow});
    QAction *deleteKey = nullptr;
    for (QAction *action : tree(*page, "lv_win32_files")->actions()) {
        if (action->shortcut() == QKeySequence(Qt::Key_Delete))
            deleteKey = action;
    }
    ASSERT_NE(deleteKey, nullptr);
    ui.queueAnswer(UiButton::Yes);
    deleteKey->trigger();
    EXPECT_TRUE(ui.calls().isEmpty()) << "no question about a deletion that cannot happen";
    EXPECT_EQ(plugin().FileEntries.Count(), 1);
    EXPECT_FALSE(project.Modified);
}

TEST_F(Win32InstallationFormTest, SeveralSelectedFilesShareFlagsButNotTheirSource)
{
    addFile(plugin(), "a.txt", "{app}\\");
    addFile(plugin(), "b.txt", "{app}\\");
    addFile(plugin(), "c.txt", "{app}\\");
    auto page = openPage();
    ASSERT_TRUE(page->selectFolder("{app}\\"));
    page->selectRows(List::Files, {1});
    EXPECT_EQ(rows().mid(0, 4), QStringList({"File Properties|99", "Source|0", "Destination Folder|1",
                                             "Destination Name|2"}));
    page->selectRows(List::Files, {0, 1, 2});
    EXPECT_TRUE(page->MultiSelectMode());
    EXPECT_EQ(rows().mid(0, 3), QStringList({"Multiple Files Selected|99", "Destination|1", "File Attributes|99"}));
    EXPECT_EQ(row(0), nullptr) << "each file keeps its own source";
    row(3)->setValue("yes");
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(plugin().FileEntries[i].AttributesReadOnly) << i;
    EXPECT_EQ(page->listColumn(List::Files, 3).first(), QString());
    EXPECT_TRUE(project.Modified);
}

TEST_F(Win32InstallationFormTest, TickingOneViewOfAFileShowsTheOtherUnticked)
{
    addFile(plugin(), "a.dll", "{app}\\");
    plugin().FileEntries[0].Flag64bit = true;
    auto page = openPage();
    ASSERT_TRUE(page->selectFolder("{app}\\"));
    page->selectRows(List::Files, {0});
    const int bits32 = rowOfFlag(fileEntryRows(), &TWin32FileEntry::Flag32bit)->tag;
    const int bits64 = rowOfFlag(fileEntryRows(), &TWin32FileEntry::Flag64bit)->tag;
    ASSERT_EQ(row(bits64)->value(), "yes");
    row(bits32)->setValue("yes");
    EXPECT_EQ(row(bits64)->value(), "no");
    EXPECT_TRUE(plugin().FileEntries[0].Flag32bit);
    EXPECT_FALSE(plugin().FileEntries[0].Flag64bit);
    EXPECT_EQ(page->listColumn(List::Files, 3).first(), "32bit ");
    row(bits64)->setValue("yes");
    EXPECT_EQ(row(bits32)->value(), "no");
    EXPECT_EQ(page->listColumn(List::Files, 3).first(), "64bit");
    EXPECT_TRUE(project.Modified);
}

TEST_F(Win32InstallationFormTest, ChangingTheDestinationMovesTheRowAndMakesTheNode)
{
    addFile(plugin(), "a.txt", "{app}\\");
    addFile(plugin(), "b.txt", "{app}\\");
    auto page = openPage();
    ASSERT_TRUE(page->selectFolder("{app}\\"));
    page->selectRows(List::Files, {0});
    row(1)->setValue("{app}\\Bin");
    EXPECT_EQ(plugin().FileEntries[0].Destination, "{app}\\Bin\\");
    EXPECT_EQ(page->listColumn(List::Files, 0), QStringList({"b.txt"}));
    EXPECT_EQ(children(folderTree(*page)->topLevelItem(0)->child(0)), QStringList({"Bin"}));
    QTRY_COMPARE(rows().value(1), QString("Source|0"));

    page->selectFolderRoot(Win32FolderKind::AllFiles);
    page->selectRows(List::Files, {1});
    row(1)->setValue("");
    EXPECT_EQ(plugin().FileEntries[1].Destination, "{app}\\");
    EXPECT_EQ(page->listColumn(List::Files, 0).size(), 2);
}

TEST_F(Win32InstallationFormTest, AddItemAndDroppedFoldersKeepTheirTree)
{
    QDir(root.path()).mkpath("project");
    QDir(root.path()).mkpath("src/Docs/Sub");
    for (const QString name : {"src/Docs/Guide.TXT", "src/Docs/Sub/Page.html"}) {
        QFile file(root.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    auto page = openPage();
    ASSERT_TRUE(page->selectFolder("{app}\\"));
    page->AddItemClick();
    ASSERT_EQ(plugin().FileEntries.Count(), 1);
    EXPECT_EQ(plugin().FileEntries[0].Source, "New File");
    EXPECT_EQ(plugin().FileEntries[0].Destination, "{app}\\");

    QString shownFolder;
    page->setDialogRunner([&](QDialog &dialog) {
        auto &options = dynamic_cast<TDropFilesDialog &>(dialog);
        shownFolder = options.cb_InstallFolder->currentText();
        EXPECT_TRUE(options.cb_Recurse->isEnabled());
        options.cb_Recurse->setChecked(true);
        return int(QDialog::Accepted);
    });
    page->AddDroppedPaths({root.filePath("src/Docs")});
    EXPECT_EQ(shownFolder, "{app}\\");
    ASSERT_EQ(plugin().FileEntries.Count(), 3);
    EXPECT_EQ(plugin().FileEntries[1].Destination, "{app}\\Docs\\");
    EXPECT_EQ(plugin().FileEntries[1].Source, "..\\src\\Docs\\Guide.TXT");
    EXPECT_EQ(plugin().FileEntries[2].Destination, "{app}\\Docs\\Sub\\");
    EXPECT_TRUE(plugin().Dirs.contains("{app}\\Docs\\Sub\\"));
    EXPECT_EQ(children(folderTree(*page)->topLevelItem(0)->child(0)), QStringList({"Docs"}));

    page->setDialogRunner([](QDialog &) { return int(QDialog::Rejected); });
    page->AddDroppedPaths({root.filePath("src/Docs")});
    EXPECT_EQ(plugin().FileEntries.Count(), 3);
}

TEST_F(Win32InstallationFormTest, WhatWasAddedIsSelectedWhereverItSorts)
{
    QDir(root.path()).mkpath("src");
    for (const QString name : {"src/a.txt", "src/b.txt"}) {
        QFile file(root.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    addFile(plugin(), "zz.txt", "{app}\\");
    auto page = openPage();
    ASSERT_TRUE(page->selectFolder("{app}\\"));
    page->AddItemClick();
    ASSERT_EQ(page->selectedRows(List::Files).size(), 1);
    EXPECT_EQ(page->listColumn(List::Files, 0).value(page->selectedRows(List::Files).first()), "New File");
    EXPECT_EQ(row(0)->value(), "New File");

    ui.queueFilesWithCheckBox({root.filePath("src/b.txt"), root.filePath("src/a.txt")}, true);
    page->setDialogRunner([](QDialog &) { return int(QDialog::Accepted); });
    page->InsertFilesClick();
    QStringList selected;
    for (int index : page->selectedRows(List::Files))
        selected.append(page->listColumn(List::Files, 0).value(index));
    selected.sort();
    EXPECT_EQ(selected, QStringList({"a.txt", "b.txt"}));
    EXPECT_EQ(rows().value(0), "Multiple Files Selected|99");
    row(3)->setValue("yes");
    EXPECT_FALSE(plugin().FileEntries[0].AttributesReadOnly);
    EXPECT_FALSE(plugin().FileEntries[1].AttributesReadOnly);
    EXPECT_TRUE(plugin().FileEntries[2].AttributesReadOnly);
    EXPECT_TRUE(plugin().FileEntries[3].AttributesReadOnly);
}

TEST_F(Win32InstallationFormTest, EachTabBindsItsRowsAndATabSwitchRebuildsThem)
{
    addFile(plugin(), "a.txt", "{app}\\");
    plugin().IconEntries.AddNew().Name = "{group}\\A";
    plugin().InstallRunEntries.AddNew().FileName = "setup.exe";
    plugin().UninstallRunEntries.AddNew().FileName = "clean.exe";
    plugin().InstallDeleteEntries.AddNew().DeleteType = "dirifempty";
    plugin().UninstallDeleteEntries.AddNew().DeleteType = "files";
    addValue(plugin(), "HKEY_CURRENT_USER", "Software\\Demo", "v");
    auto page = openPage();

    struct Case
    {
        int page;
        List list;
        QStringList firstRows;
    };
    const Case cases[] = {
        {TWin32InstallationForm::ShortcutsPage, List::Icons, {"Shortcut Properties|99", "File Name|0"}},
        {TWin32InstallationForm::InstallRunPage, List::InstallRun, {"Run Properties|99", "File Name|0"}},
        {TWin32InstallationForm::UninstallRunPage, List::UninstallRun, {"Run Properties|99", "File Name|0"}},
        {TWin32InstallationForm::InstallDeletePage, List::InstallDelete,
         {"Delete Entry Properties|99", "Delete Type|1", "Name|2"}},
    };
    for (const Case &c : cases) {
        page->setActivePage(c.page);
        EXPECT_EQ(rows().value(0), c.page == TWin32InstallationForm::ShortcutsPage ? "No Shortcut is Selected|99"
                                                                                  : "Nothing Selected|99");
        page->selectRows(c.list, {0});
        EXPECT_EQ(rows().mid(0, c.firstRows.size()), c.firstRows) << c.page;
    }
    EXPECT_EQ(row(1)->value(), "Dir If Empty");
    page->setActivePage(TWin32InstallationForm::RegistryPage);
    EXPECT_EQ(rows(), QStringList({"No Registry Entry is Selected|99"}));
    EXPECT_FALSE(pageWidget<QPushButton>(*page, "bt_add_registry")->isEnabled());
    EXPECT_FALSE(pageWidget<QAction>(*page, "AddEnrty1")->isEnabled());
    EXPECT_FALSE(page->CanAddRegistryValue());
    page->AddRegistryEntryClick();
    EXPECT_EQ(plugin().RegistryEntries.Count(), 1);
    EXPECT_FALSE(project.Modified);
    EXPECT_TRUE(host.helpViewer()->toPlainText().contains("Registry Entries"));
}

TEST_F(Win32InstallationFormTest, ShortcutsAutoIconsTargetsAndDelete)
{
    addFile(plugin(), "bin\\tool.exe", "{app}\\");
    addFile(plugin(), "http://example.org/get/setup.zip", "{tmp}\\").DestinationName = "";
    addFile(plugin(), "x.dat", "{app}\\Data\\").DestinationName = "Renamed.dat";
    auto page = openPage();
    page->setActivePage(TWin32InstallationForm::ShortcutsPage);
    page->UninstallApplicationClick();
    page->ProgramOnTheWebClick();
    EXPECT_EQ(page->listColumn(List::Icons, 0), QStringList({"{group}\\{cm:UninstallProgram,My Application}",
                                                            "{group}\\{cm:ProgramOnTheWeb,My Application}"}));
    EXPECT_EQ(page->listColumn(List::Icons, 1), QStringList({"{uninstallexe}", "http://example.org"}));
    EXPECT_TRUE(project.Modified);
    auto *target = qobject_cast<TNxComboBoxItem *>(row(1));
    ASSERT_NE(target, nullptr);
    host.inspector()->selectItem(target);
    EXPECT_EQ(target->lines(), QStringList({"{app}\\tool.exe", "{tmp}\\setup.zip", "{app}\\Data\\Renamed.dat"}));
    row(9)->setValue("yes");
    EXPECT_EQ(page->listColumn(List::Icons, 2).last(), "RunMinimized ");

    ui.queueAnswer(UiButton::Yes);
    page->DeleteIconClick();
    ui.queueAnswer(UiButton::Yes);
    page->DeleteIconClick();
    EXPECT_EQ(plugin().IconEntries.Count(), 0);
    EXPECT_EQ(rows(), QStringList({"No Shortcut is Selected|99"}));
}

TEST_F(Win32InstallationFormTest, TickingAWayToWaitShowsTheOtherWaysUnticked)
{
    auto page = openPage();
    page->setActivePage(TWin32InstallationForm::InstallRunPage);
    page->AddRunClick(true);
    const int noWait = 5, untilIdle = 7, untilTerminated = 8;
    row(noWait)->setValue("yes");
    row(untilIdle)->setValue("yes");
    EXPECT_EQ(row(noWait)->value(), "no");
    row(untilTerminated)->setValue("yes");
    EXPECT_EQ(row(untilIdle)->value(), "no");
    EXPECT_EQ(page->listColumn(List::InstallRun, 3), QStringList({"WaitUntilTerminated "}));
    const TWin32RunEntry &entry = plugin().InstallRunEntries[0];
    EXPECT_FALSE(entry.FlagNoWait || entry.FlagWaitUntilIdle);
}

TEST_F(Win32InstallationFormTest, RunAndDeleteTabs)
{
    auto page = openPage();
    page->setActivePage(TWin32InstallationForm::InstallRunPage);
    page->AddRunClick(true);
    EXPECT_EQ(page->listColumn(List::InstallRun, 0), QStringList({"Change me"}));
    row(7)->setValue("yes");
    EXPECT_TRUE(plugin().InstallRunEntries[0].FlagWaitUntilIdle);
    EXPECT_EQ(page->listColumn(List::InstallRun, 3), QStringList({"WaitUntilIdle "}));
    ui.queueAnswer(UiButton::No);
    page->DeleteRunClick(true);
    EXPECT_EQ(ui.shownTexts().last(), "Are you seure ?");
    EXPECT_EQ(plugin().InstallRunEntries.Count(), 1);

    page->setActivePage(TWin32InstallationForm::UninstallRunPage);
    page->AddRunClick(false);
    EXPECT_EQ(host.inspector()->items()->findByTag(3)->caption(), "Run Once ID");
    row(7)->setValue("yes");
    EXPECT_TRUE(plugin().UninstallRunEntries[0].FlagWaitUntilTerminated);

    page->setActivePage(TWin32InstallationForm::UninstallDeletePage);
    page->AddDeleteClick(false);
    EXPECT_EQ(page->listColumn(List::UninstallDelete, 0), QStringList({"Files"}));
    EXPECT_EQ(plugin().UninstallDeleteEntries[0].DeleteType, "files");
    row(1)->setValue("Dir If Empty");
    EXPECT_EQ(plugin().UninstallDeleteEntries[0].DeleteType, "dirifempty");
    EXPECT_EQ(page->listColumn(List::UninstallDelete, 0), QStringList({"Dir If Empty"}));
    row(2)->setValue("{app}\\logs");
    EXPECT_EQ(page->listColumn(List::UninstallDelete, 1), QStringList({"{app}\\logs"}));
}

TEST_F(Win32InstallationFormTest, RegistryDefaultPlaceholderMovesAndRenames)
{
    addValue(plugin(), "HKEY_CURRENT_USER", "Software\\Demo", "a");
    addValue(plugin(), "HKEY_CURRENT_USER", "Software\\Demo", "b");
    addValue(plugin(), "HKEY_CURRENT_USER", "Software\\Demo\\Sub", "c");
    auto page = openOnRegistryKey("HKEY_CURRENT_USER\\Software\\Demo\\");
    EXPECT_EQ(page->listColumn(List::Registry, 0), QStringList({"(default)", "a", "b"}));
    EXPECT_TRUE(page->CanAddRegistryValue());
    EXPECT_TRUE(pageWidget<QPushButton>(*page, "bt_add_registry")->isEnabled());
    EXPECT_EQ(page->listColumn(List::Registry, 2).first(), "(no data)");
    EXPECT_EQ(rows().mid(0, 4), QStringList({"Value|99", "Type|2", "Data|4", "Flags|99"}));
    row(4)->setValue("hello");
    ASSERT_EQ(plugin().RegistryEntries.Count(), 4);
    EXPECT_EQ(plugin().RegistryEntries[3].SubKey, "Software\\Demo");
    EXPECT_EQ(plugin().RegistryEntries[3].ValueName, QString());
    EXPECT_EQ(plugin().RegistryEntries[3].ValueData, "hello");
    EXPECT_EQ(page->listColumn(List::Registry, 2).first(), "hello");

    page->selectRows(List::Registry, {1, 2});
    EXPECT_EQ(rows().mid(0, 3), QStringList({"Registry Key|99", "Root Key|0", "Subkey|1"}));
    EXPECT_EQ(host.inspector()->items()->findByTag(3), nullptr);
    row(1)->setValue("Software\\Moved");
    EXPECT_EQ(plugin().RegistryEntries[0].SubKey, "Software\\Moved");
    EXPECT_EQ(plugin().RegistryEntries[1].SubKey, "Software\\Moved");
    EXPECT_EQ(page->listColumn(List::Registry, 0), QStringList({"(default)"}));
    EXPECT_TRUE(page->selectKey("HKEY_CURRENT_USER\\Software\\Moved\\"));

    ASSERT_TRUE(page->selectKey("HKEY_CURRENT_USER\\Software\\Demo\\"));
    EXPECT_FALSE(page->renameSelectedKey(""));
    EXPECT_EQ(plugin().RegistryEntries[2].SubKey, "Software\\Demo\\Sub");
    EXPECT_TRUE(page->renameSelectedKey("Demo2"));
    EXPECT_EQ(plugin().RegistryEntries[2].SubKey, "Software\\Demo2\\Sub");
    EXPECT_EQ(plugin().RegistryEntries[3].SubKey, "Software\\Demo2");
    EXPECT_TRUE(project.Modified);
}

TEST_F(Win32InstallationFormTest, TickingOneUninstallRemovalOfSeveralValuesShowsTheOthersUnticked)
{
    addValue(plugin(), "HKEY_CURRENT_USER", "Software\\Demo", "a");
    addValue(plugin(), "HKEY_CURRENT_USER", "Software\\Demo", "b");
    auto page = openOnRegistryKey("HKEY_CURRENT_USER\\Software\\Demo\\");
    const int clearValue = 6, deleteKey = 7, deleteValue = 9;
    page->selectRows(List::Registry, {1, 2});
    row(deleteKey)->setValue("yes");
    row(deleteValue)->setValue("yes");
    EXPECT_EQ(row(deleteKey)->value(), "no");
    row(clearValue)->setValue("yes");
    EXPECT_EQ(row(deleteValue)->value(), "no");
    EXPECT_EQ(page->listColumn(List::Registry, 3).mid(1),
              QStringList({"ClearValueOnUninstall ", "ClearValueOnUninstall "}));
    for (int i = 0; i < 2; ++i) {
        const TWin32RegistryEntry &entry = plugin().RegistryEntries[i];
        EXPECT_FALSE(entry.FlagDeleteKeyOnUninstall || entry.FlagDeleteValueOnUninstall) << i;
    }
}

TEST_F(Win32InstallationFormTest, AfterAMoveTheInspectorEditsTheValueThatTookTheMovedRowsPlace)
{
    addValue(plugin(), "HKEY_CURRENT_USER", "Software\\Demo", "a");
    addValue(plugin(), "HKEY_CURRENT_USER", "Software\\Demo", "b");
    auto page = openOnRegistryKey("HKEY_CURRENT_USER\\Software\\Demo\\");
    page->selectRows(List::Registry, {1});
    ASSERT_EQ(row(3)->value(), "a");
    row(1)->setValue("Software\\Moved");
    EXPECT_EQ(page->listColumn(List::Registry, 0), QStringList({"(default)", "b"}));
    // The rows are rebuilt once the change has returned to the inspector.
    QCoreApplication::processEvents();
    ASSERT_NE(row(3), nullptr);
    EXPECT_EQ(row(3)->value(), "b");
    EXPECT_EQ(page->selectedRows(List::Registry), QList<int>({1}));
    row(4)->setValue("data of b");
    EXPECT_EQ(plugin().RegistryEntries[1].ValueData, "data of b");
    EXPECT_EQ(plugin().RegistryEntries[0].ValueData, QString());
    EXPECT_EQ(page->listColumn(List::Registry, 2).value(1), "data of b");
}

TEST_F(Win32InstallationFormTest, TypedRegistryDataTheSetupCannotTakeIsRefused)
{
    addValue(plugin(), "HKEY_CURRENT_USER", "Software\\Demo", "blob").ValueType = "Binary";
    addValue(plugin(), "HKEY_CURRENT_USER", "Software\\Demo", "text").ValueData = "hello";
    auto page = openOnRegistryKey("HKEY_CURRENT_USER\\Software\\Demo\\");
    page->selectRows(List::Registry, {1});
    ASSERT_EQ(row(3)->value(), "blob");

    row(4)->setValue("01,0G");
    EXPECT_EQ(plugin().RegistryEntries[0].ValueData, QString());
    EXPECT_EQ(row(4)->value(), QString());
    ASSERT_EQ(ui.calls().size(), 1);
    EXPECT_EQ(ui.calls().first().messageKind, UiMessageKind::Error);
    EXPECT_FALSE(project.Modified);

    row(4)->setValue("01,02,ff");
    EXPECT_EQ(plugin().RegistryEntries[0].ValueData, "01,02,ff");
    EXPECT_EQ(ui.calls().size(), 1);

    // A type that the kept data does not fit is refused as well.
    page->selectRows(List::Registry, {2});
    ASSERT_EQ(row(3)->value(), "text");
    row(2)->setValue("DWord");
    EXPECT_EQ(plugin().RegistryEntries[1].ValueType, "String");
    EXPECT_EQ(row(2)->value(), "String");
    EXPECT_EQ(ui.calls().size(), 2);
    row(4)->setValue("-7");
    row(2)->setValue("DWord");
    EXPECT_EQ(plugin().RegistryEntries[1].ValueType, "DWord");
    EXPECT_EQ(ui.calls().size(), 2);
}

TEST_F(Win32InstallationFormTest, ImportedForeignHiveIsReachableAndEditable)
{
    const QString file = root.filePath("values.reg");
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("REGEDIT4\r\n[HKEY_DYN_DATA\\Perf]\r\n\"Count\"=dword:00000002\r\n"
                  "[HKEY_CLASSES_ROOT\\CLSID\\{AB}]\r\n@=\"{x}\"\r\n");
    }
    auto page = openPage();
    page->setActivePage(TWin32InstallationForm::RegistryPage);
    ui.queueFiles({file});
    page->ImportRegistryFileClick();
    EXPECT_EQ(ui.calls().first().request.title, "Import Regsitry Entries");
    ASSERT_EQ(plugin().RegistryEntries.Count(), 2);
    EXPECT_EQ(plugin().RegistryEntries[1].SubKey, "CLSID\\{{AB}");
    EXPECT_EQ(plugin().RegistryEntries[1].ValueData, "{{x}");
    ASSERT_TRUE(page->selectKey("HKEY_DYN_DATA\\Perf\\"));
    EXPECT_EQ(page->listColumn(List::Registry, 0), QStringList({"(default)", "Count"}));
    page->selectRows(List::Registry, {1});
    EXPECT_EQ(row(3)->value(), "Count");
    row(0)->setValue("HKEY_LOCAL_MACHINE");
    EXPECT_EQ(plugin().RegistryEntries[0].Root, "HKEY_LOCAL_MACHINE");
    EXPECT_TRUE(page->selectKey("HKEY_LOCAL_MACHINE\\Perf\\"));
}

TEST_F(Win32InstallationFormTest, FileAssociationAddsItsFourKeys)
{
    addFile(plugin(), "edit.exe", "{app}\\");
    auto page = openPage();
    page->setActivePage(TWin32InstallationForm::RegistryPage);
    page->setDialogRunner([](QDialog &dialog) {
        auto &association = dynamic_cast<TaddFileAssociation &>(dialog);
        EXPECT_FALSE(association.DeviceMode);
        association.tb_Extension->setText("txt");
        association.tb_description->setText("Text");
        association.cb_target->setEditText("{app}\\edit.exe");
        return int(QDialog::Accepted);
    });
    page->AddFileAssociationClick();
    ASSERT_EQ(plugin().RegistryEntries.Count(), 4);
    EXPECT_EQ(plugin().RegistryEntries[3].SubKey, "txtfile\\Shell\\Open\\Command");
    EXPECT_EQ(plugin().RegistryEntries[3].ValueData, "\"{app}\\edit.exe\" \"%1\"");
    EXPECT_TRUE(page->selectKey("HKEY_CLASSES_ROOT\\txtfile\\DefaultIcon\\"));
}

TEST_F(Win32InstallationFormTest, HelpFollowsTabsAndRowsAndDoubleClickShowsIt)
{
    addFile(plugin(), "a.txt", "{app}\\");
    addFile(plugin(), "b.txt", "{app}\\");
    auto page = openPage();
    EXPECT_TRUE(host.helpViewer()->toPlainText().contains("Installation Files Selection"));
    ASSERT_TRUE(page->selectFolder("{app}\\"));
    page->selectRows(List::Files, {0});
    host.inspector()->selectItem(row(3));
    EXPECT_TRUE(host.helpViewer()->toPlainText().contains("File Attributes"));
    page->selectRows(List::Files, {0, 1});
    host.inspector()->selectItem(row(1));
    EXPECT_TRUE(host.helpViewer()->toPlainText().contains("No help added yet."));
    emit host.inspector()->dblClick();
    EXPECT_EQ(host.sidePane(), SidePane::Helper);
}

TEST_F(Win32InstallationFormTest, ModuleNameAndSettings)
{
    {
        auto page = openPage();
        pageWidget<QLineEdit>(*page, "NxEdit1")->setText("Renamed");
        EXPECT_EQ(plugin().Caption, "Renamed");
        EXPECT_TRUE(host.calls().contains("refreshModuleNodeCaption"));
        EXPECT_TRUE(project.Modified);
        page->OpenExplorerClick();
        ASSERT_EQ(shell.requests().size(), 1);
        EXPECT_EQ(shell.requests().first().target, root.filePath("project/"));
        page->setViewStyle(TWin32InstallationForm::IconView);
        pageWidget<QMenu>(*page, "Sort1")->actions().at(1)->trigger();
        EXPECT_EQ(page->fileSortOrder().column, 1);
        page->fileListHeaderClick(2);
        page->registryHeaderClick(1);
        page->registryHeaderClick(1);
    }
    auto page = openPage();
    EXPECT_EQ(page->fileSortOrder(), (ListSortOrder{2, true}));
    EXPECT_EQ(page->registrySortOrder(), (ListSortOrder{1, false}));
    EXPECT_EQ(page->viewStyle(), TWin32InstallationForm::IconView);
    EXPECT_TRUE(tree(*page, "lv_win32_files")->isHeaderHidden());
}

// The rows order themselves by the page's sort; the header's arrow shows
// that order whichever way the list came to be sorted or filled.
TEST_F(Win32InstallationFormTest, HeaderArrowsShowTheDirectionTheRowsAreSortedIn)
{
    addFile(plugin(), "a.txt", "{app}");
    addFile(plugin(), "b.txt", "{app}");
    addValue(plugin(), "HKEY_CURRENT_USER", "Software\\Demo", "a");
    addValue(plugin(), "HKEY_CURRENT_USER", "Software\\Demo", "b");
    auto page = openPage();
    const auto arrow = [&page](const char *list) {
        const QHeaderView *header = tree(*page, list)->header();
        return std::pair(header->sortIndicatorSection(), header->sortIndicatorOrder());
    };
    ASSERT_TRUE(page->selectFolder("{app}\\"));
    page->fileListHeaderClick(0);
    EXPECT_EQ(page->listColumn(List::Files, 0), QStringList({"b.txt", "a.txt"}));
    EXPECT_EQ(arrow("lv_win32_files"), std::pair(0, Qt::DescendingOrder));
    page->selectFolderRoot(Win32FolderKind::AllFiles);
    EXPECT_EQ(page->listColumn(List::Files, 0), QStringList({"b.txt", "a.txt"}));
    EXPECT_EQ(arrow("lv_win32_files"), std::pair(0, Qt::DescendingOrder));
    pageWidget<QMenu>(*page, "Sort1")->actions().at(2)->trigger();
    EXPECT_EQ(arrow("lv_win32_files"), std::pair(2, Qt::AscendingOrder));

    page->setActivePage(TWin32InstallationForm::RegistryPage);
    ASSERT_TRUE(page->selectKey("HKEY_CURRENT_USER\\Software\\Demo\\"));
    page->registryHeaderClick(0);
    EXPECT_EQ(page->listColumn(List::Registry, 0), QStringList({"(default)", "b", "a"}));
    EXPECT_EQ(arrow("lv_registry"), std::pair(0, Qt::DescendingOrder));
    ASSERT_TRUE(page->selectKey("HKEY_CURRENT_USER\\Software\\Demo\\"));
    EXPECT_EQ(page->listColumn(List::Registry, 0), QStringList({"(default)", "b", "a"}));
    EXPECT_EQ(arrow("lv_registry"), std::pair(0, Qt::DescendingOrder));
}

TEST_F(Win32InstallationFormTest, AFileWhoseSourceChangesTakesItsPlaceInTheSortedList)
{
    addFile(plugin(), "a.txt", "{app}\\");
    addFile(plugin(), "c.txt", "{app}\\");
    auto page = openPage();
    ASSERT_TRUE(page->selectFolder("{app}\\"));
    ASSERT_EQ(page->listColumn(List::Files, 0), QStringList({"a.txt", "c.txt"}));
    page->selectRows(List::Files, {0});
    row(0)->setValue("z.txt");
    EXPECT_EQ(page->listColumn(List::Files, 0), QStringList({"c.txt", "z.txt"}));
    EXPECT_EQ(page->selectedRows(List::Files), QList<int>({1}));
}

TEST_F(Win32InstallationFormTest, AddedAndRenamedValuesTakeTheirPlaceInTheSortedList)
{
    addValue(plugin(), "HKEY_CURRENT_USER", "Software\\Demo", "b");
    addValue(plugin(), "HKEY_CURRENT_USER", "Software\\Demo", "z");
    auto page = openOnRegistryKey("HKEY_CURRENT_USER\\Software\\Demo\\");
    page->AddRegistryEntryClick();
    EXPECT_EQ(page->listColumn(List::Registry, 0), QStringList({"(default)", "b", "RegEntry", "z"}));
    EXPECT_EQ(page->selectedRows(List::Registry), QList<int>({2}));
    page->registryHeaderClick(0);
    EXPECT_EQ(page->listColumn(List::Registry, 0), QStringList({"(default)", "z", "RegEntry", "b"}));
    page->selectRows(List::Registry, {2});
    row(3)->setValue("a");
    EXPECT_EQ(page->listColumn(List::Registry, 0), QStringList({"(default)", "z", "b", "a"}));
}

// Deleting a file rebuilds the folder tree: the folders the user opened stay open.
TEST_F(Win32InstallationFormTest, DeletingAFileKeepsTheFolderTreesExpansion)
{
    addFile(plugin(), "a.txt", "{app}\\Docs\\");
    addFile(plugin(), "b.txt", "{app}\\Other\\Deep\\");
    addFile(plugin(), "c.txt", "{app}\\");
    auto page = openPage();
    const auto item = [&page](const char *text) {
        const QList<QTreeWidgetItem *> found =
            folderTree(*page)->findItems(QString::fromLatin1(text), Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    };
    ASSERT_TRUE(page->selectFolder("{app}\\Other\\Deep\\"));
    ASSERT_TRUE(page->selectFolder("{app}\\"));
    ASSERT_TRUE(item("Other") && item("Other")->isExpanded());
    const int cRow = int(page->listColumn(List::Files, 0).indexOf("c.txt"));
    ASSERT_GE(cRow, 0);
    page->selectRows(List::Files, {cRow});
    ui.queueAnswer(UiButton::Yes);
    page->DeleteFileRowsClick();
    ASSERT_EQ(plugin().FileEntries.Count(), 2);
    ASSERT_NE(item("Other"), nullptr);
    EXPECT_TRUE(item("Other")->isExpanded());
    EXPECT_EQ(page->selectedFolderPath(), "{app}\\");
}

TEST_F(Win32InstallationFormTest, FilesDroppedFromTheDesktopAreAddedUnderAFolderOnly)
{
    QDir(root.path()).mkpath("project");
    const QString file = root.filePath("drop.txt");
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    }
    auto page = openPage();
    int shown = 0;
    page->setDialogRunner([&](QDialog &) {
        ++shown;
        return int(QDialog::Accepted);
    });
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(file)});
    QWidget *viewport = tree(*page, "lv_win32_files")->viewport();
    QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &refused);
    EXPECT_FALSE(refused.isAccepted());
    EXPECT_FALSE(page->canDropFiles());

    ASSERT_TRUE(page->selectFolder("{app}\\"));
    EXPECT_TRUE(page->canDropFiles());
    QDragEnterEvent taken(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &taken);
    EXPECT_TRUE(taken.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &drop);
    EXPECT_EQ(shown, 1);
    ASSERT_EQ(plugin().FileEntries.Count(), 1);
    EXPECT_EQ(plugin().FileEntries[0].Source, "..\\drop.txt");
    EXPECT_EQ(plugin().FileEntries[0].Destination, "{app}\\");
    EXPECT_EQ(page->listColumn(List::Files, 0), QStringList({"drop.txt"}));
}
