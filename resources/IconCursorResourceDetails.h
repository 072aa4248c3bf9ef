#pragma once

#include "resources/GraphicsResourceDetails.h"

#include <filesystem>

namespace talmo {

class TExIconCursor;

// One image of an icon or cursor: a BITMAPINFOHEADER, the colour table or
// masks, the colour bits and the AND mask; a cursor image starts with its hot
// spot. Its group lists it by its numeric name.
class TIconCursorResourceDetails : public TGraphicsResourceDetails
{
public:
    using TGraphicsResourceDetails::TGraphicsResourceDetails;
    // A 32 x 32 image of 16 colours, every pixel transparent.
    void InitEmpty() override;
    // Leaves the first group that lists this image.
    void BeforeDelete() override;
    int Height() const override;
    TPixelFormat PixelFormat() const override;
    int Width() const override;

    virtual bool IsIcon() const = 0;

private:
    ByteView Header() const;
};

class TIconResourceDetails : public TIconCursorResourceDetails
{
public:
    using TIconCursorResourceDetails::TIconCursorResourceDetails;
    static std::string ClassResourceType();
    bool IsIcon() const override { return true; }
};

class TCursorResourceDetails : public TIconCursorResourceDetails
{
public:
    using TIconCursorResourceDetails::TIconCursorResourceDetails;
    static std::string ClassResourceType();
    bool IsIcon() const override { return false; }
};

// The directory resource of an icon or cursor: a 6-byte header (reserved, 1
// for icons or 2 for cursors, count) and one 14-byte entry per image naming the
// image resource (of the group's type - 11) by its id.
class TIconCursorGroupResourceDetails : public TResourceDetails
{
public:
    using TResourceDetails::TResourceDetails;

    // The count word of the header, limited to the entries the data holds.
    int ImageCount() const;
    // The module's image that entry n names; nullptr when it has none.
    TIconCursorResourceDetails *GetImage(int n) const;
    bool ContainsImage(const TIconCursorResourceDetails &image) const;
    // Removes the first entry of the image; a group left without entries
    // deletes itself from its module unless it is being deleted already.
    void RemoveImageEntry(const TIconCursorResourceDetails &image);

    // Replaces the images by those of an icon file (a cursor file for a cursor
    // group). The new images take consecutive ids above the module's highest.
    void LoadFromIconFile(const std::filesystem::path &fileName);
    void LoadFromIcon(const TExIconCursor &icon);

    // One default image, so a new group is never empty.
    void InitEmpty() override;
    // Deletes the group's images from the module.
    void BeforeDelete() override;

    virtual bool IsIconGroup() const = 0;

private:
    std::string ImageType() const;
    int EntryImageId(int n) const;
    void WriteHeader(int count);
    void AppendEntry(const TIconCursorResourceDetails &image, int width, int height, TPixelFormat format);

    bool m_deleting = false;
};

class TIconGroupResourceDetails : public TIconCursorGroupResourceDetails
{
public:
    using TIconCursorGroupResourceDetails::TIconCursorGroupResourceDetails;
    static std::string ClassResourceType();
    bool IsIconGroup() const override { return true; }
};

class TCursorGroupResourceDetails : public TIconCursorGroupResourceDetails
{
public:
    using TIconCursorGroupResourceDetails::TIconCursorGroupResourceDetails;
    static std::string ClassResourceType();
    bool IsIconGroup() const override { return false; }
};

} // namespace talmo
