#include "windows/main/TmasterForm.h"

#include "engine/builder/IBuilderRunner.h"
#include "helpers/core/PathHelpers.h"
#include "helpers/ui/TntMRU.h"
#include "helpers/ui/UnattendedUiServices.h"
#include "helpers/ui/WindowSettings.h"
#include "model/ProgramOptions.h"
#include "model/ProjectContainer.h"
#include "model/WizardProject.h"
#include "platform/HostPath.h"
#include "platform/ProgramFolder.h"
#include "platform/Registry.h"
#include "platform/ShellServices.h"
#include "widgets/NxHeaderPanel.h"
#include "widgets/NxPageControl.h"
#include "widgets/NxSplitter.h"
#include "widgets/NxTabSheet.h"
#include "windows/main/BuildFailureText.h"
#include "windows/main/CommandLineRun.h"
#include "windows/main/MasterWindowLook.h"
#include "windows/main/ProgramInfo.h"
#include "windows/main/ProjectClosing.h"
#include "windows/main/ProjectManagerPanel.h"
#include "windows/main/TAboutBox.h"
#include "windows/wizard/TInstallanionWizard.h"
#include "windows/main/TalmoFileKind.h"
#include "windows/options/TadvancedBuilderOptions.h"
#include "windows/options/TOptionsForm.h"
#include "windows/project/TprojectForm.h"
#include "windows/main/WelcomePage.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace talmo {

namespace {

const QString WindowKey = QStringLiteral("Software\\Talmo\\masterForm");
const QString RecentFilesKey = QStringLiteral("Software\\Talmo\\MRU");
const QString &Title = ProgramInfo::Name;

void ShowError(QWidget *parent, const QString &text)
{
    UiServices::current().showMessage(parent, UiMessageKind::Error, Title, text);
}


} // namespace

TmasterForm::TmasterForm(const Services &services, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("masterForm"));
    setWindowTitle(Title);
    setMinimumSize(750, 610);
    resize(1000, 700);

    MRUList = new TTntMRU(this);
    MRUList->setMaxItems(8);
    createCommands();
    createMenus();
    createToolBar();
    createCentre();
    statusBar();

    MRUList->setRegistryPath(RecentFilesKey);
    dropMissingRecentFiles();
    restorePlacement();
    m_savedPanelWidth = NxHeaderPanel1->width();

    m_idleConnection = connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
                               &TmasterForm::UpdateIdleState);
    SetManagerPanelVisible(NxHeaderPanel1->isVisibleTo(this));
    m_managerPanel->RefreshProjectManager(false);
    pagesChanged();
}

TmasterForm::~TmasterForm()
{
    disconnect(m_idleConnection);
    if (!m_services.headless)
        writePlacement();
    // The Welcome tab may be out of the tab list; it is freed here either way,
    // and no tab change of the going window may bring it back.
    disconnect(ProjectPages, nullptr, this, nullptr);
    delete m_welcomeTab;
}

QAction *TmasterForm::newAction(const char *objectName, const QString &caption, void (TmasterForm::*slot)(),
                                const QKeySequence &shortcut)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QLatin1String(objectName));
    action->setShortcut(shortcut);
    if (slot)
        connect(action, &QAction::triggered, this, slot);
    return action;
}

QAction *TmasterForm::commandAction(const char *objectName) const
{
    return findChild<QAction *>(QLatin1String(objectName));
}

