#include "engine/setup/BuildThread.h"
#include "platform/ProgramFolder.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <stdexcept>

using namespace talmo;

namespace {

// An in-process compiler whose behaviour each test chooses.
struct FakeCompiler
{
    static inline uint32_t binVersion = 0x05040200;
    static inline std::function<int32_t(const TCompileScriptParamsEx &)> behaviour;
    static inline int compileCalls = 0;

    static const TCompilerVersionInfo *version()
    {
        static TCompilerVersionInfo info;
        info = {"Fake", "5.0.5", binVersion};
        return &info;
    }

    static int32_t compile(const TCompileScriptParamsEx *params)
    {
        ++compileCalls;
        return behaviour(*params);
    }

    static CompilerEngine engine() { return {&FakeCompiler::version, &FakeCompiler::compile}; }
};

int32_t notify(const TCompileScriptParamsEx &params, int32_t code, TCompilerCallbackData data = {})
{
    return params.CallbackProc(code, &data, params.AppData);
}

int32_t status(const TCompileScriptParamsEx &params, const char *message)
{
    TCompilerCallbackData data{};
    data.Status.StatusMsg = message;
    return notify(params, TCompilerCodeStatus, data);
}

int32_t success(const TCompileScriptParamsEx &params, const char *file)
{
    TCompilerCallbackData data{};
    data.Success.OutputExeFilename = file;
    return notify(params, TCompilerCodeSuccess, data);
}

int32_t error(const TCompileScriptParamsEx &params, const char *message, const char *file, int32_t line = 3)
{
    TCompilerCallbackData data{};
    data.Error.ErrorMsg = message;
    data.Error.ErrorFilename = file;
    data.Error.ErrorLine = line;
    return notify(params, TCompilerCodeError, data);
}

struct Outcome
{
    QStringList log;
    QList<QList<qint64>> progress;
    int result = -1;
    QString errorText;
};

Outcome runToEnd(TBuildThread &thread)
{
    Outcome outcome;
    QObject receiver;
    QObject::connect(&thread, &TBuildThread::logLine, &receiver, [&](const QString &line) { outcome.log << line; });
    QObject::connect(&thread, &TBuildThread::compileProgress, &receiver,
                     [&](quint32 p, quint32 m, qint32 s, quint32 b) { outcome.progress << QList<qint64>{p, m, s, b}; });
    QEventLoop loop;
    QObject::connect(&thread, &QThread::finished, &loop, &QEventLoop::quit);
    thread.StartCompile();
    loop.exec();
    thread.wait();
    outcome.result = thread.ResultCode();
    outcome.errorText = thread.ErrorText();
    return outcome;
}

class BuildThread : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FakeCompiler::binVersion = 0x05040200;
        FakeCompiler::compileCalls = 0;
        FakeCompiler::behaviour = [](const TCompileScriptParamsEx &) { return TCompilerResultCompiled; };
        thread.SetEngine(FakeCompiler::engine());
        thread.SetQuiet(true);
    }

    TBuildThread thread;
};

const QRegularExpression kSuccessLine(QStringLiteral("^Successful compile \\(\\d+\\.\\d{3} sec\\)\\. Resulting Setup program filename is:$"));

} // namespace

TEST_F(BuildThread, refusesACompilerOlderThan5050)
{
    struct Case
    {
        uint32_t version;
        int result;
        QStringList log;
        int compileCalls;
    };
    const QList<Case> cases = {
        {0x050004FF, 1, {QStringLiteral("Error: Incompatible compiler engine version.")}, 0},
        {0x05000500, 0, {}, 1},
    };
    for (const Case &c : cases) {
        FakeCompiler::binVersion = c.version;
        FakeCompiler::compileCalls = 0;
        TBuildThread t;
        t.SetEngine(FakeCompiler::engine());
        t.SetQuiet(true);
        const Outcome outcome = runToEnd(t);
        EXPECT_EQ(outcome.result, c.result) << std::hex << c.version;
        EXPECT_EQ(outcome.log, c.log) << std::hex << c.version;
        EXPECT_EQ(FakeCompiler::compileCalls, c.compileCalls);
        EXPECT_EQ(outcome.errorText, c.result == 1 ? QStringLiteral("Incompatible compiler engine version.") : QString());
    }
}

