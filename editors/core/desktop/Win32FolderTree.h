#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace talmo {

struct TWin32Plugin;

// What a node of the desktop files tree stands for; the numbers are the
// nodes' data values.
enum class Win32FolderKind {
    AllFiles = -3,
    InstallDirectories = -2,
    InstallDirectory = -1,  // a directory constant such as "{app}"
    Plain = 0,
};

struct Win32FolderNode
{
    QString text;
    Win32FolderKind kind = Win32FolderKind::Plain;
    Win32FolderNode *parent = nullptr;
    std::vector<std::unique_ptr<Win32FolderNode>> children;

    // The first child with exactly that text.
    Win32FolderNode *child(const QString &name) const;
};

// What a new name for a folder node comes to.
enum class FolderNameCheck {
    Unchanged,  // the node's own name
    Refused,    // empty or with a backslash: the folder would merge into another one
    Duplicate,  // a sibling has it
    Fine,
};

// The folder tree of a desktop-installer module's files: "Install
// Directories" with the directory constants and every folder the files go to
// or the module's folder list names, and "All Files".
class Win32FolderTree
{
public:
    static const QString AllFilesText;
    static const QString InstallDirectoriesText;
    // The 24 directory constants in the order they are offered.
    static const QStringList &DirectoryConstants();

    // The two roots and the constants, sorted.
    Win32FolderTree();
    // The tree of the module, after normalising its destinations and folder list.
    static Win32FolderTree Build(TWin32Plugin &plugin);

    // Normalises every file's destination and every folder of Dirs, adds each
    // destination Dirs lacks to it and the nodes of both to the tree.
    void AddFolderNodes(TWin32Plugin &plugin);

    const std::vector<std::unique_ptr<Win32FolderNode>> &roots() const { return m_roots; }
    Win32FolderNode &allFiles() const { return *m_allFiles; }
    Win32FolderNode &installDirectories() const { return *m_installDirectories; }

    // Siblings by text ignoring case, "All Files" after its siblings.
    void Sort();
    // Adds a child folder and keeps the siblings sorted.
    Win32FolderNode &AddChild(Win32FolderNode &parent, const QString &name, Win32FolderKind kind);
    // The node whose path (GetFolderNodePath) is path, ignoring case; null when none.
    Win32FolderNode *FindPath(const QString &path) const;

    // The texts of the node and its ancestors below "Install Directories",
    // outermost first, each followed by a backslash; empty for the roots.
    static QString GetFolderNodePath(const Win32FolderNode &node);
    // "New Folder", or "New Folder n" with the smallest n >= 1 no child has.
    static QString NewFolderName(const Win32FolderNode &parent);
    // True when another child of the node's parent has the name.
    static bool IsDuplicateName(const Win32FolderNode &node, const QString &name);
    static FolderNameCheck CheckNewName(const Win32FolderNode &node, const QString &name);
    // The node's path once it has the new name.
    static QString RenamedPath(const Win32FolderNode &node, const QString &name);
    // Folders the user may add to, rename and delete.
    static bool IsPlainFolder(const Win32FolderNode &node) { return node.kind == Win32FolderKind::Plain; }
    // A node is bold when a file installs into it or, unless it is "All
    // Files", it has children; the roots never are. destinations holds the
    // files' destinations in lower case.
    static bool IsBold(const Win32FolderNode &node, const QSet<QString> &destinations);
    static QSet<QString> LowerCaseDestinations(const TWin32Plugin &plugin);

private:
    Win32FolderNode &addPath(const QStringList &components, Win32FolderKind firstKind, bool fromDirs);

    std::vector<std::unique_ptr<Win32FolderNode>> m_roots;
    Win32FolderNode *m_allFiles = nullptr;
    Win32FolderNode *m_installDirectories = nullptr;
};

// A destination as the tree keeps it: with a trailing backslash and no
// doubled backslashes.
QString NormalisedFolder(const QString &destination);
// The components between backslashes, empty ones skipped.
QStringList SplitFolderPath(const QString &path);

} // namespace talmo
