#include "editors/core/device/DeviceFileEntries.h"

#include "editors/core/device/CeMacroPath.h"
#include "editors/core/device/DeviceFolderTree.h"
#include "helpers/core/PathFileSearch.h"
#include "helpers/core/PathHelpers.h"
#include "model/ProjectContainer.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace talmo {

namespace {

const QChar Backslash = QLatin1Char('\\');

// The part of a file's folder below the dropped folder, written with backslashes.
QString subFolderBelow(const QString &droppedFolder, const QString &fileFolder)
{
    QString below = fileFolder.mid(IncludeTrailingSeparator(droppedFolder).size());
    below.replace(QLatin1Char('/'), Backslash);
    return below;
}

QString collapseBackslashes(QString path)
{
    const QString twice(2, Backslash);
    while (path.contains(twice))
        path.replace(twice, QString(Backslash));
    return path;
}

} // namespace

const QStringList &CopyFlagNames()
{
    static const QStringList names = {
        QStringLiteral("Default"),
        QStringLiteral("COPYFLG_WARN_IF_SKIP"),
        QStringLiteral("COPYFLG_NOSKIP"),
        QStringLiteral("COPYFLG_NO_OVERWRITE"),
        QStringLiteral("COPYFLG_REPLACEONLY"),
        QStringLiteral("CE_COPYFLG_NO_DATE_DIALOG"),
        QStringLiteral("CE_COPYFLG_NODATECHECK"),
        QStringLiteral("CE_COPYFLG_SHARED"),
    };
    return names;
}

QString CopyFlagName(int index)
{
    return CopyFlagNames().value(index, CopyFlagNames().first());
}

DeviceFileEntries::DeviceFileEntries(TProjectContainer &project, TCEDevice &target)
    : m_project(project)
    , m_target(target)
{
}

QString DeviceFileEntries::DestinationFolder(const QString &folderPath) const
{
    return withTrailingBackslash(PathToCEMacros(m_project, folderPath));
}

QString DeviceFileEntries::sourceFolder(const QString &filePath, bool makeRelative) const
{
    return ExtractFileFolder(StoredFileReference(m_project.GetFileName(), filePath, makeRelative));
}

void DeviceFileEntries::append(const QString &sourceDir, const QString &name,
                               const QString &destinationDir)
{
    TPPCFS_File &file = m_target.Files.AddNew();
    file.SourceDir = sourceDir;
    file.SourceName = name;
    file.DestinationName = name;
    file.DestinationDir = destinationDir;
    m_project.Modified = true;
}

void DeviceFileEntries::AddFileEntry(const QString &folderPath, const QString &sourcePath,
                                     bool makeRelative)
{
    append(sourceFolder(sourcePath, makeRelative), FileNamePart(sourcePath),
           DestinationFolder(folderPath));
}

void DeviceFileEntries::AddBlankEntry(const QString &folderPath)
{
    AddFileEntry(folderPath, QStringLiteral("ChangeMe"), true);
}

int DeviceFileEntries::AddFilesToTarget(const QString &folderPath, const QStringList &names,
                                        bool makeRelative, bool recurse)
{
    const QString folder = DestinationFolder(folderPath);
    int added = 0;
    for (const QString &name : names) {
        const QFileInfo dropped(name);
        const bool isFolder = dropped.isDir();
        const QString droppedPath = ExcludeTrailingSeparator(name);
        const QString base = isFolder ? Backslash + FileNamePart(droppedPath) + Backslash : QString();
        QStringList files;
        ListFilesRecursive(droppedPath, files, isFolder && recurse);
        for (const QString &file : files) {
            if (QFileInfo(file).isDir())
                continue;
            const QString fileFolder = ExtractFileFolder(file);
            const QString subFolder = isFolder ? subFolderBelow(droppedPath, fileFolder) : QString();
            append(sourceFolder(file, makeRelative), FileNamePart(file),
                   collapseBackslashes(folder + Backslash + base + subFolder));
            ++added;
        }
    }
    m_project.Modified = true;
    return added;
}

bool DeviceFileEntries::AnyIsFolder(const QStringList &names)
{
    return std::any_of(names.begin(), names.end(),
                       [](const QString &name) { return QFileInfo(name).isDir(); });
}