void TmasterForm::createCommands()
{
    newAction("new1", QStringLiteral("Empty Project"), nullptr);
    connect(commandAction("new1"), &QAction::triggered, this, [this] { NewEmptyProject(); });
    newAction("Wizard1", QStringLiteral("Wizard"), nullptr);
    connect(commandAction("Wizard1"), &QAction::triggered, this, [this] { NewProjectFromWizard(); });
    newAction("ProjectManager2", QStringLiteral("Project Manager"), nullptr);
    connect(commandAction("ProjectManager2"), &QAction::triggered, this, [this] { m_managerPanel->NewProjectManager(); });
    newAction("Open1", QStringLiteral("Open..."), &TmasterForm::OpenWithDialog, QKeySequence(Qt::CTRL | Qt::Key_O));
    newAction("mnSave", QStringLiteral("Save"), &TmasterForm::SaveActiveProject, QKeySequence(Qt::CTRL | Qt::Key_S));
    newAction("mnSaveAs", QStringLiteral("Save As..."), &TmasterForm::SaveActiveProjectAs);
    newAction("SaveAll1", QStringLiteral("Save All"), &TmasterForm::SaveAll,
              QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
    newAction("Close1", QStringLiteral("Close"), &TmasterForm::CloseActive);
    newAction("CloseAll1", QStringLiteral("Close All"), &TmasterForm::CloseAll);
    newAction("Quit1", QStringLiteral("Quit"), nullptr);
    connect(commandAction("Quit1"), &QAction::triggered, this, &QWidget::close);
    m_viewManager = newAction("ViewManager1", QStringLiteral("View Project Manager"), nullptr);
    m_viewManager->setCheckable(true);
    connect(m_viewManager, &QAction::triggered, this, [this] { SetManagerPanelVisible(!NxHeaderPanel1->isVisibleTo(this)); });
    newAction("SaveProjectManager1", QStringLiteral("Save Project Manager"), nullptr);
    connect(commandAction("SaveProjectManager1"), &QAction::triggered, this, [this] { m_managerPanel->SaveProjectManager(); });
    newAction("SaveProjectManageras1", QStringLiteral("Save Project Manager As..."), nullptr);
    connect(commandAction("SaveProjectManageras1"), &QAction::triggered, this,
            [this] { m_managerPanel->SaveProjectManagerAs(); });
    newAction("RunInstallation1", QStringLiteral("Run Installation"), nullptr, QKeySequence(Qt::Key_F9));
    connect(commandAction("RunInstallation1"), &QAction::triggered, this, [this] { BuildProject(true); });
    newAction("BuildProject1", QStringLiteral("Build Project"), nullptr, QKeySequence(Qt::CTRL | Qt::Key_F9));
    connect(commandAction("BuildProject1"), &QAction::triggered, this, [this] { BuildProject(false); });
    newAction("Options1", QStringLiteral("Options"), &TmasterForm::ShowOptions);
    newAction("Help2", QStringLiteral("Documentation"), &TmasterForm::ShowDocumentation);
    newAction("StartupDialog1", QStringLiteral("Show Welcome Page"), &TmasterForm::ShowWelcomePage);
    newAction("Visitwebsite1", QStringLiteral("Visit Web Site"), &TmasterForm::VisitWebSite);
    newAction("Checkforlatestversion1", QStringLiteral("Check for latest version"),
              &TmasterForm::CheckForLatestVersion);
    newAction("About1", QStringLiteral("About"), &TmasterForm::ShowAbout);
    newAction("tb_Build", QStringLiteral("Builder"), &TmasterForm::ShowBuilder)->setToolTip(QStringLiteral("Builder"));

    for (const char *name : { "tb_Build", "mnSave", "mnSaveAs", "Close1", "RunInstallation1", "BuildProject1" })
        m_projectCommands.append(commandAction(name));
}

void TmasterForm::createMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("File"));
    QMenu *newMenu = file->addMenu(QStringLiteral("New"));
    newMenu->addActions({ commandAction("new1"), commandAction("Wizard1") });
    newMenu->addSeparator();
    newMenu->addAction(commandAction("ProjectManager2"));
    file->addAction(commandAction("Open1"));
    file->addSeparator();
    file->addActions({ commandAction("mnSave"), commandAction("mnSaveAs"), commandAction("SaveAll1"),
                       commandAction("Close1"), commandAction("CloseAll1") });
    file->addSeparator();
    m_reopenMenu = file->addMenu(QStringLiteral("Reopen"));
    MRUList->setParentMenu(m_reopenMenu);
    connect(MRUList, &TTntMRU::clicked, this, &TmasterForm::openRecentFile);
    file->addSeparator();
    file->addAction(commandAction("Quit1"));

    QMenu *project = menuBar()->addMenu(QStringLiteral("Project"));
    project->addAction(m_viewManager);
    QMenu *manager = project->addMenu(QStringLiteral("Project Manager"));
    QAction *newManager = manager->addAction(QStringLiteral("New"));
    connect(newManager, &QAction::triggered, this, [this] { m_managerPanel->NewProjectManager(); });
    QAction *openManager = manager->addAction(QStringLiteral("Open..."));
    connect(openManager, &QAction::triggered, this, &TmasterForm::OpenWithDialog);
    manager->addSeparator();
    manager->addActions({ commandAction("SaveProjectManager1"), commandAction("SaveProjectManageras1") });
    project->addSeparator();
    project->addActions({ commandAction("RunInstallation1"), commandAction("BuildProject1") });

    menuBar()->addMenu(QStringLiteral("Tools"))->addAction(commandAction("Options1"));

    QMenu *help = menuBar()->addMenu(QStringLiteral("Help"));
    help->addAction(commandAction("Help2"));
    help->addSeparator();
    help->addAction(commandAction("StartupDialog1"));
    help->addSeparator();
    help->addActions({ commandAction("Visitwebsite1"), commandAction("Checkforlatestversion1") });
    help->addSeparator();
    help->addAction(commandAction("About1"));
}

