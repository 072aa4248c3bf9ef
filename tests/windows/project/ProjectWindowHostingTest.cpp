#include "windows/project/HostedTab.h"
#include "windows/project/ModuleTreePage.h"
#include "windows/project/TprojectForm.h"

#include "helpers/core/PathFolders.h"
#include "helpers/ui/FakeUiServices.h"
#include "model/ProjectContainer.h"
#include "pagehost/HostedPage.h"
#include "pagehost/PlaceholderPage.h"
#include "pagehost/ProjectBreadcrumb.h"
#include "pagehost/ProjectPageFactory.h"
#include "platform/Registry.h"
#include "platform/RegistryMemoryStore.h"
#include "widgets/NextInspector.h"
#include "widgets/NxPathControl.h"
#include "widgets/NxPathNodes.h"
#include "tests/support/QtPrinters.h"

#include <QComboBox>
#include <QMouseEvent>
#include <QSplitter>
#include <QTemporaryDir>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

// A page that tells the test what became of it.
class ProbePage : public HostedPage
{
public:
    ProbePage(PageKind kind, int key, QWidget *parent)
        : HostedPage(parent)
        , kind(kind)
        , key(key)
    {
    }
    void refreshFromProject() override { ++refreshes; }

    PageKind kind;
    int key;
    int refreshes = 0;
};

// A project with every kind of breadcrumb node: the CAB creator (0), a
// desktop installer (1), a module container (2), a runtime module (3) and
// two custom pages.
std::unique_ptr<TProjectContainer> ProjectWithModules()
{
    auto project = std::make_unique<TProjectContainer>();
    project->CreateNewProject();
    project->AppName = QStringLiteral("Demo");
    auto add = [&](int type, int moduleIndex) {
        TInstallComponent &component = project->InstallComponents.AddNew(project.get());
        component.moduleType = type;
        component.moduleIndex = moduleIndex;
        component.parentIndex = -1;
        return &component;
    };
    project->Win32Plugins.AddNew().Caption = QStringLiteral("Desktop");
    add(ModuleType::Win32, 0);
    add(ModuleType::Container, -1)->moduleName = QStringLiteral("Group");
    TPluginContainer &runtime = project->PluginContainers.AddNew();
    runtime.Caption = QStringLiteral("SQL");
    runtime.someOldCaption = QStringLiteral("Builtin");
    runtime.Type = TPluginContainer::SqlMobileType;
    add(ModuleType::SqlMobile, 0);
    project->CustomForms.AddNew(false).Name = QStringLiteral("First");
    project->CustomForms.AddNew(false).Name = QStringLiteral("Second");
    return project;
}

class ProjectWindowTest : public ::testing::Test
{
protected:
    ProjectWindowTest()
    {
        for (PageKind kind : {PageKind::CabCreatorModule, PageKind::Win32Module, PageKind::RegistrySection,
                              PageKind::GlobalCode, PageKind::CustomPage}) {
            factory.setCreator(kind, [this, kind](const PageArguments &arguments, QWidget *parent) {
                auto *page = new ProbePage(kind, arguments.key, parent);
                created.append(page);
                return page;
            });
        }
        form = std::make_unique<TprojectForm>(ProjectWithModules(), factory, nullptr);
        form->RefreshFromProject();
    }

    TNxPathNode *moduleNode(int component) { return form->breadcrumb().moduleNode(component); }
    TNxPathNode *wizardNode(int key)
    {
        return form->breadcrumb().childWithKey(form->breadcrumb().root(ProjectBreadcrumb::WizardDialogs), key);
    }
    void select(TNxPathNode *node) { form->breadcrumb().select(node); }
    static ProbePage *probe(HostedTab *tab) { return tab ? dynamic_cast<ProbePage *>(tab->page()) : nullptr; }

    RegistryMemoryStore store;
    ScopedCurrentRegistryStore useStore{store};
    FakeUiServices ui;
    ScopedCurrentUiServices useUi{ui};
    ProjectPageFactory factory;
    QList<QPointer<ProbePage>> created;
    std::unique_ptr<TprojectForm> form;
};

} // namespace

