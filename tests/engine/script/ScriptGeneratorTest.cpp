#include "engine/script/ComponentCondition.h"
#include "engine/script/ScriptCodeSection.h"
#include "engine/script/ScriptGenerator.h"
#include "model/ProjectContainer.h"

#include "ScriptTestSupport.h"

#include <QDir>
#include <QTemporaryDir>

namespace talmo {
namespace {

using namespace scripttest;


QStringList generate(TProjectContainer &project, const ScriptEnvironment &environment = EnvironmentWith())
{
    ScriptGenerator generator(environment);
    QStringList script;
    generator.GenerateScript(project, script, outputFolder);
    return script;
}

// The lines of one section, from its header to the next empty line or header.
QStringList section(const QStringList &script, const QString &header)
{
    const qsizetype start = script.indexOf(header);
    if (start < 0)
        return {};
    QStringList lines{ header };
    for (qsizetype i = start + 1; i < script.size() && !script[i].isEmpty() && !script[i].startsWith(QLatin1Char('['))
         && !script[i].startsWith(QLatin1Char('#'));
         ++i)
        lines.append(script[i]);
    return lines;
}

void fillDesktopOnlyProject(TProjectContainer &project)
{
    project.FileName = "C:\\Proj\\desk.talmo";
    project.Win32Only = true;
    project.Win32AppName = "Desk Tool";
    project.Win32Version = "2.0";
    project.AppID = "{{1234}";
    project.PublisherWebSite = "http://example.com";
    project.Provider.clear();
    project.VersionInfoCopyright = "(c) Me";
    project.SetupExecName = "Setup.2008.exe";
    project.StandardForms = { true, false, true, false };
    project.UserInfoPage = true;
    project.DefaultUserInfoSerial = "123";
    project.BuilderDefaultDirName = "{async}\\%AppName%";
    project.BuilderWizardImageFile = "C:\\img\\big.bmp";
    project.BeaveledLabelText = "Desk \"Tool\" Setup";
    project.InstallTypes.clear();
    project.InstallTypesDescriptions.clear();

    TLanguage &english = project.Languages.AddNew();
    english.LanguageID = "English";
    english.EULAFile = "eula.txt";
    TLanguage &german = project.Languages.AddNew();
    german.LanguageID = "German";
    german.ReadmeFile = "liesmich.txt";
    german.InfoAfterFile = "danke.txt";

    TWin32Plugin &main = project.Win32Plugins.AddNew();
    main.Caption = "Main Program";
    main.FlagFixed = true;
    main.InstallTypes = QStringList{ "Full", "Custom" };
    TWin32FileEntry &exe = main.FileEntries.AddNew();
    exe.Source = "bin\\desk.exe";
    exe.Destination = "{app}";
    exe.FlagIgnoreVersion = true;
    TWin32FileEntry &readme = main.FileEntries.AddNew();
    readme.Source = "http://example.com/dl/readme.pdf";
    readme.Destination = "{app}\\doc";
    TWin32RegistryEntry &path = main.RegistryEntries.AddNew();
    path.Root = "HKEY_CURRENT_USER";
    path.SubKey = "Software\\Desk";
    path.ValueType = "string";
    path.ValueName = "Path";
    path.ValueData = "%PATH%;{app}";
    path.FlagDeleteValueOnUninstall = true;
    TWIn32IconEntry &icon = main.IconEntries.AddNew();
    icon.Name = "{group}\\Desk Tool";
    icon.FileName = "{app}\\desk.exe";
    icon.Comment = "Start it";
    TWin32RunEntry &launch = main.InstallRunEntries.AddNew();
    launch.FileName = "{app}\\desk.exe";
    launch.Description = "Launch";
    launch.FlagPostInstall = launch.FlagSkipIfSilent = true;
    TWin32RunEntry &cleanup = main.UninstallRunEntries.AddNew();
    cleanup.FileName = "{app}\\cleanup.exe";
    cleanup.Parameters = "/all";
    cleanup.FlagRunHidden = true;
    main.InstallDeleteEntries.AddNew() = TWin32DeleteEntry{ "files", "{app}\\old.dat" };
    main.UninstallDeleteEntries.AddNew() = TWin32DeleteEntry{ "filesandordirs", "{app}\\cache" };

    TWin32Plugin &extras = project.Win32Plugins.AddNew();
    extras.Caption = "Extras \"plus\"";
    extras.Languages = QStringList{ "German" };
    TWin32FileEntry &dll = extras.FileEntries.AddNew();
    dll.Source = "C:\\extras\\x.dll";
    dll.Destination = "{sys}";
    dll.FlagRegisterServer = dll.FlagSharedFile = dll.AttributesHidden = true;
    TWIn32IconEntry &text = extras.IconEntries.AddNew();
    text.Name = "{group}\\Extras";
    text.FileName = "{app}\\x.txt";
    text.IconIndex = -1;

    TWin32Plugin &secret = project.Win32Plugins.AddNew();
    secret.Caption = "Secret";
    secret.Languages = QStringList{ "English" };
    TWin32RegistryEntry &on = secret.RegistryEntries.AddNew();
    on.Root = "HKEY_LOCAL_MACHINE";
    on.SubKey = "Software\\Desk\\Secret";
    on.ValueType = "dword";
    on.ValueName = "On";
    on.ValueData = "1";
    TWin32FileEntry &bin = secret.FileEntries.AddNew();
    bin.Source = "secret.bin";
    bin.Destination = "{app}";

    project.InstallComponents.Clear();
    TInstallComponent &tools = AddComponent(project, ModuleType::Container, -1, -1);
    tools.moduleName = "Tools";
    tools.FlagCheckableaAlone = true;
    AddComponent(project, ModuleType::Win32, 1, 0);
    AddComponent(project, ModuleType::Win32, 0, -1).FlagRestart = true;
    TInstallComponent &hidden = AddComponent(project, ModuleType::Container, -1, -1);
    hidden.moduleName = "Hidden";
    hidden.HiddenInstall = true;
    AddComponent(project, ModuleType::Win32, 2, 3);
}

void fillDeviceProject(TProjectContainer &project)
{
    project.FileName = "C:\\Proj\\dev.talmo";
    project.AppName = "Field App";
    project.SetupCaption = "Field App \"Pro\"";
    for (const char *caption : { "CEDevice [ Default ]", "CEDevice.ARMV4I", "CEDevice.SH4" })
        project.CEDevices.AddNew().Caption = caption;
    project.IconFile = "C:\\Proj\\app.ico";
    project.Win32AppName = "Field App Desktop";
    project.Win32Version.clear();
    project.SkinName = "Ocean";
    project.BeaveledLabelText = "Field \"App\"";
    project.SplashScreenImage = "splash.bmp";
    project.SplashScreenTime = 3;
    project.SplashScreenWidth = 400;
    project.SplashScreenHeight = 300;
    project.VersionInfoCompany.clear();
    project.VersionInfoDescription.clear();
    project.VersionInfoVersion.clear();
    project.SetupIconFile = "icons\\setup.ico";
    project.Provider = "Field Co";
    project.SetupExecName = "FieldSetup";
    project.BuilderDefaultDirName.clear();
    project.Uninstallable = project.CreateUninstallRegKey = false;
    project.UpdateUninstallLogAppName = project.AlwaysShowComponentsList = false;
    project.DefaultUserInfoName.clear();
    project.DefaultUserInfoOrg.clear();
    project.StandardForms = { false, true, false, true };
    project.InstallTypes = QStringList{ "Full", "Custom" };
    project.InstallTypesDescriptions = QStringList{ "Everything", "Pick \"some\"" };
    project.InstallTypesIsCustom = 1;
    project.CabCreatorModuleInstallTypes = QStringList{ "Full" };
    project.CabCreatorModuleFlagFixed = true;

    TCabCollection &maps = project.CabCollections.AddNew();
    maps.Caption = "Maps";
    maps.Files.AddNew().Source = "cabs\\maps.cab";
    maps.Files.AddNew().Source = "http://example.com/cabs/roads.cab";
    TCabCollection &secret = project.CabCollections.AddNew();
    secret.Caption = "Secret";
    secret.HiddenInstall = true;
    secret.Files.AddNew().Source = "C:\\cabs\\secret.cab";

    TPluginContainer &runtime = project.PluginContainers.AddNew();
    runtime.Caption = "Runtime";
    runtime.Type = TPluginContainer::NetCF2Type;
    runtime.someOldCaption = "Builtin Distribution";
    runtime.Platforms.AddNew().Processors.AddNew().Files.AddNew().Source = "wce400.cab";
    TPluginPlatform &wce500 = runtime.Platforms.AddNew();
    wce500.Checked = true;
    TPluginProcessor &armv4i = wce500.Processors.AddNew();
    armv4i.Checked = true;
    armv4i.Files.AddNew().Source = "stale1.cab";
    armv4i.Files.AddNew().Source = "stale2.cab";
    wce500.Processors.AddNew().Files.AddNew().Source = "mips.cab";

    TPluginContainer &database = project.PluginContainers.AddNew();
    database.Caption = "Database";
    database.Type = TPluginContainer::SqlMobileType;
    database.someOldCaption = "Own set";
    database.Platforms.AddNew().Checked = true;
    database.Platforms[0].Processors.AddNew().Checked = true;
    database.Platforms[0].Processors[0].Files.AddNew().Source = "D:\\redist\\sqlce.cab";

    AddComponent(project, ModuleType::CabCollection, 0, -1);
    AddComponent(project, ModuleType::CabCollection, 1, -1);
    AddComponent(project, ModuleType::NetCF2, 0, -1);
    AddComponent(project, ModuleType::SqlMobile, 1, -1);
}

TEST(ScriptGeneratorTest, NewProjectTemplate)
{
    TProjectContainer project;
    project.CreateNewProject();
    project.FileName = "C:\\Proj\\unknown.talmo";
    EXPECT_EQ(Joined(generate(project)), Fixture("new-project.iss"));
}

TEST(ScriptGeneratorTest, DesktopOnlyProjectWithEveryEntryKind)
{
    TProjectContainer project;
    fillDesktopOnlyProject(project);
    ScriptGenerator generator(EnvironmentWith({ "C:\\Talmo\\issi\\Languages\\_issi_German.isl" }));
    QStringList script;
    generator.GenerateScript(project, script, outputFolder);
    EXPECT_EQ(Joined(script), Fixture("desktop-only.iss"));
    EXPECT_EQ(generator.Downloads().DownloadSources, QStringList({ "http://example.com/dl/readme.pdf" }));
    EXPECT_EQ(generator.Downloads().DownloadCheckTypes, QStringList({ "0" }));
    EXPECT_EQ(generator.Downloads().DownloadModuleNames, QStringList({ "WIN320" }));
}

TEST(ScriptGeneratorTest, DeviceProjectWithConfigurationsCollectionsRuntimesSkinAndSplash)
{
    TProjectContainer project;
    fillDeviceProject(project);
    EXPECT_EQ(Joined(generate(project)), Fixture("device.iss"));
}

TEST(ScriptGeneratorTest, LanguagesTakeTheIncludeLibrarysOwnFileWhenTheProgramFolderHasIt)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath("issi/Languages"));
    QFile german(folder.filePath("issi/Languages/_issi_German.isl"));
    ASSERT_TRUE(german.open(QIODevice::WriteOnly));
    german.close();
    const ScriptEnvironment environment{ folder.path() + "/", &ScriptEnvironment::HostFileExists, nullptr };

