#include "resources/ImageChecksum.h"

namespace talmo {

uint32_t ImageChecksum(const Bytes &image, size_t checksumOffset)
{
    auto byteAt = [&](size_t i) -> uint32_t {
        if (i >= image.size() || (i >= checksumOffset && i < checksumOffset + 4))
            return 0;
        return image[i];
    };
    uint64_t sum = 0;
    for (size_t i = 0; i < image.size(); i += 2) {
        sum += byteAt(i) | byteAt(i + 1) << 8;
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    sum = (sum & 0xFFFF) + (sum >> 16);
    return uint32_t(sum + image.size());
}

} // namespace talmo
