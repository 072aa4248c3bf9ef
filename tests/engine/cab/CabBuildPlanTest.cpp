#include "engine/setup/ActiveSyncIni.h"
#include "engine/cab/CabBuildPlan.h"
#include "model/ProjectContainer.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

void AddConfiguration(TProjectContainer &project, const QString &caption)
{
    project.CEDevices.AddNew().Caption = caption;
}

TEST(CabBuildPlanTest, OneConfigurationNamesNoProcessorAndKeepsCabwizNames)
{
    TProjectContainer project;
    project.AppName = QStringLiteral("My App");
    AddConfiguration(project, QStringLiteral("CEDevice [ Default ]"));
    const CabBuildPlan plan(project);

    EXPECT_EQ(plan.InfFileName(), QStringLiteral("My_App.inf"));
    EXPECT_EQ(plan.CabwizArguments(QStringLiteral("/w/My_App.inf"), QStringLiteral("/o")),
              (QStringList{"/w/My_App.inf", "/dest", "/o"}));
    EXPECT_EQ(plan.ProducedCabNames(), QStringList{"My_App.CAB"});
    EXPECT_EQ(plan.FinalCabNames(), QStringList{"My_App.CAB"});
    EXPECT_TRUE(plan.Renames().isEmpty());
}

TEST(CabBuildPlanTest, ProcessorConfigurationsAndCabFileName)
{
    TProjectContainer project;
    project.AppName = QStringLiteral("My App");
    project.CompressCab = true;
    project.CABOutputFilename = QStringLiteral("Setup Pack.cab");
    AddConfiguration(project, QStringLiteral("CEDevice [ Default ]"));
    AddConfiguration(project, QStringLiteral("CEDevice.ARMV4"));
    AddConfiguration(project, QStringLiteral("CEDevice.MIPSII"));
    const CabBuildPlan plan(project);

    EXPECT_EQ(plan.CabwizArguments(QStringLiteral("/w/My_App.inf"), QStringLiteral("/my out")),
              (QStringList{"/w/My_App.inf", "/dest", "/my out", "/cpu", "ARMV4", "MIPSII", "/compress"}));
    EXPECT_EQ(plan.ProducedCabNames(), (QStringList{"My_App.ARMV4.CAB", "My_App.MIPSII.CAB"}));
    EXPECT_EQ(plan.FinalCabNames(), (QStringList{"Setup_Pack.ARMV4.CAB", "Setup_Pack.MIPSII.CAB"}));
    ASSERT_EQ(plan.Renames().size(), 2);
    EXPECT_EQ(plan.Renames()[1].from, QStringLiteral("My_App.MIPSII.CAB"));
    EXPECT_EQ(plan.Renames()[1].to, QStringLiteral("Setup_Pack.MIPSII.CAB"));
}

TEST(CabBuildPlanTest, CabFileNameLosesOnlyItsLastExtension)
{
    struct Case
    {
        const char *fileName;
        const char *base;
    };
    for (const Case &c : {Case{"Pack", "Pack"}, Case{"my.pack.cab", "my.pack"}, Case{"Two Words.CAB", "Two_Words"},
                          Case{".cab", ""}}) {
        TProjectContainer project;
        project.AppName = QStringLiteral("A");
        project.CABOutputFilename = QString::fromUtf8(c.fileName);
        AddConfiguration(project, QStringLiteral("CEDevice [ Default ]"));
        EXPECT_EQ(CabBuildPlan(project).CabBaseName().toStdString(), c.base) << c.fileName;
    }
}

// The setup's "CabFiles=" line must name exactly the CABs the build leaves behind.
TEST(CabBuildPlanTest, TheSetupNamesTheCabsTheBuildLeaves)
{
    struct Case
    {
        const char *cabFileName;
        QStringList processors;
    };
    for (const Case &c : {Case{"", {}}, Case{"Setup Pack.cab", {}}, Case{"", {"ARMV4", "MIPS II"}},
                          Case{"Setup Pack.cab", {"ARMV4", "MIPS II"}}, Case{".cab", {"ARMV4"}}}) {
        TProjectContainer project;
        project.AppName = QStringLiteral("My App");
        project.CABOutputFilename = QString::fromUtf8(c.cabFileName);
        AddConfiguration(project, QStringLiteral("CEDevice [ Default ]"));
        for (const QString &processor : c.processors)
            AddConfiguration(project, QStringLiteral("CEDevice.") + processor);
        EXPECT_EQ(CabBuildPlan(project).FinalCabNames().join(u','), ActiveSyncIni::CabFileList(project))
            << c.cabFileName << " " << c.processors.join(u' ').toStdString();
    }
}

} // namespace
