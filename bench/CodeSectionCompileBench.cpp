// The [Code] check within the compile of the largest generated setup of the
// tests (every device feature at once): the whole compile through the library
// of the program folder, and the Pascal Script checker alone on the [Code] as
// that compile joined it.
#include "tests/pascalcheck/MatrixProject.h"
#include "tests/pascalcheck/PascalChecker.h"
#include "tests/pascalcheck/SetupPackage.h"

#include "bench/support/ScriptFeeder.h"
#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace talmo;

// The largest generated setup with its sources on disk.
struct LargestSetup
{
    LargestSetup()
    {
        ProgramFolder::setOverride(BenchProgramFolder() + u'/');
        TProjectContainer project;
        matrix::buildProject(project, matrix::EveryDeviceFeature, folder.path());
        const QStringList script = matrix::GeneratedScript(project, BenchProgramFolder() + u'/', outputFolder());
        sourcesWritten = matrix::createSourcesOf(script, folder.path());
        for (const QString &line : script)
            feeder.lines << line.toUtf8();
    }

    QString outputFolder() const { return folder.filePath(QStringLiteral("out")); }

    bool compile(TISDllCompileScriptProc entry)
    {
        const QByteArray sourcePath = folder.path().toUtf8() + '/';
        const QByteArray options = "OutputDir=" + outputFolder().toUtf8() + '\0' + "OutputBaseFilename=setup" + '\0' + '\0';
        return feeder.compile(entry, sourcePath, options);
    }

    // The [Code] lines of the preprocessed script the package holds.
    QStringList joinedCode() const
    {
        const QMap<QString, QByteArray> package = SetupPackageEntries(outputFolder() + QStringLiteral("/setup.exe"));
        return codeSectionsOf(QString::fromUtf8(package.value(QStringLiteral("script.iss"))).split(u'\n'));
    }

    QTemporaryDir folder;
    ScriptFeeder feeder;
    bool sourcesWritten = false;
};

LargestSetup &largestSetup()
{
    static LargestSetup setup;
    return setup;
}

void compileLargestGeneratedSetup(benchmark::State &state)
{
    LargestSetup &setup = largestSetup();
    const TISDllCompileScriptProc compile = ProgramFolderCompileEntry();
    if (!compile || !setup.sourcesWritten) {
        state.SkipWithError("the compiler library or the setup's sources are missing");
        return;
    }
    for (auto _ : state) {
        if (!setup.compile(compile))
            state.SkipWithError("the generated setup did not compile");
    }
    state.counters["script lines"] = double(setup.feeder.lines.size());
}

void checkTheJoinedCode(benchmark::State &state)
{
    LargestSetup &setup = largestSetup();
    const TISDllCompileScriptProc compile = ProgramFolderCompileEntry();
    if (!compile || !setup.sourcesWritten || !setup.compile(compile)) {
        state.SkipWithError("the generated setup did not compile");
        return;
    }
    const QStringList code = setup.joinedCode();
    for (auto _ : state) {
        if (!runPascalCheck(code, BenchProgramFolder()).compiled())
            state.SkipWithError("the checker refused the code");
    }
    state.counters["code lines"] = double(code.size());
}

} // namespace

// Each run starts a process, so wall time is what a user waits for.
BENCHMARK(compileLargestGeneratedSetup)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(checkTheJoinedCode)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
