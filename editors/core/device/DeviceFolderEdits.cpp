#include "editors/core/device/DeviceFolderEdits.h"

#include "editors/core/device/DeviceFileEntries.h"
#include "editors/core/device/DeviceFolderTree.h"
#include "model/ProjectContainer.h"

namespace talmo {

DeviceFolderEdits::DeviceFolderEdits(TProjectContainer &project, TCEDevice *target, DeviceFolderTree &folders)
    : m_project(project)
    , m_target(target)
    , m_folders(folders)
{
}

bool DeviceFolderEdits::CanAddFolder(const DeviceFolderNode *node)
{
    return node != nullptr;
}

bool DeviceFolderEdits::CanChange(const DeviceFolderNode *node)
{
    return node && !node->builtIn;
}

bool DeviceFolderEdits::TakesFiles(const DeviceFolderNode *node)
{
    return node && node->parent;
}

QString DeviceFolderEdits::AddFolder(const QString &parentPath)
{
    const DeviceFolderNode *parent = m_folders.FindPath(parentPath);
    if (!parent)
        return QString();
    const DeviceFolderNode &added = m_folders.AddFolderPath(parentPath + DeviceFolderTree::NewFolderName(*parent));
    m_folders.Sort();
    m_project.Modified = true;
    return DeviceFolderTree::GetNodePath(added);
}

DeviceFolderNode *DeviceFolderEdits::changeable(const QString &path) const
{
    DeviceFolderNode *node = m_folders.FindPath(path);
    return m_target && CanChange(node) ? node : nullptr;
}

DeviceFolderEdits::Rename DeviceFolderEdits::RenameFolder(const QString &path, const QString &newName)
{
    DeviceFolderNode *node = changeable(path);
    if (!node)
        return {};
    if (DeviceFolderTree::IsDuplicateName(*node, newName))
        return { false, path, QStringLiteral("Duplicate name, please enter another one") };
    DeviceFileEntries(m_project, *m_target).RenameFolder(path, newName);
    m_folders.Rename(*node, newName);
    return { true, DeviceFolderTree::GetNodePath(*node), QString() };
}

std::optional<QString> DeviceFolderEdits::DeleteFolder(const QString &path)
{
    DeviceFolderNode *node = changeable(path);
    if (!node)
        return std::nullopt;
    const QString parentPath = DeviceFolderTree::GetNodePath(*node->parent);
    DeviceFileEntries(m_project, *m_target).DeleteFolder(path);
    m_folders.Remove(*node);
    return parentPath;
}

} // namespace talmo
