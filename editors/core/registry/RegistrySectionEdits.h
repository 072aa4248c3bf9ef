#pragma once

#include "editors/core/registry/RegistryKeyPath.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace talmo {

struct TRegistryEntry;
struct TRegistrySection;

// One row of the section editor's value list.
struct RegistryValueRow
{
    QString name;
    QString type;
    QString data;
    int entryIndex = -1; // -1: the "(default)" placeholder of a key without a default value

    bool operator==(const RegistryValueRow &) const = default;
};

// The edits of the registry section editor on its section, by key path:
// keys exist only as the paths of the section's values, so renaming or
// deleting a key renames or deletes every value at or below it. Nothing here
// sets the project's Modified flag; the page does.
class RegistrySectionEdits
{
public:
    static const QString DefaultRowName;     // "(default)"
    static const QString NewValueName;       // "new data"
    static const QString UnnamedSectionName; // "aRegistrySection"

    explicit RegistrySectionEdits(TRegistrySection &section);

    // The caption the section takes for the name box's text: without the
    // blanks at either end, which the .inf file would drop from one place
    // of the name and keep in another.
    static QString captionFor(const QString &text);
    // A key name the tree accepts: not empty (that would be the unnamed key
    // of a root), no backslash (that would split it into two levels) and
    // none of its siblings' names (two nodes would show one key).
    static bool acceptsKeyName(const QString &name, const QStringList &siblingNames);

    // Row 0 is the key's default value, or the "(default)" placeholder of
    // type "TYPE_SZ" with data "(no data)"; then the key's named values in
    // section order.
    QList<RegistryValueRow> rowsOf(const RegistryKeyPath &key) const;

    // Moves the values of the key and of every key below it to the key's new
    // name; returns how many moved.
    int renameKey(const RegistryKeyPath &key, const QString &newName);
    // Deletes the values of the key and of every key below it; returns how many.
    int deleteKey(const RegistryKeyPath &key);

    // Appends "new data" of the type with empty data; returns its index.
    int addValue(const RegistryKeyPath &key, const QString &typeText);
    // What the value dialog starts from for a key without a default value.
    static TRegistryEntry newDefaultValue(const RegistryKeyPath &key);
    // Refuses (false, name kept) an empty name, which would make a second
    // default value, and a name another value of the same key has.
    bool renameValue(int index, const QString &newName);
    // Deletes the entries, highest index first; -1 (a placeholder) is skipped.
    void deleteValues(QList<int> indexes);

    // The four HKEY_CLASSES_ROOT entries that open files of the extension
    // ("txt" or ".txt") with the device program.
    static QList<TRegistryEntry> fileAssociationEntries(const QString &extension, const QString &description,
                                                        const QString &target);
    void addFileAssociation(const QString &extension, const QString &description, const QString &target);

private:
    TRegistrySection &m_section;
};

} // namespace talmo
