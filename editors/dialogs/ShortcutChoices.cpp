#include "editors/dialogs/ShortcutChoices.h"

#include "editors/common/FileReference.h"
#include "helpers/core/PathHelpers.h"
#include "model/CEDevice.h"

namespace talmo {

namespace {

QString withoutTrailingBackslash(QString folder)
{
    if (folder.endsWith(QLatin1Char('\\')))
        folder.chop(1);
    return folder;
}

} // namespace

QStringList ShortcutChoices::targets(const TCEDevice &target, bool toFolder, bool customIcon)
{
    QStringList choices;
    for (const TPPCFS_File &file : target.Files) {
        if (toFolder)
            choices.append(withoutTrailingBackslash(file.DestinationDir));
        else if (customIcon)
            choices.append(WithTrailingBackslash(file.DestinationDir) + file.DestinationName);
        else
            choices.append(file.DestinationName);
    }
    if (toFolder)
        choices.append(InstallDirMacro);
    choices.removeDuplicates();
    return choices;
}

QString ShortcutChoices::nameFromTarget(const QString &target)
{
    const QString name = FileNamePart(target);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

bool ShortcutChoices::isIconLibrary(const QString &fileName)
{
    const QString extension = UpperExtension(fileName);
    return extension == QLatin1String(".EXE") || extension == QLatin1String(".DLL");
}

} // namespace talmo
