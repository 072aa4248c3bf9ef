#pragma once

#include "platform/AtomicFileWriter.h"
#include "tools/cabwiz/CabPlan.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

typedef struct _GCabCabinet GCabCabinet;

namespace talmo::cabwiz {

// Writes one Microsoft cabinet (one folder, stored or MSZIP) through libgcab.
// The cabinet is written beside its target under a temporary name of its own
// (AtomicFileWriter's, so two runs writing the same target never share one,
// and what a killed run left goes) and only takes the target's name through
// commit(), so a failed run leaves nothing half-written behind; an
// uncommitted writer removes its temporary file. Files too large for one
// cabinet folder are refused before anything is written.
class CabinetWriter
{
public:
    CabinetWriter(const QString &targetPath, bool compress);
    ~CabinetWriter();
    CabinetWriter(const CabinetWriter &) = delete;
    CabinetWriter &operator=(const CabinetWriter &) = delete;

    // Writes the plan's members and the descriptor, stamped descriptorTime;
    // throws InfError on failure. Writers of different cabinets may write at
    // the same time.
    void write(const CabPlan &plan, const QString &descriptorName, const QByteArray &descriptor,
               const QDateTime &descriptorTime);
    // Moves the finished cabinet to its target; throws InfError on failure.
    void commit();

    const QString &targetPath() const { return m_targetPath; }

private:
    void checkCapacity(const CabPlan &plan, const QByteArray &descriptor) const;
    void writeTemporary(GCabCabinet *cabinet);

    QString m_targetPath;
    AtomicFileWriter m_file;
    bool m_compress;
};

} // namespace talmo::cabwiz
