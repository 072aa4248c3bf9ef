#pragma once

#include "tools/cabwiz/CabPlan.h"
#include "tools/cabwiz/InfError.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace talmo::cabwiz {

// One cabinet of a run: where it goes, what it holds and its setup descriptor.
struct CabinetJob
{
    QString path;
    CabPlan plan;
    QByteArray descriptor;
};

// Writes the cabinets of one run side by side, at most `threads` at once, each
// through its own libgcab objects, every one streamed to disk rather than held
// in memory. All are written under temporary names and take their own names
// only when every one succeeded, so a failure leaves no cabinet of the run.
// The bytes written do not depend on the number of threads.
class CabinetBatch
{
public:
    // descriptorTime: the time stamp of every descriptor member of the run.
    CabinetBatch(bool compress, const QDateTime &descriptorTime, int threads);

    // The failures in the order of the jobs; none when every cabinet is in place.
    QList<InfError> write(const QList<CabinetJob> &jobs) const;

private:
    bool m_compress;
    QDateTime m_descriptorTime;
    int m_threads;
};

} // namespace talmo::cabwiz
