#include "platform/AtomicFileWriter.h"
#include "platform/StaleTemporaries.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace talmo;

namespace {

const QDateTime kLongAgo = QDateTime::currentDateTimeUtc().addSecs(-3600);

void writeAged(const QString &path, const QDateTime &changed = kLongAgo)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("left behind");
    ASSERT_TRUE(file.flush());
    ASSERT_TRUE(file.setFileTime(changed, QFileDevice::FileModificationTime));
}

// A descriptor locked as a live writer holds its temporary.
class HeldLock
{
public:
    explicit HeldLock(const QString &path)
        : m_descriptor(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC))
    {
        EXPECT_TRUE(m_descriptor >= 0 && StaleTemporaries::Claim(m_descriptor));
    }
    ~HeldLock() { ::close(m_descriptor); }

private:
    int m_descriptor;
};

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Only what matches the pattern, is older than the build and is held by no
// one goes: a live writer's temporary, a fresh one and the user's files stay.
TEST(StaleTemporaries, RemovesOnlyUnheldOldEntriesOfItsOwnPattern)
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    writeAged(folder + QStringLiteral("/.Setup.exe.killed.tmp"));
    writeAged(folder + QStringLiteral("/.Setup.exe.alive.tmp"));
    writeAged(folder + QStringLiteral("/.Setup.exe.fresh.tmp"), QDateTime::currentDateTimeUtc().addSecs(60));
    writeAged(folder + QStringLiteral("/.Other.exe.killed.tmp"));
    writeAged(folder + QStringLiteral("/.Setup.exe.tmp"));
    writeAged(folder + QStringLiteral("/Setup.exe"));
    ASSERT_TRUE(QDir(folder).mkpath(QStringLiteral(".Setup.exe.folder.tmp/inside")));
    const HeldLock alive(folder + QStringLiteral("/.Setup.exe.alive.tmp"));

    // A second ahead, so the folder made just now counts as older than the build.
    const QStringList removed = StaleTemporaries::Remove(folder, QStringLiteral(".Setup.exe."), QStringLiteral(".tmp"),
                                                         QDateTime::currentDateTimeUtc().addSecs(1));

    EXPECT_EQ(removed.size(), 2) << removed.join(u' ').toStdString();
    EXPECT_EQ(entriesOf(folder), (QStringList{".Other.exe.killed.tmp", ".Setup.exe.alive.tmp", ".Setup.exe.fresh.tmp",
                                              ".Setup.exe.tmp", "Setup.exe"}));
}

// A writer that takes its lock only after a cleaner removed its fresh file
// learns so and makes another instead of writing into a removed file.
TEST(StaleTemporaries, AClaimOnARemovedFileFails)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral(".a.tmp"));
    writeAged(path);
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(descriptor, 0);
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_FALSE(StaleTemporaries::Claim(descriptor));
    ::close(descriptor);
}

// What a killed save left beside its target goes with the next save of that
// target; a save in progress at the same time keeps its file and finishes.
TEST(StaleTemporaries, AnAtomicWriteRemovesWhatAKilledWriterOfItsTargetLeft)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("Setup.exe"));
    writeAged(dir.filePath(QStringLiteral(".Setup.exe.k1ll3d.tmp")));
    AtomicFileWriter running(target);
    ASSERT_TRUE(running.open());
    ASSERT_TRUE(running.write("first"));

    ASSERT_TRUE(AtomicFileWriter::writeFile(target, "second"));
    EXPECT_EQ(entriesOf(dir.path()), (QStringList{QFileInfo(running.temporaryPath()).fileName(), "Setup.exe"}));
    ASSERT_TRUE(running.commit());

    EXPECT_EQ(entriesOf(dir.path()), QStringList{"Setup.exe"});
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "first");
}

} // namespace