void TmasterForm::createToolBar()
{
    QToolBar *tools = addToolBar(QStringLiteral("Tools"));
    tools->setObjectName(QStringLiteral("ToolBar1"));
    tools->setMovable(false);

    auto *newMenu = new QMenu(this);
    newMenu->setObjectName(QStringLiteral("pm_NewProjectMenu"));
    newMenu->addActions({ commandAction("new1"), commandAction("Wizard1") });
    newMenu->addSeparator();
    newMenu->addAction(commandAction("ProjectManager2"));
    auto *newButton = new QToolButton;
    newButton->setObjectName(QStringLiteral("tb_New"));
    newButton->setText(QStringLiteral("New"));
    newButton->setToolTip(QStringLiteral("Create new Project or Project manager"));
    newButton->setMenu(newMenu);
    newButton->setPopupMode(QToolButton::MenuButtonPopup);
    connect(newButton, &QToolButton::clicked, this, [this] { NewEmptyProject(); });
    tools->addWidget(newButton);

    const std::pair<const char *, const char *> buttons[] = {
        { "Open1", "Open a Project or Project Manager" },
        { "mnSave", "Save Active Project" },
        { "tb_Build", "Builder" },
    };
    for (const auto &[action, hint] : buttons) {
        QAction *command = commandAction(action);
        tools->addAction(command);
        if (QWidget *button = tools->widgetForAction(command))
            button->setToolTip(QLatin1String(hint));
    }
}

