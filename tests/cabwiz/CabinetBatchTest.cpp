#include "tools/cabwiz/CabinetBatch.h"
#include "tools/cabwiz/SetupDescriptor.h"

#include "tests/cabwiz/CabwizRunner.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace talmo::cabwiz;
using namespace talmo::testing;

namespace {

// Three processors sharing most of their files, as multi-processor projects do.
class CabinetBatchTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(work.isValid());
        ASSERT_TRUE(QDir(work.path()).mkpath(QStringLiteral("src")));
        QRandomGenerator random(7);
        for (int i = 0; i < 12; ++i) {
            // Text and noise, several compression blocks each.
            QByteArray content = QByteArray("shared file ").repeated(4000 + 900 * i);
            for (int n = 0; n < 20000; ++n)
                content.append(char(random.generate()));
            shared.append(writeSource(QStringLiteral("shared%1.dat").arg(i), content));
        }
        // Written once: a member's time stamp is its source's, so rewriting a
        // source between two runs could change the cabinet it is compared in.
        for (const QString &processor : processors)
            own.append(writeSource(processor + QStringLiteral(".exe"), processor.toUtf8().repeated(5000)));
    }

    QString writeSource(const QString &name, const QByteArray &content)
    {
        const QString path = work.filePath(QStringLiteral("src/") + name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    QList<CabinetJob> jobs(const QString &folder)
    {
        QList<CabinetJob> result;
        for (qsizetype p = 0; p < processors.size(); ++p) {
            const QString &processor = processors[p];
            CabPlan plan;
            plan.appName = QStringLiteral("Acme Demo");
            plan.installDir = QStringLiteral("%CE1%\\Demo");
            QStringList sources = shared;
            sources.append(own[p]);
            for (const QString &source : sources) {
                plan.files.append(FileInstall{QStringLiteral("%InstallDir%"), QFileInfo(source).fileName(), plan.members.size()});
                plan.members.append(CabMember{QStringLiteral("file.%1").arg(plan.members.size() + 1, 3, 10, QLatin1Char('0')),
                                              source});
            }
            result.append(CabinetJob{work.filePath(folder + QStringLiteral("/demo.") + processor + QStringLiteral(".CAB")),
                                     plan, SetupDescriptor::write(plan)});
        }
        return result;
    }

    QByteArray read(const QString &path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return file.readAll();
    }

    const QDateTime stamp{QDate(2024, 5, 6), QTime(7, 8, 10)};
    QTemporaryDir work;
    const QStringList processors{QStringLiteral("ARMV4"), QStringLiteral("MIPSII"), QStringLiteral("SH3")};
    QStringList shared;
    QStringList own;
};

TEST_F(CabinetBatchTest, ConcurrentCabinetsEqualThoseWrittenOneAfterAnother)
{
    for (const bool compress : {false, true}) {
        SCOPED_TRACE(compress ? "MSZIP" : "stored");
        const QString serial = compress ? QStringLiteral("serial-mszip") : QStringLiteral("serial");
        const QString concurrent = compress ? QStringLiteral("concurrent-mszip") : QStringLiteral("concurrent");
        ASSERT_TRUE(QDir(work.path()).mkpath(serial) && QDir(work.path()).mkpath(concurrent));
        EXPECT_TRUE(CabinetBatch(compress, stamp, 1).write(jobs(serial)).isEmpty());
        EXPECT_TRUE(CabinetBatch(compress, stamp, 3).write(jobs(concurrent)).isEmpty());

        const QStringList names{"demo.ARMV4.CAB", "demo.MIPSII.CAB", "demo.SH3.CAB"};
        ASSERT_EQ(cabinetsIn(work.filePath(serial)), names);
        ASSERT_EQ(cabinetsIn(work.filePath(concurrent)), names);
        for (const QString &name : names) {
            const QByteArray written = read(work.filePath(concurrent + u'/' + name));
            EXPECT_EQ(written, read(work.filePath(serial + u'/' + name))) << name.toStdString();
            EXPECT_EQ(cabMember(work.filePath(concurrent + u'/' + name), QStringLiteral("file.007")), read(shared[6]));
        }
    }
}

// A source that vanished after planning fails one cabinet while the others
// are being written: no cabinet of the run is left, and the error names it.
TEST_F(CabinetBatchTest, OneFailedCabinetLeavesNoneOfTheRun)
{
    ASSERT_TRUE(QDir(work.path()).mkpath(QStringLiteral("out")));
    QList<CabinetJob> run = jobs(QStringLiteral("out"));
    run[1].plan.members.append(CabMember{QStringLiteral("gone.014"), work.filePath(QStringLiteral("src/gone.dat"))});

    const QList<InfError> errors = CabinetBatch(true, stamp, 3).write(run);

    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().message().contains(QStringLiteral("gone.014"))) << errors.first().what();
    EXPECT_EQ(cabinetsIn(work.filePath(QStringLiteral("out"))), QStringList());
}

} // namespace
