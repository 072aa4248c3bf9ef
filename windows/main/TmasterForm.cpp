#include "windows/main/TmasterForm.h"

#include "engine/builder/IBuilderRunner.h"
#include "helpers/core/PathHelpers.h"
#include "helpers/ui/TntMRU.h"
#include "helpers/ui/UnattendedUiServices.h"
#include "helpers/ui/WindowSettings.h"
#include "model/ProgramOptions.h"
#include "model/ProjectContainer.h"
#include "model/ProjectFileReader.h"
#include "model/WizardProject.h"
#include "platform/HostPath.h"
#include "platform/Registry.h"
#include "widgets/NxPageControl.h"
#include "widgets/NxTabSheet.h"
#include "windows/main/CommandLineRun.h"
#include "windows/main/ManagerPanelFrame.h"
#include "windows/main/MasterCommands.h"
#include "windows/main/MasterTabStrip.h"
#include "windows/main/MasterTabs.h"
#include "windows/main/MasterWindowLook.h"
#include "windows/main/OpenProjectFiles.h"
#include "windows/main/ProgramHelp.h"
#include "windows/main/ProgramInfo.h"
#include "windows/main/ProjectManagerPanel.h"
#include "windows/main/RecentFileRules.h"
#include "windows/main/TAboutBox.h"
#include "windows/main/TalmoFileKind.h"
#include "windows/main/WelcomePage.h"
#include "windows/options/TadvancedBuilderOptions.h"
#include "windows/options/TOptionsForm.h"
#include "windows/project/TprojectForm.h"
#include "windows/wizard/TInstallanionWizard.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QStatusBar>

