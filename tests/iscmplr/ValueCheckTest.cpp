#include "CompilerFixture.h"

// Each value check of a real compile: the nearest valid value compiles, the
// nearest invalid one is refused with the real compiler's message at its line.
namespace {

struct ValueCase
{
    const char *section; // "" for a [Setup] directive
    const char *line;    // "%1" stands for the value
    const char *valid;
    const char *invalid;
    QString message;
};

QString badName()
{
    return QStringLiteral("Parameter \"Name\" includes invalid characters.\r\n\r\nIt may only include alphanumeric characters, "
                          "underscores, slashes (/), and/or backslashes (\\), may not start with a number and may not start or "
                          "end with a slash or a backslash. Names 'not', 'and' and 'or' are reserved");
}

QString invalidParameter(const char *name)
{
    return QStringLiteral("Parameter \"%1\" is not a valid value").arg(QLatin1String(name));
}

QString invalidDirective(const char *name)
{
    return QStringLiteral("Value of [Setup] section directive \"%1\" is invalid").arg(QLatin1String(name));
}

QString bothFlags(const char *first, const char *second)
{
    return QStringLiteral("Parameter \"Flags\" cannot have both the \"%1\" and \"%2\" flags").arg(QLatin1String(first), QLatin1String(second));
}

const QString kUnknownFlag = QStringLiteral("Parameter \"Flags\" includes an unknown flag");

} // namespace

class ValueCheck : public CompilerFixture
{
protected:
    void SetUp() override { writeFile(QStringLiteral("a.txt"), "a"); }

    CompilerSession sessionFor(const ValueCase &c, const char *value)
    {
        QDir(outputFolder()).removeRecursively();
        QStringList script = minimalSetup();
        if (*c.section)
            script << QStringLiteral("[%1]").arg(QLatin1String(c.section));
        script << QString::fromLatin1(c.line).arg(QLatin1String(value));
        return session(script);
    }

    void expectChecked(const QList<ValueCase> &cases)
    {
        for (const ValueCase &c : cases) {
            const std::string what = std::string(c.section) + ": " + c.line + " / " + c.invalid;
            CompilerSession good = sessionFor(c, c.valid);
            EXPECT_EQ(good.compile(), TCompilerResultCompiled)
                << what << ": " << good.errors.value(0).message.toStdString() << " at " << good.errors.value(0).line;

            CompilerSession bad = sessionFor(c, c.invalid);
            EXPECT_EQ(bad.compile(), TCompilerResultFailed) << what;
            ASSERT_EQ(bad.errors.size(), 1) << what;
            EXPECT_EQ(bad.errors.first().message, c.message) << what;
            EXPECT_EQ(bad.errors.first().line, *c.section ? 6 : 5) << what;
            EXPECT_FALSE(QFileInfo::exists(outputFolder() + QStringLiteral("/setup.exe"))) << what;
        }
    }
};

TEST_F(ValueCheck, setupDirectivesTakeTheirValueForms)
{
    expectChecked({
        {"", "SolidCompression=%1", "yes", "maybe", invalidDirective("SolidCompression")},
        {"", "ShowLanguageDialog=%1", "auto", "sometimes", invalidDirective("ShowLanguageDialog")},
        {"", "Compression=%1", "lzma2/ultra64", "lzma/extreme", invalidDirective("Compression")},
        {"", "Compression=%1", "zip/9", "zip/10", invalidDirective("Compression")},
        {"", "CompressionThreads=%1", "64", "65", invalidDirective("CompressionThreads")},
        {"", "InternalCompressLevel=%1", "ultra64", "ultra128", invalidDirective("InternalCompressLevel")},
        {"", "LZMANumFastBytes=%1", "273", "274", invalidDirective("LZMANumFastBytes")},
        {"", "LZMAUseSeparateProcess=%1", "x86", "x64", invalidDirective("LZMAUseSeparateProcess")},
        {"", "VersionInfoVersion=%1", "1.2.3.65535", "1.2.3.65536", invalidDirective("VersionInfoVersion")},
        {"", "VersionInfoVersion=%1", "1.0", "1.0 beta", invalidDirective("VersionInfoVersion")},
        {"", "WizardImageBackColor=%1", "clBtnFace", "clButtonFace", invalidDirective("WizardImageBackColor")},
        {"", "WizardImageBackColor=%1", "$400000", "#400000", invalidDirective("WizardImageBackColor")},
        {"", "ArchitecturesInstallIn64BitMode=%1", "x64 ia64", "x86 x64", invalidDirective("ArchitecturesInstallIn64BitMode")},
        {"", "ArchitecturesAllowed=%1", "x86 x64", "x86 arm", invalidDirective("ArchitecturesAllowed")},
        {"", "AppId=%1", "{{8A2B}", "", invalidDirective("AppId")},
        {"", "OutputBaseFilename=%1", "MySetup", "", invalidDirective("OutputBaseFilename")},
        {"", "Uninstallable=%1", "no", "", invalidDirective("Uninstallable")},
        {"", "PrivilegesRequired=%1", "lowest", "highest", invalidDirective("PrivilegesRequired")},
        {"", "MinVersion=%1", "4.1,5.0sp4", "5.0", invalidDirective("MinVersion")},
        {"", "TouchDate=%1", "2008-02-29", "2007-02-29", invalidDirective("TouchDate")},
        {"", "TouchTime=%1", "23:59:59", "24:00", invalidDirective("TouchTime")},
        {"", "DiskSliceSize=%1", "262144", "262143", QStringLiteral("DiskSliceSize must be between 262144 and 2100000000, or \"max\"")},
        {"", "DiskSliceSize=%1", "max", "maximum", invalidDirective("DiskSliceSize")},
        {"", "DiskClusterSize=%1", "32768", "32769", QStringLiteral("DiskClusterSize must be between 1 and 32768")},
        {"", "UninstallDisplaySize=%1", "1", "0", invalidDirective("UninstallDisplaySize")},
    });
}

