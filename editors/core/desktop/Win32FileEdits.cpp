#include "editors/core/desktop/Win32FileEdits.h"

#include "editors/core/desktop/Win32FolderTree.h"
#include "helpers/core/PathFileSearch.h"
#include "helpers/core/PathHelpers.h"
#include "model/Win32Plugin.h"

#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace talmo {

namespace {

const QChar Backslash = QLatin1Char('\\');

bool startsWithFolder(const QString &path, const QString &folderPath)
{
    return NormalisedFolder(path).startsWith(folderPath, Qt::CaseInsensitive);
}

// The folders between the dropped folder and the file, "\"-separated with a trailing "\".
QString subFolderBelow(const QString &droppedFolder, const QString &file)
{
    QString rest = ExtractFileFolder(file.mid(droppedFolder.size()));
    rest.replace(QLatin1Char('/'), Backslash);
    while (rest.startsWith(Backslash))
        rest.remove(0, 1);
    return rest;
}

} // namespace

Win32FileEdits::Win32FileEdits(TWin32Plugin &plugin)
    : m_plugin(plugin)
{
}

QList<int> Win32FileEdits::FilesInFolder(const QString &folderPath, bool allFiles) const
{
    QList<int> indexes;
    const QString folder = IncludeTrailingSeparator(folderPath);
    for (int i = 0; i < m_plugin.FileEntries.Count(); ++i) {
        const QString destination = IncludeTrailingSeparator(m_plugin.FileEntries[i].Destination);
        if (allFiles || destination.compare(folder, Qt::CaseInsensitive) == 0)
            indexes.append(i);
    }
    return indexes;
}

int Win32FileEdits::DeleteFolder(const QString &folderPath)
{
    const int before = m_plugin.FileEntries.Count();
    DeleteFilesAndFolders({}, {folderPath});
    return before - m_plugin.FileEntries.Count();
}

void Win32FileEdits::DeleteFilesAndFolders(const QList<int> &files, const QStringList &folderPaths)
{
    const auto inDeletedFolder = [&](const QString &path) {
        return std::any_of(folderPaths.begin(), folderPaths.end(),
                           [&](const QString &folder) { return !folder.isEmpty() && startsWithFolder(path, folder); });
    };
    const QSet<int> chosen(files.begin(), files.end());
    for (int i = m_plugin.FileEntries.Count() - 1; i >= 0; --i) {
        if (chosen.contains(i) || inDeletedFolder(m_plugin.FileEntries[i].Destination))
            m_plugin.FileEntries.Delete(i);
    }
    m_plugin.Dirs.removeIf(inDeletedFolder);
}

void Win32FileEdits::RenameFolder(const QString &oldPath, const QString &newPath)
{
    const auto moved = [&](QString &path) {
        const QString normalised = NormalisedFolder(path);
        if (normalised.startsWith(oldPath, Qt::CaseInsensitive))
            path = newPath + normalised.mid(oldPath.size());
    };
    for (int i = 0; i < m_plugin.FileEntries.Count(); ++i)
        moved(m_plugin.FileEntries[i].Destination);
    for (QString &dir : m_plugin.Dirs)
        moved(dir);
}

int Win32FileEdits::AddItem(const QString &folder)
{
    TWin32FileEntry &entry = m_plugin.FileEntries.AddNew();
    entry.Source = QStringLiteral("New File");
    entry.Destination = folder;
    return m_plugin.FileEntries.Count() - 1;
}

QString Win32FileEdits::AddFolder(const Win32FolderNode &parent)
{
    QString base = Win32FolderTree::GetFolderNodePath(parent);
    while (base.contains(QStringLiteral("\\\\")))
        base.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    const QString path = base + Win32FolderTree::NewFolderName(parent);
    m_plugin.Dirs.append(path);
    return path;
}

void Win32FileEdits::DeleteListedRows(const QString &nodePath, const QList<int> &files, const QStringList &folderNames)
{
    QStringList folders;
    if (!nodePath.isEmpty()) {
        for (const QString &name : folderNames)
            folders.append(nodePath + name + Backslash);
    }
    DeleteFilesAndFolders(files, folders);
}

