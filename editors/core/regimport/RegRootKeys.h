#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace talmo {

// The predefined root keys a registry file may name, matched ignoring the
// case of ASCII letters. Abbreviations such as HKLM are not roots.
class RegRootKeys
{
public:
    static std::optional<quint32> RootKeyFromName(QStringView name);
    // The standard spelling of a root key, or an empty string.
    static QString RootKeyName(quint32 rootKey);
};

} // namespace talmo
