#pragma once

#include "model/File.h"
#include "model/InstallModule.h"

namespace talmo {

// A module of ready-made CAB files; each file's Source is a local CAB or an
// address to download it from.
struct TCabCollection : TInstallModule
{
    TFiles Files;
};

using TCabCollections = OwningList<TCabCollection>;

} // namespace talmo
