#include "windows/project/AppearancePage.h"
#include "windows/project/GeneralOptionsPanel.h"
#include "windows/project/WizardDialogsPage.h"
#include "windows/project/HostedTab.h"
#include "windows/project/ModuleTreeWidget.h"
#include "windows/project/ModuleTreePage.h"
#include "windows/main/TmasterForm.h"
#include "windows/project/TprojectForm.h"

#include "designer/pages/FormDesigner.h"
#include "designer/script/ScriptPages.h"
#include "editors/cab/CABCreatorForm.h"
#include "editors/ModulePages.h"
#include "editors/desktop/Win32InstallationForm.h"
#include "model/ProjectContainer.h"
#include "pagehost/HostedPage.h"
#include "pagehost/ProjectBreadcrumb.h"
#include "platform/ProgramFolder.h"
#include "platform/Registry.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"
#include "tests/support/CopyFolder.h"
#include "tests/support/QtPrinters.h"
#include "tests/windows/main/MasterFormTestSupport.h"
#include "widgets/NextInspector.h"
#include "widgets/NxFlipPanel.h"
#include "widgets/NxHeaderPanel.h"
#include "widgets/NxLinkLabel.h"
#include "widgets/NxOutlookBar.h"
#include "widgets/NxPageControl.h"
#include "widgets/NxPathControl.h"
#include "widgets/NxPathNodes.h"
#include "widgets/NxTabSheet.h"

#include <QLineEdit>
#include <QMap>
#include <QPointer>
#include <QLayout>
#include <QScrollArea>
#include <QSplitter>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <functional>

using namespace talmo;

