#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace talmo {

using Bytes = std::vector<uint8_t>;

// Little-endian reads from bytes that came from a file. Every read is checked;
// a read outside the bytes calls the owner's failure function, which throws the
// owner's own error ("Invalid Windows Image", "Invalid Icon or Cursor", ...).
class ByteView
{
public:
    using Failure = void (*)();

    ByteView(const uint8_t *data, size_t size, Failure fail)
        : m_data(data), m_size(size), m_fail(fail)
    {
    }
    ByteView(const Bytes &bytes, Failure fail)
        : ByteView(bytes.data(), bytes.size(), fail)
    {
    }

    size_t Size() const { return m_size; }
    const uint8_t *Data() const { return m_data; }

    bool Contains(uint64_t offset, uint64_t length) const
    {
        return offset <= m_size && length <= m_size - offset;
    }
    // Fails unless [offset, offset + length) lies inside the bytes.
    void Require(uint64_t offset, uint64_t length) const;
    [[noreturn]] void Fail() const;

    uint8_t U8(uint64_t offset) const;
    uint16_t U16(uint64_t offset) const;
    uint32_t U32(uint64_t offset) const;
    // The bytes of a checked range.
    Bytes Slice(uint64_t offset, uint64_t length) const;
    // A view of a checked range with the same failure function.
    ByteView Sub(uint64_t offset, uint64_t length) const;

private:
    const uint8_t *m_data;
    size_t m_size;
    Failure m_fail;
};

void PutU16(Bytes &bytes, size_t offset, uint16_t value);
void PutU32(Bytes &bytes, size_t offset, uint32_t value);
uint16_t GetU16(const Bytes &bytes, size_t offset);
uint32_t GetU32(const Bytes &bytes, size_t offset);
void AppendU8(Bytes &bytes, uint8_t value);
void AppendU16(Bytes &bytes, uint16_t value);
void AppendU32(Bytes &bytes, uint32_t value);
void AppendZeros(Bytes &bytes, size_t count);
void AppendBytes(Bytes &bytes, const Bytes &more);

// The smallest multiple of alignment that is not below value (alignment > 0).
constexpr uint64_t AlignUp(uint64_t value, uint64_t alignment)
{
    return (value + alignment - 1) / alignment * alignment;
}

} // namespace talmo
