#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

struct TRegistryEntry;

// A key of a device registry section as the section editor's tree shows it:
// the root key's name, then one name per level below it. Its text puts a
// backslash after every name ("HKEY_LOCAL_MACHINE\Software\App\"). A value
// stored directly under a root (empty subkey) lives in the unnamed key below
// that root, so a root alone never holds values.
class RegistryKeyPath
{
public:
    RegistryKeyPath() = default;
    explicit RegistryKeyPath(QStringList names);
    // The key holding the entry: its root, then its subkey split at every backslash.
    static RegistryKeyPath of(const TRegistryEntry &entry);

    const QStringList &names() const { return m_names; }
    bool isEmpty() const { return m_names.isEmpty(); }
    bool isRoot() const { return m_names.size() == 1; }
    QString text() const;
    // The entry fields: the first name, and the others joined by backslashes.
    QString root() const;
    QString subkey() const;

    // The same key with its own (last) name replaced.
    RegistryKeyPath renamed(const QString &name) const;
    // The entry is a value of this key.
    bool holds(const TRegistryEntry &entry) const;
    // The entry is a value of this key or of a key below it.
    bool covers(const TRegistryEntry &entry) const;

    bool operator==(const RegistryKeyPath &) const = default;

private:
    QStringList m_names;
};

} // namespace talmo
