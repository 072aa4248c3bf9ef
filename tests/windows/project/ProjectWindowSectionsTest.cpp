#include "windows/project/AppearancePage.h"
#include "windows/project/GeneralOptionsPanel.h"
#include "windows/project/HostedTab.h"
#include "windows/project/LanguagesPage.h"
#include "windows/project/ModuleTreePage.h"
#include "windows/project/ModuleTreeWidget.h"
#include "windows/project/SetupTypesPage.h"
#include "windows/project/StandardDialogChoices.h"
#include "windows/project/TLanguageDetails.h"
#include "windows/project/TeditComponentContainer.h"
#include "windows/project/TprojectForm.h"
#include "windows/project/WizardDialogsPage.h"

#include "editors/dialogs/EditorStrings.h"
#include "editors/modules/RuntimeModuleDialog.h"
#include "helpers/ui/FakeUiServices.h"
#include "helpers/ui/TntButtonEdit.h"
#include "model/ComponentModules.h"
#include "model/ProgramOptions.h"
#include "model/ProjectContainer.h"
#include "model/SetupCatalogue.h"
#include "pagehost/HostedPage.h"
#include "pagehost/ProjectBreadcrumb.h"
#include "pagehost/ProjectPageFactory.h"
#include "platform/ProgramFolder.h"
#include "platform/RegistryMemoryStore.h"
#include "platform/ShellServices.h"
#include "widgets/ElidingComboBox.h"
#include "widgets/NextInspector.h"
#include "widgets/NxCheckBoxItem.h"
#include "widgets/NxPathControl.h"
#include "widgets/NxPathNodes.h"
#include "tests/support/QtPrinters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

// A page that says which component or key it was opened for.
class KeyPage : public HostedPage
{
public:
    KeyPage(PageKind kind, int key, QWidget *parent)
        : HostedPage(parent)
        , kind(kind)
        , key(key)
    {
    }
    PageKind kind;
    int key;
};

void addContainer(TProjectContainer &project, const char *name, int parent)
{
    TInstallComponent &component = project.InstallComponents.AddNew(&project);
    component.moduleName = QString::fromLatin1(name);
    component.parentIndex = parent;
}

// The project window over a project with the CAB creator and the languages
// "English" and "German" of a catalogue that also offers "French" and "Dutch".
class ProjectWindowSections : public ::testing::Test
{
protected:
    ProjectWindowSections()
    {
        catalogue.SetupLanguageNames = {"English", "French", "German", "Dutch"};
        for (PageKind kind : {PageKind::CabCreatorModule, PageKind::Win32Module, PageKind::CabCollectionModule,
                              PageKind::PalmModule, PageKind::DirectCopyModule, PageKind::CustomPage,
                              PageKind::GlobalCode, PageKind::Appearance}) {
            factory.setCreator(kind, [kind](const PageArguments &arguments, QWidget *parent) {
                return new KeyPage(kind, arguments.key, parent);
            });
        }
    }

    TprojectForm &open(std::unique_ptr<TProjectContainer> project = nullptr)
    {
        if (!project) {
            project = std::make_unique<TProjectContainer>();
            project->CreateNewProject();
            project->AppName = "Demo";
            project->Languages.AddNew().LanguageID = "English";
            project->Languages.AddNew().LanguageID = "German";
        }
        form = std::make_unique<TprojectForm>(std::move(project), factory, nullptr);
        form->RefreshFromProject();
        return *form;
    }

    TProjectContainer &project() { return form->project(); }
    ModuleTreePage &tree() { return *form->moduleTree(); }

    // The node texts of the module tree, indented two blanks per level.
    QStringList treeTexts()
    {
        QStringList texts;
        std::function<void(QTreeWidgetItem *, int)> walk = [&](QTreeWidgetItem *node, int level) {
            texts << QString(level * 2, u' ') + node->text(0);
            for (int i = 0; i < node->childCount(); ++i)
                walk(node->child(i), level + 1);
        };
        for (int i = 0; i < tree().gui_Components->topLevelItemCount(); ++i)
            walk(tree().gui_Components->topLevelItem(i), 0);
        return texts;
    }

