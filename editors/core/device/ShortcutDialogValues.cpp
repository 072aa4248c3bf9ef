#include "editors/core/device/ShortcutDialogValues.h"

#include "model/ShortcutSection.h"

namespace talmo {

ShortcutDialogValues ShortcutDialogValues::ForNewShortcut()
{
    ShortcutDialogValues values;
    values.name = QStringLiteral("aShortcut");
    values.destination = TShortcutSection::DefaultFolder;
    return values;
}

ShortcutDialogValues ShortcutDialogValues::Of(const TShortcutEntry &entry, const QStringList &iconFiles)
{
    ShortcutDialogValues values;
    values.name = entry.shortcut_filename;
    values.targetIsFolder = entry.shortcut_type_flag != 0;
    values.target = entry.target_file_path;
    values.destination = entry.standard_destination_path;
    values.parameters = entry.CustomParameters;
    values.iconFiles = iconFiles;
    values.listedIconFile = entry.CustomIconFileName;
    values.browsedIconFile = entry.CustomIconFileName;
    values.iconIndex = entry.CustomIconIndex;
    values.iconIndexType = entry.CustomIconIndexType != QStringLiteral("0") ? 1 : 0;
    return values;
}

void ShortcutDialogValues::storeCommon(TShortcutEntry &entry) const
{
    entry.shortcut_filename = name;
    entry.shortcut_type_flag = targetIsFolder ? 1 : 0;
    entry.target_file_path = target;
    entry.standard_destination_path = destination;
    entry.CustomIconIndex = iconIndex;
    entry.CustomParameters = parameters;
}

void ShortcutDialogValues::StoreNew(TShortcutEntry &entry) const
{
    storeCommon(entry);
    entry.CustomIconFileName = listedIconFile;
    entry.CustomIconIndexType = iconIndexType == 1 ? QStringLiteral("1") : QStringLiteral("0");
}

void ShortcutDialogValues::StoreEdited(TShortcutEntry &entry) const
{
    storeCommon(entry);
    entry.CustomIconFileName = iconSettings == 1 ? browsedIconFile : listedIconFile;
    entry.CustomIconIndexType = QString::number(iconIndexType);
}

} // namespace talmo
