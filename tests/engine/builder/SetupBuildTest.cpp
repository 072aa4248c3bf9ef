#include "engine/builder/BuildController.h"
#include "engine/script/ScriptGenerationError.h"
#include "engine/setup/SetupBuild.h"
#include "engine/setup/SetupScriptSource.h"
#include "platform/AtomicFileWriter.h"
#include "platform/ShellServices.h"
#include "tests/engine/builder/BuilderTestProject.h"
#include "tests/engine/setup/FakeSetupCompiler.h"
#include "tests/support/QtPrinters.h"

#include <QLocale>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cerrno>
#include <optional>
#include <ostream>

namespace talmo::testing {
namespace {

const QStringList kScript{"[Setup]", "AppName=My App", "; ü in a comment"};
const QRegularExpression kSuccessLine(
    QStringLiteral("^Successful compile \\(\\d+[.,]\\d{3} sec\\)\\. Resulting Setup program filename is:$"));

// Hands out a fixed script, or raises, and notes where the build stood.
class ScriptedSource : public SetupScriptSource
{
public:
    void GenerateScript(TProjectContainer &, QStringList &script, const QString &outputFolder,
                        const QString &iniFolder) override
    {
        currentFolder = QDir::currentPath();
        givenOutputFolder = outputFolder;
        givenIniFolder = iniFolder;
        if (failure)
            throw ScriptGenerationError(*failure);
        script = lines;
        script.replaceInStrings(QStringLiteral("<ini folder>"), iniFolder);
    }

    QStringList lines = kScript;
    std::optional<QString> failure;
    QString currentFolder;
    QString givenOutputFolder;
    QString givenIniFolder;
};

// What the fake compiler saw of one compile.
struct CompileRecord
{
    QStringList script;
    QString sourcePath;
    QStringList options;
    QByteArray setupIni;
};

// The builder with its own setup build, a scripted script and the fake compiler.
class SetupBuildTest : public BuilderFixture
{
protected:
    void SetUp() override
    {
        BuilderFixture::SetUp();
        builder.SetSetupBuildStep(nullptr);
        builder.DefaultSetupBuild().SetScriptSource(&source);
        builder.DefaultSetupBuild().SetEngine(FakeSetupCompiler::Engine());
        FakeSetupCompiler::compileCalls = 0;
        FakeSetupCompiler::behaviour = [this](const TCompileScriptParamsEx &params) {
            record.script = FakeSetupCompiler::ReadScript(params);
            record.sourcePath = QString::fromLocal8Bit(params.SourcePath);
            record.options = FakeSetupCompiler::Options(params);
            QFile setupIni(source.givenIniFolder + QStringLiteral("/setup.ini"));
            if (setupIni.open(QIODevice::ReadOnly))
                record.setupIni = setupIni.readAll();
            return FakeSetupCompiler::Succeed(params);
        };
        QDir().mkpath(fixture.OutputFolder());
        fixture.project.BuildCabsFirst = false;
        QObject::connect(&builder, &BuildController::compileProgressShown,
                         [this](bool visible) { progressShown << visible; });
    }

    QString ProjectFolder() const { return fixture.Path(QStringLiteral("project")); }

    QStringList IniFilesLeft() const
    {
        return QDir(ProjectFolder()).entryList({QStringLiteral("*.ini")}, QDir::Files);
    }

    void TearDown() override
    {
        AtomicFileWriter::setFaultHook({});
        BuilderFixture::TearDown();
    }

