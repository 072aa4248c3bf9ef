#pragma once

#include "model/Win32Entries.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace talmo {

// The kind of inspector row that edits a field of a desktop-installer entry.
enum class EntryRowKind {
    Text,         // free text
    Button,       // text with a "..." button
    FreeCombo,    // text with a drop-down of suggestions
    ListCombo,    // one of a fixed list of choices
    Spin,         // a number
    YesNo,        // a flag
};

// One inspector row of an entry: its category, caption, kind and tag, and the
// entry field it edits (exactly one of the three pointers is set).
template <typename Entry>
struct EntryRow
{
    QString category;
    QString caption;
    EntryRowKind kind = EntryRowKind::Text;
    int tag = 0;
    QString Entry::*text = nullptr;
    bool Entry::*flag = nullptr;
    int Entry::*number = nullptr;
    // How a text field shows; null shows it as stored.
    QString (*shown)(const QString &stored) = nullptr;
    // The flags the installer's compiler refuses on one line with this one.
    std::vector<bool Entry::*> excludes = {};

    // The field as the row shows it: flags as "yes"/"no", numbers in decimal.
    QString valueOf(const Entry &entry) const
    {
        if (text)
            return shown ? shown(entry.*text) : entry.*text;
        if (flag)
            return entry.*flag ? QStringLiteral("yes") : QStringLiteral("no");
        return QString::number(entry.*number);
    }

    // Stores a row value into the field ("yes" sets a flag, anything else
    // clears it); setting a flag clears the flags it excludes.
    void store(Entry &entry, const QString &value) const
    {
        if (text) {
            entry.*text = value;
        } else if (flag) {
            entry.*flag = value == QLatin1String("yes");
            if (entry.*flag) {
                for (bool Entry::*excluded : excludes)
                    entry.*excluded = false;
            }
        } else {
            entry.*number = value.toInt();
        }
    }
};

template <typename Entry>
using EntryRows = std::vector<EntryRow<Entry>>;

// The row of a tag in a table; null for a tag the table does not have.
template <typename Entry>
const EntryRow<Entry> *rowOfTag(const EntryRows<Entry> &rows, int tag)
{
    for (const EntryRow<Entry> &row : rows) {
        if (row.tag == tag)
            return &row;
    }
    return nullptr;
}

// The row that edits this flag; null for a flag the table does not have.
template <typename Entry>
const EntryRow<Entry> *rowOfFlag(const EntryRows<Entry> &rows, bool Entry::*flag)
{
    for (const EntryRow<Entry> &row : rows) {
        if (row.flag == flag)
            return &row;
    }
    return nullptr;
}

// The rows of a single selected file ("File Properties", "File Attributes", "Flags").
const EntryRows<TWin32FileEntry> &fileEntryRows();
// The one row of several selected files: their common "Destination".
const EntryRow<TWin32FileEntry> &multipleFilesDestinationRow();
const EntryRows<TWIn32IconEntry> &iconEntryRows();
const EntryRows<TWin32RegistryEntry> &registryEntryRows();
const EntryRows<TWin32RunEntry> &installRunEntryRows();
const EntryRows<TWin32RunEntry> &uninstallRunEntryRows();

// The "Flags" column texts: the words of the set flags, in a fixed order.
QString fileFlagWords(const TWin32FileEntry &entry);
QString iconFlagWords(const TWIn32IconEntry &entry);
QString registryFlagWords(const TWin32RegistryEntry &entry);
QString runFlagWords(const TWin32RunEntry &entry);

// The choices of the registry "Type" row and the five hives.
const QStringList &registryValueTypes();
const QStringList &registryHives();
// Stored values keep the spelling a file or an import gave them ("HKCU",
// "string", "MultiSZ"); the page shows one spelling of each: the hive's full
// name for its full or short name in any case, the type as the "Type" row
// lists it. Any other text is shown as it stands.
QString registryHiveShown(const QString &root);
QString registryValueTypeShown(const QString &type);

// Delete entries: the shown type names and the stored ones.
const QStringList &deleteTypeNames();
// The shown name of a stored type; empty for an unknown one.
QString deleteTypeShown(const QString &stored);
// The stored text of a shown name; the text itself when it names no type.
QString deleteTypeStored(const QString &shown);

} // namespace talmo