    TProjectContainer project;
    project.Win32Only = true;
    project.InstallComponents.Clear();
    for (const char *language : { "English", "German", "French" })
        project.Languages.AddNew().LanguageID = language;
    const QStringList script = generate(project, environment);
    EXPECT_EQ(section(script, "[Languages]"),
              QStringList({
                  "[Languages]",
                  "Name: \"lang0\"; MessagesFile: \"compiler:Default.isl,{#ISSI_IncludePath}\\Languages\\_issi_English.isl\"",
                  "Name: \"lang1\"; MessagesFile: \"compiler:Languages\\German.isl,{#ISSI_IncludePath}\\Languages\\_issi_German.isl\"",
                  "Name: \"lang2\"; MessagesFile: \"compiler:Languages\\French.isl,{#ISSI_IncludePath}\\Languages\\_issi_English.isl\"",
              }));
    EXPECT_EQ(script.first(), "#define ISSI_IncludePath \"" + folder.path() + "/issi\"");
    EXPECT_FALSE(script.contains("#define ISSI_English"));
}

struct SetupLineCase
{
    const char *what;
    std::function<void(TProjectContainer &)> setUp;
    QStringList present;
    QStringList absent;
};

TEST(ScriptGeneratorTest, SetupSectionLines)
{
    const SetupLineCase cases[] = {
        { "extension cut", [](TProjectContainer &p) { p.SetupExecName = "MySetup.exe"; }, { "OutputBaseFilename=MySetup" }, {} },
        { "only the last extension", [](TProjectContainer &p) { p.SetupExecName = "Setup.2008.exe"; },
          { "OutputBaseFilename=Setup.2008" }, {} },
        { "no extension", [](TProjectContainer &p) { p.SetupExecName = "Setup"; }, { "OutputBaseFilename=Setup" }, {} },
        { "async folder",
          [](TProjectContainer &p) {
              p.Win32AppName = "App";
              p.BuilderDefaultDirName = "{ASYNC}\\%appname%\\{async}";
          },
          { "DefaultDirName={code:GetAsyncPath}\\App\\{code:GetAsyncPath}" }, {} },
        { "the folder's own braces stay, those of the names put in for its macros are doubled",
          [](TProjectContainer &p) {
              p.Win32AppName = "{async}";
              p.Provider = "A{B}";
              p.BuilderDefaultDirName = "{pf}\\%Provider%\\%AppName%\\{{async}";
          },
          { "DefaultDirName={pf}\\A{{B}\\{{async}\\{{async}", "DefaultGroupName={{async}" }, {} },
        { "lower-case default is a skin",
          [](TProjectContainer &p) {
              p.SkinName = "default";
              p.BuilderWizardImageFile = "mine.bmp";
          },
          { "WizardImageFile=C:\\Talmo\\Setup Skins\\default\\default.bmp",
            "WizardSmallImageFile=C:\\Talmo\\Setup Skins\\default\\default.bmp" },
          { "WizardImageFile=mine.bmp", "WizardImageBackColor=$400000" } },
        { "colour names the compiler knows stay, the others become their numbers",
          [](TProjectContainer &p) { p.BuilderWizardImageBackColor = "clSkyBlue"; },
          { "WizardImageBackColor=$F0CAA6" }, { "WizardImageBackColor=clSkyBlue" } },
        { "a colour name the compiler knows",
          [](TProjectContainer &p) { p.BuilderWizardImageBackColor = "clBtnFace"; },
          { "WizardImageBackColor=clBtnFace" }, {} },
        { "splash corners",
          [](TProjectContainer &p) {
              p.SplashScreenImage = "s.bmp";
              p.SplashScreenCorners = 5;
          },
          { "#define ISSI_Splash_Corner \"5\"", "#define ISSI_SplashScreen \"s.bmp\"" }, {} },
        { "empty publisher",
          [](TProjectContainer &p) { p.Provider.clear(); }, { "AppPublisher=My Company" }, { "AppPublisherURL=" } },
    };
    for (const SetupLineCase &c : cases) {
        SCOPED_TRACE(c.what);
        TProjectContainer project;
        project.Win32Only = true;
        project.InstallComponents.Clear();
        c.setUp(project);
        const QStringList script = generate(project);
        for (const QString &line : c.present)
            EXPECT_TRUE(script.contains(line)) << line.toStdString();
        for (const QString &line : c.absent)
            EXPECT_FALSE(script.contains(line)) << line.toStdString();
    }
}

