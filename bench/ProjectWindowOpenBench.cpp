// Opening a large project into its window: the load, the window's refresh and
// its first paint together must stay within twice the load alone and grow
// linearly with the project.
#include "model/ProjectContainer.h"
#include "pagehost/ProjectPageFactory.h"
#include "platform/RegistryMemoryStore.h"
#include "windows/project/TprojectForm.h"

#include <QBuffer>
#include <QPixmap>

#include <benchmark/benchmark.h>

namespace {

using namespace talmo;

// range(0) device files over three configurations and 200 source folders.
QByteArray savedProject(int deviceFiles)
{
    TProjectContainer project;
    project.CreateNewProject();
    while (project.CEDevices.Count() < 3)
        project.CEDevices.AddNew().Caption = QStringLiteral("CEDevice.CPU%1").arg(project.CEDevices.Count());
    for (int f = 0; f < deviceFiles; ++f) {
        TPPCFS_File &file = project.CEDevices[f % 3].Files.AddNew();
        file.SourceDir = QStringLiteral("Source\\Folder%1\\").arg(f % 200);
        file.SourceName = QStringLiteral("file%1.dat").arg(f);
        file.DestinationDir = QStringLiteral("%InstallDir%\\Folder%1\\").arg(f % 200);
        file.DestinationName = file.SourceName;
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    project.SaveToFile(QStringLiteral("large.talmo"), &buffer);
    return buffer.data();
}

std::unique_ptr<TProjectContainer> loaded(const QByteArray &document)
{
    auto project = std::make_unique<TProjectContainer>();
    QBuffer buffer;
    buffer.setData(document);
    buffer.open(QIODevice::ReadOnly);
    if (!project->LoadFromFile(QStringLiteral("large.talmo"), &buffer))
        throw std::runtime_error("the benchmark project did not load");
    return project;
}

void loadProject(benchmark::State &state)
{
    const QByteArray document = savedProject(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(loaded(document));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(loadProject)->Arg(5000)->Arg(10000)->Arg(20000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

void openProjectWindow(benchmark::State &state)
{
    const QByteArray document = savedProject(int(state.range(0)));
    RegistryMemoryStore store;
    ScopedCurrentRegistryStore useStore(store);
    ProjectPageFactory pages;
    for (auto _ : state) {
        TprojectForm window(loaded(document), pages, nullptr);
        window.resize(1000, 700);
        window.RefreshFromProject();
        benchmark::DoNotOptimize(window.grab());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(openProjectWindow)->Arg(5000)->Arg(10000)->Arg(20000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

} // namespace
