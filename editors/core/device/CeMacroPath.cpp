#include "editors/core/device/CeMacroPath.h"

#include "model/PathMacros.h"
#include "model/ProjectContainer.h"

#include <algorithm>

namespace talmo {

namespace {

// Longest folders first, so a deeper standard folder wins over its parent.
const QList<DeviceFolderMacro> &longestFoldersFirst()
{
    static const QList<DeviceFolderMacro> folders = [] {
        QList<DeviceFolderMacro> sorted = DeviceFolderMacros();
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const auto &a, const auto &b) { return a.folder.size() > b.folder.size(); });
        return sorted;
    }();
    return folders;
}

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
    for (const DeviceFolderMacro &entry : longestFoldersFirst()) {
        if (startsWithComponents(path, entry.folder)) {
            path.replace(0, entry.folder.size(), entry.macro);
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