TEST(ScriptGeneratorTest, ComponentLineOfTheCabCreator)
{
    TProjectContainer project;
    project.CreateNewProject();
    project.CabCreatorModuleInstallTypes = QStringList{ "full", "Custom" };
    project.CabCreatorModuleFlagFixed = true;
    EXPECT_EQ(section(generate(project), "[Components]").value(1),
              "Name: CABCREATOR; Description: \"My Mobile Application\"; Types: full custom; Check: CheckAsync; flags: fixed;");
}

TEST(ScriptGeneratorTest, BracesInDeviceNamesStayBracesInTheComponentAndItsShortcut)
{
    TProjectContainer project;
    project.CreateNewProject();
    project.AppName = "Pocket {Notes}";
    const QStringList script = generate(project);
    EXPECT_TRUE(section(script, "[Components]").value(1).startsWith("Name: CABCREATOR; Description: \"Pocket {{Notes}\";"));
    EXPECT_TRUE(section(script, "[Icons]").value(1).startsWith("Name:\"{group}\\Install Pocket {{Notes} to your mobile device\";"))
        << section(script, "[Icons]").value(1).toStdString();
}

TEST(ScriptGeneratorTest, EmptyTypeListGivesTheTwoFixedTypesWithoutALeadingEmptyLine)
{
    TProjectContainer project;
    project.Win32Only = true;
    project.InstallComponents.Clear();
    project.InstallTypes.clear();
    const QStringList script = generate(project);
    const qsizetype types = script.indexOf("[Types]");
    EXPECT_EQ(script[types - 1], "DefaultUserInfoOrg={sysuserinfoorg}");
    EXPECT_EQ(script.mid(types + 1, 3), QStringList({ "Name: full; Description: \"Full installation\";",
                                                      "Name: custom; Description: \"Custom installation\"; Flags: iscustom;",
                                                      QString() }));
}

