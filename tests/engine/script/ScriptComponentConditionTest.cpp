#include "engine/script/ComponentCondition.h"
#include "engine/script/DesktopEntryWriter.h"
#include "engine/script/DownloadList.h"
#include "engine/script/FilesSectionWriter.h"
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
        scripttest::AddComponent(project, ModuleType::Container, -1, -1);
        scripttest::AddComponent(project, ModuleType::Win32, 1, 0);
        scripttest::AddComponent(project, ModuleType::Win32, 0, 0);
        scripttest::AddComponent(project, ModuleType::Container, -1, -1).HiddenInstall = true;
        scripttest::AddComponent(project, ModuleType::PalmOS, 0, 3);
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
    QStringList cabs;
};

// The [Files] lines of the device CABs name them as the CAB build leaves them.
TEST(ScriptCabNameTest, NamesFollowTheConfigurationsAndTheOutputName)
{
    const QStringList one{ "CEDevice [ Default ]" };
    const QStringList three{ "CEDevice [ Default ]", "CEDevice.ARMV4I", "CEDevice.MIPS" };
    const CabNameCase cases[] = {
        { "My App", "", one, { "My_App.CAB" } },
        { "My App", "Setup Files.cab", three, { "Setup_Files.ARMV4I.CAB", "Setup_Files.MIPS.CAB" } },
        { "My App", "", three, { "My_App.ARMV4I.CAB", "My_App.MIPS.CAB" } },
        { "App", "out.v2.cab", one, { "out.v2.CAB" } },
        { "App", "noext", one, { "noext.CAB" } },
        { "App", "", {}, {} },
    };
    const ScriptEnvironment environment = scripttest::EnvironmentWith();
    for (const CabNameCase &c : cases) {
        SCOPED_TRACE(c.cabs.join(' ').toStdString());
        TProjectContainer project;
        project.AppName = c.appName;
        project.CABOutputFilename = c.cabOutputFilename;
        for (const QString &caption : c.devices)
            project.CEDevices.AddNew().Caption = caption;
        ComponentCondition conditions(project);
        DesktopEntryWriter desktop(project, conditions);
        DownloadList downloads;
        FilesSectionWriter writer(project, environment, conditions, desktop, downloads);
        QStringList lines;
        writer.Write(scripttest::outputFolder, lines);
        QStringList expected{ "Source: \"setup.ini\"; DestDir: \"{app}\"; Check: CheckAsync; components: CABCREATOR;" };
        for (const QString &cab : c.cabs) {
            expected.append("Source: \"C:\\Out\\" + cab
                            + "\"; DestDir: \"{app}\"; Check: CheckAsync; components: CABCREATOR;");
        }
        EXPECT_EQ(lines, expected);
    }
}

} // namespace
} // namespace talmo