TEST_F(ProjectWindowTest, BreadcrumbListsModulesButNotContainersAndTheCustomPages)
{
    QStringList modules;
    for (int i = 0; i < 4; ++i)
        modules.append(moduleNode(i) ? moduleNode(i)->text() : QStringLiteral("-none-"));
    EXPECT_EQ(modules, (QStringList{"Demo [CAB Creator Module]", "Desktop [Win32 Module]", "-none-",
                                    "SQL [Mobile SQL Runtimes - Builtin]"}));
    EXPECT_EQ(wizardNode(0)->text(), QStringLiteral("First"));
    EXPECT_EQ(wizardNode(1)->text(), QStringLiteral("Second"));
    EXPECT_EQ(wizardNode(ProjectBreadcrumb::GlobalCode)->text(), QStringLiteral("Global Code"));
    for (const char *name : {"NextInspector1", "mainHelper", "NxEdit1", "NxButton1", "ObjectsDropDown",
                             "NxPathControl1", "NxPageControl1", "NxPageControl2", "NxPageControl3"})
        EXPECT_NE(form->findChild<QWidget *>(QString::fromLatin1(name)), nullptr) << name;
}

TEST_F(ProjectWindowTest, SameModuleTwiceKeepsOneTabAndAnotherModuleReplacesIt)
{
    select(moduleNode(0));
    ProbePage *first = probe(form->moduleTab());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->kind, PageKind::CabCreatorModule);
    EXPECT_EQ(form->sidePane(), SidePane::Options);

    form->breadcrumb().setSelectedSilently(form->breadcrumb().root(ProjectBreadcrumb::Languages));
    select(moduleNode(0));
    EXPECT_EQ(probe(form->moduleTab()), first) << "the same module keeps its page";
    EXPECT_EQ(first->refreshes, 1);
    EXPECT_EQ(created.size(), 1);

    select(moduleNode(1));
    EXPECT_TRUE(created[0].isNull()) << "the other module's page replaced it";
    ASSERT_NE(probe(form->moduleTab()), nullptr);
    EXPECT_EQ(probe(form->moduleTab())->kind, PageKind::Win32Module);
    EXPECT_EQ(probe(form->moduleTab())->key, 1);
    EXPECT_EQ(form->sidePane(), SidePane::PropertiesAndHelp);

    select(form->breadcrumb().root(ProjectBreadcrumb::Modules));
    EXPECT_EQ(form->moduleTab(), nullptr);
    EXPECT_TRUE(created[1].isNull()) << "a root closes the hosted pages";
}

TEST_F(ProjectWindowTest, RegistrySectionOpensBesideTheModulePage)
{
    select(moduleNode(0));
    ProbePage *module = probe(form->moduleTab());
    form->setRegistrySectionNodes({QStringLiteral("HKLM\\Soft"), QStringLiteral("HKCU\\Other")});

    form->openRegistrySection(1);
    ASSERT_NE(probe(form->registrySectionTab()), nullptr);
    EXPECT_EQ(probe(form->registrySectionTab())->kind, PageKind::RegistrySection);
    EXPECT_EQ(probe(form->registrySectionTab())->key, 1);
    EXPECT_EQ(probe(form->moduleTab()), module);

    select(form->breadcrumb().childWithKey(moduleNode(0), 0));
    EXPECT_EQ(probe(form->registrySectionTab())->key, 0) << "one section editor at a time";
    EXPECT_EQ(module->refreshes, 1) << "closing a section refreshes its module page";

    select(moduleNode(0));
    EXPECT_EQ(form->registrySectionTab(), nullptr);
    EXPECT_EQ(probe(form->moduleTab()), module);
}

