#pragma once

#include "editors/core/desktop/Win32EntryList.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace talmo {

struct TWin32Plugin;

// The files and folders a desktop-installer module deletes on install or on
// uninstall: what a new entry holds and the inspector's changes to one.
class Win32DeleteEdits : public Win32EntryList<TWin32DeleteEntry>
{
public:
    // The inspector rows of an entry, by tag.
    enum Row { TypeRow = 1, NameRow = 2 };

    Win32DeleteEdits(TWin32Plugin &plugin, bool install);

    // The list row of an entry: the type as shown and the name.
    static QStringList RowTexts(const TWin32DeleteEntry &entry);

    // Appends an entry that deletes files; its index.
    int Add();
    // Stores a row's value, the type by its shown name; false when the
    // index or the tag names nothing.
    bool ChangeRow(int index, int tag, const QString &value);
    // The drop-down lines of a row: the type names for the type, the
    // directory constants for the name.
    static std::optional<QStringList> Choices(int tag);
};

} // namespace talmo
