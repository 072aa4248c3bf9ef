#include "designer/core/ControlRenameEdit.h"
#include "designer/core/PageEventEntries.h"
#include "designer/core/PageEventRows.h"
#include "designer/core/PageEventRules.h"
#include "designer/core/PageFields.h"
#include "designer/core/ProcedureNames.h"
#include "model/ProjectContainer.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <optional>

using namespace talmo;

namespace {

// A project of two pages; the first, "Details", holds two buttons and an edit.
struct DetailsProject
{
    DetailsProject()
    {
        project.CustomForms.AddNew(false).Name = QStringLiteral("Details");
        project.CustomForms.AddNew(false).Name = QStringLiteral("Extras");
        PageEventEntries::Sync(page(), { { "Button1", "TButton" }, { "Button2", "TButton" }, { "Edit1", "TEdit" } },
                               ProcedureNames(&project.CustomForms, page()));
    }

    TCustomForm &page() { return project.CustomForms[0]; }
    int entry(const QString &object, const QString &event)
    {
        return PageEventRules::EntryOf(page().ExecUnits, object, event);
    }
    TFormCodeExecutionUnit &unit(const QString &object, const QString &event)
    {
        return page().ExecUnits[entry(object, event)];
    }
    // The first button's click enabled under its own name, the second's linked to it.
    void enableAndLink()
    {
        ASSERT_EQ(rows.apply(entry("Button1", "OnClick"), "Create Event").result, EventRowEdit::Enabled);
        ASSERT_EQ(rows.apply(entry("Button2", "OnClick"), "Details_Button1OnClick").result, EventRowEdit::Enabled);
        project.Modified = false;
    }

    TProjectContainer project;
    PageEventRows rows{ project, 0 };
};

struct EventRowCase
{
    const char *object;
    const char *event;
    const char *value;
    EventRowEdit::Result result;
    std::optional<QString> named;
    const char *message;
    // What the entry shows afterwards.
    const char *shown;
    bool linked;
};

class DetailsProjectTest : public ::testing::Test, protected DetailsProject
{
};
using PageEventRowsTest = DetailsProjectTest;
using PageFieldsTest = DetailsProjectTest;
using ControlRenameEditTest = DetailsProjectTest;

} // namespace

TEST_F(PageEventRowsTest, ValuesEnableLinkDisableOrAreRefused)
{
    // Each case starts from Button1's click enabled, Button2's linked to it
    // and Edit1's key press enabled.
    const EventRowCase cases[] = {
        { "Button1", "OnClick", "View Code", EventRowEdit::Enabled, "Details_Button1OnClick", "",
          "Details_Button1OnClick", false },
        { "Button1", "OnClick", "Disable Event", EventRowEdit::Disabled, std::nullopt, "", "", false },
        { "Button2", "OnClick", "", EventRowEdit::Disabled, std::nullopt, "", "", false },
        { "Button2", "OnClick", "Details_Button1OnClick [ Linked Event ]", EventRowEdit::Enabled, std::nullopt, "",
          "Details_Button1OnClick [ Linked Event ]", true },
        { "Button2", "OnClick", "ClickOfBoth", EventRowEdit::Enabled, std::nullopt, "", "ClickOfBoth", false },
        { "Edit1", "OnChange", "Create Event", EventRowEdit::Enabled, "Details_Edit1OnChange", "",
          "Details_Edit1OnChange", false },
        // A key-press procedure cannot serve a click; the entry keeps its link.
        { "Button2", "OnClick", "Details_Edit1OnKeyPress", EventRowEdit::Refused, std::nullopt,
          "Error, Declarations are not compatible", "Details_Button1OnClick [ Linked Event ]", true },
        { "Button2", "OnClick", "Details", EventRowEdit::Refused, std::nullopt,
          "Details is already used in the setup's code by page Details", "Details_Button1OnClick [ Linked Event ]",
          true },
        { "Button1", "OnClick", "Bad Name", EventRowEdit::Refused, std::nullopt,
          "\"Bad Name\" is not a valid procedure name", "Details_Button1OnClick", false },
    };
    for (const EventRowCase &c : cases) {
        DetailsProject fixture;
        fixture.enableAndLink();
        ASSERT_EQ(fixture.rows.apply(fixture.entry("Edit1", "OnKeyPress"), "Create Event").result,
                  EventRowEdit::Enabled);
        fixture.project.Modified = false;
        const int index = fixture.entry(c.object, c.event);
        const EventRowEdit edit = fixture.rows.apply(index, QString::fromLatin1(c.value));
        EXPECT_EQ(edit.result, c.result) << c.value;
        EXPECT_EQ(edit.named, c.named) << c.value;
        EXPECT_EQ(edit.message, QString::fromLatin1(c.message)) << c.value;
        EXPECT_EQ(fixture.rows.valueOf(index).text, QString::fromLatin1(c.shown)) << c.value;
        EXPECT_EQ(fixture.rows.valueOf(index).linked, c.linked) << c.value;
        EXPECT_TRUE(fixture.project.Modified) << c.value;
    }
}

