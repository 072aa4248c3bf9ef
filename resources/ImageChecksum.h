#pragma once

#include "resources/ByteView.h"

namespace talmo {

// The PE image checksum: the 16-bit one's-complement sum of the image's
// little-endian words, with the 4 bytes at checksumOffset counted as zero,
// plus the image length.
uint32_t ImageChecksum(const Bytes &image, size_t checksumOffset);

} // namespace talmo
