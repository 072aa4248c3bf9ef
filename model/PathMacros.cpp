#include "model/PathMacros.h"

#include "model/ProjectContainer.h"

namespace talmo {

namespace {

struct DeviceFolder
{
    const char *macro;
    const char *folder;
};

constexpr DeviceFolder deviceFolders[] = {
    { "%CE17%", "Windows\\Start Menu" },
    { "%CE15%", "Windows\\Fonts" },
    { "%CE14%", "Windows\\Start Menu\\Programs\\Games" },
    { "%CE11%", "Windows\\Start Menu\\Programs" },
    { "%CE8%", "Program Files\\Games" },
    { "%CE5%", "My Documents" },
    { "%CE4%", "Windows\\StartUp" },
    { "%CE2%", "Windows" },
    { "%CE1%", "Program Files" },
};

void replaceMacro(QString &text, const QString &macro, const QString &value)
{
    text.replace(macro, value, Qt::CaseInsensitive);
}

} // namespace

QString ExpandPathMacros(const TProjectContainer &project, const QString &text,
                         bool expandInstallDir, bool useDeviceAppName)
{
    QString result = text;
    if (expandInstallDir)
        replaceMacro(result, QStringLiteral("%InstallDir%"), project.InstallDir);
    replaceMacro(result, QStringLiteral("%AppName%"),
                 useDeviceAppName ? project.AppName : project.Win32AppName);
    replaceMacro(result, QStringLiteral("%Provider%"), project.Provider);
    replaceMacro(result, QStringLiteral("%Version%"), project.Win32Version);
    for (const TStringPair &pair : project.StringPairs) {
        // A nameless pair is no macro; "%%" stays as written.
        if (!pair.Name.isEmpty())
            replaceMacro(result, QLatin1Char('%') + pair.Name + QLatin1Char('%'), pair.Value);
    }
    for (const DeviceFolder &folder : deviceFolders)
        replaceMacro(result, QLatin1String(folder.macro), QLatin1String(folder.folder));
    return result;
}

} // namespace talmo
