#pragma once

#include "editors/common/DialogRunner.h"
#include "engine/builder/AutomaticBuild.h"
#include "helpers/ui/UiServices.h"
#include "widgets/NxTabSheet.h"
#include "windows/main/ProjectClosing.h"
#include "windows/main/ProgramCommandLine.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class QAction;
class QMenu;

namespace talmo {

class IBuilderRunner;
class CommandLineRun;
class ProjectManagerPanel;
class ProjectPageFactory;
class ScriptKnowledgeBase;
class TNxHeaderPanel;
class TNxPageControl;
class TNxSplitter;
class TProjectContainer;
class TprojectForm;
class TTntMRU;
class WelcomePage;

// The main window: one tab per open project plus the Welcome tab, the
// project-manager panel on the left, the menus and tool bar. It opens files
// by their extension, keeps the recent files, asks about unsaved work before
// anything is given up, runs the builds of the command line and keeps its
// placement in the registry.
class TmasterForm : public QMainWindow
{
    Q_OBJECT

public:
    // What the window works with; all of it outlives the window.
    struct Services
    {
        ProjectPageFactory &pages;
        ScriptKnowledgeBase *knowledge = nullptr;
        IBuilderRunner &builder;
        // Without a display nothing of the window's placement is written.
        bool headless = false;
    };

    explicit TmasterForm(const Services &services, QWidget *parent = nullptr);
    // Writes the placement and the panel's width and visibility.
    ~TmasterForm() override;

    // A project or project-manager file by its extension; a project already
    // open only activates its tab.
    bool OpenFile(const QString &fileName);
    bool NewEmptyProject();
    // A new project from the answers of the new-project wizard, saved in
    // its folder and opened in a tab. False when the wizard was cancelled,
    // a question answered No, or the project could not be made or saved (a
    // project that could not be saved stays open, modified).
    bool NewProjectFromWizard();
    // Yes when the tab was closed after saving or with nothing to save, No
    // when the changes were discarded, Cancel when the tab stays open (also
    // when the save failed or was cancelled).
    UiButton CloseProjectPage(int index);
    void ShowWelcomePage();

    // The builds of the active project and of project-manager entries.
    int BuildActiveProject(bool silent);
    BuildOutcome BuildManagerEntry(int index, EntryBuildKind kind);
    // "Build all with Automatic Rules": goes on past entries it cannot read.
    void BuildAllEntries();

    // Runs a command line; a build ends with commandLineBuildFinished.
    void RunCommandLine(const ProgramCommandLine &commandLine);

    // The menu commands.
    void SaveActiveProject();
    void SaveActiveProjectAs();
    void SaveAll();
    void CloseActive();
    void CloseAll();
    void BuildProject(bool runAfterBuild);
    void ShowBuilder();
    void ShowAbout();
    void ShowDocumentation();
    void CheckForLatestVersion();
    void VisitWebSite();
    void OpenWithDialog();
    void SetManagerPanelVisible(bool visible);
    // The options dialog; after OK the program options are saved.
    void ShowOptions();

    // Shows the window's own dialogs; tests fill them in instead.
    DialogRunner runDialog = execDialog();

    // What tests and the window gallery look at.
    TNxPageControl *projectPages() const { return ProjectPages; }
    TNxTabSheet *welcomeTab() const { return m_welcomeTab; }
    WelcomePage *welcomePage() const { return m_welcomePage; }
    ProjectManagerPanel *managerPanel() const { return m_managerPanel; }
    TNxHeaderPanel *managerHeaderPanel() const { return NxHeaderPanel1; }
    TTntMRU &recentFiles() const { return *MRUList; }
    // The project window of a tab; null for the Welcome tab.
    TprojectForm *projectFormAt(int index) const;
    TprojectForm *activeProjectForm() const;
    // The open project stored under this file name, or null.
    TprojectForm *findProjectForm(const QString &fileName) const;
    // Runs what the window does whenever the event loop falls idle.
    void UpdateIdleState();
    QAction *commandAction(const char *objectName) const;

signals:
    // A command-line build ended; its result is the process's exit code.
    void commandLineBuildFinished(int exitCode);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createCommands();
    void createMenus();
    void createToolBar();
    void createCentre();
    QAction *newAction(const char *objectName, const QString &caption, void (TmasterForm::*slot)(),
                       const QKeySequence &shortcut = {});
    void restorePlacement();
    void writePlacement();
    void dropMissingRecentFiles();

    TprojectForm *createProjectForm(std::unique_ptr<TProjectContainer> project);
    void closeProjectTab(TNxTabSheet *sheet);
    void pageClosing(int index, bool &accept);
    void takeOutWelcomeTab();
    void pagesChanged();
    void setProjectCommandsEnabled(bool enabled);
    void fillRecentFiles();
    // False when the file is gone: it is said and dropped from the list.
    bool openRecentFile(const QString &fileName);
    void recentFileChosen(int index, const QString &fileName);
    bool MayCloseProgram();
    bool isWelcomeTab(int index) const;
    // The project open in a tab under that file name, for builds and the panel.
    ProjectManagerBuild::OpenProjectLookup openProjects() const;
    UiButton closeProjectPage(int index, const QString &question);
    ProjectClosing::Ask askYesNoCancel();
    void reportBuild(const QString &fileName, const BuildOutcome &outcome);
    void newManagerProject();
    int runCommandLineBuild(const ProgramCommandLine &commandLine, const CommandLineRun &run);
    void panelChanged();

    Services m_services;
    TNxPageControl *ProjectPages = nullptr;
    QPointer<TNxTabSheet> m_welcomeTab;
    WelcomePage *m_welcomePage = nullptr;
    TNxHeaderPanel *NxHeaderPanel1 = nullptr;
    TNxSplitter *NxSplitter1 = nullptr;
    ProjectManagerPanel *m_managerPanel = nullptr;
    TTntMRU *MRUList = nullptr;
    QMenu *m_reopenMenu = nullptr;
    QList<QAction *> m_projectCommands;
    QAction *m_viewManager = nullptr;
    int m_savedPanelWidth = 0;
    bool m_headerClicked = false;
    QMetaObject::Connection m_idleConnection;
};

} // namespace talmo
