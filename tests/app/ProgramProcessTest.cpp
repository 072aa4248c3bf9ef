#include "tests/support/CopyFolder.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/ScopedFileSizeLimit.h"

#include <QDir>
#include <algorithm>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const QString ProgramFolder = QStringLiteral(TALMO_TEST_PROGRAM_DIR);

using talmo::testing::CopyFolder;

struct ProcessRun
{
    int exitCode = -1;
    QString standardError;
};

// The program as a user starts it on a machine without any display: no
// platform chosen, no X or Wayland display, settings in a folder of its own.
class ProgramProcessTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(CopyFolder(ProgramFolder + QStringLiteral("/examples/Hello"), example()));
        // Outputs of a build run in the program folder (scripts/run.sh) are not the example's.
        ASSERT_TRUE(QDir(example() + QStringLiteral("/output")).removeRecursively());
        QDir(root.path()).mkpath(QStringLiteral("config"));
        QDir(root.path()).mkpath(QStringLiteral("tmp"));
    }

    QString example() const { return root.filePath(QStringLiteral("Hello")); }
    QString project() const { return example() + QStringLiteral("/Hello.talmo"); }

    // platform: the Qt platform as a desktop session would set it; empty for none.
    ProcessRun Start(const QStringList &arguments, const QString &platform = QString())
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
            environment.remove(QLatin1String(name));
        if (!platform.isEmpty())
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("TMPDIR"), root.filePath(QStringLiteral("tmp")));
        environment.remove(QStringLiteral("TMP"));
        environment.remove(QStringLiteral("TEMP"));
        QProcess talmo;
        talmo.setProcessEnvironment(environment);
        talmo.start(ProgramFolder + QStringLiteral("/talmo"), arguments);
        ProcessRun run;
        if (!talmo.waitForFinished(90000)) {
            talmo.kill();
            talmo.waitForFinished();
            return run;
        }
        run.exitCode = talmo.exitStatus() == QProcess::NormalExit ? talmo.exitCode() : -2;
        run.standardError = QString::fromLocal8Bit(talmo.readAllStandardError());
        return run;
    }

    QStringList Outputs() const
    {
        return QDir(example() + QStringLiteral("/output")).entryList(QDir::Files, QDir::Name);
    }

    QTemporaryDir root;
};

TEST_F(ProgramProcessTest, SilentBuildWithoutADisplayMakesTheCabAndTheSetup)
{
    const ProcessRun run = Start({ QStringLiteral("/BS"), project() });

    EXPECT_EQ(run.exitCode, 0) << run.standardError.toStdString();
    const QStringList outputs = Outputs();
    EXPECT_TRUE(outputs.contains(QStringLiteral("HelloSetup.exe"))) << outputs.join(u' ').toStdString();
    EXPECT_TRUE(std::any_of(outputs.begin(), outputs.end(),
                            [](const QString &name) { return name.endsWith(QLatin1String(".CAB")); }))
        << outputs.join(u' ').toStdString();
    EXPECT_EQ(run.standardError.count(QStringLiteral("talmo: ")), 0) << run.standardError.toStdString();
}

TEST_F(ProgramProcessTest, AMissingSourceFileFailsWithTheBuildersCodeAndSaysWhy)
{
    ASSERT_TRUE(QFile::remove(example() + QStringLiteral("/files/Readme.txt")));

    const ProcessRun run = Start({ QStringLiteral("/B"), project() });

    EXPECT_EQ(run.exitCode, 3) << run.standardError.toStdString();
    EXPECT_TRUE(run.standardError.contains(QStringLiteral("talmo: Project: Hello.talmo - "))) << run.standardError.toStdString();
    EXPECT_FALSE(Outputs().contains(QStringLiteral("HelloSetup.exe")));
}

