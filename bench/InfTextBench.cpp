#include "engine/cab/InfTextGenerator.h"
#include "model/ProjectContainer.h"

#include <benchmark/benchmark.h>

// A device project of state.range(0) files in all, spread over three
// configurations, 200 source folders and 200 destination folders, with a
// registry section of 500 values and a shortcut per 100 files.
static void generateInfText(benchmark::State &state)
{
    talmo::TProjectContainer project;
    const int files = int(state.range(0));
    for (int d = 0; d < 3; ++d) {
        talmo::TCEDevice &device = project.CEDevices.AddNew();
        device.Caption = d == 0 ? QStringLiteral("CEDevice [ Default ]") : QStringLiteral("CEDevice.CPU%1").arg(d);
        device.Installation.defaultInstallShortcuts = {QStringLiteral("Links")};
        device.Installation.defaultInstallRegistry = {QStringLiteral("Settings")};
        for (int f = d; f < files; f += 3) {
            talmo::TPPCFS_File &file = device.Files.AddNew();
            file.SourceDir = QStringLiteral("C:\\Source\\Folder%1\\").arg(f % 200);
            file.SourceName = QStringLiteral("file%1.dat").arg(f);
            file.DestinationDir = QStringLiteral("%CE1%\\App\\Data%1\\").arg(f % 200);
            file.DestinationName = file.SourceName;
            file.Attributes = f % 8;
        }
    }
    talmo::TShortcutSection &links = project.ShortcutsSections.AddNew();
    links.Caption = QStringLiteral("Links");
    for (int s = 0; s < files / 100; ++s) {
        talmo::TShortcutEntry &entry = links.Entries.AddNew();
        entry.shortcut_filename = QStringLiteral("Link %1").arg(s);
        entry.target_file_path = QStringLiteral("file%1.dat").arg(s);
        if (s % 2)
            entry.CustomIconFileName = QStringLiteral("icon%1.ico").arg(s);
    }
    talmo::TRegistrySection &settings = project.RegistrySections.AddNew();
    settings.Caption = QStringLiteral("Settings");
    for (int r = 0; r < 500; ++r) {
        talmo::TRegistryEntry &entry = settings.Entries.AddNew();
        entry.registry_root_string = QStringLiteral("HKEY_LOCAL_MACHINE");
        entry.subkey = QStringLiteral("Software\\Bench");
        entry.value_name = QStringLiteral("Value%1").arg(r);
        entry.flags = QStringLiteral("TYPE_SZ");
        entry.value = QStringLiteral("%InstallDir%\\");
    }
    talmo::InfTextGenerator generator(QStringLiteral("/opt/talmo"), QStringLiteral("/tmp"));
    for (auto _ : state)
        benchmark::DoNotOptimize(generator.Generate(project));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(generateInfText)->Arg(5000)->Arg(10000)->Arg(20000)->Arg(40000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