TEST_F(BuildThread, handsOutTheScriptLineByLineAsUtf8ThenNull)
{
    QList<QByteArray> received;
    int calls = 0;
    FakeCompiler::behaviour = [&](const TCompileScriptParamsEx &params) {
        for (;;) {
            TCompilerCallbackData data{};
            ++calls;
            params.CallbackProc(TCompilerCodeReadScript, &data, params.AppData);
            if (!data.ReadScript.LineRead)
                break;
            received << QByteArray(data.ReadScript.LineRead);
        }
        return TCompilerResultCompiled;
    };
    thread.SetScript({QStringLiteral("[Setup]"), QStringLiteral("AppName=Caf\u00e9"), QStringLiteral("Source: /home/Проект €/a.txt"),
                      QString()});
    EXPECT_EQ(runToEnd(thread).result, 0);
    EXPECT_EQ(received, (QList<QByteArray>{"[Setup]", "AppName=Caf\xc3\xa9", "Source: /home/Проект €/a.txt", ""}));
    EXPECT_EQ(calls, 5);
}

TEST_F(BuildThread, logShapeOfASuccessfulCompileDependsOnQuietMode)
{
    FakeCompiler::behaviour = [](const TCompileScriptParamsEx &params) {
        status(params, "Parsing [Setup] section");
        success(params, "/out/setup.exe");
        return TCompilerResultCompiled;
    };
    for (const bool quiet : {false, true}) {
        TBuildThread t;
        t.SetEngine(FakeCompiler::engine());
        t.SetQuiet(quiet);
        const Outcome outcome = runToEnd(t);
        EXPECT_EQ(outcome.result, 0);
        const QStringList expectedHead = quiet ? QStringList()
                                               : QStringList{QStringLiteral("Compiler engine version: Fake 5.0.5"), QString(),
                                                             QStringLiteral("Parsing [Setup] section"), QString()};
        ASSERT_EQ(outcome.log.size(), expectedHead.size() + 2) << quiet;
        EXPECT_EQ(outcome.log.mid(0, expectedHead.size()), expectedHead);
        EXPECT_TRUE(kSuccessLine.match(outcome.log.at(expectedHead.size())).hasMatch()) << outcome.log.join('|').toStdString();
        EXPECT_EQ(outcome.log.last(), QStringLiteral("/out/setup.exe"));
    }
}

TEST_F(BuildThread, compileErrorsAreLoggedWithTheirLineAndFile)
{
    struct Case
    {
        const char *file;
        int32_t line;
        QString logged;
        QString errorText;
    };
    const QList<Case> cases = {
        {"inc.isi", 3, QStringLiteral("Error on line 3 in inc.isi: Unknown flag"), QStringLiteral("Line 3 in inc.isi: Unknown flag")},
        {nullptr, 3, QStringLiteral("Error on line 3: Unknown flag"), QStringLiteral("Line 3: Unknown flag")},
        {"/home/Проект €/inc.isi", 12, QStringLiteral("Error on line 12 in /home/Проект €/inc.isi: Unknown flag"),
         QStringLiteral("Line 12 in /home/Проект €/inc.isi: Unknown flag")},
        // No line: the compiler's plain form.
        {"inc.isi", 0, QStringLiteral("Error:  in inc.isi: Unknown flag"), QStringLiteral(" in inc.isi: Unknown flag")},
        // Neither file nor line: the message alone, never an empty "<file>: " part.
        {nullptr, 0, QStringLiteral("Error: Unknown flag"), QStringLiteral("Unknown flag")},
    };
    for (const Case &c : cases) {
        FakeCompiler::behaviour = [&](const TCompileScriptParamsEx &params) {
            error(params, "Unknown flag", c.file, c.line);
            return TCompilerResultFailed;
        };
        TBuildThread t;
        t.SetEngine(FakeCompiler::engine());
        t.SetQuiet(true);
        const Outcome outcome = runToEnd(t);
        EXPECT_EQ(outcome.result, 2);
        EXPECT_EQ(outcome.log, QStringList{c.logged});
        EXPECT_EQ(outcome.errorText, c.errorText);
        EXPECT_EQ(t.ErrorLine(), c.line);
        EXPECT_EQ(t.ErrorFile(), QString::fromUtf8(c.file));
    }
}

