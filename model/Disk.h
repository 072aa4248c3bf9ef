#pragma once

#include "model/File.h"

namespace talmo {

// One source disk of a configuration: one source folder of its files.
struct TDisk
{
    int disk_id = 0;  // unique across the whole project
    QString comment;  // "Disk-" and a number after a rebuild
    QString path;     // the source folder
    TFiles Files;     // only each file's Source is used
};

using TDisks = OwningList<TDisk>;

} // namespace talmo
