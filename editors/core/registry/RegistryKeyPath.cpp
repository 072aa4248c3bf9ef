#include "editors/core/registry/RegistryKeyPath.h"

#include "model/RegistrySection.h"

namespace talmo {

namespace {

const QChar Separator = u'\\';

QString pathText(const TRegistryEntry &entry)
{
    return entry.registry_root_string + Separator + entry.subkey + Separator;
}

} // namespace

RegistryKeyPath::RegistryKeyPath(QStringList names)
    : m_names(std::move(names))
{
}

RegistryKeyPath RegistryKeyPath::of(const TRegistryEntry &entry)
{
    return RegistryKeyPath(QStringList{entry.registry_root_string} + entry.subkey.split(Separator));
}

QString RegistryKeyPath::text() const
{
    QString text;
    for (const QString &name : m_names)
        text += name + Separator;
    return text;
}

QString RegistryKeyPath::root() const
{
    return m_names.value(0);
}

QString RegistryKeyPath::subkey() const
{
    return m_names.mid(1).join(Separator);
}

RegistryKeyPath RegistryKeyPath::renamed(const QString &name) const
{
    QStringList names = m_names;
    if (!names.isEmpty())
        names.last() = name;
    return RegistryKeyPath(names);
}

bool RegistryKeyPath::holds(const TRegistryEntry &entry) const
{
    return !isEmpty() && pathText(entry) == text();
}

bool RegistryKeyPath::covers(const TRegistryEntry &entry) const
{
    return !isEmpty() && pathText(entry).startsWith(text());
}

} // namespace talmo
