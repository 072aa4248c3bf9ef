#include "tools/cabwiz/CabinetBatch.h"
#include "tools/cabwiz/CabinetCapacity.h"
#include "tools/cabwiz/CabinetWriter.h"
#include "tools/cabwiz/SetupDescriptor.h"

#include "tests/cabwiz/CabwizRunner.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace talmo::cabwiz;
using namespace talmo::testing;

namespace {

TEST(CabinetCapacity, CountsBlocksAndRefusesAFolderPastItsLastOne)
{
    struct Case
    {
        qint64 bytes;
        qint64 blocks;
        bool holds;
    };
    // Four-byte blocks, three to a folder: the arithmetic of 32 KiB and 65,535 in small.
    const CabinetCapacity small(4, 3);
    for (const Case &c : {Case{0, 0, true}, Case{1, 1, true}, Case{4, 1, true}, Case{5, 2, true}, Case{12, 3, true},
                          Case{13, 4, false}}) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(small.blocksFor(c.bytes), c.blocks);
        EXPECT_EQ(small.holds(c.bytes), c.holds);
    }
    const CabinetCapacity real;
    EXPECT_EQ(real.maxBytes(), qint64(2147450880));
    EXPECT_TRUE(real.holds(real.maxBytes()));
    EXPECT_FALSE(real.holds(real.maxBytes() + 1));
    EXPECT_FALSE(real.holds(qint64(2) << 30));
}

class CabinetWriterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(work.isValid());
        source = work.filePath(QStringLiteral("app.exe"));
        QFile file(source);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("the application ").repeated(3000));
    }

    CabPlan planOf(const QString &member) const
    {
        CabPlan plan;
        plan.appName = QStringLiteral("Acme Demo");
        plan.installDir = QStringLiteral("%CE1%\\Demo");
        plan.files.append(FileInstall{QStringLiteral("%InstallDir%"), QFileInfo(member).fileName(), 0});
        plan.members.append(CabMember{QStringLiteral("app.001"), member});
        return plan;
    }

    QStringList entries() const
    {
        return QDir(work.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    const QDateTime stamp{QDate(2024, 5, 6), QTime(7, 8, 10)};
    QTemporaryDir work;
    QString source;
};

// A 2 GiB device file (sparse, so the test reads nothing) would wrap the
// folder's block count: it is refused before a byte is written.
TEST_F(CabinetWriterTest, AFileTooLargeForOneFolderIsRefusedBeforeWriting)
{
    const QString huge = work.filePath(QStringLiteral("huge.bin"));
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(qint64(2) << 30));
    file.close();
    const QString target = work.filePath(QStringLiteral("Hello.CAB"));
    const CabPlan plan = planOf(huge);

    const QList<InfError> errors = CabinetBatch(false, stamp, 1).write({CabinetJob{target, plan, SetupDescriptor::write(plan)}});

    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors.first().message().toStdString(),
              QStringLiteral("the cabinet %1 would hold %2 bytes, more than the 2147450880 bytes a cabinet can hold")
                  .arg(target)
                  .arg((qint64(2) << 30) + SetupDescriptor::write(plan).size())
                  .toStdString());
    EXPECT_EQ(entries(), (QStringList{"app.exe", "huge.bin"}));
}

// Two runs writing the same cabinet at once (two builds of one project) each
// write a temporary of their own; whichever finishes last gives the cabinet,
// and it is whole.
TEST_F(CabinetWriterTest, WritersOfTheSameCabinetNeverShareATemporaryFile)
{
    const QString target = work.filePath(QStringLiteral("Hello.CAB"));
    const CabPlan plan = planOf(source);
    CabinetWriter first(target, true);
    CabinetWriter second(target, false);
    first.write(plan, SetupDescriptor::MemberName, SetupDescriptor::write(plan), stamp);
    second.write(plan, SetupDescriptor::MemberName, SetupDescriptor::write(plan), stamp);
    second.commit();
    first.commit();

    EXPECT_EQ(entries(), (QStringList{"Hello.CAB", "app.exe"}));
    QProcess check;
    check.start(QStringLiteral("cabextract"), {QStringLiteral("-t"), target});
    ASSERT_TRUE(check.waitForFinished(60000));
    EXPECT_EQ(check.exitCode(), 0) << check.readAll().toStdString();
    QFile original(source);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(cabMember(target, QStringLiteral("app.001")), original.readAll());
}

// A killed run's temporary of this cabinet goes; another cabinet's stays.
TEST_F(CabinetWriterTest, AKilledRunsTemporaryOfTheSameCabinetIsRemoved)
{
    for (const char *name : {".Hello.CAB.k1ll3d.tmp", ".Other.CAB.k1ll3d.tmp"}) {
        QFile file(work.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("half a cabinet");
        ASSERT_TRUE(file.flush());
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-60), QFileDevice::FileModificationTime));
    }
    const QString target = work.filePath(QStringLiteral("Hello.CAB"));
    const CabPlan plan = planOf(source);
    CabinetWriter writer(target, false);
    writer.write(plan, SetupDescriptor::MemberName, SetupDescriptor::write(plan), stamp);
    writer.commit();

    EXPECT_EQ(entries(), (QStringList{".Other.CAB.k1ll3d.tmp", "Hello.CAB", "app.exe"}));
}

} // namespace
