#include "designer/core/CutEventStash.h"
#include "designer/core/PageEventEntries.h"
#include "designer/core/PageEventRules.h"
#include "designer/core/PageEventTables.h"
#include "designer/core/PageNameRules.h"
#include "designer/core/ProcedureNames.h"
#include "model/EventUnitHandOver.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;
namespace Rules = talmo::PageEventRules;

namespace {

// A project of one page "CustomForm" with the page's five own events.
struct PageFixture
{
    PageFixture() : page(pages.AddNew(false)) {}

    ProcedureNames names() const { return ProcedureNames(&pages, page); }
    QStringList sync(const QList<PageControlName> &controls)
    {
        return PageEventEntries::Sync(page, controls, names());
    }
    int entry(const QString &object, const QString &event) const
    {
        return Rules::EntryOf(page.ExecUnits, object, event);
    }
    TFormCodeExecutionUnit &unit(const QString &object, const QString &event)
    {
        return page.ExecUnits[entry(object, event)];
    }
    // Enables the event under its own default name.
    void enable(const QString &object, const QString &event)
    {
        const int index = entry(object, event);
        ASSERT_TRUE(Rules::EnableEvent(page.ExecUnits, index, page.ExecUnits[index].eventNameInCode).accepted);
    }

    TCustomForms pages;
    TCustomForm &page;
};

QStringList eventsOf(const TCustomForm &page, const QString &object)
{
    QStringList events;
    for (const TFormCodeExecutionUnit &unit : page.ExecUnits) {
        if (unit.Object == object)
            events.append(unit.Event);
    }
    return events;
}

} // namespace

TEST(PageEventTablesTest, DefaultEventsOfEveryPaletteClass)
{
    const QStringList edit{ "OnChange", "OnClick", "OnDblClick", "OnKeyDown", "OnKeyPress", "OnKeyUp" };
    const QStringList list{ "OnClick", "OnDblClick", "OnKeyDown", "OnKeyPress", "OnKeyUp" };
    const QStringList clicks{ "OnClick", "OnDblClick" };
    const QStringList tree{ "OnChange", "OnRename" };
    const std::pair<const char *, QStringList> cases[] = {
        { "TCheckBox", { "OnClick" } }, { "TButton", { "OnClick" } },
        { "TLabel", clicks }, { "TPanel", clicks }, { "TRadioButton", clicks }, { "TNewStaticText", clicks },
        { "TEdit", edit }, { "TMemo", edit }, { "TRichEditViewer", edit }, { "TPasswordEdit", edit },
        { "TNewCheckListBox", list }, { "TListBox", list },
        { "TComboBox", { "OnChange", "OnClick", "OnDblClick", "OnDropDown", "OnKeyDown", "OnKeyPress", "OnKeyUp" } },
        { "TFolderTreeView", tree }, { "TStartMenuFolderTreeView", tree },
        { "TBitmapImage", {} }, { "TBevel", {} }, { "TNewProgressBar", {} },
        // The class is matched exactly.
        { "tbutton", {} },
    };
    for (const auto &[className, events] : cases)
        EXPECT_EQ(PageEventTables::DefaultControlEvents(QString::fromLatin1(className)), events) << className;
}

TEST(PageEventTablesTest, DeclarationTemplates)
{
    EXPECT_EQ(PageEventTables::DeclarationTemplate("OnClick"), "procedure {}OnClick(Sender: TObject);");
    EXPECT_EQ(PageEventTables::DeclarationTemplate("OnKeyUp"),
              "procedure {}OnKeyUp(Sender: TObject; var Key: Word; Shift: TShiftState);");
    EXPECT_EQ(PageEventTables::DeclarationTemplate("OnKeyPress"), "procedure {}OnKeyPress(Sender: TObject; var Key: Char);");
    EXPECT_EQ(PageEventTables::DeclarationTemplate("OnRename"),
              "procedure {}OnRename(Sender: TCustomFolderTreeView; var NewName: String; var Accept: Boolean);");
    EXPECT_EQ(PageEventTables::DeclarationTemplate("OnActivate"), QString());
}

