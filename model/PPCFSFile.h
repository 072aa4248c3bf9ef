#pragma once

#include "model/OwningList.h"

#include <QString>

namespace talmo {

// One file of a configuration's flat file list, as the CAB creator editor
// shows it. Not stored in the project file: rebuilt from the CopyFiles
// sections on load.
struct TPPCFS_File
{
    QString SourceName;
    QString SourceDir;       // absolute or relative to the project file's folder
    QString DestinationDir;  // device folder, usually with path macros
    QString DestinationName;
    int Attributes = 0;      // copy flags of the .inf file
};

using TPPCFS_Files = OwningList<TPPCFS_File>;

} // namespace talmo
