#include "model/ProjectContainer.h"
#include "platform/Registry.h"
#include "tests/support/QtPrinters.h"
#include "helpers/ui/TntMRU.h"
#include "platform/HostPath.h"
#include "tests/windows/main/MasterFormTestSupport.h"
#include "widgets/NxHeaderPanel.h"
#include "widgets/NxPageControl.h"
#include "windows/main/ProjectManagerPanel.h"
#include "windows/main/ProjectManagerTexts.h"
#include "windows/project/TprojectForm.h"
#include "windows/main/WelcomePage.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTreeWidget>

using namespace talmo;
using namespace talmo::testing;

namespace {

using MasterFormFilesTest = MasterFormFixture;

TEST_F(MasterFormFilesTest, OpenFileGoesByTheExtensionAndFindsOpenProjects)
{
    const QString project = WriteProject(QStringLiteral("a.talmo"), QStringLiteral("a"));
    const QString manager = WriteManager(QStringLiteral("Mixed.TalmoPM"), { "a.talmo" });
    TmasterForm &form = Master();

    ASSERT_TRUE(form.OpenFile(project));
    EXPECT_EQ(ProjectTabCount(), 1);
    // Another spelling of the same file finds the open tab.
    ASSERT_TRUE(form.OpenFile(Path(QStringLiteral("sub/../a.talmo"))));
    EXPECT_EQ(ProjectTabCount(), 1);
    // Letter case names another file.
    EXPECT_FALSE(form.OpenFile(Path(QStringLiteral("A.talmo"))));
    EXPECT_EQ(ProjectTabCount(), 1);

    EXPECT_TRUE(form.OpenFile(manager));
    EXPECT_EQ(form.managerPanel()->manager().FileName, manager);
    EXPECT_EQ(form.managerPanel()->manager().Entries.Count(), 1);

    EXPECT_FALSE(form.OpenFile(Path(QStringLiteral("notes.txt"))));
    EXPECT_EQ(ui.shownTexts().last(), QStringLiteral("Can load only TALMO Projects and TALMO Project Manager Files"));
    EXPECT_EQ(ProjectTabCount(), 1);
    EXPECT_EQ(form.recentFiles().items().mid(0, 2), (QStringList{ manager, project }));
}

TEST_F(MasterFormFilesTest, SaveAsWithoutAnExtensionWritesAProjectThatOpensAgain)
{
    TmasterForm &form = Master();
    ASSERT_TRUE(form.OpenFile(WriteProject(QStringLiteral("a.talmo"), QStringLiteral("a"))));
    ui.queueSaveFile(Path(QStringLiteral("MyApp")));
    form.SaveActiveProjectAs();

    const QString saved = Path(QStringLiteral("MyApp.talmo"));
    EXPECT_TRUE(QFile::exists(saved));
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("MyApp"))));
    EXPECT_EQ(form.recentFiles().items().value(0), saved);
    EXPECT_EQ(ui.calls().last().request.defaultSuffix, QStringLiteral("talmo"));
    form.CloseAll();
    EXPECT_TRUE(form.OpenFile(saved));
    EXPECT_EQ(ProjectTabCount(), 1);
}

TEST_F(MasterFormFilesTest, CancellingTheUnsavedManagerQuestionOpensNothing)
{
    const QString other = WriteManager(QStringLiteral("other.talmopm"), {});
    ProjectManagerPanel &panel = *Master().managerPanel();
    panel.AddEntry(WriteProject(QStringLiteral("a.talmo"), QStringLiteral("a")), false);
    ui.queueAnswer(UiButton::Cancel);

    EXPECT_TRUE(Master().OpenFile(other));
    EXPECT_NE(panel.manager().FileName, other);
    EXPECT_EQ(panel.manager().Entries.Count(), 1);
}

TEST_F(MasterFormFilesTest, IdleStateNamesTheTabAndHidesALoneWelcomeStrip)
{
    TmasterForm &form = Master();
    form.UpdateIdleState();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Talmo - Welcome"));
    EXPECT_FALSE(form.projectPages()->showTabs());
    EXPECT_FALSE(form.commandAction("mnSave")->isEnabled());

    ASSERT_TRUE(form.OpenFile(WriteProject(QStringLiteral("a.talmo"), QStringLiteral("a"))));
    form.UpdateIdleState();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Talmo"));
    EXPECT_TRUE(form.projectPages()->showTabs());
    EXPECT_TRUE(form.commandAction("mnSave")->isEnabled());

    bool accept = true;
    emit form.projectPages()->pageClose(0, accept);
    form.UpdateIdleState();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Talmo - a.talmo"));
    EXPECT_TRUE(form.projectPages()->showTabs());
}

