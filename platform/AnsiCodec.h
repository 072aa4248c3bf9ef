#pragma once

#include <QByteArray>
#include <QString>

namespace talmo {

// The 8-bit text of the files and programs Talmo talks to (.lnk, ActiveSync
// .ini, resource names, script lines for the compiler) is Windows-1252.
// Characters it cannot hold become "?".
class AnsiCodec
{
public:
    static QByteArray encode(const QString &text);
    static QString decode(const QByteArray &bytes);
    // True when every character of text survives encode/decode unchanged.
    static bool canEncode(const QString &text);
};

} // namespace talmo
