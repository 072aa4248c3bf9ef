#include "tools/cabwiz/CabinetBatch.h"

#include "tools/cabwiz/CabinetWriter.h"
#include "tools/cabwiz/SetupDescriptor.h"

#include <QThreadPool>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace talmo::cabwiz {

CabinetBatch::CabinetBatch(bool compress, const QDateTime &descriptorTime, int threads)
    : m_compress(compress), m_descriptorTime(descriptorTime), m_threads(std::max(1, threads))
{
}

QList<InfError> CabinetBatch::write(const QList<CabinetJob> &jobs) const
{
    std::vector<std::unique_ptr<CabinetWriter>> writers;
    for (const CabinetJob &job : jobs)
        writers.push_back(std::make_unique<CabinetWriter>(job.path, m_compress));
    std::vector<std::optional<InfError>> failures(writers.size());

    QThreadPool pool;
    pool.setMaxThreadCount(int(std::min<qsizetype>(m_threads, std::max<qsizetype>(1, jobs.size()))));
    for (size_t i = 0; i < writers.size(); ++i) {
        pool.start([&, i] {
            const CabinetJob &job = jobs[qsizetype(i)];
            // Nothing may leave a pool thread: every failure becomes the cabinet's error.
            try {
                writers[i]->write(job.plan, SetupDescriptor::MemberName, job.descriptor, m_descriptorTime);
            } catch (const InfError &error) {
                failures[i] = error;
            } catch (const std::exception &error) {
                failures[i] = InfError(QStringLiteral("cannot write the cabinet %1: %2")
                                           .arg(job.path, QString::fromLocal8Bit(error.what())));
            }
        });
    }
    pool.waitForDone();

    QList<InfError> errors;
    for (const std::optional<InfError> &failure : failures) {
        if (failure)
            errors.append(*failure);
    }
    if (!errors.isEmpty())
        return errors;
    for (const auto &writer : writers) {
        try {
            writer->commit();
        } catch (const InfError &error) {
            errors.append(error);
            break;
        }
    }
    return errors;
}

} // namespace talmo::cabwiz
