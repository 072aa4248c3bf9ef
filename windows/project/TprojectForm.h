#pragma once

#include "pagehost/IProjectWindowHost.h"
#include "pagehost/PageKind.h"

#include <QWidget>

#include <memory>

namespace talmo {

class AppearancePage;
class GeneralOptionsPanel;
class HostedPage;
class HostedPageControls;
class HostedTab;
class LanguagesPage;
class ModuleTreePage;
class ProjectBreadcrumb;
class ProjectPageFactory;
class ScriptKnowledgeBase;
class SetupTypesPage;
class TNxHeaderPanel;
class TNxLinkLabel;
class TNxOutlookBar;
class TNxPageControl;
class TNxPathControl;
class TNxSplitter;
class TNxTabSheet;
class TProjectContainer;
class WizardDialogsPage;

// The window of one open project, shown in its own tab of the main window:
// the section bar and side pane on the left, the breadcrumb and the section
// pages on the right. The breadcrumb is the one way of opening the hosted
// editor pages, which the page factory makes; the window hands its side-pane
// controls to the page shown and takes them back at every breadcrumb move.
class TprojectForm : public QWidget, public IProjectWindowHost
{
    Q_OBJECT
public:
    enum Section { ModulesSection, LanguagesSection, WizardDialogsSection, SetupTypesSection, AppearanceSection };

    // Takes the loaded (or new) project; the page factory is the program's
    // one, filled by the editor libraries.
    TprojectForm(std::unique_ptr<TProjectContainer> project, ProjectPageFactory &pages,
                 ScriptKnowledgeBase *knowledge, QWidget *parent = nullptr);
    // Closes the hosted pages (each saves its state) and writes the pane sizes.
    ~TprojectForm() override;

    TProjectContainer &project();
    ScriptKnowledgeBase *knowledge() const { return m_knowledge; }

    // Reloads every control from the project after a section page changed it.
    void RefreshFromProject();

    // The section pages.
    GeneralOptionsPanel *generalOptions() const { return m_generalOptions; }
    ModuleTreePage *moduleTree() const { return m_moduleTree; }
    LanguagesPage *languages() const { return m_languages; }
    WizardDialogsPage *wizardDialogs() const { return m_wizardDialogs; }
    SetupTypesPage *setupTypes() const { return m_setupTypes; }
    AppearancePage *appearance() const { return m_appearance; }

    // The caption of the window's tab in the main window.
    QString tabCaption() const { return m_tabCaption; }

    // The project's file.
    bool NewProject();
    // A refused file is told, naming the file and what is wrong with it.
    bool LoadFromFile(const QString &fileName);
    // The project was loaded from its file before the window took it.
    void ShowLoadedProject();
    // What the user is told of a project file that could not be loaded.
    static void TellLoadFailure(QWidget *parent, const QString &fileName, const QString &refusal);
    bool Save();
    bool SaveAs();
    bool SaveToFile(const QString &fileName);

    // The breadcrumb and its pages.
    ProjectBreadcrumb &breadcrumb() { return *m_breadcrumb; }
    TNxPathControl *pathControl() const { return m_pathControl; }
    void ShowSection(Section section);
    Section currentSection() const;
    void OpenSelectedPathNode();
    void OpenComponentPage(int componentIndex, int sectionIndex = -1);
    void OpenWizardDialogPage();
    void OpenAppearancePage();
    void CloseHostedPages();
    void RebuildPathNodes();

    // The hosted pages now open; null where none is.
    HostedTab *moduleTab() const;
    HostedTab *registrySectionTab() const;
    HostedTab *wizardDialogTab() const;
    HostedTab *appearanceTab() const;
    SidePane sidePane() const { return m_sidePane; }

    // IProjectWindowHost
    TNextInspector *inspector() override;
    void showSidePane(SidePane pane) override;
    QTextBrowser *helpViewer() override;
    QToolBar *helpToolBar() override;
    QAction *helpNavigation(HelpNavigation button) override;
    TNxEdit *helpSearchEdit() override;
    TNxButton *helpNextButton() override;
    void setHelpHtml(const QStringList &lines) override;
    QComboBox *objectsDropDown() override;
    void setCurrentNodeText(const QString &text) override;
    void refreshModuleNodeCaption() override;
    void setRegistrySectionNodes(const QStringList &captions) override;
    void openRegistrySection(int index) override;
    QObject *pageContext() override;

signals:
    void tabCaptionChanged(const QString &caption);
    // A file was loaded or saved: it goes to the top of the recent files.
    void fileUsed(const QString &fileName);
    // The links of the side pane.
    void buildRequested(bool runAfterBuild);
    void advancedOptionsRequested();
    // A runtime module or module container was chosen in the breadcrumb:
    // they have no page and are edited from the module tree.
    void componentEditRequested(int componentIndex);
    // The modules or the build mode changed: the project manager shows them.
    void projectManagerRefreshRequested();

private:
    void buildLeftPanel(QWidget *panel);
    TNxOutlookBar *makeSectionBar();
    void buildRightPanel(QWidget *panel);
    TNxTabSheet *addSheet(TNxPageControl *pages, const QString &caption, QWidget *content = nullptr);
    void restorePanes();
    void savePanes() const;
    void keepDraggedHelpHeight();
    void applyHelpHeight();
    void setCaptions(const QString &caption, const QString &tabCaption);

    void pathNodeSelected();
    void sectionSelected();
    void resetSidePane();
    HostedTab *openTab(TNxPageControl *pages, PageKind kind, int key);
    HostedTab *hostedTab(TNxPageControl *pages, int index) const;
    void closeTab(TNxPageControl *pages, int index);
    void refreshModulePage();
    void editComponentLater(int componentIndex);
    int cabCreatorComponent() const;
    // The registry-section captions under the CAB creator's node while its page is open.
    QStringList openRegistrySectionNodes() const;
    void connectSections();
    void sectionChanged();
    void modulesChanged();
    void selectWizardNode(int key);
    void editComponent(int componentIndex);

    std::unique_ptr<TProjectContainer> m_project;
    ProjectPageFactory &m_pages;
    ScriptKnowledgeBase *m_knowledge;
    QString m_tabCaption;

    TNxSplitter *m_mainSplitter = nullptr;
    TNxHeaderPanel *m_leftPanel = nullptr;
    TNxOutlookBar *m_sectionBar = nullptr;
    TNxPageControl *m_sidePages = nullptr;
    TNxSplitter *m_propertiesSplitter = nullptr;
    TNxHeaderPanel *m_propertiesHeader = nullptr;
    QWidget *m_helpArea = nullptr;
    HostedPageControls *m_controls = nullptr;
    SidePane m_sidePane = SidePane::Options;
    // The help's height as the user last dragged it, shared by every page.
    int m_helpHeight = 0;

    TNxPathControl *m_pathControl = nullptr;
    std::unique_ptr<ProjectBreadcrumb> m_breadcrumb;
    TNxLinkLabel *m_backLink = nullptr;
    TNxPageControl *m_sections = nullptr;
    TNxPageControl *m_modulePages = nullptr;
    TNxPageControl *m_wizardPages = nullptr;
    TNxPageControl *m_appearancePages = nullptr;

    GeneralOptionsPanel *m_generalOptions = nullptr;
    ModuleTreePage *m_moduleTree = nullptr;
    LanguagesPage *m_languages = nullptr;
    WizardDialogsPage *m_wizardDialogs = nullptr;
    SetupTypesPage *m_setupTypes = nullptr;
    AppearancePage *m_appearance = nullptr;
};

} // namespace talmo