TEST_F(ValueCheck, filesAndDirsTakeTheirFlagsAttributesAndCombinations)
{
    expectChecked({
        {"Files", "Source: a.txt; DestDir: {app}; Flags: %1", "ignoreversion", "ignoreversions", kUnknownFlag},
        {"Files", "Source: a.txt; DestDir: {app}; Attribs: %1", "readonly hidden", "hiden",
         QStringLiteral("Parameter \"Attribs\" includes an unknown flag")},
        {"Files", "Source: a.txt; DestDir: {app}; CopyMode: %1", "alwaysoverwrite", "always", invalidParameter("CopyMode")},
        {"Files", "Source: a.txt; DestDir: {app}; DestName: %1", "{reg:HKCU\\Software\\Demo,V|b}.txt", "sub\\b.txt",
         QStringLiteral("Parameter \"DestName\" cannot include backslashes (\\)")},
        {"Files", "Source: a.txt; DestDir: {app}; Permissions: %1", "users-readexec", "users-read",
         QStringLiteral("Parameter \"Permissions\" includes an unknown access type: \"read\"")},
        {"Files", "Source: a.txt; DestDir: {app}; Permissions: %1", "users-full", "user-full",
         QStringLiteral("Parameter \"Permissions\" includes an unknown SID: \"user\"")},
        {"Files", "Source: a.txt; DestDir: {app}; Permissions: %1", "everyone-modify", "everyonemodify",
         QStringLiteral("Parameter \"Permissions\" includes a malformed value: \"everyonemodify\"")},
        {"Files", "Source: a.txt; DestDir: %1; Flags: regserver", "{app}", "{tmp}",
         QStringLiteral("Parameter \"Flags\" cannot have the \"regserver\" flag on a file copied to the {tmp} directory, or "
                        "when the \"deleteafterinstall\" or \"dontcopy\" flag is used")},
        {"Files", "Source: a.txt; DestDir: {app}; Flags: %1", "32bit", "32bit 64bit", bothFlags("32bit", "64bit")},
        {"Files", "Source: a.txt; DestDir: {app}; Flags: %1", "recursesubdirs createallsubdirs", "createallsubdirs",
         QStringLiteral("Flag \"recursesubdirs\" must be used if flag \"createallsubdirs\" is used")},
        {"Files", "Source: a.txt; DestDir: {app}; Flags: %1", "nocompression dontverifychecksum", "dontverifychecksum",
         QStringLiteral("Flag \"nocompression\" must be used if flag \"dontverifychecksum\" is used")},
        {"Files", "Source: {src}\\big.dat; DestDir: {app}; Flags: %1", "external; ExternalSize: 1048576", "ignoreversion; ExternalSize: 1048576",
         QStringLiteral("Parameter \"ExternalSize\" may only be used when the \"external\" flag is used")},
        {"Files", "Source: {src}\\big.dat; DestDir: {app}; Flags: external; ExternalSize: %1", "1048576", "1 MB",
         invalidParameter("ExternalSize")},
        {"Files", "Source: %1; DestDir: {app}; DestName: b.txt", "a.txt", "*.txt",
         QStringLiteral("Parameter \"DestName\" cannot be specified if the \"Source\" parameter contains wildcards")},
        {"Files", "Source: a.txt; DestDir: {app}; MinVersion: %1", "0,5.01", "5.01", invalidParameter("MinVersion")},
        {"Dirs", "Name: {app}\\d; Flags: %1", "uninsneveruninstall", "uninsneveruninstall uninsalwaysuninstall",
         bothFlags("uninsneveruninstall", "uninsalwaysuninstall")},
        {"Dirs", "Name: {app}\\d; Attribs: %1", "system", "archive", QStringLiteral("Parameter \"Attribs\" includes an unknown flag")},
        {"Dirs", "Name: {app}\\d; OnlyBelowVersion: %1", "0,6.1", "six", invalidParameter("OnlyBelowVersion")},
    });
}

