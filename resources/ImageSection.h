#pragma once

#include "resources/ByteView.h"

#include <string>

namespace talmo {

// One section of a PE image: its 40-byte header and its initialised bytes; the
// uninitialised bytes that follow them in memory are only counted.
class TImageSection
{
public:
    static constexpr size_t kHeaderSize = 40;

    TImageSection(Bytes header, Bytes data, uint32_t uninitialisedCount);

    std::string Name() const;
    uint32_t VirtualSize() const { return GetU32(m_header, 8); }
    uint32_t VirtualAddress() const { return GetU32(m_header, 12); }
    uint32_t SizeOfRawData() const { return GetU32(m_header, 16); }
    uint32_t PointerToRawData() const { return GetU32(m_header, 20); }
    uint32_t Characteristics() const { return GetU32(m_header, 36); }
    void SetVirtualSize(uint32_t value) { PutU32(m_header, 8, value); }
    void SetVirtualAddress(uint32_t value) { PutU32(m_header, 12, value); }
    void SetSizeOfRawData(uint32_t value) { PutU32(m_header, 16, value); }
    void SetPointerToRawData(uint32_t value) { PutU32(m_header, 20, value); }

    const Bytes &Header() const { return m_header; }
    const Bytes &Data() const { return m_data; }
    Bytes &Data() { return m_data; }
    uint32_t UninitialisedCount() const { return m_uninitialisedCount; }

private:
    Bytes m_header;
    Bytes m_data;
    uint32_t m_uninitialisedCount;
};

} // namespace talmo
