#include "tests/cabwiz/CabwizRunner.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace talmo::testing;

namespace {

// What people write by hand for the real wizard, each case a small .inf of its
// own after a common head, built into the folder "out".
const char *const InfHead = "[Version]\n"
                            "Signature = \"$Windows NT$\"\n"
                            "Provider = \"Acme\"\n"
                            "CESignature = \"$Windows CE$\"\n"
                            "[CEStrings]\n"
                            "AppName = \"Tiny\"\n"
                            "InstallDir = %CE1%\\%AppName%\n"
                            "[SourceDisksNames]\n"
                            "1 = ,\"Disk\",,src\n";

// A copy of app.exe into the installation folder.
const char *const CopyApp = "[SourceDisksFiles]\n"
                            "app.exe = 1\n"
                            "[DefaultInstall]\n"
                            "CopyFiles = Files\n"
                            "[DestinationDirs]\n"
                            "Files = 0,%InstallDir%\n"
                            "[Files]\n"
                            "app.exe\n";

struct InfCase
{
    const char *name;
    QString body;
    QStringList arguments;          // after "<inf> /dest out"
    QString cabinet;                // the one cabinet the run writes
    QStringList descriptorContains; // runs of whole lines of its _setup.xml, trimmed
    QStringList warnings = {};      // every line the run prints; "@INF@" stands for the .inf
    QStringList descriptorLacks = {};
};

class HandWrittenInfTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(work.isValid());
        ASSERT_TRUE(QDir(work.path()).mkpath(QStringLiteral("src")));
        ASSERT_TRUE(QDir(work.path()).mkpath(QStringLiteral("arm")));
        writeFile(QStringLiteral("src/app.exe"), "the program");
        writeFile(QStringLiteral("arm/app.exe"), "the arm program");
        writeFile(QStringLiteral("arm/tool.dll"), "the arm tool");
        writeFile(QStringLiteral("src/setup.dll"), "the setup");
        writeFile(QStringLiteral("arm/armsetup.dll"), "the arm setup");
    }

    void writeFile(const QString &relative, const QByteArray &content)
    {
        QFile file(work.filePath(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    void clearOutput()
    {
        QDir(work.filePath(QStringLiteral("out"))).removeRecursively();
        QDir(work.path()).mkpath(QStringLiteral("out"));
    }

    CabwizResult run(const QString &body, const QStringList &arguments)
    {
        clearOutput();
        writeInfFile(inf(), QString::fromLatin1(InfHead) + body);
        return runCabwiz(QStringList{inf(), QStringLiteral("/dest"), work.filePath(QStringLiteral("out"))} + arguments);
    }

    QString inf() const { return work.filePath(QStringLiteral("tiny.inf")); }

    QStringList descriptorLines(const QString &cabinet)
    {
        QStringList lines;
        const QString descriptor =
            QString::fromUtf8(cabMember(work.filePath(QStringLiteral("out/") + cabinet), QStringLiteral("_setup.xml")));
        for (const QString &line : descriptor.split(u'\n'))
            lines.append(line.trimmed());
        return lines;
    }

    // Builds each case and checks its output and its cabinet's descriptor.
    void check(const QList<InfCase> &cases)
    {
        for (const InfCase &infCase : cases) {
            SCOPED_TRACE(infCase.name);
            const CabwizResult result = run(infCase.body, infCase.arguments);
            ASSERT_EQ(result.exitCode, 0) << result.lines.join(u'\n').toStdString();
            QStringList warnings = infCase.warnings;
            warnings.replaceInStrings(QStringLiteral("@INF@"), inf());
            EXPECT_EQ(result.lines, warnings);
            EXPECT_EQ(cabinetsIn(work.filePath(QStringLiteral("out"))), QStringList{infCase.cabinet});
            const QString descriptor = u'\n' + descriptorLines(infCase.cabinet).join(u'\n') + u'\n';
            for (const QString &expected : infCase.descriptorContains)
                EXPECT_TRUE(descriptor.contains(u'\n' + expected + u'\n')) << expected.toStdString() << descriptor.toStdString();
            for (const QString &unexpected : infCase.descriptorLacks)
                EXPECT_FALSE(descriptor.contains(unexpected)) << unexpected.toStdString();
        }
    }

    QTemporaryDir work;
};

TEST_F(HandWrittenInfTest, BuildsWhatTheFileSays)
{
    const QList<InfCase> cases = {
        {"comments after headers and values",
         "[CEStrings]   ; required\n"
         "[Strings]\t; user strings\n"
         "Where = \"%CE2%\" ; the Windows folder\n"
         "[SourceDisksFiles]   ; files\n"
         "app.exe = 1 ; the program\n"
         "[DefaultInstall] ; what to do\n"
         "CopyFiles = Files ; one section\n"
         "[DestinationDirs] ; where\n"
         "Files = 0,%Where%\t; \"\\Windows\" directory\n"
         "[Files]\n"
         "app.exe ; copied",
         {},
         "tiny.CAB",
         {"<parm name=\"AppName\" value=\"Acme Tiny\"/>",
          "<parm name=\"InstallDir\" value=\"%CE1%\\Tiny\" translation=\"install\"/>",
          "<characteristic type=\"%CE2%\" translation=\"install\">", "<characteristic type=\"app.exe\">",
          "<parm name=\"Source\" value=\"app.001\"/>"}},
        {"a semicolon inside quotes is data",
         QString::fromLatin1(CopyApp) + "[DefaultInstall]\nAddReg = Reg\n"
                                        "[Reg]\nHKLM,Software\\Tiny,Note,0x00000000,\"a;b\" ; not this\n",
         {},
         "tiny.CAB",
         {"<parm name=\"Note\" value=\"a;b\" datatype=\"string\"/>"}},
        {"a source named in another case",
         "[SourceDisksFiles]\nAPP.EXE = 1\n[DefaultInstall]\nCopyFiles = Files\n"
         "[DestinationDirs]\nFiles = 0,%InstallDir%\\bin\n[Files]\nAPP.EXE\n",
         {},
         "tiny.CAB",
         {"<characteristic type=\"%InstallDir%\\bin\" translation=\"install\">", "<characteristic type=\"APP.EXE\">",
          "<parm name=\"Source\" value=\"APP.001\"/>"}},
        {"shortcuts to a file with an empty type and to folders",
         QString::fromLatin1(CopyApp) + "[DefaultInstall]\nCEShortcuts = Links\n"
                                        "[DestinationDirs]\nLinks = 0,%CE11%\nDocs = 0,%CE5%\\Tiny\n"
                                        "[Links]\nRun,,app.exe\nData,1,Docs\nHome,2,%InstallDir%\n",
         {},
         "tiny.CAB",
         {"<characteristic type=\"%CE11%\" translation=\"install\">", "<characteristic type=\"Run.lnk\">",
          "<parm name=\"Source\" value=\"%InstallDir%\\app.exe\" translation=\"install\"/>",
          "<parm name=\"Source\" value=\"%CE5%\\Tiny\" translation=\"install\"/>",
          "<parm name=\"Source\" value=\"%InstallDir%\" translation=\"install\"/>"}},
        {"a processor's unsupported platforms add to the generic ones",
         QString::fromLatin1(CopyApp) + "[CEDevice]\nUnsupportedPlatforms = \"HPC\",\"Jupiter\"\n"
                                        "[CEDevice.ARMV4]\nUnsupportedPlatforms = \"Palm PC2\"\n",
         {"/cpu", "ARMV4"},
         "tiny.ARMV4.CAB",
         {"<parm name=\"UnsupportedPlatforms\" value=\"HPC,Jupiter,Palm PC2\"/>"}},
        {"an empty processor list keeps the generic one",
         QString::fromLatin1(CopyApp) + "[CEDevice]\nUnsupportedPlatforms = \"HPC\",\"Jupiter\"\n"
                                        "[CEDevice.MIPSII]\nUnsupportedPlatforms =\n",
         {"/cpu", "MIPSII"},
         "tiny.MIPSII.CAB",
         {"<parm name=\"UnsupportedPlatforms\" value=\"HPC,Jupiter\"/>"}},
        {"build limits and a DWORD above the signed range",
         QString::fromLatin1(CopyApp) + "[CEDevice]\nBuildMin = 0x10000000\nBuildMax = 0xE0000000\n"
                                        "[DefaultInstall]\nAddReg = Reg\n"
                                        "[Reg]\nHKLM,Software\\Tiny,Mask,0x00010001,0xE0000000\n",
         {},
         "tiny.CAB",
         {"<parm name=\"BuildNumberMin\" value=\"268435456\"/>", "<parm name=\"BuildNumberMax\" value=\"-536870912\"/>",
          "<parm name=\"Mask\" value=\"-536870912\" datatype=\"integer\"/>"}},
        {"a processor named only by its source disks",
         "[SourceDisksNames.ARMV4]\n2 = ,\"Arm\",,arm\n[SourceDisksFiles.ARMV4]\napp.exe = 2\n"
         "[DefaultInstall]\nCopyFiles = Files\n[DestinationDirs]\nFiles = 0,%InstallDir%\n[Files]\napp.exe\n",
         {"/cpu", "ARMV4"},
         "tiny.ARMV4.CAB",
         {"<parm name=\"Source\" value=\"app.001\"/>"}},
    };
    check(cases);
}

// The body of each case begins at line 10 of its file.
TEST_F(HandWrittenInfTest, WritesWhatTheDeviceExpects)
{
    const QString armDisk = QStringLiteral("[SourceDisksNames.ARM]\n2 = ,\"Arm\",,arm\n"
                                           "[SourceDisksFiles]\napp.exe = 1\nsetup.dll = 1\n"
                                           "[SourceDisksFiles.ARM]\ntool.dll = 2\narmsetup.dll = 2\n"
                                           "[DestinationDirs]\nCommon = 0,%InstallDir%\nArm = 0,%CE2%\n"
                                           "Links = 0,%CE11%\nArmLinks = 0,%CE17%\n"
                                           "[Common]\napp.exe\n[Arm]\ntool.dll\n");
    const QList<InfCase> cases = {
        {"a processor's files add to the common ones",
         armDisk + "[DefaultInstall]\nCopyFiles = Common\n[DefaultInstall.ARM]\nCopyFiles = Arm\n",
         {"/cpu", "ARM"},
         "tiny.ARM.CAB",
         {"<parm name=\"NumFiles\" value=\"2\"/>",
          "<characteristic type=\"app.exe\">\n<characteristic type=\"Extract\">\n<parm name=\"Source\" value=\"app.001\"/>",
          "<characteristic type=\"tool.dll\">\n<characteristic type=\"Extract\">\n<parm name=\"Source\" value=\"tool.002\"/>"}},
        {"a processor's registry, shortcuts and self-registering files add to the common ones; its setup DLL replaces",
         armDisk + "[DefaultInstall]\nCopyFiles = Common\nAddReg = Reg\nCEShortcuts = Links\n"
                   "CESelfRegister = app.exe\nCESetupDLL = setup.dll\n"
                   "[DefaultInstall.ARM]\nCopyFiles = Arm\nAddReg = ArmReg\nCEShortcuts = ArmLinks\n"
                   "CESelfRegister = tool.dll\nCESetupDLL = armsetup.dll\n"
                   "[Reg]\nHKLM,Software\\Tiny,Common,0x00010001,1\n[ArmReg]\nHKLM,Software\\Tiny,Arm,0x00010001,2\n"
                   "[Links]\nTiny,0,app.exe\n[ArmLinks]\nTool,0,tool.dll\n",
         {"/cpu", "ARM"},
         "tiny.ARM.CAB",
         {"<parm name=\"NumRegVals\" value=\"2\"/>\n<parm name=\"NumShortcuts\" value=\"2\"/>\n"
          "<parm name=\"SetupDLL\" value=\"armsetup.003\" translation=\"install\"/>\n</characteristic>",
          "<parm name=\"Source\" value=\"app.001\"/>\n<parm name=\"SelfRegister\"/>",
          "<parm name=\"Source\" value=\"tool.002\"/>\n<parm name=\"SelfRegister\"/>",
          "<parm name=\"Common\" value=\"1\" datatype=\"integer\"/>\n<parm name=\"Arm\" value=\"2\" datatype=\"integer\"/>",
          "<characteristic type=\"Tiny.lnk\">", "<characteristic type=\"Tool.lnk\">"},
         {},
         {"value=\"setup."}},
        {"copy flags in the file's Extract, those without a place warned about",
         QString::fromLatin1(CopyApp).replace(QStringLiteral("app.exe = 1"), QStringLiteral("app.exe = 1\nsetup.dll = 1"))
             + "\"setup.dll\",,,0x00000010\n"
               "copy.exe,app.exe,,0x80000000\n"
               "late.exe,app.exe,,0x40000012\n"
               "odd.exe,app.exe,,0x00000004\n",
         {},
         "tiny.CAB",
         {"<parm name=\"Source\" value=\"app.001\"/>\n</characteristic>",
          "<characteristic type=\"setup.dll\">\n<characteristic type=\"Extract\">\n"
          "<parm name=\"Source\" value=\"setup.002\"/>\n<parm name=\"NoOverwrite\"/>\n</characteristic>",
          "<characteristic type=\"copy.exe\">\n<characteristic type=\"Extract\">\n"
          "<parm name=\"Source\" value=\"app.001\"/>\n<parm name=\"Shared\"/>\n</characteristic>",
          "<characteristic type=\"late.exe\">\n<characteristic type=\"Extract\">\n"
          "<parm name=\"Source\" value=\"app.001\"/>\n<parm name=\"NoOverwrite\"/>\n</characteristic>"},
         {"Warning: @INF@, line 21, section [Files]: the setup descriptor has no place for the copy flag "
          "COPYFLG_NOSKIP (0x00000002); the device installs the file without it",
          "Warning: @INF@, line 21, section [Files]: the setup descriptor has no place for the copy flag "
          "CE_COPYFLG_NODATECHECK (0x40000000); the device installs the file without it",
          "Warning: @INF@, line 22, section [Files]: unknown copy flags 0x00000004 are left out"}},
        {"self-registration marks the file, not the installation",
         QString::fromLatin1(CopyApp) + "[DefaultInstall]\nCESelfRegister = APP.EXE,gone.dll\n",
         {},
         "tiny.CAB",
         {"<parm name=\"Source\" value=\"app.001\"/>\n<parm name=\"SelfRegister\"/>\n</characteristic>"},
         {"Warning: @INF@, line 19, section [DefaultInstall]: CESelfRegister names gone.dll, which this cabinet does "
          "not install"},
         {"<parm name=\"SelfRegister\" value="}},
        {"version and build limits under the device's names",
         QString::fromLatin1(CopyApp) + "[CEDevice]\nVersionMin = 4.2\nVersionMax = 100.0\nBuildMax = 0xE0000000\n"
                                        "[CEDevice.ARM]\nProcessorType = 2577\n",
         {"/cpu", "ARM"},
         "tiny.ARM.CAB",
         {"<parm name=\"ProcessorType\" value=\"2577\"/>\n<parm name=\"OSVersionMin\" value=\"4.2\"/>\n"
          "<parm name=\"OSVersionMax\" value=\"100.0\"/>\n<parm name=\"BuildNumberMin\" value=\"0\"/>\n"
          "<parm name=\"BuildNumberMax\" value=\"-536870912\"/>\n</characteristic>"},
         {},
         {"\"VersionMin\"", "\"BuildMax\""}},
        {"sections named but absent are left out",
         QString::fromLatin1(CopyApp).replace(QStringLiteral("CopyFiles = Files"), QStringLiteral("CopyFiles = Files,Missing"))
             + "[DefaultInstall]\nAddReg = Gone\n",
         {},
         "tiny.CAB",
         {"<parm name=\"NumFiles\" value=\"1\"/>", "<parm name=\"NumRegVals\" value=\"0\"/>"},
         {"Warning: @INF@, line 13, section [DefaultInstall]: CopyFiles names the section [Missing], which the file does "
          "not have; nothing of it is installed",
          "Warning: @INF@, line 19, section [DefaultInstall]: AddReg names the section [Gone], which the file does not "
          "have; nothing of it is installed"}},
        {"a NUL character ends the text",
         QString::fromLatin1(CopyApp) + "\r\n" + QChar(0) + "[DefaultInstall]\nAddReg = Gone\n",
         {},
         "tiny.CAB",
         {"<parm name=\"NumFiles\" value=\"1\"/>"}},
        {"doubled quotes inside quotes, quoted and unquoted pieces joined",
         QString::fromLatin1(CopyApp) + "[DefaultInstall]\nAddReg = Reg\n[Reg]\n"
                                        "HKCR,k,,0,\"\"\"%InstallDir%\\a.exe\"\" \"\"%1\"\"\"\n"
                                        "HKCR,\"Open\"\\Command,,0,\"\"\"%InstallDir%\\b.exe\"\"\" %%1\n",
         {},
         "tiny.CAB",
         {"<parm name=\"\" value=\"&quot;%InstallDir%\\a.exe&quot; &quot;%1&quot;\" datatype=\"string\" "
          "translation=\"install\"/>",
          "<characteristic type=\"HKCR\\Open\\Command\">\n<parm name=\"\" value=\"&quot;%InstallDir%\\b.exe&quot; %1\" "
          "datatype=\"string\" translation=\"install\"/>"}},
        {"strings in the file names of the source disks",
         "[Strings]\nExeName = app.exe\n[SourceDisksFiles]\n%ExeName% = 1\n[DefaultInstall]\nCopyFiles = Files\n"
         "[DestinationDirs]\nFiles = 0,%InstallDir%\n[Files]\n%ExeName%\n",
         {},
         "tiny.CAB",
         {"<characteristic type=\"app.exe\">\n<characteristic type=\"Extract\">\n<parm name=\"Source\" value=\"app.001\"/>"}},
    };
    check(cases);
}

// A project that dropped its setup DLL leaves the key behind, its value empty.
TEST_F(HandWrittenInfTest, AnEmptySetupDllMeansNone)
{
    const QString withSetup = QString::fromLatin1(CopyApp).replace(QStringLiteral("app.exe = 1"),
                                                                   QStringLiteral("app.exe = 1\nsetup.dll = 1"));
    const QList<InfCase> cases = {
        {"an empty quoted value",
         QString::fromLatin1(CopyApp) + "[DefaultInstall]\nCESetupDLL = \"\"\n",
         {},
         "tiny.CAB",
         {"<parm name=\"NumFiles\" value=\"1\"/>"},
         {},
         {"SetupDLL"}},
        {"a processor's empty value drops the generic setup DLL",
         withSetup + "[DefaultInstall]\nCESetupDLL = setup.dll\n[DefaultInstall.ARM]\nCESetupDLL = \"\"\n",
         {"/cpu", "ARM"},
         "tiny.ARM.CAB",
         {"<parm name=\"NumFiles\" value=\"1\"/>"},
         {},
         {"SetupDLL"}},
    };
    check(cases);
    EXPECT_EQ(cabMembers(work.filePath(QStringLiteral("out/tiny.ARM.CAB"))), (QStringList{"_setup.xml", "app.001"}));
}

TEST_F(HandWrittenInfTest, AFolderWrittenWithoutRootLiesBelowTheDevicesRoot)
{
    const QList<InfCase> cases = {
        {"files, shortcuts of a section and a shortcut's own folder",
         "[SourceDisksFiles]\napp.exe = 1\n[DefaultInstall]\nCopyFiles = Files\nCEShortcuts = Links\n"
         "[DestinationDirs]\nFiles = 0,Windows\\Desktop\nLinks = 0,\"Windows\\Start Menu\"\n"
         "[Files]\napp.exe\n[Links]\nRun,0,app.exe\nAlso,0,app.exe,Windows\\Programs\n",
         {},
         "tiny.CAB",
         {"<characteristic type=\"\\Windows\\Desktop\" translation=\"install\">\n<characteristic type=\"MakeDir\"/>\n"
          "<characteristic type=\"app.exe\">",
          "<characteristic type=\"\\Windows\\Start Menu\" translation=\"install\">\n<characteristic type=\"MakeDir\"/>\n"
          "<characteristic type=\"Run.lnk\">\n<characteristic type=\"Shortcut\">\n"
          "<parm name=\"Source\" value=\"\\Windows\\Desktop\\app.exe\" translation=\"install\"/>",
          "<characteristic type=\"\\Windows\\Programs\" translation=\"install\">"},
         {},
         {"type=\"Windows"}},
        {"a string that names such a folder",
         "[Strings]\nDesk = \"Windows\\Desktop\"\n[SourceDisksFiles]\napp.exe = 1\n[DefaultInstall]\nCopyFiles = Files\n"
         "[DestinationDirs]\nFiles = 0,%Desk%\n[Files]\napp.exe\n",
         {},
         "tiny.CAB",
         {"<characteristic type=\"\\Windows\\Desktop\" translation=\"install\">"}},
    };
    check(cases);
}

TEST_F(HandWrittenInfTest, AShortcutNamedWithItsExtensionGetsNoSecondOne)
{
    check({{"names with and without the extension",
            QString::fromLatin1(CopyApp) + "[DefaultInstall]\nCEShortcuts = Links\n[DestinationDirs]\nLinks = 0,%CE11%\n"
                                           "[Links]\n\"KandG Arcade.lnk\",0,app.exe\nShout.LNK,0,app.exe\nPlain,0,app.exe\n",
            {},
            "tiny.CAB",
            {"<characteristic type=\"KandG Arcade.lnk\">", "<characteristic type=\"Shout.LNK\">",
             "<characteristic type=\"Plain.lnk\">"},
            {},
            {".lnk.lnk", ".LNK.lnk"}}});
}

// The device checks its version and build against each limit given; an upper
// limit of 0 would turn every device away.
TEST_F(HandWrittenInfTest, ZeroUpperLimitsAreNoLimits)
{
    const QList<InfCase> cases = {
        {"all four limits 0",
         QString::fromLatin1(CopyApp) + "[CEDevice]\nVersionMin = 0\nVersionMax = 0.0\nBuildMin = 0\nBuildMax = 0\n",
         {},
         "tiny.CAB",
         {"<parm name=\"NumShortcuts\" value=\"0\"/>\n<parm name=\"OSVersionMin\" value=\"0\"/>\n"
          "<parm name=\"BuildNumberMin\" value=\"0\"/>\n</characteristic>"},
         {},
         {"OSVersionMax", "BuildNumberMax"}},
        {"zero upper limits alone",
         QString::fromLatin1(CopyApp) + "[CEDevice]\nVersionMax = 0.00\nBuildMax = 0x00000000\n",
         {},
         "tiny.CAB",
         {"<parm name=\"NumShortcuts\" value=\"0\"/>\n</characteristic>"},
         {},
         {"OSVersion", "BuildNumber"}},
        {"a processor's zero drops the generic upper limit",
         QString::fromLatin1(CopyApp) + "[CEDevice]\nVersionMax = 5.2\nBuildMax = 0xE0000000\n"
                                        "[CEDevice.ARM]\nVersionMax = 0\nBuildMax = 0\n",
         {"/cpu", "ARM"},
         "tiny.ARM.CAB",
         {"<parm name=\"NumShortcuts\" value=\"0\"/>\n</characteristic>"},
         {},
         {"OSVersion", "BuildNumber"}},
        {"a zero lower limit with a real upper one",
         QString::fromLatin1(CopyApp) + "[CEDevice]\nVersionMin = 0.0\nVersionMax = 0.5\nBuildMax = 0xA0000000\n",
         {},
         "tiny.CAB",
         {"<parm name=\"OSVersionMin\" value=\"0.0\"/>\n<parm name=\"OSVersionMax\" value=\"0.5\"/>\n"
          "<parm name=\"BuildNumberMin\" value=\"0\"/>\n<parm name=\"BuildNumberMax\" value=\"-1610612736\"/>"}},
    };
    check(cases);
}

// Every line of a list key counts; of a key that takes one value, the last.
TEST_F(HandWrittenInfTest, AListKeyRepeatedInASectionNamesEveryList)
{
    writeFile(QStringLiteral("src/tool.dll"), "the tool");
    writeFile(QStringLiteral("src/lib.dll"), "the library");
    check({{"every list key twice, the setup DLL twice",
            "[SourceDisksFiles]\napp.exe = 1\ntool.dll = 1\nlib.dll = 1\nsetup.dll = 1\n"
            "[DefaultInstall]\nCopyFiles = Program\nCopyFiles = Libraries\nAddReg = RegA\nAddReg = RegB\n"
            "CEShortcuts = Links\nCEShortcuts = MoreLinks\nCESelfRegister = tool.dll\nCESelfRegister = lib.dll\n"
            "CESetupDLL = nowhere.dll\nCESetupDLL = setup.dll\n"
            "[DestinationDirs]\nProgram = 0,%InstallDir%\nLibraries = 0,%CE2%\nLinks = 0,%CE11%\nMoreLinks = 0,%CE17%\n"
            "[Program]\napp.exe\n[Libraries]\ntool.dll\nlib.dll\n"
            "[RegA]\nHKLM,Software\\Tiny,A,0x00010001,1\n[RegB]\nHKLM,Software\\Tiny,B,0x00010001,2\n"
            "[Links]\nTiny,0,app.exe\n[MoreLinks]\nStart,0,app.exe\n",
            {},
            "tiny.CAB",
            {"<parm name=\"NumFiles\" value=\"3\"/>\n<parm name=\"NumRegKeys\" value=\"1\"/>\n"
             "<parm name=\"NumRegVals\" value=\"2\"/>\n<parm name=\"NumShortcuts\" value=\"2\"/>\n"
             "<parm name=\"SetupDLL\" value=\"setup.004\" translation=\"install\"/>",
             "<parm name=\"Source\" value=\"tool.002\"/>\n<parm name=\"SelfRegister\"/>",
             "<parm name=\"Source\" value=\"lib.003\"/>\n<parm name=\"SelfRegister\"/>",
             "<characteristic type=\"Tiny.lnk\">", "<characteristic type=\"Start.lnk\">"}}});
    EXPECT_EQ(cabMembers(work.filePath(QStringLiteral("out/tiny.CAB"))),
              (QStringList{"_setup.xml", "app.001", "lib.003", "setup.004", "tool.002"}));
    EXPECT_EQ(cabMember(work.filePath(QStringLiteral("out/tiny.CAB")), QStringLiteral("lib.003")), QByteArray("the library"));
}

// Strings may name strings to any depth; only a string met again while it is
// being expanded is a cycle.
TEST_F(HandWrittenInfTest, OnlyARealCycleOfStringsIsRefused)
{
    const int depth = 100000;
    QString chain = QStringLiteral("[Strings]\n");
    for (int n = 1; n < depth; ++n)
        chain += QStringLiteral("s%1=%s%2%\n").arg(n).arg(n + 1);
    chain += QStringLiteral("s%1=Deep\n[Version]\nProvider = %s1%\n").arg(depth);
    const CabwizResult deep = run(QString::fromLatin1(CopyApp) + chain, {});
    ASSERT_EQ(deep.exitCode, 0) << deep.lines.mid(0, 5).join(u'\n').toStdString();
    EXPECT_TRUE(descriptorLines(QStringLiteral("tiny.CAB")).contains(QStringLiteral("<parm name=\"AppName\" value=\"Deep Tiny\"/>")));

    const struct
    {
        const char *strings;
        const char *message;
    } cycles[] = {
        {"s1=%s2%\ns2=a%s3%\ns3=%s1%\n", "string %s1% refers to itself"},
        {"s1=%S1%\n", "string %S1% refers to itself"},
    };
    for (const auto &cycle : cycles) {
        SCOPED_TRACE(cycle.strings);
        const CabwizResult result = run(QString::fromLatin1(CopyApp) + "[Strings]\n" + QString::fromLatin1(cycle.strings)
                                            + "[Version]\nProvider = %s1%\n",
                                        {});
        EXPECT_EQ(result.exitCode, 1);
        ASSERT_EQ(result.errorLines().size(), 1) << result.lines.join(u'\n').toStdString();
        EXPECT_TRUE(result.errorLines().first().endsWith(QStringLiteral("section [Version]: ") + QLatin1String(cycle.message)))
            << result.errorLines().first().toStdString();
        EXPECT_TRUE(cabinetsIn(work.filePath(QStringLiteral("out"))).isEmpty());
    }
}

// With a full disk or folder, every file of a project may be gone: a cabinet
// of nothing must not pass for a build.
TEST_F(HandWrittenInfTest, AnInstallationOfNothingIsRefused)
{
    const CabwizResult result = run(QStringLiteral("[SourceDisksFiles]\napp.exe = 1\n[DestinationDirs]\nLinks = 0,%CE11%\n"
                                                   "Empty = 0,%InstallDir%\n[DefaultInstall]\nCopyFiles = Empty\nCEShortcuts = Links\n"
                                                   "[Empty]\n[Links]\n"),
                                    {QStringLiteral("/cpu"), QStringLiteral("ARM")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.lines,
              (QStringList{"Warning: " + inf() + ": no section names the processor ARM; its cabinet holds the generic "
                                                 "installation",
                           "Error: " + inf() + ", line 15, section [DefaultInstall]: the cabinet for ARM installs nothing: "
                                               "no file, no registry value and no shortcut"}));
    EXPECT_TRUE(cabinetsIn(work.filePath(QStringLiteral("out"))).isEmpty());
}

// The processor's own file of a path replaces the generic one without a word,
// and the cabinet no longer carries the generic one; two generic files of one
// path are a clash worth a warning.
TEST_F(HandWrittenInfTest, AProcessorsFileReplacesTheGenericOneOfItsPath)
{
    const QString body = QStringLiteral("[SourceDisksNames.ARM]\n2 = ,\"Arm\",,arm\n"
                                        "[SourceDisksFiles]\napp.exe = 1\nsetup.dll = 1\n[SourceDisksFiles.ARM]\ntool.dll = 2\n"
                                        "[DestinationDirs]\nDefaultDestDir = 0,%InstallDir%\n"
                                        "[Common]\napp.exe\n[Arm]\napp.exe,tool.dll\n"
                                        "[DefaultInstall]\nCopyFiles = Common\n[DefaultInstall.ARM]\nCopyFiles = Arm\n");
    const CabwizResult replaced = run(body, {QStringLiteral("/cpu"), QStringLiteral("ARM")});
    ASSERT_EQ(replaced.exitCode, 0) << replaced.lines.join(u'\n').toStdString();
    EXPECT_EQ(replaced.lines, QStringList());
    const QString cabinet = work.filePath(QStringLiteral("out/tiny.ARM.CAB"));
    EXPECT_EQ(cabMembers(cabinet), (QStringList{"_setup.xml", "tool.001"}));
    EXPECT_TRUE(descriptorLines(QStringLiteral("tiny.ARM.CAB")).join(u'\n').contains(
        QStringLiteral("<characteristic type=\"app.exe\">\n<characteristic type=\"Extract\">\n"
                       "<parm name=\"Source\" value=\"tool.001\"/>")));

    const CabwizResult clash = run(QString(body).replace(QStringLiteral("[Arm]"), QStringLiteral("app.exe,setup.dll\n[Arm]")), {});
    ASSERT_EQ(clash.exitCode, 0) << clash.lines.join(u'\n').toStdString();
    EXPECT_EQ(clash.lines, QStringList{"Warning: " + inf() + ", line 21, section [Common]: %InstallDir%\\app.exe is "
                                                             "installed from two sources; the later one wins"});
    EXPECT_EQ(cabMembers(work.filePath(QStringLiteral("out/tiny.CAB"))), (QStringList{"_setup.xml", "setup.001"}));
}

TEST_F(HandWrittenInfTest, TheProcessorsSourceOfAFileWinsHoweverItsNameIsWritten)
{
    const CabwizResult result = run(QStringLiteral("[Strings]\nExe = app.exe\n[SourceDisksNames.ARM]\n2 = ,\"Arm\",,arm\n"
                                                   "[SourceDisksFiles]\n%Exe% = 1\n[SourceDisksFiles.ARM]\nAPP.EXE = 2\n"
                                                   "[DefaultInstall]\nCopyFiles = Files\n"
                                                   "[DestinationDirs]\nFiles = 0,%InstallDir%\n[Files]\napp.exe\n"),
                                    {QStringLiteral("/cpu"), QStringLiteral("ARM")});
    ASSERT_EQ(result.exitCode, 0) << result.lines.join(u'\n').toStdString();
    EXPECT_EQ(cabMember(work.filePath(QStringLiteral("out/tiny.ARM.CAB")), QStringLiteral("app.001")),
              QByteArray("the arm program"));
}

TEST_F(HandWrittenInfTest, TheSourceFoundIgnoringCaseIsCopiedWhole)
{
    const CabwizResult result = run(QStringLiteral("[SourceDisksFiles]\nApp.Exe = 1\n[DefaultInstall]\nCopyFiles = Files\n"
                                                   "[DestinationDirs]\nFiles = 0,%InstallDir%\n[Files]\nApp.Exe\n"),
                                    {});
    ASSERT_EQ(result.exitCode, 0) << result.lines.join(u'\n').toStdString();
    EXPECT_EQ(cabMember(work.filePath(QStringLiteral("out/tiny.CAB")), QStringLiteral("App.001")),
              QByteArray("the program"));
}

TEST_F(HandWrittenInfTest, TwoSourcesDifferingOnlyInCaseAreAnError)
{
    writeFile(QStringLiteral("src/APP.exe"), "another program");
    const CabwizResult result = run(QString::fromLatin1(CopyApp).replace(QStringLiteral("app.exe"), QStringLiteral("App.exe")), {});
    EXPECT_EQ(result.exitCode, 1);
    const QString source = work.filePath(QStringLiteral("src/"));
    EXPECT_EQ(result.errorLines(),
              QStringList{"Error: " + inf() + ", line 17, section [Files]: the source file " + source
                          + "App.exe matches both " + source + "APP.exe and " + source
                          + "app.exe, which differ only in case"});
    EXPECT_TRUE(cabinetsIn(work.filePath(QStringLiteral("out"))).isEmpty());
}

// Three processors, the second one's file missing: no cabinet of any of them.
TEST_F(HandWrittenInfTest, AMissingFileOfOneProcessorLeavesNoCabinet)
{
    ASSERT_TRUE(QDir(work.path()).mkpath(QStringLiteral("sh3")));
    writeFile(QStringLiteral("sh3/app.exe"), "the sh3 program");
    const CabwizResult result = run(QStringLiteral("[SourceDisksNames.ARMV4]\n2 = ,\"Arm\",,arm\n"
                                                   "[SourceDisksNames.MIPSII]\n2 = ,\"Mips\",,mips\n"
                                                   "[SourceDisksNames.SH3]\n2 = ,\"Sh3\",,sh3\n"
                                                   "[SourceDisksFiles]\napp.exe = 2\n")
                                        + QString::fromLatin1(CopyApp).remove(QStringLiteral("[SourceDisksFiles]\napp.exe = 1\n")),
                                    {QStringLiteral("/cpu"), QStringLiteral("ARMV4"), QStringLiteral("MIPSII"),
                                     QStringLiteral("SH3")});
    EXPECT_EQ(result.exitCode, 1);
    ASSERT_EQ(result.errorLines().size(), 1) << result.lines.join(u'\n').toStdString();
    EXPECT_TRUE(result.errorLines().first().contains(QStringLiteral("mips/app.exe does not exist")))
        << result.errorLines().first().toStdString();
    EXPECT_TRUE(cabinetsIn(work.filePath(QStringLiteral("out"))).isEmpty());
}

// 27 strings that each double the next would grow to gigabytes.
TEST_F(HandWrittenInfTest, StringsThatGrowWithoutBoundAreRefused)
{
    QString strings = QStringLiteral("[Strings]\n");
    for (int n = 1; n < 27; ++n)
        strings += QStringLiteral("s%1=%s%2%%s%2%\n").arg(n).arg(n + 1);
    strings += QStringLiteral("s27=abcd\n[Version]\nProvider = %s1%\n");
    QElapsedTimer timer;
    timer.start();
    const CabwizResult result = run(QString::fromLatin1(CopyApp) + strings, {});
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(result.exitCode, 1);
    ASSERT_EQ(result.errorLines().size(), 1) << result.lines.join(u'\n').toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Error: .*tiny\\.inf, line 47, section \\[Version\\]: string %s\\d+% "
                                                  "expands to more than 65536 characters$"))
                    .match(result.errorLines().first())
                    .hasMatch())
        << result.errorLines().first().toStdString();
    EXPECT_TRUE(cabinetsIn(work.filePath(QStringLiteral("out"))).isEmpty());
}