    // The captions of the module-flag inspector's rows.
    QStringList inspectorRows()
    {
        QStringList rows;
        TNxPropertyItems *items = tree().NextInspector2->items();
        for (int i = 0; i < items->count(); ++i)
            rows << items->item(i)->caption();
        return rows;
    }

    TNxCheckBoxItem *inspectorRow(const QString &heading, const QString &caption)
    {
        TNxPropertyItems *items = tree().NextInspector2->items();
        for (int i = 0; i < items->count(); ++i) {
            TNxPropertyItem *row = items->item(i);
            if (row->parentItem() && row->parentItem()->caption() == heading && row->caption() == caption)
                return qobject_cast<TNxCheckBoxItem *>(row);
        }
        return nullptr;
    }

    // Runs a menu item by its text.
    static bool trigger(QMenu *menu, const QString &text)
    {
        for (QAction *action : menu->actions()) {
            if (action->text() == text) {
                action->trigger();
                return true;
            }
        }
        return false;
    }

    RegistryMemoryStore store;
    ScopedCurrentRegistryStore useStore{store};
    FakeUiServices ui;
    ScopedCurrentUiServices useUi{ui};
    SetupCatalogue catalogue;
    ScopedCurrentSetupCatalogue useCatalogue{catalogue};
    ProjectPageFactory factory;
    std::unique_ptr<TprojectForm> form;
};

} // namespace

// Module tree --------------------------------------------------------------

TEST_F(ProjectWindowSections, AProjectWithoutComponentsShowsOnlyTheRoot)
{
    auto project = std::make_unique<TProjectContainer>();
    project->CreateNewProject();
    project->InstallComponents.Clear();
    project->Win32Only = true;
    open(std::move(project));

    EXPECT_EQ(treeTexts(), QStringList{"Installation Modules"});
    for (QPushButton *button : {tree().cm_edit, tree().cm_delete, tree().cm_up, tree().cm_down})
        EXPECT_FALSE(button->isEnabled()) << button->text().toStdString();
    EXPECT_TRUE(tree().cm_add->isEnabled());
    EXPECT_EQ(inspectorRows(), QStringList{"No module selected"});
    EXPECT_FALSE(this->project().Modified);
}

TEST_F(ProjectWindowSections, TheTreeShowsTheListInDisplayOrderWithoutMarkingItModified)
{
    auto project = std::make_unique<TProjectContainer>();
    project->CreateNewProject();
    project->AppName = "Demo";
    addContainer(*project, "Leaf", 4);
    addContainer(*project, "Top", -1);
    addContainer(*project, "Other", -1);
    addContainer(*project, "Middle", 3);
    open(std::move(project));

    EXPECT_EQ(treeTexts(), QStringList({"Installation Modules", "  Demo [CAB Creator Module]",
                                        "  Top [ Module Container ]", "  Other [ Module Container ]",
                                        "    Middle [ Module Container ]", "      Leaf [ Module Container ]"}));
    EXPECT_EQ(this->project().InstallComponents[4].moduleName, "Leaf");
    EXPECT_EQ(this->project().InstallComponents[4].parentIndex, 3);
    EXPECT_FALSE(this->project().Modified);
}

