#include "windows/project/TprojectForm.h"

#include "helpers/core/PathHelpers.h"
#include "helpers/ui/UiServices.h"
#include "model/PathRebase.h"
#include "model/ProjectContainer.h"
#include "model/ProjectFileReader.h"
#include "pagehost/HostedPage.h"
#include "pagehost/HostedPageControls.h"
#include "pagehost/ProjectBreadcrumb.h"
#include "pagehost/ProjectPageFactory.h"
#include "platform/Registry.h"
#include "widgets/NextInspector.h"
#include "widgets/NxHeaderPanel.h"
#include "widgets/NxLinkLabel.h"
#include "widgets/NxOutlookBar.h"
#include "widgets/NxPageControl.h"
#include "widgets/NxPathControl.h"
#include "widgets/NxSplitter.h"
#include "windows/project/AppearancePage.h"
#include "windows/project/ComponentDisplayCaption.h"
#include "windows/project/CopyFilesNameCleanup.h"
#include "windows/project/GeneralOptionsPanel.h"
#include "windows/project/HostedTab.h"
#include "windows/project/LanguagesPage.h"
#include "windows/project/ModuleTreePage.h"
#include "windows/project/SectionImages.h"
#include "windows/project/SetupTypesPage.h"
#include "windows/project/WizardDialogsPage.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPointer>
#include <QScrollArea>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace talmo {

namespace {

const QString paneSettingsKey = QStringLiteral("Software\\Talmo\\PF");
const QString leftWidthValue = QStringLiteral("NxHeaderPanel2_width");
const QString helperHeightValue = QStringLiteral("mainHelper_height");
const QString dividerValue = QStringLiteral("Divider");
const QString errorTitle = QStringLiteral("Error");
const QString noProjectCaption = QStringLiteral("No project is loaded.");

const char *const sectionNames[] = {"Installation Modules", "Languages", "Wizard Dialogs", "Setup Types",
                                    "Appearance and Themes"};

// The page-control tab that a hosted page sits in: module page, registry
// section, designer or code editor, appearance page.
constexpr int hostedPageTab = 1;
constexpr int sectionEditorTab = 2;

// The side pane's pages.
constexpr int optionsPage = 0;
constexpr int propertiesPage = 1;

constexpr int SectionItemHeight = 26;
constexpr int LinkIndent = 8;
constexpr int LinkSpacing = 2;
constexpr int PathBarHeight = 24;
// Leaves the inspector most of the pane even in the smallest window.
constexpr int DefaultHelpHeight = 140;
constexpr int LeftPanelWidth = 210;
// The panels frame the pages; the pages bring their own margins.
constexpr int PanelMargin = 2;

// The widgets one under the other, edge to edge; the last takes the height
// the others leave.
QWidget *column(QWidget *parent, std::initializer_list<QWidget *> widgets)
{
    auto *layout = new QVBoxLayout(parent);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const QWidget *last = *(widgets.end() - 1);
    for (QWidget *widget : widgets)
        layout->addWidget(widget, widget == last ? 1 : 0);
    return parent;
}

// Scrolls the content up and down where the pane is lower than it; the
// content always takes the pane's width.
QScrollArea *scrollable(QWidget *content)
{
    auto *area = new QScrollArea;
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidgetResizable(true);
    area->setWidget(content);
    return area;
}

TNxPageControl *hiddenTabPages(const QString &name, QWidget *parent)
{
    auto *pages = new TNxPageControl(parent);
    pages->setObjectName(name);
    UseFixedPages(*pages);
    pages->setShowTabs(false);
    return pages;
}

} // namespace

