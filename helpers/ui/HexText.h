#pragma once

#include <QByteArray>
#include <QString>

namespace talmo {

// Two upper-case hexadecimal digits per byte, high digit first, or low digit
// first when swapNibbles is set (0x0A gives "0A", swapped "A0").
QString BytesToHex(const QByteArray &bytes, bool swapNibbles);

} // namespace talmo
