#include "engine/cab/CabExtraFiles.h"

#include "engine/cab/DeviceResourceDll.h"

namespace talmo {

CabExtraFiles::~CabExtraFiles() = default;

void TemplateResourceDllOnly::Write(const TProjectContainer &, const QString &workingFolder,
                                    const QString &programFolder, QStringList &workingFiles)
{
    const QString name = DeviceResourceDll::FileName();
    workingFiles.append(name);
    DeviceResourceDll::CopyReplacing(programFolder + name, workingFolder + u'/' + name);
}

} // namespace talmo
