#include "model/CopyFilesRebuild.h"

#include "model/ProjectContainer.h"

#include <QHash>
#include <QPair>
#include <QSet>

namespace talmo {

namespace {

bool isSeparator(QChar c)
{
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
}

// Folders compare as folders: with or without their trailing separator, but
// letter case counts (folders that differ only in case are different folders
// here), and the empty folder differs from the root "\".
QString folderKey(const QString &folder)
{
    if (folder.isEmpty())
        return folder;
    const bool terminated = isSeparator(folder.back());
    return (terminated ? folder.chopped(1) : folder) + QLatin1Char('\\');
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
    QHash<QString, int> diskOfFolder;
    for (const TPPCFS_File &file : device.Files) {
        const QString folder = folderKey(file.SourceDir);
        auto disk = diskOfFolder.constFind(folder);
        if (disk == diskOfFolder.constEnd()) {
            TDisk &newDisk = device.Disks.AddNew();
            newDisk.comment = m_diskNames.Draw();
            newDisk.disk_id = m_nextDiskId++;
            newDisk.path = file.SourceDir;
            disk = diskOfFolder.insert(folder, device.Disks.Count() - 1);
        }
        device.Disks[*disk].Files.AddNew().Source = file.SourceName;
    }
    for (TDisk &disk : device.Disks)
        removeRepeatedNames(disk.Files);
}

void CopyFilesRebuild::buildSections(int deviceIndex)
{
    TCEDevice &device = m_project.CEDevices[deviceIndex];
    QHash<QString, int> diskOfFolder;
    for (int i = 0; i < device.Disks.Count(); ++i)
        diskOfFolder.insert(folderKey(device.Disks[i].path), i);

    // A section per destination folder and disk of this configuration.
    QHash<QPair<QString, int>, TCopyFilesSection *> sections;
    for (const TPPCFS_File &file : device.Files) {
        const int diskIndex = diskOfFolder.value(folderKey(file.SourceDir));
        TCopyFilesSection *&target = sections[{ folderKey(file.DestinationDir), diskIndex }];
        if (!target) {
            target = &m_project.CopyFilesSections.AddNew();
            target->linked_SourceName = deviceIndex;
            target->linked_SourceDisk = diskIndex;
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
