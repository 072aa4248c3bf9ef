#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

// What the import asks of a registry: whether a key exists, and the subkeys a
// key-deletion line would remove. Importing never changes a registry.
class RegistryProbe
{
public:
    struct Key
    {
        int error = 0; // 0 when the key opened, 2 when it does not exist, else the system's error code
        QStringList subkeys;
    };

    virtual ~RegistryProbe() = default;
    virtual Key openKey(const QString &rootName, const QString &keyPath) const = 0;

    // This platform has no registry of the kind a registry file describes:
    // every key is missing.
    static const RegistryProbe &emptyRegistry();
};

} // namespace talmo
