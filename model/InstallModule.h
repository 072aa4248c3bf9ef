#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

// What every installation module shows in the setup's component list: its
// caption, whether it is fixed or hidden, and the setup languages and setup
// types it belongs to (by name).
struct TInstallModule
{
    QString Caption;
    bool FlagFixed = false;
    bool HiddenInstall = false;
    QStringList Languages;
    QStringList InstallTypes;
};

} // namespace talmo
