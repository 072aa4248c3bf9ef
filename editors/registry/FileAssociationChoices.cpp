#include "editors/registry/FileAssociationChoices.h"

#include "editors/common/FileReference.h"
#include "helpers/core/PathHelpers.h"
#include "model/ProjectContainer.h"

namespace talmo {

namespace {
bool isProgram(const QString &name)
{
    return UpperExtension(name) == QLatin1String(".EXE");
}
} // namespace

QStringList FileAssociationChoices::deviceFiles(const TProjectContainer &project)
{
    QStringList choices;
    for (const TCEDevice &target : project.CEDevices) {
        for (const TPPCFS_File &file : target.Files) {
            if (isProgram(file.DestinationName))
                choices.append(WithTrailingBackslash(file.DestinationDir) + file.DestinationName);
        }
    }
    return choices;
}

QStringList FileAssociationChoices::desktopFiles(const TWin32Plugin &module)
{
    QStringList choices;
    for (const TWin32FileEntry &entry : module.FileEntries) {
        const QString name = entry.DestinationName.isEmpty() ? FileNamePart(entry.Source) : entry.DestinationName;
        if (isProgram(name))
            choices.append(WithTrailingBackslash(entry.Destination) + name);
    }
    return choices;
}

} // namespace talmo
