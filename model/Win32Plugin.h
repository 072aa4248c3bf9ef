#pragma once

#include "model/InstallModule.h"
#include "model/Win32Entries.h"

namespace talmo {

// A desktop-installer module: files, registry values, icons, programs to run
// and files to delete on the desktop PC.
struct TWin32Plugin : TInstallModule
{
    TWin32FileEntries FileEntries;
    TWin32RegistryEntries RegistryEntries;
    TWin32IconEntries IconEntries;
    TWin32RunEntries InstallRunEntries;
    TWin32RunEntries UninstallRunEntries;
    QStringList Dirs;  // folders the module creates
    TWin32DeleteEntries InstallDeleteEntries;
    TWin32DeleteEntries UninstallDeleteEntries;
};

using TWin32Plugins = OwningList<TWin32Plugin>;

} // namespace talmo