TEST_F(ProjectWindowSections, AddingAModuleOpensItsPageAndTellsTheProjectManager)
{
    open();
    QSignalSpy manager(form.get(), &TprojectForm::projectManagerRefreshRequested);
    tree().selectComponent(0);
    ASSERT_TRUE(trigger(tree().preparedAddMenu(true), "Win32 Installation"));

    EXPECT_TRUE(project().Modified);
    EXPECT_EQ(manager.count(), 1);
    ASSERT_EQ(project().InstallComponents.Count(), 2);
    EXPECT_EQ(project().InstallComponents[1].parentIndex, 0) << "the context menu adds below the selection";
    ASSERT_NE(form->moduleTab(), nullptr);
    auto *page = dynamic_cast<KeyPage *>(form->moduleTab()->page());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->kind, PageKind::Win32Module);
    EXPECT_EQ(page->key, 1);

    form->breadcrumb().select(form->breadcrumb().root(ProjectBreadcrumb::Modules));
    ASSERT_TRUE(trigger(tree().preparedAddMenu(false), "Module Container"));
    EXPECT_EQ(project().InstallComponents[2].parentIndex, -1) << "the Add button adds at the top level";
    EXPECT_EQ(treeTexts().last(), "  Container [ Module Container ]");
    ASSERT_TRUE(trigger(tree().preparedAddMenu(false), "CAB Creator Module"));
    EXPECT_EQ(ui.shownTexts(), QStringList{ComponentModules::OnlyOneCabCreatorMessage});
    EXPECT_EQ(project().InstallComponents.Count(), 3);
}

TEST_F(ProjectWindowSections, DeletingAsksAndTheLastDeletionSelectsTheRoot)
{
    open();
    tree().selectComponent(0);
    ui.queueAnswer(UiButton::No);
    tree().cm_deleteClick();
    EXPECT_EQ(project().InstallComponents.Count(), 1);
    EXPECT_FALSE(project().Modified);

    ui.queueAnswer(UiButton::Yes);
    tree().cm_deleteClick();
    EXPECT_EQ(ui.shownTexts(), QStringList({"Are you sure to delete ?", "Are you sure to delete ?"}));
    EXPECT_TRUE(project().InstallComponents.IsEmpty());
    EXPECT_TRUE(project().Win32Only);
    EXPECT_EQ(tree().selectedComponent(), -1);
    EXPECT_EQ(tree().gui_Components->currentItem(), tree().gui_Components->topLevelItem(0));
    EXPECT_FALSE(tree().cm_edit->isEnabled());
    ASSERT_TRUE(trigger(tree().preparedAddMenu(false), "CAB Creator Module"));
    EXPECT_FALSE(project().Win32Only) << "the CAB creator can be added again";
}

TEST_F(ProjectWindowSections, DownPastALargerSubtreeKeepsTheMovedComponentSelected)
{
    auto project = std::make_unique<TProjectContainer>();
    project->CreateNewProject();
    project->AppName = "Demo";
    addContainer(*project, "Big", -1);
    addContainer(*project, "Inner", 1);
    addContainer(*project, "Deep", 2);
    open(std::move(project));

    tree().selectComponent(0);
    EXPECT_FALSE(tree().cm_up->isEnabled());
    EXPECT_TRUE(tree().cm_down->isEnabled());
    tree().cm_downClick();

    EXPECT_EQ(tree().gui_Components->currentItem()->text(0), "Demo [CAB Creator Module]");
    EXPECT_EQ(tree().selectedComponent(), 3);
    EXPECT_TRUE(tree().cm_up->isEnabled());
    EXPECT_FALSE(tree().cm_down->isEnabled());
    QStringList menuStates;
    for (QAction *action : tree().preparedContextMenu()->actions()) {
        if (!action->isSeparator())
            menuStates << action->text() + (action->isEnabled() ? "+" : "-");
    }
    EXPECT_EQ(menuStates, QStringList({"Add+", "Edit+", "Delete+", "Up+", "Down-"})) << "the menu follows the buttons";
    EXPECT_TRUE(this->project().Modified);
    tree().cm_upClick();
    EXPECT_EQ(tree().selectedComponent(), 0);
    EXPECT_EQ(treeTexts().at(1), "  Demo [CAB Creator Module]");
}

