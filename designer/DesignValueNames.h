#pragma once

#include "helpers/core/ComponentTextValue.h"

#include <optional>

namespace talmo {

// The identifiers of colours, cursors and character sets in page text.
// Writing names a value only when the installer's script declares that name
// too, since the script generator copies values into the setup script as
// they stand; any other value is written as a number. Reading accepts every
// identifier of the class library and any number.
class DesignValueNames
{
public:
    static ComponentTextValue colorValue(int color);
    static std::optional<int> readColor(const ComponentTextValue &value);
    static ComponentTextValue cursorValue(int cursor);
    static std::optional<int> readCursor(const ComponentTextValue &value);
    static ComponentTextValue charsetValue(int charset);
    static std::optional<int> readCharset(const ComponentTextValue &value);
};

} // namespace talmo
