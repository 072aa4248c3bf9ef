#pragma once

#include "editors/common/DialogRunner.h"
#include "engine/builder/AutomaticBuild.h"
#include "helpers/ui/UiServices.h"
#include "widgets/NxTabSheet.h"
#include "windows/main/MasterTabStrip.h"
#include "windows/main/MasterWindowBuilds.h"
#include "windows/main/ProjectClosing.h"
#include "windows/main/ProgramCommandLine.h"

#include <QMainWindow>

#include <functional>
#include <optional>
#include <memory>

class QAction;

namespace talmo {

class IBuilderRunner;
class CommandLineRun;
class ManagerPanelFrame;
class MasterCommands;
class ProjectManagerPanel;
class ProjectPageFactory;
class ScriptKnowledgeBase;
class TNxHeaderPanel;
class TNxPageControl;
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

    // The automatic build of the active project; the result code.
    int BuildActiveProject(bool silent);

    // Runs a command line; a build ends with commandLineBuildFinished.
    void RunCommandLine(const ProgramCommandLine &commandLine);
    // The process's exit code once the program ends: the command line's
    // build result, also of a build that could not start while the program
    // stays open; 0 without a build.
    int ExitCode() const { return m_exitCode; }

    // The menu commands.
    void SaveActiveProject();
    void SaveActiveProjectAs();
    void SaveAll();
    void CloseActive();
    void CloseAll();
    void BuildProject(bool runAfterBuild);
    void ShowBuilder();
    void ShowAbout();
    void OpenWithDialog();
    // "New" of the "Project Manager" submenu: an empty manager in the panel, shown.
    void NewProjectManager();
    void SetManagerPanelVisible(bool visible);
    // The options dialog; after OK the program options take its changes and
    // are saved, after Cancel they stay as they were.
    void ShowOptions();

    // Shows the window's own dialogs; tests fill them in instead.
    DialogRunner runDialog = execDialog();

    // What tests and the window gallery look at.
    TNxPageControl *projectPages() const { return m_tabs->pages(); }
    TNxTabSheet *welcomeTab() const { return m_tabs->welcomeTab(); }
    WelcomePage *welcomePage() const { return m_tabs->welcomePage(); }
    ProjectManagerPanel *managerPanel() const { return m_managerPanel; }
    TNxHeaderPanel *managerHeaderPanel() const;
    TTntMRU &recentFiles() const { return *MRUList; }
    // The project window of a tab; null for the Welcome tab.
    TprojectForm *projectFormAt(int index) const { return m_tabs->formAt(index); }
    TprojectForm *activeProjectForm() const { return m_tabs->activeForm(); }
    // Runs what the window does whenever the event loop falls idle.
    void UpdateIdleState();
    QAction *commandAction(const char *objectName) const;

signals:
    // A command-line build ended; its result is the process's exit code.
    void commandLineBuildFinished(int exitCode);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void connectCommands();
    void createCentre();
    void restorePlacement();
    void writePlacement();

    TprojectForm *createProjectForm(std::unique_ptr<TProjectContainer> project);
    bool openProject(const QString &fileName);
    // A new tab whose project fill makes; the tab goes again when fill fails.
    TprojectForm *addProjectTab(const std::function<bool(TprojectForm &form)> &fill);
    void closeProjectTab(TprojectForm *form);
    void pageClosing(int index, bool &accept);
    void pagesChanged();
    // False when the file is gone: it is said and dropped from the list.
    bool openRecentFile(const QString &fileName);
    void recentFileChosen(int index, const QString &fileName);
    bool MayCloseProgram();
    // The project open in a tab under that file name, for builds and the panel.
    ProjectManagerBuild::OpenProjectLookup openProjects() const;
    UiButton closeProjectPage(int index, const QString &question);
    ProjectClosing::Ask askYesNoCancel();
    void newManagerProject();
    // The build's result, or nothing when the program stays open without one.
    std::optional<int> runCommandLineBuild(const ProgramCommandLine &commandLine, const CommandLineRun &run);
    void tellNotOpened(const ProgramCommandLine &commandLine, const CommandLineRun &run);

    Services m_services;
    MasterWindowBuilds m_builds;
    std::unique_ptr<MasterCommands> m_commands;
    std::unique_ptr<MasterTabStrip> m_tabs;
    ManagerPanelFrame *m_panelFrame = nullptr;
    ProjectManagerPanel *m_managerPanel = nullptr;
    TTntMRU *MRUList = nullptr;
    QMetaObject::Connection m_idleConnection;
    int m_exitCode = 0;
};

} // namespace talmo
