#pragma once

#include "platform/Registry.h"

namespace talmo {

// Settings readers that never fail: a value that is missing, of the other
// type or unreadable gives the caller's default. The caller has opened the key.
qint32 RegReadIntegerDef(const Registry &registry, const QString &name, qint32 defaultValue);
QString RegReadWideStringDef(const Registry &registry, const QString &name, const QString &defaultValue);
bool RegReadBoolDef(const Registry &registry, const QString &name, bool defaultValue);

} // namespace talmo
