#include "editors/core/regimport/RegImport.h"

#include <benchmark/benchmark.h>

namespace {

using namespace talmo;

// A version-5 export of at least range(0) megabytes: keys holding a default
// string, a named string, a dword, a wrapped binary list and a hex(2) text.
QByteArray generatedExport(qsizetype megabytes)
{
    const qsizetype bytes = megabytes * 1024 * 1024;
    QString text = QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n");
    text.reserve(bytes / 2 + 4096);
    const QString binary = QStringLiteral(
        "\"Data\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,\\\r\n"
        "  17,18,19,1a,1b,1c,1d,1e,1f\r\n"
        "\"Path\"=hex(2):25,00,43,00,45,00,31,00,25,00,5c,00,4e,00,6f,00,74,00,65,00,73,00,\\\r\n"
        "  00,00\r\n\r\n");
    for (int key = 0; text.size() * 2 < bytes; ++key) {
        text += QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brightwater\\Bench\\Key%1]\r\n"
                               "@=\"Default value %1\"\r\n"
                               "\"Name\"=\"A longer string value with \\\"quotes\\\" for entry %1\"\r\n"
                               "\"Count\"=dword:%2\r\n")
                    .arg(key)
                    .arg(key, 8, 16, QLatin1Char('0'));
        text += binary;
    }
    QByteArray file("\xff\xfe");
    file.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    return file;
}

void importUtf16Export(benchmark::State &state)
{
    const QByteArray file = generatedExport(state.range(0));
    for (auto _ : state) {
        qint64 events = 0;
        ImportRegBytes(file, [&](const RegImportEvent &) {
            ++events;
            return true;
        });
        benchmark::DoNotOptimize(events);
    }
    state.SetBytesProcessed(state.iterations() * file.size());
    state.SetComplexityN(state.range(0));
}

// What decoding the same file and splitting it into lines costs.
void splitUtf16ExportIntoLines(benchmark::State &state)
{
    const QByteArray file = generatedExport(state.range(0));
    for (auto _ : state) {
        const QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(file.constData() + 2),
                                                (file.size() - 2) / 2);
        benchmark::DoNotOptimize(text.split(QStringLiteral("\r\n")).size());
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}

} // namespace

BENCHMARK(importUtf16Export)->Arg(12)->Arg(25)->Arg(50)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(splitUtf16ExportIntoLines)->Arg(12)->Arg(25)->Arg(50)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