    ScriptedSource source;
    CompileRecord record;
    QList<bool> progressShown;
};

// The .ini files go into the build's own folder, so the user's file of the
// same name is never touched, however the build ends.
TEST_F(SetupBuildTest, CompilesTheScriptInTheProjectFolderAndLeavesTheUsersOwnIniFileAlone)
{
    WriteTestFile(ProjectFolder() + QStringLiteral("/setup.ini"), "the user's own");
    builder.ErrorText = QStringLiteral("left from the build before");
    builder.BuildMode = 1;

    builder.BuildInstallation();

    EXPECT_EQ(builder.ResultCode, 0);
    EXPECT_EQ(builder.ErrorText, QString());
    ASSERT_EQ(builder.LogLines().size(), 3) << builder.LogLines().join(u'\n').toStdString();
    EXPECT_EQ(builder.LogLines()[0], QStringLiteral("--> Start Building Setup Wizard"));
    EXPECT_TRUE(kSuccessLine.match(builder.LogLines()[1]).hasMatch()) << builder.LogLines()[1].toStdString();
    EXPECT_EQ(builder.LogLines()[2], fixture.OutputFolder() + QStringLiteral("/setup.exe"));

    EXPECT_EQ(record.script, kScript);
    EXPECT_EQ(record.sourcePath, ProjectFolder() + u'/');
    EXPECT_EQ(record.options, QStringList{QStringLiteral("OutputDir=") + fixture.OutputFolder()});
    EXPECT_TRUE(record.setupIni.startsWith("[CEAppManager]\r\nVersion=1.0\r\nComponent=My App\r\n"));
    EXPECT_EQ(source.currentFolder, ProjectFolder());
    EXPECT_EQ(source.givenOutputFolder, fixture.OutputFolder());
    EXPECT_EQ(QFileInfo(source.givenIniFolder).path(), fixture.WorkingFolder());
    EXPECT_TRUE(QFileInfo(source.givenIniFolder).fileName().startsWith(QStringLiteral("talmo-build-")));
    EXPECT_FALSE(QFileInfo::exists(source.givenIniFolder));
    EXPECT_EQ(fixture.PrivateFolders(), QStringList());

    QFile setupIni(ProjectFolder() + QStringLiteral("/setup.ini"));
    ASSERT_TRUE(setupIni.open(QIODevice::ReadOnly));
    EXPECT_EQ(setupIni.readAll(), "the user's own");
    EXPECT_EQ(QDir(ProjectFolder()).entryList(QDir::Files), QStringList{"setup.ini"});
    EXPECT_EQ(QDir::currentPath(), fixture.WorkingFolder());
    EXPECT_EQ(progressShown, (QList<bool>{true, false}));
    EXPECT_EQ(builder.CurrentActivity(), BuildController::Activity::Idle);
}

TEST_F(SetupBuildTest, EveryBuildStartsWithoutTheLastErrorText)
{
    // A step that has nothing to say about errors must not pass on an old one.
    builder.SetSetupBuildStep(&setup);
    builder.ResultCode = 3;
    builder.ErrorText = QStringLiteral("left from the build before");
    builder.BuildInstallation();
    EXPECT_EQ(builder.ResultCode, 0);
    EXPECT_EQ(builder.ErrorText, QString());
}

struct FailureCase
{
    const char *label;
    void (*arrange)(BuilderTestProject &fixture, ScriptedSource &source, SetupBuild &setupBuild);
    int result;
    const char *errorText;
    const char *lastLogLine;
    bool startLine;
};

void PrintTo(const FailureCase &c, std::ostream *os)
{
    *os << c.label;
}

class SetupBuildFailureTest : public SetupBuildTest, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(SetupBuildFailureTest, EndsWithItsResultAndLeavesNoIniFile)
{
    const FailureCase &c = GetParam();
    c.arrange(fixture, source, builder.DefaultSetupBuild());
    builder.BuildMode = 1;

    builder.BuildInstallation();

