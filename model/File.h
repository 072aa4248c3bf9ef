#pragma once

#include "model/OwningList.h"

#include <QString>

namespace talmo {

// One file of a disk, a CopyFiles section or a module. In a CopyFiles section
// Source is the source name, Destination the name on the device and
// Attributes the copy flags; a disk uses only Source; a module's Source may be
// a local path, a path relative to the project file's folder or a URL.
struct TFile
{
    QString Source;
    QString Destination;
    int Attributes = 0;
};

using TFiles = OwningList<TFile>;

} // namespace talmo
