// The container's operations on the device configurations' files.
#include "model/ProjectContainer.h"

#include "helpers/core/PathHelpers.h"
#include "model/CopyFilesRebuild.h"

#include <algorithm>

namespace talmo {

void TProjectContainer::RebuildCopyFilesSections()
{
    CopyFilesRebuild(*this, *m_randomSource).Run();
}

void TProjectContainer::BuildDeviceFileLists()
{
    for (int deviceIndex = 0; deviceIndex < CEDevices.Count(); ++deviceIndex) {
        TCEDevice &device = CEDevices[deviceIndex];
        for (const TCopyFilesSection &section : CopyFilesSections) {
            if (section.linked_SourceName != deviceIndex)
                continue;
            const QString sourceDir =
                IncludeTrailingSeparator(device.Disks.GetItem(section.linked_SourceDisk).path);
            const QString destinationDir = IncludeTrailingSeparator(section.Destination);
            for (const TFile &file : section.Files) {
                TPPCFS_File &flat = device.Files.AddNew();
                flat.SourceName = file.Source;
                flat.SourceDir = sourceDir;
                flat.DestinationDir = destinationDir;
                flat.DestinationName = file.Destination;
                flat.Attributes = file.Attributes;
            }
        }
    }
}

int TProjectContainer::MaxDiskId() const
{
    int highest = 0;
    for (const TCEDevice &device : CEDevices) {
        for (const TDisk &disk : device.Disks)
            highest = std::max(highest, disk.disk_id);
    }
    return highest;
}

} // namespace talmo
