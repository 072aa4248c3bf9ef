#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace talmo {

class TProjectContainer;
struct TCEDevice;

// One folder of a target's device file system. Built-in folders are the
// standard ones and cannot be renamed or deleted; user folders come from the
// files' destinations or are added by the user.
struct DeviceFolderNode
{
    QString text;
    bool builtIn = false;
    DeviceFolderNode *parent = nullptr;
    std::vector<std::unique_ptr<DeviceFolderNode>> children;

    int level() const;
};

// The folder tree the device files tab shows for one target: the root
// "Pocket PC FileSystem", the standard folders under it and every folder the
// target's files go to.
class DeviceFolderTree
{
public:
    static const QString RootText;

    DeviceFolderTree();
    // The built-in folders and one user folder per destination component of
    // the target's files, every level sorted by text.
    static DeviceFolderTree Build(const TProjectContainer &project, const TCEDevice &target);

    DeviceFolderNode &root() { return *m_root; }
    const DeviceFolderNode &root() const { return *m_root; }

    // The first child of parent with exactly that text; without a parent the
    // first node of the whole tree (depth first) with that text.
    DeviceFolderNode *FindChildNode(const DeviceFolderNode *parent, const QString &name) const;
    DeviceFolderNode &AddFolder(DeviceFolderNode &parent, const QString &name, bool builtIn);
    // Walks the components from the root, adding the missing ones as user folders.
    DeviceFolderNode &AddFolderPath(const QString &folder);
    void Sort();
    // Renames or removes a user folder of this tree, leaving every other
    // folder, also those no file uses yet, where it is.
    void Rename(DeviceFolderNode &node, const QString &name);
    void Remove(DeviceFolderNode &node);
    // The node below the root whose path (GetNodePath) is path, or null.
    DeviceFolderNode *FindPath(const QString &path) const;

    // The texts from below the root down to the node, each followed by a
    // backslash; empty for the root.
    static QString GetNodePath(const DeviceFolderNode &node);
    // The components between backslashes; empty components are skipped.
    static QStringList SplitPath(const QString &path);
    // "New Folder", or "New Folder n" with the smallest n >= 1 no child uses.
    static QString NewFolderName(const DeviceFolderNode &parent);
    // True when a child of the node's parent, the node included, has the name.
    static bool IsDuplicateName(const DeviceFolderNode &node, const QString &name);

private:
    std::unique_ptr<DeviceFolderNode> m_root;
};

// A device folder as GetNodePath writes folders: ending in a backslash
// (the empty folder is "\").
QString withTrailingBackslash(const QString &folder);

// The folder a file is shown under, as GetNodePath writes folders: the
// destination with every macro but %InstallDir% expanded, backslash-terminated.
QString DisplayFolderOf(const TProjectContainer &project, const QString &destinationDir);

// DisplayFolderOf for the many files of a target: thousands of files share a
// few destinations, so each one is expanded once.
class DisplayFolders
{
public:
    explicit DisplayFolders(const TProjectContainer &project) : m_project(project) {}
    QString of(const QString &destinationDir);

private:
    const TProjectContainer &m_project;
    QHash<QString, QString> m_folders;
};

// Each target's list of included CopyFiles names, from the project's
// CopyFiles sections; a section naming no target is skipped.
void RefreshCopyFilesNames(TProjectContainer &project);

} // namespace talmo