TprojectForm::TprojectForm(std::unique_ptr<TProjectContainer> project, ProjectPageFactory &pages,
                           ScriptKnowledgeBase *knowledge, QWidget *parent)
    : QWidget(parent)
    , m_project(std::move(project))
    , m_pages(pages)
    , m_knowledge(knowledge)
{
    setObjectName(QStringLiteral("projectForm"));
    m_mainSplitter = new TNxSplitter(Qt::Horizontal, this);
    m_mainSplitter->setObjectName(QStringLiteral("MainSplitter"));
    column(this, {m_mainSplitter});

    m_leftPanel = new TNxHeaderPanel(m_mainSplitter);
    m_leftPanel->setObjectName(QStringLiteral("NxHeaderPanel2"));
    m_leftPanel->setCaption(QStringLiteral("Project Components"));
    m_leftPanel->innerMargins().setMargins(PanelMargin, PanelMargin, PanelMargin, PanelMargin);
    buildLeftPanel(m_leftPanel);

    auto *rightPanel = new TNxHeaderPanel(m_mainSplitter);
    rightPanel->setObjectName(QStringLiteral("NxHeaderPanel9"));
    rightPanel->setCaption(QStringLiteral("Component Settings"));
    rightPanel->innerMargins().setMargins(PanelMargin, PanelMargin, PanelMargin, PanelMargin);
    buildRightPanel(rightPanel);
    m_mainSplitter->setStretchFactor(0, 0);
    m_mainSplitter->setStretchFactor(1, 1);
    m_mainSplitter->setCollapsible(0, false);
    m_mainSplitter->setCollapsible(1, false);
    m_mainSplitter->setSizes({LeftPanelWidth, 640});

    connectSections();
    setCaptions(noProjectCaption, QStringLiteral("No Project Loaded"));
    restorePanes();
    resetSidePane();
    m_sectionBar->setItemIndex(ModulesSection);
}

TprojectForm::~TprojectForm()
{
    // Nothing the controls report while they go down reaches a half-gone window.
    m_pathControl->disconnect(this);
    m_sectionBar->disconnect(this);
    // The pages save their state while the window still stands around them.
    for (TNxPageControl *pages : {m_modulePages, m_wizardPages, m_appearancePages}) {
        while (pages->getPageCount() > 1)
            closeTab(pages, pages->getPageCount() - 1);
    }
    savePanes();
}

TProjectContainer &TprojectForm::project()
{
    return *m_project;
}

void TprojectForm::buildLeftPanel(QWidget *panel)
{
    m_sectionBar = makeSectionBar();
    connect(m_sectionBar, &TNxOutlookBar::select, this, &TprojectForm::sectionSelected);
    // A click on the section already chosen goes back to it from a page opened there.
    connect(m_sectionBar, &TNxOutlookBar::itemClicked, this, &TprojectForm::sectionSelected);

    auto link = [this](const char *name, const QString &caption) {
        auto *label = new TNxLinkLabel;
        label->setObjectName(QString::fromLatin1(name));
        label->setCaption(caption);
        return label;
    };
    TNxLinkLabel *buildAndRun = link("BuildAndRunLink", QStringLiteral("Build and run project"));
    TNxLinkLabel *build = link("BuildLink", QStringLiteral("Build project"));
    TNxLinkLabel *advanced = link("AdvancedOptionsLink", QStringLiteral("Advanced options"));
    connect(buildAndRun, &TNxLinkLabel::clicked, this, [this] { emit buildRequested(true); });
    connect(build, &TNxLinkLabel::clicked, this, [this] { emit buildRequested(false); });
    connect(advanced, &TNxLinkLabel::clicked, this, &TprojectForm::advancedOptionsRequested);
    auto *links = new QWidget;
    links->setObjectName(QStringLiteral("Links"));
    auto *linksLayout = new QVBoxLayout(links);
    linksLayout->setContentsMargins(LinkIndent, LinkSpacing, LinkIndent, LinkSpacing);
    linksLayout->setSpacing(LinkSpacing);
    for (TNxLinkLabel *label : {buildAndRun, build, advanced}) {
        label->setTransparent(true);
        linksLayout->addWidget(label);
    }

    m_sidePages = hiddenTabPages(QStringLiteral("NxPageControl3"), nullptr);
    m_controls = new HostedPageControls(m_sidePages);
    m_generalOptions = new GeneralOptionsPanel(*m_project);
    addSheet(m_sidePages, QStringLiteral("Options"), scrollable(m_generalOptions));

    m_propertiesHeader = new TNxHeaderPanel;
    m_propertiesHeader->setObjectName(QStringLiteral("NxHeaderPanel5"));
    column(m_propertiesHeader, {m_controls->objectsDropDown(), m_controls->inspector()});
    m_helpArea = column(new QWidget, {m_controls->helpToolBar(), m_controls->helpViewer()});
    m_helpArea->setObjectName(QStringLiteral("Helper"));
    m_propertiesSplitter = new TNxSplitter(Qt::Vertical);
    m_propertiesSplitter->setObjectName(QStringLiteral("PropertiesSplitter"));
    m_propertiesSplitter->addWidget(m_propertiesHeader);
    m_propertiesSplitter->addWidget(m_helpArea);
    // Neither the inspector nor the help can be pushed out of sight.
    m_propertiesSplitter->setChildrenCollapsible(false);
    // The help keeps its height; the inspector takes what the window gives.
    m_propertiesSplitter->setStretchFactor(0, 1);
    m_propertiesSplitter->setStretchFactor(1, 0);
    m_helpHeight = DefaultHelpHeight;
    applyHelpHeight();
    connect(m_propertiesSplitter, &QSplitter::splitterMoved, this, &TprojectForm::keepDraggedHelpHeight);
    addSheet(m_sidePages, QStringLiteral("Properties"), m_propertiesSplitter);

    column(panel, {m_sectionBar, links, m_sidePages});
}

