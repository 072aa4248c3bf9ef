#include "windows/project/CopyFilesNameCleanup.h"

#include "model/ProjectContainer.h"

#include <QSet>

namespace talmo {

void RemoveUnknownCopyFilesNames(TProjectContainer &project)
{
    QSet<QString> captions;
    for (const TCopyFilesSection &section : project.CopyFilesSections)
        captions.insert(section.Caption);
    for (TCEDevice &device : project.CEDevices) {
        QStringList &names = device.Installation.defaultInstallCopyFiles;
        names.removeIf([&captions](const QString &name) { return !captions.contains(name); });
    }
}

} // namespace talmo