TEST_F(MasterFormFilesTest, PanelSettingsAndRecentFilesComeBack)
{
    const QString project = WriteProject(QStringLiteral("a.talmo"), QStringLiteral("a"));
    const QString deleted = WriteProject(QStringLiteral("b.talmo"), QStringLiteral("b"));
    {
        TmasterForm first({ pages, nullptr, runner, false });
        first.show();
        first.SetManagerPanelVisible(false);
        ASSERT_TRUE(first.OpenFile(project));
        ASSERT_TRUE(first.OpenFile(deleted));
    }
    Registry registry(store);
    ASSERT_TRUE(registry.openKey(QStringLiteral("Software\\Talmo\\masterForm"), false));
    EXPECT_EQ(registry.readBool(QStringLiteral("Panel2_Visible")), false);
    EXPECT_TRUE(registry.readInteger(QStringLiteral("Panel2_Width")).has_value());

    QFile::remove(deleted);
    TmasterForm second({ pages, nullptr, runner, false });
    EXPECT_FALSE(second.managerHeaderPanel()->isVisibleTo(&second));
    EXPECT_EQ(second.recentFiles().items(), QStringList{ project });
}

TEST_F(MasterFormFilesTest, TheManagerPanelKeepsItsWidthWhileTheWindowNarrowsToItsLeast)
{
    TmasterForm master({ pages, nullptr, runner, true });
    master.show();
    master.SetManagerPanelVisible(true);
    QCoreApplication::processEvents();
    const int panel = master.managerHeaderPanel()->width();
    EXPECT_LE(panel, 240);
    master.resize(master.minimumSize());
    QCoreApplication::processEvents();
    EXPECT_EQ(master.managerHeaderPanel()->width(), panel);
}

TEST_F(MasterFormFilesTest, TheManagerPanelShowsOnlyWhenAskedForOrAManagerIsOpened)
{
    const QString manager = WriteManager(QStringLiteral("all.talmopm"), {});
    const auto shown = [](TmasterForm &form) {
        return form.managerHeaderPanel()->isVisibleTo(&form) && form.commandAction("ViewManager1")->isChecked();
    };
    {
        TmasterForm first({ pages, nullptr, runner, false });
        first.show();
        EXPECT_FALSE(first.managerHeaderPanel()->isVisibleTo(&first)) << "hidden at the first start";
        EXPECT_FALSE(first.commandAction("ViewManager1")->isChecked());
        ASSERT_TRUE(first.OpenFile(manager));
        EXPECT_TRUE(shown(first));
    }
    TmasterForm second({ pages, nullptr, runner, false });
    EXPECT_TRUE(shown(second)) << "shown again as the user left it";
    second.SetManagerPanelVisible(false);
    second.commandAction("ProjectManager2")->trigger();
    EXPECT_TRUE(shown(second)) << "a new manager shows";
}

TEST_F(MasterFormFilesTest, OnlyTheCollapseButtonHidesTheManagerPanel)
{
    TmasterForm &form = Master();
    form.show();
    TNxHeaderPanel *header = form.managerHeaderPanel();
    QAction *view = form.commandAction("ViewManager1");
    view->trigger();
    ASSERT_TRUE(view->isChecked());

    // Folded another way, the panel stays as a strip.
    header->setExpanded(false);
    EXPECT_TRUE(header->isVisibleTo(&form));
    header->setExpanded(true);

    emit header->headerClick();
    header->setExpanded(false);
    EXPECT_FALSE(header->isVisibleTo(&form));
    EXPECT_TRUE(header->expanded()) << "it comes back unfolded";
    EXPECT_FALSE(view->isChecked());

    view->trigger();
    EXPECT_TRUE(header->isVisibleTo(&form));
    EXPECT_TRUE(view->isChecked());
}

TEST_F(MasterFormFilesTest, UsedFilesJoinTheRecentListNewestFirstUpToEight)
{
    QStringList newestFirst;
    for (int n = 1; n <= 9; ++n) {
        newestFirst.prepend(Path(QStringLiteral("m%1.talmopm").arg(n)));
        emit Master().managerPanel()->fileUsed(newestFirst.first());
    }
    newestFirst.move(3, 0);
    emit Master().managerPanel()->fileUsed(newestFirst.first());

    EXPECT_EQ(Master().recentFiles().items(), newestFirst.mid(0, 8));
}

