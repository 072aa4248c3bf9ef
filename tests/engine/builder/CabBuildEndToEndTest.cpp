#include "engine/builder/BuildController.h"
#include "engine/cab/BuildStepError.h"
#include "engine/cab/CabBuildPlan.h"
#include "platform/ProgramFolder.h"
#include "tests/engine/builder/BuilderTestProject.h"
#include "tests/cabwiz/CabwizRunner.h"

#include <QDir>
#include <QFile>
#include <QTimer>

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace talmo;
using namespace talmo::testing;

namespace {

// The CAB build run through the real cabwiz of the program folder, or through
// small stand-ins written into a program folder of the test's own.
class CabBuildEndToEndTest : public BuilderFixture
{
protected:
    void SetUp() override
    {
        BuilderFixture::SetUp();
        questions.answers = {true};
        builder.WindowShown();
    }

    void UseFakeCabwiz(const QByteArray &script)
    {
        const QString folder = fixture.Path(QStringLiteral("fake program"));
        WriteFakeCabwiz(folder, script);
        ProgramFolder::setOverride(folder);
    }

    QStringList LogAfterShowing() const { return builder.LogLines().mid(3); }
};

TEST_F(CabBuildEndToEndTest, OneConfigurationBuildsItsCabAndLeavesNoWorkingFiles)
{
    builder.BuildCabs();

    EXPECT_EQ(builder.ResultCode, 0) << builder.LogLines().join(u'\n').toStdString();
    EXPECT_EQ(builder.ErrorText, QString());
    EXPECT_EQ(questions.asked, QStringList{"The output directory does not exists. Do you want to create it ?"});
    EXPECT_EQ(LogAfterShowing(),
              (QStringList{"--> Start Building CAB(s) File(s)", "Successful build of CAB(s) Files(s)"}));
    EXPECT_EQ(fixture.OutputFiles(), QStringList{"My_App.CAB"});
    const QString cab = fixture.OutputFolder() + QStringLiteral("/My_App.CAB");
    EXPECT_TRUE(cabMembers(cab).contains(QStringLiteral("app.001"))) << cabMembers(cab).join(u' ').toStdString();
    EXPECT_EQ(cabMember(cab, QStringLiteral("app.001")), QByteArray("the application"));
    EXPECT_EQ(fixture.WorkingFiles(), QStringList());
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(fixture.WorkingFolder()).canonicalPath());
    EXPECT_EQ(builder.CurrentActivity(), BuildController::Activity::Idle);
    EXPECT_EQ(closeRequests, 0);
}

TEST_F(CabBuildEndToEndTest, ProcessorCabsAreRenamedAfterTheCabFileName)
{
    fixture.AddConfigurations({QStringLiteral("ARMV4"), QStringLiteral("MIPSII")});
    fixture.project.CABOutputFilename = QStringLiteral("Setup Pack.cab");
    fixture.project.CompressCab = true;
    WriteTestFile(fixture.OutputFolder() + QStringLiteral("/Setup_Pack.ARMV4.CAB"), "an earlier build");
    builder.BuildMode = 4;
    builder.WindowShown();  // the .inf text of the configurations added
    builder.StartAutomaticStep();

    EXPECT_EQ(builder.ResultCode, 0) << builder.LogLines().join(u'\n').toStdString();
    EXPECT_EQ(fixture.OutputFiles(), (QStringList{"Setup_Pack.ARMV4.CAB", "Setup_Pack.MIPSII.CAB"}));
    for (const QString &cab : fixture.OutputFiles())
        EXPECT_TRUE(cabMembers(fixture.OutputFolder() + u'/' + cab).contains(QStringLiteral("_setup.xml"))) << cab.toStdString();
    EXPECT_EQ(fixture.WorkingFiles(), QStringList());
    EXPECT_EQ(questions.asked, QStringList());
    EXPECT_EQ(closeRequests, 1);
}

