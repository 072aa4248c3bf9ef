#pragma once

#include "resources/ByteView.h"

#include <array>

namespace talmo {

// The colour depths an icon, cursor or bitmap image can have.
enum class TPixelFormat {
    Custom = 0,
    Bits1 = 1,  // 2 colours
    Bits4 = 2,  // 16 colours
    Bits8 = 3,  // 256 colours
    Bits15 = 4, // 16 bits, 5 per colour
    Bits16 = 5, // 16 bits with colour masks
    Bits24 = 6,
    Bits32 = 7,
};

// 1, 4, 8, 16, 16, 24, 32; 0 for Custom.
int PixelFormatBitCount(TPixelFormat format);
// 2, 16, 256 for the palette formats; 0 otherwise.
int PixelFormatColourCount(TPixelFormat format);
// The format of the BITMAPINFOHEADER at the start of header; throws
// EInvalidGraphic "Pixel Format Not Valid for Icons or Cursors" for a bit count
// or compression an icon cannot have, and "Invalid Icon or Cursor" for a header
// that does not fit.
TPixelFormat PixelFormatOfHeader(const ByteView &header);

// The standard 16-colour palette as red, green, blue; 4-bit images without a
// palette of their own use it.
using TRgb = std::array<uint8_t, 3>;
const std::array<TRgb, 16> &StandardPalette16();

// The size of a BITMAPINFOHEADER.
constexpr size_t kBitmapInfoHeaderSize = 40;

} // namespace talmo
