#include "editors/modules/RuntimeModuleDialog.h"
#include "model/ProgramOptions.h"
#include "model/ProjectContainer.h"
#include "platform/RegistryMemoryStore.h"
#include "tests/editors/EditorTestSupport.h"
#include "tests/support/QtPrinters.h"

#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

using namespace talmo;
using namespace talmo::testing;

namespace {

TMSQL_CustomSet twoPlatformSet(const QString &caption)
{
    TMSQL_CustomSet set;
    set.Caption = caption;
    set.Platforms.push_back({"WCE400", {{"armv4", {}}, {"x86", {}}}});
    set.Platforms.push_back({"WCE500", {{"armv4i", {}}}});
    return set;
}

QStringList listed(const QListWidget *list)
{
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows.append(list->item(i)->text() + (list->item(i)->checkState() == Qt::Checked ? " [x]" : " [ ]"));
    return rows;
}

class RuntimeModuleDialogTest : public EditorTest
{
protected:
    void SetUp() override
    {
        options.MSQLSets = {twoPlatformSet("Builtin Distribution"), twoPlatformSet("Mine"), TMSQL_CustomSet{"Empty", {}}};
        options.NETCF2Sets = {TMSQL_CustomSet{"Builtin Distribution", {{"PPC2003", {{"arm", {}}}}}}};
    }

    void check(QListWidget *list, int row)
    {
        list->item(row)->setCheckState(Qt::Checked);
    }

    RegistryMemoryStore store;
    ScopedCurrentRegistryStore useStore{store};
    TProgramOptions options;
    ScopedCurrentProgramOptions useOptions{options};
    TProjectContainer project;
};

} // namespace

TEST_F(RuntimeModuleDialogTest, EachKindReadsItsOwnSetsUnderItsCaption)
{
    TRuntimeModuleDialog sql(RuntimeModuleKind::SqlMobile);
    TRuntimeModuleDialog net(RuntimeModuleKind::NetCF2);
    EXPECT_EQ(sql.windowTitle(), "SQL Mobile Module");
    EXPECT_EQ(net.windowTitle(), ".NET Compact Framework v2 Details");
    sql.SetIndex = net.SetIndex = 0;
    sql.show();
    net.show();
    EXPECT_EQ(sql.JvTreeView1->topLevelItemCount(), 2);
    EXPECT_EQ(net.JvTreeView1->topLevelItemCount(), 1);
    EXPECT_EQ(net.JvTreeView1->topLevelItem(0)->text(0), "PPC2003");
    EXPECT_EQ(listed(net.JvCheckListBox1), QStringList({"arm [ ]"}));
}

TEST_F(RuntimeModuleDialogTest, MarksAreKeptPerPlatformAndANewModuleStartsUnchecked)
{
    for (int showing = 0; showing < 2; ++showing) {
        TRuntimeModuleDialog dialog(RuntimeModuleKind::SqlMobile);
        dialog.SetIndex = 1;
        dialog.Checked = {{true, true}, {true}};
        dialog.show();
        EXPECT_EQ(dialog.Checked, RuntimeModuleShape::Marks({{false, false}, {false}}));
        EXPECT_EQ(dialog.JvTreeView1->currentItem()->text(0), "WCE400");
        EXPECT_EQ(listed(dialog.JvCheckListBox1), QStringList({"armv4 [ ]", "x86 [ ]"}));

        check(dialog.JvCheckListBox1, 1);
        dialog.JvTreeView1->setCurrentItem(dialog.JvTreeView1->topLevelItem(1));
        EXPECT_EQ(listed(dialog.JvCheckListBox1), QStringList({"armv4i [ ]"}));
        check(dialog.JvCheckListBox1, 0);
        dialog.JvTreeView1->setCurrentItem(dialog.JvTreeView1->topLevelItem(0));
        EXPECT_EQ(listed(dialog.JvCheckListBox1), QStringList({"armv4 [ ]", "x86 [x]"}));
        EXPECT_EQ(dialog.Checked, RuntimeModuleShape::Marks({{false, true}, {true}}));
        click(dialog.JvBitBtn2);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_TRUE(ui.shownTexts().isEmpty());
}

TEST_F(RuntimeModuleDialogTest, EditingShowsTheModulesPlatformsWithTheCallersMarks)
{
    TPluginContainer &module = project.PluginContainers.AddNew();
    TPluginPlatform &platform = module.Platforms.AddNew();
    platform.Caption = "WCE420";
    platform.Processors.AddNew().Caption = "mips";
    platform.Processors.AddNew().Caption = "sh4";
    TRuntimeModuleDialog dialog(RuntimeModuleKind::NetCF2);
    dialog.EditMode = true;
    dialog.SetIndex = 0;
    dialog.Container = &project;
    dialog.Checked = {{false, true}};
    dialog.show();
    EXPECT_EQ(dialog.JvTreeView1->topLevelItem(0)->text(0), "WCE420");
    EXPECT_EQ(listed(dialog.JvCheckListBox1), QStringList({"mips [ ]", "sh4 [x]"}));
    dialog.JvCheckListBox1->item(1)->setCheckState(Qt::Unchecked);
    click(dialog.JvBitBtn2);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(ui.shownTexts(), QStringList({"Please select atleast one Platform/Processor"}));
}

TEST_F(RuntimeModuleDialogTest, ASetWithoutPlatformsCanOnlyBeCancelled)
{
    TRuntimeModuleDialog dialog(RuntimeModuleKind::SqlMobile);
    dialog.SetIndex = 2;
    dialog.show();
    EXPECT_EQ(dialog.JvTreeView1->topLevelItemCount(), 0);
    EXPECT_EQ(dialog.JvCheckListBox1->count(), 0);
    click(dialog.JvBitBtn2);
    EXPECT_EQ(ui.shownTexts(), QStringList({"Please select atleast one Platform/Processor"}));
    click(dialog.bt_cancel);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}
