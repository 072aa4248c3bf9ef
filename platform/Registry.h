#pragma once

#include "platform/RegistryStore.h"

namespace talmo {

// A session on a registry store with one current key, the way windows and
// the program options use their settings: open a key, read and write values
// in it, close it. Paths passed to openKey, keyExists and deleteKey are
// absolute ("Software\Talmo\MRU"). Closing the key, and destroying the
// session, commits the store.
class Registry
{
public:
    explicit Registry(RegistryStore &store = RegistryStore::current());
    ~Registry();
    Registry(const Registry &) = delete;
    Registry &operator=(const Registry &) = delete;

    RegistryStore &store() const { return m_store; }

    // Makes keyPath the current key. A missing key is a failure unless
    // canCreate is set, in which case it is created with its parents.
    RegistryStatus openKey(const QString &keyPath, bool canCreate);
    // Leaves the current key and commits the store.
    RegistryStatus closeKey();
    bool hasCurrentKey() const { return m_open; }
    const QString &currentPath() const { return m_currentPath; }

    bool keyExists(const QString &keyPath) const;
    RegistryStatus deleteKey(const QString &keyPath);

    // Values of the current key. The typed reads give nothing when the value
    // is missing or of the other type; a boolean is an integer, non-zero true.
    bool valueExists(const QString &name) const;
    std::optional<RegistryValue> value(const QString &name) const;
    std::optional<qint32> readInteger(const QString &name) const;
    std::optional<QString> readString(const QString &name) const;
    std::optional<bool> readBool(const QString &name) const;

    RegistryStatus writeInteger(const QString &name, qint32 value);
    RegistryStatus writeString(const QString &name, const QString &value);
    RegistryStatus writeBool(const QString &name, bool value);
    RegistryStatus deleteValue(const QString &name);

    QStringList valueNames() const;
    QStringList subkeyNames() const;

private:
    RegistryStatus write(const QString &name, const RegistryValue &value);

    RegistryStore &m_store;
    QString m_currentPath;
    bool m_open = false;
};

} // namespace talmo
