#include "tests/cabwiz/CabwizRunner.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace talmo::testing;

namespace {

QString readFixture(const QString &name)
{
    QFile file(QStringLiteral(TALMO_TEST_SOURCE_DIR "/fixtures/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return QString::fromUtf8(file.readAll());
}

// A work folder with the fixture's source files: a readme shared by all
// processors and one app.exe per processor folder.
class CabwizEndToEndTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(work.isValid());
        for (const char *folder : {"src/common", "src/arm", "src/mips", "out"})
            ASSERT_TRUE(QDir(work.path()).mkpath(QString::fromLatin1(folder)));
        writeFile("src/common/readme.txt", "read me\n");
        writeFile("src/common/app.exe", "generic build");
        writeFile("src/arm/app.exe", "arm build");
        writeFile("src/mips/app.exe", "mips build");
    }

    void writeFile(const QString &relative, const QByteArray &content)
    {
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QString path(const QString &relative) const { return work.filePath(relative); }

    // The fixture's source folder is written Windows-style, joined with "\".
    QString writeInf(const QString &name, const QString &text)
    {
        QString windowsStyleSource = path(QStringLiteral("src"));
        windowsStyleSource.replace(u'/', u'\\');
        QString resolved = text;
        resolved.replace(QStringLiteral("@SRC@"), windowsStyleSource);
        resolved.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
        writeInfFile(path(name), resolved);
        return path(name);
    }

    CabwizResult run(const QStringList &extra)
    {
        return runCabwiz(QStringList{path(QStringLiteral("multi.inf")), QStringLiteral("/dest"), path(QStringLiteral("out"))}
                         + extra);
    }

    QTemporaryDir work;
};

TEST_F(CabwizEndToEndTest, OneCabinetPerProcessorWithItsOwnFiles)
{
    writeInf(QStringLiteral("multi.inf"), readFixture(QStringLiteral("multi.inf")));
    const CabwizResult result = run({QStringLiteral("/cpu"), QStringLiteral("ARMV4"), QStringLiteral("MIPSII")});
    ASSERT_EQ(result.exitCode, 0) << result.lines.join(u'\n').toStdString();
    EXPECT_TRUE(result.lines.isEmpty()) << result.lines.join(u'\n').toStdString();
    EXPECT_EQ(cabinetsIn(path(QStringLiteral("out"))), (QStringList{"multi.ARMV4.CAB", "multi.MIPSII.CAB"}));

    const QString arm = path(QStringLiteral("out/multi.ARMV4.CAB"));
    EXPECT_EQ(cabMembers(arm), (QStringList{"_setup.xml", "app.002", "readme.001"}));
    EXPECT_EQ(cabMember(arm, QStringLiteral("app.002")), QByteArray("arm build"));
    EXPECT_EQ(QString::fromUtf8(cabMember(arm, QStringLiteral("_setup.xml"))),
              readFixture(QStringLiteral("multi-ARMV4-setup.xml")));

    const QString mips = path(QStringLiteral("out/multi.MIPSII.CAB"));
    EXPECT_EQ(cabMembers(mips), (QStringList{"_setup.xml", "app.002", "readme.001"}));
    EXPECT_EQ(cabMember(mips, QStringLiteral("app.002")), QByteArray("mips build"));
}

TEST_F(CabwizEndToEndTest, WithoutProcessorsOneGenericCabinet)
{
    writeInf(QStringLiteral("multi.inf"), readFixture(QStringLiteral("multi.inf")));
    const CabwizResult result = run({});
    ASSERT_EQ(result.exitCode, 0) << result.lines.join(u'\n').toStdString();
    EXPECT_EQ(cabinetsIn(path(QStringLiteral("out"))), QStringList{"multi.CAB"});
    const QString cab = path(QStringLiteral("out/multi.CAB"));
    EXPECT_EQ(cabMembers(cab), (QStringList{"_setup.xml", "app.002", "readme.001"}));
    EXPECT_EQ(cabMember(cab, QStringLiteral("app.002")), QByteArray("generic build"));
}

TEST_F(CabwizEndToEndTest, BlanksInAProcessorNameBecomeUnderscoresInItsCabinetName)
{
    writeInf(QStringLiteral("multi.inf"), readFixture(QStringLiteral("multi.inf")));
    const CabwizResult result = run({QStringLiteral("/cpu"), QStringLiteral("ARM v4 (x)")});
    ASSERT_EQ(result.exitCode, 0) << result.lines.join(u'\n').toStdString();
    EXPECT_EQ(cabinetsIn(path(QStringLiteral("out"))), QStringList{"multi.ARM_v4_(x).CAB"});
    EXPECT_EQ(cabMember(path(QStringLiteral("out/multi.ARM_v4_(x).CAB")), QStringLiteral("readme.001")),
              QByteArray("read me\n"));
}

// The folder header of a cabinet: its compression type follows the 36-byte
// cabinet header, the folder's data offset (4 bytes) and block count (2 bytes).
int compressionType(const QString &cabPath)
{
    QFile file(cabPath);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(44);
    EXPECT_TRUE(header.startsWith("MSCF"));
    return quint8(header[42]) | quint8(header[43]) << 8;
}

TEST_F(CabwizEndToEndTest, CompressOptionStoresMsZip)
{
    writeInf(QStringLiteral("multi.inf"), readFixture(QStringLiteral("multi.inf")));
    ASSERT_EQ(run({}).exitCode, 0);
    EXPECT_EQ(compressionType(path(QStringLiteral("out/multi.CAB"))), 0);
    ASSERT_EQ(run({QStringLiteral("/COMPRESS")}).exitCode, 0);
    EXPECT_EQ(compressionType(path(QStringLiteral("out/multi.CAB"))), 1);
    EXPECT_EQ(cabMember(path(QStringLiteral("out/multi.CAB")), QStringLiteral("readme.001")), QByteArray("read me\n"));
}

TEST_F(CabwizEndToEndTest, MinorFaultsAreWarningsAndStillBuild)
{
    QString text = readFixture(QStringLiteral("multi.inf"));
    text.replace(QStringLiteral("Demo App,0,app.exe"), QStringLiteral("Demo App,0,other.exe"));
    writeInf(QStringLiteral("multi.inf"), text);
    const CabwizResult result = run({QStringLiteral("/cpu"), QStringLiteral("SH3")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.errorLines().isEmpty());
    EXPECT_EQ(result.lines.size(), 2) << result.lines.join(u'\n').toStdString();
    for (const QString &line : result.lines)
        EXPECT_TRUE(line.startsWith(QStringLiteral("Warning: "))) << line.toStdString();
    EXPECT_EQ(cabinetsIn(path(QStringLiteral("out"))), QStringList{"multi.SH3.CAB"});
}

struct ErrorCase
{
    const char *name;
    const char *replace;
    const char *with;
    const char *expectedLine;
};

// Each fault: the one "Error" line (file, line and section named), a non-zero
// exit and not a single file left in the output folder.
TEST_F(CabwizEndToEndTest, FaultsGiveAnErrorLineAndNoCabinet)
{
    const ErrorCase cases[] = {
        {"missing source file", "app.exe,,", "unused.bin,,",
         "Error: @INF@, line 45, section [Common]: the source file @SRC@/common/unused.bin does not exist"},
        {"undefined string", "Docs=0,%DocDir%", "Docs=0,%DocsDir%",
         "Error: @INF@, line 57, section [DestinationDirs]: undefined string %DocsDir%"},
        {"file not on any disk", "manual.txt,readme.txt,,0x00000010", "manual.txt,nowhere.txt,,0x00000010",
         "Error: @INF@, line 48, section [Docs]: the file nowhere.txt is not listed in [SourceDisksFiles]"},
    };
    const QString fixture = readFixture(QStringLiteral("multi.inf"));
    for (const ErrorCase &errorCase : cases) {
        SCOPED_TRACE(errorCase.name);
        QString text = fixture;
        text.replace(QString::fromUtf8(errorCase.replace), QString::fromUtf8(errorCase.with));
        const QString inf = writeInf(QStringLiteral("multi.inf"), text);
        const CabwizResult result = run({QStringLiteral("/cpu"), QStringLiteral("ARMV4"), QStringLiteral("MIPSII")});
        EXPECT_NE(result.exitCode, 0);
        QString expected = QString::fromUtf8(errorCase.expectedLine);
        expected.replace(QStringLiteral("@INF@"), inf).replace(QStringLiteral("@SRC@"), path(QStringLiteral("src")));
        EXPECT_EQ(result.errorLines(), QStringList{expected}) << result.lines.join(u'\n').toStdString();
        EXPECT_TRUE(cabinetsIn(path(QStringLiteral("out"))).isEmpty());
    }
}

TEST_F(CabwizEndToEndTest, UnreadableInfAndIncompleteCommandLineAreErrors)
{
    const QString missing = path(QStringLiteral("missing.inf"));
    writeFile(QStringLiteral("latin1.inf"), "[Version]\nProvider = \"Caf\xE9\"\n");
    const std::pair<QStringList, QString> cases[] = {
        {{missing, "/dest", path("out")}, "Error: " + missing + ": cannot read the file: No such file or directory"},
        {{path("latin1.inf"), "/dest", path("out")},
         "Error: " + path("latin1.inf") + ": the file is neither UTF-16 with a byte-order mark nor UTF-8"},
        {{path("latin1.inf")}, "Error: no output folder given (/dest); usage: cabwiz <inf file> /dest <output folder> "
                               "[/err <file>] [/cpu <name> ...] [/compress]"},
        {{path("latin1.inf"), "/dest", path("nowhere")},
         "Error: " + path("latin1.inf") + ": the output folder " + path("nowhere") + " does not exist"},
    };
    for (const auto &[arguments, expected] : cases) {
        const CabwizResult result = runCabwiz(arguments);
        EXPECT_NE(result.exitCode, 0);
        EXPECT_EQ(result.lines, QStringList{expected});
    }
    EXPECT_TRUE(cabinetsIn(path(QStringLiteral("out"))).isEmpty());
}

TEST_F(CabwizEndToEndTest, EmptyCopyfilesAndUnreferencedEntriesAreAccepted)
{
    QString text = readFixture(QStringLiteral("multi.inf"));
    text.replace(QStringLiteral("Copyfiles=Common,Docs"), QStringLiteral("Copyfiles="));
    text.replace(QStringLiteral("Demo App,0,app.exe\n"), QString());
    writeInf(QStringLiteral("multi.inf"), text);
    const CabwizResult result = run({});
    ASSERT_EQ(result.exitCode, 0) << result.lines.join(u'\n').toStdString();
    EXPECT_TRUE(result.lines.isEmpty()) << result.lines.join(u'\n').toStdString();
    EXPECT_EQ(cabMembers(path(QStringLiteral("out/multi.CAB"))), QStringList{"_setup.xml"});
}

} // namespace
