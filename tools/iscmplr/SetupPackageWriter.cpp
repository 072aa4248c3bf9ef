#include "SetupPackageWriter.h"

#include "CompileError.h"
#include "CompilerHost.h"
#include "platform/AnsiCodec.h"
#include "platform/AtomicFileWriter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <limits>

namespace talmo::iscmplr {

namespace {

constexpr qint64 kChunkSize = 256 * 1024;
const QByteArray kMagic("TALMOSETUP\x1A\x01", 12);

// Reports packing progress through the host's idle notification.
class PackingProgress
{
public:
    PackingProgress(CompilerHost &host, qint64 total)
        : m_host(host)
        , m_total(total)
        , m_shift(total > qint64(std::numeric_limits<quint32>::max()) ? 10 : 0)
    {
        m_clock.start();
    }

    void advance(qint64 bytes)
    {
        m_done += bytes;
        const qint64 elapsedMs = m_clock.elapsed();
        const qint64 rate = elapsedMs > 0 ? m_done * 1000 / elapsedMs : 0;
        const qint32 remaining = rate > 0 ? qint32((m_total - m_done) / rate) : -1;
        m_host.idle(quint32(m_done >> m_shift), quint32(m_total >> m_shift), remaining,
                    quint32(std::min<qint64>(rate, std::numeric_limits<quint32>::max())));
    }

private:
    CompilerHost &m_host;
    qint64 m_total;
    int m_shift;
    qint64 m_done = 0;
    QElapsedTimer m_clock;
};

class EntryWriter
{
public:
    explicit EntryWriter(AtomicFileWriter &file)
        : m_file(file)
    {
    }

    void header(const QString &name, quint64 size)
    {
        const QByteArray utf8 = name.toUtf8();
        quint32 nameLength = qToLittleEndian(quint32(utf8.size()));
        quint64 dataLength = qToLittleEndian(size);
        put(QByteArray(reinterpret_cast<const char *>(&nameLength), sizeof nameLength) + utf8
            + QByteArray(reinterpret_cast<const char *>(&dataLength), sizeof dataLength));
    }

    void put(const QByteArray &bytes)
    {
        if (!m_file.write(bytes))
            throw CompileError{QStringLiteral("Error writing the setup package: %1").arg(m_file.errorString()), {}, 0};
    }

private:
    AtomicFileWriter &m_file;
};

QByteArray scriptBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += AnsiCodec::encode(line) + "\r\n";
    return bytes;
}

} // namespace

SetupPackageWriter::SetupPackageWriter(CompilerHost &host)
    : m_host(host)
{
}

QByteArray SetupPackageWriter::manifest(const CheckedScript &script)
{
    QString text;
    text += QStringLiteral("OutputBaseFilename=%1\n").arg(script.outputBaseFilename);
    text += QStringLiteral("Languages=%1\n").arg(script.languages.join(QLatin1Char(',')));
    for (qsizetype i = 0; i < script.payload.size(); ++i) {
        const PayloadFile &file = script.payload.at(i);
        text += QStringLiteral("File=files/%1|%2|%3|%4|%5\n")
                    .arg(i)
                    .arg(file.destDir, file.destName)
                    .arg(QFileInfo(file.sourcePath).size())
                    .arg(file.sourcePath);
    }
    for (const QString &external : script.externalFiles)
        text += QStringLiteral("External=%1\n").arg(external);
    return text.toUtf8();
}

QString SetupPackageWriter::write(const CheckedScript &script)
{
    m_host.status(QStringLiteral("Creating setup package"));
    if (!QDir().mkpath(script.outputDir))
        throw CompileError{QStringLiteral("Cannot create the output folder \"%1\"").arg(script.outputDir), {}, 0};
    const QString path = QDir(script.outputDir).filePath(script.outputBaseFilename + QStringLiteral(".exe"));
    AtomicFileWriter file(path);
    if (!file.open())
        throw CompileError{QStringLiteral("Cannot create the setup package \"%1\": %2").arg(path, file.errorString()), {}, 0};
    EntryWriter out(file);
    out.put(kMagic);
    const QByteArray scriptData = scriptBytes(script.preprocessedScript);
    out.header(QStringLiteral("script.iss"), quint64(scriptData.size()));
    out.put(scriptData);
    const QByteArray manifestData = manifest(script);
    out.header(QStringLiteral("manifest.txt"), quint64(manifestData.size()));
    out.put(manifestData);

    qint64 total = 0;
    for (const PayloadFile &payload : script.payload)
        total += QFileInfo(payload.sourcePath).size();
    PackingProgress progress(m_host, total);
    for (qsizetype i = 0; i < script.payload.size(); ++i) {
        const PayloadFile &payload = script.payload.at(i);
        m_host.status(QStringLiteral("Compressing: %1").arg(payload.sourcePath));
        QFile source(payload.sourcePath);
        if (!source.open(QIODevice::ReadOnly))
            throw CompileError{QStringLiteral("Cannot read \"%1\": %2").arg(payload.sourcePath, source.errorString()), {}, 0};
        out.header(QStringLiteral("files/%1").arg(i), quint64(source.size()));
        qint64 left = source.size();
        do {
            const QByteArray chunk = source.read(std::min(left, kChunkSize));
            if (chunk.isEmpty() && left > 0)
                throw CompileError{QStringLiteral("Cannot read \"%1\": %2").arg(payload.sourcePath, source.errorString()), {}, 0};
            out.put(chunk);
            left -= chunk.size();
            progress.advance(chunk.size());
        } while (left > 0);
    }
    if (!file.commit())
        throw CompileError{QStringLiteral("Cannot finish the setup package \"%1\": %2").arg(path, file.errorString()), {}, 0};
    return path;
}

} // namespace talmo::iscmplr
