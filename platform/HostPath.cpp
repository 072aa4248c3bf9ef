#include "platform/HostPath.h"

namespace talmo {

QString ToHostPath(const QString &path)
{
    QString host = path;
    return host.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

} // namespace talmo
