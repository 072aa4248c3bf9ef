#pragma once

#include "tools/cabwiz/CabPlan.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace talmo::cabwiz {

// Writes one Microsoft cabinet (one folder, stored or MSZIP) through libgcab.
// The cabinet is written beside its target under a temporary name and only
// takes the target's name through commit(), so a failed run leaves nothing
// half-written behind; an uncommitted writer removes its temporary file.
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
    QString m_targetPath;
    QString m_temporaryPath;
    bool m_compress;
};

} // namespace talmo::cabwiz