void Win32FileEdits::ChangeRow(int focused, const QList<int> &others, const EntryRow<TWin32FileEntry> &row,
                               const QString &value)
{
    TWin32FileEntry &entry = m_plugin.FileEntries[focused];
    row.store(entry, row.tag == 1 && value.isEmpty() ? QStringLiteral("{app}") : value);
    if (!entry.Destination.endsWith(Backslash))
        entry.Destination += Backslash;
    if (!IsSharedRow(row.tag))
        return;
    for (int other : others) {
        if (other != focused)
            row.store(m_plugin.FileEntries[other], row.valueOf(entry));
    }
}

bool Win32FileEdits::IsListedIn(int index, const QString &folderPath) const
{
    return NormalisedFolder(m_plugin.FileEntries[index].Destination).compare(folderPath, Qt::CaseInsensitive) == 0;
}

int Win32FileEdits::AddPaths(const QStringList &paths, const AddFilesOptions &options, const QString &projectFileName)
{
    int added = 0;
    for (const QString &path : paths) {
        const bool isFolder = QFileInfo(path).isDir();
        const QString dropped = isFolder ? ExcludeTrailingSeparator(path) : path;
        const QString sub = isFolder ? Backslash + FileNamePart(dropped) + Backslash : QString();
        QStringList files;
        ListFilesRecursive(dropped, files, options.recurse);
        for (const QString &file : std::as_const(files)) {
            if (QFileInfo(file).isDir())
                continue;
            const QString rel = isFolder ? subFolderBelow(dropped, file) : QString();
            TWin32FileEntry &entry = m_plugin.FileEntries.AddNew();
            entry.Destination = options.folder + sub + (rel == QString(Backslash) ? QString() : rel);
            entry.Source = StoredFileReference(projectFileName, file, options.relative);
            ++added;
        }
    }
    return added;
}

QStringList Win32FileEdits::FolderChoices()
{
    m_plugin.Dirs.sort(Qt::CaseInsensitive);
    return Win32FolderTree::DirectoryConstants() + m_plugin.Dirs;
}

QStringList Win32FileEdits::InstallPaths() const
{
    QStringList paths;
    for (int i = 0; i < m_plugin.FileEntries.Count(); ++i) {
        const TWin32FileEntry &entry = m_plugin.FileEntries[i];
        paths.append(NormalisedFolder(entry.Destination) + RowCaption(entry));
    }
    return paths;
}

std::optional<QStringList> Win32FileEdits::Choices(int tag)
{
    if (tag == 1)
        return FolderChoices();
    return std::nullopt;
}

QString Win32FileEdits::InsertionFolder(const QString &nodePath, const QString &focusedFolderRow)
{
    QString folder = nodePath;
    if (!focusedFolderRow.isEmpty()) {
        if (!folder.isEmpty() && !folder.endsWith(Backslash))
            folder += Backslash;
        folder += focusedFolderRow + Backslash;
    }
    return folder.isEmpty() ? QStringLiteral("{app}") : folder;
}

QString Win32FileEdits::RowCaption(const TWin32FileEntry &entry)
{
    if (!entry.DestinationName.isEmpty())
        return entry.DestinationName;
    if (IsUrl(entry.Source))
        return ExtractUrlFileName(entry.Source);
    return FileNamePart(entry.Source);
}

bool FileRowLess(const FileListRow &a, const FileListRow &b, int column, bool ascending)
{
    if (a.folder != b.folder)
        return a.folder;
    int order = 0;
    if (!a.folder && column > 0 && column < a.texts.size() && column < b.texts.size())
        order = a.texts[column].compare(b.texts[column], Qt::CaseInsensitive);
    if (order == 0)
        order = a.texts.value(0).compare(b.texts.value(0), Qt::CaseInsensitive);
    return ascending ? order < 0 : order > 0;
}

} // namespace talmo
