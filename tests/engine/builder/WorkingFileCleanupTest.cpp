#include "engine/builder/BuildController.h"
#include "platform/ProgramFolder.h"
#include "tests/engine/builder/BuilderTestProject.h"

#include <QDir>

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;
using namespace talmo::testing;

namespace {

class WorkingFileCleanupTest : public BuilderFixture
{
protected:
    void SetUp() override
    {
        BuilderFixture::SetUp();
        ASSERT_TRUE(QDir().mkpath(fixture.OutputFolder()));
        builder.WindowShown();
    }
};

// A working file that cannot be deleted is a warning after the build's own
// verdict, and leaves the verdict and the other clean-up alone.
TEST_F(WorkingFileCleanupTest, AFileThatCannotBeDeletedIsAWarningAfterTheVerdict)
{
    // This cabwiz puts a non-empty folder where the .inf file was, and writes its CAB.
    const QString programFolder = fixture.Path(QStringLiteral("program"));
    WriteFakeCabwiz(programFolder, "rm \"$1\" && mkdir \"$1\" && touch \"$1/held\" && echo x > \"$3/My_App.CAB\"");
    ProgramFolder::setOverride(programFolder);

    builder.BuildCabs();

    EXPECT_EQ(builder.ResultCode, 0);
    EXPECT_EQ(builder.ErrorText, QString());
    EXPECT_EQ(builder.LogLines().mid(3),
              (QStringList{"--> Start Building CAB(s) File(s)", "Successful build of CAB(s) Files(s)",
                           "Warning: Error while cleaning temp file: My_App.inf from working directory !"}));
    EXPECT_EQ(fixture.WorkingFiles(), QStringList());
    // What the file names could not remove goes with the build's private folder.
    EXPECT_EQ(fixture.PrivateFolders(), QStringList());
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(fixture.WorkingFolder()).canonicalPath());
}

} // namespace
