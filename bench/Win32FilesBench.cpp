#include "editors/desktop/Win32InstallationForm.h"
#include "editors/core/desktop/Win32FileEdits.h"
#include "editors/core/desktop/Win32FolderTree.h"
#include "helpers/ui/FakeUiServices.h"
#include "model/ProjectContainer.h"
#include "pagehost/FakeProjectWindowHost.h"
#include "platform/RegistryMemoryStore.h"

#include <benchmark/benchmark.h>

namespace {

using namespace talmo;

// range(0) files spread evenly over range(0) / 40 folders below {app}, with
// a handful of extensions.
void fillModule(TWin32Plugin &plugin, int files)
{
    const int folders = std::max(1, files / 40);
    const char *const extensions[] = {".exe", ".dll", ".txt", ".html", ".png"};
    for (int i = 0; i < files; ++i) {
        TWin32FileEntry &entry = plugin.FileEntries.AddNew();
        entry.Source = QStringLiteral("src\\folder%1\\file%2%3").arg(i % folders).arg(i).arg(extensions[i % 5]);
        entry.Destination = QStringLiteral("{app}\\Folder%1\\").arg(i % folders);
    }
}

void buildFolderTree(benchmark::State &state)
{
    TWin32Plugin plugin;
    fillModule(plugin, int(state.range(0)));
    for (auto _ : state) {
        plugin.Dirs.clear();
        const Win32FolderTree tree = Win32FolderTree::Build(plugin);
        benchmark::DoNotOptimize(tree.installDirectories().children.size());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(buildFolderTree)->Arg(5000)->Arg(10000)->Arg(20000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

// The page listing "All Files", then one folder, with the shell asked once per extension.
void listFilesOnThePage(benchmark::State &state)
{
    RegistryMemoryStore store;
    ScopedCurrentRegistryStore useStore{store};
    FakeUiServices ui;
    ScopedCurrentUiServices useUi{ui};
    TProjectContainer project;
    fillModule(project.Win32Plugins.AddNew(), int(state.range(0)));
    FakeProjectWindowHost host;
    TWin32InstallationForm page(project, host, 0);
    for (auto _ : state) {
        page.selectFolderRoot(Win32FolderKind::AllFiles);
        page.selectFolder(QStringLiteral("{app}\\Folder7\\"));
        benchmark::DoNotOptimize(page.selectedFolderPath().size());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(listFilesOnThePage)->Arg(5000)->Arg(10000)->Arg(20000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

} // namespace