namespace {

const QString ProgramFolderPath = QStringLiteral(TALMO_TEST_PROGRAM_DIR);

// The main window's minimum size and its size at the first start.
const QSize SmallestWindow(750, 610);
const QSize FirstStartWindow(1000, 700);

// The geometry of a widget in the coordinates of an ancestor.
QRect RectIn(const QWidget *widget, const QWidget *ancestor)
{
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

// The program as a person starts it: the real main window with the real
// pages, the example project open, a desktop installer module and a custom
// page added to it.
class ProjectWindowFrame : public ::testing::TestWithParam<QSize>
{
protected:
    ProjectWindowFrame()
    {
        ProgramFolder::setOverride(ProgramFolderPath);
        registerModulePages(pages);
        registerScriptPages(pages);
        registerDesignerPages(pages);
        EXPECT_TRUE(talmo::testing::CopyFolder(ProgramFolderPath + QStringLiteral("/examples/Hello"),
                                               root.filePath(QStringLiteral("Hello"))));
    }
    ~ProjectWindowFrame() override
    {
        master.reset();
        ProgramFolder::clearOverride();
    }

    TprojectForm &Open(const QSize &size, bool shown = true)
    {
        master = std::make_unique<TmasterForm>(TmasterForm::Services{pages, &knowledge, runner, true});
        master->resize(size);
        if (shown) {
            master->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(master.get()));
        }
        EXPECT_TRUE(master->OpenFile(root.filePath(QStringLiteral("Hello/Hello.talmo"))));
        TprojectForm &form = *master->activeProjectForm();
        AddDesktopModuleAndPage(form.project());
        form.RefreshFromProject();
        Settle();
        return form;
    }

    static void AddDesktopModuleAndPage(TProjectContainer &project)
    {
        TWin32Plugin &desktop = project.Win32Plugins.AddNew();
        desktop.Caption = QStringLiteral("Desktop");
        TInstallComponent &component = project.InstallComponents.AddNew(&project);
        component.moduleType = ModuleType::Win32;
        component.moduleIndex = project.Win32Plugins.Count() - 1;
        component.parentIndex = -1;
        TCustomForm &page = project.CustomForms.AddNew(false);
        page.Name = QStringLiteral("Details");
        page.Data = QStringList{
            QStringLiteral("object TPanel"),       QStringLiteral("  object Label1: TLabel"),
            QStringLiteral("    Left = 8"),        QStringLiteral("    Top = 12"),
            QStringLiteral("    Width = 31"),      QStringLiteral("    Height = 13"),
            QStringLiteral("    Caption = 'Name:'"), QStringLiteral("  end"),
            QStringLiteral("end"),
        };
    }

    static void Settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    TprojectForm &Form() { return *master->activeProjectForm(); }
    ProjectBreadcrumb &Crumbs() { return Form().breadcrumb(); }
    void Select(TNxPathNode *node)
    {
        ASSERT_NE(node, nullptr);
        Crumbs().select(node);
        Settle();
    }

    // The component index of the example's CAB creator and of the added desktop module.
    static constexpr int CabCreator = 0;
    int DesktopModule() { return Form().project().InstallComponents.Count() - 1; }

    // Every page the breadcrumb opens, by the node a person clicks.
    using NodeOf = std::function<TNxPathNode *(ProjectWindowFrame &)>;
    struct HostedPageCase
    {
        const char *name;
        NodeOf node;
        // A node of the same section that opens another page in its place.
        NodeOf another;
    };
    TNxPathNode *WizardNode(int key) { return Crumbs().childWithKey(Crumbs().root(ProjectBreadcrumb::WizardDialogs), key); }
    static QList<HostedPageCase> HostedPageCases()
    {
        const NodeOf cab = [](ProjectWindowFrame &t) { return t.Crumbs().moduleNode(CabCreator); };
        const NodeOf desktop = [](ProjectWindowFrame &t) { return t.Crumbs().moduleNode(t.DesktopModule()); };
        const NodeOf globalCode = [](ProjectWindowFrame &t) { return t.WizardNode(ProjectBreadcrumb::GlobalCode); };
        const NodeOf designer = [](ProjectWindowFrame &t) { return t.WizardNode(0); };
        const NodeOf registrySection = [cab](ProjectWindowFrame &t) {
            t.Select(cab(t));
            return t.Crumbs().childWithKey(cab(t), 0);
        };
        const NodeOf appearance = [](ProjectWindowFrame &t) {
            return t.Crumbs().childWithKey(t.Crumbs().root(ProjectBreadcrumb::Appearance), 0);
        };
        const NodeOf appearanceRoot = [](ProjectWindowFrame &t) {
            return t.Crumbs().root(ProjectBreadcrumb::Appearance);
        };
        return {
            {"CAB creator", cab, desktop},
            {"desktop installer", desktop, cab},
            {"registry section", registrySection, cab},
            {"global code", globalCode, designer},
            {"page designer", designer, globalCode},
            {"advanced appearance", appearance, appearanceRoot},
        };
    }

    // The page now open in front: the registry section over its module.
    HostedPage *FrontPage()
    {
        for (HostedTab *tab : {Form().registrySectionTab(), Form().moduleTab(), Form().wizardDialogTab(),
                               Form().appearanceTab()}) {
            if (tab && tab->isVisible())
                return tab->page();
        }
        return nullptr;
    }

    QTemporaryDir root;
    RegistryMemoryStore store;
    ScopedCurrentRegistryStore useStore{store};
    FakeUiServices ui;
    ScopedCurrentUiServices useUi{ui};
    FakeShellServices shell;
    ScopedCurrentShellServices useShell{shell};
    ScriptKnowledgeBase knowledge;
    ProjectPageFactory pages;
    talmo::testing::ScriptedBuilderRunner runner;
    std::unique_ptr<TmasterForm> master;
};

INSTANTIATE_TEST_SUITE_P(Sizes, ProjectWindowFrame, ::testing::Values(SmallestWindow, FirstStartWindow),
                         [](const ::testing::TestParamInfo<QSize> &info) {
                             return "Window" + std::to_string(info.param.width()) + "x"
                                 + std::to_string(info.param.height());
                         });

TEST_P(ProjectWindowFrame, TheSectionBarShowsEverySectionWithCaptionAndPictureAndOneClickSelectsIt)
{
    TprojectForm &form = Open(GetParam());
    auto *bar = form.findChild<TNxOutlookBar *>(QStringLiteral("NxOutlookBar1"));
    ASSERT_NE(bar, nullptr);
    const OutlookBarLayout layout = bar->layout();
    EXPECT_TRUE(layout.splitterRect().isEmpty()) << "no grip to drag";
    const QList<OutlookBarLayout::Button> buttons = layout.buttons();
    ASSERT_EQ(buttons.size(), 5);
    QFont bold = bar->font();
    bold.setBold(true);
    const QRegion seen = bar->visibleRegion();
    for (int section = 0; section < 5; ++section) {
        const OutlookBarLayout::Button &button = buttons.at(section);
        const TNxOutlookBarItem *item = bar->getItem(button.item);
        EXPECT_EQ(button.item, section);
        EXPECT_FALSE(button.small) << item->caption().toStdString();
        EXPECT_FALSE(button.rect.isEmpty());
        EXPECT_TRUE(seen.contains(button.rect)) << item->caption().toStdString() << " is cut off";
        EXPECT_LE(QFontMetrics(bold).horizontalAdvance(item->caption()), button.rect.width() - bar->textIndent())
            << item->caption().toStdString();
        ASSERT_NE(bar->largeImages(), nullptr);
        EXPECT_TRUE(bar->largeImages()->isValidIndex(item->imageIndex())) << item->caption().toStdString();
    }
    for (int section : {4, 2, 0, 3, 1}) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, buttons.at(section).rect.center());
        EXPECT_EQ(form.currentSection(), section);
        ASSERT_NE(form.breadcrumb().selected(), nullptr);
        EXPECT_EQ(form.breadcrumb().selected()->tag(), -(section + 1));
    }
    // From a page opened in a section, one click on that section goes back to it.
    QTest::mouseClick(bar, Qt::LeftButton, {}, buttons.at(0).rect.center());
    Select(Crumbs().moduleNode(CabCreator));
    ASSERT_NE(form.moduleTab(), nullptr);
    QTest::mouseClick(bar, Qt::LeftButton, {}, buttons.at(0).rect.center());
    Settle();
    EXPECT_EQ(form.moduleTab(), nullptr);
    EXPECT_EQ(form.breadcrumb().selected(), form.breadcrumb().root(ProjectBreadcrumb::Modules));
}