// Each processor cabinet carries the default configuration's installation as
// well as its own: files, registry values and shortcuts.
TEST_F(CabBuildEndToEndTest, ProcessorCabsAlsoInstallTheDefaultConfiguration)
{
    TRegistrySection &registry = fixture.project.RegistrySections.AddNew();
    registry.Caption = QStringLiteral("Settings");
    TRegistryEntry &value = registry.Entries.AddNew();
    value.registry_root_string = QStringLiteral("HKEY_LOCAL_MACHINE");
    value.subkey = QStringLiteral("Software\\Acme");
    value.value_name = QStringLiteral("Level");
    value.flags = QStringLiteral("TYPE_DWORD");
    value.value = QStringLiteral("3");
    TShortcutSection &links = fixture.project.ShortcutsSections.AddNew();
    links.Caption = QStringLiteral("Links");
    links.DefaultDestinationDir = QStringLiteral("%CE11%");
    TShortcutEntry &link = links.Entries.AddNew();
    link.shortcut_filename = QStringLiteral("My App");
    link.target_file_path = QStringLiteral("app.exe");
    TInstallation &generic = fixture.project.CEDevices[0].Installation;
    generic.defaultInstallRegistry = {QStringLiteral("Settings")};
    generic.defaultInstallShortcuts = {QStringLiteral("Links")};
    fixture.AddConfigurations({QStringLiteral("ARMV4")});
    TPPCFS_File &tool = fixture.project.CEDevices[1].Files[0];
    tool.SourceName = tool.DestinationName = QStringLiteral("tool.dll");
    tool.SourceDir = QStringLiteral("arm\\");
    WriteTestFile(fixture.Path(QStringLiteral("project/arm/tool.dll")), "the arm tool");
    builder.WindowShown(); // the .inf text of the configurations
    builder.BuildCabs();

    ASSERT_EQ(builder.ResultCode, 0) << builder.LogLines().join(u'\n').toStdString();
    ASSERT_EQ(fixture.OutputFiles(), QStringList{"My_App.ARMV4.CAB"});
    const QString cab = fixture.OutputFolder() + QStringLiteral("/My_App.ARMV4.CAB");
    EXPECT_EQ(cabMembers(cab), (QStringList{"_setup.xml", "app.001", "tool.002"}));
    EXPECT_EQ(cabMember(cab, QStringLiteral("app.001")), QByteArray("the application"));
    EXPECT_EQ(cabMember(cab, QStringLiteral("tool.002")), QByteArray("the arm tool"));
    const QString descriptor = QString::fromUtf8(cabMember(cab, QStringLiteral("_setup.xml")));
    for (const char *expected : {"<characteristic type=\"app.exe\">", "<characteristic type=\"tool.dll\">",
                                 "<parm name=\"Level\" value=\"3\" datatype=\"integer\"/>",
                                 "<characteristic type=\"My App.lnk\">",
                                 "<parm name=\"Source\" value=\"%InstallDir%\\app.exe\" translation=\"install\"/>"})
        EXPECT_TRUE(descriptor.contains(QString::fromUtf8(expected))) << expected << "\n" << descriptor.toStdString();
}

// A blank in a target's name is "_" in its CAB's name, the one the build and
// the setup script expect, with or without a CAB file name of the project's own.
struct BlankTargetCase
{
    const char *label;
    const char *cabFileName;
    const char *expectedCab;
};

void PrintTo(const BlankTargetCase &c, std::ostream *os)
{
    *os << c.label;
}

class CabBuildBlankTargetTest : public CabBuildEndToEndTest, public ::testing::WithParamInterface<BlankTargetCase>
{
};

TEST_P(CabBuildBlankTargetTest, BuildsTheCabUnderTheExpectedName)
{
    fixture.AddConfigurations({QStringLiteral("ARM v4 (x)")});
    fixture.project.CABOutputFilename = QString::fromUtf8(GetParam().cabFileName);
    builder.WindowShown(); // the .inf text of the configuration added
    builder.BuildCabs();

    ASSERT_EQ(builder.ResultCode, 0) << builder.LogLines().join(u'\n').toStdString();
    const QString expected = QString::fromUtf8(GetParam().expectedCab);
    EXPECT_EQ(fixture.OutputFiles(), QStringList{expected});
    EXPECT_EQ(CabBuildPlan(fixture.project).FinalCabNames(), QStringList{expected});
    EXPECT_EQ(cabMember(fixture.OutputFolder() + u'/' + expected, QStringLiteral("app.001")),
              QByteArray("the application"));
}

