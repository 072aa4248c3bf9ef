#include "model/ComponentModules.h"
#include "model/ComponentTree.h"
#include "model/ProgramOptions.h"
#include "model/ProjectContainer.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

int addContainer(TProjectContainer &project, const char *name, int parent)
{
    TInstallComponent &component = project.InstallComponents.AddNew(&project);
    component.moduleName = QString::fromLatin1(name);
    component.parentIndex = parent;
    return project.InstallComponents.Count() - 1;
}

// The component names in list order, each with its parent's name ("-" at the top).
QStringList shape(const TProjectContainer &project)
{
    QStringList rows;
    for (const TInstallComponent &component : project.InstallComponents) {
        const int parent = component.parentIndex;
        rows << component.moduleName + u'<'
                + (parent == -1 ? QStringLiteral("-") : project.InstallComponents[parent].moduleName);
    }
    return rows;
}

// Two top-level groups with unequal subtrees, stored out of display order:
// T1 > M > (B, A) and T2 > N > C.
class ComponentTreeOrder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        project.InstallComponents.Clear();
        addContainer(project, "A", 2);
        addContainer(project, "T1", -1);
        addContainer(project, "M", 1);
        addContainer(project, "B", 2);
        addContainer(project, "T2", -1);
        addContainer(project, "N", 4);
        addContainer(project, "C", 5);
    }

    int indexOf(const char *name) const
    {
        for (int i = 0; i < project.InstallComponents.Count(); ++i) {
            if (project.InstallComponents[i].moduleName == QLatin1String(name))
                return i;
        }
        return -1;
    }

    TProjectContainer project;
};

} // namespace

TEST_F(ComponentTreeOrder, NormalizingPutsParentsFirstInDisplayOrder)
{
    project.InstallComponents[6].FlagRestart = true;
    project.InstallComponents[6].HiddenInstall = true;
    project.InstallComponents[6].InstallTypes = QStringList{ "Full" };

    const QList<int> moved = NormalizeComponentOrder(project);

    EXPECT_EQ(shape(project), QStringList({ "T1<-", "M<T1", "B<M", "A<M", "T2<-", "N<T2", "C<N" }));
    EXPECT_EQ(moved, QList<int>({ 3, 0, 1, 2, 4, 5, 6 }));
    const TInstallComponent &c = project.InstallComponents[6];
    EXPECT_TRUE(c.FlagRestart);
    EXPECT_TRUE(c.HiddenInstall);
    EXPECT_EQ(c.InstallTypes, QStringList{ "Full" });
    EXPECT_EQ(NormalizeComponentOrder(project), QList<int>({ 0, 1, 2, 3, 4, 5, 6 })) << "a second pass changes nothing";
}

TEST_F(ComponentTreeOrder, LoopingOrDanglingParentsEndAtTheTopLevel)
{
    project.InstallComponents.Clear();
    addContainer(project, "X", 1);
    addContainer(project, "Y", 0);
    addContainer(project, "Self", 2);
    addContainer(project, "Lost", 40);
    addContainer(project, "Top", -1);

    NormalizeComponentOrder(project);

    EXPECT_EQ(shape(project), QStringList({ "Top<-", "X<-", "Y<-", "Self<-", "Lost<-" }));
}

