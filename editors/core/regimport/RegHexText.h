#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace talmo {

// The text inside hex(2) and hex(7) byte lists: UTF-16LE, or 8-bit
// Windows-1252 in an 8-bit "REGEDIT4" file. Reading stops at the data's end
// even when the final zero is missing; an odd last byte of UTF-16 is dropped.
class RegHexText
{
public:
    explicit RegHexText(bool eightBit) : m_eightBit(eightBit) { }

    // The text up to its first zero character.
    QString string(const QByteArray &bytes) const;
    // Every string of a list, up to the empty string that ends it.
    QStringList strings(const QByteArray &bytes) const;

private:
    QString characters(const QByteArray &bytes) const;

    bool m_eightBit;
};

} // namespace talmo
