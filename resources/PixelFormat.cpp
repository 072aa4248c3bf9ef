#include "resources/PixelFormat.h"

#include "resources/ResourceErrors.h"

namespace talmo {

int PixelFormatBitCount(TPixelFormat format)
{
    switch (format) {
    case TPixelFormat::Bits1: return 1;
    case TPixelFormat::Bits4: return 4;
    case TPixelFormat::Bits8: return 8;
    case TPixelFormat::Bits15:
    case TPixelFormat::Bits16: return 16;
    case TPixelFormat::Bits24: return 24;
    case TPixelFormat::Bits32: return 32;
    case TPixelFormat::Custom: break;
    }
    return 0;
}

int PixelFormatColourCount(TPixelFormat format)
{
    switch (format) {
    case TPixelFormat::Bits1: return 2;
    case TPixelFormat::Bits4: return 16;
    case TPixelFormat::Bits8: return 256;
    default: return 0;
    }
}

const std::array<TRgb, 16> &StandardPalette16()
{
    static const std::array<TRgb, 16> palette = {{
        {0x00, 0x00, 0x00}, {0x80, 0x00, 0x00}, {0x00, 0x80, 0x00}, {0x80, 0x80, 0x00},
        {0x00, 0x00, 0x80}, {0x80, 0x00, 0x80}, {0x00, 0x80, 0x80}, {0xC0, 0xC0, 0xC0},
        {0x80, 0x80, 0x80}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00},
        {0x00, 0x00, 0xFF}, {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF},
    }};
    return palette;
}

TPixelFormat PixelFormatOfHeader(const ByteView &header)
{
    if (!header.Contains(0, kBitmapInfoHeaderSize))
        throw EInvalidGraphic("Invalid Icon or Cursor");
    const uint16_t bitCount = header.U16(14);
    const uint32_t compression = header.U32(16);
    switch (bitCount) {
    case 1: return TPixelFormat::Bits1;
    case 4: return TPixelFormat::Bits4;
    case 8: return TPixelFormat::Bits8;
    case 16:
        if (compression == 0)
            return TPixelFormat::Bits15;
        if (compression == 3)
            return TPixelFormat::Bits16;
        break;
    case 24: return TPixelFormat::Bits24;
    case 32: return TPixelFormat::Bits32;
    }
    throw EInvalidGraphic("Pixel Format Not Valid for Icons or Cursors");
}

} // namespace talmo
