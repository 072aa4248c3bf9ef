#include "resources/ResourceErrors.h"

namespace talmo {

EListIndexError::EListIndexError(long long index)
    : EResourceError("List index out of bounds (" + std::to_string(index) + ")")
{
}

EListIndexError::EListIndexError(const std::string &message)
    : EResourceError(message)
{
}

} // namespace talmo
