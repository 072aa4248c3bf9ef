#include "engine/cab/CustomIconCabFiles.h"

#include "engine/cab/DeviceResourceDll.h"
#include "engine/cab/ShortcutFile.h"

namespace talmo {

void CustomIconCabFiles::Write(const TProjectContainer &project, const QString &workingFolder,
                               const QString &programFolder, QStringList &workingFiles)
{
    ShortcutFile::WriteAll(project, workingFolder, workingFiles);
    DeviceResourceDll::Build(project, workingFolder, programFolder, workingFiles);
}

} // namespace talmo
