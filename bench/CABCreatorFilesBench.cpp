// The CAB creator's files tab over a large target: the folder tree and each
// folder's file list must grow linearly with the target's files, and the
// desktop is asked for a file type once per extension, however many files.
#include "editors/cab/CABCreatorForm.h"
#include "editors/core/device/DeviceFolderTree.h"
#include "model/ProjectContainer.h"
#include "pagehost/FakeProjectWindowHost.h"
#include "platform/RegistryMemoryStore.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"
#include "widgets/NxComboBox.h"

#include <QTreeWidget>

#include <benchmark/benchmark.h>

namespace {

using namespace talmo;

constexpr int Folders = 200;
const char *const Extensions[] = {"exe", "dll", "txt", "png", "xml", "dat", "htm", "wav", "ini", "bmp"};

// One target with range(0) files spread over 200 device folders below the
// application's folder, ten extensions in turn.
std::unique_ptr<TProjectContainer> largeProject(int files)
{
    auto project = std::make_unique<TProjectContainer>();
    project->CreateNewProject();
    project->AppName = QStringLiteral("Bench App");
    project->SetupCaption = QStringLiteral("Bench");
    TCEDevice &target = project->CEDevices[0];
    for (int f = 0; f < files; ++f) {
        TPPCFS_File &file = target.Files.AddNew();
        file.SourceDir = QStringLiteral("Source\\Folder%1\\").arg(f % Folders);
        file.SourceName = QStringLiteral("file%1.%2").arg(f).arg(QLatin1String(Extensions[f % 10]));
        file.DestinationDir = QStringLiteral("%CE1%\\%AppName%\\Folder%1\\").arg(f % Folders);
        file.DestinationName = file.SourceName;
    }
    return project;
}

void buildFolderTreeModel(benchmark::State &state)
{
    const auto project = largeProject(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(DeviceFolderTree::Build(*project, project->CEDevices[0]));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(buildFolderTreeModel)->Arg(5000)->Arg(10000)->Arg(20000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

// The page's tree with its items, then the root's (empty) list.
void buildFolderTreeOnThePage(benchmark::State &state)
{
    const auto project = largeProject(int(state.range(0)));
    RegistryMemoryStore store;
    ScopedCurrentRegistryStore useStore(store);
    FakeProjectWindowHost host;
    TCABCreatorForm page(*project, host);
    for (auto _ : state)
        page.BuildDeviceFolderTree();
    state.SetComplexityN(state.range(0));
}
BENCHMARK(buildFolderTreeOnThePage)->Arg(5000)->Arg(10000)->Arg(20000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

// One folder's list (a 200th of the files) with icons, types and sorting.
void fillOneFolderList(benchmark::State &state)
{
    const auto project = largeProject(int(state.range(0)));
    RegistryMemoryStore store;
    ScopedCurrentRegistryStore useStore(store);
    FakeProjectWindowHost host;
    FileTypeIconCache fileTypes;
    TCABCreatorForm page(*project, host, nullptr, &fileTypes);
    if (!page.selectFolder(QStringLiteral("Program Files\\Bench App\\Folder7\\")))
        throw std::runtime_error("the benchmark folder is missing");
    for (auto _ : state)
        page.tv_ppcfs_foldersSelectionChange();
    state.counters["rows"] = double(page.shownColumn(TCABCreatorForm::List::Files, 0).size());
    // Every lookup the cache could not answer added one line.
    state.counters["shellQueries"] = double(fileTypes.extensions.size());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(fillOneFolderList)->Arg(5000)->Arg(10000)->Arg(20000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

// Every folder listed once, as a user clicking through the whole tree would.
void fillEveryFolderList(benchmark::State &state)
{
    const auto project = largeProject(20000);
    RegistryMemoryStore store;
    ScopedCurrentRegistryStore useStore(store);
    FakeProjectWindowHost host;
    FileTypeIconCache fileTypes;
    TCABCreatorForm page(*project, host, nullptr, &fileTypes);
    for (auto _ : state) {
        for (int folder = 0; folder < Folders; ++folder)
            page.selectFolder(QStringLiteral("Program Files\\Bench App\\Folder%1\\").arg(folder));
    }
    state.counters["shellQueries"] = double(fileTypes.extensions.size());
}
BENCHMARK(fillEveryFolderList)->Unit(benchmark::kMillisecond);

} // namespace