INSTANTIATE_TEST_SUITE_P(
    Table, CabBuildBlankTargetTest,
    ::testing::Values(BlankTargetCase{"CabwizOwnName", "", "My_App.ARM_v4_(x).CAB"},
                      BlankTargetCase{"CabFileName", "Setup Pack.cab", "Setup_Pack.ARM_v4_(x).CAB"}),
    [](const ::testing::TestParamInfo<BlankTargetCase> &info) { return std::string(info.param.label); });

TEST_F(CabBuildEndToEndTest, ACabFileNameLikeCabwizOwnKeepsTheCab)
{
    fixture.project.CABOutputFilename = QStringLiteral("My App.cab");
    builder.BuildCabs();
    EXPECT_EQ(builder.ResultCode, 0);
    EXPECT_EQ(fixture.OutputFiles(), QStringList{"My_App.CAB"});
}

TEST_F(CabBuildEndToEndTest, AMissingSourceFileFailsAndStillRemovesTheOldCab)
{
    QFile::remove(fixture.Path(QStringLiteral("project/bin/app.exe")));
    fixture.project.CABOutputFilename = QStringLiteral("Pack.cab");
    WriteTestFile(fixture.OutputFolder() + QStringLiteral("/Pack.CAB"), "an earlier build");
    builder.BuildCabs();

    EXPECT_EQ(builder.ResultCode, 3);
    EXPECT_TRUE(builder.ErrorText.startsWith(QStringLiteral("Error"))) << builder.ErrorText.toStdString();
    EXPECT_TRUE(builder.LogLines().contains(builder.ErrorText));
    EXPECT_FALSE(builder.LogLines().contains(QStringLiteral("Successful build of CAB(s) Files(s)")));
    EXPECT_EQ(fixture.OutputFiles(), QStringList());
    EXPECT_EQ(fixture.WorkingFiles(), QStringList());
}

TEST_F(CabBuildEndToEndTest, AProgramFolderWithABlankStillRuns)
{
    const QString folder = fixture.Path(QStringLiteral("Program Files/Talmo"));
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile::link(QStringLiteral(TALMO_TEST_PROGRAM_DIR "/cabwiz"), folder + QStringLiteral("/cabwiz")));
    ProgramFolder::setOverride(folder);
    builder.BuildCabs();
    EXPECT_EQ(builder.ResultCode, 0) << builder.LogLines().join(u'\n').toStdString();
    EXPECT_EQ(fixture.OutputFiles(), QStringList{"My_App.CAB"});
}

TEST_F(CabBuildEndToEndTest, CancelEndsASlowCabwizAndCleansUp)
{
    UseFakeCabwiz("exec sleep 60");
    QObject::connect(&builder, &BuildController::activityChanged, [this](BuildController::Activity activity) {
        if (activity == BuildController::Activity::RunningCabwiz)
            QTimer::singleShot(0, &builder, [this] { builder.Cancel(); });
    });
    builder.BuildCabs();

    EXPECT_EQ(builder.ResultCode, 9);
    EXPECT_EQ(builder.ErrorText, QStringLiteral("Build of CAB(s) aborted by user"));
    EXPECT_EQ(LogAfterShowing(),
              (QStringList{"--> Start Building CAB(s) File(s)", "Build of CAB(s) aborted by user"}));
    EXPECT_EQ(fixture.WorkingFiles(), QStringList());
    EXPECT_EQ(builder.CurrentActivity(), BuildController::Activity::Idle);
}

struct BrokenCabwizCase
{
    const char *label;
    QByteArray script;  // empty: no cabwiz at all
    const char *errorStart;
};

void PrintTo(const BrokenCabwizCase &c, std::ostream *os)
{
    *os << c.label;
}

class CabBuildBrokenCabwizTest : public CabBuildEndToEndTest, public ::testing::WithParamInterface<BrokenCabwizCase>
{
};

