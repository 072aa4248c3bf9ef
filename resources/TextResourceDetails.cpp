#include "resources/TextResourceDetails.h"

#include <algorithm>

namespace talmo {

namespace {

bool IsTextByte(uint8_t byte)
{
    return (byte >= 32 && byte <= 127) || byte == 9 || byte == 10 || byte == 13;
}

} // namespace

bool TAnsiResourceDetails::AcceptsData(size_t size, const uint8_t *data)
{
    if (size == 0)
        return false;
    const size_t tested = std::min<size_t>(size, 1024);
    return std::all_of(data, data + tested, IsTextByte);
}

void TAnsiResourceDetails::InitEmpty()
{
    Data().clear();
}

bool TUnicodeResourceDetails::AcceptsData(size_t size, const uint8_t *data)
{
    if (size <= 5)
        return false;
    const size_t characters = size / 2;
    // The end of a text often holds a terminator and padding, which are not tested.
    const size_t tested = characters > 1024 ? 1023 : characters - 2;
    for (size_t i = 0; i < tested; ++i) {
        if (!IsTextByte(data[2 * i]))
            return false;
    }
    return true;
}

void TUnicodeResourceDetails::InitEmpty()
{
    Data().clear();
}

} // namespace talmo
