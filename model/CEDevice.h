#pragma once

#include "model/Disk.h"
#include "model/Installation.h"
#include "model/PPCFSFile.h"

namespace talmo {

// One target-device configuration: "CEDevice [ Default ]" for the first of
// the project's list, "CEDevice." and a processor name for the others.
struct TCEDevice
{
    QString Caption;
    QString ProcessorType;
    QString UnsupportedPlatforms;
    QString VersionMin;
    QString VersionMax;
    int BuildMax = 0;  // 0 none, 1 to 3 the .inf file's three BuildMax values
    TDisks Disks;
    TInstallation Installation;
    TPPCFS_Files Files;  // the flat file list the disks and CopyFiles sections come from
};

using TCEDevices = OwningList<TCEDevice>;

} // namespace talmo
