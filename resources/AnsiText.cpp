#include "resources/AnsiText.h"

#include "platform/Windows1252.h"

namespace talmo {

std::string AnsiText::FromUtf16(const std::u16string &text)
{
    std::string result;
    result.reserve(text.size());
    for (char16_t character : text) {
        const int byte = windows1252::ByteOf(character);
        result += byte < 0 ? '?' : char(byte);
    }
    return result;
}

std::u16string AnsiText::ToUtf16(const std::string &text)
{
    std::u16string result;
    result.reserve(text.size());
    for (char byte : text)
        result += windows1252::CharacterOf(static_cast<unsigned char>(byte));
    return result;
}

} // namespace talmo