TNxOutlookBar *TprojectForm::makeSectionBar()
{
    auto *bar = new TNxOutlookBar;
    bar->setObjectName(QStringLiteral("NxOutlookBar1"));
    bar->setLargeImages(MakeSectionImages(bar));
    for (int section = ModulesSection; section <= AppearanceSection; ++section) {
        TNxOutlookBarItem *item = bar->items().add();
        item->setCaption(QString::fromLatin1(sectionNames[section]));
        item->setImageIndex(section);
    }
    bar->setItemHeight(SectionItemHeight);
    bar->setSplitterHeight(0);
    // Every item is a large button, so the toolbar would only ever be empty.
    bar->setToolbarHeight(0);
    bar->setDisplayCount(bar->items().count());
    // Every section is a large button: the bar is as high as its buttons and
    // as wide as its longest caption.
    bar->setFixedHeight(bar->navigationHeight());
    QFont bold = bar->font();
    bold.setBold(true);
    int widest = 0;
    for (const char *name : sectionNames)
        widest = qMax(widest, QFontMetrics(bold).horizontalAdvance(QString::fromLatin1(name)));
    bar->setMinimumWidth(bar->textIndent() + widest + LinkIndent);
    return bar;
}

void TprojectForm::buildRightPanel(QWidget *panel)
{
    m_pathControl = new TNxPathControl;
    m_pathControl->setObjectName(QStringLiteral("NxPathControl1"));
    m_breadcrumb = std::make_unique<ProjectBreadcrumb>(m_pathControl);
    connect(m_pathControl, &TNxPathControl::select, this, &TprojectForm::pathNodeSelected);

    m_backLink = new TNxLinkLabel;
    m_backLink->setObjectName(QStringLiteral("BackLink"));
    m_backLink->setCaption(QStringLiteral("Back"));
    m_backLink->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    m_backLink->hide();
    connect(m_backLink, &TNxLinkLabel::clicked, this, [this] {
        if (TNxPathNode *node = m_breadcrumb->selected(); node && node->parent())
            m_breadcrumb->select(static_cast<TNxPathNode *>(node->parent()));
    });
    // The bar keeps its height, shown link or not; the pages below take the rest.
    auto *pathBar = new QWidget;
    pathBar->setObjectName(QStringLiteral("PathBar"));
    pathBar->setFixedHeight(PathBarHeight);
    auto *pathLayout = new QHBoxLayout(pathBar);
    // "Back" keeps a button's room on both sides, clear of the window's edge;
    // the right margin is there only while "Back" is.
    pathLayout->setContentsMargins(0, 0, 0, 0);
    pathLayout->setSpacing(LinkIndent);
    pathLayout->addWidget(m_pathControl, 1);
    pathLayout->addWidget(m_backLink);

    m_sections = hiddenTabPages(QStringLiteral("NxPageControl1"), nullptr);
    m_modulePages = hiddenTabPages(QStringLiteral("NxPageControl2"), nullptr);
    m_wizardPages = hiddenTabPages(QStringLiteral("NxPageControl5"), nullptr);
    m_appearancePages = hiddenTabPages(QStringLiteral("NxPageControl4"), nullptr);
    m_moduleTree = new ModuleTreePage(*m_project);
    m_wizardDialogs = new WizardDialogsPage(*m_project);
    m_appearance = new AppearancePage(*m_project);
    m_languages = new LanguagesPage(*m_project);
    m_setupTypes = new SetupTypesPage(*m_project);
    addSheet(m_modulePages, QStringLiteral("Modules"), m_moduleTree);
    addSheet(m_wizardPages, QStringLiteral("Wizard Dialogs"), m_wizardDialogs);
    addSheet(m_appearancePages, QStringLiteral("Themes"), m_appearance);

    addSheet(m_sections, QString::fromLatin1(sectionNames[ModulesSection]), m_modulePages);
    addSheet(m_sections, QString::fromLatin1(sectionNames[LanguagesSection]), m_languages);
    addSheet(m_sections, QString::fromLatin1(sectionNames[WizardDialogsSection]), m_wizardPages);
    addSheet(m_sections, QString::fromLatin1(sectionNames[SetupTypesSection]), m_setupTypes);
    addSheet(m_sections, QString::fromLatin1(sectionNames[AppearanceSection]), m_appearancePages);

    column(panel, {pathBar, m_sections});
}