TEST_F(ComponentTreeOrder, MovingKeepsTheMovedComponentAndBothSubtrees)
{
    NormalizeComponentOrder(project);
    struct Case
    {
        const char *moved;
        bool down;
        QStringList after;
    };
    const Case cases[] = {
        { "T1", true, { "T2<-", "N<T2", "C<N", "T1<-", "M<T1", "B<M", "A<M" } },
        { "T2", false, { "T2<-", "N<T2", "C<N", "T1<-", "M<T1", "B<M", "A<M" } },
        { "B", true, { "T1<-", "M<T1", "A<M", "B<M", "T2<-", "N<T2", "C<N" } },
        { "A", false, { "T1<-", "M<T1", "A<M", "B<M", "T2<-", "N<T2", "C<N" } },
    };
    for (const Case &c : cases) {
        SetUp();
        NormalizeComponentOrder(project);
        const int component = indexOf(c.moved);
        const int neighbour = c.down ? NextSiblingComponent(project, component)
                                     : PreviousSiblingComponent(project, component);
        ASSERT_NE(neighbour, -1) << c.moved;
        const int now = MoveComponent(project, component, neighbour);
        EXPECT_EQ(shape(project), c.after) << c.moved;
        ASSERT_GE(now, 0);
        EXPECT_EQ(project.InstallComponents[now].moduleName, QLatin1String(c.moved));
    }
    EXPECT_EQ(PreviousSiblingComponent(project, 0), -1);
    EXPECT_EQ(NextSiblingComponent(project, indexOf("C")), -1);
}

TEST_F(ComponentTreeOrder, ADropOntoItselfOrItsDescendantIsRefused)
{
    NormalizeComponentOrder(project);
    const QStringList before = shape(project);
    for (const char *target : { "T1", "M", "A", "B" })
        EXPECT_FALSE(SetComponentParent(project, indexOf("T1"), indexOf(target))) << target;
    EXPECT_FALSE(SetComponentParent(project, indexOf("T1"), 99));
    EXPECT_EQ(shape(project), before);

    EXPECT_TRUE(SetComponentParent(project, indexOf("T2"), indexOf("A")));
    NormalizeComponentOrder(project);
    EXPECT_EQ(shape(project), QStringList({ "T1<-", "M<T1", "B<M", "A<M", "T2<A", "N<T2", "C<N" }));
    EXPECT_TRUE(SetComponentParent(project, indexOf("M"), -1));
    EXPECT_TRUE(IsComponentDescendant(project, indexOf("C"), indexOf("A")));
    EXPECT_FALSE(IsComponentDescendant(project, indexOf("A"), indexOf("A")));
}

TEST_F(ComponentTreeOrder, DeletingAContainerLiftsItsChildren)
{
    NormalizeComponentOrder(project);
    DeleteComponent(project, indexOf("M"));
    EXPECT_EQ(shape(project), QStringList({ "T1<-", "B<T1", "A<T1", "T2<-", "N<T2", "C<N" }));
    DeleteComponent(project, indexOf("T1"));
    EXPECT_EQ(shape(project), QStringList({ "B<-", "A<-", "T2<-", "N<T2", "C<N" }));
}

TEST(ComponentModulesTest, DeletingARuntimeModuleMovesTheLaterOnesDown)
{
    TProjectContainer project;
    project.CreateNewProject();
    TMSQL_CustomSet set;
    set.Caption = "Builtin Distribution";
    set.Platforms.push_back({ "WCE400", { { "armv4", { "/redist/a.cab" } }, { "mips", { "/redist/m.cab" } } } });
    const ComponentModules::RuntimeMarks marks{ { false, true } };
    for (const char *caption : { "First", "Second", "Third" })
        ComponentModules::AddRuntimeModule(project, -1, ModuleType::NetCF2, set, marks, QString::fromLatin1(caption));
    const int sql = ComponentModules::AddRuntimeModule(project, -1, ModuleType::SqlMobile, set, {}, "Data");
    const int win32 = ComponentModules::AddWin32Module(project, -1);

    const TPluginContainer &made = project.PluginContainers[0];
    EXPECT_EQ(made.Type, TPluginContainer::NetCF2Type);
    EXPECT_EQ(made.someOldCaption, "Builtin Distribution");
    EXPECT_TRUE(made.Platforms[0].Checked);
    EXPECT_FALSE(made.Platforms[0].Processors[0].Checked);
    EXPECT_TRUE(made.Platforms[0].Processors[1].Checked);
    EXPECT_EQ(made.Platforms[0].Processors[1].Files[0].Source, "/redist/m.cab");
    EXPECT_EQ(project.PluginContainers[3].Type, TPluginContainer::SqlMobileType);
    EXPECT_FALSE(project.PluginContainers[3].Platforms[0].Checked);
    EXPECT_EQ(project.Win32Plugins[0].Caption, "Win32 Setup");
    EXPECT_EQ(*project.GetComponentInstallTypes(win32), project.InstallTypes);

    DeleteComponent(project, 1);

    ASSERT_EQ(project.PluginContainers.Count(), 3);
    EXPECT_EQ(project.InstallComponents[1].moduleIndex, 0);
    EXPECT_EQ(project.InstallComponents[2].moduleIndex, 1);
    EXPECT_EQ(project.InstallComponents[sql - 1].moduleIndex, 2);
    EXPECT_EQ(project.GetComponentCaption(1), "Second");
    EXPECT_EQ(project.GetComponentCaption(2), "Third");
    EXPECT_EQ(project.GetComponentCaption(sql - 1), "Data");
    EXPECT_EQ(project.InstallComponents[win32 - 1].moduleIndex, 0) << "other kinds keep their index";
}

