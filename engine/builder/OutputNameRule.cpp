#include "engine/builder/OutputNameRule.h"

#include <QRegularExpression>
#include <QStringList>

namespace talmo {

bool LeavesOutputFolder(const QString &fileName)
{
    static const QRegularExpression separators(QStringLiteral("[/\\\\]"));
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:"));
    if (fileName.startsWith(u'/') || fileName.startsWith(u'\\') || drive.match(fileName).hasMatch())
        return true;
    return fileName.split(separators).contains(QStringLiteral(".."));
}

} // namespace talmo
