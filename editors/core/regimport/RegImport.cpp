#include "editors/core/regimport/RegImport.h"

#include "editors/core/regimport/RegFileText.h"
#include "editors/core/regimport/RegTextParser.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace talmo {

namespace {

int errorOfErrno(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return RegImportResult::FileNotFound;
    case EACCES:
    case EPERM:
    case EISDIR:
        return RegImportResult::AccessDenied;
    default:
        return RegImportResult::ReadFault;
    }
}

// Owns the descriptor, so every way out closes the file.
class OpenFile
{
public:
    explicit OpenFile(const QString &path)
        : m_descriptor(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC))
        , m_error(m_descriptor < 0 ? errorOfErrno(errno) : RegImportResult::Success)
    {
        struct stat status;
        if (m_descriptor >= 0 && ::fstat(m_descriptor, &status) == 0 && S_ISDIR(status.st_mode))
            m_error = RegImportResult::AccessDenied;
    }
    ~OpenFile()
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
    }
    OpenFile(const OpenFile &) = delete;
    OpenFile &operator=(const OpenFile &) = delete;

    int error() const { return m_error; }

    // Reads to the end; the error code, or 0 with the bytes.
    int readAll(QByteArray &bytes) const
    {
        QFile file;
        if (!file.open(m_descriptor, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
            return RegImportResult::ReadFault;
        try {
            bytes = file.readAll();
        } catch (const std::bad_alloc &) {
            return RegImportResult::NotEnoughMemory;
        }
        return file.error() == QFileDevice::NoError ? RegImportResult::Success : RegImportResult::ReadFault;
    }

private:
    int m_descriptor;
    int m_error;
};

} // namespace

int ImportRegFile(const QString &path, const RegImportCallback &callback, const RegistryProbe &probe)
{
    const OpenFile file(path);
    if (file.error() != RegImportResult::Success)
        return file.error();
    if (!callback)
        return RegImportResult::InvalidParameter;
    QByteArray bytes;
    if (const int error = file.readAll(bytes))
        return error;
    return ImportRegBytes(bytes, callback, probe);
}

int ImportRegBytes(const QByteArray &bytes, const RegImportCallback &callback, const RegistryProbe &probe)
{
    if (!callback)
        return RegImportResult::InvalidParameter;
    RegFileText text;
    try {
        text = RegFileText::decode(bytes);
    } catch (const std::bad_alloc &) {
        return RegImportResult::NotEnoughMemory;
    }
    return RegTextParser(text, callback, probe).run();
}

} // namespace talmo
