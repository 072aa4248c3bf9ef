#include "tools/cabwiz/CabinetCapacity.h"

namespace talmo::cabwiz {

CabinetCapacity::CabinetCapacity(qint64 blockSize, qint64 maxBlocks)
    : m_blockSize(blockSize), m_maxBlocks(maxBlocks)
{
}

qint64 CabinetCapacity::blocksFor(qint64 bytes) const
{
    return bytes <= 0 ? 0 : (bytes - 1) / m_blockSize + 1;
}

} // namespace talmo::cabwiz