TEST_F(ValueCheck, registryValuesTakeTheirRootTypeAndData)
{
    expectChecked({
        {"Registry", "Root: %1; Subkey: Software\\Demo", "HKLM64", "HKLM65", invalidParameter("Root")},
        {"Registry", "Root: HKCU; Subkey: %1", "Software\\Demo", "\\Software\\Demo",
         QStringLiteral("Parameter \"Subkey\" cannot begin with a backslash (\\)")},
        {"Registry", "Root: HKCU; Subkey: Software; ValueType: %1; ValueName: V; ValueData: 1", "qword", "long", invalidParameter("ValueType")},
        {"Registry", "Root: HKCU; Subkey: Software; ValueType: binary; ValueName: V; ValueData: %1", "01 02 FF 10", "01,02,FF,10",
         invalidParameter("ValueData")},
        {"Registry", "Root: HKCU; Subkey: Software; ValueType: Binary; ValueName: V; ValueData: %1", "0a  ff ", "0a fg",
         invalidParameter("ValueData")},
        {"Registry", "Root: HKCU; Subkey: Software; ValueType: binary; ValueName: V; ValueData: %1", "0a 0f", "a f",
         invalidParameter("ValueData")},
        {"Registry", "Root: HKCU; Subkey: Software; ValueType: dword; ValueName: V; ValueData: %1", "-1", "one",
         invalidParameter("ValueData")},
        {"Registry", "Root: HKCU; Subkey: Software; ValueType: dword; ValueName: V; ValueData: %1", "$FFFFFFFF", "4294967295",
         invalidParameter("ValueData")},
        {"Registry", "Root: HKCU; Subkey: Software; ValueType: DWord; ValueName: V; ValueData: %1",
         "{reg:HKCU\\Software\\Demo,V|0}", "1{reg:HKCU\\Software\\Demo,V|0}", invalidParameter("ValueData")},
        {"Registry", "Root: HKCU; Subkey: Software; ValueType: dword; ValueName: V%1", "; ValueData: 0", "", invalidParameter("ValueData")},
        {"Registry", "Root: HKCU; Subkey: Software; ValueType: qword; ValueName: V; ValueData: %1", "18446744073709551615",
         "18446744073709551616", invalidParameter("ValueData")},
        {"Registry", "Root: HKCU; Subkey: Software; Permissions: %1", "users-read", "users-readexec",
         QStringLiteral("Parameter \"Permissions\" includes an unknown access type: \"readexec\"")},
        {"Registry", "Root: HKCU; Subkey: Software; Flags: %1", "uninsdeletekey", "uninsdeletekey uninsclearvalue",
         bothFlags("uninsclearvalue", "uninsdeletekey")},
        {"Registry", "Root: HKCU; Subkey: Software; Flags: %1", "uninsdeletevalue", "uninsdeletevalue uninsdeletekey",
         bothFlags("uninsdeletevalue", "uninsdeletekey")},
        {"Registry", "Root: HKLM; Subkey: %1; Flags: deletekey", "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Env",
         "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment",
         QStringLiteral("The \"uninsdeletekey\" and \"deletekey\" flags are prohibited on the specified key because the results "
                        "would be disastrous. (You probably mean to delete a value instead.)")},
        {"Registry", "Root: HKCU; Subkey: Software; Flags: %1", "dontcreatekey", "dontcreate", kUnknownFlag},
    });
}

