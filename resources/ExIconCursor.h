#pragma once

#include "resources/ByteView.h"
#include "resources/PixelFormat.h"

#include <filesystem>
#include <iosfwd>
#include <vector>

namespace talmo {

// One image of an icon or cursor. Data holds the image as an icon file stores
// it (a BITMAPINFOHEADER whose height counts colour bits and mask together, the
// colour table or masks, the colour bits and the AND mask); a cursor image is
// preceded by its hot spot, x and y as 16 bits each.
struct TExIconImage
{
    bool IsIcon = true;
    Bytes Data;
    int Width = 0;
    int Height = 0;
    TPixelFormat PixelFormat = TPixelFormat::Custom;

    // Where the BITMAPINFOHEADER starts in Data.
    size_t HeaderOffset() const { return IsIcon ? 0 : 4; }
};

// An icon or cursor with any number of images of any colour depth, read from
// and written to .ico and .cur files without changing the image bytes.
class TExIconCursor
{
public:
    virtual ~TExIconCursor();

    int ImageCount() const { return int(m_images.size()); }
    // Throws EListIndexError for an index outside the images.
    const TExIconImage &Images(int index) const;

    int CurrentImage() const { return m_currentImage; }
    void SetCurrentImage(int index);
    int Width() const { return Images(m_currentImage).Width; }
    int Height() const { return Images(m_currentImage).Height; }
    TPixelFormat PixelFormat() const { return Images(m_currentImage).PixelFormat; }

    // Reads an icon file (TExIcon) or cursor file (TExCursor); bad bytes throw
    // EInvalidGraphic and leave the images as they were.
    void LoadFromStream(std::istream &stream);
    void LoadFromBytes(const Bytes &bytes);
    void LoadFromFile(const std::filesystem::path &fileName);
    void SaveToStream(std::ostream &stream) const;
    Bytes SaveToBytes() const;
    void SaveToFile(const std::filesystem::path &fileName) const;

    // Replaces the images; a cursor image's data starts with its hot spot.
    void SetImages(std::vector<TExIconImage> images);

protected:
    TExIconCursor(bool isIcon, int size, TPixelFormat format);

private:
    bool m_isIcon;
    std::vector<TExIconImage> m_images;
    int m_currentImage = 0;
};

class TExIcon : public TExIconCursor
{
public:
    // One empty 32 x 32 image of 16 colours.
    TExIcon();
};

class TExCursor : public TExIconCursor
{
public:
    // One empty 32 x 32 image of 2 colours.
    TExCursor();
};

} // namespace talmo
