#include "model/CopyFilesRebuild.h"

#include "model/ProjectContainer.h"

#include <QSet>

namespace talmo {

namespace {

bool isSeparator(QChar c)
{
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
}

// Folders compare as folders: with or without their trailing separator, but
// letter case counts, and the empty folder differs from the root "\".
QString folderKey(const QString &folder)
{
    if (folder.isEmpty())
        return folder;
    const bool terminated = isSeparator(folder.back());
    return (terminated ? folder.chopped(1) : folder) + QLatin1Char('\\');
}

bool sameFolder(const QString &first, const QString &second)
{
    return folderKey(first) == folderKey(second);
}

// Finds a source folder in the list of a configuration's folders, ignoring case.
int indexOfFolder(const QStringList &folders, const QString &folder)
{
    for (int i = 0; i < folders.size(); ++i) {
        if (folders[i].compare(folder, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

// Keeps the first file of each name.
void removeRepeatedNames(TFiles &files)
{
    QSet<QString> seen;
    for (int i = 0; i < files.Count();) {
        const QString &name = files[i].Source;
        if (seen.contains(name)) {
            files.Delete(i);
        } else {
            seen.insert(name);
            ++i;
        }
    }
}

} // namespace

CopyFilesRebuild::CopyFilesRebuild(TProjectContainer &project, RandomSource &random)
    : m_project(project)
    , m_diskNames(QStringLiteral("Disk-"), random)
    , m_sectionNames(QStringLiteral("CopyFiles-"), random)
{
    // Every section name ends up in the .inf file beside the user's sections.
    for (const TShortcutSection &section : project.ShortcutsSections)
        m_sectionNames.Reserve(section.Caption);
    for (const TRegistrySection &section : project.RegistrySections)
        m_sectionNames.Reserve(section.Caption);
}

void CopyFilesRebuild::Run()
{
    m_project.CopyFilesSections.Clear();
    for (TCEDevice &device : m_project.CEDevices)
        device.Disks.Clear();
    for (TCEDevice &device : m_project.CEDevices)
        buildDisks(device);
    for (int i = 0; i < m_project.CEDevices.Count(); ++i)
        buildSections(i);
    listSectionsInTheirDevices();
    for (TCopyFilesSection &section : m_project.CopyFilesSections) {
        if (section.Destination.endsWith(QLatin1Char('\\')))
            section.Destination.chop(1);
    }
}

void CopyFilesRebuild::buildDisks(TCEDevice &device)
{
    QStringList folders;
    for (const TPPCFS_File &file : device.Files) {
        int diskIndex = indexOfFolder(folders, file.SourceDir);
        if (diskIndex < 0) {
            folders.append(file.SourceDir);
            TDisk &disk = device.Disks.AddNew();
            disk.comment = m_diskNames.Draw();
            disk.disk_id = m_nextDiskId++;
            disk.path = file.SourceDir;
            diskIndex = device.Disks.Count() - 1;
        }
        device.Disks[diskIndex].Files.AddNew().Source = file.SourceName;
    }
    for (TDisk &disk : device.Disks)
        removeRepeatedNames(disk.Files);
}

void CopyFilesRebuild::buildSections(int deviceIndex)
{
    TCEDevice &device = m_project.CEDevices[deviceIndex];
    QStringList folders;
    for (const TDisk &disk : device.Disks)
        folders.append(disk.path);

    for (const TPPCFS_File &file : device.Files) {
        TCopyFilesSection *target = nullptr;
        for (TCopyFilesSection &section : m_project.CopyFilesSections) {
            if (section.linked_SourceName == deviceIndex
                && sameFolder(section.Destination, file.DestinationDir)
                && sameFolder(device.Disks[section.linked_SourceDisk].path, file.SourceDir)) {
                target = &section;
                break;
            }
        }
        if (!target) {
            target = &m_project.CopyFilesSections.AddNew();
            target->linked_SourceName = deviceIndex;
            target->linked_SourceDisk = indexOfFolder(folders, file.SourceDir);
            target->Destination = file.DestinationDir;
            target->Caption = m_sectionNames.Draw();
        }
        TFile &copied = target->Files.AddNew();
        copied.Source = file.SourceName;
        copied.Destination = file.DestinationName;
        copied.Attributes = file.Attributes;
    }
}

void CopyFilesRebuild::listSectionsInTheirDevices()
{
    for (TCEDevice &device : m_project.CEDevices)
        device.Installation.defaultInstallCopyFiles.clear();
    for (const TCopyFilesSection &section : m_project.CopyFilesSections)
        m_project.CEDevices[section.linked_SourceName].Installation.defaultInstallCopyFiles.append(
            section.Caption);
}

} // namespace talmo