TEST_F(ValueCheck, iconsRunsAndDeletesTakeTheirValuesAndFlags)
{
    expectChecked({
        {"Icons", "Name: {group}\\App; Filename: {app}\\a.exe; HotKey: %1", "Ctrl+Alt+K", "Ctrl+Alt+", invalidParameter("HotKey")},
        {"Icons", "Name: {group}\\App; Filename: {app}\\a.exe; HotKey: %1", "shift+f24", "Shift+F25", invalidParameter("HotKey")},
        {"Icons", "Name: {group}\\App; Filename: {app}\\a.exe; IconIndex: %1", "-1", "first",
         QStringLiteral("Parameter \"IconIndex\" is not a valid integer")},
        {"Icons", "Name: %1; Filename: {app}\\a.exe", "{group}\\App", "App",
         QStringLiteral("Parameter \"Name\" must include a path for the icon, for example, \"{group}\\My Icon\"")},
        {"Icons", "Name: {group}\\App; Filename: {app}; Flags: %1", "foldershortcut", "folder", kUnknownFlag},
        {"Run", "Filename: {app}\\a.exe; Flags: %1", "nowait runhidden", "nowait waituntilidle",
         QStringLiteral("Parameter \"Flags\" cannot include multiple \"wait\" flags")},
        {"Run", "Filename: {app}\\a.exe; Flags: %1", "runascurrentuser", "runasoriginaluser runascurrentuser",
         bothFlags("runasoriginaluser", "runascurrentuser")},
        {"Run", "Filename: {app}\\a.exe; Flags: %1", "64bit", "64bit shellexec", bothFlags("64bit", "shellexec")},
        {"Run", "Filename: {app}\\a.txt; Verb: open; Flags: %1", "shellexec", "nowait",
         QStringLiteral("Flag \"shellexec\" must be used if parameter \"Verb\" is used")},
        {"Run", "Filename: {app}\\a.exe; %1: once", "StatusMsg", "RunOnceId",
         QStringLiteral("Parameter \"RunOnceId\" can only be used in an [UninstallRun] section")},
        {"Run", "Filename: {app}\\a.exe; Flags: %1", "postinstall skipifsilent", "postinstal", kUnknownFlag},
        {"UninstallRun", "Filename: {app}\\a.exe; Flags: %1", "runhidden", "postinstall",
         QStringLiteral("Parameter \"Flags\" includes a flag that is not supported in this section")},
        {"UninstallRun", "Filename: {app}\\a.exe; Flags: %1", "runhidden", "runhiden", kUnknownFlag},
        {"UninstallRun", "Filename: {app}\\a.exe; %1: Removing", "StatusMsg", "Description",
         QStringLiteral("Parameter \"Description\" can only be used in a [Run] section")},
        {"InstallDelete", "Type: %1; Name: {app}\\x", "filesandordirs", "folders", invalidParameter("Type")},
        {"UninstallDelete", "Type: %1; Name: {app}\\x", "dirifempty", "dir", invalidParameter("Type")},
    });
}

TEST_F(ValueCheck, componentsTypesTasksAndLanguagesTakeTheirNamesAndFlags)
{
    expectChecked({
        {"Components", "Name: %1; Description: Main", "main_1", "1main", badName()},
        {"Components", "Name: %1; Description: Main", "main", "and", badName()},
        {"Components", "Name: main; Description: Main; Flags: %1", "fixed restart", "fixd", kUnknownFlag},
        {"Components", "Name: main; Description: Main; Flags: %1", "dontinheritcheck", "dontinheritcheck exclusive",
         bothFlags("dontinheritcheck", "exclusive")},
        {"Components", "Name: main; Description: Main; ExtraDiskSpaceRequired: %1", "1048576", "1 MB",
         invalidParameter("ExtraDiskSpaceRequired")},
        {"Tasks", "Name: %1; Description: Desktop", "desk_icon", "desk-icon", badName()},
        {"Tasks", "Name: desk; Description: Desktop; Flags: %1", "unchecked checkedonce", "uncheck", kUnknownFlag},
        {"Types", "Name: own; Description: Own; Flags: %1", "iscustom", "custom", kUnknownFlag},
        {"Languages", "Name: %1; MessagesFile: compiler:Default.isl", "en_GB", "en-GB",
         QStringLiteral("Parameter \"Name\" includes invalid characters.\r\n\r\nIt may only include alphanumeric characters "
                        "and/or underscores, and may not start with a number. Names 'not', 'and' and 'or' are reserved")},
        {"INI", "Filename: {app}\\a.ini; Section: S; Flags: %1", "uninsdeleteentry", "uninsdeleteentry uninsdeletesection",
         bothFlags("uninsdeleteentry", "uninsdeletesection")},
    });
}

