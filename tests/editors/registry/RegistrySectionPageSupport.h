#pragma once

#include "model/RegistrySection.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace talmo::testing {

// Every entry as root|subkey|name|type|value|overwrite (1 or 0).
inline QStringList entryLines(const TRegistrySection &section)
{
    QStringList lines;
    for (const TRegistryEntry &entry : section.Entries) {
        lines.append(QStringList{entry.registry_root_string, entry.subkey, entry.value_name, entry.flags, entry.value,
                                 entry.overwrite ? QStringLiteral("1") : QStringLiteral("0")}
                         .join(u'|'));
    }
    return lines;
}

// A registry file with every kind of value, its key lines, an empty default
// string and a deletion, in an ANSI .reg and a UTF-16 .rgu spelling.
namespace RegistryFixture {

inline QString Text()
{
    return QStringLiteral("Windows Registry Editor Version 5.00\r\n"
                          "\r\n"
                          "[HKEY_LOCAL_MACHINE\\Software\\Demo]\r\n"
                          "@=\"\"\r\n"
                          "\"Name\"=\"Demo \\\"App\\\"\"\r\n"
                          "\"Count\"=dword:ffffffff\r\n"
                          "\"Blob\"=hex:0a,ff\r\n"
                          "\"Path\"=hex(2):25,00,43,00,45,00,31,00,25,00,00,00\r\n"
                          "\"List\"=hex(7):6f,00,6e,00,65,00,00,00,22,00,74,00,22,00,00,00,00,00\r\n"
                          "\"Gone\"=-\r\n"
                          "\r\n"
                          "[HKEY_USERS\\.DEFAULT]\r\n"
                          "\"a\"=\"1\"\r\n"
                          "\"b\"=\"2\"\r\n"
                          "\"c\"=dword:00000010\r\n");
}

inline QByteArray AnsiFile()
{
    return Text().toLatin1();
}

inline QByteArray Utf16File()
{
    QByteArray bytes("\xff\xfe");
    for (const QChar c : Text()) {
        bytes.append(char(c.unicode() & 0xff));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

inline QStringList Entries(bool noOverwrite)
{
    QStringList entries{
        "HKEY_LOCAL_MACHINE|Software\\Demo|Name|TYPE_SZ|Demo \"App\"",
        "HKEY_LOCAL_MACHINE|Software\\Demo|Count|TYPE_DWORD|-1",
        "HKEY_LOCAL_MACHINE|Software\\Demo|Blob|TYPE_BINARY|0A,FF",
        "HKEY_LOCAL_MACHINE|Software\\Demo|Path|TYPE_SZ|%CE1%",
        "HKEY_LOCAL_MACHINE|Software\\Demo|List|TYPE_MULTI_SZ|\"one\",\"\"\"t\"\"\"",
        "HKEY_USERS|.DEFAULT|a|TYPE_SZ|1",
        "HKEY_USERS|.DEFAULT|b|TYPE_SZ|2",
        "HKEY_USERS|.DEFAULT|c|TYPE_DWORD|16",
    };
    for (QString &entry : entries)
        entry += noOverwrite ? QStringLiteral("|1") : QStringLiteral("|0");
    return entries;
}

} // namespace RegistryFixture

} // namespace talmo::testing
