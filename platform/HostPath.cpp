#include "platform/HostPath.h"

#include <QDir>
#include <QFileInfo>

namespace talmo {

QString ToHostPath(const QString &path)
{
    QString host = path;
    return host.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString HostPathKey(const QString &path)
{
    if (path.isEmpty())
        return QString();
    return QDir::cleanPath(QFileInfo(ToHostPath(path)).absoluteFilePath());
}

bool IsSameHostFile(const QString &first, const QString &second)
{
    return !first.isEmpty() && HostPathKey(first) == HostPathKey(second);
}

} // namespace talmo
