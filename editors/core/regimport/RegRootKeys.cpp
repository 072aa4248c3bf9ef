#include "editors/core/regimport/RegRootKeys.h"

#include <QHash>

#include <array>

namespace talmo {

namespace {

struct RootKey
{
    const char *name;
    quint32 value;
};

constexpr std::array<RootKey, 7> Roots = { {
    { "HKEY_CLASSES_ROOT", 0x80000000 },
    { "HKEY_CURRENT_USER", 0x80000001 },
    { "HKEY_LOCAL_MACHINE", 0x80000002 },
    { "HKEY_USERS", 0x80000003 },
    { "HKEY_PERFORMANCE_DATA", 0x80000004 },
    { "HKEY_CURRENT_CONFIG", 0x80000005 },
    { "HKEY_DYN_DATA", 0x80000006 },
} };

// Only ASCII letters fold, so no other script's case rules can make a root.
QString foldedName(QStringView name)
{
    QString folded;
    folded.reserve(name.size());
    for (const QChar c : name)
        folded.append(c >= u'A' && c <= u'Z' ? QChar(c.unicode() + ('a' - 'A')) : c);
    return folded;
}

const QHash<QString, quint32> &rootsByFoldedName()
{
    static const QHash<QString, quint32> roots = [] {
        QHash<QString, quint32> table;
        for (const RootKey &root : Roots)
            table.insert(foldedName(QString::fromLatin1(root.name)), root.value);
        return table;
    }();
    return roots;
}

} // namespace

std::optional<quint32> RegRootKeys::RootKeyFromName(QStringView name)
{
    const auto &roots = rootsByFoldedName();
    const auto found = roots.constFind(foldedName(name));
    if (found == roots.cend())
        return std::nullopt;
    return *found;
}

QString RegRootKeys::RootKeyName(quint32 rootKey)
{
    for (const RootKey &root : Roots) {
        if (root.value == rootKey)
            return QLatin1String(root.name);
    }
    return {};
}

} // namespace talmo