TEST_F(BuildThread, cancelDuringTheCompileAbortsAtTheNextCallback)
{
    struct Case
    {
        int32_t libraryResult;
        int expectedResult;
    };
    for (const Case c : {Case{TCompilerResultFailed, 2}, Case{TCompilerResultCompiled, 9}}) {
        TBuildThread t;
        QList<int32_t> answers;
        FakeCompiler::behaviour = [&](const TCompileScriptParamsEx &params) {
            answers << status(params, "one");
            t.RequestAbort(); // as the GUI thread's Cancel would
            answers << status(params, "two");
            answers << error(params, nullptr, nullptr);
            return c.libraryResult;
        };
        t.SetEngine(FakeCompiler::engine());
        t.SetQuiet(false);
        const Outcome outcome = runToEnd(t);
        EXPECT_EQ(answers, (QList<int32_t>{0, 1, 1}));
        EXPECT_EQ(outcome.result, c.expectedResult);
        EXPECT_EQ(outcome.errorText, QStringLiteral("Compilation aborted by user"));
        EXPECT_EQ(outcome.log.mid(2), (QStringList{QStringLiteral("one"), QStringLiteral("Compilation aborted by user"),
                                                   QStringLiteral("Compilation aborted by user")}));
    }
}

TEST_F(BuildThread, aCancelBeforeTheStartDoesNotAbortTheNextCompile)
{
    thread.RequestAbort();
    FakeCompiler::behaviour = [](const TCompileScriptParamsEx &params) { return status(params, "fine"); };
    EXPECT_EQ(runToEnd(thread).result, 0);
}

TEST_F(BuildThread, unexpectedLibraryResultIsAnInternalError)
{
    FakeCompiler::behaviour = [](const TCompileScriptParamsEx &) { return 7; };
    const Outcome outcome = runToEnd(thread);
    EXPECT_EQ(outcome.result, 1);
    EXPECT_EQ(outcome.log, QStringList{QStringLiteral("Error: Internal error: ISDllCompileScript returned unexpected result (7).")});
}

TEST_F(BuildThread, anExceptionEndsTheCompileAsAFailureWithoutALogLine)
{
    FakeCompiler::behaviour = [](const TCompileScriptParamsEx &) -> int32_t { throw std::runtime_error("boom"); };
    const Outcome outcome = runToEnd(thread);
    EXPECT_EQ(outcome.result, 2);
    EXPECT_EQ(outcome.errorText, QStringLiteral("Uknown Exception"));
    EXPECT_TRUE(outcome.log.isEmpty());
}

TEST_F(BuildThread, passesTheParameterRecordAndOptionBlock)
{
    struct Seen
    {
        uint32_t size = 0;
        bool compilerPathNull = false;
        QByteArray sourcePath;
        QByteArray options;
    } seen;
    FakeCompiler::behaviour = [&](const TCompileScriptParamsEx &params) {
        seen.size = params.Size;
        seen.compilerPathNull = params.CompilerPath == nullptr;
        seen.sourcePath = params.SourcePath;
        const char *end = params.Options;
        while (*end || *(end + 1))
            ++end;
        seen.options = QByteArray(params.Options, end - params.Options + 2);
        return TCompilerResultCompiled;
    };
    thread.ScriptPath = QStringLiteral("/Проект €/demo/");
    thread.OutputDir = QStringLiteral("/Проект €/out");
    thread.OutputBaseFilename = QStringLiteral("Demo");
    EXPECT_EQ(runToEnd(thread).result, 0);
    EXPECT_EQ(seen.size, sizeof(TCompileScriptParamsEx));
    EXPECT_TRUE(seen.compilerPathNull);
    EXPECT_EQ(seen.sourcePath, QByteArray("/Проект €/demo/"));
    const QByteArray options = QByteArray("OutputDir=/Проект €/out") + '\0' + "OutputBaseFilename=Demo" + '\0' + '\0';
    EXPECT_EQ(seen.options, options);
}

