#include "editors/core/desktop/Win32FolderTree.h"

#include "model/Win32Plugin.h"

#include <algorithm>

namespace talmo {

const QString Win32FolderTree::AllFilesText = QStringLiteral("All Files");
const QString Win32FolderTree::InstallDirectoriesText = QStringLiteral("Install Directories");

namespace {

const QChar Backslash = QLatin1Char('\\');

bool sortsBefore(const std::unique_ptr<Win32FolderNode> &a, const std::unique_ptr<Win32FolderNode> &b)
{
    const bool aLast = a->kind == Win32FolderKind::AllFiles;
    const bool bLast = b->kind == Win32FolderKind::AllFiles;
    if (aLast != bLast)
        return bLast;
    return a->text.compare(b->text, Qt::CaseInsensitive) < 0;
}

void sortChildren(std::vector<std::unique_ptr<Win32FolderNode>> &nodes)
{
    std::stable_sort(nodes.begin(), nodes.end(), sortsBefore);
    for (auto &node : nodes)
        sortChildren(node->children);
}

Win32FolderNode *findPath(const std::vector<std::unique_ptr<Win32FolderNode>> &nodes, const QStringList &components,
                          int depth)
{
    for (const auto &node : nodes) {
        if (node->text.compare(components[depth], Qt::CaseInsensitive) != 0)
            continue;
        if (depth + 1 == components.size())
            return node.get();
        if (Win32FolderNode *found = findPath(node->children, components, depth + 1))
            return found;
    }
    return nullptr;
}

} // namespace

Win32FolderNode *Win32FolderNode::child(const QString &name) const
{
    for (const auto &node : children) {
        if (node->text == name)
            return node.get();
    }
    return nullptr;
}

const QStringList &Win32FolderTree::DirectoryConstants()
{
    static const QStringList constants = {
        "{app}",         "{win}",          "{sys}",          "{pf}",           "{pf32}",          "{pf64}",
        "{cf}",          "{cf32}",         "{cf64}",         "{userappdata}",  "{commonappdata}", "{userdesktop}",
        "{commondesktop}", "{userdocs}",   "{commondocs}",   "{userstartup}",  "{commonstartup}", "{group}",
        "{sendto}",      "{userprograms}", "{commonprograms}", "{userstartmenu}", "{commonstartmenu}", "{tmp}",
    };
    return constants;
}

Win32FolderTree::Win32FolderTree()
{
    auto allFiles = std::make_unique<Win32FolderNode>();
    allFiles->text = AllFilesText;
    allFiles->kind = Win32FolderKind::AllFiles;
    m_allFiles = allFiles.get();
    auto directories = std::make_unique<Win32FolderNode>();
    directories->text = InstallDirectoriesText;
    directories->kind = Win32FolderKind::InstallDirectories;
    m_installDirectories = directories.get();
    m_roots.push_back(std::move(allFiles));
    m_roots.push_back(std::move(directories));
    for (const QString &constant : DirectoryConstants())
        AddChild(*m_installDirectories, constant, Win32FolderKind::InstallDirectory);
    Sort();
}

Win32FolderTree Win32FolderTree::Build(TWin32Plugin &plugin)
{
    Win32FolderTree tree;
    tree.AddFolderNodes(plugin);
    tree.Sort();
    return tree;
}

Win32FolderNode &Win32FolderTree::addPath(const QStringList &components, Win32FolderKind firstKind, bool fromDirs)
{
    Win32FolderNode *node = m_installDirectories;
    for (int i = 0; i < components.size(); ++i) {
        Win32FolderNode *next = node->child(components[i]);
        if (!next) {
            Win32FolderKind kind = Win32FolderKind::Plain;
            if (i == 0)
                kind = firstKind;
            else if (fromDirs && components[i].startsWith(QLatin1Char('{')))
                kind = Win32FolderKind::InstallDirectory;
            auto created = std::make_unique<Win32FolderNode>();
            created->text = components[i];
            created->kind = kind;
            created->parent = node;
            next = created.get();
            node->children.push_back(std::move(created));
        }
        node = next;
    }
    return *node;
}

void Win32FolderTree::AddFolderNodes(TWin32Plugin &plugin)
{
    QSet<QString> handled;
    QSet<QString> known;
    // Older files keep folders without their trailing backslash: in the
    // written form they are the same folder and must stay one entry.
    QStringList dirs;
    for (const QString &dir : std::as_const(plugin.Dirs)) {
        const QString normalised = NormalisedFolder(dir);
        const QString key = normalised.toLower();
        if (!known.contains(key)) {
            known.insert(key);
            dirs.append(normalised);
        }
    }
    plugin.Dirs = dirs;
    for (int i = 0; i < plugin.FileEntries.Count(); ++i) {
        TWin32FileEntry &entry = plugin.FileEntries[i];
        entry.Destination = NormalisedFolder(entry.Destination);
        const QString key = entry.Destination.toLower();
        if (handled.contains(key))
            continue;
        handled.insert(key);
        const bool constant = entry.Destination.startsWith(QLatin1Char('{'));
        addPath(SplitFolderPath(entry.Destination),
                constant ? Win32FolderKind::InstallDirectory : Win32FolderKind::Plain, false);
        if (!known.contains(key)) {
            plugin.Dirs.append(entry.Destination);
            known.insert(key);
        }
    }
    for (const QString &dir : std::as_const(plugin.Dirs)) {
        if (!handled.contains(dir.toLower()))
            addPath(SplitFolderPath(dir), Win32FolderKind::Plain, true);
    }
}

void Win32FolderTree::Sort()
{
    sortChildren(m_roots);
}

Win32FolderNode &Win32FolderTree::AddChild(Win32FolderNode &parent, const QString &name, Win32FolderKind kind)
{
    auto node = std::make_unique<Win32FolderNode>();
    node->text = name;
    node->kind = kind;
    node->parent = &parent;
    Win32FolderNode &added = *node;
    parent.children.push_back(std::move(node));
    std::stable_sort(parent.children.begin(), parent.children.end(), sortsBefore);
    return added;
}

Win32FolderNode *Win32FolderTree::FindPath(const QString &path) const
{
    const QStringList components = SplitFolderPath(path);
    if (components.isEmpty())
        return nullptr;
    return findPath(m_installDirectories->children, components, 0);
}

QString Win32FolderTree::GetFolderNodePath(const Win32FolderNode &node)
{
    QString path;
    for (const Win32FolderNode *n = &node; n && n->parent; n = n->parent)
        path.prepend(n->text + Backslash);
    return path;
}

QString Win32FolderTree::NewFolderName(const Win32FolderNode &parent)
{
    const QString base = QStringLiteral("New Folder");
    if (!parent.child(base))
        return base;
    for (int n = 1;; ++n) {
        const QString name = base + QLatin1Char(' ') + QString::number(n);
        if (!parent.child(name))
            return name;
    }
}

bool Win32FolderTree::IsDuplicateName(const Win32FolderNode &node, const QString &name)
{
    if (!node.parent)
        return false;
    for (const auto &sibling : node.parent->children) {
        if (sibling.get() != &node && sibling->text == name)
            return true;
    }
    return false;
}

FolderNameCheck Win32FolderTree::CheckNewName(const Win32FolderNode &node, const QString &name)
{
    if (name == node.text)
        return FolderNameCheck::Unchanged;
    if (name.trimmed().isEmpty() || name.contains(Backslash))
        return FolderNameCheck::Refused;
    return IsDuplicateName(node, name) ? FolderNameCheck::Duplicate : FolderNameCheck::Fine;
}

QString Win32FolderTree::RenamedPath(const Win32FolderNode &node, const QString &name)
{
    return (node.parent ? GetFolderNodePath(*node.parent) : QString()) + name + Backslash;
}

bool Win32FolderTree::IsBold(const Win32FolderNode &node, const QSet<QString> &destinations)
{
    if (node.kind == Win32FolderKind::AllFiles || node.kind == Win32FolderKind::InstallDirectories)
        return false;
    return !node.children.empty() || destinations.contains(GetFolderNodePath(node).toLower());
}

QSet<QString> Win32FolderTree::LowerCaseDestinations(const TWin32Plugin &plugin)
{
    QSet<QString> destinations;
    for (int i = 0; i < plugin.FileEntries.Count(); ++i)
        destinations.insert(plugin.FileEntries[i].Destination.toLower());
    return destinations;
}

QString NormalisedFolder(const QString &destination)
{
    QString folder = destination;
    if (!folder.endsWith(Backslash))
        folder += Backslash;
    const QString doubled = QStringLiteral("\\\\");
    while (folder.contains(doubled))
        folder.replace(doubled, QStringLiteral("\\"));
    return folder;
}

QStringList SplitFolderPath(const QString &path)
{
    return path.split(Backslash, Qt::SkipEmptyParts);
}

} // namespace talmo
