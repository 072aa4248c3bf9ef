#include "windows/main/TalmoFileKind.h"

#include <QFileInfo>

namespace talmo {

TalmoFileKind TalmoFileKindOf(const QString &fileName)
{
    const QString extension = QFileInfo(fileName).suffix().toUpper();
    if (extension == QLatin1String("TALMO"))
        return TalmoFileKind::Project;
    if (extension == QLatin1String("TALMOPM"))
        return TalmoFileKind::ProjectManager;
    return TalmoFileKind::Other;
}

} // namespace talmo
