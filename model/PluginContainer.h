#pragma once

#include "model/File.h"
#include "model/InstallModule.h"

namespace talmo {

// One processor of a runtime module's platform; each file's Source is a CAB
// file of that processor.
struct TPluginProcessor
{
    QString Caption;
    bool Checked = false;
    TFiles Files;
};

using TPluginProcessesors = OwningList<TPluginProcessor>;

struct TPluginPlatform
{
    QString Caption;
    bool Checked = false;  // the platform is installed
    TPluginProcessesors Processors;
};

using TPluginPlatforms = OwningList<TPluginPlatform>;

// A SQL Mobile or .NET CF2 runtime module, made from one of the program's
// redistributable sets.
struct TPluginContainer : TInstallModule
{
    static inline const QString SqlMobileType = QStringLiteral("SQL");
    static inline const QString NetCF2Type = QStringLiteral("NETCF2");

    QString someOldCaption;  // the caption of the set it was made from
    QString Type;            // SqlMobileType or NetCF2Type
    TPluginPlatforms Platforms;
};

using TPluginContainers = OwningList<TPluginContainer>;

} // namespace talmo
