#include "resources/PEModule.h"

#include "resources/ImageChecksum.h"
#include "resources/ResourceErrors.h"

#include <algorithm>
#include <iterator>
#include <istream>
#include <ostream>

namespace talmo {

namespace {

constexpr size_t kDosHeaderSize = 64;
constexpr size_t kLfanewOffset = 60;
constexpr size_t kCoffHeaderSize = 20;
constexpr size_t kSignatureSize = 4;
constexpr uint32_t kPeSignature = 0x00004550;
constexpr uint16_t kPe32Magic = 0x10B;
constexpr size_t kCoffNumberOfSections = 2;
constexpr size_t kCoffSizeOfOptionalHeader = 16;
// The loaders accept no more sections than this.
constexpr uint16_t kMaximumSections = 96;
constexpr uint32_t kMaximumFileAlignment = 0x10000;

constexpr uint32_t kCodeSection = 0x20000000;
constexpr uint32_t kInitializedDataSection = 0x40;
constexpr uint32_t kUninitializedDataSection = 0x80;

[[noreturn]] void InvalidImage()
{
    throw EPEException("Invalid Windows Image");
}

bool IsPowerOfTwo(uint32_t value)
{
    return value != 0 && (value & (value - 1)) == 0;
}

void WriteBytes(Bytes &out, const Bytes &bytes)
{
    out.insert(out.end(), bytes.begin(), bytes.end());
}

} // namespace

TPEModule::TPEModule() = default;
TPEModule::~TPEModule() = default;

void TPEModule::LoadFromStream(std::istream &stream)
{
    const Bytes image((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    LoadFromBytes(image);
}

void TPEModule::LoadFromBytes(const Bytes &image)
{
    Decode(image);
}

void TPEModule::Decode(const Bytes &bytes)
{
    m_sections.clear();
    const ByteView image(bytes, InvalidImage);
    if (!image.Contains(0, 2) || image.U16(0) != 0x5A4D)
        throw EPEException("Invalid DOS signature");
    m_dosHeader = image.Slice(0, kDosHeaderSize);
    const uint32_t lfanew = image.U32(kLfanewOffset);
    if (lfanew < kDosHeaderSize)
        InvalidImage();
    m_dosStub = image.Slice(kDosHeaderSize, lfanew - kDosHeaderSize);
    if (image.U32(lfanew) != kPeSignature)
        throw EPEException("Invalid COFF signature");
    m_coffHeader = image.Slice(lfanew + kSignatureSize, kCoffHeaderSize);

    const size_t optionalOffset = lfanew + kSignatureSize + kCoffHeaderSize;
    if (image.U16(optionalOffset) != kPe32Magic)
        InvalidImage();
    const uint16_t optionalSize = GetU16(m_coffHeader, kCoffSizeOfOptionalHeader);
    if (optionalSize < DataDirectory)
        InvalidImage();
    m_optionalHeader = image.Slice(optionalOffset, optionalSize);
    if (!IsPowerOfTwo(OptionalHeaderValue(SectionAlignment)) || !IsPowerOfTwo(OptionalHeaderValue(FileAlignment))
        || OptionalHeaderValue(FileAlignment) > kMaximumFileAlignment)
        InvalidImage();

    const uint16_t sectionCount = GetU16(m_coffHeader, kCoffNumberOfSections);
    if (sectionCount > kMaximumSections)
        InvalidImage();
    DecodeSections(image, optionalOffset + optionalSize, sectionCount);
}

void TPEModule::DecodeSections(const ByteView &image, size_t tableOffset, uint16_t count)
{
    const size_t tableEnd = tableOffset + size_t(count) * TImageSection::kHeaderSize;
    image.Require(tableOffset, tableEnd - tableOffset);
    size_t firstRawData = image.Size();
    size_t rawDataEnd = tableEnd;
    for (size_t i = 0; i < count; ++i) {
        Bytes header = image.Slice(tableOffset + i * TImageSection::kHeaderSize, TImageSection::kHeaderSize);
        uint32_t virtualSize = GetU32(header, 8);
        const uint32_t rawSize = GetU32(header, 16);
        const uint32_t rawPointer = GetU32(header, 20);
        if (virtualSize == 0) {
            virtualSize = rawSize;
            PutU32(header, 8, virtualSize);
        }
        const uint32_t dataSize = std::min(virtualSize, rawSize);
        Bytes data = dataSize > 0 ? image.Slice(rawPointer, dataSize) : Bytes();
        const uint32_t uninitialised = virtualSize > rawSize ? virtualSize - rawSize : 0;
        if (rawSize > 0) {
            firstRawData = std::min<size_t>(firstRawData, rawPointer);
            rawDataEnd = std::max<size_t>(rawDataEnd, size_t(rawPointer) + rawSize);
        }
        m_sections.push_back(std::make_unique<TImageSection>(std::move(header), std::move(data), uninitialised));
    }
    m_headerPadding.clear();
    if (firstRawData > tableEnd)
        m_headerPadding = image.Slice(tableEnd, firstRawData - tableEnd);
    m_trailingData.clear();
    if (rawDataEnd < image.Size())
        m_trailingData = image.Slice(rawDataEnd, image.Size() - rawDataEnd);
}

int TPEModule::DataDirectoryCount() const
{
    const size_t room = (m_optionalHeader.size() - DataDirectory) / 8;
    return int(std::min<size_t>(OptionalHeaderValue(NumberOfRvaAndSizes), room));
}

TImageDataDirectory TPEModule::GetDataDirectory(int index) const
{
    if (index < 0 || index >= DataDirectoryCount())
        throw EListIndexError("Index exceeds data dictionary count");
    const size_t offset = DataDirectory + size_t(index) * 8;
    return {GetU32(m_optionalHeader, offset), GetU32(m_optionalHeader, offset + 4)};
}

void TPEModule::SetDataDirectory(int index, TImageDataDirectory entry)
{
    if (index < 0 || index >= DataDirectoryCount())
        throw EListIndexError("Index exceeds data dictionary count");
    const size_t offset = DataDirectory + size_t(index) * 8;
    PutU32(m_optionalHeader, offset, entry.VirtualAddress);
    PutU32(m_optionalHeader, offset + 4, entry.Size);
}

int TPEModule::FindDirectorySection(int index, uint32_t &offset) const
{
    const uint32_t address = GetDataDirectory(index).VirtualAddress;
    for (size_t i = 0; i < m_sections.size(); ++i) {
        const TImageSection &section = *m_sections[i];
        if (address >= section.VirtualAddress() && address - section.VirtualAddress() < section.VirtualSize()) {
            offset = address - section.VirtualAddress();
            return int(i);
        }
    }
    return -1;
}

TImageSection *TPEModule::GetResourceSection(uint32_t &offset) const
{
    if (DataDirectoryCount() <= kResourceDirectory)
        return nullptr;
    const int index = FindDirectorySection(kResourceDirectory, offset);
    return index < 0 ? nullptr : m_sections[size_t(index)].get();
}

TImageSection &TPEModule::ImageSection(int index) const
{
    if (index < 0 || index >= ImageSectionCount())
        throw EListIndexError(index);
    return *m_sections[size_t(index)];
}

void TPEModule::SetOptionalHeaderValue(OptionalHeaderField field, uint64_t value)
{
    // Only absurd alignments or sizes read from a damaged file get here.
    if (value > 0xFFFFFFFF)
        InvalidImage();
    PutU32(m_optionalHeader, field, uint32_t(value));
}

void TPEModule::UpdateLayout()
{
    const uint64_t fileAlignment = OptionalHeaderValue(FileAlignment);
    const uint64_t sectionAlignment = OptionalHeaderValue(SectionAlignment);
    const uint32_t lfanew = uint32_t(kDosHeaderSize + m_dosStub.size());
    PutU32(m_dosHeader, kLfanewOffset, lfanew);
    PutU16(m_coffHeader, kCoffNumberOfSections, uint16_t(m_sections.size()));

    const uint64_t headersEnd = uint64_t(lfanew) + kSignatureSize + kCoffHeaderSize + m_optionalHeader.size()
        + TImageSection::kHeaderSize * m_sections.size();
    SetOptionalHeaderValue(SizeOfHeaders, AlignUp(headersEnd, fileAlignment));
    SetOptionalHeaderValue(CheckSum, 0);

    uint64_t filePosition = AlignUp(headersEnd + m_headerPadding.size(), fileAlignment);
    uint64_t address = sectionAlignment;
    uint64_t imageSize = AlignUp(headersEnd, sectionAlignment);
    uint64_t codeSize = 0;
    uint64_t initializedSize = 0;
    uint64_t uninitializedSize = 0;
    uint64_t baseOfCode = UINT64_MAX;
    for (const auto &section : m_sections) {
        const uint64_t virtualSize = section->Data().size() + uint64_t(section->UninitialisedCount());
        const uint64_t rawSize = AlignUp(section->Data().size(), fileAlignment);
        if (filePosition > 0xFFFFFFFF || address > 0xFFFFFFFF || virtualSize > 0xFFFFFFFF || rawSize > 0xFFFFFFFF)
            InvalidImage();
        section->SetPointerToRawData(uint32_t(filePosition));
        section->SetVirtualAddress(uint32_t(address));
        section->SetVirtualSize(uint32_t(virtualSize));
        section->SetSizeOfRawData(uint32_t(rawSize));
        const uint32_t characteristics = section->Characteristics();
        if (characteristics & kCodeSection) {
            codeSize += AlignUp(virtualSize, fileAlignment);
            baseOfCode = std::min(baseOfCode, address);
        } else if (characteristics & kInitializedDataSection) {
            initializedSize += AlignUp(virtualSize, fileAlignment);
        } else if (characteristics & kUninitializedDataSection) {
            uninitializedSize += AlignUp(virtualSize, fileAlignment);
        }
        imageSize += AlignUp(virtualSize, sectionAlignment);
        filePosition += rawSize;
        address += AlignUp(virtualSize, sectionAlignment);
    }
    SetOptionalHeaderValue(SizeOfCode, codeSize);
    SetOptionalHeaderValue(SizeOfInitializedData, initializedSize);
    SetOptionalHeaderValue(SizeOfUninitializedData, uninitializedSize);
    // An image without code keeps the bases its linker wrote.
    if (baseOfCode != UINT64_MAX) {
        SetOptionalHeaderValue(BaseOfCode, baseOfCode);
        SetOptionalHeaderValue(BaseOfData,
                               baseOfCode + AlignUp(m_optionalHeader.size() + 24 + codeSize, sectionAlignment));
    }
    SetOptionalHeaderValue(SizeOfImage, imageSize);
}

Bytes TPEModule::SaveToBytes()
{
    UpdateLayout();
    Bytes out;
    WriteBytes(out, m_dosHeader);
    WriteBytes(out, m_dosStub);
    AppendU32(out, kPeSignature);
    WriteBytes(out, m_coffHeader);
    const size_t checksumOffset = out.size() + CheckSum;
    WriteBytes(out, m_optionalHeader);
    for (const auto &section : m_sections)
        WriteBytes(out, section->Header());
    WriteBytes(out, m_headerPadding);
    for (const auto &section : m_sections) {
        if (section->SizeOfRawData() == 0)
            continue;
        if (section->PointerToRawData() > out.size())
            AppendZeros(out, section->PointerToRawData() - out.size());
        WriteBytes(out, section->Data());
        AppendZeros(out, section->SizeOfRawData() - section->Data().size());
    }
    WriteBytes(out, m_trailingData);
    PutU32(out, checksumOffset, ImageChecksum(out, checksumOffset));
    return out;
}

void TPEModule::SaveToStream(std::ostream &stream)
{
    const Bytes image = SaveToBytes();
    stream.write(reinterpret_cast<const char *>(image.data()), std::streamsize(image.size()));
}

} // namespace talmo
