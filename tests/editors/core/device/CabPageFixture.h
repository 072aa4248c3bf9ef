#pragma once

#include "model/ProjectContainer.h"

#include <memory>

namespace talmo::test {

// Three targets with files in nested folders, three registry sections and
// shortcut sections stored in an order unlike the targets'.
inline std::unique_ptr<TProjectContainer> cabPageProject()
{
    auto project = std::make_unique<TProjectContainer>();
    project->Reset();
    project->AppName = QStringLiteral("My App");
    project->Provider = QStringLiteral("Acme");
    const char *const captions[] = { "CEDevice [ Default ]", "CEDevice.ARM", "CEDevice.MIPS" };
    const char *const shortcutNames[] = { "short-0", "short-1", "short-2" };
    for (int i = 0; i < 3; ++i) {
        TCEDevice &target = project->CEDevices.AddNew();
        target.Caption = QLatin1String(captions[i]);
        target.Installation.defaultInstallShortcuts.append(QLatin1String(shortcutNames[i]));
        const struct { const char *dir; const char *name; } files[] = {
            { "%CE1%\\%AppName%\\", "app.exe" },
            { "%CE1%\\%AppName%\\data\\", "a.dat" },
            { "%InstallDir%\\", "readme.txt" },
        };
        for (const auto &file : files) {
            TPPCFS_File &entry = target.Files.AddNew();
            entry.DestinationDir = QLatin1String(file.dir);
            entry.DestinationName = entry.SourceName = QLatin1String(file.name);
            entry.SourceDir = QStringLiteral("bin%1\\").arg(i);
        }
        TCopyFilesSection &copyFiles = project->CopyFilesSections.AddNew();
        copyFiles.linked_SourceName = i;
        copyFiles.Caption = QStringLiteral("CopyFiles-%1").arg(i);
    }
    for (const char *name : { "short-2", "short-0", "short-1" }) {
        TShortcutSection &section = project->ShortcutsSections.AddNew();
        section.Caption = QLatin1String(name);
        section.DefaultDestinationDir = QStringLiteral("%CE11%");
        section.Entries.AddNew().shortcut_filename = QStringLiteral("link of ") + section.Caption;
    }
    for (const char *name : { "Reg A", "Reg B", "Reg C" })
        project->RegistrySections.AddNew().Caption = QLatin1String(name);
    project->CEDevices[1].Installation.defaultInstallRegistry = { QStringLiteral("Reg B") };
    project->Modified = false;
    return project;
}

} // namespace talmo::test