TEST_F(PageEventRowsTest, DisablingTheOwnerHandsTheProcedureToTheLinkedEntry)
{
    enableAndLink();
    EXPECT_EQ(rows.apply(entry("Button1", "OnClick"), "").result, EventRowEdit::Disabled);
    EXPECT_FALSE(unit("Button1", "OnClick").Enabled);
    EXPECT_EQ(unit("Button2", "OnClick").linkTo, -1);
    EXPECT_EQ(rows.valueOf(entry("Button2", "OnClick")).text, "Details_Button1OnClick");
}

TEST_F(PageEventRowsTest, AnEntryThatIsNoneChangesNothing)
{
    for (const int index : { -1, int(page().ExecUnits.Count()) })
        EXPECT_EQ(rows.apply(index, "Create Event").result, EventRowEdit::Ignored) << index;
    EXPECT_FALSE(project.Modified);
}

TEST_F(PageEventRowsTest, ARowOffersTheCommandThenTheProceduresOfItsKind)
{
    EXPECT_EQ(rows.choicesOf("Button1", "OnClick"), QStringList{ "Create Event" });
    enableAndLink();
    EXPECT_EQ(rows.apply(entry("Edit1", "OnKeyPress"), "Create Event").result, EventRowEdit::Enabled);
    EXPECT_EQ(rows.choicesOf("Button1", "OnClick"), QStringList({ "View Code", "Details_Button1OnClick" }));
    EXPECT_EQ(rows.choicesOf("Edit1", "OnClick"), QStringList({ "Create Event", "Details_Button1OnClick" }));
    EXPECT_EQ(rows.choicesOf("Edit1", "OnKeyDown"), QStringList{ "Create Event" });
    EXPECT_EQ(rows.choicesOf("Edit1", "OnRename"), QStringList());
    EXPECT_EQ(rows.choicesOf("Form", "OnActivate"), QStringList{ "Create Event" });

    EXPECT_EQ(PageEventRows::doubleClicked(""), "Create Event");
    EXPECT_EQ(PageEventRows::doubleClicked("Details_Button1OnClick"), "View Code");
}

TEST_F(PageEventRowsTest, CreatedNamesSkipWhatTheCodeDeclaresElsewhere)
{
    const int click = entry("Button1", "OnClick");
    EXPECT_EQ(rows.createdEventName(click), "Details_Button1OnClick");
    project.CommonCode = QStringList{ "procedure Details_Button1OnClick;", "begin", "end;",
                                      "procedure Details_Button1OnClick2;", "begin", "end;" };
    EXPECT_EQ(rows.createdEventName(click), "Details_Button1OnClick3");
    const EventRowEdit edit = rows.apply(click, "Create Event");
    EXPECT_EQ(edit.result, EventRowEdit::Enabled);
    EXPECT_EQ(edit.named, "Details_Button1OnClick3");
    EXPECT_EQ(unit("Button1", "OnClick").eventNameInCode, "Details_Button1OnClick3");
}

