#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace talmo {

class TProjectContainer;
struct TCEDevice;

// The copy flags a device file can carry, by index: "Default" and the seven
// flag names the .inf file knows.
const QStringList &CopyFlagNames();
// The name of a flag index; an index outside the table shows "Default".
QString CopyFlagName(int index);

// The edits the device files tab makes to one target's flat file list. Each
// edit that changes the list sets the project's Modified flag. Folder paths
// are tree paths as DeviceFolderTree::GetNodePath writes them.
class DeviceFileEntries
{
public:
    DeviceFileEntries(TProjectContainer &project, TCEDevice &target);

    // Appends one entry for sourcePath, to be installed into the folder.
    void AddFileEntry(const QString &folderPath, const QString &sourcePath, bool makeRelative);
    // Appends an entry named "ChangeMe" for the user to fill in.
    void AddBlankEntry(const QString &folderPath);

    // Appends every file of names (files as they are, folders listed with or
    // without their sub-folders) below the folder; a folder's own name and
    // sub-folders are kept under it. Returns the number of entries added;
    // the project counts as modified even when the names held no file.
    int AddFilesToTarget(const QString &folderPath, const QStringList &names, bool makeRelative,
                         bool recurse);
    // True when one of the names is an existing folder: the add-files
    // options then offer the sub-folders.
    static bool AnyIsFolder(const QStringList &names);

    // The indexes of the files shown in the folder, in list order.
    QList<int> FilesInFolder(const QString &folderPath) const;
    // Moves every file in or below the folder to the renamed folder. Files
    // are found by the folder their destination resolves to, whichever macro
    // form it is stored in.
    void RenameFolder(const QString &folderPath, const QString &newName);
    // Deletes every file in or below the folder, found as RenameFolder finds
    // them; returns how many.
    int DeleteFolder(const QString &folderPath);
    // Deletes the files at the indexes, whatever their order.
    void DeleteFiles(QList<int> indexes);
    // Gives the files at the indexes the copy flag.
    void SetCopyFlag(const QList<int> &indexes, int flagIndex);
    // The same for a flag named as CopyFlagNames names it; false, and
    // nothing changed, for a name it does not know.
    bool SetCopyFlagNamed(const QList<int> &indexes, const QString &flagName);
    // Points the file at another source: its folder part and its name, kept as written.
    void SetSource(int index, const QString &sourcePath);
    // The file's name on the device: the file-name part of the text.
    void SetDestinationName(int index, const QString &name);
    // All a file's properties at once, as its properties dialog edits them.
    void SetProperties(int index, const QString &sourcePath, const QString &name, int flagIndex);

    // Where the file comes from: its source folder and name.
    QString SourcePath(int index) const;

    // What the file inspector shows for the selected files (indexes into
    // the target's list, the first of the list's rows first): the name and
    // source of a single file, the first file's copy flag for any. As made,
    // it shows that no file is selected.
    struct Inspection
    {
        QString caption = QStringLiteral("No File is Selected");
        bool single = false;
        bool showsFlag = false;
        QString name;
        QString source;
        QString flag;
    };
    Inspection Inspect(const QList<int> &selected) const;

    // The folder a file entry added to the tree folder gets, macros applied.
    QString DestinationFolder(const QString &folderPath) const;

private:
    QList<int> FilesInOrBelow(const QString &folderPath) const;
    QString sourceFolder(const QString &filePath, bool makeRelative) const;
    void append(const QString &sourceDir, const QString &name, const QString &destinationDir);

    TProjectContainer &m_project;
    TCEDevice &m_target;
};

// The order of two rows of the files list: column 0 compares the captions,
// the other columns their cells and then the captions, all ignoring case;
// row texts hold the caption first and then the cells.
int CompareFileRows(const QStringList &first, const QStringList &second, int column,
                    bool ascending);

} // namespace talmo
