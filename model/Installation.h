#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

// What a configuration installs by default: sections named by caption, its
// setup DLL and the files it registers.
struct TInstallation
{
    QStringList defaultInstallCopyFiles;
    QStringList defaultInstallRegistry;
    QStringList defaultInstallShortcuts;
    QString CESelfRegister;
    QString CESetupDLL;
};

} // namespace talmo