TEST_F(ProjectWindowTest, WizardDialogNodesOpenTheirEditorAndTheSeparatorNothing)
{
    select(wizardNode(1));
    ASSERT_NE(probe(form->wizardDialogTab()), nullptr);
    EXPECT_EQ(probe(form->wizardDialogTab())->kind, PageKind::CustomPage);
    EXPECT_EQ(probe(form->wizardDialogTab())->key, 1);
    EXPECT_EQ(form->currentSection(), TprojectForm::WizardDialogsSection);

    select(wizardNode(ProjectBreadcrumb::Separator));
    EXPECT_EQ(form->wizardDialogTab(), nullptr);
    EXPECT_TRUE(created.last().isNull()) << "the designer page was closed";

    select(wizardNode(ProjectBreadcrumb::GlobalCode));
    ASSERT_NE(probe(form->wizardDialogTab()), nullptr);
    EXPECT_EQ(probe(form->wizardDialogTab())->kind, PageKind::GlobalCode);

    select(form->breadcrumb().childWithKey(form->breadcrumb().root(ProjectBreadcrumb::Appearance), 0));
    ASSERT_NE(form->appearanceTab(), nullptr);
    EXPECT_NE(dynamic_cast<PlaceholderPage *>(form->appearanceTab()->page()), nullptr)
        << "a kind nobody registered shows the placeholder";
}

TEST_F(ProjectWindowTest, BreadcrumbMoveDetachesTheClosedPagesHandlersAndClearsTheSidePane)
{
    select(moduleNode(1));
    int heard = 0;
    QObject::connect(form->inspector(), &TNextInspector::editDblClick, form->pageContext(), [&] { ++heard; });
    form->objectsDropDown()->addItem(QStringLiteral("Button1"));
    form->objectsDropDown()->show();
    form->setHelpHtml({QStringLiteral("<p>Help</p>")});
    emit form->inspector()->editDblClick();
    ASSERT_EQ(heard, 1);

    select(moduleNode(0));
    emit form->inspector()->editDblClick();
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(form->objectsDropDown()->count(), 0);
    EXPECT_TRUE(form->helpViewer()->toPlainText().isEmpty());
    EXPECT_EQ(form->sidePane(), SidePane::Options);
}

TEST_F(ProjectWindowTest, RuntimeModuleGoesBackToTheRootAfterItsSelectionWasHandled)
{
    QStringList dialogs;
    form->moduleTree()->runDialog = [&dialogs](QDialog &dialog) {
        dialogs << dialog.windowTitle();
        return int(QDialog::Rejected);
    };
    QSignalSpy edits(form.get(), &TprojectForm::componentEditRequested);
    select(moduleNode(3));
    EXPECT_EQ(edits.count(), 0) << "nothing moves inside the handler";
    ASSERT_TRUE(edits.wait(1000));
    EXPECT_EQ(edits.takeFirst().at(0).toInt(), 3);
    EXPECT_EQ(form->breadcrumb().selected(), form->breadcrumb().root(ProjectBreadcrumb::Modules));
    EXPECT_EQ(form->moduleTab(), nullptr);
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("SQL Mobile Module")}) << "the module tree edits it";
    EXPECT_EQ(form->moduleTree()->selectedComponent(), 3);
}

TEST_F(ProjectWindowTest, RegistrySectionNodesKeepTheSelectedIndexOrFallBackToTheModule)
{
    select(moduleNode(0));
    form->setRegistrySectionNodes({QStringLiteral("A"), QStringLiteral("B")});
    form->openRegistrySection(1);
    HostedTab *section = form->registrySectionTab();

    form->setRegistrySectionNodes({QStringLiteral("A"), QStringLiteral("B2"), QStringLiteral("C")});
    EXPECT_EQ(form->breadcrumb().selected()->text(), QStringLiteral("B2"));
    EXPECT_EQ(form->registrySectionTab(), section);

    QPointer<QWidget> sectionPage = section->page();
    form->setRegistrySectionNodes({QStringLiteral("A")});
    EXPECT_EQ(form->breadcrumb().selected(), moduleNode(0));
    EXPECT_EQ(form->registrySectionTab(), nullptr);
    QTRY_VERIFY(sectionPage.isNull());
    ASSERT_NE(probe(form->moduleTab()), nullptr);
}

