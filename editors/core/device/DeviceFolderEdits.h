#pragma once

#include <QString>

#include <optional>

namespace talmo {

class DeviceFolderTree;
class TProjectContainer;
struct DeviceFolderNode;
struct TCEDevice;

// The folder edits of the device files tab. The tree is edited in place,
// not rebuilt from the files, so folders no file uses yet stay where they
// are; the target's files follow a renamed or deleted folder. Folders are
// named by their tree paths (DeviceFolderTree::GetNodePath), the root by "".
class DeviceFolderEdits
{
public:
    // Without a target only folders are added: there are no files to follow.
    DeviceFolderEdits(TProjectContainer &project, TCEDevice *target, DeviceFolderTree &folders);

    // Any folder takes a new sub-folder.
    static bool CanAddFolder(const DeviceFolderNode *node);
    // Only user folders are renamed or deleted.
    static bool CanChange(const DeviceFolderNode *node);
    // Files go into any folder below the root.
    static bool TakesFiles(const DeviceFolderNode *node);

    // Adds "New Folder" (or the first free "New Folder n") below the folder;
    // returns the new folder's path.
    QString AddFolder(const QString &parentPath);

    struct Rename
    {
        bool renamed = false;
        QString path;   // the renamed folder's path
        QString error;  // the message a refused duplicate shows
    };
    // Renames a user folder; a name one of its siblings has is refused.
    Rename RenameFolder(const QString &path, const QString &newName);
    // Deletes a user folder with every file in or below it; returns the
    // parent's path, nothing when the folder cannot be deleted.
    std::optional<QString> DeleteFolder(const QString &path);

private:
    DeviceFolderNode *changeable(const QString &path) const;

    TProjectContainer &m_project;
    TCEDevice *m_target;
    DeviceFolderTree &m_folders;
};

} // namespace talmo
