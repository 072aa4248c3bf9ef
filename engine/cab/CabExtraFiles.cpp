#include "engine/cab/CabExtraFiles.h"

#include <QFile>

namespace talmo {

CabExtraFiles::~CabExtraFiles() = default;

void TemplateResourceDllOnly::Write(const TProjectContainer &, const QString &workingFolder,
                                    const QString &programFolder, QStringList &workingFiles)
{
    const QString name = QStringLiteral("talmo_res.dll");
    const QString target = workingFolder + u'/' + name;
    workingFiles.append(name);
    QFile::remove(target);
    QFile::copy(programFolder + name, target);
}

} // namespace talmo
