#include "engine/script/ScriptGenerator.h"
#include "model/ProjectContainer.h"

#include <benchmark/benchmark.h>

namespace {

// A desktop and device project with state.range(0) desktop files spread over
// ten modules inside a container, a registry value per ten files and one CAB
// collection holding a tenth as many CABs, a third of them downloaded.
void fillLargeProject(talmo::TProjectContainer &project, int files)
{
    project.CreateNewProject();
    project.FileName = QStringLiteral("C:\\Projects\\Big\\big.talmo");
    project.Languages.AddNew().LanguageID = QStringLiteral("English");
    talmo::TInstallComponent &container = project.InstallComponents.AddNew(&project);
    container.parentIndex = -1;
    const int containerIndex = project.InstallComponents.Count() - 1;
    for (int m = 0; m < 10; ++m) {
        talmo::TWin32Plugin &module = project.Win32Plugins.AddNew();
        module.Languages = QStringList{ QStringLiteral("English") };
        talmo::TInstallComponent &component = project.InstallComponents.AddNew(&project);
        component.moduleType = talmo::ModuleType::Win32;
        component.moduleIndex = m;
        component.parentIndex = containerIndex;
    }
    for (int f = 0; f < files; ++f) {
        talmo::TWin32Plugin &module = project.Win32Plugins[f % 10];
        talmo::TWin32FileEntry &entry = module.FileEntries.AddNew();
        entry.Source = QStringLiteral("bin\\folder%1\\file%2.dat").arg(f % 37).arg(f);
        entry.Destination = QStringLiteral("{app}\\data%1").arg(f % 50);
        entry.FlagIgnoreVersion = true;
        if (f % 10 == 0) {
            talmo::TWin32RegistryEntry &value = module.RegistryEntries.AddNew();
            value.Root = QStringLiteral("HKEY_CURRENT_USER");
            value.SubKey = QStringLiteral("Software\\Big\\Key%1").arg(f);
            value.ValueType = QStringLiteral("string");
            value.ValueData = QStringLiteral("{app};{app}\\data%1").arg(f % 50);
        }
    }
    talmo::TCabCollection &collection = project.CabCollections.AddNew();
    for (int c = 0; c < files / 10; ++c) {
        collection.Files.AddNew().Source = c % 3 == 0 ? QStringLiteral("http://example.com/cab%1.cab").arg(c)
                                                      : QStringLiteral("cabs\\cab%1.cab").arg(c);
    }
    talmo::TInstallComponent &cabs = project.InstallComponents.AddNew(&project);
    cabs.moduleType = talmo::ModuleType::CabCollection;
    cabs.moduleIndex = 0;
    cabs.parentIndex = -1;
}

void generateScript(benchmark::State &state)
{
    talmo::TProjectContainer project;
    fillLargeProject(project, int(state.range(0)));
    talmo::ScriptGenerator generator(
        talmo::ScriptEnvironment{ QStringLiteral("C:\\Talmo\\"), [](const QString &) { return false; }, nullptr });
    for (auto _ : state) {
        QStringList script;
        generator.GenerateScript(project, script, QStringLiteral("C:\\Out"));
        benchmark::DoNotOptimize(script);
    }
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(generateScript)->RangeMultiplier(4)->Range(1250, 20000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
