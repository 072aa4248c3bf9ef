#include "resources/ByteView.h"

#include <cassert>
#include <cstdlib>

namespace talmo {

void ByteView::Require(uint64_t offset, uint64_t length) const
{
    if (!Contains(offset, length))
        Fail();
}

void ByteView::Fail() const
{
    m_fail();
    // A failure function must throw; stop here if one ever returns.
    std::abort();
}

uint8_t ByteView::U8(uint64_t offset) const
{
    Require(offset, 1);
    return m_data[offset];
}

uint16_t ByteView::U16(uint64_t offset) const
{
    Require(offset, 2);
    return uint16_t(m_data[offset] | m_data[offset + 1] << 8);
}

uint32_t ByteView::U32(uint64_t offset) const
{
    Require(offset, 4);
    return uint32_t(m_data[offset]) | uint32_t(m_data[offset + 1]) << 8
        | uint32_t(m_data[offset + 2]) << 16 | uint32_t(m_data[offset + 3]) << 24;
}

Bytes ByteView::Slice(uint64_t offset, uint64_t length) const
{
    Require(offset, length);
    return Bytes(m_data + offset, m_data + offset + length);
}

ByteView ByteView::Sub(uint64_t offset, uint64_t length) const
{
    Require(offset, length);
    return ByteView(m_data + offset, size_t(length), m_fail);
}

void PutU16(Bytes &bytes, size_t offset, uint16_t value)
{
    assert(offset + 2 <= bytes.size());
    bytes[offset] = uint8_t(value);
    bytes[offset + 1] = uint8_t(value >> 8);
}

void PutU32(Bytes &bytes, size_t offset, uint32_t value)
{
    assert(offset + 4 <= bytes.size());
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = uint8_t(value >> (8 * i));
}

uint16_t GetU16(const Bytes &bytes, size_t offset)
{
    assert(offset + 2 <= bytes.size());
    return uint16_t(bytes[offset] | bytes[offset + 1] << 8);
}

uint32_t GetU32(const Bytes &bytes, size_t offset)
{
    assert(offset + 4 <= bytes.size());
    return uint32_t(bytes[offset]) | uint32_t(bytes[offset + 1]) << 8
        | uint32_t(bytes[offset + 2]) << 16 | uint32_t(bytes[offset + 3]) << 24;
}

void AppendU8(Bytes &bytes, uint8_t value)
{
    bytes.push_back(value);
}

void AppendU16(Bytes &bytes, uint16_t value)
{
    bytes.push_back(uint8_t(value));
    bytes.push_back(uint8_t(value >> 8));
}

void AppendU32(Bytes &bytes, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.push_back(uint8_t(value >> (8 * i)));
}

void AppendZeros(Bytes &bytes, size_t count)
{
    bytes.insert(bytes.end(), count, 0);
}

void AppendBytes(Bytes &bytes, const Bytes &more)
{
    bytes.insert(bytes.end(), more.begin(), more.end());
}

} // namespace talmo
