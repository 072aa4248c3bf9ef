#pragma once

#include "helpers/core/ComponentTextError.h"
#include "helpers/core/ComponentTextNode.h"

#include <QByteArray>

#include <vector>

namespace talmo {

// Component trees in the binary form the designed controls travel in
// between pages (the clipboard block): for each component the signature
// "TPF0" and the component (class and name as short strings, each property
// as its path and a tagged value, a 0 after the properties and after the
// children), then one final 0. Strings are written as wide strings and
// integers with the smallest tag that holds them; every tag is read.
class ComponentBinaryStream
{
public:
    // Deeper nesting of components or of values is refused on reading.
    static constexpr int MaxDepth = 32;

    // Throws ComponentTextError for a tree the form cannot hold (a name or
    // path longer than 255 bytes, a currency out of range).
    static QByteArray writeBlock(const std::vector<ComponentTextNode> &components);
    // Reads up to the final 0 (bytes after it are ignored). Throws
    // ComponentTextError for a missing signature, a length or count that
    // runs past the end, an unknown tag, a class, component or property name
    // that is not one, and nesting deeper than MaxDepth.
    static std::vector<ComponentTextNode> readBlock(const QByteArray &bytes);
};

} // namespace talmo
