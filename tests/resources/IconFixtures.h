#pragma once

#include "resources/ByteView.h"

#include <vector>

namespace talmo::test {

// Hand-made icon and cursor files for the tests.
struct FixtureImage
{
    int Width;
    int Height;
    int BitCount;
    uint8_t Fill; // every byte of the colour table and colour bits
    uint16_t HotSpotX = 0;
    uint16_t HotSpotY = 0;
};

// The image bytes as a file stores them: a BITMAPINFOHEADER (image-size field
// set to sizeField), the colour table, the colour bits and the AND mask.
Bytes FixtureImageBytes(const FixtureImage &image, uint32_t sizeField = 0);

// An .ico (type 1) or .cur (type 2) file holding the images in order.
Bytes FixtureIconFile(const std::vector<FixtureImage> &images, uint16_t type = 1, uint32_t sizeField = 0);

} // namespace talmo::test
