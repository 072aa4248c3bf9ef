#include "IconFixtures.h"
#include "TestFiles.h"

#include "resources/ExIconCursor.h"
#include "resources/ResourceErrors.h"

#include <gtest/gtest.h>

namespace talmo {
namespace {

using test::FixtureIconFile;
using test::FixtureImage;
using test::FixtureImageBytes;

const std::vector<FixtureImage> kThreeImages = {{16, 16, 4, 0x11}, {32, 32, 4, 0x22}, {32, 32, 8, 0x33}};

TEST(ExIcon, LoadsEveryImageWithItsBytesAndTheSizeFieldCleared)
{
    TExIcon icon;
    icon.LoadFromBytes(FixtureIconFile(kThreeImages, 1, 0x1234));
    ASSERT_EQ(icon.ImageCount(), 3);
    const std::vector<TPixelFormat> formats = {TPixelFormat::Bits4, TPixelFormat::Bits4, TPixelFormat::Bits8};
    for (int i = 0; i < 3; ++i) {
        const TExIconImage &image = icon.Images(i);
        EXPECT_EQ(image.Data, FixtureImageBytes(kThreeImages[size_t(i)], 0)) << i;
        EXPECT_EQ(image.Width, kThreeImages[size_t(i)].Width);
        EXPECT_EQ(image.Height, kThreeImages[size_t(i)].Height);
        EXPECT_EQ(image.PixelFormat, formats[size_t(i)]);
    }
    EXPECT_EQ(icon.CurrentImage(), 0);
    EXPECT_EQ(icon.Width(), 16);
    EXPECT_THROW(icon.Images(3), EListIndexError);
}

TEST(ExIcon, SavesTheFileItLoaded)
{
    const Bytes file = FixtureIconFile(kThreeImages);
    TExIcon icon;
    icon.LoadFromBytes(file);
    // The writer puts 16 and 0 for a 4-bit image's colour count and bit count,
    // 0 and 8 for an 8-bit one; the fixture writes the bit count for both.
    Bytes expected = file;
    for (size_t entry : {6u, 22u})
        PutU16(expected, entry + 6, 0);
    EXPECT_EQ(icon.SaveToBytes(), expected);
}

TEST(ExIcon, ImageOf256PixelsKeepsSizeZero)
{
    TExIcon icon;
    icon.LoadFromBytes(FixtureIconFile({{0, 0, 1, 0}}));
    EXPECT_EQ(icon.Width(), 0);
    EXPECT_EQ(icon.Height(), 0);
    EXPECT_EQ(icon.PixelFormat(), TPixelFormat::Bits1);
}

TEST(ExCursor, LoadsHotSpotsAndSavesACursorFile)
{
    const Bytes file = FixtureIconFile({{32, 32, 1, 0x44, 5, 7}}, 2);
    TExCursor cursor;
    cursor.LoadFromBytes(file);
    ASSERT_EQ(cursor.ImageCount(), 1);
    const Bytes expectedData = test::Concat({test::Le16({5, 7}), FixtureImageBytes({32, 32, 1, 0x44})});
    EXPECT_EQ(cursor.Images(0).Data, expectedData);
    EXPECT_EQ(cursor.PixelFormat(), TPixelFormat::Bits1);
    EXPECT_EQ(cursor.SaveToBytes(), file);
}

TEST(ExIconCursor, RefusesDamagedFiles)
{
    const Bytes good = FixtureIconFile({{16, 16, 4, 0x11}});
    auto patched = [&](size_t offset, uint32_t value, int width) {
        Bytes bytes = good;
        if (width == 2)
            PutU16(bytes, offset, uint16_t(value));
        else
            PutU32(bytes, offset, value);
        return bytes;
    };
    Bytes png = good;
    const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    std::copy(signature.begin(), signature.end(), png.begin() + 22);
    Bytes rle16 = FixtureIconFile({{16, 16, 16, 0}});
    PutU32(rle16, 22 + 16, 1);
    struct Case
    {
        std::string what;
        Bytes file;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"empty", {}, "Invalid Icon or Cursor"},
        {"header only in part", {0, 0, 1}, "Invalid Icon or Cursor"},
        {"cursor type", patched(2, 2, 2), "Invalid Icon or Cursor"},
        {"no images", patched(4, 0, 2), "Invalid Icon or Cursor"},
        {"more entries than the file holds", patched(4, 40, 2), "Invalid Icon or Cursor"},
        {"image beyond the end", patched(18, 0x10000, 4), "Invalid Icon or Cursor"},
        {"image size beyond the end", patched(14, 0xFFFFFFFF, 4), "Invalid Icon or Cursor"},
        {"image shorter than its header", patched(14, 20, 4), "Invalid Icon or Cursor"},
        {"bit count 3", patched(22 + 14, 3, 2), "Pixel Format Not Valid for Icons or Cursors"},
        {"16 bits run-length coded", rle16, "Pixel Format Not Valid for Icons or Cursors"},
        {"compressed image", png, "Pixel Format Not Valid for Icons or Cursors"},
        {"truncated", Bytes(good.begin(), good.end() - 1), "Invalid Icon or Cursor"},
    };
    for (const Case &c : cases) {
        TExIcon icon;
        try {
            icon.LoadFromBytes(c.file);
            ADD_FAILURE() << c.what << " was accepted";
        } catch (const EInvalidGraphic &error) {
            EXPECT_EQ(error.what(), c.message) << c.what;
        }
        EXPECT_EQ(icon.ImageCount(), 1) << c.what << ": a failed load keeps the images";
    }
}

TEST(ExIconCursor, IconAndCursorFilesAreNotInterchangeable)
{
    TExIcon icon;
    try {
        icon.LoadFromBytes(FixtureIconFile({{32, 32, 1, 0}}, 2));
        FAIL();
    } catch (const EInvalidGraphic &error) {
        EXPECT_STREQ(error.what(), "Invalid Icon or Cursor");
    }
    TExCursor cursor;
    try {
        cursor.LoadFromBytes(FixtureIconFile({{32, 32, 1, 0}}, 1));
        FAIL();
    } catch (const EInvalidGraphic &error) {
        EXPECT_STREQ(error.what(), "Invalid cursor");
    }
}

TEST(ExIconCursor, SaveRefusesWhatAnIconFileCannotHold)
{
    TExIcon icon;
    TExIconImage wide = {true, FixtureImageBytes({16, 16, 4, 0}), 300, 16, TPixelFormat::Bits4};
    icon.SetImages({wide});
    EXPECT_THROW(icon.SaveToBytes(), EInvalidGraphic);
    TExIconImage rgb555 = {true, FixtureImageBytes({16, 16, 16, 0}), 16, 16, TPixelFormat::Bits15};
    icon.SetImages({rgb555});
    EXPECT_THROW(icon.SaveToBytes(), EInvalidGraphic);
}

} // namespace
} // namespace talmo