void TmasterForm::createCentre()
{
    m_managerPanel = new ProjectManagerPanel(openProjects());
    connect(m_managerPanel, &ProjectManagerPanel::openRequested, this, [this](const QString &file) { OpenFile(file); });
    connect(m_managerPanel, &ProjectManagerPanel::buildEntryRequested, this,
            [this](int index, EntryBuildKind kind) {
                reportBuild(m_managerPanel->EntryPath(index), BuildManagerEntry(index, kind));
            });
    connect(m_managerPanel, &ProjectManagerPanel::buildAllRequested, this, &TmasterForm::BuildAllEntries);
    connect(m_managerPanel, &ProjectManagerPanel::newProjectRequested, this, &TmasterForm::newManagerProject);
    connect(m_managerPanel, &ProjectManagerPanel::fileUsed, MRUList, &TTntMRU::add);

    NxHeaderPanel1 = new TNxHeaderPanel;
    NxHeaderPanel1->setObjectName(QStringLiteral("NxHeaderPanel1"));
    NxHeaderPanel1->setCaption(QStringLiteral("Project Manager"));
    NxHeaderPanel1->setOptions(hoCollapseButton);
    auto *panelLayout = new QVBoxLayout(NxHeaderPanel1);
    panelLayout->addWidget(m_managerPanel);
    NxHeaderPanel1->resize(230, NxHeaderPanel1->height());
    connect(NxHeaderPanel1, &TNxHeaderPanel::headerClick, this, [this] {
        m_headerClicked = true;
        m_savedPanelWidth = NxHeaderPanel1->width();
    });
    connect(NxHeaderPanel1, &TNxHeaderPanel::change, this, &TmasterForm::panelChanged);

    ProjectPages = new TNxPageControl;
    ProjectPages->setObjectName(QStringLiteral("ProjectPages"));
    ProjectPages->setMinimumWidth(340);
    ProjectPages->setOptions(ProjectPages->options() | pgCloseButton);
    m_welcomePage = new WelcomePage;
    m_welcomeTab = new TNxTabSheet;
    m_welcomeTab->setObjectName(QStringLiteral("pagWelcome"));
    m_welcomeTab->setCaption(QStringLiteral("Welcome"));
    auto *welcomeLayout = new QVBoxLayout(m_welcomeTab);
    welcomeLayout->setContentsMargins(0, 0, 0, 0);
    welcomeLayout->addWidget(m_welcomePage);
    ProjectPages->addPage(m_welcomeTab, true);
    ProjectPages->setActivePage(m_welcomeTab);
    connect(m_welcomePage, &WelcomePage::newEmptyProjectRequested, this, [this] { NewEmptyProject(); });
    connect(m_welcomePage, &WelcomePage::wizardRequested, this, [this] { NewProjectFromWizard(); });
    connect(m_welcomePage, &WelcomePage::openRequested, this, &TmasterForm::OpenWithDialog);
    connect(m_welcomePage, &WelcomePage::webSiteRequested, this, &TmasterForm::VisitWebSite);
    connect(m_welcomePage, &WelcomePage::recentFileChosen, this, &TmasterForm::recentFileChosen);
    connect(ProjectPages, &TNxCustomNotebook::change, this, &TmasterForm::pagesChanged);
    connect(ProjectPages, &TNxCustomNotebook::pageClose, this, &TmasterForm::pageClosing);

    NxSplitter1 = new TNxSplitter(Qt::Horizontal);
    NxSplitter1->setObjectName(QStringLiteral("NxSplitter1"));
    NxSplitter1->addWidget(NxHeaderPanel1);
    NxSplitter1->addWidget(ProjectPages);
    // The panel keeps its width as the window grows or shrinks; the tabs
    // take the rest.
    NxSplitter1->setStretchFactor(0, 0);
    NxSplitter1->setStretchFactor(1, 1);
    NxSplitter1->setSizes({ NxHeaderPanel1->width(), width() - NxHeaderPanel1->width() });
    NxSplitter1->setCollapsible(1, false);
    // The panel starts at its own width, not at what its contents would like.
    NxSplitter1->setSizes({ NxHeaderPanel1->width(), 1 });
    connect(NxSplitter1, &QSplitter::splitterMoved, this, [this] { m_savedPanelWidth = NxHeaderPanel1->width(); });
    setCentralWidget(NxSplitter1);
}

void TmasterForm::restorePlacement()
{
    Registry registry;
    if (!registry.openKey(WindowKey, false))
        return;
    RestoreFormPlacement(registry, this);
    if (const std::optional<qint32> panelWidth = registry.readInteger(QStringLiteral("Panel2_Width"))) {
        NxHeaderPanel1->resize(*panelWidth, NxHeaderPanel1->height());
        NxSplitter1->setSizes({ *panelWidth, std::max(width() - *panelWidth, 340) });
    }
    if (const std::optional<bool> visible = registry.readBool(QStringLiteral("Panel2_Visible")))
        NxHeaderPanel1->setVisible(*visible);
}

