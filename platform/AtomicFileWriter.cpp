#include "platform/AtomicFileWriter.h"

#include "platform/StaleTemporaries.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace talmo {

namespace {

AtomicFileWriter::FaultHook &faultHook()
{
    static AtomicFileWriter::FaultHook hook;
    return hook;
}

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

// The file the bytes end up in: the one a symbolic link names, so that the
// link itself survives the rename.
QString targetOf(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.isSymLink())
        return fileName;
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

// Makes the rename itself durable. A file system that cannot sync a folder
// has already put the file in place, so a failure here is no failed save.
void syncFolderOf(const QString &path)
{
    const int folder = ::open(encoded(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return;
    ::fsync(folder);
    ::close(folder);
}

constexpr qint64 kCopyChunk = 1024 * 1024;
const QString kTemporarySuffix = QStringLiteral(".tmp");

} // namespace

AtomicFileWriter::AtomicFileWriter(const QString &fileName)
    : m_targetPath(targetOf(fileName))
{
}

AtomicFileWriter::~AtomicFileWriter()
{
    cancel();
}

AtomicFileWriter::FaultHook AtomicFileWriter::setFaultHook(FaultHook hook)
{
    FaultHook previous = std::move(faultHook());
    faultHook() = std::move(hook);
    return previous;
}

bool AtomicFileWriter::fail(int errorNumber)
{
    m_error = qt_error_string(errorNumber);
    m_failed = true;
    cancel();
    return false;
}

bool AtomicFileWriter::faulted(Step step)
{
    if (!faultHook())
        return false;
    const int injected = faultHook()(step);
    if (injected != 0)
        fail(injected);
    return injected != 0;
}

bool AtomicFileWriter::open()
{
    cancel();
    m_failed = false;
    m_error.clear();
    if (faulted(Step::Open))
        return false;
    const QFileInfo target(m_targetPath);
    const QString namePrefix = u'.' + target.fileName() + u'.';
    // What a killed writer of this target left; a live writer's file is locked and stays.
    StaleTemporaries::Remove(target.absolutePath(), namePrefix, kTemporarySuffix, QDateTime::currentDateTimeUtc());
    const QString prefix = target.absoluteDir().filePath(namePrefix);
    for (;;) {
        m_temporaryPath = prefix + QString::number(QRandomGenerator::global()->generate(), 36) + kTemporarySuffix;
        m_descriptor = ::open(encoded(m_temporaryPath).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_descriptor < 0 && errno == EEXIST)
            continue;
        if (m_descriptor < 0) {
            m_temporaryPath.clear();
            return fail(errno);
        }
        // The lock lives on a duplicate, so it outlasts the checked close until the rename is done.
        m_lockDescriptor = ::fcntl(m_descriptor, F_DUPFD_CLOEXEC, 0);
        if (m_lockDescriptor < 0)
            return fail(errno);
        if (StaleTemporaries::Claim(m_lockDescriptor))
            break;
        cancel();
    }
    struct stat existing {};
    if (::stat(encoded(m_targetPath).constData(), &existing) == 0 && S_ISREG(existing.st_mode))
        ::fchmod(m_descriptor, existing.st_mode & 07777);
    return true;
}

bool AtomicFileWriter::write(QByteArrayView bytes)
{
    if (m_descriptor < 0)
        return m_failed ? false : fail(EBADF);
    const char *data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        if (faulted(Step::Write))
            return false;
        const ssize_t written = ::write(m_descriptor, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return fail(written < 0 ? errno : ENOSPC);
        data += written;
        left -= written;
    }
    return true;
}

bool AtomicFileWriter::commit()
{
    if (m_descriptor < 0)
        return m_failed ? false : fail(EBADF);
    if (faulted(Step::Sync))
        return false;
    if (::fsync(m_descriptor) != 0)
        return fail(errno);
    if (faulted(Step::Close))
        return false;
    const int closed = ::close(m_descriptor);
    m_descriptor = -1;
    if (closed != 0)
        return fail(errno);
    if (faulted(Step::Rename))
        return false;
    if (::rename(encoded(m_temporaryPath).constData(), encoded(m_targetPath).constData()) != 0)
        return fail(errno);
    m_temporaryPath.clear();
    releaseLock();
    syncFolderOf(m_targetPath);
    return true;
}

void AtomicFileWriter::cancel()
{
    if (m_descriptor >= 0) {
        ::close(m_descriptor);
        m_descriptor = -1;
    }
    removeTemporary();
}

void AtomicFileWriter::removeTemporary()
{
    if (!m_temporaryPath.isEmpty())
        ::unlink(encoded(m_temporaryPath).constData());
    m_temporaryPath.clear();
    releaseLock();
}

void AtomicFileWriter::releaseLock()
{
    if (m_lockDescriptor >= 0)
        ::close(m_lockDescriptor);
    m_lockDescriptor = -1;
}

bool AtomicFileWriter::writeFile(const QString &fileName, QByteArrayView bytes, QString *error)
{
    AtomicFileWriter file(fileName);
    const bool written = file.open() && file.write(bytes) && file.commit();
    if (!written && error)
        *error = file.errorString();
    return written;
}

bool AtomicFileWriter::copyFile(const QString &source, const QString &target, QString *error)
{
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly)) {
        if (error)
            *error = input.errorString();
        return false;
    }
    AtomicFileWriter output(target);
    bool copied = output.open();
    while (copied && !input.atEnd()) {
        const QByteArray chunk = input.read(kCopyChunk);
        if (chunk.isEmpty() && input.error() != QFileDevice::NoError) {
            if (error)
                *error = input.errorString();
            return false;
        }
        copied = output.write(chunk);
    }
    copied = copied && output.commit();
    if (!copied && error)
        *error = output.errorString();
    return copied;
}

} // namespace talmo
