#include "IconFixtures.h"

namespace talmo::test {

Bytes FixtureImageBytes(const FixtureImage &image, uint32_t sizeField)
{
    const size_t colours = image.BitCount <= 8 ? size_t(1) << image.BitCount : 0;
    const size_t colourRow = AlignUp(size_t(image.Width) * size_t(image.BitCount), 32) / 8;
    const size_t maskRow = AlignUp(size_t(image.Width), 32) / 8;
    Bytes bytes;
    AppendU32(bytes, 40);
    AppendU32(bytes, uint32_t(image.Width));
    AppendU32(bytes, uint32_t(image.Height * 2));
    AppendU16(bytes, 1);
    AppendU16(bytes, uint16_t(image.BitCount));
    AppendU32(bytes, 0);
    AppendU32(bytes, sizeField);
    AppendZeros(bytes, 16);
    bytes.insert(bytes.end(), 4 * colours + colourRow * size_t(image.Height), image.Fill);
    AppendZeros(bytes, maskRow * size_t(image.Height));
    return bytes;
}

Bytes FixtureIconFile(const std::vector<FixtureImage> &images, uint16_t type, uint32_t sizeField)
{
    Bytes file;
    AppendU16(file, 0);
    AppendU16(file, type);
    AppendU16(file, uint16_t(images.size()));
    Bytes data;
    const size_t first = 6 + 16 * images.size();
    for (const FixtureImage &image : images) {
        const Bytes bytes = FixtureImageBytes(image, sizeField);
        AppendU8(file, uint8_t(image.Width));
        AppendU8(file, uint8_t(image.Height));
        AppendU8(file, uint8_t(image.BitCount <= 4 ? 1 << image.BitCount : 0));
        AppendU8(file, 0);
        AppendU16(file, type == 2 ? image.HotSpotX : 1);
        AppendU16(file, type == 2 ? image.HotSpotY : uint16_t(image.BitCount));
        AppendU32(file, uint32_t(bytes.size()));
        AppendU32(file, uint32_t(first + data.size()));
        AppendBytes(data, bytes);
    }
    AppendBytes(file, data);
    return file;
}

} // namespace talmo::test