TEST_F(ProjectWindowSections, DropsFollowTheRulesAndNeverMakeACycle)
{
    auto project = std::make_unique<TProjectContainer>();
    project->CreateNewProject();
    project->AppName = "Demo";
    addContainer(*project, "Outer", -1);
    addContainer(*project, "Inner", 1);
    project->CabCreatorModuleHiddenInstall = true;
    open(std::move(project));
    ModuleTreePage &page = tree();
    QTreeWidgetItem *root = page.FindModuleNode(-1);
    QTreeWidgetItem *hidden = page.FindModuleNode(0);
    QTreeWidgetItem *outer = page.FindModuleNode(1);
    QTreeWidgetItem *inner = page.FindModuleNode(2);

    EXPECT_FALSE(page.canDrop(root, outer)) << "the root stays";
    EXPECT_FALSE(page.canDrop(hidden, outer)) << "a hidden module stays";
    EXPECT_FALSE(page.canDrop(outer, hidden)) << "nothing goes below a hidden module";
    EXPECT_FALSE(page.canDrop(outer, outer));
    EXPECT_FALSE(page.canDrop(outer, inner)) << "a node never goes below its own descendant";
    EXPECT_TRUE(page.canDrop(inner, root));
    EXPECT_TRUE(page.canDrop(inner, nullptr));
    EXPECT_EQ(hidden->foreground(0).color(), QColor(Qt::red));
    EXPECT_TRUE(hidden->font(0).italic());

    page.selectComponent(1);
    page.dropOnto(inner);
    QCoreApplication::processEvents();
    EXPECT_EQ(this->project().InstallComponents[1].parentIndex, -1) << "a drop onto a descendant is refused";
    EXPECT_FALSE(this->project().Modified);

    page.selectComponent(2);
    page.dropOnto(root);
    QTRY_COMPARE(treeTexts().last(), QStringLiteral("  Inner [ Module Container ]"));
    EXPECT_EQ(this->project().InstallComponents[2].parentIndex, -1);
    EXPECT_TRUE(this->project().Modified);
}

TEST_F(ProjectWindowSections, AHiddenModuleShowsOnlyHiddenAndRefreshesAfterTheChange)
{
    open();
    tree().selectComponent(0);
    EXPECT_EQ(inspectorRows(), QStringList({"Module Flags", "Restart", "Disable No Uninstall Warning", "Exclusive",
                                            "Don't Inherit Check", "Checkable Alone", "Fixed", "Hidden",
                                            "Setup Types", "Full", "Compact", "Custom", "Languages", "English",
                                            "German"}));
    TNxCheckBoxItem *hiddenRow = inspectorRow("Module Flags", "Hidden");
    ASSERT_NE(hiddenRow, nullptr);
    hiddenRow->setAsBoolean(true);

    EXPECT_TRUE(project().CabCreatorModuleHiddenInstall);
    EXPECT_TRUE(project().Modified);
    EXPECT_EQ(inspectorRows().size(), 15) << "the rows stay while the inspector's handler runs";
    QTRY_COMPARE(inspectorRows(), QStringList({"Module Flags", "Hidden", "Languages", "English", "German"}));
    EXPECT_EQ(treeTexts().at(1), "  Demo [CAB Creator Module] [ Hidden ]");
}

TEST_F(ProjectWindowSections, RowsOfManySetupTypesChangeOnlyTheirOwnList)
{
    auto project = std::make_unique<TProjectContainer>();
    project->CreateNewProject();
    project->AppName = "Demo";
    project->InstallTypes.clear();
    for (int i = 0; i < 120; ++i)
        project->InstallTypes << QStringLiteral("Type %1").arg(i);
    project->InstallTypesDescriptions = project->InstallTypes;
    project->CabCreatorModuleInstallTypes.clear();
    project->Languages.AddNew().LanguageID = "English";
    project->Languages.AddNew().LanguageID = "German";
    open(std::move(project));
    tree().selectComponent(0);

    TNxCheckBoxItem *row = inspectorRow("Setup Types", "Type 105");
    ASSERT_NE(row, nullptr);
    row->setAsBoolean(true);
    EXPECT_EQ(this->project().CabCreatorModuleInstallTypes, QStringList{"Type 105"});
    EXPECT_TRUE(this->project().CabCreatorModuleLanguages.isEmpty());
    inspectorRow("Languages", "German")->setAsBoolean(true);
    EXPECT_EQ(this->project().CabCreatorModuleLanguages, QStringList{"German"});
    EXPECT_EQ(this->project().CabCreatorModuleInstallTypes, QStringList{"Type 105"});
    inspectorRow("Setup Types", "Type 105")->setAsBoolean(false);
    EXPECT_TRUE(this->project().CabCreatorModuleInstallTypes.isEmpty());
}

