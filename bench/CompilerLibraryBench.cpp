// Compiles synthetic scripts of growing size with the compiler library of the
// program folder: the check of a large generated script must stay linear.
#include "bench/support/ScriptFeeder.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QList<QByteArray> syntheticScript(int entries, const QByteArray &messagesFile)
{
    QList<QByteArray> lines = {"#define Product \"Bench\"", "[Setup]", "AppName={#Product}", "AppVersion=1",
                               "DefaultDirName={pf}\\{#Product}", "[Languages]", "Name: lang0; MessagesFile: " + messagesFile,
                               "[Components]"};
    for (int i = 0; i < entries; ++i)
        lines << "Name: part" + QByteArray::number(i) + "; Description: \"Part\"; Check: CheckAsync;";
    lines << "[Files]";
    for (int i = 0; i < entries; ++i)
        lines << "Source: \"{tmp}\\down-" + QByteArray::number(i) + "\"; DestDir: \"{app}\\part\"; Components: part"
                     + QByteArray::number(i) + "; Check: CheckAsync; Flags: external";
    lines << "[Code]" << "function CheckAsync: Boolean;" << "begin" << "  Result := True;" << "end;";
    return lines;
}

void compileSyntheticScript(benchmark::State &state)
{
    const TISDllCompileScriptProc compile = ProgramFolderCompileEntry();
    if (!compile) {
        state.SkipWithError("the compiler library is missing");
        return;
    }
    QTemporaryDir source;
    QFile messages(source.filePath(QStringLiteral("en.isl")));
    messages.open(QIODevice::WriteOnly);
    messages.write("[CustomMessages]\r\n");
    messages.close();
    const QByteArray sourcePath = source.path().toLocal8Bit() + '/';
    const QByteArray options(2, '\0');
    ScriptFeeder feeder;
    feeder.lines = syntheticScript(int(state.range(0)), "en.isl");
    for (auto _ : state) {
        if (!feeder.compile(compile, sourcePath, options))
            state.SkipWithError("the synthetic script did not compile");
    }
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(compileSyntheticScript)->RangeMultiplier(4)->Range(64, 4096)->Complexity();

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