// However a section comes into view (its root, a page under it, the window
// itself), the section bar marks that section and keeps the page open.
TEST_P(ProjectWindowFrame, TheSectionBarMarksTheSectionInViewHoweverItCame)
{
    TprojectForm &form = Open(GetParam());
    auto *bar = form.findChild<TNxOutlookBar *>(QStringLiteral("NxOutlookBar1"));
    ASSERT_NE(bar, nullptr);
    const struct
    {
        const char *name;
        std::function<TNxPathNode *()> node;
        TprojectForm::Section section;
    } cases[] = {
        {"global code", [this] { return WizardNode(ProjectBreadcrumb::GlobalCode); },
         TprojectForm::WizardDialogsSection},
        {"page designer", [this] { return WizardNode(0); }, TprojectForm::WizardDialogsSection},
        {"advanced appearance",
         [this] { return Crumbs().childWithKey(Crumbs().root(ProjectBreadcrumb::Appearance), 0); },
         TprojectForm::AppearanceSection},
        {"desktop installer", [this] { return Crumbs().moduleNode(DesktopModule()); },
         TprojectForm::ModulesSection},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        form.ShowSection(TprojectForm::LanguagesSection);
        EXPECT_EQ(bar->itemIndex(), TprojectForm::LanguagesSection);
        EXPECT_EQ(bar->selectedItem(), bar->getItem(TprojectForm::LanguagesSection));
        Select(c.node());
        EXPECT_EQ(form.currentSection(), c.section);
        EXPECT_EQ(bar->selectedItem(), bar->getItem(c.section));
        EXPECT_NE(FrontPage(), nullptr) << "marking the section closed the page";
    }
}

TEST_P(ProjectWindowFrame, TheLinksSitCloseUnderTheBarAndTheSidePaneTakesTheRest)
{
    TprojectForm &form = Open(GetParam());
    auto *panel = form.findChild<TNxHeaderPanel *>(QStringLiteral("NxHeaderPanel2"));
    int bottom = RectIn(form.findChild<TNxOutlookBar *>(QStringLiteral("NxOutlookBar1")), panel).bottom();
    for (const char *name : {"BuildAndRunLink", "BuildLink", "AdvancedOptionsLink"}) {
        auto *link = form.findChild<TNxLinkLabel *>(QString::fromLatin1(name));
        const QRect rect = RectIn(link, panel);
        EXPECT_GT(rect.top(), bottom) << name;
        EXPECT_LE(rect.top() - bottom, 5) << name;
        EXPECT_GE(rect.width(), link->contentSize().width()) << name << " is cut";
        bottom = rect.bottom();
    }
    const QRect side = RectIn(form.findChild<TNxPageControl *>(QStringLiteral("NxPageControl3")), panel);
    EXPECT_LE(side.top() - bottom, 5);
    EXPECT_EQ(side.bottom(), panel->contentsRect().bottom());
}