TEST_F(ProjectWindowSections, EditingAContainerOrARuntimeModuleUsesItsDialog)
{
    TProgramOptions options;
    ScopedCurrentProgramOptions useOptions{options};
    open();
    ASSERT_TRUE(trigger(tree().preparedAddMenu(false), "Module Container"));
    tree().selectComponent(1);
    QString caption;
    tree().runDialog = [&caption](QDialog &dialog) {
        caption = dialog.windowTitle();
        auto &container = dynamic_cast<TeditComponentContainer &>(dialog);
        EXPECT_EQ(container.ed_description->text(), "Container");
        container.ed_description->setText("Tools");
        return int(QDialog::Accepted);
    };
    tree().cm_editClick();
    EXPECT_EQ(caption, "Modules Container");
    EXPECT_EQ(project().InstallComponents[1].moduleName, "Tools");

    tree().runDialog = [](QDialog &dialog) {
        auto &runtime = dynamic_cast<TRuntimeModuleDialog &>(dialog);
        EXPECT_FALSE(runtime.EditMode);
        EXPECT_EQ(runtime.ed_caption->text(), ".NET CF2 Runtimes - Builtin Distribution");
        runtime.Checked = runtime.shape().emptyMarks();
        runtime.Checked[0][0] = true;
        return int(QDialog::Accepted);
    };
    QMenu *add = tree().preparedAddMenu(false);
    QMenu *netcf = nullptr;
    for (QAction *action : add->actions()) {
        if (action->menu() && action->text() == ".NET Compact Framework v2")
            netcf = action->menu();
    }
    ASSERT_NE(netcf, nullptr);
    ASSERT_TRUE(trigger(netcf, "Builtin Distribution"));
    ASSERT_EQ(project().PluginContainers.Count(), 1);
    const int runtime = project().InstallComponents.Count() - 1;
    EXPECT_EQ(project().InstallComponents[runtime].moduleType, ModuleType::NetCF2);
    EXPECT_TRUE(project().PluginContainers[0].Platforms[0].Processors[0].Checked);

    tree().selectComponent(runtime);
    tree().runDialog = [](QDialog &dialog) {
        auto &edit = dynamic_cast<TRuntimeModuleDialog &>(dialog);
        EXPECT_TRUE(edit.EditMode);
        EXPECT_TRUE(edit.Checked[0][0]);
        edit.Checked[0][0] = false;
        edit.Checked[1][1] = true;
        edit.ed_caption->setText("Runtime");
        return int(QDialog::Accepted);
    };
    tree().cm_editClick();
    const TPluginContainer &module = project().PluginContainers[0];
    EXPECT_EQ(module.Caption, "Runtime");
    EXPECT_FALSE(module.Platforms[0].Processors[0].Checked);
    EXPECT_FALSE(module.Platforms[0].Checked);
    EXPECT_TRUE(module.Platforms[1].Processors[1].Checked);
    EXPECT_TRUE(module.Platforms[1].Checked);

    project().InstallComponents[runtime].moduleIndex = 7;
    tree().cm_editClick();
    EXPECT_EQ(ui.shownTexts().last(),
              "An error occured while loading module, maybe your project file is corrupted !");
}

// Setup types ---------------------------------------------------------------

