#pragma once

#include "model/File.h"
#include "model/InstallModule.h"

namespace talmo {

// A Palm OS module; each file's Source is a Palm file.
struct TPalmSection : TInstallModule
{
    TFiles Files;
};

using TPalmSections = OwningList<TPalmSection>;

} // namespace talmo