TEST(ComponentModulesTest, TheCabCreatorComesBackOnlyWhenItIsGone)
{
    TProjectContainer project;
    project.CreateNewProject();
    const int palm = ComponentModules::AddPalmModule(project, 0);
    EXPECT_EQ(ComponentModules::AddCabCreatorModule(project, -1), -1);

    DeleteComponent(project, 0);
    EXPECT_TRUE(project.Win32Only);
    ASSERT_EQ(project.InstallComponents.Count(), 1);
    EXPECT_EQ(project.InstallComponents[palm - 1].parentIndex, -1) << "the child moved to the top level";

    project.CabCreatorModuleInstallTypes.clear();
    project.CabCreatorModuleLanguages = QStringList{ "English" };
    const int again = ComponentModules::AddCabCreatorModule(project, -1);
    ASSERT_EQ(again, 1);
    EXPECT_FALSE(project.Win32Only);
    EXPECT_EQ(project.InstallComponents[again].moduleType, ModuleType::CabCreator);
    EXPECT_EQ(project.CabCreatorModuleInstallTypes, project.InstallTypes);
    EXPECT_TRUE(project.CabCreatorModuleLanguages.isEmpty());
    EXPECT_EQ(ComponentModules::AddCabCreatorModule(project, -1), -1) << "a second one is refused";
    EXPECT_EQ(project.InstallComponents.Count(), 2);
}

TEST(ComponentModulesTest, EachKindMakesItsRecordAndComponent)
{
    TProjectContainer project;
    project.CreateNewProject();
    struct Case
    {
        int (*add)(TProjectContainer &, int);
        int type;
        const char *caption;
    };
    const Case cases[] = {
        { ComponentModules::AddModuleContainer, ModuleType::Container, "Container" },
        { ComponentModules::AddWin32Module, ModuleType::Win32, "Win32 Setup" },
        { ComponentModules::AddCabCollectionModule, ModuleType::CabCollection, "CAB Collection Module" },
        { ComponentModules::AddPalmModule, ModuleType::PalmOS, "PalmOS Module" },
        { ComponentModules::AddDirectCopyModule, ModuleType::DirectCopy, "Direct Copy Module" },
    };
    for (const Case &c : cases) {
        const int index = c.add(project, 0);
        const TInstallComponent &component = project.InstallComponents[index];
        EXPECT_EQ(component.moduleType, c.type);
        EXPECT_EQ(component.parentIndex, 0);
        EXPECT_EQ(project.GetComponentCaption(index), QLatin1String(c.caption));
        EXPECT_EQ(*project.GetComponentInstallTypes(index), project.InstallTypes) << c.caption;
        EXPECT_TRUE(project.GetComponentLanguages(index)->isEmpty());
    }
    EXPECT_FALSE(project.Modified);
}
