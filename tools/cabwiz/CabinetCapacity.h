#pragma once

#include <QtGlobal>

namespace talmo::cabwiz {

// How much one cabinet folder holds. A folder counts its data blocks in 16
// bits, and every block but the last carries a full 32 KiB of the folder's
// uncompressed bytes, so a folder past 65,535 blocks would wrap its count and
// no reader could take the cabinet apart.
class CabinetCapacity
{
public:
    static constexpr qint64 kBlockSize = 32768;
    static constexpr qint64 kMaxBlocks = 65535;

    CabinetCapacity(qint64 blockSize = kBlockSize, qint64 maxBlocks = kMaxBlocks);

    // The blocks the given number of uncompressed bytes fill.
    qint64 blocksFor(qint64 bytes) const;
    bool holds(qint64 bytes) const { return blocksFor(bytes) <= m_maxBlocks; }
    qint64 maxBytes() const { return m_blockSize * m_maxBlocks; }

private:
    qint64 m_blockSize;
    qint64 m_maxBlocks;
};

} // namespace talmo::cabwiz
