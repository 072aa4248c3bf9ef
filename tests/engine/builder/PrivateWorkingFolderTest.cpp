#include "engine/builder/BuildController.h"
#include "engine/builder/PrivateWorkingFolder.h"
#include "platform/ProgramFolder.h"
#include "platform/StaleTemporaries.h"
#include "tests/engine/builder/BuilderTestProject.h"

#include <QDir>

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace talmo;
using namespace talmo::testing;

namespace {

// Makes a folder look as a build killed an hour ago left it.
void MakeAged(const QString &folder)
{
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/inside")));
    const struct timespec hourAgo{::time(nullptr) - 3600, 0};
    const struct timespec times[2]{hourAgo, hourAgo};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(folder).constData(), times, 0), 0);
}

QStringList EntriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

class PrivateWorkingFolderTest : public BuilderFixture
{
protected:
    void SetUp() override
    {
        BuilderFixture::SetUp();
        ASSERT_TRUE(QDir().mkpath(fixture.OutputFolder()));
        // Notes where it found the .inf and what was beside it, then writes the CAB.
        const QString programFolder = fixture.Path(QStringLiteral("program"));
        WriteFakeCabwiz(programFolder, "dirname \"$1\" > \"" + QFile::encodeName(Record()) + "\"\n"
                                       "ls \"$(dirname \"$1\")\" >> \"" + QFile::encodeName(Record()) + "\"\n"
                                       "echo cab > \"$3/My_App.CAB\"");
        ProgramFolder::setOverride(programFolder);
        builder.WindowShown();
    }

    QString Record() const { return fixture.Path(QStringLiteral("record.txt")); }
    QStringList RecordLines() const
    {
        QFile file(Record());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)
                                              : QStringList();
    }
};

// Two builds never share a working file: each has a folder of its own, the
// .inf goes there, and the folder goes with the build; the output folder
// gets the CAB and nothing else.
TEST_F(PrivateWorkingFolderTest, EachBuildWorksInAFolderOfItsOwnThatGoesWithIt)
{
    BuildController other;
    other.SetWorkingFolder(fixture.WorkingFolder());
    const QString folder = builder.WorkingFolder();
    EXPECT_NE(folder, other.WorkingFolder());
    EXPECT_EQ(QFileInfo(folder).path(), fixture.WorkingFolder());
    EXPECT_TRUE(QFileInfo(folder).fileName().startsWith(QStringLiteral("talmo-build-")));
    EXPECT_FALSE(QFileInfo::exists(folder));

    builder.BuildCabs();

    EXPECT_EQ(builder.ResultCode, 0) << builder.LogLines().join(u'\n').toStdString();
    EXPECT_EQ(RecordLines(), (QStringList{folder, "My_App.inf"}));
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_EQ(EntriesOf(fixture.WorkingFolder()), QStringList());
    EXPECT_EQ(EntriesOf(fixture.OutputFolder()), QStringList{"My_App.CAB"});
    // The .inf text keeps naming the folder, so a second build from the window works alike.
    builder.BuildCabs();
    EXPECT_EQ(builder.ResultCode, 0) << builder.LogLines().join(u'\n').toStdString();
    EXPECT_EQ(RecordLines().value(0), folder);
}

// What killed builds left, in the working folder and in the output folder,
// goes with the next build; the folders of a build still running stay.
TEST_F(PrivateWorkingFolderTest, AKilledBuildsFoldersGoAndARunningBuildsStay)
{
    const QString deadWork = fixture.WorkingFolder() + QStringLiteral("/talmo-build-dead");
    const QString deadStaging = fixture.OutputFolder() + QStringLiteral("/.talmo-build-dead");
    const QString liveWork = fixture.WorkingFolder() + QStringLiteral("/talmo-build-alive");
    for (const QString &folder : {deadWork, deadStaging, liveWork})
        MakeAged(folder);
    const int held = ::open(QFile::encodeName(liveWork).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_TRUE(held >= 0 && StaleTemporaries::Claim(held));

    builder.BuildCabs();
    ::close(held);

    EXPECT_EQ(builder.ResultCode, 0) << builder.LogLines().join(u'\n').toStdString();
    EXPECT_EQ(EntriesOf(fixture.WorkingFolder()), QStringList{"talmo-build-alive"});
    EXPECT_EQ(EntriesOf(fixture.OutputFolder()), QStringList{"My_App.CAB"});
}

// A cabwiz that ends well but leaves no CAB is no successful build.
TEST_F(PrivateWorkingFolderTest, ACabwizThatLeavesNoCabFailsTheBuild)
{
    WriteFakeCabwiz(fixture.Path(QStringLiteral("program")), "exit 0");

    builder.BuildCabs();

    EXPECT_EQ(builder.ResultCode, 3);
    EXPECT_EQ(builder.ErrorText,
              QStringLiteral("Fatal Error: cabwiz reported no error but didn't write the CAB file My_App.CAB into the output folder !"));
    EXPECT_EQ(EntriesOf(fixture.OutputFolder()), QStringList());
}

} // namespace