TEST_F(MasterFormFilesTest, HeadlessWritesNoPlacement)
{
    {
        TmasterForm headless({ pages, nullptr, runner, true });
    }
    Registry registry(store);
    EXPECT_FALSE(registry.keyExists(QStringLiteral("Software\\Talmo\\masterForm")));
}

TEST_F(MasterFormFilesTest, RefreshDropsEntriesWhoseFileIsGoneUnlessTheyAreOpen)
{
    ProjectManagerPanel &panel = *Master().managerPanel();
    const QString a = WriteProject(QStringLiteral("a.talmo"), QStringLiteral("a"));
    const QString b = WriteProject(QStringLiteral("b.talmo"), QStringLiteral("b"));
    for (const QString &entry : { a, Path(QStringLiteral("gone1.talmo")), b, Path(QStringLiteral("gone2.talmo")) })
        panel.manager().Entries.AddNew().FileName = entry;
    ASSERT_TRUE(Master().OpenFile(a));
    QFile::remove(a);

    panel.RefreshProjectManager(false);
    ASSERT_EQ(panel.manager().Entries.Count(), 2);
    EXPECT_EQ(panel.manager().Entries[0].FileName, a);
    EXPECT_EQ(panel.manager().Entries[1].FileName, b);
    EXPECT_EQ(panel.tree()->topLevelItem(0)->child(1)->child(0)->text(0), QStringLiteral("Auto Build Mode: Win32 and CAB"));

    panel.RefreshProjectManager(true);
    ASSERT_EQ(panel.manager().Entries.Count(), 1);
    EXPECT_EQ(panel.manager().Entries[0].FileName, b);
}

TEST_F(MasterFormFilesTest, SavingTheManagerElsewhereKeepsEveryEntryOnItsFile)
{
    ProjectManagerPanel &panel = *Master().managerPanel();
    WriteProject(QStringLiteral("m/p/a.talmo"), QStringLiteral("a"));
    WriteProject(QStringLiteral("m/b.talmo"), QStringLiteral("b"));
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("m/child")));
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("sibling")));
    const QString original = WriteManager(QStringLiteral("m/all.talmopm"), { "p\\a.talmo", "b.talmo", "/abs/c.talmo" });
    ASSERT_TRUE(panel.manager().LoadFromFile(original));

    for (const QString &target : { Path(QStringLiteral("sibling/all.talmopm")), Path(QStringLiteral("m/child/all.talmopm")) }) {
        ASSERT_TRUE(panel.SaveProjectManagerToFile(target)) << target.toStdString();
        TProjectManager saved;
        ASSERT_TRUE(saved.LoadFromFile(target));
        EXPECT_EQ(QDir::cleanPath(ToHostPath(ProjectManagerBuild::EntryPath(saved, 0))), Path(QStringLiteral("m/p/a.talmo")));
        EXPECT_EQ(QDir::cleanPath(ToHostPath(ProjectManagerBuild::EntryPath(saved, 1))), Path(QStringLiteral("m/b.talmo")));
        EXPECT_EQ(saved.Entries[2].FileName, QStringLiteral("/abs/c.talmo"));
    }

    const QStringList before = { panel.manager().Entries[0].FileName, panel.manager().Entries[1].FileName };
    const QString nameBefore = panel.manager().FileName;
    EXPECT_FALSE(panel.SaveProjectManagerToFile(Path(QStringLiteral("missing/all.talmopm"))));
    EXPECT_EQ(ui.shownTexts().last(), QStringLiteral("Error while saving Project Manager"));
    EXPECT_EQ((QStringList{ panel.manager().Entries[0].FileName, panel.manager().Entries[1].FileName }), before);
    EXPECT_EQ(panel.manager().FileName, nameBefore);
}