namespace talmo {

namespace {

const QString WindowKey = QStringLiteral("Software\\Talmo\\masterForm");
const QString &Title = ProgramInfo::Name;

void ShowError(QWidget *parent, const QString &text)
{
    UiServices::current().showMessage(parent, UiMessageKind::Error, Title, text);
}

} // namespace

TmasterForm::TmasterForm(const Services &services, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_builds(services.builder, openProjects(), [this](const QString &failure) { ShowError(this, failure); })
{
    setObjectName(QStringLiteral("masterForm"));
    setWindowTitle(Title);
    setMinimumSize(750, 610);
    resize(1000, 700);

    MRUList = new TTntMRU(this);
    MRUList->setMaxItems(RecentFileRules::MaxItems);
    m_commands = std::make_unique<MasterCommands>(*this);
    connectCommands();
    createCentre();
    statusBar();

    MRUList->setRegistryPath(RecentFileRules::RegistryKey);
    for (const QString &gone : RecentFileRules::Gone(MRUList->items()))
        MRUList->remove(gone);
    restorePlacement();

    m_idleConnection = connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
                               &TmasterForm::UpdateIdleState);
    SetManagerPanelVisible(m_panelFrame->isShown());
    m_managerPanel->RefreshProjectManager(false);
    pagesChanged();
}

TmasterForm::~TmasterForm()
{
    disconnect(m_idleConnection);
    if (!m_services.headless)
        writePlacement();
    // No tab change of the going window may bring the Welcome tab back.
    disconnect(m_tabs->pages(), nullptr, this, nullptr);
}

TNxHeaderPanel *TmasterForm::managerHeaderPanel() const
{
    return m_panelFrame->header();
}

QAction *TmasterForm::commandAction(const char *objectName) const
{
    return m_commands->action(objectName);
}

void TmasterForm::connectCommands()
{
    const std::pair<const char *, std::function<void()>> commands[] = {
        { "new1", [this] { NewEmptyProject(); } },
        { "Wizard1", [this] { NewProjectFromWizard(); } },
        { "ProjectManager2", [this] { NewProjectManager(); } },
        { "Open1", [this] { OpenWithDialog(); } },
        { "mnSave", [this] { SaveActiveProject(); } },
        { "mnSaveAs", [this] { SaveActiveProjectAs(); } },
        { "SaveAll1", [this] { SaveAll(); } },
        { "Close1", [this] { CloseActive(); } },
        { "CloseAll1", [this] { CloseAll(); } },
        { "Quit1", [this] { close(); } },
        { "ViewManager1", [this] { SetManagerPanelVisible(!m_panelFrame->isShown()); } },
        { "SaveProjectManager1", [this] { m_managerPanel->SaveProjectManager(); } },
        { "SaveProjectManageras1", [this] { m_managerPanel->SaveProjectManagerAs(); } },
        { "RunInstallation1", [this] { BuildProject(true); } },
        { "BuildProject1", [this] { BuildProject(false); } },
        { "Options1", [this] { ShowOptions(); } },
        { "Help2", [this] { ProgramHelp::ShowDocumentation(this); } },
        { "StartupDialog1", [this] { ShowWelcomePage(); } },
        { "Visitwebsite1", [] { ProgramHelp::VisitWebSite(); } },
        { "Checkforlatestversion1", [this] { ProgramHelp::CheckForLatestVersion(this); } },
        { "About1", [this] { ShowAbout(); } },
        { "tb_Build", [this] { ShowBuilder(); } },
    };
    for (const auto &[name, run] : commands)
        connect(commandAction(name), &QAction::triggered, this, run);
    MRUList->setParentMenu(m_commands->reopenMenu());
    connect(MRUList, &TTntMRU::clicked, this, &TmasterForm::openRecentFile);
}

void TmasterForm::createCentre()
{
    m_managerPanel = new ProjectManagerPanel(openProjects());
    connect(m_managerPanel, &ProjectManagerPanel::openRequested, this, [this](const QString &file) { OpenFile(file); });
    connect(m_managerPanel, &ProjectManagerPanel::buildEntryRequested, this,
            [this](int index, EntryBuildKind kind) { m_builds.buildEntry(m_managerPanel->manager(), index, kind); });
    connect(m_managerPanel, &ProjectManagerPanel::buildAllRequested, this,
            [this] { m_builds.buildAllEntries(m_managerPanel->manager()); });
    connect(m_managerPanel, &ProjectManagerPanel::newProjectRequested, this, &TmasterForm::newManagerProject);
    connect(m_managerPanel, &ProjectManagerPanel::fileUsed, MRUList, &TTntMRU::add);

    m_tabs = std::make_unique<MasterTabStrip>();
    WelcomePage *welcome = m_tabs->welcomePage();
    connect(welcome, &WelcomePage::newEmptyProjectRequested, this, [this] { NewEmptyProject(); });
    connect(welcome, &WelcomePage::wizardRequested, this, [this] { NewProjectFromWizard(); });
    connect(welcome, &WelcomePage::openRequested, this, &TmasterForm::OpenWithDialog);
    connect(welcome, &WelcomePage::webSiteRequested, this, [] { ProgramHelp::VisitWebSite(); });
    connect(welcome, &WelcomePage::recentFileChosen, this, &TmasterForm::recentFileChosen);
    connect(m_tabs->pages(), &TNxCustomNotebook::change, this, &TmasterForm::pagesChanged);
    connect(m_tabs->pages(), &TNxCustomNotebook::pageClose, this, &TmasterForm::pageClosing);

    m_panelFrame = new ManagerPanelFrame(m_managerPanel, m_tabs->pages(), *this);
    connect(m_panelFrame, &ManagerPanelFrame::hideRequested, this, [this] { SetManagerPanelVisible(false); });
}

void TmasterForm::restorePlacement()
{
    Registry registry;
    const bool stored = bool(registry.openKey(WindowKey, false));
    if (stored)
        RestoreFormPlacement(registry, this);
    m_panelFrame->restore(stored ? &registry : nullptr);
}

void TmasterForm::writePlacement()
{
    Registry registry;
    RegistryStatus status = registry.openKey(WindowKey, true);
    if (status)
        status = SaveFormPlacement(registry, this);
    if (status)
        status = m_panelFrame->save(registry);
    if (status)
        status = registry.closeKey();
    if (!status)
        ShowError(this, TProgramOptions::RegistryErrorMessage);
}

void TmasterForm::SetManagerPanelVisible(bool visible)
{
    m_panelFrame->setShown(visible);
    commandAction("ViewManager1")->setChecked(visible);
}

ProjectManagerBuild::OpenProjectLookup TmasterForm::openProjects() const
{
    return [this](const QString &fileName) -> TProjectContainer * {
        TprojectForm *form = m_tabs->formAt(m_tabs->files().tabOf(fileName));
        return form ? &form->project() : nullptr;
    };
}

ProjectClosing::Ask TmasterForm::askYesNoCancel()
{
    return [this](const QString &question) {
        return UiServices::current().ask(this, Title, question, { UiButton::Yes, UiButton::No, UiButton::Cancel });
    };
}

TprojectForm *TmasterForm::createProjectForm(std::unique_ptr<TProjectContainer> project)
{
    return m_tabs->add([this, &project](QWidget *tab) {
        auto *form = new TprojectForm(std::move(project), m_services.pages, m_services.knowledge, tab);
        connect(form, &TprojectForm::fileUsed, MRUList, &TTntMRU::add);
        connect(form, &TprojectForm::buildRequested, this, &TmasterForm::BuildProject);
        connect(form, &TprojectForm::advancedOptionsRequested, this,
                [this, form] { TadvancedBuilderOptions::EditProject(form->project(), this, runDialog); });
        connect(form, &TprojectForm::projectManagerRefreshRequested, m_managerPanel,
                [this] { m_managerPanel->RefreshProjectManager(false); });
        return form;
    });
}

TprojectForm *TmasterForm::addProjectTab(const std::function<bool(TprojectForm &form)> &fill)
{
    TprojectForm *form = createProjectForm(std::make_unique<TProjectContainer>());
    if (fill(*form))
        return form;
    closeProjectTab(form);
    return nullptr;
}

void TmasterForm::closeProjectTab(TprojectForm *form)
{
    m_tabs->close(form);
    m_managerPanel->RefreshProjectManager(true);
}

bool TmasterForm::NewEmptyProject()
{
    return addProjectTab([](TprojectForm &form) { return form.NewProject(); });
}

bool TmasterForm::NewProjectFromWizard()
{
    auto project = std::make_unique<TProjectContainer>();
    project->CreateNewProject();
    TInstallanionWizard wizard(this);
    wizard.Container = project.get();
    if (runDialog(wizard) != QDialog::Accepted)
        return false;
    const WizardProjectOutcome outcome =
        WizardProject::Create(*project, wizard.answers(), [this](const QString &question) {
            return UiServices::current().ask(this, Title, question, { UiButton::Yes, UiButton::No }) == UiButton::Yes;
        });
    if (outcome.kind == WizardProjectOutcome::Failed)
        ShowError(this, outcome.error);
    if (outcome.kind != WizardProjectOutcome::Created)
        return false;
    const QString caption = FileNamePart(project->FileName);
    TprojectForm *form = createProjectForm(std::move(project));
    const bool saved = form->Save();
    form->RefreshFromProject();
    if (!saved)
        m_tabs->setCaption(form, caption);
    return saved;
}

bool TmasterForm::OpenFile(const QString &name)
{
    // Manager entries and recent files may be written with "\" as on Windows.
    const QString fileName = QDir::cleanPath(ToHostPath(name));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    if (m_tabs->activate(fileName))
        return true;
    const TalmoFileKind kind = TalmoFileKindOf(fileName);
    if (kind == TalmoFileKind::Project)
        return openProject(fileName);
    if (kind == TalmoFileKind::ProjectManager) {
        if (!m_managerPanel->MayDiscard(ProjectClosing::ManagerOpeningQuestion))
            return true;
        const bool loaded = m_managerPanel->LoadProjectManager(fileName);
        SetManagerPanelVisible(true);
        return loaded;
    }
    ShowError(this, TalmoFileKindRefusal);
    return false;
}

// Only a project that loaded gets a tab; a refused file changes nothing but says why.
bool TmasterForm::openProject(const QString &fileName)
{
    auto project = std::make_unique<TProjectContainer>();
    QString refusal;
    if (!ProjectFileReader::LoadFromFile(*project, fileName, refusal)) {
        TprojectForm::TellLoadFailure(this, fileName, refusal);
        return false;
    }
    createProjectForm(std::move(project))->ShowLoadedProject();
    return true;
}

void TmasterForm::NewProjectManager()
{
    // The panel shows first, so that what an unsaved-changes question is about is in view.
    if (!m_panelFrame->isShown())
        SetManagerPanelVisible(true);
    m_managerPanel->NewProjectManager();
}

void TmasterForm::OpenWithDialog()
{
    FileDialogRequest request;
    request.filter = QStringLiteral("Talmo Files (*.talmo;*.talmopm)|*.talmo;*.talmopm|Projects (*.talmo)|*.talmo|"
                                    "Project Manager (*.talmopm)|*.talmopm");
    const QStringList files = UiServices::current().openFiles(this, request);
    if (!files.isEmpty())
        OpenFile(files.first());
}

void TmasterForm::pageClosing(int index, bool &accept)
{
    // The tab is closed here or not at all; the page control must not free it.
    accept = false;
    switch (m_tabs->state().closeButton(index, projectFormAt(index))) {
    case MasterTabs::CloseButton::TakeOutWelcome: m_tabs->takeOutWelcome(); break;
    case MasterTabs::CloseButton::CloseProject: closeProjectPage(index, ProjectClosing::TabQuestion); break;
    case MasterTabs::CloseButton::KeepTab: break;
    }
}

UiButton TmasterForm::CloseProjectPage(int index)
{
    return projectFormAt(index) ? closeProjectPage(index, ProjectClosing::ProjectsQuestion) : UiButton::Cancel;
}

UiButton TmasterForm::closeProjectPage(int index, const QString &question)
{
    TprojectForm *form = projectFormAt(index);
    const UiButton answer =
        ProjectClosing::CloseOne(form->project().Modified,
                                 ProjectClosing::AboutProject(question, form->project().GetFileName()),
                                 askYesNoCancel(), [form] { return form->Save(); });
    if (answer != UiButton::Cancel)
        closeProjectTab(form);
    return answer;
}

void TmasterForm::CloseActive()
{
    if (activeProjectForm())
        CloseProjectPage(m_tabs->activeIndex());
}

void TmasterForm::CloseAll()
{
    if (!m_managerPanel->NewProjectManager())
        return;
    for (int index = m_tabs->count() - 1; index >= 0; --index) {
        if (projectFormAt(index) && CloseProjectPage(index) == UiButton::Cancel)
            return;
    }
}

void TmasterForm::ShowWelcomePage()
{
    m_tabs->showWelcome();
}

void TmasterForm::pagesChanged()
{
    const MasterTabs now = m_tabs->state();
    if (now.needsWelcome()) {
        ShowWelcomePage();
        return;
    }
    if (now.welcomeInFront()) {
        welcomePage()->fillRecentFiles(MRUList->items());
        // The keys go to the recent list, also when the closed tab had them.
        welcomePage()->setFocus();
    }
    m_commands->setProjectCommandsEnabled(now.projectCommandsEnabled());
}

void TmasterForm::UpdateIdleState()
{
    const MasterTabs now = m_tabs->state();
    if (now.needsWelcome())
        m_commands->setProjectCommandsEnabled(false);
    TprojectForm *first = projectFormAt(0);
    const MasterWindowLook look =
        MasterWindowLook::For(now.count, now.welcome == 0, first ? first->project().FileName : QString());
    if (look.showTabs && projectPages()->showTabs() != *look.showTabs)
        projectPages()->setShowTabs(*look.showTabs);
    if (windowTitle() != look.title)
        setWindowTitle(look.title);
}

bool TmasterForm::openRecentFile(const QString &fileName)
{
    if (RecentFileRules::IsThere(fileName)) {
        OpenFile(fileName);
        return true;
    }
    ShowError(this, RecentFileRules::GoneMessage);
    MRUList->remove(fileName);
    return false;
}

void TmasterForm::recentFileChosen(int, const QString &fileName)
{
    if (!openRecentFile(fileName))
        welcomePage()->fillRecentFiles(MRUList->items(), true);
}

void TmasterForm::SaveActiveProject()
{
    if (TprojectForm *form = activeProjectForm())
        form->Save();
}

void TmasterForm::SaveActiveProjectAs()
{
    if (TprojectForm *form = activeProjectForm())
        form->SaveAs();
}

void TmasterForm::SaveAll()
{
    for (int index = 0; index < m_tabs->count(); ++index) {
        if (TprojectForm *form = projectFormAt(index))
            form->Save();
    }
    m_managerPanel->SaveProjectManager();
}

bool TmasterForm::MayCloseProgram()
{
    QList<bool> modified;
    for (int index = 0; index < m_tabs->count(); ++index) {
        TprojectForm *form = projectFormAt(index);
        modified.append(form && form->project().Modified);
    }
    if (!ProjectClosing::CloseAll(modified, askYesNoCancel(), [this](int index) { return projectFormAt(index)->Save(); }))
        return false;
    return m_managerPanel->MayDiscard(ProjectClosing::ManagerClosingQuestion);
}

void TmasterForm::closeEvent(QCloseEvent *event)
{
    if (!MayCloseProgram()) {
        event->ignore();
        return;
    }
    if (TProgramOptions *options = TProgramOptions::current()) {
        if (const RegistryStatus status = options->Save(); !status)
            ShowError(this, status.message());
    }
    event->accept();
}

int TmasterForm::BuildActiveProject(bool silent)
{
    TprojectForm *form = activeProjectForm();
    return form ? m_builds.buildAutomatically(form->project(), silent) : ProjectNotBuiltResult;
}

void TmasterForm::BuildProject(bool runAfterBuild)
{
    if (TprojectForm *form = activeProjectForm())
        m_builds.buildSetup(form->project(), runAfterBuild);
}

void TmasterForm::ShowBuilder()
{
    TprojectForm *form = activeProjectForm();
    if (!form)
        return;
    m_builds.showBuilder(form->project());
    form->RefreshFromProject();
}

void TmasterForm::newManagerProject()
{
    TprojectForm *form = addProjectTab([](TprojectForm &made) { return made.NewProject(); });
    if (!form)
        return;
    if (form->SaveAs()) {
        m_managerPanel->AddEntry(form->project().FileName, true);
        return;
    }
    form->project().Modified = false;
    closeProjectTab(form);
}

void TmasterForm::ShowAbout()
{
    TAboutBox about(this);
    about.exec();
}

void TmasterForm::ShowOptions()
{
    TProgramOptions *options = TProgramOptions::current();
    if (!options)
        return;
    // The dialog edits a copy, so that Cancel leaves the options as they were.
    TProgramOptions edited = *options;
    TOptionsForm dialog(edited, this);
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    *options = std::move(edited);
    if (const RegistryStatus status = options->Save(); !status)
        ShowError(this, status.message());
}

void TmasterForm::RunCommandLine(const ProgramCommandLine &commandLine)
{
    const CommandLineRun run(commandLine, m_services.headless);
    if (run.showsWindowAtOnce())
        show();
    if (run.kind() == CommandLineRun::Kind::Open) {
        if (run.fileExists())
            OpenFile(commandLine.fileName);
        return;
    }
    if (const std::optional<int> result = runCommandLineBuild(commandLine, run)) {
        m_exitCode = *result;
        emit commandLineBuildFinished(*result);
    }
}

std::optional<int> TmasterForm::runCommandLineBuild(const ProgramCommandLine &commandLine, const CommandLineRun &run)
{
    UnattendedUiServices unattended(run.messages(), &UiServices::current());
    ScopedCurrentUiServices useUnattended(unattended);

    if (!run.fileExists() || !OpenFile(commandLine.fileName)) {
        tellNotOpened(commandLine, run);
        // A script waiting for the build must not read the program's closing as its success.
        m_exitCode = ProjectNotBuiltResult;
        if (run.keepsRunningWhenNotOpened())
            return std::nullopt;
        return ProjectNotBuiltResult;
    }
    show();
    m_tabs->takeOutWelcome();
    if (run.kind() == CommandLineRun::Kind::BuildProjectManager)
        return m_builds.buildListFile(commandLine.fileName, run.reportsFailures());
    m_tabs->activate(commandLine.fileName);
    return BuildActiveProject(!run.reportsFailures());
}

// A file that could not be read has said so while it was opened; a missing one is said here.
void TmasterForm::tellNotOpened(const ProgramCommandLine &commandLine, const CommandLineRun &run)
{
    if (const QString told = run.standardErrorWhenNotOpened(); !told.isEmpty()) {
        UnattendedUiServices standardError(UnattendedUiServices::Messages::StandardError);
        standardError.showMessage(this, UiMessageKind::Error, Title, told);
    } else if (run.keepsRunningWhenNotOpened() && !commandLine.fileName.isEmpty() && !run.fileExists()) {
        ShowError(this, RecentFileRules::GoneMessage + QStringLiteral("\n\n") + commandLine.fileName);
    }
}

} // namespace talmo
