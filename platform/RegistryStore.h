#pragma once

#include "platform/ScopedCurrent.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <variant>

namespace talmo {

// The settings root below the current user's store. Every window key and the
// recent-files key live below it; the program options write into it directly.
inline constexpr QLatin1StringView TalmoRegistryKey("Software\\Talmo");

// A stored value: a 32-bit integer or a string. A missing value is a missing
// optional wherever values are read, never an empty string or zero.
using RegistryValue = std::variant<qint32, QString>;

// The outcome of a registry write: success, or a failure carrying a message
// that can be shown to the user as it stands.
class [[nodiscard]] RegistryStatus
{
public:
    RegistryStatus() = default;
    static RegistryStatus failure(const QString &message);

    bool ok() const { return m_message.isEmpty(); }
    explicit operator bool() const { return ok(); }
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// The per-user key/value tree (the current user's registry hive). Key paths
// are absolute, made of names separated by "\" ("Software\Talmo\MRU"); a
// leading "\" is allowed and the empty path is the root. Key and value names
// match without regard to case and keep the spelling they were created with.
// Writes change the tree at once; commit() makes them durable.
class RegistryStore
{
public:
    RegistryStore();
    virtual ~RegistryStore();
    RegistryStore(const RegistryStore &) = delete;
    RegistryStore &operator=(const RegistryStore &) = delete;

    bool keyExists(const QString &keyPath) const;
    // Creates the key and any missing parents; an existing key is success.
    RegistryStatus createKey(const QString &keyPath);
    // Deletes the key with all its subkeys and values.
    RegistryStatus deleteKey(const QString &keyPath);
    // Names in case-insensitive alphabetical order; empty for a missing key.
    QStringList subkeyNames(const QString &keyPath) const;
    QStringList valueNames(const QString &keyPath) const;

    std::optional<RegistryValue> value(const QString &keyPath, const QString &name) const;
    // The key must exist.
    RegistryStatus setValue(const QString &keyPath, const QString &name, const RegistryValue &value);
    RegistryStatus deleteValue(const QString &keyPath, const QString &name);

    // Makes every change so far durable. Nothing to do for stores that are not
    // backed by a file.
    RegistryStatus commit();

    // The store the program works with. main() or a test fixture sets it;
    // until then a process-wide in-memory store stands in, so nothing reaches
    // the user's real settings by accident.
    static RegistryStore &current();
    // Returns the store that was current before (nullptr for the stand-in).
    static RegistryStore *setCurrent(RegistryStore *store);

protected:
    // Checked before every change; a failure leaves the tree untouched.
    virtual RegistryStatus checkWritable() const;
    // Writes the tree to durable storage; called by commit() after changes.
    virtual RegistryStatus persist();
    // The whole tree as a JSON document and back; what the file store keeps.
    QJsonObject toJson() const;
    void replaceFromJson(const QJsonObject &json);

private:
    struct Node;
    Node *findKey(const QString &keyPath) const;
    RegistryStatus change(const QString &keyPath, bool createMissing,
                          const std::function<RegistryStatus(Node &)> &edit);

    std::unique_ptr<Node> m_root;
    bool m_dirty = false;
};

using ScopedCurrentRegistryStore = ScopedCurrent<RegistryStore>;

} // namespace talmo
