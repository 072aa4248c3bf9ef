#pragma once

#include <string>

namespace talmo {

// Resource types and names are 8-bit texts in the system ANSI code page
// (Windows-1252 here); the PE file stores them as UTF-16.
class AnsiText
{
public:
    // UTF-16 text to 8-bit text; a character the code page cannot hold becomes "?".
    static std::string FromUtf16(const std::u16string &text);
    static std::u16string ToUtf16(const std::string &text);
};

} // namespace talmo
