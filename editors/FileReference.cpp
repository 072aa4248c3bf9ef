#include "editors/FileReference.h"

#include "helpers/core/PathHelpers.h"

namespace talmo {

QString FileReferenceFor(const QString &projectFileName, const QString &chosenFile, bool makeRelative)
{
    if (!makeRelative)
        return chosenFile;
    QString folder = MakeRelativePath(ExtractFileFolder(projectFileName), ExtractFileFolder(chosenFile));
    if (!IsRelativePath(folder))
        return chosenFile;
    folder.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return WithTrailingBackslash(folder) + FileNamePart(chosenFile);
}

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