TEST(PageEventEntriesTest, NewControlsGetDisabledDefaultEntriesNamedAfterPageAndControl)
{
    PageFixture f;
    const QStringList objects = f.sync({ { "Button1", "TButton" }, { "Bevel1", "TBevel" }, { "Edit1", "TEdit" } });
    EXPECT_EQ(objects, QStringList({ "Form", "Button1", "Edit1" }));
    EXPECT_EQ(eventsOf(f.page, "Button1"), QStringList{ "OnClick" });
    EXPECT_TRUE(eventsOf(f.page, "Bevel1").isEmpty());
    const TFormCodeExecutionUnit &click = f.unit("Button1", "OnClick");
    EXPECT_EQ(click.eventNameInCode, "CustomForm_Button1OnClick");
    EXPECT_FALSE(click.Enabled);
    EXPECT_EQ(click.linkTo, -1);
    EXPECT_TRUE(click.Code.isEmpty());
    EXPECT_EQ(click.defCode, QStringList({ "begin", "// Your Code Here ...", "end;" }));
    EXPECT_EQ(click.ShortHelp, "procedure {}OnClick(Sender: TObject);");
    EXPECT_EQ(f.unit("Edit1", "OnKeyDown").eventNameInCode, "CustomForm_Edit1OnKeyDown");
}

TEST(PageEventEntriesTest, SyncDropsEntriesOfControlsThatLeftButNeverTheForm)
{
    PageFixture f;
    f.sync({ { "Button1", "TButton" }, { "Label1", "TLabel" } });
    f.sync({ { "Label1", "TLabel" } });
    EXPECT_EQ(PageEventEntries::KnownObjects(f.page.ExecUnits), QStringList({ "Form", "Label1" }));
    EXPECT_EQ(f.sync({}), QStringList{ "Form" });
    EXPECT_EQ(f.page.ExecUnits.Count(), 5);
}

TEST(PageEventEntriesTest, RenameMovesEntriesAndKeepsProcedureNames)
{
    PageFixture f;
    f.sync({ { "Button1", "TButton" } });
    f.enable("Button1", "OnClick");
    PageEventEntries::RenameObject(f.page.ExecUnits, "Button1", "OkButton");
    f.sync({ { "OkButton", "TButton" } });
    const TFormCodeExecutionUnit &click = f.unit("OkButton", "OnClick");
    EXPECT_TRUE(click.Enabled);
    EXPECT_EQ(click.eventNameInCode, "CustomForm_Button1OnClick");
    EXPECT_EQ(eventsOf(f.page, "Button1"), QStringList());
}

TEST(PageEventRulesTest, DeclarationLines)
{
    PageFixture f;
    f.sync({ { "Edit1", "TEdit" } });
    EXPECT_EQ(Rules::DeclarationLine(f.unit("Edit1", "OnKeyDown"), f.page.Name),
              "procedure CustomForm_Edit1OnKeyDown(Sender: TObject; var Key: Word; Shift: TShiftState);");
    TFormCodeExecutionUnit function;
    function.Object = "Form";
    function.ShortHelp = "function {}OnShouldSkipPage(Sender: TWizardPage): Boolean;";
    function.eventNameInCode = "{}Skip";
    EXPECT_EQ(Rules::DeclarationLine(function, "Page"), "function Page_Form_Skip(Sender: TWizardPage): Boolean;");
}

