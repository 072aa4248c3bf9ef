#pragma once

#include "resources/PixelFormat.h"
#include "resources/ResourceDetails.h"

namespace talmo {

// A resource that holds an image.
class TGraphicsResourceDetails : public TResourceDetails
{
public:
    using TResourceDetails::TResourceDetails;
    virtual int Height() const = 0;
    virtual TPixelFormat PixelFormat() const = 0;
    virtual int Width() const = 0;
};

// A device-independent bitmap without its file header (type 2).
class TBitmapResourceDetails : public TGraphicsResourceDetails
{
public:
    using TGraphicsResourceDetails::TGraphicsResourceDetails;
    static std::string ClassResourceType();
    // 32 x 32 pixels at 4 bits, no colour table, all pixels 0.
    void InitEmpty() override;
    int Height() const override;
    TPixelFormat PixelFormat() const override;
    int Width() const override;

protected:
    // Where the BITMAPINFOHEADER starts in the data.
    virtual size_t HeaderOffset() const;

private:
    ByteView Header() const;
};

// A whole bitmap file ("DIB"), recognised by its content wherever it is stored.
class TDIBResourceDetails : public TBitmapResourceDetails
{
public:
    using TBitmapResourceDetails::TBitmapResourceDetails;
    static std::string ClassResourceType();
    // "BM", both reserved words 0 and an info header of 40, 108 or 124 bytes.
    static bool AcceptsData(size_t size, const uint8_t *data);
    void InitEmpty() override;

protected:
    size_t HeaderOffset() const override;
};

} // namespace talmo