// Opening and closing the builder window refreshes the project window while
// the CAB creator page stays open: its sections must still open.
TEST_F(ProjectWindowTest, RegistrySectionsOfTheOpenPageStillOpenAfterTheWindowIsRefreshed)
{
    select(moduleNode(0));
    ProbePage *module = probe(form->moduleTab());
    form->setRegistrySectionNodes({QStringLiteral("A"), QStringLiteral("B")});
    form->RefreshFromProject();
    ASSERT_EQ(probe(form->moduleTab()), module);
    form->openRegistrySection(1);
    ASSERT_NE(probe(form->registrySectionTab()), nullptr);
    EXPECT_EQ(probe(form->registrySectionTab())->key, 1);
    EXPECT_EQ(form->breadcrumb().selected()->text(), QStringLiteral("B"));

    // Once the page is closed its sections go with it.
    select(moduleNode(1));
    form->RefreshFromProject();
    EXPECT_EQ(form->breadcrumb().childWithKey(moduleNode(0), 0), nullptr);
}

TEST_F(ProjectWindowTest, FileCommandsReportFailuresAndKeepTheCaptions)
{
    QTemporaryDir dir;
    QSignalSpy used(form.get(), &TprojectForm::fileUsed);
    const QString saved = dir.filePath(QStringLiteral("demo.talmo"));
    ASSERT_TRUE(form->SaveToFile(saved));
    EXPECT_EQ(form->tabCaption(), QStringLiteral("demo.talmo"));
    EXPECT_EQ(used.count(), 1);

    EXPECT_FALSE(form->SaveToFile(dir.filePath(QStringLiteral("missing/demo.talmo"))));
    EXPECT_EQ(ui.shownTexts(), QStringList{"Error while saving project"});
    EXPECT_EQ(form->tabCaption(), QStringLiteral("demo.talmo"));
    EXPECT_EQ(form->project().FileName, saved);
    EXPECT_EQ(used.count(), 1);

    TprojectForm reopened(std::make_unique<TProjectContainer>(), factory, nullptr);
    EXPECT_FALSE(reopened.LoadFromFile(dir.filePath(QStringLiteral("absent.talmo"))));
    EXPECT_TRUE(ui.shownTexts().last().startsWith(QStringLiteral("Error while loading project !\n\n")
                                                  + dir.filePath(QStringLiteral("absent.talmo")) + u'\n'))
        << ui.shownTexts().last().toStdString();
    EXPECT_EQ(reopened.tabCaption(), QStringLiteral("No Project is Loaded"));
    EXPECT_EQ(reopened.windowTitle(), QStringLiteral("No project is loaded."));

    ASSERT_TRUE(reopened.LoadFromFile(saved));
    EXPECT_EQ(reopened.windowTitle(), QStringLiteral("demo.talmo"));
    ASSERT_NE(reopened.breadcrumb().moduleNode(1), nullptr);
    EXPECT_EQ(reopened.breadcrumb().moduleNode(1)->text(), QStringLiteral("Desktop [Win32 Module]"));
}

TEST_F(ProjectWindowTest, NewProjectIsUnnamedAndSaveAsksForAName)
{
    SetMyDocumentsFolderOverride(QStringLiteral("/home/user/Documents"));
    ASSERT_TRUE(form->NewProject());
    ClearMyDocumentsFolderOverride();
    EXPECT_EQ(form->project().FileName, QStringLiteral("/home/user/Documents/unknown.talmo"));
    EXPECT_TRUE(form->project().Modified);
    EXPECT_EQ(form->tabCaption(), QStringLiteral("unknown.talmo"));

    ui.queueSaveFile(std::nullopt);
    EXPECT_FALSE(form->Save());
    ASSERT_EQ(ui.calls().size(), 1);
    EXPECT_EQ(ui.calls()[0].kind, FakeUiServices::CallKind::SaveFile);
    EXPECT_EQ(ui.calls()[0].request.filter, QStringLiteral("Projects (*.talmo)|*.talmo"));
    EXPECT_TRUE(form->project().Modified);
}

namespace {

// Drags the handle between the inspector and the help as a person would.
void DragHelpHandle(QSplitter *splitter, int byPixels)
{
    QSplitterHandle *handle = splitter->handle(1);
    const QPoint grip = handle->rect().center();
    const QPoint target = grip + QPoint(0, byPixels);
    auto send = [handle](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, handle->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(handle, &event);
    };
    send(QEvent::MouseButtonPress, grip, Qt::LeftButton);
    send(QEvent::MouseMove, target, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, target, Qt::NoButton);
}

} // namespace

