#pragma once

#include "resources/ResourceDetails.h"

namespace talmo {

// A resource of 8-bit text, chosen by the factory when no registered class applies.
class TAnsiResourceDetails : public TResourceDetails
{
public:
    using TResourceDetails::TResourceDetails;
    // True when the first 1024 bytes are printable ASCII, tab, CR or LF.
    static bool AcceptsData(size_t size, const uint8_t *data);
    void InitEmpty() override;
};

// A resource of UTF-16 text; only the low byte of each character is tested.
class TUnicodeResourceDetails : public TResourceDetails
{
public:
    using TResourceDetails::TResourceDetails;
    static bool AcceptsData(size_t size, const uint8_t *data);
    void InitEmpty() override;
};

} // namespace talmo
