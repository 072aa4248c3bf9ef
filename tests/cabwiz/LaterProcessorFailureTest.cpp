#include "tests/cabwiz/CabwizRunner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace talmo::testing;

namespace {

// Two processors that share one copy section; only the second one's disk
// lacks the file. The first processor's cabinet would build on its own, but
// a failed run must leave no cabinet at all.
TEST(LaterProcessorFailure, LeavesNoCabinetOfAnEarlierProcessor)
{
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    for (const char *folder : {"arm", "mips", "out"})
        ASSERT_TRUE(QDir(work.path()).mkpath(QString::fromLatin1(folder)));
    QFile exe(work.filePath(QStringLiteral("arm/app.exe")));
    ASSERT_TRUE(exe.open(QIODevice::WriteOnly));
    exe.write("arm build");
    exe.close();

    const QString inf = work.filePath(QStringLiteral("pair.inf"));
    writeInfFile(inf, QStringLiteral("[Version]\r\nSignature = \"$Windows NT$\"\r\n"
                                     "[CEStrings]\r\nAppName = \"Pair\"\r\nInstallDir = \"%CE1%\\Pair\"\r\n"
                                     "[SourceDisksNames.ARMV4]\r\n1 = ,\"Disk-1\",,%1/arm\r\n"
                                     "[SourceDisksNames.MIPSII]\r\n2 = ,\"Disk-2\",,%1/mips\r\n"
                                     "[SourceDisksFiles.ARMV4]\r\n\"app.exe\"=1\r\n"
                                     "[SourceDisksFiles.MIPSII]\r\n\"app.exe\"=2\r\n"
                                     "[Files]\r\napp.exe,app.exe,\r\n"
                                     "[DestinationDirs]\r\nFiles=0,%InstallDir%\r\n"
                                     "[DefaultInstall]\r\nCopyfiles=Files\r\n")
                          .arg(work.path()));

    const QStringList toOut{inf, QStringLiteral("/dest"), work.filePath(QStringLiteral("out")), QStringLiteral("/cpu"),
                            QStringLiteral("ARMV4")};
    const CabwizResult alone = runCabwiz(toOut);
    ASSERT_EQ(alone.exitCode, 0) << alone.lines.join(u'\n').toStdString();
    ASSERT_EQ(cabinetsIn(work.filePath(QStringLiteral("out"))), QStringList{"pair.ARMV4.CAB"});
    QFile::remove(work.filePath(QStringLiteral("out/pair.ARMV4.CAB")));

    const CabwizResult result = runCabwiz(toOut + QStringList{QStringLiteral("MIPSII")});

    EXPECT_NE(result.exitCode, 0);
    ASSERT_EQ(result.errorLines().size(), 1) << result.lines.join(u'\n').toStdString();
    EXPECT_TRUE(result.errorLines().first().contains(QStringLiteral("mips/app.exe")))
        << result.errorLines().first().toStdString();
    EXPECT_EQ(cabinetsIn(work.filePath(QStringLiteral("out"))), QStringList());
}

} // namespace