TEST_F(ProjectWindowSections, SetupTypesAreAddedEditedAndMarkedCustom)
{
    open();
    SetupTypesPage &page = *form->setupTypes();
    EXPECT_FALSE(page.ct_edit->isEnabled());
    EXPECT_EQ(page.ct_custom->text(), "Set Custom") << "the command's name until a row says what it does";
    page.runDialog = [](QDialog &dialog) {
        auto &strings = dynamic_cast<Teditor_strings &>(dialog);
        EXPECT_EQ(strings.windowTitle(), "Custom Install Type");
        EXPECT_EQ(strings.TntLabel1->text(), "Name");
        EXPECT_EQ(strings.TntLabel2->text(), "Description");
        strings.tb_key->setText("My Type");
        strings.tb_value->setText("Mine");
        strings.Button2Click();
        return dialog.result();
    };
    page.ct_addClick();
    EXPECT_EQ(project().InstallTypes.size(), 3) << "a name with a blank is refused";
    ASSERT_EQ(ui.calls().size(), 1);
    EXPECT_EQ(ui.calls().first().messageKind, UiMessageKind::Error);

    page.runDialog = [](QDialog &dialog) {
        auto &strings = dynamic_cast<Teditor_strings &>(dialog);
        EXPECT_EQ(strings.tb_key->text(), "Full");
        strings.tb_key->setText("Complete");
        return int(QDialog::Accepted);
    };
    page.selectRow(0);
    page.ct_editClick();
    EXPECT_EQ(project().InstallTypes.first(), "Complete");
    EXPECT_EQ(project().CabCreatorModuleInstallTypes.first(), "Complete");
    EXPECT_EQ(page.selectedRow(), 0) << "the row stays selected across the refresh";

    page.selectRow(2);
    EXPECT_EQ(page.ct_custom->text(), "No Custom");
    EXPECT_EQ(page.gui_InstallTypes->topLevelItem(2)->text(2), "Yes");
    page.ct_customClick();
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(page.gui_InstallTypes->topLevelItem(row)->text(2), QString()) << row;
    EXPECT_EQ(page.ct_custom->text(), "Is Custom");
    page.ct_customClick();
    page.selectRow(1);
    page.ct_downClick();
    EXPECT_EQ(page.selectedRow(), 2);
    EXPECT_EQ(project().InstallTypes, QStringList({"Complete", "Custom", "Compact"}));
    EXPECT_EQ(page.gui_InstallTypes->topLevelItem(1)->text(2), "Yes");
    EXPECT_FALSE(page.ct_down->isEnabled());

    ui.queueAnswer(UiButton::Yes);
    QTest::keyRelease(page.gui_InstallTypes, Qt::Key_Delete);
    EXPECT_EQ(ui.shownTexts().last(), "Are you sure to delete ?");
    EXPECT_EQ(project().InstallTypes, QStringList({"Complete", "Custom"}));
    EXPECT_EQ(project().InstallTypesIsCustom, 1);
}

// Languages -----------------------------------------------------------------

TEST_F(ProjectWindowSections, LanguagesOnOfferAndTheDetailsDialog)
{
    open();
    LanguagesPage &page = *form->languages();
    QStringList offered;
    for (QAction *action : page.preparedLanguagesMenu()->actions())
        offered << action->text();
    EXPECT_EQ(offered, QStringList({"French", "Dutch"}));
    EXPECT_EQ(page.gui_Languages->topLevelItem(0)->text(1), "- none -");

    page.runDialog = [](QDialog &dialog) {
        auto &details = dynamic_cast<TLanguageDetails &>(dialog);
        EXPECT_EQ(details.JvComboBox1->currentText(), "Dutch");
        details.JvComboBox1->setCurrentIndex(-1);
        details.Button1Click();
        EXPECT_EQ(details.result(), int(QDialog::Rejected)) << "no language, no closing";
        details.JvComboBox1->setCurrentIndex(1);
        details.gui_BuildEULAFile->setText("eula.txt");
        return int(QDialog::Accepted);
    };
    page.AddLanguageFromMenu(1);
    EXPECT_EQ(ui.shownTexts(), QStringList{"You must choose a language"});
    ASSERT_EQ(project().Languages.Count(), 3);
    EXPECT_EQ(project().Languages[2].LanguageID, "Dutch");
    EXPECT_EQ(page.gui_Languages->topLevelItem(2)->text(2), "eula.txt");

    page.selectRow(0);
    page.runDialog = [](QDialog &dialog) {
        auto &details = dynamic_cast<TLanguageDetails &>(dialog);
        EXPECT_FALSE(details.JvComboBox1->isEnabled()) << "the name cannot change";
        EXPECT_EQ(details.JvComboBox1->count(), 1);
        details.gui_BuildReadmeFile->setText("readme.txt");
        return int(QDialog::Accepted);
    };
    page.lang_editClick();
    EXPECT_EQ(project().Languages[0].ReadmeFile, "readme.txt");

    project().CabCreatorModuleLanguages = QStringList{"English", "German"};
    ui.queueAnswer(UiButton::Yes);
    page.lang_deleteClick();
    EXPECT_EQ(project().Languages.Count(), 2);
    EXPECT_EQ(project().CabCreatorModuleLanguages, QStringList{"German"});
}