TEST(PageEventRulesTest, SameKindComparesFirstWordAndParameterTail)
{
    const auto unit = [](const char *shortHelp) {
        TFormCodeExecutionUnit u;
        u.ShortHelp = QString::fromLatin1(shortHelp);
        return u;
    };
    struct Case
    {
        const char *a;
        const char *b;
        bool same;
    } cases[] = {
        { "procedure {}OnClick(Sender: TObject);", "procedure {}OnChange(Sender: TObject);", true },
        { "procedure {}OnClick(Sender: TObject);", "procedure {}OnKeyPress(Sender: TObject; var Key: Char);", false },
        { "procedure {}OnKeyDown(Sender: TObject; var Key: Word; Shift: TShiftState);",
          "procedure {}OnKeyUp(Sender: TObject; var Key: Word; Shift: TShiftState);", true },
        { "procedure {}OnActivate(Sender: TObject);", "function {}OnActivate(Sender: TObject);", false },
    };
    for (const Case &c : cases)
        EXPECT_EQ(Rules::SameKind(unit(c.a), unit(c.b)), c.same) << c.a << " / " << c.b;
}

TEST(PageEventRulesTest, LinkingToAnotherEnabledProcedureOfTheSameKind)
{
    PageFixture f;
    f.sync({ { "Button1", "TButton" }, { "Button2", "TButton" }, { "Edit1", "TEdit" } });
    f.enable("Button1", "OnClick");
    const int second = f.entry("Button2", "OnClick");
    ASSERT_TRUE(Rules::EnableEvent(f.page.ExecUnits, second, "CustomForm_Button1OnClick").accepted);
    EXPECT_EQ(f.page.ExecUnits[second].linkTo, f.entry("Button1", "OnClick"));
    EXPECT_TRUE(f.page.ExecUnits[second].Enabled);
    EXPECT_EQ(Rules::ProcedureOwner(f.page.ExecUnits, second), f.entry("Button1", "OnClick"));
    EXPECT_EQ(Rules::LinkedObjectLines(f.page.ExecUnits, f.entry("Button1", "OnClick")),
              QStringList({ "Button2.OnClick", "Button1.OnClick" }));
    // The row of an edit's OnChange offers the shared click procedure, not the key ones.
    EXPECT_EQ(Rules::ShareableProcedures(f.page.ExecUnits, f.entry("Edit1", "OnChange")),
              QStringList{ "CustomForm_Button1OnClick" });
}

TEST(PageEventRulesTest, RefusedLinksLeaveTheEntryAsItWas)
{
    PageFixture f;
    f.sync({ { "Button1", "TButton" }, { "Edit1", "TEdit" }, { "Label1", "TLabel" } });
    f.enable("Edit1", "OnKeyPress");
    const int click = f.entry("Button1", "OnClick");
    const EventEnableVerdict incompatible =
        Rules::EnableEvent(f.page.ExecUnits, click, "CustomForm_Edit1OnKeyPress");
    EXPECT_FALSE(incompatible.accepted);
    EXPECT_EQ(incompatible.message, "Error, Declarations are not compatible");
    EXPECT_FALSE(f.page.ExecUnits[click].Enabled);
    EXPECT_EQ(f.page.ExecUnits[click].eventNameInCode, "CustomForm_Button1OnClick");

    // The label's click procedure exists only as a disabled entry.
    const EventEnableVerdict disabled = Rules::EnableEvent(f.page.ExecUnits, click, "CustomForm_Label1OnClick");
    EXPECT_FALSE(disabled.accepted);
    EXPECT_EQ(disabled.message, "Error, Link To Disabled Event");
    EXPECT_EQ(f.page.ExecUnits[click].linkTo, -1);
}

TEST(PageEventRulesTest, DisablingTheOwnerOfTwoLinksHandsTheProcedureToTheFirst)
{
    PageFixture f;
    f.sync({ { "Button1", "TButton" }, { "Button2", "TButton" }, { "Button3", "TButton" } });
    f.enable("Button1", "OnClick");
    const int owner = f.entry("Button1", "OnClick");
    const int second = f.entry("Button2", "OnClick");
    const int third = f.entry("Button3", "OnClick");
    f.page.ExecUnits[owner].Code = QStringList{ "begin", "  Beep;", "end;" };
    ASSERT_TRUE(Rules::EnableEvent(f.page.ExecUnits, second, "CustomForm_Button1OnClick").accepted);
    ASSERT_TRUE(Rules::EnableEvent(f.page.ExecUnits, third, "CustomForm_Button1OnClick").accepted);

    DisableEventUnit(f.page.ExecUnits, owner);
    EXPECT_EQ(f.page.ExecUnits[second].linkTo, -1);
    EXPECT_EQ(f.page.ExecUnits[second].Code, QStringList({ "begin", "  Beep;", "end;" }));
    EXPECT_EQ(f.page.ExecUnits[third].linkTo, second);
    EXPECT_EQ(Rules::LinkedObjectLines(f.page.ExecUnits, second),
              QStringList({ "Button3.OnClick", "Button2.OnClick" }));
    EXPECT_EQ(f.page.ExecUnits[owner].Code, QStringList({ "begin", "  Beep;", "end;" }));
}