TNxTabSheet *TprojectForm::addSheet(TNxPageControl *pages, const QString &caption, QWidget *content)
{
    auto *sheet = new TNxTabSheet;
    sheet->setCaption(caption);
    if (content)
        column(sheet, {content});
    pages->addPage(sheet, true);
    if (pages->getPageCount() == 1)
        pages->setActivePageIndex(0);
    return sheet;
}

void TprojectForm::restorePanes()
{
    Registry registry;
    if (!registry.openKey(paneSettingsKey, false))
        return;
    if (const auto width = registry.readInteger(leftWidthValue)) {
        const QList<int> sizes = m_mainSplitter->sizes();
        m_mainSplitter->setSizes({*width, qMax(1, sizes.value(0) + sizes.value(1) - *width)});
    }
    if (const auto height = registry.readInteger(helperHeightValue); height && *height > 0) {
        m_helpHeight = *height;
        applyHelpHeight();
    }
    // A divider the user placed is kept; without one the captions decide.
    if (const auto divider = registry.readInteger(dividerValue); divider && *divider > 0)
        m_controls->inspector()->setSplitterPosition(*divider);
}

void TprojectForm::savePanes() const
{
    Registry registry;
    if (!registry.openKey(paneSettingsKey, true))
        return;
    // A settings store that cannot be written loses the sizes, nothing else.
    const std::pair<QString, int> values[] = {
        {leftWidthValue, m_mainSplitter->sizes().value(0)},
        {helperHeightValue, m_helpHeight},
        {dividerValue, m_controls->inspector()->fitsCaptions() ? 0 : m_controls->inspector()->splitterPosition()},
    };
    for (const auto &[name, value] : values) {
        if (!registry.writeInteger(name, value))
            return;
    }
}

void TprojectForm::keepDraggedHelpHeight()
{
    // Only a drag with both panes shown says how tall the user wants the help.
    if (m_sidePane == SidePane::PropertiesAndHelp)
        m_helpHeight = m_propertiesSplitter->sizes().value(1);
}

void TprojectForm::applyHelpHeight()
{
    // The help alone or the inspector alone took the whole column meanwhile;
    // together again, the help gets back its height and the inspector the rest.
    const QList<int> sizes = m_propertiesSplitter->sizes();
    const int column = sizes.value(0) + sizes.value(1);
    m_propertiesSplitter->setSizes({qMax(1, column - m_helpHeight), m_helpHeight});
}

void TprojectForm::setCaptions(const QString &caption, const QString &tabCaption)
{
    setWindowTitle(caption);
    m_tabCaption = tabCaption;
    emit tabCaptionChanged(tabCaption);
}

// The project's file --------------------------------------------------------

bool TprojectForm::NewProject()
{
    m_project->CreateNewProject();
    m_project->SetOutputPath(QString());
    const QString name = FileNamePart(m_project->GetFileName());
    setCaptions(name, name);
    RefreshFromProject();
    return true;
}

