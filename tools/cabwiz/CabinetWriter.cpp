#include "tools/cabwiz/CabinetWriter.h"

#include "tools/cabwiz/CabinetCapacity.h"
#include "tools/cabwiz/InfError.h"

#include <libgcab.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>

namespace talmo::cabwiz {

namespace {

template<typename T>
struct GObjectDeleter
{
    void operator()(T *object) const { g_object_unref(object); }
};
template<typename T>
using GObjectPtr = std::unique_ptr<T, GObjectDeleter<T>>;

struct GErrorDeleter
{
    void operator()(GError *error) const { g_error_free(error); }
};

[[noreturn]] void fail(const QString &what, GError *error)
{
    std::unique_ptr<GError, GErrorDeleter> owned(error);
    throw InfError(what + QStringLiteral(": ") + QString::fromUtf8(error ? error->message : "unknown failure"));
}

void addMember(GCabFolder *folder, GCabFile *file, const QString &name)
{
    GError *error = nullptr;
    const bool added = gcab_folder_add_file(folder, file, FALSE, nullptr, &error);
    g_object_unref(file);
    if (!added)
        fail(QStringLiteral("cannot add %1 to the cabinet").arg(name), error);
}

} // namespace

CabinetWriter::CabinetWriter(const QString &targetPath, bool compress)
    : m_targetPath(targetPath), m_file(targetPath), m_compress(compress)
{
}

CabinetWriter::~CabinetWriter() = default;

void CabinetWriter::checkCapacity(const CabPlan &plan, const QByteArray &descriptor) const
{
    qint64 bytes = descriptor.size();
    for (const CabMember &member : plan.members)
        bytes += QFileInfo(member.sourcePath).size();
    const CabinetCapacity capacity;
    if (!capacity.holds(bytes))
        throw InfError(QStringLiteral("the cabinet %1 would hold %2 bytes, more than the %3 bytes a cabinet can hold")
                           .arg(m_targetPath)
                           .arg(bytes)
                           .arg(capacity.maxBytes()));
}

void CabinetWriter::write(const CabPlan &plan, const QString &descriptorName, const QByteArray &descriptor,
                          const QDateTime &descriptorTime)
{
    checkCapacity(plan, descriptor);
    GObjectPtr<GCabFolder> folder(gcab_folder_new(m_compress ? GCAB_COMPRESSION_MSZIP : GCAB_COMPRESSION_NONE));
    for (const CabMember &member : plan.members) {
        GObjectPtr<GFile> source(g_file_new_for_path(QFile::encodeName(member.sourcePath).constData()));
        addMember(folder.get(), gcab_file_new_with_file(member.name.toUtf8().constData(), source.get()), member.name);
    }
    GBytes *bytes = g_bytes_new(descriptor.constData(), gsize(descriptor.size()));
    GCabFile *descriptorFile = gcab_file_new_with_bytes(descriptorName.toUtf8().constData(), bytes);
    g_bytes_unref(bytes);
    const QDate date = descriptorTime.date();
    const QTime time = descriptorTime.time();
    GDateTime *stamp = g_date_time_new_local(date.year(), date.month(), date.day(), time.hour(), time.minute(),
                                             time.second());
    gcab_file_set_date_time(descriptorFile, stamp);
    g_date_time_unref(stamp);
    addMember(folder.get(), descriptorFile, descriptorName);

    GObjectPtr<GCabCabinet> cabinet(gcab_cabinet_new());
    GError *error = nullptr;
    if (!gcab_cabinet_add_folder(cabinet.get(), folder.get(), &error))
        fail(QStringLiteral("cannot build the cabinet %1").arg(m_targetPath), error);
    writeTemporary(cabinet.get());
}

// libgcab seeks back to its header, so it writes through a stream of its own
// on the writer's temporary file.
void CabinetWriter::writeTemporary(GCabCabinet *cabinet)
{
    if (!m_file.open())
        throw InfError(QStringLiteral("cannot write the cabinet %1: %2").arg(m_targetPath, m_file.errorString()));
    GError *error = nullptr;
    GObjectPtr<GFile> output(g_file_new_for_path(QFile::encodeName(m_file.temporaryPath()).constData()));
    GObjectPtr<GFileIOStream> stream(g_file_open_readwrite(output.get(), nullptr, &error));
    if (!stream)
        fail(QStringLiteral("cannot write the cabinet %1").arg(m_targetPath), error);
    GOutputStream *out = g_io_stream_get_output_stream(G_IO_STREAM(stream.get()));
    if (!gcab_cabinet_write_simple(cabinet, out, nullptr, nullptr, nullptr, &error))
        fail(QStringLiteral("cannot write the cabinet %1").arg(m_targetPath), error);
    if (!g_io_stream_close(G_IO_STREAM(stream.get()), nullptr, &error))
        fail(QStringLiteral("cannot write the cabinet %1").arg(m_targetPath), error);
}

void CabinetWriter::commit()
{
    // The rename replaces an earlier cabinet of the same name in one step.
    if (!m_file.commit())
        throw InfError(QStringLiteral("cannot write the cabinet %1: %2").arg(m_targetPath, m_file.errorString()));
}

} // namespace talmo::cabwiz
