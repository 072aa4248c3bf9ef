#include "engine/builder/PrivateWorkingFolder.h"

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

PrivateWorkingFolder::PrivateWorkingFolder(const QString &parentFolder, const QString &namePrefix)
    : m_parent(parentFolder)
    , m_prefix(namePrefix)
    , m_path(QDir(parentFolder).filePath(namePrefix + QString::number(QRandomGenerator::system()->generate64(), 16)))
{
}

PrivateWorkingFolder::~PrivateWorkingFolder()
{
    Remove();
}

bool PrivateWorkingFolder::Create(QString *reason)
{
    if (Exists())
        return true;
    StaleTemporaries::Remove(m_parent, m_prefix, QString(), QDateTime::currentDateTimeUtc());
    const QByteArray path = QFile::encodeName(m_path);
    for (;;) {
        if (::mkdir(path.constData(), 0700) != 0) {
            *reason = qt_error_string(errno);
            return false;
        }
        m_lock = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (m_lock < 0) {
            *reason = qt_error_string(errno);
            ::rmdir(path.constData());
            return false;
        }
        if (StaleTemporaries::Claim(m_lock))
            return true;
        // Another build took the fresh folder for a killed build's: make it again.
        ::close(m_lock);
        m_lock = -1;
    }
}

bool PrivateWorkingFolder::Remove()
{
    if (!Exists())
        return true;
    const bool removed = QDir(m_path).removeRecursively() || !QFileInfo::exists(m_path);
    ::close(m_lock);
    m_lock = -1;
    return removed;
}

} // namespace talmo
