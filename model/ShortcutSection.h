#pragma once

#include "model/OwningList.h"

#include <QString>

namespace talmo {

// One device shortcut.
struct TShortcutEntry
{
    QString shortcut_filename;
    int shortcut_type_flag = 0;  // 0 a shortcut to a file, 1 to a folder
    QString target_file_path;
    QString standard_destination_path;  // empty: the section's DefaultDestinationDir
    QString CustomIconFileName;         // empty: no icon of its own
    QString CustomIconIndex;
    QString CustomIconIndexType;        // "0" an index, "1" a resource number
    QString CustomParameters;
};

using TShortcutsEntries = OwningList<TShortcutEntry>;

// A device shortcut section, included by configurations through its Caption.
struct TShortcutSection
{
    // The device's Start Menu programs folder: where shortcuts go unless a
    // section or an entry names another.
    static inline const QString DefaultFolder = QStringLiteral("%CE11%");

    QString DefaultDestinationDir;
    QString Caption;
    TShortcutsEntries Entries;
};

using TShortcutsSections = OwningList<TShortcutSection>;

} // namespace talmo
