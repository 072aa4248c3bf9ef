#pragma once

#include <QList>
#include <QString>

namespace talmo {

class TProjectContainer;

// A standard folder of the device and the macro that names it in paths.
struct DeviceFolderMacro
{
    QString macro;
    QString folder;
};

// The device's standard folders, %CE1% to %CE17%.
const QList<DeviceFolderMacro> &DeviceFolderMacros();

// How a project value is put in place of its macro; null: as stored.
using MacroValueForm = QString (*)(const QString &value);

// Replaces the macros of a project path or text, ignoring letter case, each
// step working on the result of the one before: %InstallDir% (only when
// expandInstallDir is set; macros inside it are expanded by the later steps),
// %AppName% (the device application's name with useDeviceAppName, else the
// desktop one), %Provider%, %Version% (the desktop version), each custom
// string's %Name% in list order, and last the device folders %CE17% ...
// %CE1%. Unknown macros and lone percent signs stay as they are. The project's
// values (not the device folders) go in through valueForm when it is given.
QString ExpandPathMacros(const TProjectContainer &project, const QString &text,
                         bool expandInstallDir, bool useDeviceAppName, MacroValueForm valueForm = nullptr);

// A device path as the device itself resolves it: ExpandPathMacros with
// %InstallDir% and the device application's name, each device folder from
// the device's root ("\Program Files"), and every run of backslashes one
// backslash, so "\%InstallDir%\app.exe" and "%InstallDir%\app.exe" agree.
QString ExpandDevicePath(const TProjectContainer &project, const QString &text);

} // namespace talmo
