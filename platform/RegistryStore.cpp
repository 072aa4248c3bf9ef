#include "platform/RegistryStore.h"

#include "platform/CurrentInstance.h"
#include "platform/RegistryMemoryStore.h"

#include <QJsonArray>

#include <map>

namespace talmo {

namespace {

// Names match without regard to case, as in the registry Talmo's settings
// were designed for; the map key is the folded name.
QString folded(const QString &name)
{
    return name.toCaseFolded();
}

QStringList splitKeyPath(const QString &keyPath)
{
    return keyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

using CurrentStore = CurrentInstance<RegistryStore, RegistryMemoryStore>;

const QString integerType = QStringLiteral("integer");
const QString stringType = QStringLiteral("string");

} // namespace

RegistryStatus RegistryStatus::failure(const QString &message)
{
    RegistryStatus status;
    status.m_message = message.isEmpty() ? QStringLiteral("Registry access failed.") : message;
    return status;
}

struct RegistryStore::Node
{
    struct NamedValue
    {
        QString name;
        RegistryValue value;
    };
    QString name;
    std::map<QString, NamedValue> values;
    std::map<QString, std::unique_ptr<Node>> subkeys;

    Node *subkey(const QString &subkeyName) const
    {
        const auto it = subkeys.find(folded(subkeyName));
        return it == subkeys.end() ? nullptr : it->second.get();
    }

    QJsonObject toJson() const
    {
        QJsonObject jsonValues;
        for (const auto &[key, named] : values) {
            QJsonObject entry;
            if (const auto *number = std::get_if<qint32>(&named.value)) {
                entry.insert(QStringLiteral("type"), integerType);
                entry.insert(QStringLiteral("data"), *number);
            } else {
                entry.insert(QStringLiteral("type"), stringType);
                entry.insert(QStringLiteral("data"), std::get<QString>(named.value));
            }
            jsonValues.insert(named.name, entry);
        }
        QJsonObject jsonKeys;
        for (const auto &[key, child] : subkeys)
            jsonKeys.insert(child->name, child->toJson());
        QJsonObject json;
        json.insert(QStringLiteral("values"), jsonValues);
        json.insert(QStringLiteral("keys"), jsonKeys);
        return json;
    }