TEST_F(PageFieldsTest, FieldsTakeTheirValuesAndMarkTheProject)
{
    PageFields fields(project, 0);
    EXPECT_EQ(PageFields::creationOrderChoices().size(), 14);
    EXPECT_EQ(PageFields::creationOrderChoices().first(), "Welcome");
    const std::pair<const char *, int> orders[] = { { "Finished", 13 }, { "License", 1 }, { "xyz", 0 },
                                                    { "finished", 0 }, { "", 0 } };
    for (const auto &[name, order] : orders) {
        page().CreationOrder = 5;
        fields.setCreationOrder(QString::fromLatin1(name));
        EXPECT_EQ(page().CreationOrder, order) << name;
    }
    fields.setCaption("Pick your options");
    fields.setDescription("Which parts to install");
    fields.setEnabled(false);
    EXPECT_EQ(page().Caption, "Pick your options");
    EXPECT_EQ(page().Description, "Which parts to install");
    EXPECT_FALSE(page().Enabled);
    EXPECT_TRUE(project.Modified);
}

TEST_F(PageFieldsTest, APageNameThatCannotCompileIsRefusedWithItsReason)
{
    PageFields fields(project, 0);
    const std::pair<const char *, const char *> refused[] = {
        { "My Page", "\"My Page\" is not a valid page name" },
        { "extras", "A page named Extras already exists" },
        { "2nd", "\"2nd\" is not a valid page name" },
        { "PreviousPageId", "PreviousPageId is already used in the setup's code by the parameter of every page's "
                            "creating function" },
    };
    for (const auto &[name, refusal] : refused) {
        EXPECT_EQ(fields.setName(QString::fromLatin1(name)), QString::fromLatin1(refusal)) << name;
        EXPECT_EQ(page().Name, "Details") << name;
    }
    EXPECT_FALSE(project.Modified);
    EXPECT_EQ(fields.setName("Welcome2"), QString());
    EXPECT_EQ(page().Name, "Welcome2");
    EXPECT_TRUE(project.Modified);
}

TEST_F(ControlRenameEditTest, ARenameTheControlTookCarriesItsEntriesAlong)
{
    enableAndLink();
    ControlRenameEdit rename(project, 0);
    rename.select("Button1");
    const auto neverAsked = [](const QString &name) {
        ADD_FAILURE() << "asked again for " << name.toStdString();
        return QString();
    };
    EXPECT_EQ(rename.apply("OkButton", "OkButton", neverAsked), std::nullopt);
    EXPECT_EQ(rename.apply("CloseButton", "CloseButton", neverAsked), std::nullopt);
    EXPECT_EQ(entry("OkButton", "OnClick"), -1);
    EXPECT_EQ(unit("CloseButton", "OnClick").eventNameInCode, "Details_Button1OnClick");
    EXPECT_TRUE(unit("CloseButton", "OnClick").Enabled);
    EXPECT_EQ(unit("Button2", "OnClick").linkTo, entry("CloseButton", "OnClick"));
    EXPECT_TRUE(project.Modified);
}

TEST_F(ControlRenameEditTest, ARenameTheControlRefusedSaysWhyAndChangesNothing)
{
    ControlRenameEdit rename(project, 0);
    rename.select("Button1");
    QStringList asked;
    const auto refusalOf = [&asked](const QString &name) {
        asked.append(name);
        return QStringLiteral("A component named %1 already exists").arg(name);
    };
    EXPECT_EQ(rename.apply("Button1", "Edit1", refusalOf), "A component named Edit1 already exists");
    EXPECT_EQ(asked, QStringList{ "Edit1" });
    EXPECT_EQ(unit("Button1", "OnClick").Object, "Button1");
    EXPECT_FALSE(project.Modified);
    // The entries follow from the name the control still has.
    EXPECT_EQ(rename.apply("OkButton", "OkButton", refusalOf), std::nullopt);
    EXPECT_NE(entry("OkButton", "OnClick"), -1);
}