bool TprojectForm::LoadFromFile(const QString &fileName)
{
    QString refusal;
    if (!ProjectFileReader::LoadFromFile(*m_project, fileName, refusal)) {
        TellLoadFailure(this, fileName, refusal);
        setCaptions(noProjectCaption, QStringLiteral("No Project is Loaded"));
        return false;
    }
    ShowLoadedProject();
    return true;
}

void TprojectForm::ShowLoadedProject()
{
    const QString fileName = m_project->GetFileName();
    const QString name = FileNamePart(fileName);
    setCaptions(name, name);
    emit fileUsed(fileName);
    RefreshFromProject();
}

void TprojectForm::TellLoadFailure(QWidget *parent, const QString &fileName, const QString &refusal)
{
    UiServices::current().showMessage(parent, UiMessageKind::Error, errorTitle,
                                      ProjectFileReader::LoadErrorMessage + QStringLiteral("\n\n") + fileName
                                          + u'\n' + refusal);
}

bool TprojectForm::Save()
{
    const QString fileName = m_project->GetFileName();
    if (fileName.isEmpty() || FileNamePart(fileName) == QStringLiteral("unknown.talmo"))
        return SaveAs();
    return SaveToFile(fileName);
}

bool TprojectForm::SaveAs()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Save Project As");
    request.filter = QStringLiteral("Projects (*.talmo)|*.talmo");
    request.fileName = m_project->GetFileName();
    request.defaultSuffix = QStringLiteral("talmo");
    const std::optional<QString> chosen = UiServices::current().saveFile(this, request);
    // Only files named so can be opened again.
    return chosen && SaveToFile(WithExtension(*chosen, QStringLiteral(".talmo")));
}

bool TprojectForm::SaveToFile(const QString &fileName)
{
    if (!SaveProjectRebased(*m_project, fileName)) {
        UiServices::current().showMessage(this, UiMessageKind::Error, errorTitle,
                                          QStringLiteral("Error while saving project"));
        return false;
    }
    const QString name = FileNamePart(fileName);
    setCaptions(name, name);
    emit fileUsed(fileName);
    return true;
}

// Refresh -------------------------------------------------------------------

void TprojectForm::RefreshFromProject()
{
    m_generalOptions->FillGeneralOptions();
    RemoveUnknownCopyFilesNames(*m_project);
    m_languages->FillLanguagesList();
    m_wizardDialogs->FillCustomPagesList();
    m_setupTypes->FillSetupTypesList();
    m_wizardDialogs->FillStandardDialogs();
    m_appearance->FillThemes();
    m_moduleTree->RebuildModuleTree();
    RebuildPathNodes();
}

// The section pages ask the window; the window changes the breadcrumb.
void TprojectForm::connectSections()
{
    connect(m_moduleTree, &ModuleTreePage::projectChanged, this, &TprojectForm::modulesChanged);
    connect(m_moduleTree, &ModuleTreePage::openComponentRequested, this,
            [this](int component) { m_breadcrumb->select(m_breadcrumb->moduleNode(component)); });
    connect(this, &TprojectForm::componentEditRequested, this, &TprojectForm::editComponent);
    connect(m_generalOptions, &GeneralOptionsPanel::buildModeChanged, this, &TprojectForm::modulesChanged);
    connect(m_languages, &LanguagesPage::projectChanged, this, &TprojectForm::sectionChanged);
    connect(m_setupTypes, &SetupTypesPage::projectChanged, this, &TprojectForm::sectionChanged);
    connect(m_wizardDialogs, &WizardDialogsPage::projectChanged, this, &TprojectForm::sectionChanged);
    connect(m_wizardDialogs, &WizardDialogsPage::openCustomPageRequested, this, &TprojectForm::selectWizardNode);
    connect(m_wizardDialogs, &WizardDialogsPage::openGlobalCodeRequested, this,
            [this] { selectWizardNode(ProjectBreadcrumb::GlobalCode); });
    connect(m_appearance, &AppearancePage::openAdvancedAppearanceRequested, this, [this] {
        m_breadcrumb->select(m_breadcrumb->childWithKey(m_breadcrumb->root(ProjectBreadcrumb::Appearance), 0));
    });
}

void TprojectForm::sectionChanged()
{
    RefreshFromProject();
}