void TmasterForm::writePlacement()
{
    if (!NxHeaderPanel1->isVisibleTo(this))
        NxHeaderPanel1->resize(m_savedPanelWidth, NxHeaderPanel1->height());
    Registry registry;
    RegistryStatus status = registry.openKey(WindowKey, true);
    if (status)
        status = SaveFormPlacement(registry, this);
    if (status)
        status = registry.writeInteger(QStringLiteral("Panel2_Width"), m_savedPanelWidth);
    if (status)
        status = registry.writeBool(QStringLiteral("Panel2_Visible"), NxHeaderPanel1->isVisibleTo(this));
    if (status)
        status = registry.closeKey();
    if (!status)
        ShowError(this, TProgramOptions::RegistryErrorMessage);
}

void TmasterForm::dropMissingRecentFiles()
{
    const QStringList files = MRUList->items();
    for (int index = files.size() - 1; index >= 0; --index) {
        if (!QFileInfo(ToHostPath(files[index])).isFile())
            MRUList->remove(files[index]);
    }
}

void TmasterForm::SetManagerPanelVisible(bool visible)
{
    if (visible && !NxHeaderPanel1->isVisibleTo(this) && m_savedPanelWidth > 0)
        NxSplitter1->setSizes({ m_savedPanelWidth, std::max(ProjectPages->width(), 340) });
    NxHeaderPanel1->setVisible(visible);
    m_viewManager->setChecked(visible);
}

void TmasterForm::panelChanged()
{
    if (!m_headerClicked)
        return;
    m_headerClicked = false;
    if (!NxHeaderPanel1->expanded()) {
        NxHeaderPanel1->setExpanded(true);
        SetManagerPanelVisible(false);
    }
}

TprojectForm *TmasterForm::projectFormAt(int index) const
{
    if (index < 0 || index >= ProjectPages->getPageCount())
        return nullptr;
    return ProjectPages->getPage(index)->findChild<TprojectForm *>(QString(), Qt::FindDirectChildrenOnly);
}

TprojectForm *TmasterForm::activeProjectForm() const
{
    return ProjectPages->activePage() ? projectFormAt(ProjectPages->activePageIndex()) : nullptr;
}

TprojectForm *TmasterForm::findProjectForm(const QString &fileName) const
{
    for (int index = 0; index < ProjectPages->getPageCount(); ++index) {
        TprojectForm *form = projectFormAt(index);
        if (form && IsSameHostFile(form->project().FileName, fileName))
            return form;
    }
    return nullptr;
}

ProjectManagerBuild::OpenProjectLookup TmasterForm::openProjects() const
{
    return [this](const QString &fileName) -> TProjectContainer * {
        TprojectForm *form = findProjectForm(fileName);
        return form ? &form->project() : nullptr;
    };
}

bool TmasterForm::isWelcomeTab(int index) const
{
    return m_welcomeTab && ProjectPages->indexOfPage(m_welcomeTab) == index;
}

ProjectClosing::Ask TmasterForm::askYesNoCancel()
{
    return [this](const QString &question) {
        return UiServices::current().ask(this, Title, question, { UiButton::Yes, UiButton::No, UiButton::Cancel });
    };
}

TprojectForm *TmasterForm::createProjectForm(std::unique_ptr<TProjectContainer> project)
{
    auto *sheet = new TNxTabSheet;
    sheet->setCaption(QStringLiteral("No Project Loaded"));
    auto *form = new TprojectForm(std::move(project), m_services.pages, m_services.knowledge, sheet);
    auto *layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(form);
    connect(form, &TprojectForm::tabCaptionChanged, sheet, &TNxTabSheet::setCaption);
    connect(form, &TprojectForm::fileUsed, MRUList, &TTntMRU::add);
    connect(form, &TprojectForm::buildRequested, this, &TmasterForm::BuildProject);
    connect(form, &TprojectForm::advancedOptionsRequested, this,
            [this, form] { TadvancedBuilderOptions::EditProject(form->project(), this, runDialog); });
    connect(form, &TprojectForm::projectManagerRefreshRequested, m_managerPanel,
            [this] { m_managerPanel->RefreshProjectManager(false); });
    ProjectPages->addPage(sheet, true);
    ProjectPages->setActivePage(sheet);
    return form;
}

