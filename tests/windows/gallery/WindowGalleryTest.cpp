// A picture of every window, page and dialog of the program, made headless
// from the example project into _build/gallery/ so anyone can look at the
// whole program without a display: each window and page on its own, and the
// main window as a user sees it ("Program-<size>-<view>"), with a grown
// project open, at three sizes. Each picture is checked only for being
// written, not blank, and for its window's title; pixels are never compared.
// To add a window, add a row to GalleryWindows(); to add a view of the main
// window, to ProgramViews().

#include "designer/DesignClassRegistry.h"
#include "designer/controls/Button.h"
#include "designer/controls/CheckBox.h"
#include "designer/controls/Edit.h"
#include "designer/controls/FormDesignerClasses.h"
#include "designer/controls/Label.h"
#include "designer/controls/Panel.h"
#include "designer/engine/TELDesignPanel.h"
#include "designer/engine/TELDesigner.h"
#include "designer/engine/TELDesignerGrid.h"
#include "designer/engine/TELDesignerSelectedControls.h"
#include "designer/pages/FormDesigner.h"
#include "designer/script/ScriptPages.h"
#include "editors/registry/AddFileAssociation.h"
#include "editors/cab/CABCreatorForm.h"
#include "editors/desktop/Win32InstallationForm.h"
#include "editors/modules/CabFilenameEditor.h"
#include "editors/dialogs/DropFilesDialog.h"
#include "editors/registry/EditorRegistryEntry.h"
#include "editors/registry/EditorRegistrySection.h"
#include "editors/dialogs/EditorShortcutEntry.h"
#include "editors/dialogs/EditorStrings.h"
#include "editors/ModulePages.h"
#include "editors/dialogs/PathBuilder.h"
#include "editors/cab/PpcFileProperties.h"
#include "editors/modules/RuntimeModuleDialog.h"
#include "editors/dialogs/StringPairCheck.h"
#include "editors/cab/TargetPlatformOptions.h"
#include "engine/scriptcode/FullScriptSource.h"
#include "engine/setup/CompileProgress.h"
#include "engine/setup/SetupBuild.h"
#include "helpers/ui/FakeUiServices.h"
#include "helpers/ui/TntButtonEdit.h"
#include "model/ProjectContainer.h"
#include "model/ProgramOptions.h"
#include "model/ProjectManager.h"
#include "model/RegistrySection.h"
#include "model/SetupCatalogueFolder.h"
#include "pagehost/FakeProjectWindowHost.h"
#include "pagehost/HostedPage.h"
#include "pagehost/PageKind.h"
#include "pagehost/ProjectBreadcrumb.h"
#include "pagehost/ProjectPageFactory.h"
#include "platform/ProgramFolder.h"
#include "platform/RegistryMemoryStore.h"
#include "platform/ShellServices.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"
#include "tests/support/CopyFolder.h"
#include "tests/support/QtPrinters.h"
#include "tests/windows/gallery/GalleryProject.h"
#include "tests/windows/gallery/LayoutCheck.h"
#include "widgets/NextInspector.h"
#include "widgets/NxHeaderPanel.h"
#include "widgets/NxOutlookBar.h"
#include "widgets/NxPageControl.h"
#include "widgets/NxTabSheet.h"
#include "windows/builder/BuilderForm.h"
#include "windows/builder/BuilderFormRunner.h"
#include "windows/project/HostedTab.h"
#include "windows/project/ModuleTreePage.h"
#include "windows/options/SearchProgressDialog.h"
#include "windows/project/SetupTypesPage.h"
#include "windows/main/TAboutBox.h"
#include "windows/wizard/TInstallanionWizard.h"
#include "windows/project/TLanguageDetails.h"
#include "windows/options/TOptionsForm.h"
#include "windows/options/TaddPluginSet.h"
#include "windows/options/TadvancedBuilderOptions.h"
#include "windows/project/TeditComponentContainer.h"
#include "windows/options/TtextEditor.h"
#include "windows/main/TmasterForm.h"
#include "windows/project/TprojectForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QLabel>
#include <QProgressDialog>
#include <QTabWidget>
#include <QTest>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace talmo;

