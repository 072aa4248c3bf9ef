#include "resources/ExIconCursor.h"

#include "resources/ResourceErrors.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace talmo {

namespace {

constexpr size_t kFileHeaderSize = 6;
constexpr size_t kDirectoryEntrySize = 16;
constexpr uint16_t kIconFileType = 1;
constexpr uint16_t kCursorFileType = 2;

[[noreturn]] void InvalidIconOrCursor()
{
    throw EInvalidGraphic("Invalid Icon or Cursor");
}

struct EntryDepth
{
    uint8_t colourCount;
    uint16_t bitCount;
};

EntryDepth DepthOfFormat(TPixelFormat format)
{
    switch (format) {
    case TPixelFormat::Bits1: return {2, 0};
    case TPixelFormat::Bits4: return {16, 0};
    case TPixelFormat::Bits8: return {0, 8};
    case TPixelFormat::Bits16: return {0, 16};
    case TPixelFormat::Bits24: return {0, 24};
    case TPixelFormat::Bits32: return {0, 32};
    default: InvalidIconOrCursor();
    }
}

uint8_t EntrySize(int size)
{
    if (size < 0 || size > 255)
        InvalidIconOrCursor();
    return uint8_t(size);
}

} // namespace

TExIconCursor::TExIconCursor(bool isIcon, int size, TPixelFormat format)
    : m_isIcon(isIcon)
{
    TExIconImage empty;
    empty.IsIcon = isIcon;
    empty.Width = size;
    empty.Height = size;
    empty.PixelFormat = format;
    m_images.push_back(empty);
}

TExIconCursor::~TExIconCursor() = default;

const TExIconImage &TExIconCursor::Images(int index) const
{
    if (index < 0 || index >= ImageCount())
        throw EListIndexError(index);
    return m_images[size_t(index)];
}

void TExIconCursor::SetCurrentImage(int index)
{
    Images(index);
    m_currentImage = index;
}

void TExIconCursor::SetImages(std::vector<TExIconImage> images)
{
    if (images.empty())
        InvalidIconOrCursor();
    for (TExIconImage &image : images)
        image.IsIcon = m_isIcon;
    m_images = std::move(images);
    m_currentImage = 0;
}

void TExIconCursor::LoadFromBytes(const Bytes &bytes)
{
    const ByteView file(bytes, InvalidIconOrCursor);
    const uint16_t type = file.U16(2);
    const uint16_t count = file.U16(4);
    if (m_isIcon && type != kIconFileType)
        InvalidIconOrCursor();
    if (!m_isIcon && type != kCursorFileType)
        throw EInvalidGraphic("Invalid cursor");
    if (count == 0)
        InvalidIconOrCursor();

    std::vector<TExIconImage> images;
    for (size_t i = 0; i < count; ++i) {
        const size_t entry = kFileHeaderSize + i * kDirectoryEntrySize;
        TExIconImage image;
        image.IsIcon = m_isIcon;
        image.Width = file.U8(entry);
        image.Height = file.U8(entry + 1);
        if (!m_isIcon) {
            AppendU16(image.Data, file.U16(entry + 4));
            AppendU16(image.Data, file.U16(entry + 6));
        }
        const uint32_t imageSize = file.U32(entry + 8);
        const uint32_t imageOffset = file.U32(entry + 12);
        const ByteView bitmap = file.Sub(imageOffset, imageSize);
        image.PixelFormat = PixelFormatOfHeader(bitmap);
        const size_t header = image.Data.size();
        AppendBytes(image.Data, bitmap.Slice(0, imageSize));
        // The directory entry holds the true size; the header's own size
        // field is cleared, which is valid for the uncompressed images icons hold.
        PutU32(image.Data, header + 20, 0);
        images.push_back(std::move(image));
    }
    m_images = std::move(images);
    m_currentImage = 0;
}

void TExIconCursor::LoadFromStream(std::istream &stream)
{
    const Bytes bytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    LoadFromBytes(bytes);
}

void TExIconCursor::LoadFromFile(const std::filesystem::path &fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        throw EOSError("Cannot open file \"" + fileName.string() + "\"");
    LoadFromStream(in);
}

Bytes TExIconCursor::SaveToBytes() const
{
    Bytes directory;
    Bytes images;
    AppendU16(directory, 0);
    AppendU16(directory, m_isIcon ? kIconFileType : kCursorFileType);
    AppendU16(directory, uint16_t(m_images.size()));
    const size_t firstImage = kFileHeaderSize + kDirectoryEntrySize * m_images.size();
    for (const TExIconImage &image : m_images) {
        const EntryDepth depth = DepthOfFormat(image.PixelFormat);
        const size_t skipped = image.HeaderOffset();
        const size_t size = image.Data.size() > skipped ? image.Data.size() - skipped : 0;
        AppendU8(directory, EntrySize(image.Width));
        AppendU8(directory, EntrySize(image.Height));
        AppendU8(directory, depth.colourCount);
        AppendU8(directory, 0);
        if (m_isIcon || image.Data.size() < skipped) {
            AppendU16(directory, 1);
            AppendU16(directory, depth.bitCount);
        } else {
            AppendU16(directory, GetU16(image.Data, 0));
            AppendU16(directory, GetU16(image.Data, 2));
        }
        AppendU32(directory, uint32_t(size));
        AppendU32(directory, uint32_t(firstImage + images.size()));
        images.insert(images.end(), image.Data.begin() + std::ptrdiff_t(image.Data.size() - size), image.Data.end());
    }
    AppendBytes(directory, images);
    return directory;
}

void TExIconCursor::SaveToStream(std::ostream &stream) const
{
    const Bytes bytes = SaveToBytes();
    stream.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
}

void TExIconCursor::SaveToFile(const std::filesystem::path &fileName) const
{
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    SaveToStream(out);
    out.close();
    if (!out)
        throw EOSError("Cannot write file \"" + fileName.string() + "\"");
}

TExIcon::TExIcon()
    : TExIconCursor(true, 32, TPixelFormat::Bits4)
{
}

TExCursor::TExCursor()
    : TExIconCursor(false, 32, TPixelFormat::Bits1)
{
}

} // namespace talmo
