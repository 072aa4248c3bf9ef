#include "tests/editors/core/device/CabPageFixture.h"

#include "editors/core/device/DeviceRegistrySections.h"
#include "editors/core/device/TargetEdits.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

QList<QStringList> installed(const TProjectContainer &project)
{
    QList<QStringList> names;
    for (const TCEDevice &target : project.CEDevices)
        names.append(target.Installation.defaultInstallRegistry);
    return names;
}

TEST(DeviceRegistrySectionsTest, WhatEachLevelOfTheTreeOffers)
{
    const struct
    {
        RegistryTreeLevel level;
        RegistryNodeAction open;
        bool editOrDelete;
    } cases[] = {
        { RegistryTreeLevel::Target, RegistryNodeAction::None, false },
        { RegistryTreeLevel::SectionGroup, RegistryNodeAction::AddSection, false },
        { RegistryTreeLevel::Section, RegistryNodeAction::OpenSection, true },
    };
    for (const auto &c : cases) {
        EXPECT_EQ(DeviceRegistrySections::OpenActionOf(c.level), c.open) << int(c.level);
        EXPECT_EQ(DeviceRegistrySections::CanEditOrDelete(c.level), c.editOrDelete) << int(c.level);
    }
}

TEST(DeviceRegistrySectionsTest, AddOpenAndDeleteMarkTheProjectModified)
{
    auto project = test::cabPageProject();
    DeviceRegistrySections sections(*project);
    EXPECT_EQ(sections.AddSection(), 3);
    EXPECT_EQ(sections.Captions(), QStringList({ "Reg A", "Reg B", "Reg C", "aRegistrySection" }));
    EXPECT_TRUE(project->Modified);
    project->Modified = false;
    sections.DeleteSection(0);
    EXPECT_EQ(sections.Captions(), QStringList({ "Reg B", "Reg C", "aRegistrySection" }));
    EXPECT_TRUE(project->Modified);
    project->Modified = false;
    sections.SectionOpened();
    EXPECT_TRUE(project->Modified);
}

TEST(DeviceRegistrySectionsTest, ASectionAddedUnderATargetIsInstalledByIt)
{
    auto project = test::cabPageProject();
    const QList<QStringList> before = installed(*project);
    DeviceRegistrySections sections(*project);
    EXPECT_EQ(sections.AddSection(2), 3);
    QList<QStringList> expected = before;
    expected[2].append("aRegistrySection");
    EXPECT_EQ(installed(*project), expected);
    sections.AddSection(-1);
    EXPECT_EQ(installed(*project), expected);
}

TEST(DeviceRegistrySectionsTest, TickingASectionRewritesEveryTargetInTheProjectsOrder)
{
    auto project = test::cabPageProject();
    project->CEDevices[2].Installation.defaultInstallRegistry = { "Reg C", "Reg A" };
    TargetEdits targets(*project);
    EXPECT_TRUE(targets.InstallsRegistrySection(1, 1));
    EXPECT_FALSE(targets.InstallsRegistrySection(1, 2));

    targets.SetRegistrySectionInstalled(1, 0, true);
    EXPECT_EQ(installed(*project), (QList<QStringList>{ {}, { "Reg A", "Reg B" }, { "Reg A", "Reg C" } }));
    EXPECT_TRUE(project->Modified);

    targets.SetRegistrySectionInstalled(1, 1, false);
    targets.SetRegistrySectionInstalled(0, 2, true);
    targets.SetRegistrySectionInstalled(0, 2, true);
    EXPECT_EQ(installed(*project), (QList<QStringList>{ { "Reg C" }, { "Reg A" }, { "Reg A", "Reg C" } }));
}

TEST(DeviceRegistrySectionsTest, SetupFilesAndTheirPanelsCaption)
{
    auto project = test::cabPageProject();
    TargetEdits targets(*project);
    targets.SetSetupFiles(1, QStringLiteral("setup.dll"), QStringLiteral("a.dll b.dll"));
    EXPECT_EQ(project->CEDevices[1].Installation.CESetupDLL, QStringLiteral("setup.dll"));
    EXPECT_EQ(project->CEDevices[1].Installation.CESelfRegister, QStringLiteral("a.dll b.dll"));
    EXPECT_TRUE(project->CEDevices[0].Installation.CESetupDLL.isEmpty());
    EXPECT_TRUE(project->Modified);

    const struct
    {
        int target;
        const char *caption;
    } cases[] = {
        { 1, "Setup DLL and Self Register Files for ARM Target" },
        { 0, "Setup DLL and Self Register Files for Default Target" },
        { -1, "Setup DLL and Self Register Files for - No Target Selected -" },
        { 3, "Setup DLL and Self Register Files for - No Target Selected -" },
    };
    for (const auto &c : cases)
        EXPECT_EQ(targets.SetupFilesCaption(c.target), QString::fromUtf8(c.caption)) << c.target;
}

} // namespace