QList<int> DeviceFileEntries::FilesInFolder(const QString &folderPath) const
{
    const QString shown = withTrailingBackslash(folderPath);
    DisplayFolders displayFolders(m_project);
    QList<int> indexes;
    for (int i = 0; i < m_target.Files.Count(); ++i) {
        if (displayFolders.of(m_target.Files[i].DestinationDir) == shown)
            indexes.append(i);
    }
    return indexes;
}

void DeviceFileEntries::RenameFolder(const QString &folderPath, const QString &newName)
{
    const QString oldFolder = withTrailingBackslash(folderPath);
    QStringList components = DeviceFolderTree::SplitPath(oldFolder);
    if (components.isEmpty())
        return;
    components.last() = newName;
    const QString newFolder = components.join(Backslash) + Backslash;
    DisplayFolders displayFolders(m_project);
    for (TPPCFS_File &file : m_target.Files) {
        const QString shown = displayFolders.of(file.DestinationDir);
        if (shown.startsWith(oldFolder))
            file.DestinationDir = DestinationFolder(newFolder + shown.mid(oldFolder.size()));
    }
    m_project.Modified = true;
}

int DeviceFileEntries::DeleteFolder(const QString &folderPath)
{
    const QList<int> inside = FilesInOrBelow(folderPath);
    DeleteFiles(inside);
    m_project.Modified = true;
    return int(inside.size());
}

QList<int> DeviceFileEntries::FilesInOrBelow(const QString &folderPath) const
{
    const QString folder = withTrailingBackslash(folderPath);
    DisplayFolders displayFolders(m_project);
    QList<int> inside;
    for (int i = 0; i < m_target.Files.Count(); ++i) {
        if (displayFolders.of(m_target.Files[i].DestinationDir).startsWith(folder))
            inside.append(i);
    }
    return inside;
}

void DeviceFileEntries::DeleteFiles(QList<int> indexes)
{
    std::sort(indexes.begin(), indexes.end(), std::greater<int>());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    for (int index : indexes)
        m_target.Files.Delete(index);
    if (!indexes.isEmpty())
        m_project.Modified = true;
}

void DeviceFileEntries::SetCopyFlag(const QList<int> &indexes, int flagIndex)
{
    for (int index : indexes)
        m_target.Files[index].Attributes = flagIndex;
    m_project.Modified = true;
}

void DeviceFileEntries::SetSource(int index, const QString &sourcePath)
{
    TPPCFS_File &file = m_target.Files[index];
    file.SourceDir = ExtractFileFolder(sourcePath);
    file.SourceName = FileNamePart(sourcePath);
    m_project.Modified = true;
}

void DeviceFileEntries::SetDestinationName(int index, const QString &name)
{
    m_target.Files[index].DestinationName = FileNamePart(name);
    m_project.Modified = true;
}

bool DeviceFileEntries::SetCopyFlagNamed(const QList<int> &indexes, const QString &flagName)
{
    const int flag = int(CopyFlagNames().indexOf(flagName));
    if (flag < 0)
        return false;
    SetCopyFlag(indexes, flag);
    return true;
}

void DeviceFileEntries::SetProperties(int index, const QString &sourcePath, const QString &name, int flagIndex)
{
    SetCopyFlag({index}, flagIndex);
    SetDestinationName(index, name);
    SetSource(index, sourcePath);
}

QString DeviceFileEntries::SourcePath(int index) const
{
    const TPPCFS_File &file = m_target.Files[index];
    return file.SourceDir + file.SourceName;
}

DeviceFileEntries::Inspection DeviceFileEntries::Inspect(const QList<int> &selected) const
{
    Inspection shown;
    shown.single = selected.size() == 1;
    if (selected.isEmpty())
        return shown;
    const TPPCFS_File &first = m_target.Files[selected.first()];
    shown.showsFlag = true;
    shown.flag = CopyFlagName(first.Attributes);
    if (shown.single) {
        shown.caption = QStringLiteral("File Properties");
        shown.name = first.DestinationName;
        shown.source = SourcePath(selected.first());
    } else {
        shown.caption = QStringLiteral("Multiple Files");
    }
    return shown;
}

int CompareFileRows(const QStringList &first, const QStringList &second, int column,
                    bool ascending)
{
    const QString firstCell = first.value(column);
    const QString secondCell = second.value(column);
    int result = 0;
    if (column > 0 && firstCell != secondCell)
        result = QString::compare(firstCell, secondCell, Qt::CaseInsensitive);
    else
        result = QString::compare(first.value(0), second.value(0), Qt::CaseInsensitive);
    return ascending ? result : -result;
}

} // namespace talmo
