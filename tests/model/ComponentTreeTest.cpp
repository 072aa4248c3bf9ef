#include "model/ProjectContainer.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

TInstallComponent &addComponent(TProjectContainer &project, int moduleType, int moduleIndex,
                                int parentIndex)
{
    TInstallComponent &component = project.InstallComponents.AddNew(&project);
    component.moduleType = moduleType;
    component.moduleIndex = moduleIndex;
    component.parentIndex = parentIndex;
    return component;
}

// One module of every kind, the second of each list where the index matters.
class ComponentTree : public ::testing::Test
{
protected:
    void SetUp() override
    {
        project.AppName = "Device App";
        project.Win32Plugins.AddNew();
        project.Win32Plugins.AddNew().Caption = "Desktop files";
        project.CabCollections.AddNew().Caption = "Ready CABs";
        project.PalmSections.AddNew().Caption = "Palm";
        project.PluginContainers.AddNew().Caption = "SQL runtimes";
        project.PluginContainers.AddNew().Caption = "NETCF runtimes";
        project.DirectCopyModules.AddNew().Caption = "Straight copy";
    }

    TProjectContainer project;
};

} // namespace

TEST_F(ComponentTree, NamesAndCaptionsOfEveryModuleType)
{
    struct Case { int type; int module; const char *name; const char *caption; };
    const Case cases[] = {
        { ModuleType::Win32, 1, "WIN321", "Desktop files" },
        { ModuleType::CabCollection, 0, "CABCOLLECTION0", "Ready CABs" },
        { ModuleType::PalmOS, 0, "PALMOS0", "Palm" },
        { ModuleType::SqlMobile, 0, "MSQL0", "SQL runtimes" },
        { ModuleType::NetCF2, 1, "NETCF21", "NETCF runtimes" },
        { ModuleType::Container, -1, "CONTAINER6", "Extras" },
        { ModuleType::DirectCopy, 0, "DCM0", "Straight copy" },
        { 9, 0, "", "" },
    };
    for (const Case &c : cases) {
        const int index = project.InstallComponents.Count();
        addComponent(project, c.type, c.module, 0).moduleName = "Extras";
        // The container case sits at index 6 of the list.
        EXPECT_EQ(project.GetComponentName(index, false), c.name) << c.type;
        EXPECT_EQ(project.GetComponentCaption(index), c.caption) << c.type;
    }
    EXPECT_EQ(project.GetComponentName(0, true), "CABCREATOR");
    EXPECT_EQ(project.GetComponentCaption(0), "Device App");
    project.SetupCaption = "Device part";
    EXPECT_EQ(project.GetComponentCaption(0), "Device part");
}

TEST_F(ComponentTree, PathNamesJoinTheAncestorsRootFirst)
{
    addComponent(project, ModuleType::Container, -1, -1);  // 1
    addComponent(project, ModuleType::PalmOS, 0, 1);       // 2
    addComponent(project, ModuleType::Win32, 0, -1);       // 3
    addComponent(project, ModuleType::Container, -1, 1);   // 4
    addComponent(project, ModuleType::Win32, 2, 4);        // 5
    EXPECT_EQ(project.GetComponentName(5, true), "CONTAINER1\\CONTAINER4\\WIN322");
    EXPECT_EQ(project.GetComponentName(5, false), "WIN322");
    EXPECT_EQ(project.GetComponentName(2, true), "CONTAINER1\\PALMOS0");
}

TEST_F(ComponentTree, BrokenReferencesFailWithListIndexError)
{
    addComponent(project, ModuleType::Container, -1, 1);  // 1: its own parent
    addComponent(project, ModuleType::Container, -1, 3);  // 2 and 3: each other's parent
    addComponent(project, ModuleType::Container, -1, 2);
    addComponent(project, ModuleType::Win32, 0, 17);      // 4: parent outside the list
    addComponent(project, ModuleType::PalmOS, 5, -1);     // 5: module outside its list

    for (int looping : { 1, 2, 3 })
        EXPECT_THROW(project.GetComponentName(looping, true), ListIndexError) << looping;
    EXPECT_THROW(project.GetComponentName(4, true), ListIndexError);
    EXPECT_THROW(project.GetComponentName(40, false), ListIndexError);
    EXPECT_THROW(project.GetComponentCaption(5), ListIndexError);
    EXPECT_THROW(project.GetComponentLanguages(5), ListIndexError);
    EXPECT_THROW(project.InstallComponents[5].GetFlagFixed(), ListIndexError);
}

