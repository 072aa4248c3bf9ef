#pragma once

#include "model/File.h"
#include "model/InstallModule.h"

namespace talmo {

// A module whose files the setup copies straight onto the device or its
// storage card; the first file's Source is the ZIP path or URL.
struct TDirectCopyModule : TInstallModule
{
    TFiles Files;
    QString DefaultInstallLocation;  // the folder on the device
    bool UserCanChangeInstallRoot = false;
    bool UserCanUpdateInstall = false;
    bool UserMustSelectInstallLocation = false;
    bool InstallLocationRootIsSDCard = false;
};

using TDirectCopyModules = OwningList<TDirectCopyModule>;

} // namespace talmo