void TprojectForm::modulesChanged()
{
    RefreshFromProject();
    emit projectManagerRefreshRequested();
}

void TprojectForm::selectWizardNode(int key)
{
    if (TNxPathNode *node = m_breadcrumb->childWithKey(m_breadcrumb->root(ProjectBreadcrumb::WizardDialogs), key))
        m_breadcrumb->select(node);
}

void TprojectForm::editComponent(int componentIndex)
{
    m_moduleTree->selectComponent(componentIndex);
    m_moduleTree->cm_editClick();
}

void TprojectForm::RebuildPathNodes()
{
    QList<ProjectBreadcrumb::ModuleNode> modules;
    for (int i = 0; i < m_project->InstallComponents.Count(); ++i) {
        if (m_project->InstallComponents.GetItem(i).moduleType != ModuleType::Container)
            modules.append({i, ComponentDisplayCaption(*m_project, i)});
    }
    QStringList customPages;
    for (const TCustomForm &page : m_project->CustomForms)
        customPages.append(page.Name);
    // The registry-section nodes belong to the open CAB creator page, which
    // is not refilled here: without them it could open no section.
    const QStringList sections = openRegistrySectionNodes();
    m_breadcrumb->rebuild(modules, customPages);
    if (!sections.isEmpty())
        m_breadcrumb->setRegistrySectionNodes(m_breadcrumb->moduleNode(cabCreatorComponent()), sections);
    m_pathControl->update();
}

QStringList TprojectForm::openRegistrySectionNodes() const
{
    const HostedTab *module = moduleTab();
    TNxPathNode *node = m_breadcrumb->moduleNode(cabCreatorComponent());
    QStringList captions;
    if (!module || !node || module->key() != cabCreatorComponent())
        return captions;
    for (int key = 0; TNxPathNode *section = m_breadcrumb->childWithKey(node, key); ++key)
        captions.append(section->text());
    return captions;
}

// Sections and the breadcrumb -------------------------------------------------

void TprojectForm::ShowSection(Section section)
{
    m_sections->setActivePageIndex(section);
    // However a section comes into view, the bar marks it; choosing it there
    // again would close the page that brought it.
    const QSignalBlocker silent(m_sectionBar);
    m_sectionBar->setItemIndex(section);
}

TprojectForm::Section TprojectForm::currentSection() const
{
    return Section(m_sections->activePageIndex());
}

void TprojectForm::sectionSelected()
{
    const int index = m_sectionBar->itemIndex();
    ShowSection(Section(index));
    if (TNxPathNode *root = m_breadcrumb->root(ProjectBreadcrumb::RootKey(-(index + 1))))
        m_breadcrumb->select(root);
}

void TprojectForm::pathNodeSelected()
{
    resetSidePane();
    TNxPathNode *node = m_breadcrumb->selected();
    const bool canGoBack = node && node->level() > 0;
    m_backLink->setVisible(canGoBack);
    // The room kept beside "Back" would be an empty strip at the band's end without it.
    m_backLink->parentWidget()->layout()->setContentsMargins(0, 0, canGoBack ? LinkIndent : 0, 0);
    if (!node)
        return;
    if (node->level() == 0) {
        CloseHostedPages();
        ShowSection(Section(-node->tag() - 1));
        return;
    }
    auto *root = static_cast<TNxPathNode *>(node->level() == 1 ? node->parent() : node->parent()->parent());
    switch (root->tag()) {
    case ProjectBreadcrumb::Modules:
        OpenSelectedPathNode();
        break;
    case ProjectBreadcrumb::WizardDialogs:
        OpenWizardDialogPage();
        break;
    case ProjectBreadcrumb::Appearance:
        OpenAppearancePage();
        break;
    default:
        break;
    }
}

void TprojectForm::resetSidePane()
{
    m_propertiesHeader->setCaption(QStringLiteral("Properties"));
    m_controls->reset();
    showSidePane(SidePane::Options);
}

