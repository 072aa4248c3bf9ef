#include "tests/engine/cab/InfFixtureProject.h"

#include <memory>

namespace talmo::testing {

namespace {

void addFile(TCEDevice &device, const QString &name, const QString &sourceDir, const QString &destinationDir,
             int attributes, const QString &destinationName = QString())
{
    TPPCFS_File &file = device.Files.AddNew();
    file.SourceName = name;
    file.SourceDir = sourceDir;
    file.DestinationDir = destinationDir;
    file.DestinationName = destinationName.isEmpty() ? name : destinationName;
    file.Attributes = attributes;
}

TShortcutEntry &addShortcut(TShortcutSection &section, const QString &name, int type, const QString &target)
{
    TShortcutEntry &entry = section.Entries.AddNew();
    entry.shortcut_filename = name;
    entry.shortcut_type_flag = type;
    entry.target_file_path = target;
    return entry;
}

void addRegistry(TRegistrySection &section, const QString &root, const QString &subkey, const QString &name,
                 const QString &type, const QString &value, bool keepExisting)
{
    TRegistryEntry &entry = section.Entries.AddNew();
    entry.registry_root_string = root;
    entry.subkey = subkey;
    entry.value_name = name;
    entry.flags = type;
    entry.value = value;
    entry.overwrite = keepExisting;
}

void addDevices(TProjectContainer &project, const InfFixtureFolders &folders)
{
    TCEDevice &generic = project.CEDevices.AddNew();
    generic.Caption = QStringLiteral("CEDevice [ Default ]");
    generic.VersionMin = QStringLiteral("4.00");
    generic.VersionMax = QStringLiteral("6.99");
    addFile(generic, QStringLiteral("app.exe"), folders.binFolder, QStringLiteral("%InstallDir%\\"), 0);
    addFile(generic, QStringLiteral("helper.dll"), folders.binFolder, QStringLiteral("%InstallDir%\\"), 1);
    addFile(generic, QStringLiteral("data.db"), folders.sharedFolder, QStringLiteral("%DataDir%\\"), 2);
    addFile(generic, QStringLiteral("notes.txt"), folders.sharedFolder, QStringLiteral("%DataDir%\\"), 3,
            QStringLiteral("ReadMe.txt"));
    generic.Installation.defaultInstallShortcuts = {QStringLiteral("Main"), QStringLiteral("Icons")};
    generic.Installation.defaultInstallRegistry = {QStringLiteral("Settings")};
    generic.Installation.CESetupDLL = QStringLiteral("helper.dll");
    generic.Installation.CESelfRegister = QStringLiteral("helper.dll");

    TCEDevice &arm = project.CEDevices.AddNew();
    arm.Caption = QStringLiteral("CEDevice.ARMV4");
    arm.ProcessorType = QStringLiteral("2577");
    arm.BuildMax = 2;
    addFile(arm, QStringLiteral("app.exe"), folders.armFolder, QStringLiteral("%InstallDir%\\"), 4);
    addFile(arm, QStringLiteral("lib.dll"), folders.armFolder, QStringLiteral("%CE2%\\"), 5);
    addFile(arm, QStringLiteral("big.bin"), folders.armFolder, QStringLiteral("%InstallDir%\\"), 6);
    addFile(arm, QStringLiteral("shared.dll"), folders.armFolder, QStringLiteral("%CE2%\\"), 7);
    addFile(arm, QStringLiteral("odd.dat"), folders.armFolder, QStringLiteral("%InstallDir%\\"), 9);
    arm.Installation.defaultInstallShortcuts = {QStringLiteral("Icons")};
    arm.Installation.defaultInstallRegistry = {QStringLiteral("Settings"), QStringLiteral("ArmOnly")};

    // No files, only a BuildMax value outside 1 to 3, and its icons section named twice.
    TCEDevice &mips = project.CEDevices.AddNew();
    mips.Caption = QStringLiteral("CEDevice.MIPSII");
    mips.BuildMax = 4;
    mips.Installation.defaultInstallShortcuts = {QStringLiteral("Icons"), QStringLiteral("Icons")};
}

void addShortcutSections(TProjectContainer &project)
{
    TShortcutSection &main = project.ShortcutsSections.AddNew();
    main.Caption = QStringLiteral("Main");
    main.DefaultDestinationDir = QStringLiteral("%CE11%");
    addShortcut(main, QStringLiteral("Demo App"), 0, QStringLiteral("app.exe"));
    // A folder shortcut keeps its line even with an icon file of its own.
    addShortcut(main, QStringLiteral("Data Folder"), 1, QStringLiteral("%DataDir%")).CustomIconFileName =
        QStringLiteral("folder.ico");
    addShortcut(main, QStringLiteral("Readme"), 0, QStringLiteral("ReadMe.txt")).standard_destination_path =
        QStringLiteral("%CE17%");

    TShortcutSection &icons = project.ShortcutsSections.AddNew();
    icons.Caption = QStringLiteral("Icons");
    icons.DefaultDestinationDir = QStringLiteral("%CE11%\\Demo");
    addShortcut(icons, QStringLiteral("Demo Tool"), 0, QStringLiteral("%InstallDir%\\app.exe")).CustomIconFileName =
        QStringLiteral("icons\\tool.ico");
    TShortcutEntry &help = addShortcut(icons, QStringLiteral("Demo Help"), 0, QStringLiteral("%Help%\\index.htm"));
    help.CustomIconFileName = QStringLiteral("%InstallDir%\\app.exe");
    help.CustomIconIndex = QStringLiteral("101");
    help.CustomIconIndexType = QStringLiteral("1");
    help.CustomParameters = QStringLiteral("/help");
    addShortcut(icons, QStringLiteral("Second Tool"), 0, QStringLiteral("%InstallDir%\\app.exe")).CustomIconFileName =
        QStringLiteral("second.ICO");

    TShortcutSection &unused = project.ShortcutsSections.AddNew();
    unused.Caption = QStringLiteral("Unused");
    unused.DefaultDestinationDir = QStringLiteral("%CE1%");
    addShortcut(unused, QStringLiteral("Nothing"), 0, QStringLiteral("app.exe"));
}

void addRegistrySections(TProjectContainer &project)
{
    const QString lm = QStringLiteral("HKEY_LOCAL_MACHINE");
    const QString key = QStringLiteral("Software\\Acme\\Demo");
    TRegistrySection &settings = project.RegistrySections.AddNew();
    settings.Caption = QStringLiteral("Settings");
    addRegistry(settings, lm, key, "InstallPath", "TYPE_SZ", "%InstallDir%\\", false);
    addRegistry(settings, lm, key, "Version", "TYPE_SZ", "1.0", true);
    addRegistry(settings, "HKEY_CURRENT_USER", key, "Recent", "TYPE_MULTI_SZ", "one", false);
    addRegistry(settings, "HKEY_CURRENT_USER", key, "Colors", "TYPE_MULTI_SZ", "red", true);
    addRegistry(settings, "HKEY_CLASSES_ROOT", ".demo", "", "TYPE_SZ", "DemoFile", false);
    addRegistry(settings, lm, key, "Key", "TYPE_BINARY", "0A,FF", false);
    addRegistry(settings, lm, key, "Seed", "TYPE_BINARY", "01,02", true);
    addRegistry(settings, lm, key, "Count", "TYPE_DWORD", "5", false);
    addRegistry(settings, lm, key, "Limit", "TYPE_DWORD", "-1", true);
    addRegistry(settings, lm, key, "Odd", "TYPE_QWORD", "7", false);
    addRegistry(settings, lm, key, "NoSlash", "TYPE_SZ", "C:\\data", false);

    TRegistrySection &armOnly = project.RegistrySections.AddNew();
    armOnly.Caption = QStringLiteral("ArmOnly");
    addRegistry(armOnly, lm, key + QStringLiteral("\\Arm"), "Fast", "TYPE_DWORD", "1", true);
}

} // namespace

void BuildInfFixture(TProjectContainer &project, const InfFixtureFolders &folders)
{
    project.Reset();
    project.SetRandomSource(std::make_shared<CountingRandomSource>());
    project.FileName = folders.projectFile;
    project.Signature = QStringLiteral("$Chicago$");
    project.Provider = QStringLiteral("Acme Corp");
    project.CESignature = QStringLiteral("$Windows CE$");
    project.AppName = QStringLiteral("Demo App");
    project.InstallDir = QStringLiteral("%CE1%\\%AppName%");
    project.StringPairs.AddNew(TStringPair{QStringLiteral("DataDir"), QStringLiteral("%InstallDir%\\Data")});
    project.StringPairs.AddNew(TStringPair{QStringLiteral("Help"), QStringLiteral("%CE2%\\Help")});
    project.Platforms.AddNew(TPlatform{QStringLiteral("Smartphone"), QStringLiteral("Smartphone"), QStringLiteral("4.0"),
                                       QStringLiteral("5.0")});
    project.Platforms.AddNew(
        TPlatform{QStringLiteral("PocketPC"), QStringLiteral("PocketPC"), QStringLiteral("3.0"), QString()});
    addDevices(project, folders);
    addShortcutSections(project);
    addRegistrySections(project);
}

} // namespace talmo::testing
