#include "model/ProjectContainer.h"

#include <benchmark/benchmark.h>

// A large device project: state.range(0) files per configuration, spread over
// 20 source folders and 50 destination folders, in three configurations.
static void rebuildCopyFilesSections(benchmark::State &state)
{
    talmo::TProjectContainer project;
    for (int d = 0; d < 3; ++d) {
        talmo::TCEDevice &device = project.CEDevices.AddNew();
        for (int f = 0; f < state.range(0); ++f) {
            talmo::TPPCFS_File &file = device.Files.AddNew();
            file.SourceDir = QStringLiteral("C:\\Source\\Folder%1\\").arg(f % 20);
            file.SourceName = QStringLiteral("file%1.dat").arg(f);
            file.DestinationDir = QStringLiteral("%CE1%\\App\\Data%1\\").arg(f % 50);
            file.DestinationName = file.SourceName;
        }
    }
    for (auto _ : state)
        project.RebuildCopyFilesSections();
}
BENCHMARK(rebuildCopyFilesSections)->Arg(100)->Arg(2000);

BENCHMARK_MAIN();
