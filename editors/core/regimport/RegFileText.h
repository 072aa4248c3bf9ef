#pragma once

#include <QByteArray>
#include <QString>

namespace talmo {

// The text of a registry file, decoded once: UTF-16LE after the byte-order
// mark FF FE, else Windows-1252. It ends at the first NUL character, and CR LF
// reads as one line end.
struct RegFileText
{
    QString text;
    // An 8-bit file headed "REGEDIT4" holds its hex(2) and hex(7) text in
    // 8-bit characters; every other file holds it in UTF-16LE.
    bool eightBitHexText = false;

    static RegFileText decode(const QByteArray &bytes);
};

} // namespace talmo
