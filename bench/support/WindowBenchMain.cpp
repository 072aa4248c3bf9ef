#include <QApplication>

#include <benchmark/benchmark.h>

// Benchmarks of windows need an application object; they measure on the
// offscreen platform unless one is chosen, so no display is needed.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