TEST_P(ProjectWindowFrame, EveryHostedPageFillsTheAreaUnderTheBreadcrumb)
{
    TprojectForm &form = Open(GetParam());
    auto *panel = form.findChild<TNxHeaderPanel *>(QStringLiteral("NxHeaderPanel9"));
    auto *pathBar = form.findChild<QWidget *>(QStringLiteral("PathBar"));
    const int barHeight = pathBar->height();
    for (const HostedPageCase &page : HostedPageCases()) {
        Select(page.node(*this));
        HostedPage *shown = FrontPage();
        ASSERT_NE(shown, nullptr) << page.name;
        const QRect area = panel->contentsRect();
        // The page's scroller fills the area; the page fills the scroller
        // and, where it needs more room than the window leaves, scrolls.
        auto *scroller = qobject_cast<QScrollArea *>(shown->parentWidget()->parentWidget());
        ASSERT_NE(scroller, nullptr) << page.name;
        const QRect rect = RectIn(scroller, panel);
        EXPECT_EQ(shown->size().expandedTo(scroller->viewport()->size()), shown->size()) << page.name;
        EXPECT_EQ(pathBar->height(), barHeight) << page.name;
        EXPECT_EQ(rect.top(), RectIn(pathBar, panel).bottom() + 1) << page.name;
        EXPECT_EQ(rect.bottom(), area.bottom()) << page.name;
        EXPECT_EQ(rect.left(), area.left()) << page.name;
        EXPECT_EQ(rect.right(), area.right()) << page.name;
        Select(Crumbs().root(ProjectBreadcrumb::Modules));
    }
}

// The breadcrumb's band runs to the end of its bar on a section, where there
// is no "Back"; on a page, "Back" keeps room from the window's edge.
TEST_P(ProjectWindowFrame, TheBreadcrumbBandEndsAtTheEdgeOrBesideBack)
{
    TprojectForm &form = Open(GetParam());
    auto *pathBar = form.findChild<QWidget *>(QStringLiteral("PathBar"));
    auto *path = form.findChild<QWidget *>(QStringLiteral("NxPathControl1"));
    auto *back = form.findChild<QWidget *>(QStringLiteral("BackLink"));
    Select(Crumbs().root(ProjectBreadcrumb::Modules));
    pathBar->layout()->activate();
    EXPECT_FALSE(back->isVisible());
    EXPECT_EQ(path->geometry().right(), pathBar->rect().right());

    Select(HostedPageCases().first().node(*this));
    pathBar->layout()->activate();
    ASSERT_TRUE(back->isVisible());
    EXPECT_GT(pathBar->rect().right() - back->geometry().right(), 0);
    EXPECT_LT(path->geometry().right(), back->geometry().left());
}

TEST_P(ProjectWindowFrame, NoTabStripOfAPageOrTheSidePaneCanBeClosed)
{
    TprojectForm &form = Open(GetParam());
    EXPECT_FALSE(form.findChild<TNxPageControl *>(QStringLiteral("NxPageControl3"))->showTabs());
    int stripsSeen = 0;
    for (const HostedPageCase &page : HostedPageCases()) {
        Select(page.node(*this));
        for (TNxPageControl *strip : form.findChildren<TNxPageControl *>()) {
            EXPECT_FALSE(strip->options() & pgCloseButton) << page.name << " " << strip->objectName().toStdString();
            if (!strip->isVisible() || !strip->showTabs())
                continue;
            ++stripsSeen;
            // Where the close button stood a click closes nothing.
            const int count = strip->getPageCount();
            const QPoint formerButton(strip->width() - 12, strip->topIndent() + strip->tabHeight() / 2);
            QTest::mouseClick(strip, Qt::LeftButton, {}, formerButton);
            EXPECT_EQ(strip->getPageCount(), count) << page.name;
            // Scroll buttons only where the tabs do not fit without them.
            const TabStripGeometry geometry = strip->stripGeometry();
            EXPECT_EQ(geometry.has(pgScrollButtons), geometry.maxScroll() > 0) << page.name;
        }
        Select(Crumbs().root(ProjectBreadcrumb::Modules));
    }
    EXPECT_GE(stripsSeen, 3) << "the CAB creator, the desktop installer and the designer have tabs";
}

// How a page can go: each way the window has of closing it.
enum class PageEnd { LeftByBreadcrumb, ReplacedByAnother, ClosedWithItsProjectTab, GoneWithTheMainWindow,
                     GoneWhileItsTabIsHidden };

struct TearDownCase
{
    const char *name;
    PageEnd end;
};

