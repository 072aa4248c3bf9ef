#include "platform/RegistryReaders.h"

namespace talmo {

qint32 RegReadIntegerDef(const Registry &registry, const QString &name, qint32 defaultValue)
{
    return registry.readInteger(name).value_or(defaultValue);
}

QString RegReadWideStringDef(const Registry &registry, const QString &name, const QString &defaultValue)
{
    return registry.readString(name).value_or(defaultValue);
}

bool RegReadBoolDef(const Registry &registry, const QString &name, bool defaultValue)
{
    return registry.readBool(name).value_or(defaultValue);
}

} // namespace talmo
