#pragma once

#include "editors/core/regimport/RegImportEvent.h"

namespace talmo {

// An imported value's data read as its type. hex(1) and hex(4) lists carry
// only their bytes: they are read as UTF-16LE text up to the first zero and
// as a little-endian number.
QString importedText(const RegImportEvent &event);
quint32 importedNumber(const RegImportEvent &event);
// Every string of a multi-string value.
QStringList importedStrings(const RegImportEvent &event);
// A default value without data, or an empty string as default: nothing to write.
bool IsEmptyDefaultValue(const RegImportEvent &event);

} // namespace talmo
