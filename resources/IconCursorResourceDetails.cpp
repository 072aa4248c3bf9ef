#include "resources/IconCursorResourceDetails.h"

#include "resources/ExIconCursor.h"
#include "resources/ResourceErrors.h"
#include "resources/ResourceModule.h"

#include <algorithm>
#include <array>

namespace talmo {

namespace {

constexpr size_t kGroupHeaderSize = 6;
constexpr size_t kGroupEntrySize = 14;
constexpr size_t kEntryImageIdOffset = 12;
constexpr int kGroupToImageType = 11;

[[noreturn]] void InvalidIconOrCursor()
{
    throw EInvalidGraphic("Invalid Icon or Cursor");
}

bool IsGroupOf(const TResourceDetails &group, const TResourceDetails &image)
{
    const long long imageType = ResourceIdValue(image.ResourceType());
    return imageType >= 0 && imageType + kGroupToImageType == ResourceIdValue(group.ResourceType());
}

// Sets a flag for the lifetime of the guard, also when an error passes.
class FlagGuard
{
public:
    explicit FlagGuard(bool &flag) : m_flag(flag) { m_flag = true; }
    ~FlagGuard() { m_flag = false; }

private:
    bool &m_flag;
};

} // namespace

std::string TIconResourceDetails::ClassResourceType()
{
    return "3";
}

std::string TCursorResourceDetails::ClassResourceType()
{
    return "1";
}

std::string TIconGroupResourceDetails::ClassResourceType()
{
    return "14";
}

std::string TCursorGroupResourceDetails::ClassResourceType()
{
    return "12";
}

void TIconCursorResourceDetails::InitEmpty()
{
    constexpr int kSize = 32;
    Bytes &data = Data();
    data.clear();
    if (!IsIcon()) {
        AppendU16(data, kSize / 2);
        AppendU16(data, kSize / 2);
    }
    AppendU32(data, kBitmapInfoHeaderSize);
    AppendU32(data, kSize);
    AppendU32(data, kSize * 2);
    AppendU16(data, 1);
    AppendU16(data, 4);
    AppendZeros(data, 16);
    AppendU32(data, 16);
    AppendU32(data, 16);
    for (const TRgb &colour : StandardPalette16()) {
        AppendU8(data, colour[2]);
        AppendU8(data, colour[1]);
        AppendU8(data, colour[0]);
        AppendU8(data, 0);
    }
    AppendZeros(data, kSize * kSize * 4 / 8);
    data.insert(data.end(), kSize * kSize / 8, 0xFF);
}

void TIconCursorResourceDetails::BeforeDelete()
{
    TResourceModule *module = Module();
    if (!module)
        return;
    for (int i = 0; i < module->ResourceCount(); ++i) {
        auto *group = dynamic_cast<TIconCursorGroupResourceDetails *>(&module->ResourceDetails(i));
        if (group && IsGroupOf(*group, *this) && group->ContainsImage(*this)) {
            group->RemoveImageEntry(*this);
            return;
        }
    }
}

ByteView TIconCursorResourceDetails::Header() const
{
    const ByteView data(Data(), InvalidIconOrCursor);
    return data.Sub(IsIcon() ? 0 : 4, kBitmapInfoHeaderSize);
}

int TIconCursorResourceDetails::Width() const
{
    return int(Header().U32(4));
}

int TIconCursorResourceDetails::Height() const
{
    // The height counts the colour bits and the mask together.
    return int(Header().U32(8)) / 2;
}

TPixelFormat TIconCursorResourceDetails::PixelFormat() const
{
    return PixelFormatOfHeader(Header());
}

int TIconCursorGroupResourceDetails::ImageCount() const
{
    const Bytes &data = Data();
    if (data.size() < kGroupHeaderSize)
        return 0;
    const size_t entries = (data.size() - kGroupHeaderSize) / kGroupEntrySize;
    return int(std::min<size_t>(GetU16(data, 4), entries));
}

std::string TIconCursorGroupResourceDetails::ImageType() const
{
    return IsIconGroup() ? TIconResourceDetails::ClassResourceType() : TCursorResourceDetails::ClassResourceType();
}

int TIconCursorGroupResourceDetails::EntryImageId(int n) const
{
    if (n < 0 || n >= ImageCount())
        throw EListIndexError(n);
    return GetU16(Data(), kGroupHeaderSize + size_t(n) * kGroupEntrySize + kEntryImageIdOffset);
}

TIconCursorResourceDetails *TIconCursorGroupResourceDetails::GetImage(int n) const
{
    const int id = EntryImageId(n);
    TResourceModule *module = Module();
    if (!module)
        return nullptr;
    for (int i = 0; i < module->ResourceCount(); ++i) {
        auto *image = dynamic_cast<TIconCursorResourceDetails *>(&module->ResourceDetails(i));
        if (image && IsGroupOf(*this, *image) && ResourceIdValue(image->ResourceName()) == id)
            return image;
    }
    return nullptr;
}

bool TIconCursorGroupResourceDetails::ContainsImage(const TIconCursorResourceDetails &image) const
{
    if (!IsGroupOf(*this, image))
        return false;
    const long long id = ResourceIdValue(image.ResourceName());
    for (int n = 0; n < ImageCount(); ++n) {
        if (EntryImageId(n) == id)
            return true;
    }
    return false;
}

void TIconCursorGroupResourceDetails::RemoveImageEntry(const TIconCursorResourceDetails &image)
{
    if (!IsGroupOf(*this, image))
        return;
    const long long id = ResourceIdValue(image.ResourceName());
    for (int n = 0; n < ImageCount(); ++n) {
        if (EntryImageId(n) != id)
            continue;
        Bytes &data = Data();
        const auto entry = data.begin() + std::ptrdiff_t(kGroupHeaderSize + size_t(n) * kGroupEntrySize);
        data.erase(entry, entry + kGroupEntrySize);
        PutU16(data, 4, uint16_t(GetU16(data, 4) - 1));
        if (ImageCount() == 0 && !m_deleting && Module()) {
            // The last action: deleting the group destroys this object.
            TResourceModule &module = *Module();
            module.DeleteResource(module.IndexOfResource(this));
        }
        return;
    }
}

void TIconCursorGroupResourceDetails::WriteHeader(int count)
{
    Bytes &data = Data();
    data.clear();
    AppendU16(data, 0);
    AppendU16(data, IsIconGroup() ? 1 : 2);
    AppendU16(data, uint16_t(count));
}

void TIconCursorGroupResourceDetails::AppendEntry(const TIconCursorResourceDetails &image, int width, int height,
                                                  TPixelFormat format)
{
    Bytes &data = Data();
    if (IsIconGroup()) {
        AppendU8(data, uint8_t(width));
        AppendU8(data, uint8_t(height));
        AppendU8(data, uint8_t(PixelFormatColourCount(format)));
        AppendU8(data, 0);
    } else {
        AppendU16(data, uint16_t(width));
        AppendU16(data, uint16_t(height));
    }
    AppendU16(data, 1);
    AppendU16(data, uint16_t(PixelFormatBitCount(format)));
    AppendU32(data, uint32_t(image.Data().size()));
    AppendU16(data, uint16_t(ResourceIdValue(image.ResourceName())));
}

void TIconCursorGroupResourceDetails::InitEmpty()
{
    if (!Module())
        throw EResourceError("An icon or cursor group needs a module");
    TResourceModule &module = *Module();
    const std::string imageName = module.NextResourceId(ImageType());
    TIconCursorResourceDetails &image = IsIconGroup()
        ? static_cast<TIconCursorResourceDetails &>(
            TResourceDetails::CreateNew<TIconResourceDetails>(module, imageName, LanguageId()))
        : TResourceDetails::CreateNew<TCursorResourceDetails>(module, imageName, LanguageId());
    WriteHeader(1);
    AppendEntry(image, 32, 32, TPixelFormat::Bits4);
}

void TIconCursorGroupResourceDetails::BeforeDelete()
{
    TResourceModule *module = Module();
    if (!module)
        return;
    FlagGuard deleting(m_deleting);
    while (ImageCount() > 0) {
        const int before = ImageCount();
        module->DeleteResource(module->IndexOfResource(GetImage(0)));
        // An image listed by an earlier group as well leaves that group's
        // entry instead of this one's; the entry goes all the same.
        if (ImageCount() == before) {
            Bytes &data = Data();
            data.erase(data.begin() + kGroupHeaderSize, data.begin() + kGroupHeaderSize + kGroupEntrySize);
            PutU16(data, 4, uint16_t(before - 1));
        }
    }
}

void TIconCursorGroupResourceDetails::LoadFromIconFile(const std::filesystem::path &fileName)
{
    BeforeDelete();
    if (IsIconGroup()) {
        TExIcon icon;
        icon.LoadFromFile(fileName);
        LoadFromIcon(icon);
    } else {
        TExCursor cursor;
        cursor.LoadFromFile(fileName);
        LoadFromIcon(cursor);
    }
}

void TIconCursorGroupResourceDetails::LoadFromIcon(const TExIconCursor &icon)
{
    BeforeDelete();
    TResourceModule &module = *Module();
    WriteHeader(icon.ImageCount());
    for (int i = 0; i < icon.ImageCount(); ++i) {
        const TExIconImage &picture = icon.Images(i);
        const std::string name = module.NextResourceId(ImageType());
        std::unique_ptr<TIconCursorResourceDetails> image;
        if (IsIconGroup())
            image = TResourceDetails::Create<TIconResourceDetails>(&module, picture.Data.data(), picture.Data.size(),
                                                                    ImageType(), name, LanguageId());
        else
            image = TResourceDetails::Create<TCursorResourceDetails>(&module, picture.Data.data(), picture.Data.size(),
                                                                      ImageType(), name, LanguageId());
        const TIconCursorResourceDetails &added = *image;
        if (module.AddResource(std::move(image)) < 0)
            throw EResourceError("Module doesn't keep resources");
        AppendEntry(added, picture.Width & 0xFF, picture.Height & 0xFF, picture.PixelFormat);
    }
}

} // namespace talmo