void TprojectForm::OpenSelectedPathNode()
{
    TNxPathNode *node = m_breadcrumb->selected();
    ShowSection(ModulesSection);
    const bool sectionOpen = m_modulePages->getPageCount() > sectionEditorTab;
    if (sectionOpen)
        closeTab(m_modulePages, sectionEditorTab);
    if (node->level() == 2) {
        if (sectionOpen)
            refreshModulePage();
        OpenComponentPage(node->parent()->tag(), node->tag());
        return;
    }
    HostedTab *module = moduleTab();
    if (module && module->key() == node->tag()) {
        m_modulePages->setActivePageIndex(hostedPageTab);
        refreshModulePage();
        return;
    }
    if (module)
        closeTab(m_modulePages, hostedPageTab);
    OpenComponentPage(node->tag());
}

void TprojectForm::OpenComponentPage(int componentIndex, int sectionIndex)
{
    const TInstallComponent &component = m_project->InstallComponents.GetItem(componentIndex);
    if (sectionIndex != -1) {
        if (component.moduleType == ModuleType::CabCreator)
            openTab(m_modulePages, PageKind::RegistrySection, sectionIndex);
        return;
    }
    const std::optional<PageKind> kind = pageKindForModuleType(component.moduleType);
    if (!kind) {
        editComponentLater(componentIndex);
        return;
    }
    showSidePane(*kind == PageKind::Win32Module ? SidePane::PropertiesAndHelp : SidePane::Options);
    openTab(m_modulePages, *kind, componentIndex);
}

void TprojectForm::editComponentLater(int componentIndex)
{
    // The breadcrumb goes back to its first node, which rebuilds the nodes and
    // frees the one whose selection is being handled now: move only after
    // that handler has returned.
    QPointer<TprojectForm> self(this);
    QTimer::singleShot(0, this, [self, componentIndex] {
        if (!self)
            return;
        self->m_breadcrumb->select(self->m_breadcrumb->root(ProjectBreadcrumb::Modules));
        emit self->componentEditRequested(componentIndex);
    });
}

void TprojectForm::OpenWizardDialogPage()
{
    ShowSection(WizardDialogsSection);
    while (m_wizardPages->getPageCount() > 1)
        closeTab(m_wizardPages, m_wizardPages->getPageCount() - 1);
    const int key = m_breadcrumb->selected()->tag();
    if (key == ProjectBreadcrumb::Separator)
        return;
    openTab(m_wizardPages, key == ProjectBreadcrumb::GlobalCode ? PageKind::GlobalCode : PageKind::CustomPage, key);
}

void TprojectForm::OpenAppearancePage()
{
    ShowSection(AppearanceSection);
    while (m_appearancePages->getPageCount() > 1)
        closeTab(m_appearancePages, m_appearancePages->getPageCount() - 1);
    openTab(m_appearancePages, PageKind::Appearance, -1);
}

void TprojectForm::CloseHostedPages()
{
    if (m_modulePages->getPageCount() > 1) {
        while (m_modulePages->getPageCount() > 1)
            closeTab(m_modulePages, m_modulePages->getPageCount() - 1);
        RebuildPathNodes();
        m_moduleTree->RebuildModuleTree();
    }
    if (m_appearancePages->getPageCount() > 1) {
        closeTab(m_appearancePages, hostedPageTab);
        RebuildPathNodes();
    }
    if (m_wizardPages->getPageCount() > 1) {
        while (m_wizardPages->getPageCount() > 1)
            closeTab(m_wizardPages, m_wizardPages->getPageCount() - 1);
        RebuildPathNodes();
        RefreshFromProject();
    }
}

HostedTab *TprojectForm::openTab(TNxPageControl *pages, PageKind kind, int key)
{
    auto *tab = new HostedTab(key);
    tab->setCaption(pageKindName(kind));
    pages->addPage(tab, true);
    pages->setActivePage(tab);
    const PageArguments arguments{*m_project, *this, key, m_knowledge};
    tab->setPage(m_pages.create(kind, arguments, tab));
    return tab;
}

HostedTab *TprojectForm::hostedTab(TNxPageControl *pages, int index) const
{
    return index < pages->getPageCount() ? qobject_cast<HostedTab *>(pages->getPage(index)) : nullptr;
}

void TprojectForm::closeTab(TNxPageControl *pages, int index)
{
    pages->deletePage(pages->getPage(index));
    if (pages->activePage() == nullptr && pages->getPageCount() > 0)
        pages->setActivePageIndex(pages->getPageCount() - 1);
}

