#include "engine/builder/BuildController.h"
#include "engine/builder/OutputNameRule.h"
#include "tests/engine/builder/BuilderTestProject.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/ScopedFileSizeLimit.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace talmo;
using namespace talmo::testing;

namespace {

class OutputFaultsBuildTest : public BuilderFixture
{
protected:
    void SetUp() override
    {
        BuilderFixture::SetUp();
        questions.answers = {true};
        builder.WindowShown();
    }
};

// With the temporary folder full the .inf cannot be written whole: the build
// fails naming the file and the reason, and no CAB comes of it.
TEST_F(OutputFaultsBuildTest, AFullWorkingFolderFailsTheCabBuild)
{
    ASSERT_TRUE(QDir().mkpath(fixture.OutputFolder()));
    {
        ScopedFileSizeLimit fullDisk(64);
        builder.BuildCabs();
    }
    EXPECT_EQ(builder.ResultCode, 3);
    EXPECT_TRUE(builder.ErrorText.startsWith(QStringLiteral("Fatal Error: The .inf file"))) << builder.ErrorText.toStdString();
    EXPECT_TRUE(builder.ErrorText.endsWith(qt_error_string(EFBIG))) << builder.ErrorText.toStdString();
    EXPECT_FALSE(builder.LogLines().contains(QStringLiteral("Successful build of CAB(s) Files(s)")));
    EXPECT_EQ(fixture.OutputFiles(), QStringList());
    EXPECT_EQ(fixture.WorkingFiles(), QStringList());
}

TEST_F(OutputFaultsBuildTest, OutputNamesThatLeaveTheOutputFolderAreRefused)
{
    for (const QString name : {QStringLiteral("../escape.cab"), QStringLiteral("..\\escape.cab"),
                               QStringLiteral("sub/../../escape.cab"), fixture.Path(QStringLiteral("escape.cab")),
                               QStringLiteral("C:\\escape.cab")}) {
        SCOPED_TRACE(name.toStdString());
        fixture.project.CABOutputFilename = name;
        builder.BuildCabs();
        EXPECT_EQ(builder.ResultCode, 3);
        EXPECT_EQ(builder.ErrorText,
                  QStringLiteral("Fatal Error: The CAB file name \"%1\" must name a file inside the output folder !").arg(name));

        fixture.project.CABOutputFilename.clear();
        fixture.project.SetupExecName = name;
        builder.BuildInstallation();
        EXPECT_EQ(builder.ResultCode, 3);
        EXPECT_EQ(builder.ErrorText,
                  QStringLiteral("Fatal Error: The setup file name \"%1\" must name a file inside the output folder !").arg(name));
        fixture.project.SetupExecName = QStringLiteral("Setup.exe");
    }
    EXPECT_FALSE(QFileInfo::exists(fixture.Path(QStringLiteral("project/escape.CAB"))));
    EXPECT_FALSE(QFileInfo::exists(fixture.Path(QStringLiteral("escape.CAB"))));
    EXPECT_EQ(fixture.OutputFiles(), QStringList());
}

TEST(OutputNameRule, NamesInsideTheFolderStay)
{
    for (const char *name : {"Setup.exe", "My Pack.cab", "sub/Pack.cab", "a..b.cab", "..cab", "x/..y"})
        EXPECT_FALSE(LeavesOutputFolder(QString::fromLatin1(name))) << name;
}

} // namespace