TEST(ScriptGeneratorTest, HiddenCabComponentsAndTheirShortcuts)
{
    TProjectContainer project;
    project.CreateNewProject();
    project.CabCreatorModuleHiddenInstall = true;
    QStringList script = generate(project);
    EXPECT_FALSE(script.contains("[Icons]"));
    EXPECT_FALSE(script.contains("[Tasks]"));
    EXPECT_EQ(section(script, "[Components]"), QStringList({ "[Components]" }));

    project.CreateCABIconsEnabledForHidden = true;
    script = generate(project);
    EXPECT_EQ(section(script, "[Icons]").size(), 2);
    EXPECT_EQ(section(script, "[Tasks]").value(1),
              "Name: CreateCABIcons; Description: \"Create shortcut(s) for installing again to your mobile device "
              "selected components.\"; check: CheckAsync;");

    project.CreateCABIcons = false;
    EXPECT_FALSE(generate(project).contains("[Tasks]"));
}

TEST(ScriptGeneratorTest, WithoutTheComponentPageNoLineNamesAComponent)
{
    TProjectContainer project;
    fillDeviceProject(project);
    project.ShowComponentsDialog = false;
    const QStringList script = generate(project);
    EXPECT_FALSE(script.contains("[Components]"));
    EXPECT_FALSE(script.join('\n').contains("components:"));
    EXPECT_EQ(section(script, "[Tasks]").value(1),
              "Name: CreateCABIcons; Description: \"Create shortcut(s) for installing again to your mobile device "
              "selected components.\"; check: CheckAsync;");
}

