#include "CompilerFixture.h"

#include "tests/support/ScopedFileSizeLimit.h"

#include <sys/stat.h>

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

using OutputFaults = CompilerFixture;

// The disk fills while the package is written, also within its last few
// kilobytes: the compile fails with the system's reason and leaves the
// earlier package as it was.
TEST_F(OutputFaults, aPackageThatCannotBeWrittenFailsTheCompileAndKeepsTheOldOne)
{
    writeFile(QStringLiteral("payload.bin"), QByteArray(20000, 'p'));
    writeFile(QStringLiteral("Output/setup.exe"), "the earlier package");
    const QStringList script = minimalSetup() << QStringLiteral("[Files]") << QStringLiteral("Source: payload.bin; DestDir: {app}");
    for (const rlim_t limit : {rlim_t(100), rlim_t(19000)}) {
        SCOPED_TRACE(limit);
        CompilerSession s = session(script);
        {
            talmo::testing::ScopedFileSizeLimit fullDisk(limit);
            EXPECT_EQ(s.compile(), TCompilerResultFailed);
        }
        ASSERT_EQ(s.errors.size(), 1);
        EXPECT_EQ(s.errors.first().message, QStringLiteral("Error writing the setup package: ") + qt_error_string(EFBIG));
        EXPECT_FALSE(s.errors.first().hasFile);
        EXPECT_EQ(contentOf(outputFolder() + QStringLiteral("/setup.exe")), QByteArray("the earlier package"));
        EXPECT_EQ(QDir(outputFolder()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("setup.exe")});
    }
}

TEST_F(OutputFaults, aSourceThatIsNoRegularFileIsSaidToBeNone)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(sourcePath(QStringLiteral("pipe.txt"))).constData(), 0600), 0);
    ASSERT_TRUE(QDir().mkpath(sourcePath(QStringLiteral("folder.txt"))));
    for (const QString name : {QStringLiteral("pipe.txt"), QStringLiteral("folder.txt")}) {
        CompilerSession s = session(minimalSetup() << QStringLiteral("[Files]")
                                                   << QStringLiteral("Source: %1; DestDir: {app}").arg(name));
        EXPECT_EQ(s.compile(), TCompilerResultFailed);
        ASSERT_EQ(s.errors.size(), 1);
        EXPECT_EQ(s.errors.first().message, QStringLiteral("Source file \"%1\" is not a regular file").arg(name));
    }
}
