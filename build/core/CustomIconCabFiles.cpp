#include "build/core/CustomIconCabFiles.h"

#include "build/core/DeviceResourceDll.h"
#include "build/core/ShortcutFile.h"

namespace talmo {

void CustomIconCabFiles::Write(const TProjectContainer &project, const QString &workingFolder,
                               const QString &programFolder, QStringList &workingFiles)
{
    ShortcutFile::WriteAll(project, workingFolder, workingFiles);
    DeviceResourceDll::Build(project, workingFolder, programFolder, workingFiles);
}

} // namespace talmo
