#include "platform/AnsiCodec.h"

#include <array>

namespace talmo {

namespace {
// Unicode code points of bytes 0x80..0x9F; 0 marks the five undefined bytes.
constexpr std::array<char16_t, 32> kHighControlBlock = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

int byteFor(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return unit;
    // The five undefined bytes travel as the C1 controls of the same value.
    if (unit < 0xA0 && kHighControlBlock[unit - 0x80] == 0)
        return unit;
    for (int i = 0; i < int(kHighControlBlock.size()); ++i) {
        if (kHighControlBlock[i] == unit && unit != 0)
            return 0x80 + i;
    }
    return -1;
}
} // namespace

QByteArray AnsiCodec::encode(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i; // one character, one "?"
        const int b = byteFor(c.unicode());
        bytes.append(b < 0 ? '?' : char(b));
    }
    return bytes;
}

QString AnsiCodec::decode(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char ch : bytes) {
        const unsigned char b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0 && kHighControlBlock[b - 0x80] != 0)
            text.append(QChar(kHighControlBlock[b - 0x80]));
        else
            text.append(QChar(b));
    }
    return text;
}

bool AnsiCodec::canEncode(const QString &text)
{
    for (const QChar c : text) {
        if (byteFor(c.unicode()) < 0)
            return false;
    }
    return true;
}

} // namespace talmo
