#include "windows/project/ComponentDisplayCaption.h"
#include "windows/project/CopyFilesNameCleanup.h"
#include "windows/main/ProjectManagerTexts.h"

#include "model/ListIndexError.h"
#include "model/ProjectContainer.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

int addComponent(TProjectContainer &project, int type, int moduleIndex)
{
    TInstallComponent &component = project.InstallComponents.AddNew(&project);
    component.moduleType = type;
    component.moduleIndex = moduleIndex;
    component.parentIndex = -1;
    return project.InstallComponents.Count() - 1;
}

template <typename Module>
int addModule(OwningList<Module> &modules, const char *caption, bool hidden)
{
    Module &module = modules.AddNew();
    module.Caption = QString::fromLatin1(caption);
    module.HiddenInstall = hidden;
    return modules.Count() - 1;
}

} // namespace

TEST(ComponentDisplayCaptionTest, EachModuleKindWithItsSuffixAndHiddenMark)
{
    TProjectContainer project;
    project.CreateNewProject();
    project.AppName = QStringLiteral("Demo");
    project.SetupCaption.clear();
    project.CabCreatorModuleHiddenInstall = true;

    TPluginContainer &sql = project.PluginContainers.AddNew();
    sql.Caption = QStringLiteral("Data");
    sql.someOldCaption = QStringLiteral("SQL Mobile 3.0");
    TPluginContainer &netcf = project.PluginContainers.AddNew();
    netcf.Caption = QStringLiteral("Runtime");
    netcf.someOldCaption = QStringLiteral("CF 2.0");
    netcf.HiddenInstall = true;

    struct Case
    {
        int component;
        const char *caption;
        bool hidden;
    };
    const Case cases[] = {
        {0, "Demo [CAB Creator Module] [ Hidden ]", true},
        {addComponent(project, ModuleType::Win32, addModule(project.Win32Plugins, "Desktop", false)),
         "Desktop [Win32 Module]", false},
        {addComponent(project, ModuleType::CabCollection, addModule(project.CabCollections, "Extras", true)),
         "Extras [CAB Collection Module] [ Hidden ]", true},
        {addComponent(project, ModuleType::PalmOS, addModule(project.PalmSections, "Palm", false)),
         "Palm [PalmOS Module]", false},
        {addComponent(project, ModuleType::SqlMobile, 0), "Data [Mobile SQL Runtimes - SQL Mobile 3.0]", false},
        {addComponent(project, ModuleType::NetCF2, 1), "Runtime [.NET CF2 Runtimes - CF 2.0] [ Hidden ]", true},
        {addComponent(project, ModuleType::DirectCopy, addModule(project.DirectCopyModules, "Copy", false)),
         "Copy [Direct Copy Module]", false},
    };
    const int container = addComponent(project, ModuleType::Container, -1);
    project.InstallComponents[container].moduleName = QStringLiteral("Group");
    project.InstallComponents[container].HiddenInstall = true;

    for (const Case &c : cases) {
        EXPECT_EQ(ComponentDisplayCaption(project, c.component), QString::fromLatin1(c.caption));
        EXPECT_EQ(IsComponentHidden(project, c.component), c.hidden) << c.caption;
    }
    EXPECT_EQ(ComponentDisplayCaption(project, container), QStringLiteral("Group [ Module Container ]"))
        << "a container is never marked hidden";
    EXPECT_FALSE(IsComponentHidden(project, -1));

    project.SetupCaption = QStringLiteral("Setup Caption");
    project.CabCreatorModuleHiddenInstall = false;
    EXPECT_EQ(ComponentDisplayCaption(project, 0), QStringLiteral("Setup Caption [CAB Creator Module]"));
    EXPECT_THROW(ComponentDisplayCaption(project, 99), ListIndexError);
}

TEST(ProjectEntryDetailsTest, BuildModeAndModuleCounts)
{
    struct Case
    {
        const char *label;
        bool desktopOnly;
        int mode;
        int win32, palm, collections, runtimes, directCopy;
        const char *modeText;
        int shownMode;
        const char *modules;
    };
    const Case cases[] = {
        {"CAB only", false, 1, 0, 0, 0, 0, 0, "Auto Build Mode: CAB Only", 1, "Modules (1): CAB Creator (1)"},
        {"every kind", false, 0, 1, 2, 1, 3, 1, "Auto Build Mode: Win32 and CAB", 0,
         "Modules (9): CAB Creator (1), Win32 (1), PalmOS (2), CAB Collections (1), Redistribution Files (3), "
         "Direct Copy (1)"},
        {"desktop only", true, 1, 2, 0, 0, 0, 0, "Auto Build Mode: Win32 Only", 3, "Modules (2):  Win32 (2)"},
        {"desktop only, nothing", true, 0, 0, 0, 0, 0, 0, "Auto Build Mode: Win32 Only", 3, "Modules (0): "},
        {"unknown mode", false, 7, 0, 0, 0, 0, 0, "", 7, "Modules (1): CAB Creator (1)"},
    };
    for (const Case &c : cases) {
        TProjectContainer project;
        project.CreateNewProject();
        project.Win32Only = c.desktopOnly;
        project.DefaultBuildMode = c.mode;
        for (int i = 0; i < c.win32; ++i)
            project.Win32Plugins.AddNew();
        for (int i = 0; i < c.palm; ++i)
            project.PalmSections.AddNew();
        for (int i = 0; i < c.collections; ++i)
            project.CabCollections.AddNew();
        for (int i = 0; i < c.runtimes; ++i)
            project.PluginContainers.AddNew();
        for (int i = 0; i < c.directCopy; ++i)
            project.DirectCopyModules.AddNew();

        const ProjectEntryDetails details = ProjectEntryDetails::Of(project);
        EXPECT_EQ(details.buildModeText, QString::fromLatin1(c.modeText)) << c.label;
        EXPECT_EQ(details.buildMode, c.shownMode) << c.label;
        EXPECT_EQ(details.modulesText, QString::fromLatin1(c.modules)) << c.label;
    }
}

TEST(CopyFilesNameCleanupTest, KeepsExactlyTheNamesOfExistingSections)
{
    TProjectContainer project;
    project.CreateNewProject();
    while (project.CEDevices.Count() < 2)
        project.CEDevices.AddNew();
    project.CopyFilesSections.Clear();
    TCopyFilesSection &first = project.CopyFilesSections.AddNew();
    first.Caption = QStringLiteral("CopyFiles-1");
    first.linked_SourceName = 0;
    TCopyFilesSection &second = project.CopyFilesSections.AddNew();
    second.Caption = QStringLiteral("CopyFiles-2");
    second.linked_SourceName = 1;
    project.CEDevices[0].Installation.defaultInstallCopyFiles = {"Gone", "CopyFiles-1", "CopyFiles-2", "Other"};
    project.CEDevices[1].Installation.defaultInstallCopyFiles = {"CopyFiles-2", "copyfiles-1"};

    RemoveUnknownCopyFilesNames(project);

    EXPECT_EQ(project.CEDevices[0].Installation.defaultInstallCopyFiles, (QStringList{"CopyFiles-1", "CopyFiles-2"}))
        << "a section of the first configuration does not vouch for unknown names";
    EXPECT_EQ(project.CEDevices[1].Installation.defaultInstallCopyFiles, QStringList{"CopyFiles-2"})
        << "captions compare with case";
}
