#pragma once

#include "model/OwningList.h"

#include <QString>

namespace talmo {

// One platform entry of the .inf file.
struct TPlatform
{
    QString PlatformName;
    QString PlatformString;
    QString PlatformMin;
    QString PlatformMax;
};

using TPlatforms = OwningList<TPlatform>;

} // namespace talmo
