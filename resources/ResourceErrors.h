#pragma once

#include <stdexcept>
#include <string>

namespace talmo {

// The common error of the resource library; the message is the text the user sees.
class EResourceError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A PE image that cannot be read or written.
class EPEException : public EResourceError
{
public:
    using EResourceError::EResourceError;
};

// An icon, cursor or bitmap whose bytes cannot be used.
class EInvalidGraphic : public EResourceError
{
public:
    using EResourceError::EResourceError;
};

// A failure of the file system or of the resource-update functions.
class EOSError : public EResourceError
{
public:
    using EResourceError::EResourceError;
};

// An index outside a list of resources, images or data-directory entries.
class EListIndexError : public EResourceError
{
public:
    explicit EListIndexError(long long index);
    EListIndexError(const std::string &message);
};

} // namespace talmo