    EXPECT_EQ(builder.ResultCode, c.result);
    EXPECT_EQ(builder.ErrorText.toStdString(), c.errorText);
    // A line naming a file of the build's own folder is known by its end.
    const QString lastLine = builder.LogLines().value(builder.LogLines().size() - 1);
    EXPECT_TRUE(lastLine.endsWith(QString::fromUtf8(c.lastLogLine))) << lastLine.toStdString();
    EXPECT_EQ(builder.LogLines().contains(QStringLiteral("--> Start Building Setup Wizard")), c.startLine);
    EXPECT_EQ(FakeSetupCompiler::compileCalls, c.result == 2 ? 1 : 0);
    EXPECT_EQ(IniFilesLeft(), QStringList());
    EXPECT_EQ(fixture.PrivateFolders(), QStringList());
    EXPECT_EQ(progressShown.contains(true), c.result == 2);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SetupBuildFailureTest,
    ::testing::Values(
        FailureCase{"SetupIniCannotBeSaved",
                    [](BuilderTestProject &, ScriptedSource &, SetupBuild &) {
                        AtomicFileWriter::setFaultHook(
                            [](AtomicFileWriter::Step step) { return step == AtomicFileWriter::Step::Write ? ENOSPC : 0; });
                    },
                    3, "Error while saving setup.ini", "/setup.ini: No space left on device", true},
        FailureCase{"GeneratorRaises",
                    [](BuilderTestProject &, ScriptedSource &source, SetupBuild &) {
                        source.failure = QStringLiteral("The module \"Tools\" has no component.");
                    },
                    10, "Internal error while preparing installation script.",
                    "Internal error while preparing installation script. The module \"Tools\" has no component.", true},
        FailureCase{"NoScriptSourceInstalled",
                    [](BuilderTestProject &, ScriptedSource &, SetupBuild &setupBuild) { setupBuild.SetScriptSource(nullptr); },
                    10, "Internal error while preparing installation script.",
                    "Internal error while preparing installation script. no script source is installed", true},
        FailureCase{"CompileFails",
                    [](BuilderTestProject &, ScriptedSource &, SetupBuild &) {
                        FakeSetupCompiler::behaviour = [](const TCompileScriptParamsEx &params) {
                            return FakeSetupCompiler::Fail(params, "Unknown parameter \"Sorce\"");
                        };
                    },
                    2, "Unknown parameter \"Sorce\"", "Error: Unknown parameter \"Sorce\"", true},
        FailureCase{"CabsFirstFail",
                    [](BuilderTestProject &fixture, ScriptedSource &, SetupBuild &) {
                        fixture.project.AppName.clear();
                        fixture.project.BuildCabsFirst = true;
                    },
                    3, "Fatal Error: Please specify a project name !", "CAB(s) File(s) not built.",
                    false}),
    [](const ::testing::TestParamInfo<FailureCase> &info) { return std::string(info.param.label); });

TEST_F(SetupBuildTest, TheFolderInTheWayOfSetupIniStays)
{
    QDir().mkpath(ProjectFolder() + QStringLiteral("/setup.ini/inside"));
    builder.BuildInstallation();
    EXPECT_EQ(builder.ResultCode, 0) << builder.LogLines().join(u'\n').toStdString();
    EXPECT_TRUE(QFileInfo(ProjectFolder() + QStringLiteral("/setup.ini/inside")).isDir());
}

// Nothing is written beside the project: a project folder that cannot be
// written builds, and one that is missing is not made.
TEST_F(SetupBuildTest, TheProjectFolderIsOnlyRead)
{
    struct Case
    {
        const char *label;
        QString projectFile;
        bool readOnly;
    };
    const Case cases[] = {
        {"read-only", fixture.project.FileName, true},
        {"missing", fixture.Path(QStringLiteral("gone/deeper/demo.talmo")), false},
    };
    fixture.project.OutputPath = fixture.OutputFolder();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        fixture.project.FileName = c.projectFile;
        const QString folder = QFileInfo(c.projectFile).path();
        const QFile::Permissions permissions = QFile::permissions(folder);
        if (c.readOnly)
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        builder.BuildInstallation();
        if (c.readOnly)
            QFile::setPermissions(folder, permissions);

        EXPECT_EQ(builder.ResultCode, 0) << builder.LogLines().join(u'\n').toStdString();
        EXPECT_TRUE(record.setupIni.startsWith("[CEAppManager]\r\n"));
        EXPECT_EQ(QFileInfo::exists(folder), c.readOnly);
        EXPECT_EQ(IniFilesLeft(), QStringList());
    }
}

TEST_F(SetupBuildTest, AWorkingFolderThatCannotBeMadeFailsTheBuildBeforeAnyStep)
{
    builder.SetWorkingFolder(fixture.Path(QStringLiteral("no such folder")));
    builder.BuildMode = 1;

    builder.BuildInstallation();

    EXPECT_EQ(builder.ResultCode, 3);
    EXPECT_TRUE(builder.ErrorText.startsWith(QStringLiteral("Fatal Error: The working folder \"")
                                             + fixture.Path(QStringLiteral("no such folder/talmo-build-"))))
        << builder.ErrorText.toStdString();
    EXPECT_TRUE(builder.ErrorText.endsWith(QStringLiteral("\" couldn't be created: No such file or directory")));
    EXPECT_FALSE(builder.LogLines().contains(QStringLiteral("--> Start Building Setup Wizard")));
    EXPECT_EQ(FakeSetupCompiler::compileCalls, 0);
    EXPECT_EQ(closeRequests, 0);
}

TEST_F(SetupBuildTest, CancelStopsTheCompile)
{
    FakeSetupCompiler::behaviour = &FakeSetupCompiler::RunUntilAborted;
    QObject::connect(&builder, &BuildController::compileProgressChanged, &builder, &BuildController::Cancel);

    builder.BuildInstallation();

    EXPECT_EQ(builder.ResultCode, 2);
    EXPECT_EQ(builder.ErrorText, QStringLiteral("Compilation aborted by user"));
    EXPECT_EQ(builder.LogLines().last(), QStringLiteral("Compilation aborted by user"));
    EXPECT_EQ(builder.CurrentActivity(), BuildController::Activity::Idle);
    EXPECT_EQ(IniFilesLeft(), QStringList());
}

TEST_F(SetupBuildTest, ProgressReportsReachTheBuilderOnlyWhenTheyChangeSomething)
{
    struct Shown
    {
        QString text;
        int position;
        int maximum;
        bool operator==(const Shown &) const = default;
    };
    QList<Shown> shown;
    QObject::connect(&builder, &BuildController::compileProgressChanged,
                     [&shown](const QString &text, int position, int maximum) { shown.append({text, position, maximum}); });
    FakeSetupCompiler::behaviour = [](const TCompileScriptParamsEx &params) {
        // The same time and rate throughout, so the text cannot depend on how fast this runs.
        for (const auto &[progress, maximum] : QList<std::pair<quint32, quint32>>{
                 {10, 100}, {20, 100}, {20, 100}, {3000000000u, 4000000000u}})
            FakeSetupCompiler::Idle(params, progress, maximum, 3725, 2048000);
        return FakeSetupCompiler::Succeed(params);
    };
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    builder.BuildInstallation();
    QLocale::setDefault(previous);

    const QString text = QStringLiteral(" Remaining: 01:02:05 | KB/sec: 2,000");
    EXPECT_EQ(shown, (QList<Shown>{{text, 10, 100}, {text, 20, 100}, {text, 1500000000, 2000000000}}));
}

struct ModeCase
{
    const char *label;
    int mode;
    bool keepOpen;
    bool runAfterBuild;
    bool autoClose;
    bool compiles;
    bool shellStarts;
    bool closes;
    bool asksToStart;
};

void PrintTo(const ModeCase &c, std::ostream *os)
{
    *os << c.label;
}

class SetupBuildModeTest : public SetupBuildTest, public ::testing::WithParamInterface<ModeCase>
{
};

TEST_P(SetupBuildModeTest, TheCompilesOutcomeDecidesClosingAndStarting)
{
    const ModeCase &c = GetParam();
    fixture.project.SetupExecName = QStringLiteral("setup.exe");
    if (!c.compiles)
        FakeSetupCompiler::behaviour = [](const TCompileScriptParamsEx &params) {
            return FakeSetupCompiler::Fail(params, "broken");
        };
    FakeShellServices shell;
    shell.setResult(c.shellStarts);
    ScopedCurrentShellServices useShell(shell);
    builder.BuildMode = c.mode;
    builder.KeepOpen = c.keepOpen;
    builder.RunAfterBuild = c.runAfterBuild;
    builder.AutoClose = c.autoClose;

    builder.BuildInstallation();

    const QString setupProgram = fixture.OutputFolder() + QStringLiteral("/setup.exe");
    EXPECT_EQ(builder.ResultCode, c.compiles ? 0 : 2);
    EXPECT_EQ(closeRequests, c.closes ? 1 : 0);
    ASSERT_EQ(shell.requests().size(), c.asksToStart ? 1 : 0);
    if (c.asksToStart) {
        EXPECT_EQ(shell.requests()[0].target, setupProgram);
        EXPECT_TRUE(shell.requests()[0].isProgram);
        EXPECT_EQ(shell.requests()[0].workingFolder, fixture.OutputFolder());
    }
    const QString cannotStart = QStringLiteral("The setup program can't be started on this system: ") + setupProgram;
    const bool refused = c.asksToStart && !c.shellStarts;
    EXPECT_EQ(builder.LogLines().contains(cannotStart), refused);
    EXPECT_EQ(questions.errors, refused ? QStringList{cannotStart} : QStringList());
    EXPECT_EQ(builder.BuildMode, 2);
    EXPECT_FALSE(builder.KeepOpen);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SetupBuildModeTest,
    ::testing::Values(
        //       label                         mode keep   run    auto   compiles shell  closes starts
        ModeCase{"AttendedStaysOpen",             1, false, true, false, true, true, false, false},
        ModeCase{"UnattendedClosesAfterSuccess",  5, false, false, false, true, true, true, false},
        ModeCase{"UnattendedClosesAfterFailure",  5, false, true, false, false, true, true, false},
        ModeCase{"KeptOpenAfterFailure",          5, true, true, true, false, true, false, false},
        ModeCase{"KeptOpenStartsTheBuiltSetup",   5, true, true, false, true, true, false, true},
        ModeCase{"RefusedStartIsReported",        5, true, true, true, true, false, true, true}),
    [](const ::testing::TestParamInfo<ModeCase> &info) { return std::string(info.param.label); });

TEST_F(SetupBuildTest, BuildsCabsAndSetupWithTheCompilerLibrary)
{
    builder.DefaultSetupBuild().SetEngine({});
    fixture.project.BuildCabsFirst = true;
    source.lines = {"[Setup]",
                    "AppName=My App",
                    "AppVersion=1.0",
                    "DefaultDirName={pf}\\My App",
                    "OutputBaseFilename=MySetup",
                    "",
                    "[Files]",
                    "Source: \"<ini folder>\\setup.ini\"; DestDir: \"{app}\"",
                    "Source: \"out\\My_App.CAB\"; DestDir: \"{app}\""};
    builder.BuildMode = 1;
    builder.WindowShown(); // the .inf text of the project

    builder.BuildInstallation();

    ASSERT_EQ(builder.ResultCode, 0) << builder.LogLines().join(u'\n').toStdString();
    const QStringList log = builder.LogLines();
    EXPECT_TRUE(log.contains(QStringLiteral("Successful build of CAB(s) Files(s)")));
    EXPECT_LT(log.indexOf(QStringLiteral("Successful build of CAB(s) Files(s)")),
              log.indexOf(QStringLiteral("--> Start Building Setup Wizard")));
    const QString package = fixture.OutputFolder() + QStringLiteral("/MySetup.exe");
    EXPECT_EQ(log.last(), package);
    QFile file(package);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("TALMOSETUP"));
    EXPECT_TRUE(bytes.contains("[CEAppManager]\r\nVersion=1.0\r\nComponent=My App\r\n"));
    EXPECT_TRUE(bytes.contains("MSCF"));
    EXPECT_EQ(IniFilesLeft(), QStringList());
    EXPECT_EQ(fixture.PrivateFolders(), QStringList());
}

} // namespace
} // namespace talmo::testing
