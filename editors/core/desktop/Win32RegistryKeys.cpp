#include "editors/core/desktop/Win32RegistryKeys.h"

#include "editors/core/regimport/RegImportValue.h"
#include "editors/core/regimport/RegValueText.h"
#include "editors/core/desktop/Win32EntryRows.h"
#include "helpers/core/RegistryValueData.h"
#include "model/Win32Plugin.h"

#include <algorithm>

namespace talmo {

const QString RegistryKeyTree::RootText = QStringLiteral("Registry");

namespace {

const QChar Backslash = QLatin1Char('\\');
const QString DefaultValueCaption = QStringLiteral("(default)");

// The components of a key path; a trailing backslash ends it, inner empty
// components are keys with an empty name. The hive is named as the tree
// shows it, whichever of its spellings the path used.
QStringList keyComponents(const QString &keyPath)
{
    QStringList components = keyPath.split(Backslash);
    if (!components.isEmpty() && components.last().isEmpty())
        components.removeLast();
    if (!components.isEmpty())
        components.first() = registryHiveShown(components.first());
    return components;
}

// A key path with its hive as the tree names it.
QString shownKeyPath(const QString &keyPath)
{
    const QStringList components = keyComponents(keyPath);
    return components.isEmpty() ? keyPath : components.join(Backslash) + Backslash;
}

void sortNodes(std::vector<std::unique_ptr<RegistryKeyNode>> &nodes)
{
    std::stable_sort(nodes.begin(), nodes.end(), [](const auto &a, const auto &b) {
        return a->text.compare(b->text, Qt::CaseInsensitive) < 0;
    });
    for (auto &node : nodes)
        sortNodes(node->children);
}

// The installer reads "{" as the start of a constant; "{{" is a plain brace.
QString braceEscaped(const QString &text)
{
    QString escaped = text;
    return escaped.replace(QLatin1Char('{'), QStringLiteral("{{"));
}

struct ImportedValue
{
    QString type;
    QString data;
};

ImportedValue importedValue(const RegImportEvent &event)
{
    switch (event.type) {
    case RegValueType::String:
        return {QStringLiteral("String"), braceEscaped(importedText(event))};
    case RegValueType::ExpandString:
        return {QStringLiteral("Expandsz"), braceEscaped(importedText(event))};
    case RegValueType::Binary:
        return {QStringLiteral("Binary"), RegValueText::binary(event.data.value_or(QByteArray()))};
    case RegValueType::Dword:
        return {QStringLiteral("DWord"), RegValueText::dword(importedNumber(event))};
    case RegValueType::MultiString: {
        QStringList strings = importedStrings(event);
        for (QString &string : strings)
            string = braceEscaped(string);
        return {QStringLiteral("MultiSZ"), strings.join(QStringLiteral("{break}"))};
    }
    default:
        return {QStringLiteral("String"), QString()};
    }
}

} // namespace

RegistryKeyNode *RegistryKeyNode::child(const QString &name) const
{
    for (const auto &node : children) {
        if (node->text == name)
            return node.get();
    }
    return nullptr;
}

RegistryKeyTree::RegistryKeyTree()
    : m_root(std::make_unique<RegistryKeyNode>())
{
    m_root->text = RootText;
    for (const QString &hive : registryHives())
        AddChild(*m_root, hive);
}

RegistryKeyTree RegistryKeyTree::Build(const TWin32Plugin &plugin)
{
    RegistryKeyTree tree;
    tree.AddRegistryKeyNodes(plugin);
    tree.Sort();
    return tree;
}

void RegistryKeyTree::AddRegistryKeyNodes(const TWin32Plugin &plugin)
{
    for (int i = 0; i < plugin.RegistryEntries.Count(); ++i) {
        RegistryKeyNode *node = m_root.get();
        for (const QString &component : keyComponents(EntryKeyPath(plugin.RegistryEntries[i]))) {
            RegistryKeyNode *next = node->child(component);
            node = next ? next : &AddChild(*node, component);
        }
    }
}

RegistryKeyNode &RegistryKeyTree::AddChild(RegistryKeyNode &parent, const QString &name)
{
    auto node = std::make_unique<RegistryKeyNode>();
    node->text = name;
    node->parent = &parent;
    parent.children.push_back(std::move(node));
    return *parent.children.back();
}

void RegistryKeyTree::Remove(RegistryKeyNode &node)
{
    if (!node.parent)
        return;
    auto &siblings = node.parent->children;
    siblings.erase(std::remove_if(siblings.begin(), siblings.end(), [&](const auto &n) { return n.get() == &node; }),
                   siblings.end());
}

void RegistryKeyTree::Sort()
{
    sortNodes(m_root->children);
}

RegistryKeyNode *RegistryKeyTree::FindKeyPath(const QString &keyPath) const
{
    RegistryKeyNode *node = m_root.get();
    for (const QString &component : keyComponents(keyPath)) {
        node = node->child(component);
        if (!node)
            return nullptr;
    }
    return node == m_root.get() ? nullptr : node;
}

QString RegistryKeyTree::KeyPath(const RegistryKeyNode &node)
{
    QString path;
    for (const RegistryKeyNode *n = &node; n->parent; n = n->parent)
        path.prepend(n->text + Backslash);
    return path;
}

std::pair<QString, QString> RegistryKeyTree::NodeKey(const RegistryKeyNode &node)
{
    QStringList components = keyComponents(KeyPath(node));
    if (components.isEmpty())
        return {};
    const QString root = components.takeFirst();
    return {root, components.join(Backslash)};
}

QString EntryKeyPath(const TWin32RegistryEntry &entry)
{
    return registryHiveShown(entry.Root) + Backslash + entry.SubKey + Backslash;
}

Win32RegistryEdits::Win32RegistryEdits(TWin32Plugin &plugin)
    : m_plugin(plugin)
{
}

Win32RegistryEdits::KeyValues Win32RegistryEdits::ValuesOfKey(const QString &keyPath) const
{
    KeyValues values;
    const QString path = shownKeyPath(keyPath);
    for (int i = 0; i < m_plugin.RegistryEntries.Count(); ++i) {
        const TWin32RegistryEntry &entry = m_plugin.RegistryEntries[i];
        if (EntryKeyPath(entry) != path)
            continue;
        if (entry.ValueName.isEmpty())
            values.defaultIndex = i;
        else
            values.named.append(i);
    }
    return values;
}

int Win32RegistryEdits::AddValue(const QString &root, const QString &subKey, const QString &name)
{
    TWin32RegistryEntry &entry = m_plugin.RegistryEntries.AddNew();
    entry.Root = root;
    entry.SubKey = subKey;
    entry.ValueName = name;
    entry.ValueType = QStringLiteral("String");
    return m_plugin.RegistryEntries.Count() - 1;
}

bool Win32RegistryEdits::RenameKey(const QString &keyPath, const QString &newName)
{
    const QString oldKeyPath = shownKeyPath(keyPath);
    QStringList components = keyComponents(oldKeyPath);
    if (components.size() < 2 || newName.isEmpty() || newName.contains(Backslash))
        return false;
    components.last() = newName;
    const QString newSubKey = components.mid(1).join(Backslash);
    for (int i = 0; i < m_plugin.RegistryEntries.Count(); ++i) {
        TWin32RegistryEntry &entry = m_plugin.RegistryEntries[i];
        const QString path = EntryKeyPath(entry);
        if (!path.startsWith(oldKeyPath))
            continue;
        QString subKey = newSubKey + Backslash + path.mid(oldKeyPath.size());
        entry.SubKey = subKey.endsWith(Backslash) ? subKey.chopped(1) : subKey;
    }
    return true;
}

void Win32RegistryEdits::DeleteKey(const QString &keyPath)
{
    const QString path = shownKeyPath(keyPath);
    for (int i = m_plugin.RegistryEntries.Count() - 1; i >= 0; --i) {
        if (EntryKeyPath(m_plugin.RegistryEntries[i]).startsWith(path))
            m_plugin.RegistryEntries.Delete(i);
    }
}

void Win32RegistryEdits::DeleteValues(QList<int> indexes)
{
    std::sort(indexes.begin(), indexes.end(), std::greater<int>());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    for (int index : std::as_const(indexes)) {
        if (index >= 0 && index < m_plugin.RegistryEntries.Count())
            m_plugin.RegistryEntries.Delete(index);
    }
}

void Win32RegistryEdits::AddFileAssociation(const QString &extension, const QString &description,
                                            const QString &target)
{
    const QString ext = extension.startsWith(QLatin1Char('.')) ? extension : QLatin1Char('.') + extension;
    const QString name = ext.mid(1) + QStringLiteral("file");
    const QString quote = QStringLiteral("\"");
    const std::pair<QString, QString> values[] = {
        {ext, name},
        {name, description},
        {name + QStringLiteral("\\DefaultIcon"), target + QStringLiteral(",0")},
        {name + QStringLiteral("\\Shell\\Open\\Command"), quote + target + quote + QStringLiteral(" \"%1\"")},
    };
    for (const auto &[subKey, data] : values) {
        const int index = AddValue(QStringLiteral("HKEY_CLASSES_ROOT"), subKey, QString());
        m_plugin.RegistryEntries[index].ValueData = data;
    }
}

TWin32RegistryEntry Win32RegistryEdits::EntryOrDefault(int index) const
{
    if (index >= 0)
        return m_plugin.RegistryEntries[index];
    TWin32RegistryEntry entry;
    entry.ValueType = QStringLiteral("String");
    return entry;
}

QString Win32RegistryEdits::TypedValueProblem(int index, const EntryRow<TWin32RegistryEntry> &row,
                                              const QString &value) const
{
    if (row.text != &TWin32RegistryEntry::ValueType && row.text != &TWin32RegistryEntry::ValueData)
        return QString();
    TWin32RegistryEntry entry = EntryOrDefault(index);
    row.store(entry, value);
    return RegistryValueData::typedDataProblem(entry.ValueType, entry.ValueData);
}

QString Win32RegistryEdits::ChangeRow(const QString &root, const QString &subKey, QList<int> &indexes,
                                      const EntryRow<TWin32RegistryEntry> &row, const QString &value)
{
    for (int index : std::as_const(indexes)) {
        if (const QString problem = TypedValueProblem(index, row, value); !problem.isEmpty())
            return problem;
    }
    for (int &index : indexes) {
        if (index < 0)
            index = AddValue(root, subKey, QString());
        row.store(m_plugin.RegistryEntries[index], value);
    }
    return QString();
}

QStringList Win32RegistryEdits::RowTexts(const TWin32RegistryEntry &entry, bool defaultValue)
{
    return {defaultValue ? DefaultValueCaption : entry.ValueName, registryValueTypeShown(entry.ValueType),
            entry.ValueData, registryFlagWords(entry)};
}

QStringList Win32RegistryEdits::DefaultPlaceholderRowTexts()
{
    return {DefaultValueCaption, QStringLiteral("String"), QStringLiteral("(no data)"), QString()};
}

bool Win32RegistryEdits::MovesValues(const EntryRow<TWin32RegistryEntry> &row)
{
    return row.text == &TWin32RegistryEntry::Root || row.text == &TWin32RegistryEntry::SubKey;
}

bool Win32RegistryEdits::IsRowShown(const EntryRow<TWin32RegistryEntry> &row, int selectedCount,
                                    bool defaultSelected)
{
    if (MovesValues(row))
        return !defaultSelected;
    if (row.text == &TWin32RegistryEntry::ValueName)
        return selectedCount <= 1 && !defaultSelected;
    return true;
}

Win32KeyCommands Win32KeyCommands::forNode(const RegistryKeyNode *node)
{
    Win32KeyCommands commands;
    commands.createKey = node && node->parent;
    commands.deleteKey = node && RegistryKeyTree::IsKey(*node);
    commands.renameKey = commands.deleteKey;
    commands.addValue = commands.deleteKey;
    return commands;
}

bool RegistryRowLess(const RegistryListRow &a, const RegistryListRow &b, int column, bool ascending)
{
    if (a.defaultValue != b.defaultValue)
        return a.defaultValue;
    int order = a.texts.value(column).compare(b.texts.value(column), Qt::CaseInsensitive);
    if (order == 0)
        order = a.texts.value(0).compare(b.texts.value(0), Qt::CaseInsensitive);
    return ascending ? order < 0 : order > 0;
}

bool Win32RegistryEdits::AddImported(const RegImportEvent &event)
{
    std::optional<TWin32RegistryEntry> entry = win32EntryFromImport(event);
    if (!entry)
        return false;
    m_plugin.RegistryEntries.AddNew(std::move(*entry));
    return true;
}

std::optional<TWin32RegistryEntry> win32EntryFromImport(const RegImportEvent &event)
{
    if (event.kind != RegImportKind::Value || IsEmptyDefaultValue(event))
        return std::nullopt;
    const ImportedValue value = importedValue(event);
    TWin32RegistryEntry entry;
    entry.Root = event.rootName;
    entry.SubKey = braceEscaped(event.keyPath);
    entry.ValueName = braceEscaped(event.valueName.value_or(QString()));
    entry.ValueType = value.type;
    entry.ValueData = value.data;
    return entry;
}

} // namespace talmo
