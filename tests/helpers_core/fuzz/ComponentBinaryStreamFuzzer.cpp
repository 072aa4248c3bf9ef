// Feeds arbitrary bytes to the clipboard block decoder. A block it accepts
// must write without fault (or refuse a value the form cannot hold) and read
// back to a tree of the same shape.

#include "helpers/core/ComponentBinaryStream.h"

#include <cstdlib>

using namespace talmo;

namespace {

bool sameShape(const ComponentTextProperties &a, const ComponentTextProperties &b);

bool sameShape(const ComponentTextValue &a, const ComponentTextValue &b)
{
    if (a.kind() != b.kind() || a.items().size() != b.items().size()
        || a.collectionItems().size() != b.collectionItems().size())
        return false;
    for (std::size_t i = 0; i < a.items().size(); ++i) {
        if (!sameShape(a.items()[i], b.items()[i]))
            return false;
    }
    for (std::size_t i = 0; i < a.collectionItems().size(); ++i) {
        if (!sameShape(a.collectionItems()[i], b.collectionItems()[i]))
            return false;
    }
    return true;
}

bool sameShape(const ComponentTextProperties &a, const ComponentTextProperties &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].path != b[i].path || !sameShape(a[i].value, b[i].value))
            return false;
    }
    return true;
}

bool sameShape(const ComponentTextNode &a, const ComponentTextNode &b)
{
    if (a.name != b.name || a.className != b.className || a.children.size() != b.children.size()
        || !sameShape(a.properties, b.properties))
        return false;
    for (std::size_t i = 0; i < a.children.size(); ++i) {
        if (!sameShape(a.children[i], b.children[i]))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    std::vector<ComponentTextNode> block;
    try {
        block = ComponentBinaryStream::readBlock(bytes);
    } catch (const ComponentTextError &) {
        return 0;
    }
    QByteArray written;
    try {
        written = ComponentBinaryStream::writeBlock(block);
    } catch (const ComponentTextError &) {
        return 0; // a currency the stream held but a text value cannot
    }
    try {
        const std::vector<ComponentTextNode> back = ComponentBinaryStream::readBlock(written);
        if (back.size() != block.size())
            std::abort();
        for (std::size_t i = 0; i < back.size(); ++i) {
            if (!sameShape(back[i], block[i]))
                std::abort();
        }
    } catch (const ComponentTextError &) {
        std::abort();
    }
    return 0;
}
