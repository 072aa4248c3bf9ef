#include "windows/main/RecentFileRules.h"

#include "platform/HostPath.h"

#include <QFileInfo>

namespace talmo {

bool RecentFileRules::IsThere(const QString &fileName)
{
    return QFileInfo(ToHostPath(fileName)).isFile();
}

QStringList RecentFileRules::Gone(const QStringList &files)
{
    QStringList gone;
    for (const QString &file : files) {
        if (!IsThere(file))
            gone.append(file);
    }
    return gone;
}

} // namespace talmo