void TmasterForm::closeProjectTab(TNxTabSheet *sheet)
{
    ProjectPages->deletePage(sheet);
    m_managerPanel->RefreshProjectManager(true);
}

bool TmasterForm::NewEmptyProject()
{
    TprojectForm *form = createProjectForm(std::make_unique<TProjectContainer>());
    if (form->NewProject())
        return true;
    closeProjectTab(qobject_cast<TNxTabSheet *>(form->parentWidget()));
    return false;
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
        qobject_cast<TNxTabSheet *>(form->parentWidget())->setCaption(caption);
    return saved;
}

bool TmasterForm::OpenFile(const QString &fileName)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    if (TprojectForm *open = findProjectForm(fileName)) {
        ProjectPages->setActivePage(qobject_cast<TNxTabSheet *>(open->parentWidget()));
        return true;
    }
    const TalmoFileKind kind = TalmoFileKindOf(fileName);
    if (kind == TalmoFileKind::Project) {
        TprojectForm *form = createProjectForm(std::make_unique<TProjectContainer>());
        if (form->LoadFromFile(fileName))
            return true;
        closeProjectTab(qobject_cast<TNxTabSheet *>(form->parentWidget()));
        return false;
    }
    if (kind == TalmoFileKind::ProjectManager) {
        if (!m_managerPanel->MayDiscard(QStringLiteral(
                "Project Manager have unsaved changes. Do you want to save them before opening another file ?")))
            return true;
        const bool loaded = m_managerPanel->LoadProjectManager(fileName);
        if (!NxHeaderPanel1->isVisibleTo(this))
            SetManagerPanelVisible(true);
        return loaded;
    }
    ShowError(this, QStringLiteral("Can load only TALMO Projects and TALMO Project Manager Files"));
    return false;
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
    if (isWelcomeTab(index)) {
        if (ProjectPages->getPageCount() > 1)
            takeOutWelcomeTab();
        return;
    }
    if (projectFormAt(index))
        closeProjectPage(index, ProjectClosing::TabQuestion);
}

void TmasterForm::takeOutWelcomeTab()
{
    const int index = ProjectPages->indexOfPage(m_welcomeTab);
    if (index < 0)
        return;
    // Only out of the list: the tab is kept for "Show Welcome Page".
    static_cast<TNxCustomNotebook *>(ProjectPages)->removePage(m_welcomeTab);
    m_welcomeTab->hide();
    const int count = ProjectPages->getPageCount();
    ProjectPages->setActivePageIndex(count == 0 ? 0 : std::min(index, count - 1));
}

UiButton TmasterForm::CloseProjectPage(int index)
{
    return projectFormAt(index) ? closeProjectPage(index, ProjectClosing::ProjectsQuestion) : UiButton::Cancel;
}

UiButton TmasterForm::closeProjectPage(int index, const QString &question)
{
    TprojectForm *form = projectFormAt(index);
    const UiButton answer = ProjectClosing::CloseOne(form->project().Modified, question, askYesNoCancel(),
                                                     [form] { return form->Save(); });
    if (answer != UiButton::Cancel)
        closeProjectTab(ProjectPages->getPage(index));
    return answer;
}

void TmasterForm::CloseActive()
{
    if (activeProjectForm())
        CloseProjectPage(ProjectPages->activePageIndex());
}

void TmasterForm::CloseAll()
{
    if (!m_managerPanel->NewProjectManager())
        return;
    for (int index = ProjectPages->getPageCount() - 1; index >= 0; --index) {
        if (projectFormAt(index) && CloseProjectPage(index) == UiButton::Cancel)
            return;
    }
}