TEST(PageEventRulesTest, ProcedureNamesDoNotCollide)
{
    PageFixture f;
    f.sync({ { "Button1", "TButton" } });
    f.enable("Button1", "OnClick");
    // Button1 becomes OkButton and keeps CustomForm_Button1OnClick; the next Button1 numbers its name.
    PageEventEntries::RenameObject(f.page.ExecUnits, "Button1", "OkButton");
    f.sync({ { "OkButton", "TButton" }, { "Button1", "TButton" } });
    EXPECT_EQ(f.unit("Button1", "OnClick").eventNameInCode, "CustomForm_Button1OnClick2");
    // "Create Event" on it takes a free name instead of linking to OkButton's procedure.
    const int created = f.entry("Button1", "OnClick");
    const QString name = Rules::CreatedEventName(f.page, created, f.names());
    EXPECT_EQ(name, "CustomForm_Button1OnClick2");
    ASSERT_TRUE(Rules::EnableEvent(f.page.ExecUnits, created, name).accepted);
    EXPECT_EQ(f.page.ExecUnits[created].linkTo, -1);

    // Another page of the project counts as well, case ignored.
    TCustomForm &other = f.pages.AddNew(false);
    other.Name = "customform";
    PageEventEntries::Sync(other, { { "Button1", "TButton" } }, ProcedureNames(&f.pages, other));
    EXPECT_EQ(other.ExecUnits[Rules::EntryOf(other.ExecUnits, "Button1", "OnClick")].eventNameInCode,
              "customform_Button1OnClick3");
}

TEST(PageEventRulesTest, EnablingFromAddRestoresOrDefaultsCodeAndFreesATakenName)
{
    PageFixture f;
    f.sync({ { "Button1", "TButton" }, { "Button2", "TButton" } });
    const int first = f.entry("Button1", "OnClick");
    const int second = f.entry("Button2", "OnClick");
    Rules::EnableFromAdd(f.page, first, f.names());
    EXPECT_EQ(f.page.ExecUnits[first].Code, PageEventTables::DefaultEventCode());
    f.page.ExecUnits[first].Code = QStringList{ "begin", "end;" };
    // Button2 shares the procedure and takes it over when Button1's click is disabled.
    ASSERT_TRUE(Rules::EnableEvent(f.page.ExecUnits, second, "CustomForm_Button1OnClick").accepted);
    DisableEventUnit(f.page.ExecUnits, first);
    ASSERT_EQ(f.page.ExecUnits[second].linkTo, -1);
    Rules::EnableFromAdd(f.page, first, f.names());
    const TFormCodeExecutionUnit &restored = f.page.ExecUnits[first];
    EXPECT_TRUE(restored.Enabled);
    EXPECT_EQ(restored.linkTo, -1);
    EXPECT_EQ(restored.Code, QStringList({ "begin", "end;" }));
    EXPECT_EQ(restored.eventNameInCode, "CustomForm_Button1OnClick2");
}

