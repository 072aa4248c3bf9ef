#include "platform/AtomicFileWriter.h"

#include "tests/support/ScopedFileSizeLimit.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace talmo;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writePlain(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList entriesOf(const QTemporaryDir &dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Installs a fault hook for one test and takes it away again.
class ScopedFault
{
public:
    ScopedFault(AtomicFileWriter::Step step, int errorNumber)
        : m_previous(AtomicFileWriter::setFaultHook(
              [step, errorNumber](AtomicFileWriter::Step at) { return at == step ? errorNumber : 0; }))
    {
    }
    ~ScopedFault() { AtomicFileWriter::setFaultHook(m_previous); }

private:
    AtomicFileWriter::FaultHook m_previous;
};

const QByteArray oldBytes("<project>the user's work</project>");

// A failed save: the old file as it was and nothing beside it.
void expectOldFileAlone(const QTemporaryDir &dir, const QString &path)
{
    EXPECT_EQ(readAll(path), oldBytes);
    EXPECT_EQ(entriesOf(dir), QStringList{QFileInfo(path).fileName()});
}

} // namespace

TEST(AtomicFileWriter, WritesTheFileAndLeavesNothingElse)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.talmo"));
    QString error;
    ASSERT_TRUE(AtomicFileWriter::writeFile(path, QByteArray(70000, 'x'), &error)) << error.toStdString();
    EXPECT_EQ(readAll(path), QByteArray(70000, 'x'));
    ASSERT_TRUE(AtomicFileWriter::writeFile(path, oldBytes));
    EXPECT_EQ(readAll(path), oldBytes);
    EXPECT_EQ(entriesOf(dir), QStringList{QStringLiteral("a.talmo")});
}

TEST(AtomicFileWriter, EveryFailingStepKeepsTheOldFileAndGivesTheSystemsReason)
{
    using Step = AtomicFileWriter::Step;
    for (const Step step : {Step::Open, Step::Write, Step::Sync, Step::Close, Step::Rename}) {
        SCOPED_TRACE(int(step));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.talmo"));
        writePlain(path, oldBytes);
        ScopedFault fault(step, ENOSPC);
        QString error;
        EXPECT_FALSE(AtomicFileWriter::writeFile(path, QByteArray(100, 'n'), &error));
        EXPECT_EQ(error, qt_error_string(ENOSPC));
        expectOldFileAlone(dir, path);
    }
}

TEST(AtomicFileWriter, AWriteCutShortByTheFileSizeLimitFailsEvenWhenSmall)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.talmo"));
    writePlain(path, oldBytes);
    QString error;
    bool written = true;
    {
        talmo::testing::ScopedFileSizeLimit limit(8);
        written = AtomicFileWriter::writeFile(path, QByteArray(6500, 'n'), &error);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(error, qt_error_string(EFBIG));
    expectOldFileAlone(dir, path);
}

TEST(AtomicFileWriter, CancelledOrUncommittedWritesLeaveTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.talmo"));
    writePlain(path, oldBytes);
    {
        AtomicFileWriter file(path);
        ASSERT_TRUE(file.open());
        ASSERT_TRUE(file.write("half"));
    }
    AtomicFileWriter cancelled(path);
    ASSERT_TRUE(cancelled.open());
    ASSERT_TRUE(cancelled.write("half"));
    cancelled.cancel();
    EXPECT_FALSE(cancelled.commit());
    expectOldFileAlone(dir, path);
}

TEST(AtomicFileWriter, KeepsALinkAndThePermissionsOfTheFileItReplaces)
{
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("real.json"));
    const QString link = dir.filePath(QStringLiteral("link.json"));
    writePlain(real, oldBytes);
    ASSERT_TRUE(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(QFile::link(real, link));
    ASSERT_TRUE(AtomicFileWriter::writeFile(link, "new"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readAll(real), QByteArray("new"));
    struct stat status {};
    ASSERT_EQ(stat(QFile::encodeName(real).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u);
}

TEST(AtomicFileWriter, CopiesAFileOrReportsAMissingSource)
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("source.dll"));
    const QString target = dir.filePath(QStringLiteral("target.dll"));
    writePlain(source, QByteArray(3 * 1024 * 1024 + 5, 'd'));
    QString error;
    ASSERT_TRUE(AtomicFileWriter::copyFile(source, target, &error)) << error.toStdString();
    EXPECT_EQ(readAll(target), readAll(source));
    EXPECT_FALSE(AtomicFileWriter::copyFile(dir.filePath(QStringLiteral("missing")), target, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readAll(target), readAll(source));
}

// A real full file system: a small tmpfs mounted in a user namespace of a
// child process. Where the system allows no such namespace the test skips.
TEST(AtomicFileWriter, OnARealFullFileSystemTheOldFileSurvives)
{
    QTemporaryDir dir;
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    constexpr int cannotMount = 77;
    const uid_t uid = getuid();
    const gid_t gid = getgid();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto put = [](const char *file, const QByteArray &text) {
            const int fd = ::open(file, O_WRONLY);
            const bool ok = fd >= 0 && ::write(fd, text.constData(), size_t(text.size())) == text.size();
            if (fd >= 0)
                ::close(fd);
            return ok;
        };
        if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 || !put("/proc/self/setgroups", "deny")
            || !put("/proc/self/uid_map", "0 " + QByteArray::number(uid) + " 1")
            || !put("/proc/self/gid_map", "0 " + QByteArray::number(gid) + " 1")
            || mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
            _exit(cannotMount);
        const QString path = dir.filePath(QStringLiteral("a.talmo"));
        if (!AtomicFileWriter::writeFile(path, oldBytes))
            _exit(2);
        QFile filler(dir.filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            _exit(3);
        while (filler.write(QByteArray(4096, 'f')) > 0) {
        }
        filler.close();
        QString error;
        const bool written = AtomicFileWriter::writeFile(path, QByteArray(6500, 'n'), &error);
        const bool kept = readAll(path) == oldBytes;
        _exit(!written && error == qt_error_string(ENOSPC) && kept ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == cannotMount)
        GTEST_SKIP() << "this system lets no test mount a small file system";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save on a full file system reported success or harmed the old file";
}