TEST_P(ProjectWindowFrame, EveryPageGoesInEveryOrderTheWindowCloses)
{
    const TearDownCase ends[] = {
        {"left by the breadcrumb", PageEnd::LeftByBreadcrumb},
        {"replaced by another page", PageEnd::ReplacedByAnother},
        {"closed with its project tab", PageEnd::ClosedWithItsProjectTab},
        {"gone with the main window", PageEnd::GoneWithTheMainWindow},
        {"gone while its project tab is hidden", PageEnd::GoneWhileItsTabIsHidden},
    };
    for (const TearDownCase &end : ends) {
        for (const HostedPageCase &page : HostedPageCases()) {
            SCOPED_TRACE(std::string(page.name) + ", " + end.name);
            Open(GetParam());
            Select(page.node(*this));
            QPointer<HostedPage> shown = FrontPage();
            ASSERT_FALSE(shown.isNull());
            switch (end.end) {
            case PageEnd::LeftByBreadcrumb:
                Select(Crumbs().root(ProjectBreadcrumb::Languages));
                break;
            case PageEnd::ReplacedByAnother:
                Select(page.another(*this));
                break;
            case PageEnd::ClosedWithItsProjectTab:
                ui.queueAnswer(UiButton::No);
                master->CloseProjectPage(master->projectPages()->activePageIndex());
                break;
            case PageEnd::GoneWithTheMainWindow:
                master.reset();
                break;
            case PageEnd::GoneWhileItsTabIsHidden:
                master->projectPages()->setActivePage(master->welcomeTab());
                Settle();
                EXPECT_FALSE(shown->isVisible());
                master.reset();
                break;
            }
            Settle();
            EXPECT_TRUE(shown.isNull());
            if (end.end == PageEnd::LeftByBreadcrumb || end.end == PageEnd::ClosedWithItsProjectTab) {
                EXPECT_TRUE(master->findChildren<HostedPage *>().isEmpty());
            }
        }
    }
}

TEST_P(ProjectWindowFrame, ACabPageWhoseTabsWentFirstStillSavesWhatItHas)
{
    TprojectForm &form = Open(GetParam());
    Select(Crumbs().moduleNode(CabCreator));
    auto *cab = qobject_cast<TCABCreatorForm *>(FrontPage());
    ASSERT_NE(cab, nullptr);
    auto *tabs = cab->findChild<TNxPageControl *>(QStringLiteral("NxPageControl1"));
    ASSERT_NE(tabs, nullptr);
    tabs->setActivePageIndex(1);
    while (tabs->getPageCount() > 0)
        tabs->deletePage(tabs->getPage(0));
    Select(Crumbs().root(ProjectBreadcrumb::Modules));
    EXPECT_EQ(form.moduleTab(), nullptr);

    Registry registry;
    ASSERT_TRUE(registry.openKey(QStringLiteral("Software\\Talmo\\CCM"), false));
    EXPECT_EQ(registry.readInteger(QStringLiteral("MFsortColumn")), 0);
    EXPECT_FALSE(registry.readInteger(QStringLiteral("ppcfs_left_width")).has_value());
}

TEST_P(ProjectWindowFrame, APageShowsItsHelpBelowTheInspectorFromTheStart)
{
    TprojectForm &form = Open(GetParam());
    auto *side = form.findChild<TNxPageControl *>(QStringLiteral("NxPageControl3"));
    const QRect sideArea = side->rect();
    auto shownInSidePane = [&](QWidget *widget) {
        const QRect rect = RectIn(widget, side);
        return widget->isVisible() && rect.height() >= 80 && sideArea.contains(rect);
    };

    Select(Crumbs().moduleNode(DesktopModule()));
    EXPECT_TRUE(shownInSidePane(form.inspector()));
    EXPECT_TRUE(shownInSidePane(form.helpViewer()));
    EXPECT_TRUE(form.helpViewer()->toPlainText().contains(QStringLiteral("Installation Files Selection")));
    auto *desktop = qobject_cast<TWin32InstallationForm *>(FrontPage());
    ASSERT_NE(desktop, nullptr);
    desktop->setActivePage(TWin32InstallationForm::RegistryPage);
    EXPECT_TRUE(form.helpViewer()->toPlainText().contains(QStringLiteral("Registry Entries")));
    // The double click that asked for the help keeps the inspector beside it.
    emit form.inspector()->dblClick();
    EXPECT_TRUE(shownInSidePane(form.inspector()));
    EXPECT_TRUE(shownInSidePane(form.helpViewer()));
    EXPECT_FALSE(side->showTabs());

    Select(Crumbs().childWithKey(Crumbs().root(ProjectBreadcrumb::WizardDialogs), ProjectBreadcrumb::GlobalCode));
    EXPECT_TRUE(shownInSidePane(form.helpViewer()));
    EXPECT_FALSE(form.inspector()->isVisible());
    EXPECT_FALSE(form.helpViewer()->toPlainText().isEmpty());

    Select(Crumbs().root(ProjectBreadcrumb::Modules));
    EXPECT_FALSE(form.helpViewer()->isVisible());
    EXPECT_TRUE(form.generalOptions()->isVisible());
}

