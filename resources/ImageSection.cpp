#include "resources/ImageSection.h"

namespace talmo {

TImageSection::TImageSection(Bytes header, Bytes data, uint32_t uninitialisedCount)
    : m_header(std::move(header))
    , m_data(std::move(data))
    , m_uninitialisedCount(uninitialisedCount)
{
}

std::string TImageSection::Name() const
{
    std::string name(m_header.begin(), m_header.begin() + 8);
    return name.substr(0, name.find('\0'));
}

} // namespace talmo
