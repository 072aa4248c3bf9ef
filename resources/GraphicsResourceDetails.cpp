#include "resources/GraphicsResourceDetails.h"

#include "resources/ResourceErrors.h"

namespace talmo {

namespace {

constexpr size_t kBitmapFileHeaderSize = 14;

[[noreturn]] void InvalidBitmap()
{
    throw EInvalidGraphic("Invalid Bitmap");
}

// An empty 32 x 32 image at 4 bits without a colour table.
Bytes EmptyBitmap()
{
    constexpr int kSize = 32;
    constexpr int kRowBytes = kSize * 4 / 8;
    Bytes bytes;
    AppendU32(bytes, kBitmapInfoHeaderSize);
    AppendU32(bytes, kSize);
    AppendU32(bytes, kSize);
    AppendU16(bytes, 1);
    AppendU16(bytes, 4);
    AppendZeros(bytes, 24);
    AppendZeros(bytes, kRowBytes * kSize);
    return bytes;
}

} // namespace

std::string TBitmapResourceDetails::ClassResourceType()
{
    return "2";
}

void TBitmapResourceDetails::InitEmpty()
{
    Data() = EmptyBitmap();
}

size_t TBitmapResourceDetails::HeaderOffset() const
{
    return 0;
}

ByteView TBitmapResourceDetails::Header() const
{
    const ByteView data(Data(), InvalidBitmap);
    return data.Sub(HeaderOffset(), kBitmapInfoHeaderSize);
}

int TBitmapResourceDetails::Width() const
{
    return int(Header().U32(4));
}

int TBitmapResourceDetails::Height() const
{
    return int(Header().U32(8));
}

TPixelFormat TBitmapResourceDetails::PixelFormat() const
{
    return PixelFormatOfHeader(Header());
}

std::string TDIBResourceDetails::ClassResourceType()
{
    return "DIB";
}

bool TDIBResourceDetails::AcceptsData(size_t size, const uint8_t *data)
{
    const ByteView file(data, size, InvalidBitmap);
    if (!file.Contains(0, kBitmapFileHeaderSize + 4))
        return false;
    const uint32_t infoSize = file.U32(kBitmapFileHeaderSize);
    return file.U8(0) == 'B' && file.U8(1) == 'M' && file.U16(6) == 0 && file.U16(8) == 0
        && (infoSize == 40 || infoSize == 108 || infoSize == 124);
}

void TDIBResourceDetails::InitEmpty()
{
    const Bytes image = EmptyBitmap();
    Bytes &data = Data();
    data.clear();
    AppendU8(data, 'B');
    AppendU8(data, 'M');
    AppendU32(data, uint32_t(kBitmapFileHeaderSize + image.size()));
    AppendU32(data, 0);
    AppendU32(data, uint32_t(kBitmapFileHeaderSize + kBitmapInfoHeaderSize));
    AppendBytes(data, image);
}

size_t TDIBResourceDetails::HeaderOffset() const
{
    return kBitmapFileHeaderSize;
}

} // namespace talmo
