#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

struct TShortcutEntry;

// What the shortcut dialog shows of an entry and what the user leaves in
// it, as plain values, and how they become the entry.
struct ShortcutDialogValues
{
    QString name;
    bool targetIsFolder = false;
    QString target;
    QString destination;
    QString parameters;
    // The target's programs and libraries the icon can be taken from.
    QStringList iconFiles;
    // 0: the icon comes from one of iconFiles (listedIconFile), 1: from a
    // file browsed to (browsedIconFile).
    int iconSettings = 0;
    QString listedIconFile;
    QString browsedIconFile;
    QString iconIndex;
    // 0: iconIndex is the icon's index, 1: its resource ID.
    int iconIndexType = 0;

    // A new shortcut's: "aShortcut" to a file, installed into the default folder.
    static ShortcutDialogValues ForNewShortcut();
    // An entry's, offering the target's icon files; any index type other than "0" shows as the resource ID.
    static ShortcutDialogValues Of(const TShortcutEntry &entry, const QStringList &iconFiles);

    // A new entry takes the listed icon file, whatever the settings say,
    // and an index type of "1" or "0".
    void StoreNew(TShortcutEntry &entry) const;
    // An edited entry takes the icon file the settings choose and the
    // index type's number as it stands.
    void StoreEdited(TShortcutEntry &entry) const;

private:
    void storeCommon(TShortcutEntry &entry) const;
};

} // namespace talmo