TEST_F(ComponentTree, FindComponentIndex)
{
    addComponent(project, ModuleType::Container, -1, -1);  // 1
    addComponent(project, ModuleType::SqlMobile, 1, 1);    // 2
    addComponent(project, ModuleType::NetCF2, 1, 1);       // 3
    addComponent(project, ModuleType::Win32, 0, -1);       // 4
    addComponent(project, ModuleType::Win32, 0, -1);       // 5

    struct Case { int type; int module; int found; };
    const Case cases[] = {
        { ModuleType::CabCreator, 42, 0 }, { ModuleType::SqlMobile, 1, 2 },
        { ModuleType::NetCF2, 1, 3 },      { ModuleType::Win32, 0, 4 },
        { ModuleType::Win32, 1, -1 },      { ModuleType::Container, -1, -1 },
        { ModuleType::Container, 1, -1 },  { 12, 0, -1 },
    };
    for (const Case &c : cases)
        EXPECT_EQ(project.FindComponentIndex(c.type, c.module), c.found) << c.type << "/" << c.module;
}

TEST_F(ComponentTree, FlagsAndListsBelongToTheModuleBehindTheComponent)
{
    TInstallComponent &desktop = addComponent(project, ModuleType::Win32, 1, -1);
    TInstallComponent &container = addComponent(project, ModuleType::Container, -1, -1);
    TInstallComponent &unknown = addComponent(project, 8, 0, -1);
    TInstallComponent &cabCreator = project.InstallComponents[0];

    desktop.SetFlagFixed(true);
    desktop.SetHiddenInstall(true);
    EXPECT_TRUE(project.Win32Plugins[1].FlagFixed);
    EXPECT_TRUE(project.Win32Plugins[1].HiddenInstall);
    EXPECT_FALSE(desktop.FlagFixed);
    EXPECT_TRUE(desktop.GetFlagFixed());

    container.SetFlagFixed(true);
    EXPECT_TRUE(container.FlagFixed);
    EXPECT_FALSE(container.GetHiddenInstall());

    cabCreator.SetHiddenInstall(true);
    EXPECT_TRUE(project.CabCreatorModuleHiddenInstall);
    EXPECT_FALSE(cabCreator.HiddenInstall);

    unknown.SetFlagFixed(true);
    EXPECT_FALSE(unknown.GetFlagFixed());
    EXPECT_FALSE(unknown.FlagFixed);
    EXPECT_FALSE(project.Modified);

    EXPECT_EQ(project.GetComponentLanguages(0), &project.CabCreatorModuleLanguages);
    EXPECT_EQ(project.GetComponentInstallTypes(0), &project.CabCreatorModuleInstallTypes);
    EXPECT_EQ(project.GetComponentLanguages(1), &project.Win32Plugins[1].Languages);
    EXPECT_EQ(project.GetComponentInstallTypes(1), &project.Win32Plugins[1].InstallTypes);
    EXPECT_EQ(project.GetComponentLanguages(2), &container.Languages);
    EXPECT_EQ(project.GetComponentInstallTypes(2), &container.InstallTypes);
    EXPECT_EQ(project.GetComponentLanguages(3), nullptr);
    EXPECT_EQ(project.GetComponentInstallTypes(3), nullptr);
}

TEST(InstallComponent, ANewComponentIsAContainerWaitingForItsParent)
{
    TProjectContainer project;
    const TInstallComponent component(&project);
    EXPECT_EQ(component.moduleType, ModuleType::Container);
    EXPECT_EQ(component.moduleIndex, -1);
    EXPECT_EQ(component.parentIndex, 0);
    EXPECT_EQ(component.Project, &project);
}
