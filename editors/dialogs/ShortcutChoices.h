#pragma once

#include <QStringList>

namespace talmo {

struct TCEDevice;

// The text side of the shortcut dialog.
struct ShortcutChoices
{
    static inline const QString InstallDirMacro = QStringLiteral("%InstallDir%");

    // The targets a shortcut of the device configuration may point to, each
    // once: for a file its name, or with a custom icon its full device path
    // written as the files give it (as the wizard's shortcuts are); for a
    // folder each destination folder, then "%InstallDir%".
    static QStringList targets(const TCEDevice &target, bool toFolder, bool customIcon);
    // The shortcut name a target suggests: its last part without what
    // follows the last dot.
    static QString nameFromTarget(const QString &target);
    // Whether the file is an .EXE or .DLL (an icon inside a device program).
    static bool isIconLibrary(const QString &fileName);
};

} // namespace talmo
