#pragma once

#include "model/File.h"

namespace talmo {

// One CopyFiles section of the .inf file. The sections of every configuration
// live in the one project list; each names its configuration and disk by index.
struct TCopyFilesSection
{
    int linked_SourceName = 0;  // index of the configuration in CEDevices
    int linked_SourceDisk = 0;  // index of the disk in that configuration's Disks
    QString Caption;            // "CopyFiles-" and a number after a rebuild
    TFiles Files;
    QString Destination;        // device folder, no trailing backslash after a rebuild
};

using TCopyFilesSections = OwningList<TCopyFilesSection>;

} // namespace talmo
