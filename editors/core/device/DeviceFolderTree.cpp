#include "editors/core/device/DeviceFolderTree.h"

#include "model/PathMacros.h"
#include "model/ProjectContainer.h"

#include <QSet>

#include <algorithm>

namespace talmo {

namespace {

const QChar Backslash = QLatin1Char('\\');

void sortNode(DeviceFolderNode &node)
{
    std::stable_sort(node.children.begin(), node.children.end(),
                     [](const auto &a, const auto &b) {
                         return QString::compare(a->text, b->text, Qt::CaseInsensitive) < 0;
                     });
    for (auto &child : node.children)
        sortNode(*child);
}

DeviceFolderNode *findDepthFirst(const DeviceFolderNode &node, const QString &name)
{
    for (const auto &child : node.children) {
        if (child->text == name)
            return child.get();
        if (DeviceFolderNode *found = findDepthFirst(*child, name))
            return found;
    }
    return nullptr;
}

} // namespace

const QString DeviceFolderTree::RootText = QStringLiteral("Pocket PC FileSystem");

int DeviceFolderNode::level() const
{
    int result = 0;
    for (const DeviceFolderNode *node = parent; node; node = node->parent)
        ++result;
    return result;
}

DeviceFolderTree::DeviceFolderTree()
    : m_root(std::make_unique<DeviceFolderNode>())
{
    m_root->text = RootText;
    m_root->builtIn = true;
    DeviceFolderNode &windows = AddFolder(*m_root, QStringLiteral("Windows"), true);
    DeviceFolderNode &startMenu = AddFolder(windows, QStringLiteral("Start Menu"), true);
    DeviceFolderNode &programs = AddFolder(startMenu, QStringLiteral("Programs"), true);
    AddFolder(programs, QStringLiteral("Games"), true);
    AddFolder(windows, QStringLiteral("Startup"), true);
    AddFolder(windows, QStringLiteral("Fonts"), true);
    AddFolder(*m_root, QStringLiteral("Program Files"), true);
    AddFolder(*m_root, QStringLiteral("My Documents"), true);
    AddFolder(*m_root, QStringLiteral("%InstallDir%"), true);
}

DeviceFolderTree DeviceFolderTree::Build(const TProjectContainer &project, const TCEDevice &target)
{
    DeviceFolderTree tree;
    DisplayFolders displayFolders(project);
    QSet<QString> seen;
    for (const TPPCFS_File &file : target.Files) {
        // Thousands of files share few folders: walk each folder once.
        const QString folder = displayFolders.of(file.DestinationDir);
        if (!seen.contains(folder)) {
            seen.insert(folder);
            tree.AddFolderPath(folder);
        }
    }
    tree.Sort();
    return tree;
}

DeviceFolderNode *DeviceFolderTree::FindChildNode(const DeviceFolderNode *parent,
                                                  const QString &name) const
{
    if (!parent)
        return m_root->text == name ? m_root.get() : findDepthFirst(*m_root, name);
    for (const auto &child : parent->children) {
        if (child->text == name)
            return child.get();
    }
    return nullptr;
}

DeviceFolderNode &DeviceFolderTree::AddFolder(DeviceFolderNode &parent, const QString &name,
                                              bool builtIn)
{
    auto node = std::make_unique<DeviceFolderNode>();
    node->text = name;
    node->builtIn = builtIn;
    node->parent = &parent;
    parent.children.push_back(std::move(node));
    return *parent.children.back();
}

void DeviceFolderTree::Rename(DeviceFolderNode &node, const QString &name)
{
    node.text = name;
    Sort();
}

void DeviceFolderTree::Remove(DeviceFolderNode &node)
{
    if (!node.parent)
        return;
    auto &siblings = node.parent->children;
    siblings.erase(std::remove_if(siblings.begin(), siblings.end(),
                                  [&node](const auto &child) { return child.get() == &node; }),
                   siblings.end());
}

DeviceFolderNode &DeviceFolderTree::AddFolderPath(const QString &folder)
{
    DeviceFolderNode *node = m_root.get();
    for (const QString &component : SplitPath(folder)) {
        DeviceFolderNode *child = FindChildNode(node, component);
        node = child ? child : &AddFolder(*node, component, false);
    }
    return *node;
}

void DeviceFolderTree::Sort()
{
    sortNode(*m_root);
}

DeviceFolderNode *DeviceFolderTree::FindPath(const QString &path) const
{
    DeviceFolderNode *node = m_root.get();
    for (const QString &component : SplitPath(path)) {
        node = FindChildNode(node, component);
        if (!node)
            return nullptr;
    }
    return node;
}

QString DeviceFolderTree::GetNodePath(const DeviceFolderNode &node)
{
    QString path;
    for (const DeviceFolderNode *current = &node; current->parent; current = current->parent)
        path.prepend(current->text + Backslash);
    return path;
}

QStringList DeviceFolderTree::SplitPath(const QString &path)
{
    return path.split(Backslash, Qt::SkipEmptyParts);
}

QString DeviceFolderTree::NewFolderName(const DeviceFolderNode &parent)
{
    const QString base = QStringLiteral("New Folder");
    const auto used = [&parent](const QString &name) {
        return std::any_of(parent.children.begin(), parent.children.end(),
                           [&name](const auto &child) { return child->text == name; });
    };
    if (!used(base))
        return base;
    for (int n = 1;; ++n) {
        const QString name = base + QLatin1Char(' ') + QString::number(n);
        if (!used(name))
            return name;
    }
}

bool DeviceFolderTree::IsDuplicateName(const DeviceFolderNode &node, const QString &name)
{
    if (!node.parent)
        return false;
    const auto &siblings = node.parent->children;
    return std::any_of(siblings.begin(), siblings.end(),
                       [&name](const auto &child) { return child->text == name; });
}

QString withTrailingBackslash(const QString &folder)
{
    return folder.endsWith(Backslash) ? folder : folder + Backslash;
}

QString DisplayFolderOf(const TProjectContainer &project, const QString &destinationDir)
{
    return withTrailingBackslash(ExpandPathMacros(project, destinationDir, false, true));
}

QString DisplayFolders::of(const QString &destinationDir)
{
    auto known = m_folders.constFind(destinationDir);
    if (known == m_folders.constEnd())
        known = m_folders.insert(destinationDir, DisplayFolderOf(m_project, destinationDir));
    return *known;
}

void RefreshCopyFilesNames(TProjectContainer &project)
{
    for (TCEDevice &target : project.CEDevices)
        target.Installation.defaultInstallCopyFiles.clear();
    for (const TCopyFilesSection &section : project.CopyFilesSections) {
        const int index = section.linked_SourceName;
        if (index >= 0 && index < project.CEDevices.Count())
            project.CEDevices[index].Installation.defaultInstallCopyFiles.append(section.Caption);
    }
}

} // namespace talmo
