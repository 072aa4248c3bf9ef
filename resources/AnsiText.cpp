#include "resources/AnsiText.h"

#include <array>

namespace talmo {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; 0 marks the five bytes the code page leaves
// undefined (they map to the control characters of the same value).
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

char16_t CharacterOfByte(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0 && kHighControls[byte - 0x80] != 0)
        return kHighControls[byte - 0x80];
    return byte;
}

char ByteOfCharacter(char16_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character < 0x100))
        return char(character);
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == character || (kHighControls[i] == 0 && character == 0x80 + i))
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

std::string AnsiText::FromUtf16(const std::u16string &text)
{
    std::string result;
    result.reserve(text.size());
    for (char16_t character : text)
        result += ByteOfCharacter(character);
    return result;
}

std::u16string AnsiText::ToUtf16(const std::string &text)
{
    std::u16string result;
    result.reserve(text.size());
    for (char byte : text)
        result += CharacterOfByte(static_cast<unsigned char>(byte));
    return result;
}

} // namespace talmo