TEST(BuildThreadOptions, blockHoldsOnlyTheGivenOptions)
{
    EXPECT_EQ(TBuildThread::OptionBlock(QString(), QString()), QByteArray(1, '\0'));
    EXPECT_EQ(TBuildThread::OptionBlock(QStringLiteral("o"), QString()), QByteArray("OutputDir=o\0\0", 13));
    EXPECT_EQ(TBuildThread::OptionBlock(QString(), QStringLiteral("b")), QByteArray("OutputBaseFilename=b\0\0", 22));
}

TEST_F(BuildThread, relaysProgressReports)
{
    FakeCompiler::behaviour = [](const TCompileScriptParamsEx &params) {
        TCompilerCallbackData data{};
        data.Idle = {5, 10, -1, 2048};
        return notify(params, TCompilerCodeIdle, data);
    };
    EXPECT_EQ(runToEnd(thread).progress, (QList<QList<qint64>>{{5, 10, -1, 2048}}));
}

TEST(BuildThreadLibrary, aMissingLibraryIsResultOneWithALogLine)
{
    QTemporaryDir emptyProgramFolder;
    ProgramFolder::setOverride(emptyProgramFolder.path());
    TBuildThread thread;
    const Outcome outcome = runToEnd(thread);
    ProgramFolder::clearOverride();
    EXPECT_EQ(outcome.result, 1);
    ASSERT_EQ(outcome.log.size(), 1);
    EXPECT_TRUE(outcome.log.first().startsWith(QStringLiteral("Error: Cannot load the compiler library ")));
    EXPECT_EQ(outcome.errorText, outcome.log.first().mid(7));
}

TEST(BuildThreadLibrary, compilesAHandWrittenScriptWithTheLibraryOfTheProgramFolder)
{
    QTemporaryDir project;
    QFile messages(project.filePath(QStringLiteral("en.isl")));
    ASSERT_TRUE(messages.open(QIODevice::WriteOnly));
    messages.write("[CustomMessages]\r\nHello=Hi\r\n");
    messages.close();
    ProgramFolder::setOverride(QStringLiteral(TALMO_TEST_PROGRAM_DIR));
    TBuildThread thread;
    thread.SetQuiet(true);
    thread.SetScript({QStringLiteral("[Setup]"), QStringLiteral("AppName=Demo"), QStringLiteral("AppVersion=1"),
                      QStringLiteral("DefaultDirName={pf}\\Demo"), QStringLiteral("[Languages]"),
                      QStringLiteral("Name: lang0; MessagesFile: en.isl"), QStringLiteral("[Files]"),
                      QStringLiteral("Source: en.isl; DestDir: {app}; Check: Always"), QStringLiteral("[Code]"),
                      QStringLiteral("function Always: Boolean;"), QStringLiteral("begin"), QStringLiteral("  Result := True;"),
                      QStringLiteral("end;")});
    thread.ScriptPath = project.path() + QStringLiteral("\\");
    thread.OutputDir = project.filePath(QStringLiteral("out"));
    const Outcome outcome = runToEnd(thread);
    ProgramFolder::clearOverride();
    EXPECT_EQ(outcome.result, 0) << outcome.log.join('\n').toStdString();
    const QString setup = project.filePath(QStringLiteral("out/setup.exe"));
    EXPECT_EQ(outcome.log.value(1), setup);
    EXPECT_TRUE(QFile::exists(setup));
}
