#include "editors/common/DialogStartFolder.h"

#include "helpers/core/PathHelpers.h"
#include "platform/HostPath.h"

#include <QDir>
#include <QFileInfo>

namespace talmo {

QString DialogStartFolder::folder(const QString &ownerFileName) const
{
    if (!m_last.isEmpty())
        return m_last;
    return QDir::cleanPath(ToHostPath(ExtractFileFolder(ownerFileName)));
}

void DialogStartFolder::rememberFile(const QString &fileName)
{
    if (!fileName.isEmpty())
        m_last = QFileInfo(ToHostPath(fileName)).absolutePath();
}

void DialogStartFolder::rememberFolder(const QString &folder)
{
    if (!folder.isEmpty())
        m_last = ToHostPath(folder);
}

} // namespace talmo
