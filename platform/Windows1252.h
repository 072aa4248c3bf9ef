#pragma once

#include <array>

namespace talmo::windows1252 {

// Plain C++ on purpose: the Qt-free resource code shares this table with the
// Qt codec, so the two can never disagree about a byte.

// Unicode code points of bytes 0x80..0x9F; 0 marks the five undefined bytes.
inline constexpr std::array<char16_t, 32> HighControlBlock = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

// The byte of one UTF-16 unit, or -1 when the code page cannot hold it.
constexpr int ByteOf(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return unit;
    // The five undefined bytes travel as the C1 controls of the same value.
    if (unit < 0xA0 && HighControlBlock[unit - 0x80] == 0)
        return unit;
    for (int i = 0; i < int(HighControlBlock.size()); ++i) {
        if (HighControlBlock[i] == unit)
            return 0x80 + i;
    }
    return -1;
}

constexpr char16_t CharacterOf(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0 && HighControlBlock[byte - 0x80] != 0)
        return HighControlBlock[byte - 0x80];
    return byte;
}

} // namespace talmo::windows1252