void TmasterForm::ShowWelcomePage()
{
    if (ProjectPages->indexOfPage(m_welcomeTab) >= 0)
        return;
    ProjectPages->insertPage(0, m_welcomeTab);
    ProjectPages->setActivePage(m_welcomeTab);
}

void TmasterForm::pagesChanged()
{
    if (ProjectPages->getPageCount() == 0) {
        ShowWelcomePage();
        return;
    }
    const bool onWelcome = ProjectPages->activePage() && ProjectPages->activePage() == m_welcomeTab;
    if (onWelcome) {
        fillRecentFiles();
        // The keys go to the recent list, also when the closed tab had them.
        m_welcomePage->setFocus();
    }
    setProjectCommandsEnabled(!onWelcome && activeProjectForm());
}

void TmasterForm::setProjectCommandsEnabled(bool enabled)
{
    for (QAction *command : m_projectCommands)
        command->setEnabled(enabled);
}

void TmasterForm::UpdateIdleState()
{
    const int count = ProjectPages->getPageCount();
    if (count == 0)
        setProjectCommandsEnabled(false);
    TprojectForm *first = projectFormAt(0);
    const MasterWindowLook look =
        MasterWindowLook::For(count, isWelcomeTab(0), first ? first->project().FileName : QString());
    if (look.showTabs && ProjectPages->showTabs() != *look.showTabs)
        ProjectPages->setShowTabs(*look.showTabs);
    if (windowTitle() != look.title)
        setWindowTitle(look.title);
}

void TmasterForm::fillRecentFiles()
{
    m_welcomePage->fillRecentFiles(MRUList->items());
}

bool TmasterForm::openRecentFile(const QString &fileName)
{
    if (QFileInfo(ToHostPath(fileName)).isFile()) {
        OpenFile(fileName);
        return true;
    }
    ShowError(this, QStringLiteral("File doesn't exists."));
    MRUList->remove(fileName);
    return false;
}

void TmasterForm::recentFileChosen(int, const QString &fileName)
{
    if (!openRecentFile(fileName))
        m_welcomePage->fillRecentFiles(MRUList->items(), true);
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
    for (int index = 0; index < ProjectPages->getPageCount(); ++index) {
        if (TprojectForm *form = projectFormAt(index))
            form->Save();
    }
    m_managerPanel->SaveProjectManager();
}