// /err writes the messages to the file as well; a successful run leaves it empty.
TEST_F(HandWrittenInfTest, ErrorFileReceivesTheMessages)
{
    const QString log = work.filePath(QStringLiteral("errors.txt"));
    auto logText = [&] {
        QFile file(log);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromUtf8(file.readAll());
    };
    const CabwizResult failed =
        run(QString::fromLatin1(CopyApp).replace(QStringLiteral("%InstallDir%"), QStringLiteral("%Nowhere%")),
            {QStringLiteral("/err"), log});
    EXPECT_EQ(failed.exitCode, 1);
    ASSERT_EQ(failed.errorLines().size(), 1) << failed.lines.join(u'\n').toStdString();
    EXPECT_EQ(logText(), failed.lines.join(u'\n') + u'\n');
    EXPECT_TRUE(cabinetsIn(work.filePath(QStringLiteral("out"))).isEmpty());

    const CabwizResult built = run(QString::fromLatin1(CopyApp), {QStringLiteral("/ERR"), log});
    EXPECT_EQ(built.exitCode, 0) << built.lines.join(u'\n').toStdString();
    EXPECT_EQ(logText(), QString());

    const CabwizResult unwritable =
        run(QString::fromLatin1(CopyApp), {QStringLiteral("/err"), work.filePath(QStringLiteral("nowhere/errors.txt"))});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_EQ(unwritable.errorLines().size(), 1);
    EXPECT_TRUE(cabinetsIn(work.filePath(QStringLiteral("out"))).isEmpty());
}

} // namespace