    // Entries of an unknown type are skipped rather than guessed at.
    void readJson(const QJsonObject &json)
    {
        const QJsonObject jsonValues = json.value(QStringLiteral("values")).toObject();
        for (auto it = jsonValues.begin(); it != jsonValues.end(); ++it) {
            const QJsonObject entry = it.value().toObject();
            const QString type = entry.value(QStringLiteral("type")).toString();
            const QJsonValue data = entry.value(QStringLiteral("data"));
            if (type == integerType && data.isDouble())
                values[folded(it.key())] = { it.key(), qint32(data.toInteger()) };
            else if (type == stringType && data.isString())
                values[folded(it.key())] = { it.key(), data.toString() };
        }
        const QJsonObject jsonKeys = json.value(QStringLiteral("keys")).toObject();
        for (auto it = jsonKeys.begin(); it != jsonKeys.end(); ++it) {
            auto child = std::make_unique<Node>();
            child->name = it.key();
            child->readJson(it.value().toObject());
            subkeys[folded(it.key())] = std::move(child);
        }
    }
};

RegistryStore::RegistryStore()
    : m_root(std::make_unique<Node>())
{
}

RegistryStore::~RegistryStore()
{
    CurrentStore::forget(this);
}

RegistryStore::Node *RegistryStore::findKey(const QString &keyPath) const
{
    Node *node = m_root.get();
    for (const QString &part : splitKeyPath(keyPath)) {
        node = node->subkey(part);
        if (!node)
            return nullptr;
    }
    return node;
}

RegistryStatus RegistryStore::change(const QString &keyPath, bool createMissing,
                                     const std::function<RegistryStatus(Node &)> &edit)
{
    if (RegistryStatus writable = checkWritable(); !writable)
        return writable;
    Node *node = m_root.get();
    for (const QString &part : splitKeyPath(keyPath)) {
        Node *child = node->subkey(part);
        if (!child) {
            if (!createMissing)
                return RegistryStatus::failure(QStringLiteral("The registry key \"%1\" does not exist.").arg(keyPath));
            auto created = std::make_unique<Node>();
            created->name = part;
            child = created.get();
            node->subkeys[folded(part)] = std::move(created);
        }
        node = child;
    }
    RegistryStatus status = edit(*node);
    if (status)
        m_dirty = true;
    return status;
}

bool RegistryStore::keyExists(const QString &keyPath) const
{
    return findKey(keyPath) != nullptr;
}

RegistryStatus RegistryStore::createKey(const QString &keyPath)
{
    return change(keyPath, true, [](Node &) { return RegistryStatus(); });
}

RegistryStatus RegistryStore::deleteKey(const QString &keyPath)
{
    QStringList parts = splitKeyPath(keyPath);
    if (parts.isEmpty())
        return RegistryStatus::failure(QStringLiteral("The registry root cannot be deleted."));
    const QString last = parts.takeLast();
    return change(parts.join(QLatin1Char('\\')), false, [&](Node &parent) {
        if (parent.subkeys.erase(folded(last)) == 0)
            return RegistryStatus::failure(QStringLiteral("The registry key \"%1\" does not exist.").arg(keyPath));
        return RegistryStatus();
    });
}

QStringList RegistryStore::subkeyNames(const QString &keyPath) const
{
    QStringList names;
    if (const Node *node = findKey(keyPath)) {
        for (const auto &[key, child] : node->subkeys)
            names.append(child->name);
    }
    return names;
}

QStringList RegistryStore::valueNames(const QString &keyPath) const
{
    QStringList names;
    if (const Node *node = findKey(keyPath)) {
        for (const auto &[key, named] : node->values)
            names.append(named.name);
    }
    return names;
}

std::optional<RegistryValue> RegistryStore::value(const QString &keyPath, const QString &name) const
{
    const Node *node = findKey(keyPath);
    if (!node)
        return std::nullopt;
    const auto it = node->values.find(folded(name));
    if (it == node->values.end())
        return std::nullopt;
    return it->second.value;
}

RegistryStatus RegistryStore::setValue(const QString &keyPath, const QString &name, const RegistryValue &value)
{
    return change(keyPath, false, [&](Node &node) {
        auto it = node.values.find(folded(name));
        if (it == node.values.end())
            node.values[folded(name)] = { name, value };
        else
            it->second.value = value;
        return RegistryStatus();
    });
}

RegistryStatus RegistryStore::deleteValue(const QString &keyPath, const QString &name)
{
    return change(keyPath, false, [&](Node &node) {
        if (node.values.erase(folded(name)) == 0)
            return RegistryStatus::failure(QStringLiteral("The registry value \"%1\" does not exist.").arg(name));
        return RegistryStatus();
    });
}

RegistryStatus RegistryStore::commit()
{
    if (!m_dirty)
        return {};
    RegistryStatus status = persist();
    if (status)
        m_dirty = false;
    return status;
}

RegistryStatus RegistryStore::checkWritable() const
{
    return {};
}

RegistryStatus RegistryStore::persist()
{
    return {};
}

QJsonObject RegistryStore::toJson() const
{
    return m_root->toJson();
}

void RegistryStore::replaceFromJson(const QJsonObject &json)
{
    m_root = std::make_unique<Node>();
    m_root->readJson(json);
    m_dirty = false;
}

RegistryStore &RegistryStore::current()
{
    return CurrentStore::get();
}

RegistryStore *RegistryStore::setCurrent(RegistryStore *store)
{
    return CurrentStore::install(store);
}

} // namespace talmo