TEST_F(MasterFormFilesTest, AVanishedRecentFileIsReportedAndDropped)
{
    const QString kept = WriteProject(QStringLiteral("a.talmo"), QStringLiteral("a"));
    const QString vanished = WriteProject(QStringLiteral("b.talmo"), QStringLiteral("b"));
    Master().recentFiles().add(kept);
    Master().recentFiles().add(vanished);
    QFile::remove(vanished);

    emit Master().welcomePage()->recentFileChosen(0, vanished);

    EXPECT_EQ(ui.shownTexts(), QStringList{ QStringLiteral("File doesn't exists.") });
    EXPECT_EQ(Master().recentFiles().items(), QStringList{ kept });
    EXPECT_EQ(ProjectTabCount(), 0);
    EXPECT_EQ(Master().welcomePage()->recentList()->topLevelItem(0)->text(0), kept) << "rows show full paths now";
}

TEST_F(MasterFormFilesTest, BuildCommandsAskTheBuilderForTheirModes)
{
    TmasterForm &form = Master();
    form.BuildProject(false);
    EXPECT_TRUE(runner.requests.isEmpty()) << "nothing on the Welcome tab";
    ASSERT_TRUE(form.OpenFile(WriteProject(QStringLiteral("a.talmo"), QStringLiteral("a"))));

    form.BuildProject(false);
    form.BuildProject(true);
    form.ShowBuilder();
    form.BuildActiveProject(false);

    QList<std::tuple<int, bool, bool>> requests;
    for (const BuilderRequest &request : runner.requests)
        requests.append({ request.mode, request.keepOpen, request.runAfterBuild });
    EXPECT_EQ(requests, (QList<std::tuple<int, bool, bool>>{
                            { 5, true, false }, { 5, true, true }, { 2, false, false }, { 4, false, false }, { 5, false, false } }));
}

TEST(ProjectEntryDetailsTest, NodeTextsNameTheModeAndCountTheModules)
{
    TProjectContainer project;
    project.CreateNewProject();
    project.DefaultBuildMode = 1;
    project.CabCollections.AddNew();
    project.DirectCopyModules.AddNew();
    project.DirectCopyModules.AddNew();
    ProjectEntryDetails details = ProjectEntryDetails::Of(project);
    EXPECT_EQ(details.buildModeText, QStringLiteral("Auto Build Mode: CAB Only"));
    EXPECT_EQ(details.buildMode, 1);
    EXPECT_EQ(details.modulesText, QStringLiteral("Modules (4): CAB Creator (1), CAB Collections (1), Direct Copy (2)"));

    TProjectContainer desktop;
    desktop.CreateNewProject();
    desktop.Win32Only = true;
    desktop.Win32Plugins.AddNew();
    desktop.Win32Plugins.AddNew();
    details = ProjectEntryDetails::Of(desktop);
    EXPECT_EQ(details.buildModeText, QStringLiteral("Auto Build Mode: Win32 Only"));
    EXPECT_EQ(details.buildMode, 3);
    EXPECT_EQ(details.modulesText, QStringLiteral("Modules (2):  Win32 (2)"));

    desktop.Win32Only = false;
    desktop.DefaultBuildMode = 9;
    EXPECT_EQ(ProjectEntryDetails::Of(desktop).buildModeText, QString());
}

} // namespace

// After File > Close the keys reach the Welcome tab without a click:
// Return opens the chosen recent project, Ctrl+O asks for a file.
TEST_F(MasterFormFilesTest, TheWelcomeTabTakesTheKeysOnceTheLastProjectCloses)
{
    const QString project = WriteProject(QStringLiteral("a.talmo"), QStringLiteral("a"));
    TmasterForm &form = Master();
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ASSERT_TRUE(form.OpenFile(project));
    form.projectFormAt(form.projectPages()->activePageIndex())->setFocus();
    form.commandAction("Close1")->trigger();
    ASSERT_EQ(ProjectTabCount(), 0);
    EXPECT_EQ(QApplication::focusWidget(), form.welcomePage()->recentList());

    QTest::keyClick(form.welcomePage()->recentList(), Qt::Key_Return);
    ASSERT_EQ(ProjectTabCount(), 1);
    form.commandAction("Close1")->trigger();
    ui.queueFiles({});
    QWidget *focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(ui.calls().size(), 1);

    // Showing the Welcome tab again, from the menu, gives it the keys too.
    ASSERT_TRUE(form.OpenFile(project));
    bool accept = true;
    emit form.projectPages()->pageClose(form.projectPages()->indexOfPage(form.welcomeTab()), accept);
    form.commandAction("StartupDialog1")->trigger();
    EXPECT_EQ(QApplication::focusWidget(), form.welcomePage()->recentList());
}
