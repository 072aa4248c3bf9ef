#include "model/ComponentModules.h"
#include "model/ComponentTree.h"
#include "model/CustomPages.h"
#include "model/ListIndexError.h"
#include "model/ProgramOptions.h"
#include "model/ProjectContainer.h"
#include "model/SetupTypesAndLanguages.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

// One module of every kind, each in "Full" and "Custom" and in both languages.
class ModuleNameLists : public ::testing::Test
{
protected:
    void SetUp() override
    {
        project.CreateNewProject();  // "Full", "Compact", "Custom" (custom), the CAB creator
        project.Languages.AddNew().LanguageID = "English";
        project.Languages.AddNew().LanguageID = "German";
        ComponentModules::AddModuleContainer(project, -1);
        ComponentModules::AddWin32Module(project, -1);
        ComponentModules::AddCabCollectionModule(project, -1);
        ComponentModules::AddPalmModule(project, -1);
        ComponentModules::AddDirectCopyModule(project, -1);
        ComponentModules::AddRuntimeModule(project, -1, ModuleType::SqlMobile, {}, {}, "Data");
        for (QStringList *list : ModuleSetupTypeLists(project))
            *list = QStringList{ "Full", "Custom" };
        for (QStringList *list : ModuleLanguageLists(project))
            *list = QStringList{ "English", "German" };
    }

    // Every module list of the kind holds exactly these names.
    void expectEveryList(const QList<QStringList *> &lists, const QStringList &names)
    {
        ASSERT_EQ(lists.size(), 7 + 5 + 1) << "the components, the five records and the CAB creator's";
        for (const QStringList *list : lists)
            EXPECT_EQ(*list, names);
    }

    TProjectContainer project;
};

} // namespace

TEST_F(ModuleNameLists, RenamingASetupTypeRenamesItInEveryModule)
{
    SetupTypes::Edit(project, 0, "Complete", "Everything");
    EXPECT_EQ(project.InstallTypes, QStringList({ "Complete", "Compact", "Custom" }));
    EXPECT_EQ(project.InstallTypesDescriptions[0], "Everything");
    expectEveryList(ModuleSetupTypeLists(project), { "Complete", "Custom" });
    EXPECT_EQ(project.CabCreatorModuleInstallTypes, QStringList({ "Complete", "Custom" }));
    EXPECT_EQ(project.PluginContainers[0].InstallTypes, QStringList({ "Complete", "Custom" }));
}

TEST_F(ModuleNameLists, DeletingSetupTypesKeepsTheCustomMarkOnItsType)
{
    struct Case
    {
        const char *label;
        int customBefore;
        QList<int> deleted;
        QStringList remaining;
        int customAfter;
    };
    const Case cases[] = {
        { "the custom type", 2, { 2 }, { "Full", "Compact" }, 0 },
        { "a type before the custom one", 2, { 0 }, { "Compact", "Custom" }, 1 },
        { "a type after the custom one", 0, { 1 }, { "Full", "Custom" }, 0 },
        { "with no custom type", -1, { 1 }, { "Full", "Custom" }, -1 },
        { "every type, the custom one last", 2, { 0, 0, 0 }, {}, -1 },
        { "the only type", 0, { 0, 0, 0 }, {}, -1 },
    };
    for (const Case &c : cases) {
        SetUp();
        project.InstallTypesIsCustom = c.customBefore;
        for (int index : c.deleted)
            SetupTypes::Delete(project, index);
        EXPECT_EQ(project.InstallTypes, c.remaining) << c.label;
        EXPECT_EQ(project.InstallTypesDescriptions.size(), c.remaining.size()) << c.label;
        EXPECT_EQ(project.InstallTypesIsCustom, c.customAfter) << c.label;
        QStringList kept;
        for (const QString &name : { QStringLiteral("Full"), QStringLiteral("Custom") }) {
            if (c.remaining.contains(name))
                kept << name;
        }
        expectEveryList(ModuleSetupTypeLists(project), kept);
    }
    EXPECT_THROW(SetupTypes::Delete(project, 0), ListIndexError);
}

TEST_F(ModuleNameLists, AddingSettingCustomAndMovingSetupTypes)
{
    project.InstallTypes.clear();
    project.InstallTypesDescriptions.clear();
    project.InstallTypesIsCustom = -1;
    SetupTypes::Add(project, "Typical", "Most users");
    EXPECT_EQ(project.InstallTypesIsCustom, 0) << "the first type becomes the custom one";
    SetupTypes::Add(project, "Minimal", "Small");
    SetupTypes::Add(project, "Pick", "Choose");
    EXPECT_EQ(project.InstallTypesIsCustom, 0);

    SetupTypes::ToggleCustom(project, 2);
    EXPECT_EQ(project.InstallTypesIsCustom, 2);
    SetupTypes::ToggleCustom(project, 2);
    EXPECT_EQ(project.InstallTypesIsCustom, -1) << "twice: no custom type";
    SetupTypes::ToggleCustom(project, 2);

    EXPECT_EQ(SetupTypes::Move(project, 1, 1), 2) << "the type below the custom one moves down past it";
    EXPECT_EQ(project.InstallTypes, QStringList({ "Typical", "Pick", "Minimal" }));
    EXPECT_EQ(project.InstallTypesDescriptions, QStringList({ "Most users", "Choose", "Small" }));
    EXPECT_EQ(project.InstallTypesIsCustom, 1);
    EXPECT_EQ(SetupTypes::Move(project, 1, -1), 0);
    EXPECT_EQ(project.InstallTypes, QStringList({ "Pick", "Typical", "Minimal" }));
    EXPECT_EQ(project.InstallTypesIsCustom, 0);
    EXPECT_THROW(SetupTypes::Move(project, 0, -1), ListIndexError);
}

TEST_F(ModuleNameLists, ADeletedLanguageLeavesEveryModule)
{
    SetupLanguages::Delete(project, 0);
    ASSERT_EQ(project.Languages.Count(), 1);
    expectEveryList(ModuleLanguageLists(project), { "German" });
    EXPECT_EQ(project.CabCreatorModuleLanguages, QStringList{ "German" });

    const QStringList all{ "English", "German", "French", "german" };
    EXPECT_EQ(SetupLanguages::Offered(all, project), QStringList({ "English", "French", "german" }))
        << "used names are not offered; names compare exactly";
    SetupLanguages::Delete(project, 0);
    expectEveryList(ModuleLanguageLists(project), {});
}

TEST(CustomPagesTest, EveryNewPageTakesAFreeName)
{
    TProjectContainer project;
    project.CreateNewProject();
    EXPECT_EQ(project.CustomForms[CustomPages::Add(project)].Name, "CustomForm");
    const int second = CustomPages::Add(project);
    EXPECT_EQ(project.CustomForms[second].Name, "CustomForm2");
    for (const TFormCodeExecutionUnit &unit : project.CustomForms[second].ExecUnits)
        EXPECT_TRUE(unit.eventNameInCode.startsWith("CustomForm2")) << unit.eventNameInCode.toStdString();
    project.CustomForms[0].Name = "customform3";
    EXPECT_EQ(CustomPages::FreeName(project), "CustomForm") << "the first free one";
    project.CustomForms[0].Name = "CUSTOMFORM";
    EXPECT_EQ(CustomPages::FreeName(project), "CustomForm3") << "names compare ignoring case";
}
