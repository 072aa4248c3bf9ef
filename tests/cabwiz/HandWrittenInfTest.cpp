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
    QStringList descriptorContains; // lines of its _setup.xml, trimmed
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

    QTemporaryDir work;
};

TEST_F(HandWrittenInfTest, BuildsWhatTheFileSays)
{
    const InfCase cases[] = {
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
         {"<parm name=\"BuildMin\" value=\"0x10000000\"/>", "<parm name=\"BuildMax\" value=\"0xE0000000\"/>",
          "<parm name=\"Mask\" value=\"-536870912\" datatype=\"integer\"/>"}},
        {"a processor named only by its source disks",
         "[SourceDisksNames.ARMV4]\n2 = ,\"Arm\",,arm\n[SourceDisksFiles.ARMV4]\napp.exe = 2\n"
         "[DefaultInstall]\nCopyFiles = Files\n[DestinationDirs]\nFiles = 0,%InstallDir%\n[Files]\napp.exe\n",
         {"/cpu", "ARMV4"},
         "tiny.ARMV4.CAB",
         {"<parm name=\"Source\" value=\"app.001\"/>"}},
    };
    for (const InfCase &infCase : cases) {
        SCOPED_TRACE(infCase.name);
        const CabwizResult result = run(infCase.body, infCase.arguments);
        ASSERT_EQ(result.exitCode, 0) << result.lines.join(u'\n').toStdString();
        EXPECT_TRUE(result.lines.isEmpty()) << result.lines.join(u'\n').toStdString();
        EXPECT_EQ(cabinetsIn(work.filePath(QStringLiteral("out"))), QStringList{infCase.cabinet});
        const QStringList lines = descriptorLines(infCase.cabinet);
        for (const QString &expected : infCase.descriptorContains)
            EXPECT_TRUE(lines.contains(expected)) << expected.toStdString() << "\n" << lines.join(u'\n').toStdString();
    }
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