TEST_F(ProjectWindowTest, PaneSizesComeBackAtTheNextWindow)
{
    auto showAndSize = [](TprojectForm &window) {
        window.resize(1000, 700);
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    };
    ASSERT_TRUE(showAndSize(*form));
    form->findChild<QSplitter *>(QStringLiteral("MainSplitter"))->setSizes({310, 680});
    // The help's height is the one it has below the inspector.
    auto helpBesideProperties = [this](TprojectForm &window) {
        window.breadcrumb().select(window.breadcrumb().moduleNode(1));
        QCoreApplication::processEvents();
        return window.findChild<QSplitter *>(QStringLiteral("PropertiesSplitter"));
    };
    QSplitter *properties = helpBesideProperties(*form);
    DragHelpHandle(properties, properties->sizes().value(1) - 240);
    select(form->breadcrumb().root(ProjectBreadcrumb::Modules));
    form->inspector()->setSplitterPosition(123);
    form.reset();

    Registry registry;
    ASSERT_TRUE(registry.openKey(QStringLiteral("Software\\Talmo\\PF"), false));
    EXPECT_EQ(registry.readInteger(QStringLiteral("NxHeaderPanel2_width")), 310);
    EXPECT_EQ(registry.readInteger(QStringLiteral("mainHelper_height")), 240);
    EXPECT_EQ(registry.readInteger(QStringLiteral("Divider")), 123);

    TprojectForm again(ProjectWithModules(), factory, nullptr);
    again.RefreshFromProject();
    ASSERT_TRUE(showAndSize(again));
    EXPECT_EQ(again.findChild<QSplitter *>(QStringLiteral("MainSplitter"))->sizes().value(0), 310);
    EXPECT_EQ(helpBesideProperties(again)->sizes().value(1), 240);
    EXPECT_EQ(again.inspector()->splitterPosition(), 123);
}

TEST_F(ProjectWindowTest, TheHelpKeepsTheDraggedHeightOnEveryPageAndAtTheNextWindow)
{
    auto shown = [](TprojectForm &window) {
        window.resize(1000, 700);
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    };
    auto helpHeight = [](TprojectForm &window) {
        QCoreApplication::processEvents();
        return window.findChild<QWidget *>(QStringLiteral("Helper"))->height();
    };
    ASSERT_TRUE(shown(*form));
    select(moduleNode(1));
    QSplitter *properties = form->findChild<QSplitter *>(QStringLiteral("PropertiesSplitter"));
    const int dragged = helpHeight(*form) - 60;
    DragHelpHandle(properties, 60);
    ASSERT_EQ(helpHeight(*form), dragged);

    // A designed page shows the help alone on its code tab, then both again.
    select(wizardNode(0));
    form->showSidePane(SidePane::Helper);
    helpHeight(*form);
    form->showSidePane(SidePane::PropertiesAndHelp);
    EXPECT_EQ(helpHeight(*form), dragged);
    select(moduleNode(1));
    EXPECT_EQ(helpHeight(*form), dragged);

    // The window closes while the help stands alone.
    select(wizardNode(0));
    form->showSidePane(SidePane::Helper);
    helpHeight(*form);
    form.reset();
    TprojectForm again(ProjectWithModules(), factory, nullptr);
    again.RefreshFromProject();
    ASSERT_TRUE(shown(again));
    again.breadcrumb().select(again.breadcrumb().moduleNode(1));
    EXPECT_EQ(helpHeight(again), dragged);
}

TEST_F(ProjectWindowTest, PagesRenameTheirNodes)
{
    select(moduleNode(1));
    form->project().Win32Plugins[0].Caption = QStringLiteral("Renamed");
    form->project().Win32Plugins[0].HiddenInstall = true;
    form->refreshModuleNodeCaption();
    EXPECT_EQ(moduleNode(1)->text(), QStringLiteral("Renamed [Win32 Module] [ Hidden ]"));

    select(wizardNode(0));
    form->setCurrentNodeText(QStringLiteral("Welcome"));
    EXPECT_EQ(wizardNode(0)->text(), QStringLiteral("Welcome"));
    EXPECT_EQ(moduleNode(1)->text(), QStringLiteral("Renamed [Win32 Module] [ Hidden ]"));
}