TEST_P(ProjectWindowFrame, TheModuleTreeGivesItsInspectorRoomAndKeepsTheWidthTheUserSet)
{
    TprojectForm &form = Open(GetParam());
    QSplitter *splitter = form.moduleTree()->splitter();
    const QList<int> sizes = splitter->sizes();
    EXPECT_GE(sizes.value(1), 100);
    EXPECT_GE(form.moduleTree()->gui_Components->width(), 60);
    EXPECT_GE(form.moduleTree()->width(), form.moduleTree()->minimumSizeHint().width());

    // The user drags the divider to leave the inspector 150 pixels.
    QSplitterHandle *handle = splitter->handle(1);
    const QPoint grip(handle->width() / 2, handle->height() / 2);
    QTest::mousePress(handle, Qt::LeftButton, {}, grip);
    QTest::mouseMove(handle, grip + QPoint(sizes.value(1) - 150, 0));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, grip + QPoint(sizes.value(1) - 150, 0));
    ASSERT_EQ(splitter->sizes().value(1), 150);
    Select(Crumbs().moduleNode(CabCreator));
    Select(Crumbs().root(ProjectBreadcrumb::Languages));
    Select(Crumbs().root(ProjectBreadcrumb::Modules));
    form.RefreshFromProject();
    master->resize(master->width() + 40, master->height());
    Settle();
    EXPECT_EQ(splitter->sizes().value(1), 150);
}

TEST_P(ProjectWindowFrame, TheModuleTreeShowsItsNamesWholeBeforeTheInspectorGrows)
{
    TprojectForm &form = Open(GetParam());
    ModuleTreePage &page = *form.moduleTree();
    Settle();
    ModuleTreeWidget &tree = *page.gui_Components;
    EXPECT_GE(tree.viewport()->width(), tree.namesWidth());
    EXPECT_GE(page.splitter()->sizes().value(1), 100) << "the inspector keeps its least width";
}

TEST_P(ProjectWindowFrame, TheGeneralOptionsEditsTakeThePanesWidth)
{
    TprojectForm &form = Open(GetParam());
    const int pane = form.findChild<TNxPageControl *>(QStringLiteral("NxPageControl3"))->width();
    for (QLineEdit *edit : form.generalOptions()->findChildren<QLineEdit *>()) {
        if (edit->isVisible()) {
            EXPECT_GE(edit->width(), pane - 60) << edit->objectName().toStdString();
        }
    }
}

TEST_P(ProjectWindowFrame, TheSectionsPanelsStackWithoutGaps)
{
    TprojectForm &form = Open(GetParam());
    for (TprojectForm::Section section : {TprojectForm::WizardDialogsSection, TprojectForm::AppearanceSection}) {
        form.ShowSection(section);
        Settle();
        QWidget *page = section == TprojectForm::AppearanceSection ? static_cast<QWidget *>(form.appearance())
                                                                   : static_cast<QWidget *>(form.wizardDialogs());
        // Each column of panels starts at its top, every panel right under the one before.
        QMap<QWidget *, QList<TNxFlipPanel *>> columns;
        for (TNxFlipPanel *panel : page->findChildren<TNxFlipPanel *>())
            columns[panel->parentWidget()].append(panel);
        ASSERT_FALSE(columns.isEmpty());
        for (QList<TNxFlipPanel *> &panels : columns) {
            std::sort(panels.begin(), panels.end(), [](QWidget *a, QWidget *b) { return a->y() < b->y(); });
            int top = 0;
            for (TNxFlipPanel *panel : panels) {
                EXPECT_EQ(panel->y(), top) << panel->caption().toStdString();
                top = panel->y() + panel->height();
            }
        }
    }
}

} // namespace