TEST_F(ProjectWindowSections, AFileBesideTheProjectIsStoredBare)
{
    QTemporaryDir folder;
    open();
    project().FileName = folder.filePath("demo.talmo");
    TLanguageDetails dialog;
    dialog.Container = &project();
    ui.queueFilesWithCheckBox({folder.filePath("readme.txt")}, true);
    dialog.gui_BuildReadmeFileButtonClick(dialog.gui_BuildReadmeFile);
    EXPECT_EQ(dialog.gui_BuildReadmeFile->text(), "readme.txt");
    ui.queueFilesWithCheckBox({folder.filePath("docs/eula.txt")}, true);
    dialog.gui_BuildReadmeFileButtonClick(dialog.gui_BuildEULAFile);
    EXPECT_EQ(dialog.gui_BuildEULAFile->text(), "docs\\eula.txt");
}

// General options, wizard dialogs and appearance ------------------------------

TEST_F(ProjectWindowSections, GeneralOptionsStoreOnlyWhatTheUserTypes)
{
    auto project = std::make_unique<TProjectContainer>();
    project->CreateNewProject();
    project->Win32AppName = "Hello";
    project->DefaultBuildMode = 1;
    open(std::move(project));
    GeneralOptionsPanel &panel = *form->generalOptions();
    EXPECT_EQ(panel.gui_Win32AppName->text(), "Hello");
    EXPECT_EQ(panel.gui_AutoBuildMode->currentIndex(), 1);
    EXPECT_TRUE(panel.gui_AutoBuildMode->isEnabled());
    form->RefreshFromProject();
    EXPECT_FALSE(this->project().Modified) << "a refresh never marks the project modified";

    panel.gui_Provider->selectAll();
    QTest::keyClicks(panel.gui_Provider, "Acme");
    EXPECT_EQ(this->project().Provider, "Acme");
    EXPECT_TRUE(this->project().Modified);

    QSignalSpy manager(form.get(), &TprojectForm::projectManagerRefreshRequested);
    panel.gui_AutoBuildModeChange(0);
    EXPECT_EQ(this->project().DefaultBuildMode, 0);
    EXPECT_EQ(manager.count(), 1);

    this->project().Win32Only = true;
    form->RefreshFromProject();
    EXPECT_FALSE(panel.gui_AutoBuildMode->isEnabled());
    EXPECT_FALSE(panel.lb_AutoBuildMode->isEnabled());
}

