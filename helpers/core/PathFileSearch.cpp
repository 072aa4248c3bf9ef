#include "helpers/core/PathFileSearch.h"

#include "helpers/core/PathHelpers.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace talmo {

namespace {

const QString everyName = QStringLiteral("*.*");

// "*.*" matches every name, with or without a dot.
QString hostMask(const QString &mask)
{
    return mask == everyName ? QStringLiteral("*") : mask;
}

QFileInfoList entries(const QString &folder, const QString &mask, QDir::Filters filters)
{
    QDir dir(ToHostPath(folder));
    return dir.entryInfoList(QStringList{ hostMask(mask) },
                             filters | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                             QDir::Name);
}

void listFiles(const QString &folder, const QString &mask, QStringList &list, bool recurse,
               QSet<QString> &visitedFolders)
{
    // A link back up the tree must not send the search round for ever.
    const QString canonical = QFileInfo(ToHostPath(folder)).canonicalFilePath();
    if (visitedFolders.contains(canonical))
        return;
    visitedFolders.insert(canonical);

    for (const QFileInfo &entry : entries(folder, mask, QDir::AllEntries)) {
        if (entry.fileName().startsWith(QLatin1Char('.')))
            continue;
        if (!entry.isDir())
            list.append(folder + entry.fileName());
        else if (recurse)
            listFiles(IncludeTrailingSeparator(folder + entry.fileName()), everyName, list,
                      recurse, visitedFolders);
    }
}

} // namespace

void AddFilesByMask(QStringList &list, const QString &folder, const QString &mask)
{
    const QString prefix = folder.isEmpty() ? QString() : IncludeTrailingSeparator(folder);
    for (const QFileInfo &entry : entries(folder, mask, QDir::Files))
        list.append(prefix + entry.fileName());
}

void ListFilesRecursive(const QString &path, QStringList &list, bool recurse)
{
    QSet<QString> visitedFolders;
    if (QFileInfo(ToHostPath(path)).isDir()) {
        listFiles(IncludeTrailingSeparator(path), everyName, list, recurse, visitedFolders);
        return;
    }
    const QString folder = ExtractFileFolder(path);
    listFiles(folder, path.mid(folder.size()), list, recurse, visitedFolders);
}

} // namespace talmo