TEST(CutEventStashTest, PastingACutControlBackRestoresItsEntriesAndLinks)
{
    PageFixture f;
    f.sync({ { "Button1", "TButton" }, { "Button2", "TButton" }, { "Edit1", "TEdit" } });
    f.enable("Button1", "OnClick");
    f.unit("Button1", "OnClick").Code = QStringList{ "begin", "  Owner;", "end;" };
    const int linked = f.entry("Button2", "OnClick");
    ASSERT_TRUE(Rules::EnableEvent(f.page.ExecUnits, linked, "CustomForm_Button1OnClick").accepted);
    f.enable("Edit1", "OnChange");
    f.unit("Edit1", "OnChange").Code = QStringList{ "begin", "  Changed;", "end;" };

    // Button1 (the owner) and Edit1 are cut: Button2 takes the procedure over.
    CutEventStash stash;
    stash.keep(f.page.ExecUnits, { "Button1", "Edit1" });
    f.sync({ { "Button2", "TButton" } });
    EXPECT_EQ(f.unit("Button2", "OnClick").linkTo, -1);

    ASSERT_TRUE(stash.restore(f.page, "Button1", f.names()));
    ASSERT_TRUE(stash.restore(f.page, "Edit1", f.names()));
    f.sync({ { "Button2", "TButton" }, { "Button1", "TButton" }, { "Edit1", "TEdit" } });
    const TFormCodeExecutionUnit &click = f.unit("Button1", "OnClick");
    EXPECT_TRUE(click.Enabled);
    EXPECT_EQ(click.eventNameInCode, "CustomForm_Button1OnClick");
    EXPECT_EQ(click.linkTo, f.entry("Button2", "OnClick"));
    const TFormCodeExecutionUnit &change = f.unit("Edit1", "OnChange");
    EXPECT_TRUE(change.Enabled);
    EXPECT_EQ(change.Code, QStringList({ "begin", "  Changed;", "end;" }));
    EXPECT_EQ(eventsOf(f.page, "Edit1").size(), 6);
    EXPECT_FALSE(stash.holds("Edit1"));
    EXPECT_FALSE(stash.restore(f.page, "Edit1", f.names()));
}

TEST(CutEventStashTest, ControlsCutTogetherLinkAgainAndCollisionsGetFreshNames)
{
    PageFixture f;
    f.sync({ { "Button1", "TButton" }, { "Button2", "TButton" }, { "Label1", "TLabel" } });
    f.enable("Button1", "OnClick");
    ASSERT_TRUE(Rules::EnableEvent(f.page.ExecUnits, f.entry("Button2", "OnClick"), "CustomForm_Button1OnClick")
                    .accepted);
    f.enable("Label1", "OnClick");
    CutEventStash stash;
    stash.keep(f.page.ExecUnits, { "Button1", "Button2", "Label1" });
    f.sync({});
    // Meanwhile another entry of the project took the label's name.
    TCustomForm &other = f.pages.AddNew(false);
    other.ExecUnits[0].eventNameInCode = "CustomForm_Label1OnClick";

    // Pasted in the other order: the linked one first.
    ASSERT_TRUE(stash.restore(f.page, "Button2", f.names()));
    ASSERT_TRUE(stash.restore(f.page, "Button1", f.names()));
    ASSERT_TRUE(stash.restore(f.page, "Label1", f.names()));
    // Button2 found no owner and keeps the procedure; Button1 links to it.
    EXPECT_EQ(f.unit("Button2", "OnClick").linkTo, -1);
    EXPECT_EQ(f.unit("Button2", "OnClick").eventNameInCode, "CustomForm_Button1OnClick");
    EXPECT_EQ(f.unit("Button1", "OnClick").linkTo, f.entry("Button2", "OnClick"));
    EXPECT_EQ(f.unit("Label1", "OnClick").eventNameInCode, "CustomForm_Label1OnClick2");
    EXPECT_TRUE(f.unit("Label1", "OnClick").Enabled);
}

TEST(PageNameRulesTest, FormIsKeptForThePage)
{
    EXPECT_FALSE(PageNameRules::ControlNameRefusal("FORM").isEmpty());
    EXPECT_FALSE(PageNameRules::ControlNameRefusal("form").isEmpty());
    EXPECT_TRUE(PageNameRules::ControlNameRefusal("Form1").isEmpty());
}
