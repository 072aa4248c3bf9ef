#include "editors/core/CeMacroPath.h"

#include "model/ProjectContainer.h"

namespace talmo {

namespace {

struct DeviceFolderMacro
{
    const char *folder;
    const char *macro;
};

// Longest folders first, so a deeper standard folder wins over its parent.
constexpr DeviceFolderMacro deviceFolderMacros[] = {
    { "Windows\\Start Menu\\Programs\\Games", "%CE14%" },
    { "Windows\\Start Menu\\Programs", "%CE11%" },
    { "Windows\\Start Menu", "%CE17%" },
    { "Windows\\Fonts", "%CE15%" },
    { "Windows\\StartUp", "%CE4%" },
    { "Windows", "%CE2%" },
    { "Program Files\\Games", "%CE8%" },
    { "Program Files", "%CE1%" },
    { "My Documents", "%CE5%" },
};

void replaceAll(QString &path, const QString &value, const QString &macro)
{
    if (!value.isEmpty())
        path.replace(value, macro, Qt::CaseInsensitive);
}

void replaceFirst(QString &path, const QString &value, const QString &macro)
{
    if (value.isEmpty())
        return;
    const qsizetype at = path.indexOf(value, 0, Qt::CaseInsensitive);
    if (at >= 0)
        path.replace(at, value.size(), macro);
}

bool startsWithComponents(const QString &path, const QString &folder)
{
    return path.startsWith(folder, Qt::CaseInsensitive)
           && (path.size() == folder.size() || path.at(folder.size()) == QLatin1Char('\\'));
}

void replaceLeadingDeviceFolder(QString &path)
{
    for (const DeviceFolderMacro &entry : deviceFolderMacros) {
        const QString folder = QLatin1String(entry.folder);
        if (startsWithComponents(path, folder)) {
            path.replace(0, folder.size(), QLatin1String(entry.macro));
            return;
        }
    }
}

} // namespace

QString PathToCEMacros(const TProjectContainer &project, const QString &path)
{
    if (path.startsWith(QLatin1String("%InstallDir%")))
        return path;
    QString result = path;
    replaceAll(result, project.GetAppName(), QStringLiteral("%AppName%"));
    replaceAll(result, project.GetProvider(), QStringLiteral("%Provider%"));
    for (const TStringPair &pair : project.StringPairs) {
        // A nameless pair would leave "%%", which expands to nothing.
        if (!pair.Name.isEmpty())
            replaceFirst(result, pair.Value, QLatin1Char('%') + pair.Name + QLatin1Char('%'));
    }
    replaceLeadingDeviceFolder(result);
    return result;
}

} // namespace talmo
