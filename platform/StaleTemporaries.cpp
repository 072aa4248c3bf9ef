#include "platform/StaleTemporaries.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace talmo::StaleTemporaries {

namespace {

bool MatchesPattern(const QString &name, const QString &prefix, const QString &suffix)
{
    return name.size() > prefix.size() + suffix.size() && name.startsWith(prefix) && name.endsWith(suffix);
}

// Takes the entry's lock without waiting; -1 while its writer holds it.
int LockIfUnheld(const QString &path)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (descriptor < 0)
        return -1;
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        ::close(descriptor);
        return -1;
    }
    return descriptor;
}

bool ChangedBefore(int descriptor, const QDateTime &before)
{
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        return false;
    const qint64 changedMs = qint64(status.st_mtim.tv_sec) * 1000 + status.st_mtim.tv_nsec / 1000000;
    return changedMs < before.toMSecsSinceEpoch();
}

} // namespace

bool Claim(int descriptor)
{
    while (::flock(descriptor, LOCK_EX) != 0) {
        if (errno != EINTR)
            return false;
    }
    struct stat status {};
    return ::fstat(descriptor, &status) == 0 && status.st_nlink > 0;
}

QStringList Remove(const QString &folder, const QString &prefix, const QString &suffix, const QDateTime &before)
{
    QStringList removed;
    // Unsorted and unfiltered by Qt: the temporary folder can be large, and a
    // build looks through it each time.
    QDirIterator entries(folder, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        const QString path = entries.next();
        const QString name = entries.fileName();
        if (!MatchesPattern(name, prefix, suffix))
            continue;
        const int descriptor = LockIfUnheld(path);
        if (descriptor < 0)
            continue;
        // Removed while locked, so its writer, if it were only now taking the
        // lock, finds its entry gone and makes another.
        if (ChangedBefore(descriptor, before)) {
            const bool gone = QFileInfo(path).isDir() ? QDir(path).removeRecursively() : QFile::remove(path);
            if (gone)
                removed.append(name);
        }
        ::close(descriptor);
    }
    return removed;
}

} // namespace talmo::StaleTemporaries
