#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace talmo {

// Registry data written as the text a TRegistryEntry keeps.
namespace RegValueText {

// Every byte as two upper-case hex digits, joined by ",": "0A,FF".
QString binary(const QByteArray &bytes);
// The 32 bits read as a signed number: 0xffffffff is "-1".
QString dword(quint32 value);
// Every string in double quotes, inner quotes doubled, joined by ",":
// "one","two" — the way an .inf line separates the strings of one value.
QString multiString(const QStringList &strings);

} // namespace RegValueText

} // namespace talmo