void TprojectForm::refreshModulePage()
{
    if (HostedTab *tab = moduleTab(); tab && tab->page())
        tab->page()->refreshFromProject();
}

HostedTab *TprojectForm::moduleTab() const
{
    return hostedTab(m_modulePages, hostedPageTab);
}

HostedTab *TprojectForm::registrySectionTab() const
{
    return hostedTab(m_modulePages, sectionEditorTab);
}

HostedTab *TprojectForm::wizardDialogTab() const
{
    return hostedTab(m_wizardPages, hostedPageTab);
}

HostedTab *TprojectForm::appearanceTab() const
{
    return hostedTab(m_appearancePages, hostedPageTab);
}

int TprojectForm::cabCreatorComponent() const
{
    for (int i = 0; i < m_project->InstallComponents.Count(); ++i) {
        if (m_project->InstallComponents.GetItem(i).moduleType == ModuleType::CabCreator)
            return i;
    }
    return -1;
}

// IProjectWindowHost -------------------------------------------------------

TNextInspector *TprojectForm::inspector()
{
    return m_controls->inspector();
}

void TprojectForm::showSidePane(SidePane pane)
{
    // Help asked for beside the properties joins them instead of hiding them.
    if (pane == SidePane::Helper && m_sidePane == SidePane::PropertiesAndHelp)
        pane = SidePane::PropertiesAndHelp;
    m_sidePane = pane;
    m_sidePages->setActivePageIndex(pane == SidePane::Options ? optionsPage : propertiesPage);
    m_propertiesHeader->setVisible(pane == SidePane::Properties || pane == SidePane::PropertiesAndHelp);
    m_helpArea->setVisible(pane == SidePane::Helper || pane == SidePane::PropertiesAndHelp);
    if (pane == SidePane::PropertiesAndHelp)
        applyHelpHeight();
}

QTextBrowser *TprojectForm::helpViewer()
{
    return m_controls->helpViewer();
}

QToolBar *TprojectForm::helpToolBar()
{
    return m_controls->helpToolBar();
}

QAction *TprojectForm::helpNavigation(HelpNavigation button)
{
    return m_controls->helpNavigation(button);
}

TNxEdit *TprojectForm::helpSearchEdit()
{
    return m_controls->helpSearchEdit();
}

TNxButton *TprojectForm::helpNextButton()
{
    return m_controls->helpNextButton();
}

void TprojectForm::setHelpHtml(const QStringList &lines)
{
    m_controls->setHelpHtml(lines);
}

QComboBox *TprojectForm::objectsDropDown()
{
    return m_controls->objectsDropDown();
}

void TprojectForm::setCurrentNodeText(const QString &text)
{
    if (TNxPathNode *node = m_breadcrumb->selected())
        node->setText(text);
    m_pathControl->update();
}

void TprojectForm::refreshModuleNodeCaption()
{
    HostedTab *tab = moduleTab();
    if (!tab)
        return;
    if (TNxPathNode *node = m_breadcrumb->moduleNode(tab->key()))
        node->setText(ComponentDisplayCaption(*m_project, tab->key()));
    m_pathControl->update();
}

void TprojectForm::setRegistrySectionNodes(const QStringList &captions)
{
    TNxPathNode *module = m_breadcrumb->moduleNode(cabCreatorComponent());
    if (!module)
        return;
    // A section that no longer exists takes its editor with it; the module
    // page that asked stays.
    if (m_breadcrumb->setRegistrySectionNodes(module, captions) && registrySectionTab()) {
        HostedTab *stale = registrySectionTab();
        // Taken out now, freed once the page that asked has returned.
        static_cast<TNxCustomNotebook *>(m_modulePages)->removePage(stale);
        stale->hide();
        stale->deleteLater();
        m_modulePages->setActivePageIndex(hostedPageTab);
    }
}

void TprojectForm::openRegistrySection(int index)
{
    TNxPathNode *module = m_breadcrumb->moduleNode(cabCreatorComponent());
    if (TNxPathNode *section = module ? m_breadcrumb->childWithKey(module, index) : nullptr)
        m_breadcrumb->select(section);
}

QObject *TprojectForm::pageContext()
{
    return m_controls->pageContext();
}

} // namespace talmo
