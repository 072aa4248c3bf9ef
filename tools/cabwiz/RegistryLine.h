#pragma once

#include "tools/cabwiz/CabPlan.h"
#include "tools/cabwiz/InfDocument.h"

namespace talmo::cabwiz {

class StringTable;

// Reads one AddReg line: "root,subkey,value name,flags,value". The flags carry
// the type (0x00000000 string, 0x00010000 multi-string, 0x00000001 binary,
// 0x00010001 DWORD) and 0x00000002 for "keep an existing value". Throws
// InfError located at the line; sets warning for a value it had to assume.
RegistryValue parseRegistryLine(const InfLine &line, const QString &section, const StringTable &strings,
                                QString *warning);

} // namespace talmo::cabwiz
