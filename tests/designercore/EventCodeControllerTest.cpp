#include "designer/core/EventCodeController.h"
#include "designer/core/PageEventEntries.h"
#include "designer/core/PageEventRules.h"
#include "designer/core/ProcedureNames.h"

#include <gtest/gtest.h>

using namespace talmo;
namespace Rules = talmo::PageEventRules;

namespace {

// Page "CustomForm" with Button1's click enabled and shared by Button2, and
// an edit whose events are all disabled.
struct CodeTabFixture : ::testing::Test
{
    CodeTabFixture()
        : page(pages.AddNew(false)), tab(page, &pages, [this] { ++modifications; })
    {
        PageEventEntries::Sync(page, { { "Button1", "TButton" }, { "Button2", "TButton" }, { "Edit1", "TEdit" } },
                               ProcedureNames(&pages, page));
        owner = Rules::EntryOf(page.ExecUnits, "Button1", "OnClick");
        linked = Rules::EntryOf(page.ExecUnits, "Button2", "OnClick");
        EXPECT_TRUE(Rules::EnableEvent(page.ExecUnits, owner, "CustomForm_Button1OnClick").accepted);
        EXPECT_TRUE(Rules::EnableEvent(page.ExecUnits, linked, "CustomForm_Button1OnClick").accepted);
        tab.refreshObjects();
    }

    TCustomForms pages;
    TCustomForm &page;
    int modifications = 0;
    EventCodeController tab;
    int owner = -1;
    int linked = -1;
};

} // namespace

TEST_F(CodeTabFixture, ObjectsInOrderOfTheirFirstEntryAndTheFirstEnabledEventChosen)
{
    EXPECT_EQ(tab.objects(), QStringList({ "Form", "Button1", "Button2", "Edit1" }));
    EXPECT_EQ(tab.chosenObject(), 0);
    // No event of the page itself is enabled.
    EXPECT_EQ(tab.chosenEntry(), -1);
    EXPECT_EQ(tab.editorLines(), QStringList{ EventCodeController::NoEventLine });
    EXPECT_FALSE(tab.canDelete());
    EXPECT_FALSE(tab.canApplyDefault());
    tab.editorChanged({ "typed over", "the hint" });
    EXPECT_EQ(modifications, 0);
}

TEST_F(CodeTabFixture, ALinkedEventShowsAndEditsItsOwnersCode)
{
    tab.chooseObject(QStringLiteral("Button2"));
    EXPECT_EQ(tab.eventNames(), QStringList{ "OnClick" });
    EXPECT_EQ(tab.shownEntry(), owner);
    EXPECT_EQ(tab.editorLines(), QStringList({ "procedure CustomForm_Button1OnClick(Sender: TObject);", "begin",
                                               "// Your Code Here ...", "end;" }));
    EXPECT_EQ(tab.linkedObjects(), QStringList({ "Button2.OnClick", "Button1.OnClick" }));

    tab.editorChanged({ "procedure Changed(Sender: TObject);", "begin", "  Shared;", "end;" });
    EXPECT_EQ(page.ExecUnits[owner].Code, QStringList({ "begin", "  Shared;", "end;" }));
    EXPECT_TRUE(page.ExecUnits[linked].Code.isEmpty());
    EXPECT_EQ(page.ExecUnits[owner].eventNameInCode, "CustomForm_Button1OnClick");
    EXPECT_EQ(modifications, 1);
    // One line left: the code becomes empty.
    tab.editorChanged({ "procedure" });
    EXPECT_TRUE(page.ExecUnits[owner].Code.isEmpty());
}

TEST_F(CodeTabFixture, AddEnablesADisabledEventWithItsDefaultCode)
{
    tab.chooseObject(QStringLiteral("Edit1"));
    EXPECT_EQ(tab.addableEntries().size(), 6);
    const int keyPress = Rules::EntryOf(page.ExecUnits, "Edit1", "OnKeyPress");
    tab.enableFromAdd(keyPress);
    EXPECT_EQ(tab.chosenEntry(), keyPress);
    EXPECT_EQ(tab.editorLines().first(),
              "procedure CustomForm_Edit1OnKeyPress(Sender: TObject; var Key: Char);");
    EXPECT_EQ(page.ExecUnits[keyPress].Code, QStringList({ "begin", "// Your Code Here ...", "end;" }));
    EXPECT_EQ(modifications, 1);
    for (int entry : tab.addableEntries())
        tab.enableFromAdd(entry);
    EXPECT_TRUE(tab.addableEntries().isEmpty());
    EXPECT_EQ(tab.eventNames().size(), 6);
}

TEST_F(CodeTabFixture, DeleteHandsTheProcedureOverAndAddBringsTheOldCodeBack)
{
    page.ExecUnits[owner].Code = QStringList{ "begin", "  Mine;", "end;" };
    tab.chooseObject(QStringLiteral("Button1"));
    tab.deleteChosen();
    EXPECT_FALSE(page.ExecUnits[owner].Enabled);
    EXPECT_EQ(tab.objects().at(tab.chosenObject()), "Button1");
    EXPECT_EQ(tab.editorLines(), QStringList{ EventCodeController::NoEventLine });
    EXPECT_EQ(page.ExecUnits[linked].linkTo, -1);
    EXPECT_EQ(page.ExecUnits[linked].Code, QStringList({ "begin", "  Mine;", "end;" }));

    // Button2 now owns the old name: enabling Button1's click again numbers it.
    tab.enableFromAdd(owner);
    EXPECT_EQ(page.ExecUnits[owner].eventNameInCode, "CustomForm_Button1OnClick2");
    EXPECT_EQ(tab.editorLines().mid(1), QStringList({ "begin", "  Mine;", "end;" }));
}

TEST_F(CodeTabFixture, ApplyDefaultCodeOnALinkedEventResetsTheShownProcedure)
{
    page.ExecUnits[owner].Code = QStringList{ "begin", "  Mine;", "end;" };
    page.ExecUnits[linked].Code = QStringList{ "begin", "  Unused;", "end;" };
    tab.chooseObject(QStringLiteral("Button2"));
    tab.applyDefaultCode();
    EXPECT_EQ(page.ExecUnits[owner].Code, QStringList({ "begin", "// Your Code Here ...", "end;" }));
    EXPECT_EQ(page.ExecUnits[linked].Code, QStringList({ "begin", "  Unused;", "end;" }));
    EXPECT_EQ(tab.editorLines().mid(1), page.ExecUnits[owner].Code);
}

TEST_F(CodeTabFixture, ShowingAProcedureChoosesItsOwner)
{
    EXPECT_EQ(tab.showProcedureOf(linked), QString());
    EXPECT_EQ(tab.objects().at(tab.chosenObject()), "Button1");
    EXPECT_EQ(tab.chosenEntry(), owner);

    // An entry added behind the lists' back is missing from them.
    TFormCodeExecutionUnit &stray = page.ExecUnits.AddNew();
    stray.Object = "Ghost";
    stray.Event = "OnClick";
    EXPECT_EQ(tab.showProcedureOf(page.ExecUnits.Count() - 1), EventCodeController::MissingObjectMessage);
    EXPECT_EQ(tab.chosenEntry(), -1);
    EXPECT_EQ(tab.editorLines(), QStringList{ EventCodeController::NoEventLine });
}
