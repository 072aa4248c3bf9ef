#pragma once

#include "editors/core/desktop/Win32EntryRows.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace talmo {

struct TWin32Plugin;
struct Win32FolderNode;

// How chosen or dropped files enter a module: the "Add Files Options" answers.
struct AddFilesOptions
{
    QString folder;        // the installation folder typed or chosen
    bool relative = true;  // sources relative to the project file's folder
    bool recurse = false;  // a folder's subfolders too
};

// The file edits of a desktop-installer module. Folder paths are compared
// ignoring case, as the tree lists them.
class Win32FileEdits
{
public:
    explicit Win32FileEdits(TWin32Plugin &plugin);

    // The files listed for a folder path (every file for "All Files").
    QList<int> FilesInFolder(const QString &folderPath, bool allFiles) const;
    // Removes every file whose destination lies in the folder or below it and
    // every folder of Dirs that does; the number of files removed.
    int DeleteFolder(const QString &folderPath);
    // Removes the files of these indexes and the folders of these paths.
    void DeleteFilesAndFolders(const QList<int> &files, const QStringList &folderPaths);
    // Removes the rows a folder's list shows: files by index, subfolders by
    // name with everything below them (a root's list has no folders to take).
    void DeleteListedRows(const QString &nodePath, const QList<int> &files, const QStringList &folderNames);
    // Moves every destination and folder of Dirs in oldPath or below it to newPath.
    void RenameFolder(const QString &oldPath, const QString &newPath);
    // Appends a new file that installs into folder; its index.
    int AddItem(const QString &folder);
    // Adds a "New Folder" below the node to the module's folders; its path.
    QString AddFolder(const Win32FolderNode &parent);

    // Stores an inspector row's value into the focused file and, for a row
    // several files share, into the others selected with it. An empty
    // destination folder means "{app}"; the focused file's destination
    // always ends with a backslash.
    void ChangeRow(int focused, const QList<int> &others, const EntryRow<TWin32FileEntry> &row, const QString &value);
    // Whether the file still belongs to the list of this folder path.
    bool IsListedIn(int index, const QString &folderPath) const;
    // The rows several selected files share: the destination, attributes and flags.
    static bool IsSharedRow(int tag) { return tag == 1 || tag >= 3; }

    // The entries the chosen paths give, appended in order; their number. A
    // folder that cannot be listed gives none. projectFileName: the sources'
    // base when they are made relative (without it they stay absolute).
    int AddPaths(const QStringList &paths, const AddFilesOptions &options, const QString &projectFileName);

    // The directory constants followed by Dirs, which is sorted first.
    QStringList FolderChoices();
    // Where each file installs: its folder plus its destination name or source's name.
    QStringList InstallPaths() const;
    // The drop-down lines of a file row: the folders for the destination.
    std::optional<QStringList> Choices(int tag);

    // The folder "Add Item" and "Insert File(s)" use: the selected node's path,
    // into the focused folder row when there is one; "{app}" when that is empty.
    static QString InsertionFolder(const QString &nodePath, const QString &focusedFolderRow);
    // The name a file row shows: its destination name, else its source's file name.
    static QString RowCaption(const TWin32FileEntry &entry);

private:
    TWin32Plugin &m_plugin;
};

// The list's order: folder rows first by caption, file rows by one column's
// text, equal texts by caption; each row as its column texts.
struct FileListRow
{
    bool folder = false;
    QStringList texts;  // caption, type, source, flags
};
bool FileRowLess(const FileListRow &a, const FileListRow &b, int column, bool ascending);

} // namespace talmo