TEST_P(CabBuildBrokenCabwizTest, FailsWithAnErrorLine)
{
    if (GetParam().script.isEmpty())
        ProgramFolder::setOverride(fixture.Path(QStringLiteral("empty program folder")));
    else
        UseFakeCabwiz(GetParam().script);
    builder.BuildCabs();

    EXPECT_EQ(builder.ResultCode, 3);
    EXPECT_TRUE(builder.ErrorText.startsWith(QString::fromUtf8(GetParam().errorStart)))
        << builder.ErrorText.toStdString();
    const QStringList log = builder.LogLines();
    EXPECT_EQ(log.mid(log.size() - 2), (QStringList{builder.ErrorText, "CAB(s) File(s) not built."}));
    EXPECT_EQ(fixture.WorkingFiles(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Table, CabBuildBrokenCabwizTest,
    ::testing::Values(BrokenCabwizCase{"Missing", QByteArray(), "Error: cabwiz couldn't be started"},
                      BrokenCabwizCase{"Crashes", "kill -SEGV $$", "Error: cabwiz ended unexpectedly."},
                      BrokenCabwizCase{"SilentExitCode", "exit 4", "Error: cabwiz ended with exit code 4."},
                      BrokenCabwizCase{"ItsOwnErrorLine", "echo 'Error: disk full'; exit 1", "Error: disk full"},
                      BrokenCabwizCase{"ErrorLineWinsOverExitCode", "echo 'Error: first'; echo 'Error: last'; exit 0",
                                       "Error: last"},
                      BrokenCabwizCase{"WritesNoCab", "exit 0",
                                       "Fatal Error: cabwiz reported no error but didn't write the CAB file My_App.CAB "
                                       "into the output folder !"},
                      BrokenCabwizCase{"WritesTheCabUnderAnotherName", "echo x > \"$3/My App.CAB\"",
                                       "Fatal Error: cabwiz reported no error but didn't write the CAB file My_App.CAB "
                                       "into the output folder !"}),
    [](const ::testing::TestParamInfo<BrokenCabwizCase> &info) { return std::string(info.param.label); });

TEST_F(CabBuildEndToEndTest, AnUnwritableWorkingFolderIsAFatalError)
{
    builder.SetWorkingFolder(fixture.Path(QStringLiteral("no such folder")));
    builder.BuildCabs();
    EXPECT_EQ(builder.ResultCode, 3);
    EXPECT_TRUE(builder.ErrorText.startsWith(QStringLiteral("Fatal Error: The working folder"))) << builder.ErrorText.toStdString();
    const QStringList log = builder.LogLines();
    EXPECT_EQ(log.mid(log.size() - 2), (QStringList{builder.ErrorText, "CAB(s) File(s) not built."}));
    EXPECT_EQ(builder.CurrentActivity(), BuildController::Activity::Idle);
    EXPECT_EQ(fixture.OutputFiles(), QStringList());
}

// Writes one file and then fails, as a preparation step with a broken icon would.
class FailingExtraFiles : public CabExtraFiles
{
public:
    void Write(const TProjectContainer &, const QString &workingFolder, const QString &,
               QStringList &workingFiles) override
    {
        workingFiles.append(QStringLiteral("shortcut_0_0_0.lnk"));
        WriteTestFile(workingFolder + QStringLiteral("/shortcut_0_0_0.lnk"), "10#\"\\a.exe\"");
        throw BuildStepError(QStringLiteral("The icon file \"x.ico\" couldn't be read."));
    }
};

TEST_F(CabBuildEndToEndTest, APreparationFailureIsFatalAndCleansUp)
{
    FailingExtraFiles failing;
    builder.SetCabExtraFiles(&failing);
    builder.BuildMode = 4;
    builder.BuildCabs();
    EXPECT_EQ(builder.ResultCode, 3);
    EXPECT_EQ(builder.ErrorText, QStringLiteral("Fatal Error: The icon file \"x.ico\" couldn't be read."));
    EXPECT_EQ(fixture.WorkingFiles(), QStringList());
    EXPECT_EQ(closeRequests, 1);
}

} // namespace