namespace {

const QString ProgramFolderPath = QStringLiteral(TALMO_TEST_PROGRAM_DIR);

using talmo::testing::CopyFolder;
using talmo::testing::LayoutCheck;
using talmo::testing::LayoutException;
using talmo::testing::LayoutFinding;
using talmo::testing::LayoutRule;

bool WaitUntil(const std::function<bool()> &condition)
{
    const QDeadlineTimer deadline(60000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

// The program as main() sets it up, over fakes for the dialogs and the
// shell, with the example project copied into a folder of its own.
struct Gallery
{
    Gallery()
    {
        ProgramFolder::setOverride(ProgramFolderPath);
        registerModulePages(pages);
        registerScriptPages(pages);
        registerDesignerPages(pages);
        builder.Builder().DefaultSetupBuild().SetScriptSource(&scriptSource);
        builder.Builder().SetWorkingFolder(root.filePath(QStringLiteral("work")));
        QDir(root.path()).mkpath(QStringLiteral("work"));
        QDir(root.path()).mkpath(QStringLiteral("Hello/output"));
        CopyFolder(ProgramFolderPath + QStringLiteral("/examples/Hello"), root.filePath(QStringLiteral("Hello")));
        master.resize(1024, 700);
        master.show();
    }
    ~Gallery() { ProgramFolder::clearOverride(); }

    QString ExampleProject() const { return root.filePath(QStringLiteral("Hello/Hello.talmo")); }

    TprojectForm &OpenExample()
    {
        EXPECT_TRUE(master.OpenFile(ExampleProject()));
        return *master.activeProjectForm();
    }

    // A module page of its own, standing beside the project window on a fake
    // host, over a small project with one module of each file-list kind.
    QWidget *ShowPage(PageKind kind, int moduleType)
    {
        if (pageProject.CabCollections.IsEmpty())
            FillPageProject();
        int key = -1;
        for (int i = 0; i < pageProject.InstallComponents.Count(); ++i) {
            if (pageProject.InstallComponents[i].moduleType == moduleType)
                key = i;
        }
        QWidget *page = pages.create(kind, { pageProject, pageHost, key, &knowledge }, nullptr);
        page->setWindowTitle(pageKindName(kind));
        // A page is never drawn smaller than it was made.
        page->resize(page->size().expandedTo({ 640, 560 }));
        page->show();
        return page;
    }

    // A registry section with a few values, its key of several values selected.
    QWidget *ShowRegistrySectionPage()
    {
        TRegistrySection &section = pageProject.RegistrySections.AddNew();
        section.Caption = QStringLiteral("Hello settings");
        const char *const values[][5] = {
            { "HKEY_LOCAL_MACHINE", "Software\\Hello", "", "TYPE_SZ", "Hello World" },
            { "HKEY_LOCAL_MACHINE", "Software\\Hello", "Version", "TYPE_DWORD", "3" },
            { "HKEY_LOCAL_MACHINE", "Software\\Hello", "Key", "TYPE_BINARY", "0A,FF,10" },
            { "HKEY_LOCAL_MACHINE", "Software\\Hello", "Folders", "TYPE_MULTI_SZ", "\"one\",\"two\"" },
            { "HKEY_CURRENT_USER", "Software\\Hello\\Recent", "File1", "TYPE_SZ", "\\My Documents\\a.txt" },
        };
        for (const auto &value : values) {
            TRegistryEntry &entry = section.Entries.AddNew();
            entry.registry_root_string = QLatin1String(value[0]);
            entry.subkey = QLatin1String(value[1]);
            entry.value_name = QLatin1String(value[2]);
            entry.flags = QLatin1String(value[3]);
            entry.value = QLatin1String(value[4]);
        }
        auto *page = static_cast<Teditor_RegistrySection *>(pages.create(
            PageKind::RegistrySection, { pageProject, pageHost, pageProject.RegistrySections.Count() - 1, &knowledge },
            nullptr));
        page->JvTreeView1->expandAll();
        page->JvTreeView1->setCurrentItem(
            page->nodeOfKey(RegistryKeyPath({ QStringLiteral("HKEY_LOCAL_MACHINE"), QStringLiteral("Software"),
                                              QStringLiteral("Hello") })));
        page->resize(640, 560);
        page->show();
        return page;
    }

    // One target with files in a folder of its own, for the CAB creator's files tab.
    void AddDeviceFiles()
    {
        pageProject.AppName = QStringLiteral("Hello");
        TCEDevice &target = pageProject.CEDevices.AddNew();
        target.Caption = QStringLiteral("CEDevice [ Default ]");
        for (const char *name : { "hello.exe", "readme.txt", "logo.png" }) {
            TPPCFS_File &file = target.Files.AddNew();
            file.DestinationDir = QStringLiteral("%CE1%\\%AppName%\\");
            file.DestinationName = file.SourceName = QLatin1String(name);
            file.SourceDir = QStringLiteral("device\\");
        }
    }

    // The designer of a small custom page.
    QWidget *ShowDesignerPage()
    {
        TCustomForm &custom = pageProject.CustomForms.AddNew(false);
        custom.Name = QStringLiteral("Details");
        custom.Caption = QStringLiteral("Your details");
        custom.Description = QStringLiteral("Who will use the program?");
        custom.Data = QStringList{
            QStringLiteral("object TPanel"),
            QStringLiteral("  object Label1: TLabel"), QStringLiteral("    Left = 8"), QStringLiteral("    Top = 12"),
            QStringLiteral("    Width = 31"), QStringLiteral("    Height = 13"), QStringLiteral("    Caption = 'Name:'"),
            QStringLiteral("  end"),
            QStringLiteral("  object Edit1: TEdit"), QStringLiteral("    Left = 64"), QStringLiteral("    Top = 8"),
            QStringLiteral("    Width = 200"), QStringLiteral("    Height = 21"), QStringLiteral("    TabOrder = 0"),
            QStringLiteral("  end"),
            QStringLiteral("  object CheckBox1: TCheckBox"), QStringLiteral("    Left = 8"),
            QStringLiteral("    Top = 44"), QStringLiteral("    Width = 200"), QStringLiteral("    Height = 17"),
            QStringLiteral("    Caption = 'Send me news'"), QStringLiteral("    TabOrder = 1"), QStringLiteral("  end"),
            QStringLiteral("end"),
        };
        QWidget *page = pages.create(PageKind::CustomPage,
                                     { pageProject, pageHost, pageProject.CustomForms.Count() - 1, &knowledge }, nullptr);
        page->resize(700, 560);
        page->show();
        return page;
    }

    void FillPageProject()
    {
        pageProject.FileName = root.filePath(QStringLiteral("Pages/Pages.talmo"));
        talmo::testing::AddFileModules(pageProject);
        talmo::testing::AddDesktopModule(pageProject);
        pageProject.URLText = QStringLiteral("Hello on the web");
        pageProject.URL = QStringLiteral("http://example.org/hello");
    }

    QTemporaryDir root;
    RegistryMemoryStore store;
    ScopedCurrentRegistryStore useStore{ store };
    FakeUiServices ui;
    ScopedCurrentUiServices useUi{ ui };
    FakeShellServices shell;
    ScopedCurrentShellServices useShell{ shell };
    // The skins and setup languages of the program folder, as main() loads them.
    SetupCatalogue catalogue = LoadSetupCatalogue(ProgramFolderPath);
    ScopedCurrentSetupCatalogue useCatalogue{ catalogue };
    ScriptKnowledgeBase knowledge;
    FullScriptSource scriptSource{ knowledge, nullptr };
    ProjectPageFactory pages;
    TBuilderForm builder;
    BuilderFormRunner runner{ builder };
    TmasterForm master{ { pages, &knowledge, runner, true } };
    TProjectContainer pageProject;
    FakeProjectWindowHost pageHost;
    TProgramOptions options;
    std::unique_ptr<SearchProgressDialog> searchProgress;
};

// The new-project wizard on one of its pages, filled in as far as that page.
QWidget *ShowWizardPage(Gallery &g, int page)
{
    auto *wizard = new TInstallanionWizard(&g.master);
    wizard->Container = &g.pageProject;
    wizard->show();
    wizard->wizardApplicationName->setText(QStringLiteral("Hello"));
    g.ui.queueFiles({ QStringLiteral("/home/me/Hello/hello.exe"), QStringLiteral("/home/me/Hello/readme.txt") });
    wizard->JvBitBtn1Click();
    wizard->wizardFiles->item(0)->setCheckState(Qt::Checked);
    for (int step = 0; step < page; ++step)
        wizard->next();
    return wizard;
}

// One picture: the widget to grab (shown and laid out by the row) and the
// title it must carry. Rows run in order on one Gallery.
struct GalleryWindow
{
    QString name;
    std::function<QWidget *(Gallery &gallery)> show;
    QString title;
    // Dialogs a row made for itself are freed after the picture.
    bool ownsWidget = false;
};

QWidget *ProjectSection(Gallery &gallery, TprojectForm::Section section)
{
    TprojectForm &form = *gallery.master.activeProjectForm();
    form.ShowSection(section);
    return &form;
}

// The palette's classes, registered once for every designed page here.
const TDesignClassRegistry &PaletteRegistry()
{
    static const TDesignClassRegistry &registry = *[] {
        auto *classes = new TDesignClassRegistry;
        InitFormDesignerUnit(*classes);
        return classes;
    }();
    return registry;
}

// A wizard page on the design surface, two controls selected so that the
// corner handles show. The designer lives as long as the window.
QWidget *DesignedPage()
{
    const TDesignClassRegistry &registry = PaletteRegistry();
    auto *window = new QWidget;
    window->setWindowTitle(QStringLiteral("Design Surface"));
    window->resize(430, 242);
    auto *designer = new TELDesigner(registry, window);
    auto *panel = new TELDesignPanel(window);
    panel->setGeometry(6, 6, 418, 230);
    auto *root = new TPanel(window);
    root->resize(414, 226);
    root->setBevelOuter(TVisualControl::bvNone);
    const auto add = [root](TDesignControl *control, const QString &name, const QRect &bounds) {
        control->setParent(root);
        root->insertComponent(control);
        control->rename(name);
        control->setBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        return control;
    };
    auto *label = static_cast<TLabel *>(add(new TLabel, QStringLiteral("Label1"), { 16, 20, 60, 13 }));
    label->setCaption(QStringLiteral("User name:"));
    TDesignControl *edit = add(new TEdit, QStringLiteral("Edit1"), { 16, 40, 200, 21 });
    auto *check = static_cast<TCheckBox *>(add(new TCheckBox, QStringLiteral("CheckBox1"), { 16, 76, 160, 17 }));
    check->setCaption(QStringLiteral("Remember me"));
    auto *button = static_cast<TButton *>(add(new TButton, QStringLiteral("Button1"), { 16, 112, 75, 25 }));
    button->setCaption(QStringLiteral("Sign in"));
    designer->Grid().setXStep(4);
    designer->Grid().setYStep(4);
    designer->SetDesignPanel(panel);
    designer->SetDesignControl(root);
    window->show();
    designer->SetActive(true);
    designer->SelectedControls().SelectList({ edit, button });
    return window;
}

// The eighteen controls of the page designer's palette on a designed page,
// as the palette inserts them (named by class, the text following the name).
QWidget *ShowPaletteControls()
{
    const TDesignClassRegistry &registry = PaletteRegistry();
    auto *page = new TPanel;
    page->setWindowTitle(QStringLiteral("Page designer controls"));
    page->setBounds(0, 0, 560, 360);
    page->setDesigning(true);
    const std::pair<const char *, QRect> placed[] = {
        { "TLabel", { 8, 8, 0, 0 } },           { "TNewStaticText", { 8, 32, 0, 0 } },
        { "TButton", { 8, 56, 75, 25 } },        { "TEdit", { 8, 90, 121, 21 } },
        { "TPasswordEdit", { 8, 120, 121, 21 } }, { "TComboBox", { 8, 150, 145, 21 } },
        { "TCheckBox", { 8, 180, 97, 17 } },     { "TRadioButton", { 8, 204, 113, 17 } },
        { "TNewProgressBar", { 8, 232, 150, 17 } }, { "TBevel", { 8, 262, 50, 50 } },
        { "TBitmapImage", { 70, 262, 90, 90 } }, { "TPanel", { 216, 8, 185, 41 } },
        { "TMemo", { 216, 56, 185, 89 } },       { "TRichEditViewer", { 216, 152, 185, 89 } },
        { "TListBox", { 216, 248, 121, 97 } },   { "TFolderTreeView", { 424, 8, 121, 97 } },
        { "TStartMenuFolderTreeView", { 424, 112, 121, 97 } }, { "TNewCheckListBox", { 424, 216, 121, 97 } },
    };
    for (const auto &[className, bounds] : placed) {
        const QString name = QString::fromLatin1(className);
        TDesignControl *control = registry.find(name)->create();
        control->setParent(page);
        control->show();
        page->insertComponent(control);
        control->rename(name.mid(1).replace(QLatin1String("NewProgressBar"), QLatin1String("ProgressBar")) + u'1');
        if (bounds.width() > 0)
            control->setBounds(bounds.left(), bounds.top(), bounds.width(), bounds.height());
        else
            control->setBounds(bounds.left(), bounds.top(), control->width(), control->height());
    }
    page->show();
    return page;
}

// The about box on one of its tabs.
QWidget *ShowAboutPage(Gallery &g, int tab)
{
    auto *about = new TAboutBox(&g.master);
    about->show();
    about->findChild<QTabWidget *>(QStringLiteral("pc_Pages"))->setCurrentIndex(tab);
    return about;
}

QList<GalleryWindow> GalleryWindows()
{
    return {
        { QStringLiteral("MainWindow-Welcome"),
          [](Gallery &g) {
              g.master.UpdateIdleState();
              return &g.master;
          },
          QStringLiteral("Talmo - Welcome") },
        { QStringLiteral("ProjectWindow-Modules"),
          [](Gallery &g) {
              g.OpenExample();
              return ProjectSection(g, TprojectForm::ModulesSection);
          },
          QStringLiteral("Hello.talmo") },
        { QStringLiteral("ProjectWindow-Languages"),
          [](Gallery &g) { return ProjectSection(g, TprojectForm::LanguagesSection); }, QStringLiteral("Hello.talmo") },
        { QStringLiteral("ProjectWindow-WizardDialogs"),
          [](Gallery &g) { return ProjectSection(g, TprojectForm::WizardDialogsSection); }, QStringLiteral("Hello.talmo") },
        { QStringLiteral("ProjectWindow-SetupTypes"),
          [](Gallery &g) { return ProjectSection(g, TprojectForm::SetupTypesSection); }, QStringLiteral("Hello.talmo") },
        { QStringLiteral("ProjectWindow-Appearance"),
          [](Gallery &g) { return ProjectSection(g, TprojectForm::AppearanceSection); }, QStringLiteral("Hello.talmo") },
        { QStringLiteral("MainWindow-ProjectManager"),
          [](Gallery &g) {
              TProjectManager manager;
              manager.Entries.AddNew().FileName = QStringLiteral("Hello\\Hello.talmo");
              const QString file = g.root.filePath(QStringLiteral("Examples.talmopm"));
              manager.SaveToFile(file);
              g.master.OpenFile(file);
              g.master.UpdateIdleState();
              return &g.master;
          },
          QStringLiteral("Talmo") },
        { QStringLiteral("ProjectManagerPanel"),
          [](Gallery &g) { return static_cast<QWidget *>(g.master.managerHeaderPanel()); },
          QStringLiteral("Talmo") },
        { QStringLiteral("BuilderWindow"),
          [](Gallery &g) -> QWidget * {
              TBuilderForm &builder = g.builder;
              builder.SetProject(&g.master.activeProjectForm()->project());
              builder.SetBuildMode(BuilderModeCabs);
              builder.SetKeepOpen(true);
              bool finished = false;
              QObject::connect(&builder.Builder(), &BuildController::automaticStepFinished, &builder,
                               [&finished] { finished = true; }, Qt::SingleShotConnection);
              builder.open();
              EXPECT_TRUE(WaitUntil([&finished] { return finished; }));
              EXPECT_EQ(builder.ResultCode(), 0) << builder.Builder().LogLines().join(u'\n').toStdString();
              return &builder;
          },
          QStringLiteral("Builder - Hello.talmo") },
        { QStringLiteral("AboutBox"),
          [](Gallery &g) -> QWidget * {
              auto *about = new TAboutBox(&g.master);
              about->show();
              return about;
          },
          QStringLiteral("About"), true },
        { QStringLiteral("AboutBox-ThirdParty"), [](Gallery &g) { return ShowAboutPage(g, 1); }, QStringLiteral("About"),
          true },
        { QStringLiteral("AboutBox-Support"), [](Gallery &g) { return ShowAboutPage(g, 2); }, QStringLiteral("About"),
          true },
        { QStringLiteral("Dialog-CustomInstallType"),
          [](Gallery &g) -> QWidget * {
              // As the setup types page asks for a new type.
              auto *dialog = new Teditor_strings(&g.master);
              dialog->setWindowTitle(StringPairCheck::SetupTypeCaption);
              dialog->TntLabel1->setText(QStringLiteral("Name"));
              dialog->TntLabel2->setText(QStringLiteral("Description"));
              dialog->tb_key->setText(QStringLiteral("Minimal"));
              dialog->tb_value->setText(QStringLiteral("Minimal installation, without the help files"));
              dialog->show();
              return dialog;
          },
          QStringLiteral("Custom Install Type"), true },
        { QStringLiteral("Dialog-SetupProgress"),
          [](Gallery &g) -> QWidget * {
              emit g.builder.Builder().compileProgressShown(true);
              emit g.builder.Builder().compileProgressChanged(CompileProgress::Text(42, 180000), 40, 100);
              return g.builder.findChild<QProgressDialog *>();
          },
          QStringLiteral("Building Setup Wizard") },
        { QStringLiteral("Dialog-CustomStrings"),
          [](Gallery &g) -> QWidget * {
              auto *dialog = new Teditor_strings(&g.master);
              dialog->setWindowTitle(StringPairCheck::CustomStringsCaption);
              dialog->tb_key->setText(QStringLiteral("Company"));
              dialog->tb_value->setText(QStringLiteral("Example Ltd"));
              dialog->show();
              return dialog;
          },
          QStringLiteral("Custom Strings Editor"), true },
        { QStringLiteral("Dialog-FileProperties"),
          [](Gallery &g) -> QWidget * {
              auto *dialog = new TppcFileProperties(&g.master);
              dialog->eb_ppcfs_source->setText(QStringLiteral("bin\\Hello.exe"));
              dialog->eb_ppcfs_dest->setText(QStringLiteral("Hello.exe"));
              dialog->show();
              return dialog;
          },
          QStringLiteral("File Properties"), true },
        { QStringLiteral("Dialog-TargetPlatformOptions"),
          [](Gallery &g) -> QWidget * {
              auto *dialog = new TtargetPlatformOptions(&g.master);
              dialog->tb_editor->setEditText(QStringLiteral("ARM"));
              dialog->_ProcessorType->setText(QStringLiteral("2577"));
              dialog->_buildMax->setCurrentIndex(3);
              dialog->show();
              return dialog;
          },
          QStringLiteral("Target Platform Options"), true },
        { QStringLiteral("Dialog-CabFilename"),
          [](Gallery &g) -> QWidget * {
              auto *dialog = new TCABFilenameEditor(&g.master);
              dialog->setWindowTitle(QStringLiteral("Cab Filename"));
              dialog->tb_filename->setText(QStringLiteral("ftp://downloads.example.org/extra.cab"));
              dialog->show();
              return dialog;
          },
          QStringLiteral("Cab Filename"), true },
        { QStringLiteral("Dialog-AddFilesOptions"),
          [](Gallery &g) -> QWidget * {
              auto *dialog = new TDropFilesDialog(&g.master);
              dialog->cb_InstallFolder->setEditText(QStringLiteral("%InstallDir%"));
              dialog->cb_Relative->setChecked(true);
              dialog->show();
              return dialog;
          },
          QStringLiteral("Add Files Options"), true },
        { QStringLiteral("Dialog-FileAssociation"),
          [](Gallery &g) -> QWidget * {
              auto *dialog = new TaddFileAssociation(&g.master);
              dialog->Project = &g.master.activeProjectForm()->project();
              dialog->tb_Extension->setText(QStringLiteral(".hlo"));
              dialog->tb_description->setText(QStringLiteral("Hello document"));
              dialog->show();
              return dialog;
          },
          QStringLiteral("File Association"), true },
        { QStringLiteral("Dialog-PathBuilder"),
          [](Gallery &g) -> QWidget * {
              auto *dialog = new TPathBuilder(&g.master);
              dialog->Project = &g.master.activeProjectForm()->project();
              dialog->Path = QStringLiteral("%InstallDir%\\Data");
              dialog->show();
              return dialog;
          },
          QStringLiteral("Path Builder"), true },
        { QStringLiteral("Dialog-ShortcutEntry"),
          [](Gallery &g) -> QWidget * {
              auto *dialog = new Teditor_ShortcutEntry(&g.master);
              dialog->Project = &g.master.activeProjectForm()->project();
              dialog->tb_short_filename->setText(QStringLiteral("Hello"));
              dialog->tb_dest_dir->setText(QStringLiteral("%CE11%"));
              dialog->show();
              return dialog;
          },
          QStringLiteral("Shortcut Editor"), true },
        { QStringLiteral("Dialog-SqlMobileModule"),
          [](Gallery &g) -> QWidget * {
              TProgramOptions options;
              ScopedCurrentProgramOptions useOptions{ options };
              auto *dialog = new TRuntimeModuleDialog(RuntimeModuleKind::SqlMobile, &g.master);
              dialog->ed_caption->setText(QStringLiteral("Mobile SQL Runtimes - Builtin Distribution"));
              dialog->show();
              return dialog;
          },
          QStringLiteral("SQL Mobile Module"), true },
        { QStringLiteral("Dialog-NetCF2Module"),
          [](Gallery &g) -> QWidget * {
              TProgramOptions options;
              ScopedCurrentProgramOptions useOptions{ options };
              auto *dialog = new TRuntimeModuleDialog(RuntimeModuleKind::NetCF2, &g.master);
              dialog->ed_caption->setText(QStringLiteral(".NET CF2 Runtimes - Builtin Distribution"));
              dialog->show();
              return dialog;
          },
          QStringLiteral(".NET Compact Framework v2 Details"), true },
        { QStringLiteral("Page-CabCollection"),
          [](Gallery &g) -> QWidget * { return g.ShowPage(PageKind::CabCollectionModule, ModuleType::CabCollection); },
          QStringLiteral("CAB(s) Collection"), true },
        { QStringLiteral("Page-PalmOS"),
          [](Gallery &g) -> QWidget * { return g.ShowPage(PageKind::PalmModule, ModuleType::PalmOS); },
          QStringLiteral("CAB(s) Collection (PalmOS)"), true },
        { QStringLiteral("Page-DirectCopy"),
          [](Gallery &g) -> QWidget * { return g.ShowPage(PageKind::DirectCopyModule, ModuleType::DirectCopy); },
          QStringLiteral("Direct Copy to Device Module"), true },
        { QStringLiteral("Page-Win32Module"),
          [](Gallery &g) -> QWidget * { return g.ShowPage(PageKind::Win32Module, ModuleType::Win32); },
          QStringLiteral("Win32 Installation Plugin"), true },
        { QStringLiteral("Page-Appearance"),
          [](Gallery &g) -> QWidget * { return g.ShowPage(PageKind::Appearance, -1); },
          QStringLiteral("Advanced Appearance Options"), true },
        { QStringLiteral("Page-CustomPageDesigner"),
          [](Gallery &g) -> QWidget * { return g.ShowDesignerPage(); },
          QStringLiteral("Custom Form Designer - Details"), true },
        { QStringLiteral("Page-RegistrySection"),
          [](Gallery &g) -> QWidget * { return g.ShowRegistrySectionPage(); },
          QStringLiteral("Edit Registry Section"), true },
        { QStringLiteral("Page-CabCreatorFiles"),
          [](Gallery &g) -> QWidget * {
              g.AddDeviceFiles();
              auto *page = static_cast<TCABCreatorForm *>(g.ShowPage(PageKind::CabCreatorModule, ModuleType::CabCreator));
              page->findChild<TNxPageControl *>(QStringLiteral("NxPageControl1"))->setActivePageIndex(1);
              page->selectFolder(QStringLiteral("Program Files\\Hello\\"));
              return page;
          },
          QStringLiteral("CAB Creator Module"), true },
        { QStringLiteral("Dialog-ModulesContainer"),
          [](Gallery &g) -> QWidget * {
              auto *dialog = new TeditComponentContainer(&g.master);
              dialog->ed_description->setText(QStringLiteral("Optional tools"));
              dialog->show();
              return dialog;
          },
          QStringLiteral("Modules Container"), true },
        { QStringLiteral("Dialog-LanguageDetails"),
          [](Gallery &g) -> QWidget * {
              auto *dialog = new TLanguageDetails(&g.master);
              dialog->Container = &g.master.activeProjectForm()->project();
              dialog->JvComboBox1->addItems({ QStringLiteral("French"), QStringLiteral("German") });
              dialog->gui_BuildReadmeFile->setText(QStringLiteral("docs\\readme-fr.txt"));
              dialog->show();
              return dialog;
          },
          QStringLiteral("Language Details"), true },
        { QStringLiteral("Page-GlobalCode"),
          [](Gallery &g) -> QWidget * {
              g.pageProject.CommonCode = { "var", "  Greeted: Boolean;", "", "function GreetingText(const Name: String): String;",
                                           "begin", "  // Shown on the welcome page", "  Result := 'Hello, ' + Name + '!';",
                                           "end;" };
              return g.ShowPage(PageKind::GlobalCode, -1);
          },
          QStringLiteral("Code Editor"), true },
        { QStringLiteral("Wizard-Welcome"), [](Gallery &g) { return ShowWizardPage(g, 0); },
          QStringLiteral("Installation Wizard"), true },
        { QStringLiteral("Wizard-Application"), [](Gallery &g) { return ShowWizardPage(g, 1); },
          QStringLiteral("Installation Wizard"), true },
        { QStringLiteral("Wizard-Files"), [](Gallery &g) { return ShowWizardPage(g, 2); },
          QStringLiteral("Installation Wizard"), true },
        { QStringLiteral("Wizard-Project"), [](Gallery &g) { return ShowWizardPage(g, 3); },
          QStringLiteral("Installation Wizard"), true },
        { QStringLiteral("Dialog-Options"),
          [](Gallery &g) -> QWidget * {
              g.options.NETCF2Sets.push_back(
                  { QStringLiteral("Devices of the lab"),
                    { { QStringLiteral("WCE500"),
                        { { QStringLiteral("armv4i"), { QStringLiteral("/opt/netcf/wce500/armv4i/netcf.armv4i.cab") } },
                          { QStringLiteral("x86"), { QStringLiteral("/opt/netcf/wce500/x86/netcf.x86.cab") } } } } } });
              auto *dialog = new TOptionsForm(g.options, &g.master);
              dialog->show();
              return dialog;
          },
          QStringLiteral("Options"), true },
        { QStringLiteral("Dialog-Options-MobileSQL"),
          [](Gallery &g) -> QWidget * {
              g.options.MSQLSets.push_back(
                  { QStringLiteral("SQL Mobile 3.5 of the SDK"),
                    { { QStringLiteral("wce500"),
                        { { QStringLiteral("armv4i"),
                            { QStringLiteral("/opt/sdk/SQL Server/Mobile/v3.5/wce500/armv4i/sqlce.wce5.armv4i.CAB"),
                              QStringLiteral("/opt/sdk/SQL Server/Mobile/v3.5/wce500/armv4i/sqlce.repl.wce5.armv4i.CAB") } } } } } });
              auto *dialog = new TOptionsForm(g.options, &g.master);
              dialog->show();
              dialog->pc_Pages->setCurrentIndex(1);
              return dialog;
          },
          QStringLiteral("Options"), true },
        { QStringLiteral("Dialog-SearchProgress"),
          [](Gallery &g) -> QWidget * {
              g.searchProgress = std::make_unique<SearchProgressDialog>(&g.master);
              g.searchProgress->folderEntered(QStringLiteral("/opt/sdk/SQL Server/Mobile/v3.5/wce500/armv4i"));
              g.searchProgress->dialog().show();
              return &g.searchProgress->dialog();
          },
          QStringLiteral("Automatic Search") },
        { QStringLiteral("Dialog-AddPluginSet"),
          [](Gallery &g) -> QWidget * {
              auto *dialog = new TaddPluginSet(&g.master);
              dialog->setWindowTitle(QStringLiteral("Add Mobile SQL Custom Set"));
              dialog->eb_CustomSetName->setText(QStringLiteral("SQL Mobile 3.5"));
              dialog->tb_DirectoryEdit->setText(QStringLiteral("/opt/sdk"));
              dialog->show();
              return dialog;
          },
          QStringLiteral("Add Mobile SQL Custom Set"), true },
        { QStringLiteral("Dialog-TextEditor"),
          [](Gallery &g) -> QWidget * {
              auto *dialog = new TtextEditor(&g.master);
              dialog->setSuggestions({ QStringLiteral("WCE400"), QStringLiteral("WCE500") });
              dialog->setText(QStringLiteral("WCE500"));
              dialog->show();
              return dialog;
          },
          QStringLiteral("Enter new value"), true },
        { QStringLiteral("Dialog-AdvancedOptions"),
          [](Gallery &g) -> QWidget * {
              auto *dialog = new TadvancedBuilderOptions(&g.master);
              dialog->Container = &g.master.activeProjectForm()->project();
              dialog->Values = AdvancedBuilderValues::FromProject(*dialog->Container);
              dialog->show();
              dialog->NextInspector1->selectItem(dialog->row(AdvancedBuilderValues::DefaultDirName));
              return dialog;
          },
          QStringLiteral("Advanced Options"), true },
        { QStringLiteral("Dialog-RegistryValue"),
          [](Gallery &g) -> QWidget * {
              auto *dialog = new TeditorRegistryEntry(&g.master);
              TRegistryEntry entry;
              entry.flags = QStringLiteral("TYPE_BINARY");
              entry.value = QStringLiteral("48,65,6C,6C,6F,00,0A,FF,01,02");
              dialog->load(entry);
              dialog->show();
              return dialog;
          },
          QStringLiteral("Edit Registry Key"), true },
        { QStringLiteral("Designer-DesignSurface"), [](Gallery &) { return DesignedPage(); },
          QStringLiteral("Design Surface"), true },
        { QStringLiteral("Designer-PaletteControls"), [](Gallery &) { return ShowPaletteControls(); },
          QStringLiteral("Page designer controls"), true },
    };
}

// The program's own views ----------------------------------------------------

const QSize ProgramSizes[] = { { 750, 610 }, { 1000, 700 }, { 1280, 800 } };

// The example opened first, then the project of a user, so both are recent files.
TprojectForm &OpenGalleryProject(Gallery &g)
{
    const QString file = g.root.filePath(QStringLiteral("Hello/Gallery.talmo"));
    EXPECT_TRUE(talmo::testing::WriteGalleryProject(g.ExampleProject(), file));
    EXPECT_TRUE(g.master.OpenFile(g.ExampleProject()));
    EXPECT_TRUE(g.master.OpenFile(file));
    return *g.master.activeProjectForm();
}

void ActivateTab(Gallery &g, TprojectForm &form)
{
    TNxPageControl *tabs = g.master.projectPages();
    for (int i = 0; i < tabs->getPageCount(); ++i) {
        if (g.master.projectFormAt(i) == &form)
            tabs->setActivePageIndex(i);
    }
}

// A click on the section bar's item, as a user chooses a section.
void ClickSection(TprojectForm &form, TprojectForm::Section section)
{
    auto *bar = form.findChild<TNxOutlookBar *>(QStringLiteral("NxOutlookBar1"));
    ASSERT_NE(bar, nullptr);
    const QRect item = bar->itemRect(bar->getItem(section));
    ASSERT_FALSE(item.isEmpty()) << "section " << section << " has no place on the bar";
    QTest::mouseClick(bar, Qt::LeftButton, {}, item.center());
    EXPECT_EQ(form.currentSection(), section);
}

// A click on a tab of the side pane, when its tabs show. A tab the strip
// has no room for is chosen behind its back: the layout check reports it.
void ClickSidePaneTab(TprojectForm &form, int index)
{
    auto *pane = form.findChild<TNxPageControl *>(QStringLiteral("NxPageControl3"));
    ASSERT_NE(pane, nullptr);
    if (!pane->showTabs())
        return;
    QTest::mouseClick(pane, Qt::LeftButton, {}, pane->stripGeometry().tabRect(index).center());
    if (pane->activePageIndex() != index)
        pane->setActivePageIndex(index);
}

// The first file of the program's folder, its properties in the side pane.
void SelectDesktopFile(TWin32InstallationForm &page)
{
    ASSERT_TRUE(page.selectFolder(QStringLiteral("{app}")));
    const QStringList types = page.listColumn(TWin32InstallationForm::List::Files, 1);
    for (int row = 0; row < types.size(); ++row) {
        if (types[row] != QStringLiteral("Folder")) {
            page.selectRows(TWin32InstallationForm::List::Files, { row });
            return;
        }
    }
    ADD_FAILURE() << "no file in {app}";
}

void Select(TprojectForm &form, TNxPathNode *node)
{
    ASSERT_NE(node, nullptr);
    form.breadcrumb().select(node);
}

int ComponentOfType(TprojectForm &form, int moduleType)
{
    const TInstallComponents &components = form.project().InstallComponents;
    for (int i = 0; i < components.Count(); ++i) {
        if (components[i].moduleType == moduleType)
            return i;
    }
    ADD_FAILURE() << "no module of type " << moduleType;
    return -1;
}

template<typename Page>
Page *OpenModulePage(TprojectForm &form, int moduleType)
{
    ClickSection(form, TprojectForm::ModulesSection);
    Select(form, form.breadcrumb().moduleNode(ComponentOfType(form, moduleType)));
    HostedTab *tab = form.moduleTab();
    return tab ? dynamic_cast<Page *>(tab->page()) : nullptr;
}

void OpenWizardNode(TprojectForm &form, int key)
{
    ProjectBreadcrumb &crumbs = form.breadcrumb();
    Select(form, crumbs.childWithKey(crumbs.root(ProjectBreadcrumb::WizardDialogs), key));
}

struct ProgramView
{
    QString name;
    std::function<void(Gallery &, TprojectForm &)> show;
};

// A view of a page with several tabs, one per tab, named by the tab.
QList<ProgramView> TabViews(const QString &name, const std::function<TNxPageControl *(TprojectForm &)> &open,
                            const QStringList &captions)
{
    QList<ProgramView> views;
    for (int i = 0; i < captions.size(); ++i) {
        views.append({ name + u'-' + captions[i], [open, i](Gallery &, TprojectForm &form) {
                          TNxPageControl *tabs = open(form);
                          ASSERT_NE(tabs, nullptr);
                          tabs->setActivePageIndex(i);
                      } });
    }
    return views;
}

QList<ProgramView> ProgramViews()
{
    const auto cabCreator = [](TprojectForm &form) -> TNxPageControl * {
        auto *page = OpenModulePage<TCABCreatorForm>(form, ModuleType::CabCreator);
        if (!page)
            return nullptr;
        // The folder of the example's files, so the file list shows them.
        EXPECT_TRUE(page->selectFolder(QStringLiteral("%InstallDir%\\")));
        return page->findChild<TNxPageControl *>(QStringLiteral("NxPageControl1"));
    };
    const auto desktop = [](TprojectForm &form) -> TNxPageControl * {
        auto *page = OpenModulePage<TWin32InstallationForm>(form, ModuleType::Win32);
        return page ? page->findChild<TNxPageControl *>() : nullptr;
    };
    QList<ProgramView> views = {
        { QStringLiteral("Welcome"),
          [](Gallery &g, TprojectForm &) {
              g.master.projectPages()->setActivePage(g.master.welcomeTab());
              g.master.UpdateIdleState();
          } },
    };
    const std::pair<TprojectForm::Section, const char *> sections[] = {
        { TprojectForm::ModulesSection, "InstallationModules" }, { TprojectForm::LanguagesSection, "Languages" },
        { TprojectForm::WizardDialogsSection, "WizardDialogs" }, { TprojectForm::SetupTypesSection, "SetupTypes" },
        { TprojectForm::AppearanceSection, "AppearanceAndThemes" },
    };
    for (const auto &[section, name] : sections) {
        views.append({ QStringLiteral("Section-") + QLatin1String(name), [section](Gallery &g, TprojectForm &form) {
                          ActivateTab(g, form);
                          g.master.UpdateIdleState();
                          ClickSection(form, section);
                      } });
    }
    views.append({ QStringLiteral("ModuleTree-DesktopSelected"), [](Gallery &, TprojectForm &form) {
                      ClickSection(form, TprojectForm::ModulesSection);
                      form.moduleTree()->selectComponent(ComponentOfType(form, ModuleType::Win32));
                  } });
    views += TabViews(QStringLiteral("CabCreator"), cabCreator,
                      { QStringLiteral("CabSettings"), QStringLiteral("DeviceFiles"), QStringLiteral("Registry"),
                        QStringLiteral("Shortcuts") });
    views.append({ QStringLiteral("RegistrySection"), [cabCreator](Gallery &, TprojectForm &form) {
                      cabCreator(form);
                      form.openRegistrySection(0);
                  } });
    views += TabViews(QStringLiteral("Desktop"), desktop,
                      { QStringLiteral("Files"), QStringLiteral("Shortcuts"), QStringLiteral("Registry"),
                        QStringLiteral("RunOnInstall"), QStringLiteral("RunOnUninstall"),
                        QStringLiteral("DeleteOnInstall"), QStringLiteral("DeleteOnUninstall") });
    views.append({ QStringLiteral("Desktop-RegistryKeySelected"), [desktop](Gallery &, TprojectForm &form) {
                      desktop(form)->setActivePageIndex(TWin32InstallationForm::RegistryPage);
                      auto *page = dynamic_cast<TWin32InstallationForm *>(form.moduleTab()->page());
                      EXPECT_TRUE(page->selectKey(QStringLiteral("HKCU\\Software\\Talmo Examples\\HelloSync\\")));
                  } });
    const std::pair<int, const char *> sidePanes[] = { { 0, "Options" }, { 1, "Properties" }, { 2, "Helper" } };
    for (const auto &[tab, name] : sidePanes) {
        views.append({ QStringLiteral("Desktop-FileSelected-SidePane") + QLatin1String(name),
                       [desktop, tab](Gallery &, TprojectForm &form) {
                           desktop(form)->setActivePageIndex(TWin32InstallationForm::FilesPage);
                           SelectDesktopFile(*dynamic_cast<TWin32InstallationForm *>(form.moduleTab()->page()));
                           ClickSidePaneTab(form, tab);
                       } });
    }
    views += {
        { QStringLiteral("CabCollection"),
          [](Gallery &, TprojectForm &form) { OpenModulePage<QWidget>(form, ModuleType::CabCollection); } },
        { QStringLiteral("PalmOS"), [](Gallery &, TprojectForm &form) { OpenModulePage<QWidget>(form, ModuleType::PalmOS); } },
        { QStringLiteral("DirectCopy"),
          [](Gallery &, TprojectForm &form) { OpenModulePage<QWidget>(form, ModuleType::DirectCopy); } },
        { QStringLiteral("Designer"), [](Gallery &, TprojectForm &form) { OpenWizardNode(form, 0); } },
        { QStringLiteral("Designer-SidePaneOptions"), [](Gallery &, TprojectForm &form) { ClickSidePaneTab(form, 0); } },
        { QStringLiteral("Designer-CodeEditor"),
          [](Gallery &, TprojectForm &form) {
              auto *designer = dynamic_cast<TFormDesigner *>(form.wizardDialogTab()->page());
              ASSERT_NE(designer, nullptr);
              designer->pageControl()->setActivePageIndex(designer->pageControl()->getPageCount() - 1);
          } },
        { QStringLiteral("GlobalCode"),
          [](Gallery &, TprojectForm &form) { OpenWizardNode(form, ProjectBreadcrumb::GlobalCode); } },
        { QStringLiteral("AdvancedAppearance"),
          [](Gallery &, TprojectForm &form) {
              ProjectBreadcrumb &crumbs = form.breadcrumb();
              Select(form, crumbs.childWithKey(crumbs.root(ProjectBreadcrumb::Appearance), 0));
          } },
    };
    return views;
}

QString GalleryFolder()
{
    const QString folder = QDir::cleanPath(ProgramFolderPath + QStringLiteral("/../gallery"));
    EXPECT_TRUE(QDir().mkpath(folder));
    return folder;
}

int DistinctColours(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height() && colours.size() < 3; y += 3) {
        for (int x = 0; x < image.width() && colours.size() < 3; x += 3)
            colours.insert(image.pixel(x, y));
    }
    return int(colours.size());
}

// The findings of the layout check that are not faults, with the reason.
LayoutException DesignedPageException()
{
    return { QStringLiteral("*"), QStringLiteral("*"), std::nullopt,
             QStringLiteral("a designed page keeps the sizes its author gave its controls"), "talmo::TDesignControl" };
}

const QString TabsScroll = QStringLiteral("a tab strip narrower than its tabs scrolls them with its arrows");

QList<LayoutException> WindowExceptions()
{
    return {
        DesignedPageException(),
        { QStringLiteral("Page-Win32Module"), QStringLiteral("talmo::TNxPageControl"), LayoutRule::ClippedText,
          TabsScroll, {} },
    };
}

QList<LayoutException> ProgramExceptions()
{
    return {
        DesignedPageException(),
        { QStringLiteral("Program-*-Desktop-*"), QStringLiteral("*Win32InstallationForm/talmo::TNxPageControl"),
          LayoutRule::ClippedText, TabsScroll, {} },
        { QStringLiteral("Program-750x610-Designer*"), QStringLiteral("*FormDesigner/QScrollArea"),
          LayoutRule::WiderThanArea,
          QStringLiteral("the designed page is drawn at the size of the installer's wizard, which a window this narrow "
                         "scrolls"),
          {} },
    };
}

void ExpectNoLayoutFaults(const QStringList &faults, const LayoutCheck &check)
{
    EXPECT_TRUE(faults.isEmpty()) << faults.size() << " layout faults:\n" << faults.join(u'\n').toStdString();
    for (const LayoutException &unused : check.unusedExceptions())
        ADD_FAILURE() << "an exception covers nothing: " << unused.window.toStdString() << " "
                      << unused.widget.toStdString() << " (" << unused.reason.toStdString() << ")";
}

// Writes the picture of a widget into the gallery folder and checks that
// it shows something and that its layout holds.
void TakePicture(QWidget *widget, const QString &name, const LayoutCheck &check, QStringList &faults)
{
    for (const LayoutFinding &finding : check.check(widget, name))
        faults.append(finding.toString());
    const QString file = GalleryFolder() + QLatin1Char('/') + name + QStringLiteral(".png");
    QFile::remove(file);
    const QImage picture = widget->grab().toImage();
    EXPECT_TRUE(picture.save(file)) << name.toStdString();
    EXPECT_GE(DistinctColours(picture), 2) << "a blank picture of " << name.toStdString();
}

TEST(WindowGalleryTest, EveryWindowHasAPicture)
{
    Gallery gallery;
    const LayoutCheck check(WindowExceptions());
    QStringList faults;

    for (const GalleryWindow &window : GalleryWindows()) {
        SCOPED_TRACE(window.name.toStdString());
        QWidget *widget = window.show(gallery);
        ASSERT_NE(widget, nullptr);
        QCoreApplication::processEvents();
        TakePicture(widget, window.name, check, faults);
        // A panel has no title of its own: it shows that of the window holding it.
        const QString title = widget->windowTitle().isEmpty() ? widget->window()->windowTitle() : widget->windowTitle();
        EXPECT_EQ(title, window.title);
        if (window.ownsWidget)
            delete widget;
        else if (widget->isWindow() && widget != &gallery.master)
            widget->hide();
    }
    ExpectNoLayoutFaults(faults, check);
}

// The main window as a user sees it, with the project of a user open, at
// its least size, its usual size and a large one.
TEST(WindowGalleryTest, TheAssembledProgramHasAPictureOfEveryViewAtEverySize)
{
    Gallery gallery;
    TprojectForm &project = OpenGalleryProject(gallery);
    const LayoutCheck check(ProgramExceptions());
    QStringList faults;

    for (const ProgramView &view : ProgramViews()) {
        SCOPED_TRACE(view.name.toStdString());
        view.show(gallery, project);
        for (const QSize &size : ProgramSizes) {
            gallery.master.resize(size);
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            ASSERT_EQ(gallery.master.size(), size);
            TakePicture(&gallery.master,
                        QStringLiteral("Program-%1x%2-%3").arg(size.width()).arg(size.height()).arg(view.name), check,
                        faults);
        }
    }
    ExpectNoLayoutFaults(faults, check);
}

} // namespace
