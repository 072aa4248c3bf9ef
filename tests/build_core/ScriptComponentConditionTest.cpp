#include "build/core/ComponentCondition.h"
#include "build/core/FilesSectionWriter.h"
#include "model/ProjectContainer.h"

#include "ScriptTestSupport.h"

namespace talmo {
namespace {

// CONTAINER0 holds WIN321 and WIN320 (hidden); CONTAINER3 (hidden) holds
// PALMOS0. The project speaks English, French and German.
class ScriptComponentConditionTest : public ::testing::Test
{
protected:
    ScriptComponentConditionTest()
    {
        project.Win32Only = true;
        for (const char *language : { "English", "French", "German" })
            project.Languages.AddNew().LanguageID = language;
        project.Win32Plugins.AddNew().Languages = QStringList{ "Dutch" };
        project.Win32Plugins[0].HiddenInstall = true;
        project.Win32Plugins.AddNew().Languages = QStringList{ "English", "German" };
        project.PalmSections.AddNew().Languages = QStringList{ "German" };

        project.InstallComponents.Clear();
        add(ModuleType::Container, -1, -1);
        add(ModuleType::Win32, 1, 0);
        add(ModuleType::Win32, 0, 0);
        add(ModuleType::Container, -1, -1).HiddenInstall = true;
        add(ModuleType::PalmOS, 0, 3);
    }

    TInstallComponent &add(int type, int moduleIndex, int parent)
    {
        TInstallComponent &component = project.InstallComponents.AddNew(&project);
        component.moduleType = type;
        component.moduleIndex = moduleIndex;
        component.parentIndex = parent;
        return component;
    }

    TProjectContainer project;
    ComponentCondition conditions{ project };
};

struct ConditionCase
{
    int component;
    bool componentPage;
    const char *condition;
    const char *downloadModule;
};

TEST_F(ScriptComponentConditionTest, ConditionsOfShownHiddenAndNestedComponents)
{
    const ConditionCase cases[] = {
        { 1, true, " components: CONTAINER0\\WIN321; languages: lang0 lang2;", "CONTAINER0\\WIN321" },
        { 1, false, " languages: lang0 lang2;", "" },
        { 0, true, " components: CONTAINER0;", "CONTAINER0" },
        // A hidden module keeps its language part; Dutch is not a project language.
        { 2, true, " languages:;", "" },
        // Below a hidden container, a module counts as hidden.
        { 4, true, " languages: lang2;", "" },
        { 3, true, "", "" },
    };
    for (const ConditionCase &c : cases) {
        SCOPED_TRACE(c.component);
        project.ShowComponentsDialog = c.componentPage;
        EXPECT_EQ(conditions.Of(c.component), QString::fromUtf8(c.condition));
        EXPECT_EQ(conditions.DownloadModuleName(c.component), QString::fromUtf8(c.downloadModule));
    }
    EXPECT_TRUE(conditions.IsHidden(4));
    EXPECT_FALSE(conditions.IsHidden(1));
}

TEST_F(ScriptComponentConditionTest, LanguagesAreListedInTheComponentsOrderAndRepeatForDoubles)
{
    project.Languages.AddNew().LanguageID = "English";
    project.Win32Plugins[1].Languages = QStringList{ "German", "English" };
    EXPECT_EQ(conditions.LanguagePart(1), " languages: lang2 lang0 lang3;");
}

TEST_F(ScriptComponentConditionTest, MissingComponentsAndLoopsRaise)
{
    EXPECT_THROW(conditions.RequireComponent(ModuleType::CabCollection, 0), ScriptGenerationError);
    EXPECT_EQ(conditions.RequireComponent(ModuleType::Win32, 0), 2);
    project.InstallComponents[0].parentIndex = 1;
    project.InstallComponents[1].parentIndex = 0;
    EXPECT_THROW(conditions.IsHidden(1), ListIndexError);
    project.InstallComponents[1].parentIndex = 17;
    EXPECT_THROW(conditions.IsHidden(1), ListIndexError);
}

struct CabNameCase
{
    const char *appName;
    const char *cabOutputFilename;
    QStringList devices;
    int device;
    const char *name;
};

TEST(ScriptCabNameTest, NamesFollowTheConfigurationsAndTheOutputName)
{
    const QStringList one{ "CEDevice [ Default ]" };
    const QStringList three{ "CEDevice [ Default ]", "CEDevice.ARMV4I", "CEDevice.MIPS" };
    const CabNameCase cases[] = {
        { "My App", "", one, 0, "My_App.CAB" },
        { "My App", "Setup Files.cab", three, 1, "Setup_Files.ARMV4I.CAB" },
        { "My App", "Setup Files.cab", three, 2, "Setup_Files.MIPS.CAB" },
        { "My App", "", three, 2, "My_App.MIPS.CAB" },
        { "App", "out.v2.cab", one, 0, "out.v2.CAB" },
        { "App", "noext", one, 0, "noext.CAB" },
        { "App", "C:\\dir.x\\name", one, 0, "C:\\dir.x\\name.CAB" },
    };
    for (const CabNameCase &c : cases) {
        SCOPED_TRACE(c.name);
        TProjectContainer project;
        project.AppName = c.appName;
        project.CABOutputFilename = c.cabOutputFilename;
        for (const QString &caption : c.devices)
            project.CEDevices.AddNew().Caption = caption;
        EXPECT_EQ(FilesSectionWriter::DeviceCabName(project, c.device), QString::fromUtf8(c.name));
    }
}

} // namespace
} // namespace talmo
