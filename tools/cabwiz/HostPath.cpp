#include "tools/cabwiz/HostPath.h"

namespace talmo::cabwiz {

QString hostPath(const QString &path)
{
    QString result = path;
    result.replace(u'\\', u'/');
    return result;
}

} // namespace talmo::cabwiz
