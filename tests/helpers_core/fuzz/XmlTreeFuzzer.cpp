// Feeds arbitrary bytes to the element tree's reader. A document it accepts
// must write without fault and read back to the same tree, and writing that
// gives the same bytes again.

#include "helpers/core/XmlTree.h"

#include <cstdlib>
#include <utility>
#include <vector>

using namespace talmo;

namespace {

// Compares with a stack of its own: the trees may nest as deep as the reader allows.
bool sameTree(const XmlElement &a, const XmlElement &b)
{
    std::vector<std::pair<const XmlElement *, const XmlElement *>> pending{ { &a, &b } };
    while (!pending.empty()) {
        const auto [left, right] = pending.back();
        pending.pop_back();
        if (left->name() != right->name() || left->text() != right->text()
            || left->children().size() != right->children().size())
            return false;
        for (std::size_t i = 0; i < left->children().size(); ++i)
            pending.emplace_back(left->children()[i].get(), right->children()[i].get());
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto first = XmlTree::parse(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!first)
        return 0;
    const auto written = XmlTree::serialize(*first);
    if (!written)
        std::abort();
    const auto second = XmlTree::parse(*written);
    if (!second || !sameTree(*first, *second) || XmlTree::serialize(*second) != written)
        std::abort();
    return 0;
}
