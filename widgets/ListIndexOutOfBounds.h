#pragma once

#include <stdexcept>
#include <string>

namespace talmo {

// An index outside a widget list's items, with the list-index message.
class ListIndexOutOfBounds : public std::out_of_range
{
public:
    explicit ListIndexOutOfBounds(int index)
        : std::out_of_range("List index out of bounds (" + std::to_string(index) + ")")
        , m_index(index)
    {
    }
    int index() const { return m_index; }

private:
    int m_index;
};

} // namespace talmo
