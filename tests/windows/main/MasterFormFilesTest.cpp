#include "model/ProjectContainer.h"
#include "platform/Registry.h"
#include "tests/support/QtPrinters.h"
#include "helpers/ui/TntMRU.h"
#include "platform/HostPath.h"
#include "tests/windows/main/MasterFormTestSupport.h"
#include "widgets/NxHeaderPanel.h"
#include "widgets/NxPageControl.h"
#include "windows/main/ProjectManagerPanel.h"
#include "windows/main/ProjectClosing.h"
#include "windows/main/ProjectManagerTexts.h"
#include "windows/project/TprojectForm.h"
#include "windows/main/WelcomePage.h"

#include <QApplication>
#include <QFile>
#include <QHelpEvent>
#include <QToolTip>
#include <QMenu>
#include <QMenuBar>
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

// A file that is no project opens no tab, not even for a moment, and the tab
// in front stays; the message names the file and its fault.
TEST_F(MasterFormFilesTest, AFileThatIsNoProjectChangesNothingButSaysWhy)
{
    const QString project = WriteProject(QStringLiteral("a.talmo"), QStringLiteral("a"));
    const QString other = WriteProject(QStringLiteral("b.talmo"), QStringLiteral("b"));
    const struct
    {
        const char *name;
        QByteArray bytes;
        QString fault;
    } files[] = {
        { "text.talmo", "just some notes\n", "The file is not a Talmo project: it is no XML document." },
        { "empty.talmo", "", "The file is empty." },
        { "binary.talmo", QByteArray("MZ\x90\x00\x03\x00\x00\x00\xff\xfe", 10),
          "The file is not a Talmo project: it is no XML document." },
        { "other.talmo", "<html><body>hello</body></html>",
          "The file is not a Talmo project, or it is damaged: " },
    };
    TmasterForm &form = Master();
    form.show();
    ASSERT_TRUE(form.OpenFile(project));
    ASSERT_TRUE(form.OpenFile(other));
    ASSERT_TRUE(form.OpenFile(project));
    const int pagesBefore = form.projectPages()->getPageCount();
    TNxTabSheet *front = form.projectPages()->activePage();
    QStringList changes;
    QObject::connect(form.projectPages(), &TNxCustomNotebook::change, &form,
                     [&changes, &form] { changes << QString::number(form.projectPages()->getPageCount()); });

    for (const auto &file : files) {
        const QString path = Path(QString::fromLatin1(file.name));
        QFile written(path);
        ASSERT_TRUE(written.open(QIODevice::WriteOnly));
        written.write(file.bytes);
        written.close();

        EXPECT_FALSE(form.OpenFile(path)) << file.name;

        EXPECT_TRUE(ui.shownTexts().constLast().startsWith(QStringLiteral("Error while loading project !\n\n") + path
                                                           + u'\n' + file.fault))
            << ui.shownTexts().constLast().toStdString();
    }
    EXPECT_EQ(form.projectPages()->getPageCount(), pagesBefore);
    EXPECT_EQ(form.projectPages()->activePage(), front);
    EXPECT_EQ(changes, QStringList()) << "no tab came and went";
    EXPECT_EQ(form.recentFiles().items(), (QStringList{ other, project }));
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

TEST_F(MasterFormFilesTest, ANewProjectManagerShowsTheHiddenPanel)
{
    TmasterForm &form = Master();
    form.show();
    const QString project = WriteProject(QStringLiteral("a.talmo"), QStringLiteral("a"));
    form.managerPanel()->manager().Entries.AddNew().FileName = project;
    QAction *view = form.commandAction("ViewManager1");
    form.SetManagerPanelVisible(false);
    ASSERT_FALSE(form.managerHeaderPanel()->isVisibleTo(&form));

    // Project > Project Manager > New, as the menu holds it.
    QAction *newItem = nullptr;
    for (QAction *menu : form.menuBar()->actions()) {
        if (menu->text() != QStringLiteral("Project"))
            continue;
        for (QAction *item : menu->menu()->actions()) {
            if (item->menu() && item->text() == QStringLiteral("Project Manager"))
                newItem = item->menu()->actions().value(0);
        }
    }
    ASSERT_NE(newItem, nullptr);
    ASSERT_EQ(newItem->text(), QStringLiteral("New"));
    newItem->trigger();

    EXPECT_TRUE(form.managerHeaderPanel()->isVisibleTo(&form));
    EXPECT_TRUE(view->isChecked());
    EXPECT_EQ(form.managerPanel()->manager().Entries.Count(), 0);
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

TEST_F(MasterFormFilesTest, ProjectsMadeAndSavedInThisRunJoinTheReopenMenu)
{
    TmasterForm &form = Master();
    form.show();
    ASSERT_TRUE(form.NewEmptyProject());
    const QString saved = Path(QStringLiteral("made.talmo"));
    ui.queueSaveFile(saved);
    form.commandAction("mnSave")->trigger();
    ASSERT_TRUE(QFileInfo::exists(saved));

    QStringList reopen;
    for (QAction *item : form.recentFiles().parentMenu()->actions())
        reopen.append(item->text());
    EXPECT_EQ(reopen, QStringList{ QStringLiteral("made.talmo") });
    EXPECT_EQ(form.recentFiles().items(), QStringList{ saved });
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

// Files written on Windows keep "\" in their entries; they open here all the same.
TEST_F(MasterFormFilesTest, ManagerEntriesOpenWhicheverSeparatorTheyWereStoredWith)
{
    WriteProject(QStringLiteral("A/Hello.talmo"), QStringLiteral("hello"));
    WriteProject(QStringLiteral("B/World.talmo"), QStringLiteral("world"));
    const QString list = WriteManager(QStringLiteral("all.talmopm"), { "A\\Hello.talmo", "B/World.talmo" });
    ASSERT_TRUE(Master().OpenFile(list));
    ProjectManagerPanel &panel = *Master().managerPanel();
    QTreeWidget *tree = panel.tree();
    ASSERT_EQ(tree->topLevelItem(0)->childCount(), 2);

    for (int entry = 0; entry < 2; ++entry) {
        QTreeWidgetItem *item = tree->topLevelItem(0)->child(entry);
        tree->setCurrentItem(item);
        emit tree->itemDoubleClicked(item, 0);
    }

    EXPECT_EQ(ui.shownTexts(), QStringList());
    ASSERT_EQ(ProjectTabCount(), 2);
    EXPECT_EQ(Master().projectFormAt(Master().projectPages()->getPageCount() - 2)->project().AppName, "hello");
    EXPECT_EQ(Master().activeProjectForm()->project().FileName, Path(QStringLiteral("B/World.talmo")));
    // Opening the entry again finds its tab instead of loading the project twice.
    tree->setCurrentItem(tree->topLevelItem(0)->child(0));
    emit tree->itemDoubleClicked(tree->topLevelItem(0)->child(0), 0);
    EXPECT_EQ(ProjectTabCount(), 2);
    EXPECT_EQ(Master().activeProjectForm()->project().FileName, Path(QStringLiteral("A/Hello.talmo")));

    // The file keeps the form it was written in.
    ASSERT_TRUE(panel.SaveProjectManagerToFile(list));
    TProjectManager saved;
    ASSERT_TRUE(saved.LoadFromFile(list));
    EXPECT_EQ(saved.Entries[0].FileName, QStringLiteral("A\\Hello.talmo"));
}

TEST_F(MasterFormFilesTest, ProjectsOfOneFileNameAreToldApartByTheirFolder)
{
    const QString first = WriteProject(QStringLiteral("A/Hello.talmo"), QStringLiteral("first"));
    const QString second = WriteProject(QStringLiteral("B/Hello.talmo"), QStringLiteral("second"));
    const QString other = WriteProject(QStringLiteral("C/Other.talmo"), QStringLiteral("other"));
    TmasterForm &form = Master();
    form.resize(1000, 700);
    form.show();
    for (const QString &project : { other, first, second })
        ASSERT_TRUE(form.OpenFile(project));

    // The tab's tool tip.
    TNxPageControl *pages = form.projectPages();
    const int count = pages->getPageCount();
    EXPECT_EQ(pages->getPage(count - 2)->tabHint(), first);
    EXPECT_EQ(pages->getPage(count - 1)->tabHint(), second);
    const QRect tab = pages->stripGeometry().tabRect(count - 1);
    QHelpEvent help(QEvent::ToolTip, tab.center(), pages->mapToGlobal(tab.center()));
    QCoreApplication::sendEvent(pages, &help);
    EXPECT_EQ(QToolTip::text(), second);
    QToolTip::hideText();

    // The recent files: the Reopen menu and the Welcome tab.
    QStringList reopen;
    for (QAction *item : form.recentFiles().parentMenu()->actions())
        reopen.append(item->text());
    const QStringList expected = { QStringLiteral("Hello.talmo (%1)").arg(Path(QStringLiteral("B"))),
                                   QStringLiteral("Hello.talmo (%1)").arg(Path(QStringLiteral("A"))),
                                   QStringLiteral("Other.talmo") };
    EXPECT_EQ(reopen, expected);
    pages->setActivePage(form.welcomeTab());
    QTreeWidget *recent = form.welcomePage()->recentList();
    ASSERT_EQ(recent->topLevelItemCount(), 3);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(recent->topLevelItem(row)->text(0), expected.at(row));
        EXPECT_EQ(recent->topLevelItem(row)->toolTip(0), recent->topLevelItem(row)->text(1));
    }

    // Closing one project names it in the question.
    TprojectForm *closing = form.projectFormAt(pages->indexOfPage(pages->getPage(count - 2)));
    ASSERT_NE(closing, nullptr);
    closing->project().Modified = true;
    ui.queueAnswer(UiButton::Cancel);
    EXPECT_EQ(form.CloseProjectPage(pages->indexOfPage(pages->getPage(count - 2))), UiButton::Cancel);
    EXPECT_EQ(ui.shownTexts().constLast(), ProjectClosing::ProjectsQuestion + QStringLiteral("\n\n") + first);
}

TEST_F(MasterFormFilesTest, ManagerDialogsStartInTheManagersFolderThenWhereTheUserLastWent)
{
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("lists")));
    const QString list = WriteManager(QStringLiteral("lists/all.talmopm"), {});
    ASSERT_TRUE(Master().OpenFile(list));
    ProjectManagerPanel &panel = *Master().managerPanel();
    const QString project = WriteProject(QStringLiteral("projects/a.talmo"), QStringLiteral("a"));

    ui.queueFilesWithCheckBox({ project }, true);
    panel.AddExistingProject();
    ui.queueFilesWithCheckBox({}, true);
    panel.AddExistingProject();
    ui.queueSaveFile(std::nullopt);
    panel.SaveProjectManagerAs();

    ASSERT_EQ(ui.calls().size(), 3);
    EXPECT_EQ(ui.calls().at(0).request.folder, Path(QStringLiteral("lists")));
    EXPECT_EQ(ui.calls().at(1).request.folder, Path(QStringLiteral("projects")));
    EXPECT_EQ(ui.calls().at(2).request.folder, Path(QStringLiteral("lists")));
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
