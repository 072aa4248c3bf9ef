#include "platform/AnsiCodec.h"

#include <benchmark/benchmark.h>

static void encodeLongText(benchmark::State &state)
{
    const QString text = QString::fromUtf8("Program Files\\Caf\u00e9 \u20ac ").repeated(4096);
    for (auto _ : state)
        benchmark::DoNotOptimize(talmo::AnsiCodec::encode(text));
}
BENCHMARK(encodeLongText);

BENCHMARK_MAIN();
