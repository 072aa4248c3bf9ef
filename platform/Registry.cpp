#include "platform/Registry.h"

namespace talmo {

namespace {
RegistryStatus noKeyOpen()
{
    return RegistryStatus::failure(QStringLiteral("No registry key is open."));
}
} // namespace

Registry::Registry(RegistryStore &store)
    : m_store(store)
{
}

Registry::~Registry()
{
    // A failed commit leaves the store's changes pending; the program's last
    // commit at quit tries again and reports the failure once.
    (void)closeKey();
}

RegistryStatus Registry::openKey(const QString &keyPath, bool canCreate)
{
    if (canCreate) {
        if (RegistryStatus status = m_store.createKey(keyPath); !status)
            return status;
    } else if (!m_store.keyExists(keyPath)) {
        return RegistryStatus::failure(QStringLiteral("The registry key \"%1\" does not exist.").arg(keyPath));
    }
    m_currentPath = keyPath;
    m_open = true;
    return {};
}

RegistryStatus Registry::closeKey()
{
    m_currentPath.clear();
    m_open = false;
    return m_store.commit();
}

bool Registry::keyExists(const QString &keyPath) const
{
    return m_store.keyExists(keyPath);
}

RegistryStatus Registry::deleteKey(const QString &keyPath)
{
    return m_store.deleteKey(keyPath);
}

bool Registry::valueExists(const QString &name) const
{
    return value(name).has_value();
}

std::optional<RegistryValue> Registry::value(const QString &name) const
{
    if (!m_open)
        return std::nullopt;
    return m_store.value(m_currentPath, name);
}

std::optional<qint32> Registry::readInteger(const QString &name) const
{
    const std::optional<RegistryValue> stored = value(name);
    if (!stored || !std::holds_alternative<qint32>(*stored))
        return std::nullopt;
    return std::get<qint32>(*stored);
}

std::optional<QString> Registry::readString(const QString &name) const
{
    const std::optional<RegistryValue> stored = value(name);
    if (!stored || !std::holds_alternative<QString>(*stored))
        return std::nullopt;
    return std::get<QString>(*stored);
}

std::optional<bool> Registry::readBool(const QString &name) const
{
    const std::optional<qint32> stored = readInteger(name);
    if (!stored)
        return std::nullopt;
    return *stored != 0;
}

RegistryStatus Registry::write(const QString &name, const RegistryValue &value)
{
    if (!m_open)
        return noKeyOpen();
    return m_store.setValue(m_currentPath, name, value);
}

RegistryStatus Registry::writeInteger(const QString &name, qint32 value)
{
    return write(name, value);
}

RegistryStatus Registry::writeString(const QString &name, const QString &value)
{
    return write(name, value);
}

RegistryStatus Registry::writeBool(const QString &name, bool value)
{
    return write(name, qint32(value ? 1 : 0));
}

RegistryStatus Registry::deleteValue(const QString &name)
{
    if (!m_open)
        return noKeyOpen();
    return m_store.deleteValue(m_currentPath, name);
}

QStringList Registry::valueNames() const
{
    return m_open ? m_store.valueNames(m_currentPath) : QStringList();
}

QStringList Registry::subkeyNames() const
{
    return m_open ? m_store.subkeyNames(m_currentPath) : QStringList();
}

} // namespace talmo
