#pragma once

#include "resources/ByteView.h"
#include "resources/ImageSection.h"
#include "resources/ResourceModule.h"

#include <memory>
#include <vector>

namespace talmo {

struct TImageDataDirectory
{
    uint32_t VirtualAddress = 0;
    uint32_t Size = 0;
};

// A whole 32-bit executable or DLL in memory, split into headers, sections and
// trailing data, written back byte for byte except for the layout fields and
// the checksum, which are recomputed.
class TPEModule : public TResourceModule
{
public:
    // Offsets in the optional header.
    enum OptionalHeaderField : size_t {
        SizeOfCode = 4,
        SizeOfInitializedData = 8,
        SizeOfUninitializedData = 12,
        AddressOfEntryPoint = 16,
        BaseOfCode = 20,
        BaseOfData = 24,
        SectionAlignment = 32,
        FileAlignment = 36,
        SizeOfImage = 56,
        SizeOfHeaders = 60,
        CheckSum = 64,
        NumberOfRvaAndSizes = 92,
        DataDirectory = 96,
    };
    static constexpr int kResourceDirectory = 2;

    TPEModule();
    ~TPEModule() override;

    void LoadFromStream(std::istream &stream) override;
    void SaveToStream(std::ostream &stream) override;
    // Throws EPEException for anything that is not a well-formed PE32 image.
    void LoadFromBytes(const Bytes &image);
    Bytes SaveToBytes();

    int DataDirectoryCount() const;
    TImageDataDirectory GetDataDirectory(int index) const;
    void SetDataDirectory(int index, TImageDataDirectory entry);
    // The index of the section whose address range holds the entry's address
    // (and the entry's offset inside it), or -1.
    int FindDirectorySection(int index, uint32_t &offset) const;
    // The section of the resource directory, or nullptr.
    TImageSection *GetResourceSection(uint32_t &offset) const;

    int ImageSectionCount() const { return int(m_sections.size()); }
    TImageSection &ImageSection(int index) const;

    uint16_t Machine() const { return GetU16(m_coffHeader, 0); }
    uint16_t Characteristics() const { return GetU16(m_coffHeader, 18); }
    uint32_t OptionalHeaderValue(OptionalHeaderField field) const { return GetU32(m_optionalHeader, field); }
    uint16_t Subsystem() const { return GetU16(m_optionalHeader, 68); }
    const Bytes &TrailingData() const { return m_trailingData; }

protected:
    virtual void Decode(const Bytes &image);
    virtual void UpdateLayout();

private:
    void SetOptionalHeaderValue(OptionalHeaderField field, uint64_t value);
    void DecodeSections(const ByteView &image, size_t tableOffset, uint16_t count);

    Bytes m_dosHeader;
    Bytes m_dosStub;
    Bytes m_coffHeader;
    Bytes m_optionalHeader;
    std::vector<std::unique_ptr<TImageSection>> m_sections;
    Bytes m_headerPadding;
    Bytes m_trailingData;
};

} // namespace talmo