// The builder's log names the user's line after the compiler's error; the
// command line tells the same sentence.
TEST_F(ProgramProcessTest, AMistakeInTheGlobalCodeIsToldWhereTheUserWroteIt)
{
    QFile file(project());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    const QString empty = QStringLiteral("<CommonCode></CommonCode>");
    ASSERT_TRUE(text.contains(empty));
    text.replace(empty, QStringLiteral("<CommonCode>procedure Shared();\nvar S: String;\nbegin\n"
                                       "  S := 5;\nend;\n</CommonCode>"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
    file.close();

    const ProcessRun run = Start({ QStringLiteral("/B"), project() });

    EXPECT_EQ(run.exitCode, 2) << run.standardError.toStdString();
    EXPECT_TRUE(run.standardError.contains(QStringLiteral(
        "talmo: Project: Hello.talmo - Type mismatch. The error is in line 5 of the global code, at column 9.")))
        << run.standardError.toStdString();
}

TEST_F(ProgramProcessTest, HeadlessStartsRefuseWhatTheyCannotDo)
{
    struct Case
    {
        QStringList arguments;
        int exitCode;
        QString message;
    };
    const Case cases[] = {
        { {}, 1, QStringLiteral("talmo: no display available; only /B and /BS builds run without one") },
        { { project() }, 1, QStringLiteral("talmo: no display available") },
        { { QStringLiteral("/b") }, 100, QStringLiteral("talmo: ") },
        { { QStringLiteral("/BS"), root.filePath(QStringLiteral("missing.talmo")) }, 100, QStringLiteral("missing.talmo") },
    };
    for (const Case &c : cases) {
        const ProcessRun run = Start(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(u' ').toStdString() << run.standardError.toStdString();
        EXPECT_TRUE(run.standardError.contains(c.message)) << c.arguments.join(u' ').toStdString() << run.standardError.toStdString();
    }
}

// Settings that cannot be written at quit are told once, not once per window.
TEST_F(ProgramProcessTest, UnwritableSettingsAreToldOnceAtQuit)
{
    const QString config = root.filePath(QStringLiteral("config"));
    ASSERT_TRUE(QDir(config).removeRecursively());
    QFile blocker(config + QStringLiteral("/talmo"));
    ASSERT_TRUE(QDir().mkpath(config));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    const ProcessRun run = Start({ QStringLiteral("/B"), project() });

    EXPECT_EQ(run.exitCode, 0) << run.standardError.toStdString();
    EXPECT_EQ(run.standardError.count(QStringLiteral("Cannot create the settings folder")), 1) << run.standardError.toStdString();
}

// A FIFO where the settings belong would be read forever.
TEST_F(ProgramProcessTest, ASettingsFileThatIsAFifoIsSetAsideAsDamaged)
{
    const QString settings = root.filePath(QStringLiteral("config/talmo/registry.json"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(settings).path()));
    ASSERT_EQ(mkfifo(QFile::encodeName(settings).constData(), 0600), 0);

    const ProcessRun run = Start({ QStringLiteral("/B"), project() });

    EXPECT_EQ(run.exitCode, 0) << run.standardError.toStdString();
    EXPECT_TRUE(run.standardError.contains(QStringLiteral("talmo: The settings file \"%1\" is damaged.").arg(settings)))
        << run.standardError.toStdString();
    EXPECT_TRUE(QFileInfo(settings).isFile());
}

// The temporary folder and the disk are full: the build says so and fails.
TEST_F(ProgramProcessTest, ABuildWhoseFilesCannotBeWrittenFails)
{
    ProcessRun run;
    {
        talmo::testing::ScopedFileSizeLimit fullDisk(100);
        run = Start({ QStringLiteral("/B"), project() });
    }
    EXPECT_EQ(run.exitCode, 3) << run.standardError.toStdString();
    EXPECT_TRUE(run.standardError.contains(QStringLiteral("talmo: Project: Hello.talmo - Fatal Error: "))) << run.standardError.toStdString();
    EXPECT_EQ(Outputs(), QStringList());
}

TEST_F(ProgramProcessTest, ASilentBuildThatCannotStartEndsWith100WithADisplayToo)
{
    QFile broken(root.filePath(QStringLiteral("broken.talmo")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a project");
    broken.close();
    for (const QString &file : { root.filePath(QStringLiteral("missing.talmo")), broken.fileName() }) {
        const ProcessRun run = Start({ QStringLiteral("/BS"), file }, QStringLiteral("offscreen"));
        EXPECT_EQ(run.exitCode, 100) << file.toStdString() << run.standardError.toStdString();
        EXPECT_EQ(run.standardError.count(QStringLiteral("talmo: ")), 0) << run.standardError.toStdString();
    }
}

} // namespace
