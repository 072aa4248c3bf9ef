#pragma once

#include <QByteArray>
#include <QString>

namespace talmo {

// The .inf text as cabwiz reads it: UTF-16 little-endian after the byte-order
// mark, every line followed by CR LF. LF, CR LF and CR in the text all count as
// line ends; a text that ends with one gets no extra empty line.
QByteArray InfFileBytes(const QString &text);

// Writes InfFileBytes(text) to the file, replacing it only once everything is
// written. Raises BuildStepError naming the file when that fails.
void SaveInfFile(const QString &fileName, const QString &text);

} // namespace talmo
