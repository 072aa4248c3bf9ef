#pragma once

#include "editors/core/desktop/Win32EntryRows.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace talmo {

struct RegImportEvent;
struct TWin32Plugin;

struct RegistryKeyNode
{
    QString text;
    RegistryKeyNode *parent = nullptr;
    std::vector<std::unique_ptr<RegistryKeyNode>> children;

    RegistryKeyNode *child(const QString &name) const;
};

// The key tree of a module's registry values: the root "Registry" with the
// hives and every key a value names. Keys live only through their values.
class RegistryKeyTree
{
public:
    static const QString RootText;

    // The root and the five hives.
    RegistryKeyTree();
    static RegistryKeyTree Build(const TWin32Plugin &plugin);

    // Adds the key of every value. A hive other than the five becomes one
    // more hive under the root, so its values can be reached.
    void AddRegistryKeyNodes(const TWin32Plugin &plugin);
    RegistryKeyNode &root() const { return *m_root; }
    RegistryKeyNode &AddChild(RegistryKeyNode &parent, const QString &name);
    void Remove(RegistryKeyNode &node);
    // Every level by text ignoring case.
    void Sort();
    // The node of a key path as KeyPath writes it; null when none.
    RegistryKeyNode *FindKeyPath(const QString &keyPath) const;

    static bool IsHive(const RegistryKeyNode &node) { return node.parent && !node.parent->parent; }
    // A key below a hive: values may be added to it.
    static bool IsKey(const RegistryKeyNode &node) { return node.parent && node.parent->parent; }
    // The texts from the hive down to the node, each followed by a backslash;
    // empty for the root.
    static QString KeyPath(const RegistryKeyNode &node);
    // The hive's text and the path below it without a trailing backslash.
    static std::pair<QString, QString> NodeKey(const RegistryKeyNode &node);

private:
    std::unique_ptr<RegistryKeyNode> m_root;
};

// Which commands of the key tree are open for the selected node.
struct Win32KeyCommands
{
    bool createKey = false;  // below a hive or a key
    bool deleteKey = false;
    bool renameKey = false;
    bool addValue = false;

    static Win32KeyCommands forNode(const RegistryKeyNode *node);
};

// The value list's order: the key's default value first, the others by one
// column's text, equal texts by name; each row as its column texts.
struct RegistryListRow
{
    bool defaultValue = false;
    QStringList texts;  // name, type, data, flags
};
bool RegistryRowLess(const RegistryListRow &a, const RegistryListRow &b, int column, bool ascending);

// Root, "\", subkey and "\": the key path a value belongs to.
QString EntryKeyPath(const TWin32RegistryEntry &entry);

// The registry edits of a desktop-installer module.
class Win32RegistryEdits
{
public:
    explicit Win32RegistryEdits(TWin32Plugin &plugin);

    // The values of exactly this key; the default value (empty name) apart.
    struct KeyValues
    {
        int defaultIndex = -1;
        QList<int> named;
    };
    KeyValues ValuesOfKey(const QString &keyPath) const;
    // A new value of the key; its index.
    int AddValue(const QString &root, const QString &subKey, const QString &name);
    // Renames the key's last component; every value in it or below follows.
    // An empty name or one with a backslash would move the values to another
    // key: it is refused (false).
    bool RenameKey(const QString &oldKeyPath, const QString &newName);
    // Removes every value in the key or below it.
    void DeleteKey(const QString &keyPath);
    void DeleteValues(QList<int> indexes);
    // The four values of a file association.
    void AddFileAssociation(const QString &extension, const QString &description, const QString &target);
    // The value an imported event gives, appended; false when it gives none.
    bool AddImported(const RegImportEvent &event);
    // A copy of entry index, or for -1 the key's default value as it stands
    // before it is made: a String without data.
    TWin32RegistryEntry EntryOrDefault(int index) const;
    // Why the row's typed value cannot go into entry index (-1: the key's
    // default value, not made yet); empty when it can. Only the type and the
    // data are judged, together, as the installer's script would take them.
    QString TypedValueProblem(int index, const EntryRow<TWin32RegistryEntry> &row, const QString &value) const;
    // Stores an inspector row's value into the selected values of the key
    // root\subKey, where -1 stands for the key's default value, which is made
    // now and its index put in its place. When the value does not fit one of
    // them nothing is stored and the problem is returned.
    QString ChangeRow(const QString &root, const QString &subKey, QList<int> &indexes,
                      const EntryRow<TWin32RegistryEntry> &row, const QString &value);
    // The list row of a value: name, type, data and flag words. The key's
    // default value shows as "(default)", before it is made without data.
    static QStringList RowTexts(const TWin32RegistryEntry &entry, bool defaultValue);
    static QStringList DefaultPlaceholderRowTexts();
    // The rows that move values to another key: the root and the subkey.
    static bool MovesValues(const EntryRow<TWin32RegistryEntry> &row);
    // Whether the inspector shows the row for the selected values: the key
    // rows never for the default value, the name for one named value only.
    static bool IsRowShown(const EntryRow<TWin32RegistryEntry> &row, int selectedCount, bool defaultSelected);

private:
    TWin32Plugin &m_plugin;
};

// The desktop registry value an imported event becomes, in the installer's
// text: "{" doubled so it is not read as a constant, multi-strings joined by
// "{break}". Key lines, deletions and values with neither name nor data give none.
std::optional<TWin32RegistryEntry> win32EntryFromImport(const RegImportEvent &event);

} // namespace talmo
