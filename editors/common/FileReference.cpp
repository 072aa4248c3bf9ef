#include "editors/common/FileReference.h"

#include "helpers/core/PathHelpers.h"

namespace talmo {

QString WithTrailingBackslash(const QString &folder)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('\\')))
        return folder;
    return folder + QLatin1Char('\\');
}

QString UpperExtension(const QString &fileName)
{
    const QString name = FileNamePart(fileName);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot).toUpper();
}

} // namespace talmo