TEST_F(ProjectWindowSections, CustomPagesGetFreeNamesAndTheirRowsEnableThem)
{
    open();
    project().Modified = false;
    WizardDialogsPage &page = *form->wizardDialogs();
    EXPECT_FALSE(page.cf_edit->isEnabled());
    page.cf_addClick();
    page.cf_addClick();
    EXPECT_TRUE(project().Modified);
    ASSERT_EQ(page.gui_CustomForms->topLevelItemCount(), 2);
    EXPECT_EQ(page.gui_CustomForms->topLevelItem(0)->text(0), "CustomForm");
    EXPECT_EQ(page.gui_CustomForms->topLevelItem(1)->text(0), "CustomForm2");
    EXPECT_EQ(page.gui_CustomForms->topLevelItem(1)->text(1), "Welcome");

    page.gui_CustomForms->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    EXPECT_FALSE(project().CustomForms[1].Enabled);
    EXPECT_EQ(project().CustomForms.Count(), 2);

    page.selectRow(1);
    EXPECT_FALSE(page.cf_down->isEnabled());
    page.cf_editClick();
    ASSERT_NE(form->wizardDialogTab(), nullptr);
    EXPECT_EQ(dynamic_cast<KeyPage *>(form->wizardDialogTab()->page())->key, 1);
    page.bt_GlobalCode->click();
    EXPECT_EQ(dynamic_cast<KeyPage *>(form->wizardDialogTab()->page())->kind, PageKind::GlobalCode);

    // What a page's own editor changed shows once the window is back at the section.
    project().CustomForms[1].Name = QStringLiteral("Survey");
    project().Modified = false;
    form->breadcrumb().select(form->breadcrumb().root(ProjectBreadcrumb::WizardDialogs));
    EXPECT_EQ(page.gui_CustomForms->topLevelItem(1)->text(0), "Survey");
    EXPECT_FALSE(project().Modified);
}

TEST_F(ProjectWindowSections, TheSevenStandardDialogsInTheirOrder)
{
    open();
    WizardDialogsPage &page = *form->wizardDialogs();
    QStringList captions;
    for (int i = 0; i < page.gui_StandardForms->count(); ++i)
        captions << page.gui_StandardForms->item(i)->text();
    EXPECT_EQ(captions, QStringList({"Select Destination Location", "Setup Completed ", "Select Start Menu Folder ",
                                     "Ready to Install ", "Components Selection", "User Information",
                                     "Welcome Page"}));
    const QList<bool> shown = StandardDialogChoices::read(project());
    for (int i = 0; i < shown.size(); ++i)
        EXPECT_EQ(page.gui_StandardForms->item(i)->checkState() == Qt::Checked, shown[i]) << i;

    page.gui_StandardForms->item(5)->setCheckState(Qt::Checked);
    EXPECT_TRUE(project().UserInfoPage);
    EXPECT_TRUE(project().Modified);
    page.gui_StandardForms->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(project().StandardForms[1]);
}

TEST_F(ProjectWindowSections, ASkinWithoutPreviewIsStillChosen)
{
    QTemporaryDir programFolder;
    QDir(programFolder.path()).mkpath("Setup Skins/Blue");
    QDir(programFolder.path()).mkpath("Setup Skins/Plain");
    QImage bitmap(8, 6, QImage::Format_RGB32);
    bitmap.fill(Qt::blue);
    ASSERT_TRUE(bitmap.save(programFolder.filePath("Setup Skins/Blue/Blue.bmp"), "BMP"));
    ProgramFolder::setOverride(programFolder.path());
    catalogue.SetupSkinNames = {"Blue", "Plain"};
    FakeShellServices shell;
    ScopedCurrentShellServices useShell{shell};
    open();
    AppearancePage &page = *form->appearance();
    EXPECT_EQ(page.cb_SkinName->count(), 2);

    page.cb_SkinName->setCurrentIndex(0);
    page.cb_SkinNameChange();
    EXPECT_EQ(project().SkinName, "Blue");
    EXPECT_FALSE(page.im_Preview->pixmap().isNull());
    page.cb_SkinName->setCurrentIndex(1);
    page.cb_SkinNameChange();
    EXPECT_EQ(project().SkinName, "Plain");
    EXPECT_TRUE(page.im_Preview->pixmap().isNull());
    EXPECT_TRUE(ui.calls().isEmpty()) << "no message for a missing bitmap";

    EXPECT_FALSE(page.eb_SkinCrafterSkin->isEnabled());
    page.cb_SkinCrafterSupport->click();
    EXPECT_TRUE(project().SkinCrafterSupport);
    EXPECT_TRUE(page.eb_SkinCrafterSkin->isEnabled());
    ProgramFolder::clearOverride();
}