bool TmasterForm::MayCloseProgram()
{
    QList<bool> modified;
    for (int index = 0; index < ProjectPages->getPageCount(); ++index) {
        TprojectForm *form = projectFormAt(index);
        modified.append(form && form->project().Modified);
    }
    if (!ProjectClosing::CloseAll(modified, askYesNoCancel(), [this](int index) { return projectFormAt(index)->Save(); }))
        return false;
    return m_managerPanel->MayDiscard(
        QStringLiteral("Project Manager have unsaved changes. Do you want to save them before closing ?"));
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

void TmasterForm::reportBuild(const QString &fileName, const BuildOutcome &outcome)
{
    if (outcome.succeeded())
        return;
    ShowError(this, BuildFailureText::OfEntry(fileName, outcome));
}

int TmasterForm::BuildActiveProject(bool silent)
{
    TprojectForm *form = activeProjectForm();
    if (!form)
        return ProjectNotBuiltResult;
    const BuildOutcome outcome = RunAutomaticBuild(m_services.builder, form->project());
    if (!silent && !outcome.succeeded())
        ShowError(this, BuildFailureText::OfProject(form->project().FileName, outcome.errorText));
    return outcome.resultCode;
}

BuildOutcome TmasterForm::BuildManagerEntry(int index, EntryBuildKind kind)
{
    ProjectManagerBuild build(m_managerPanel->manager(), m_services.builder, openProjects());
    return build.BuildEntry(index, kind);
}

void TmasterForm::BuildAllEntries()
{
    ProjectManagerBuild build(m_managerPanel->manager(), m_services.builder, openProjects());
    build.BuildAll(ProjectManagerBuild::StopRule::BuildFailure, [this](int index, const BuildOutcome &outcome) {
        reportBuild(m_managerPanel->EntryPath(index), outcome);
    });
}

void TmasterForm::BuildProject(bool runAfterBuild)
{
    TprojectForm *form = activeProjectForm();
    if (!form)
        return;
    BuilderRequest request;
    request.project = &form->project();
    request.mode = BuilderModeSetup;
    request.keepOpen = true;
    request.runAfterBuild = runAfterBuild;
    m_services.builder.run(request);
}

void TmasterForm::ShowBuilder()
{
    TprojectForm *form = activeProjectForm();
    if (!form)
        return;
    BuilderRequest request;
    request.project = &form->project();
    request.mode = BuilderModeInteractive;
    m_services.builder.run(request);
    form->RefreshFromProject();
}

void TmasterForm::newManagerProject()
{
    TprojectForm *form = createProjectForm(std::make_unique<TProjectContainer>());
    auto *sheet = qobject_cast<TNxTabSheet *>(form->parentWidget());
    if (!form->NewProject()) {
        closeProjectTab(sheet);
        return;
    }
    if (form->SaveAs()) {
        m_managerPanel->AddEntry(form->project().FileName, true);
        return;
    }
    form->project().Modified = false;
    closeProjectTab(sheet);
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
    TOptionsForm dialog(*options, this);
    if (runDialog(dialog) != QDialog::Accepted)
        return;
    if (const RegistryStatus status = options->Save(); !status)
        ShowError(this, status.message());
}

void TmasterForm::ShowDocumentation()
{
    UiServices::current().showMessage(this, UiMessageKind::Information, Title,
                                      QStringLiteral("No help file is installed."));
}

void TmasterForm::VisitWebSite()
{
    ShellServices::current().openDocument(ProgramInfo::WebSite);
}

void TmasterForm::CheckForLatestVersion()
{
    const QString update = ProgramFolder::path() + QStringLiteral("update");
    if (!QFileInfo(update).isExecutable()) {
        UiServices::current().showMessage(this, UiMessageKind::Information, Title,
                                          QStringLiteral("No update program is installed."));
        return;
    }
    ShellServices::current().startProgram(update, {}, ProgramFolder::path());
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
    const int exitCode = runCommandLineBuild(commandLine, run);
    if (exitCode >= 0)
        emit commandLineBuildFinished(exitCode);
}

int TmasterForm::runCommandLineBuild(const ProgramCommandLine &commandLine, const CommandLineRun &run)
{
    UnattendedUiServices unattended(run.messages(), &UiServices::current());
    ScopedCurrentUiServices useUnattended(unattended);

    if (!run.fileExists() || !OpenFile(commandLine.fileName)) {
        if (const QString told = run.standardErrorWhenNotOpened(); !told.isEmpty()) {
            UnattendedUiServices standardError(UnattendedUiServices::Messages::StandardError);
            standardError.showMessage(this, UiMessageKind::Error, Title, told);
        }
        return run.resultWhenNotOpened();
    }
    show();
    takeOutWelcomeTab();
    if (run.kind() == CommandLineRun::Kind::BuildProject) {
        if (TprojectForm *form = findProjectForm(commandLine.fileName))
            ProjectPages->setActivePage(qobject_cast<TNxTabSheet *>(form->parentWidget()));
        return BuildActiveProject(!run.reportsFailures());
    }
    // Every entry the file lists is built, also those whose project is gone.
    TProjectManager listed;
    if (!listed.LoadFromFile(commandLine.fileName))
        return ProjectNotBuiltResult;
    ProjectManagerBuild build(listed, m_services.builder, openProjects());
    const BuildOutcome outcome = build.BuildAll(ProjectManagerBuild::StopRule::AnyFailure,
        [this, &listed, &run](int index, const BuildOutcome &failed) {
            if (run.reportsFailures())
                reportBuild(ProjectManagerBuild::EntryPath(listed, index), failed);
        });
    return outcome.resultCode;
}

} // namespace talmo
