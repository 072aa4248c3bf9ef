#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace talmo {

struct TWin32FileEntry;
struct TWin32Plugin;

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
    // Moves every destination and folder of Dirs in oldPath or below it to newPath.
    void RenameFolder(const QString &oldPath, const QString &newPath);
    // Appends a new file that installs into folder; its index.
    int AddItem(const QString &folder);

    // The entries the chosen paths give, appended in order; their number. A
    // folder that cannot be listed gives none. projectFileName: the sources'
    // base when they are made relative (without it they stay absolute).
    int AddPaths(const QStringList &paths, const AddFilesOptions &options, const QString &projectFileName);

    // The directory constants followed by Dirs, which is sorted first.
    QStringList FolderChoices();
    // Where each file installs: its folder plus its destination name or source's name.
    QStringList InstallPaths() const;

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