TEST_F(ValueCheck, aComponentOrTaskMoreThanOneLevelDownIsRefusedAtItsLine)
{
    for (const char *section : {"Components", "Tasks"}) {
        CompilerSession s = session(minimalSetup() << QStringLiteral("[%1]").arg(QLatin1String(section))
                                                   << QStringLiteral("Name: a; Description: A")
                                                   << QStringLiteral("Name: a\\b\\c; Description: C"));
        EXPECT_EQ(s.compile(), TCompilerResultFailed) << section;
        ASSERT_EQ(s.errors.size(), 1) << section;
        EXPECT_EQ(s.errors.first().message, QLatin1String(section) == QLatin1String("Tasks")
                                                ? QStringLiteral("Task cannot be more than one level below the preceding task")
                                                : QStringLiteral("Component cannot be more than one level below the preceding component"));
        EXPECT_EQ(s.errors.first().line, 7) << section;
    }
}

namespace {

QString afterConstant(const QString &first)
{
    return first + QStringLiteral("\r\n\r\nUse two consecutive \"{\" characters if you are trying to embed a single \"{\" and not a constant");
}

QString unknownConstant(const char *name)
{
    return afterConstant(QStringLiteral("Unknown constant \"%1\".").arg(QLatin1String(name)));
}

} // namespace

TEST_F(ValueCheck, constantsAreKnownClosedAndComplete)
{
    expectChecked({
        {"Dirs", "Name: %1\\Data", "{app}", "{App}", unknownConstant("App")},
        {"Dirs", "Name: %1", "{{app\\Data", "{app\\Data",
         afterConstant(QStringLiteral("A \"}\" is missing at the end of the constant \"app\\Data\"."))},
        {"InstallDelete", "Type: files; Name: %1\\*.tmp", "{localappdata}", "{application}", unknownConstant("application")},
        {"Tasks", "Name: desk; Description: Desktop; GroupDescription: %1", "Icons in {{group}", "Icons in {grup}", unknownConstant("grup")},
        {"Files", "Source: %1\\big.dat; DestDir: {app}; Flags: external", "{src}", "{source}", unknownConstant("source")},
        {"Icons", "Name: {group}\\%1; Filename: {app}\\a.exe", "App", "{App}", unknownConstant("App")},
        {"Icons", "Name: {group}\\App; Filename: {app}\\a.exe; Comment: %1", "{%PATH|none} {%%41B}", "{%PATH%}",
         QStringLiteral("Invalid environment constant \"%PATH%\"")},
        {"Run", "Filename: {app}\\a.exe; Parameters: %1", "{ini:{app}\\a.ini,Main,Key|1}", "{ini:{app}\\a.ini,Main}",
         QStringLiteral("Invalid INI constant \"ini:{app}\\a.ini,Main\"")},
        {"Registry", "Root: HKCU; Subkey: Software; ValueType: string; ValueName: V; ValueData: %1",
         "{reg:HKLM64\\Software\\Demo,Path|{pf}}", "{reg:HKXX\\Software\\Demo,Path}",
         QStringLiteral("Invalid registry constant \"reg:HKXX\\Software\\Demo,Path\"")},
        {"Registry", "Root: HKCU; Subkey: Software; ValueType: %1; ValueName: V; ValueData: a{break}b", "multisz", "string",
         QStringLiteral("The constant \"break\" cannot be used here")},
        {"Registry", "Root: HKCU; Subkey: Software; ValueType: %1; ValueName: V; ValueData: {olddata}", "expandsz", "dword",
         QStringLiteral("The constant \"olddata\" cannot be used here")},
    });
}

TEST_F(ValueCheck, setupTextsHoldOnlyKnownConstants)
{
    expectChecked({
        {"", "DefaultGroupName=%1", "{cm:UninstallProgram,Demo}", "{Demo}", unknownConstant("Demo")},
        {"", "AppPublisher=%1", "Smith {{&} Sons", "Smith {&} Sons", unknownConstant("&")},
        {"", "UninstallDisplayIcon=%1", "{app}\\demo.exe", "{app\\demo.exe",
         afterConstant(QStringLiteral("A \"}\" is missing at the end of the constant \"app\\demo.exe\"."))},
        {"", "UninstallFilesDir=%1", "{pf}\\Demo", "{PF}\\Demo", unknownConstant("PF")},
        {"", "Uninstallable=%1", "not IsAdminLoggedOn", "MayUninstall",
         QStringLiteral("The function \"MayUninstall\" named by Uninstallable is not declared in [Code]")},
    });
}