TEST(ScriptGeneratorTest, ComponentsUnderAHiddenContainerAreNotListed)
{
    TProjectContainer project;
    project.Win32Only = true;
    project.InstallComponents.Clear();
    project.Win32Plugins.AddNew().Caption = "Inner";
    AddComponent(project, ModuleType::Container, -1, -1).HiddenInstall = true;
    AddComponent(project, ModuleType::Win32, 0, 0);
    const QStringList script = generate(project);
    EXPECT_EQ(section(script, "[Components]"), QStringList({ "[Components]" }));
    EXPECT_FALSE(script.join('\n').contains("CONTAINER0\\WIN320"));
}

class RecordingCodeSection : public ScriptCodeSection
{
public:
    void WriteCodeSection(const ScriptCodeContext &context, QStringList &script) override
    {
        lastLineBefore = script.last();
        downloads = context.downloads.Count();
        archives = context.directCopyArchiveNames;
        script.append(QString());
        script.append("[Code]");
    }
    QString lastLineBefore;
    int downloads = -1;
    QStringList archives;
};

TEST(ScriptGeneratorTest, CodeSectionComesAfterRunAndBeforeTheIncludeLine)
{
    TProjectContainer project;
    project.CreateNewProject();
    project.DirectCopyModules.AddNew().Files.AddNew().Source = "http://example.com/a.zip";
    AddComponent(project, ModuleType::DirectCopy, 0, -1);
    RecordingCodeSection code;
    ScriptGenerator generator(EnvironmentWith());
    generator.SetCodeSection(&code);
    QStringList script;
    generator.GenerateScript(project, script, outputFolder);
    EXPECT_TRUE(code.lastLineBefore.startsWith("FileName: {code:GetCEappManager|\\setup.ini}"));
    EXPECT_EQ(code.downloads, 1);
    EXPECT_EQ(code.archives, QStringList({ "a.zip" }));
    EXPECT_EQ(script.mid(script.size() - 3),
              QStringList({ QString(), "[Code]", "#include ISSI_IncludePath+\"\\_issi.isi\"" }));

    QStringList again;
    generator.GenerateScript(project, again, outputFolder);
    EXPECT_EQ(generator.Downloads().Count(), 1);  // cleared before every script
}

TEST(ScriptGeneratorTest, AModuleMissingFromTheComponentListRaises)
{
    TProjectContainer project;
    project.CreateNewProject();
    project.CabCollections.AddNew();
    QStringList script;
    ScriptGenerator generator(EnvironmentWith());
    EXPECT_THROW(generator.GenerateScript(project, script, outputFolder), ScriptGenerationError);
}

} // namespace
} // namespace talmo
