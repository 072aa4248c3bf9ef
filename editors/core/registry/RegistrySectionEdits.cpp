#include "editors/core/registry/RegistrySectionEdits.h"

#include "model/RegistrySection.h"

#include <algorithm>

namespace talmo {

namespace {

const QString StringType = QStringLiteral("TYPE_SZ");

TRegistryEntry stringEntry(const QString &root, const QString &subkey, const QString &value)
{
    TRegistryEntry entry;
    entry.registry_root_string = root;
    entry.subkey = subkey;
    entry.flags = StringType;
    entry.value = value;
    return entry;
}

} // namespace

const QString RegistrySectionEdits::DefaultRowName = QStringLiteral("(default)");
const QString RegistrySectionEdits::NewValueName = QStringLiteral("new data");
const QString RegistrySectionEdits::UnnamedSectionName = QStringLiteral("aRegistrySection");

RegistrySectionEdits::RegistrySectionEdits(TRegistrySection &section)
    : m_section(section)
{
}

QString RegistrySectionEdits::captionFor(const QString &text)
{
    const QString caption = text.trimmed();
    return caption.isEmpty() ? UnnamedSectionName : caption;
}

bool RegistrySectionEdits::acceptsKeyName(const QString &name, const QStringList &siblingNames)
{
    return !name.isEmpty() && !name.contains(u'\\') && !siblingNames.contains(name);
}

QList<RegistryValueRow> RegistrySectionEdits::rowsOf(const RegistryKeyPath &key) const
{
    QList<RegistryValueRow> rows{{DefaultRowName, StringType, QStringLiteral("(no data)"), -1}};
    for (int i = 0; i < m_section.Entries.Count(); ++i) {
        const TRegistryEntry &entry = m_section.Entries[i];
        if (!key.holds(entry))
            continue;
        if (entry.value_name.isEmpty())
            rows.first() = {DefaultRowName, entry.flags, entry.value, i};
        else
            rows.append({entry.value_name, entry.flags, entry.value, i});
    }
    return rows;
}

int RegistrySectionEdits::renameKey(const RegistryKeyPath &key, const QString &newName)
{
    const QString oldText = key.text();
    const QString newText = key.renamed(newName).text();
    const qsizetype rootLength = key.root().size() + 1;
    int moved = 0;
    for (TRegistryEntry &entry : m_section.Entries) {
        if (!key.covers(entry))
            continue;
        const QString rest = RegistryKeyPath::of(entry).text().mid(oldText.size());
        const QString path = newText + rest;
        entry.subkey = path.mid(rootLength, path.size() - rootLength - 1);
        ++moved;
    }
    return moved;
}

int RegistrySectionEdits::deleteKey(const RegistryKeyPath &key)
{
    int deleted = 0;
    for (int i = m_section.Entries.Count() - 1; i >= 0; --i) {
        if (key.covers(m_section.Entries[i])) {
            m_section.Entries.Delete(i);
            ++deleted;
        }
    }
    return deleted;
}

int RegistrySectionEdits::addValue(const RegistryKeyPath &key, const QString &typeText)
{
    TRegistryEntry &entry = m_section.Entries.AddNew(stringEntry(key.root(), key.subkey(), QString()));
    entry.value_name = NewValueName;
    entry.flags = typeText;
    return m_section.Entries.Count() - 1;
}

TRegistryEntry RegistrySectionEdits::newDefaultValue(const RegistryKeyPath &key)
{
    return stringEntry(key.root(), key.subkey(), QString());
}

bool RegistrySectionEdits::renameValue(int index, const QString &newName)
{
    TRegistryEntry &renamed = m_section.Entries[index];
    if (newName.isEmpty())
        return false;
    const RegistryKeyPath key = RegistryKeyPath::of(renamed);
    for (const TRegistryEntry &entry : m_section.Entries) {
        if (&entry != &renamed && entry.value_name == newName && key.holds(entry))
            return false;
    }
    renamed.value_name = newName;
    return true;
}

void RegistrySectionEdits::deleteValues(QList<int> indexes)
{
    std::sort(indexes.begin(), indexes.end(), std::greater<int>());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    for (const int index : indexes) {
        if (index >= 0)
            m_section.Entries.Delete(index);
    }
}

QList<TRegistryEntry> RegistrySectionEdits::fileAssociationEntries(const QString &extension,
                                                                   const QString &description, const QString &target)
{
    const QString key = extension.startsWith(u'.') ? extension : u'.' + extension;
    const QString fileType = key.mid(1) + QStringLiteral("file");
    const QString root = QStringLiteral("HKEY_CLASSES_ROOT");
    // The data as the device gets it: the .inf file quotes it when it is built.
    return {
        stringEntry(root, key, fileType),
        stringEntry(root, fileType, description),
        stringEntry(root, fileType + QStringLiteral("\\DefaultIcon"), target + QStringLiteral(",0")),
        stringEntry(root, fileType + QStringLiteral("\\Shell\\Open\\Command"),
                    u'"' + target + QStringLiteral("\" \"%1\"")),
    };
}

void RegistrySectionEdits::addFileAssociation(const QString &extension, const QString &description,
                                              const QString &target)
{
    for (const TRegistryEntry &entry : fileAssociationEntries(extension, description, target))
        m_section.Entries.AddNew(entry);
}

} // namespace talmo
