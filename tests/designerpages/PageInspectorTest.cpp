#include "designer/DesignClassRegistry.h"
#include "designer/DesignFont.h"
#include "designer/PageDfm.h"
#include "designer/controls/FormDesignerClasses.h"
#include "designer/controls/Label.h"
#include "designer/controls/Panel.h"
#include "designer/core/PageEventEntries.h"
#include "designer/core/PageEventRules.h"
#include "designer/core/PageNameRules.h"
#include "designer/core/ProcedureNames.h"
#include "designer/pages/PageControlNames.h"
#include "designer/pages/PageInspector.h"
#include "helpers/ui/FakeUiServices.h"
#include "model/ProjectContainer.h"
#include "scriptknowledge/PropertyWhiteList.h"
#include "tests/designerpages/InspectorRows.h"
#include "widgets/NextInspector.h"
#include "widgets/NxButtonItem.h"
#include "widgets/NxCheckBoxItem.h"
#include "widgets/NxComboBoxItem.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

// A project of two pages; the first is designed on root and shown in the
// inspector the way the page designer wires it.
class PageInspectorTest : public ::testing::Test
{
protected:
    PageInspectorTest()
    {
        project.CustomForms.AddNew(false).Name = QStringLiteral("Details");
        project.CustomForms.AddNew(false).Name = QStringLiteral("Extras");
        InitFormDesignerUnit(registry);
        root.setDesigning(true);
        root.setRenameHook([](const TDesignControl &, const QString &name) {
            const QString refusal = PageNameRules::ControlNameRefusal(name);
            return refusal.isEmpty() ? TRenameVerdict::accept() : TRenameVerdict::refuse(refusal);
        });
        PageInspectorHooks hooks;
        hooks.savePage = [this] { PageDfm::SavePageDfm(root, page(), registry); };
        hooks.controlRenamed = [this] { sync(); };
        hooks.pageFieldsChanged = [this] { ++pageFieldChanges; };
        hooks.showEventCode = [this](int entry) { shownEntries.append(entry); };
        hooks.eventDisabled = [] {};
        binding = new PageInspector(inspector, project, 0, whiteList, std::move(hooks), &context);
    }
    ~PageInspectorTest() override { root.destroyComponents(); }

    TCustomForm &page() { return project.CustomForms[0]; }

    TDesignControl *insert(const QString &className, const QString &name)
    {
        TDesignControl *control = registry.find(className)->create();
        control->setParent(&root);
        root.insertComponent(control);
        EXPECT_TRUE(control->rename(name).accepted);
        sync();
        return control;
    }

    void sync()
    {
        PageEventEntries::Sync(page(), PageControlNames(root, registry),
                               ProcedureNames(&project.CustomForms, page()));
    }

    // A row under Properties unless another parent is named.
    TNxPropertyItem *row(const QString &caption, const QString &parent = QStringLiteral("Properties")) const
    {
        return inspectorRow(inspector, caption, parent);
    }

    QStringList childCaptions(const TNxPropertyItem *parent) const
    {
        QStringList captions;
        for (int i = 0; i < parent->childCount(); ++i)
            captions.append(parent->item(i)->caption());
        return captions;
    }

    int entry(const QString &object, const QString &event) const
    {
        return PageEventRules::EntryOf(project.CustomForms[0].ExecUnits, object, event);
    }

    FakeUiServices ui;
    ScopedCurrentUiServices useUi{ ui };
    TProjectContainer project;
    TDesignClassRegistry registry;
    TPanel root;
    PropertyWhiteList whiteList;
    TNextInspector inspector;
    QObject context;
    PageInspector *binding = nullptr;
    int pageFieldChanges = 0;
    QList<int> shownEntries;
};

} // namespace

TEST_F(PageInspectorTest, PageRowsAndTheirFields)
{
    binding->fill({});
    EXPECT_EQ(childCaptions(row("Properties", "")),
              QStringList({ "Name", "Caption", "Description", "Creation Order", "Enabled" }));
    EXPECT_EQ(row("Name")->tag(), 200);
    EXPECT_EQ(row("Creation Order")->tag(), 203);
    EXPECT_EQ(childCaptions(row("Events", "")),
              QStringList({ "OnActivate", "OnShouldSkipPage", "OnBackButtonClick", "OnNextButtonClick",
                            "OnCancelButtonClick" }));

    row("Creation Order")->setValue("Finished");
    EXPECT_EQ(page().CreationOrder, 13);
    row("Creation Order")->setValue("xyz");
    EXPECT_EQ(page().CreationOrder, 0);
    row("Enabled")->setAsBoolean(false);
    EXPECT_FALSE(page().Enabled);
    EXPECT_EQ(row("Enabled")->getValue(), "no");
    row("Caption")->setValue("Pick your options");
    EXPECT_EQ(page().Caption, "Pick your options");
    EXPECT_TRUE(project.Modified);
    EXPECT_EQ(pageFieldChanges, 4);
}

TEST_F(PageInspectorTest, PageNamesThatCannotCompileAreRefused)
{
    binding->fill({});
    for (const char *name : { "My Page", "extras", "2nd" }) {
        row("Name")->setValue(QString::fromLatin1(name));
        EXPECT_EQ(page().Name, "Details") << name;
        EXPECT_EQ(row("Name")->getValue(), "Details") << name;
    }
    EXPECT_EQ(ui.shownTexts().size(), 3);
    EXPECT_EQ(ui.shownTexts().at(1), "A page named Extras already exists");
    row("Name")->setValue("Welcome2");
    EXPECT_EQ(page().Name, "Welcome2");
}

TEST_F(PageInspectorTest, LabelRowsShowTheFontAndTheFocusControl)
{
    TDesignControl *edit = insert("TEdit", "Edit1");
    auto *label = static_cast<TLabel *>(insert("TLabel", "Label1"));
    binding->fill({ label });
    TNxPropertyItem *font = row("Font");
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->tag(), 100);
    EXPECT_EQ(font->getValue(), "(TFont)");
    EXPECT_FALSE(font->expanded());
    EXPECT_EQ(childCaptions(font), QStringList({ "Charset", "Color", "Height", "Name", "Pitch", "Size", "Style" }));
    TNxPropertyItem *style = row("Style", "Font");
    EXPECT_EQ(style->tag(), 98);
    EXPECT_EQ(childCaptions(style), QStringList({ "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut" }));
    // Typing into the font row is refused; an event row of entry 100 is not.
    bool accept = true;
    binding->edit(font, "Arial", accept);
    EXPECT_FALSE(accept);

    // No reference: an empty editable row in the normal colour.
    EXPECT_EQ(row("FocusControl")->getValue(), QString());
    EXPECT_EQ(row("FocusControl")->captionColor(), clWindowText);
    label->setFocusControl(edit);
    binding->fill({ label });
    EXPECT_EQ(row("FocusControl")->getValue(), "Edit1");
    EXPECT_EQ(row("FocusControl")->captionColor(), clRed);
}

TEST_F(PageInspectorTest, SetMembersRewriteTheSet)
{
    TDesignControl *label = insert("TLabel", "Label1");
    binding->fill({ label });
    auto *font = qobject_cast<TDesignFont *>(row("Font")->mapObject());
    ASSERT_NE(font, nullptr);
    row("fsItalic", "Style")->setAsBoolean(true);
    row("fsBold", "Style")->setAsBoolean(true);
    EXPECT_EQ(font->style(), TDesignFont::TFontStyles(TDesignFont::fsBold) | TDesignFont::fsItalic);
    EXPECT_EQ(row("Style", "Font")->getValue(), "[fsBold,fsItalic]");
    EXPECT_EQ(row("fsBold", "Style")->getValue(), "yes");
    EXPECT_TRUE(page().Data.join(u'\n').contains("Font.Style = [fsBold, fsItalic]"));
}

TEST_F(PageInspectorTest, StringListsAndThePasswordEditsRows)
{
    TDesignControl *list = insert("TListBox", "ListBox1");
    binding->fill({ list });
    EXPECT_EQ(row("Items")->getValue(), "(TStrings)");
    EXPECT_TRUE(row("Items")->readOnly());
    EXPECT_EQ(row("Items")->childCount(), 0);

    TDesignControl *password = insert("TPasswordEdit", "PasswordEdit1");
    password->setProperty("OEMConvert", true);
    binding->fill({ password });
    EXPECT_EQ(row("OEMConvert"), nullptr);
    EXPECT_NE(row("MaxLength"), nullptr);
}

TEST_F(PageInspectorTest, RenamesCarryTheEventsAlongAndTheTextHoldsTheLastEdit)
{
    TDesignControl *button = insert("TButton", "Button1");
    const int click = entry("Button1", "OnClick");
    ASSERT_TRUE(PageEventRules::EnableEvent(page().ExecUnits, click, "Details_Button1OnClick").accepted);
    binding->fill({ button });
    inspector.selectItem(row("Name"));
    row("Name")->setValue("OkButton");
    row("Name")->setValue("CloseButton");
    EXPECT_EQ(button->name(), "CloseButton");
    EXPECT_EQ(page().ExecUnits[click].Object, "CloseButton");
    EXPECT_TRUE(page().ExecUnits[click].Enabled);
    EXPECT_EQ(page().ExecUnits[click].eventNameInCode, "Details_Button1OnClick");
    EXPECT_EQ(entry("OkButton", "OnClick"), -1);
    EXPECT_TRUE(page().Data.join(u'\n').contains("object CloseButton: TButton"));

    row("Caption")->setValue("Close");
    EXPECT_TRUE(page().Data.join(u'\n').contains("Caption = 'Close'"));
}

TEST_F(PageInspectorTest, ARefusedRenameChangesNothing)
{
    insert("TLabel", "Label1");
    TDesignControl *button = insert("TButton", "Button1");
    binding->fill({ button });
    for (const char *name : { "Label1", "form", "1st" }) {
        row("Name")->setValue(QString::fromLatin1(name));
        EXPECT_EQ(button->name(), "Button1") << name;
        EXPECT_EQ(row("Name")->getValue(), "Button1") << name;
    }
    EXPECT_EQ(ui.shownTexts().size(), 3);
    EXPECT_EQ(page().ExecUnits[entry("Button1", "OnClick")].Object, "Button1");
    EXPECT_FALSE(project.Modified);
}

TEST_F(PageInspectorTest, EventRowsCreateLinkAndDisable)
{
    TDesignControl *first = insert("TButton", "Button1");
    TDesignControl *second = insert("TButton", "Button2");
    TDesignControl *edit = insert("TEdit", "Edit1");
    binding->fill({ first });
    TNxPropertyItem *click = row("OnClick", "Events");
    inspector.selectItem(click);
    EXPECT_EQ(static_cast<TNxComboBoxItem *>(click)->lines(), QStringList{ "Create Event" });
    click->setValue("Create Event");
    const int firstClick = entry("Button1", "OnClick");
    EXPECT_EQ(click->getValue(), "Details_Button1OnClick");
    EXPECT_TRUE(page().ExecUnits[firstClick].Enabled);
    EXPECT_EQ(shownEntries, QList<int>{ firstClick });

    binding->fill({ second });
    inspector.selectItem(row("OnClick", "Events"));
    EXPECT_EQ(static_cast<TNxComboBoxItem *>(row("OnClick", "Events"))->lines(),
              QStringList({ "Create Event", "Details_Button1OnClick" }));
    row("OnClick", "Events")->setValue("Details_Button1OnClick");
    EXPECT_EQ(page().ExecUnits[entry("Button2", "OnClick")].linkTo, firstClick);
    binding->fill({ second });
    EXPECT_EQ(row("OnClick", "Events")->getValue(), "Details_Button1OnClick [ Linked Event ]");
    EXPECT_EQ(row("OnClick", "Events")->valueColor(), clRed);

    // A key-press procedure cannot serve a click.
    binding->fill({ edit });
    row("OnKeyPress", "Events")->setValue("Create Event");
    binding->fill({ first });
    row("OnClick", "Events")->setValue("Details_Edit1OnKeyPress");
    EXPECT_EQ(ui.shownTexts().last(), "Error, Declarations are not compatible");
    EXPECT_EQ(page().ExecUnits[firstClick].linkTo, -1);
    EXPECT_EQ(row("OnClick", "Events")->getValue(), "Details_Button1OnClick");

    row("OnClick", "Events")->setValue("Disable Event");
    EXPECT_FALSE(page().ExecUnits[firstClick].Enabled);
    EXPECT_EQ(page().ExecUnits[entry("Button2", "OnClick")].linkTo, -1);
}

TEST_F(PageInspectorTest, DoubleClickCreatesOrViewsAndEventRowsOfEntry100AcceptTyping)
{
    TDesignControl *button = insert("TButton", "Button1");
    binding->fill({ button });
    inspector.selectItem(row("OnClick", "Events"));
    binding->editDoubleClick();
    EXPECT_EQ(row("OnClick", "Events")->getValue(), "Details_Button1OnClick");
    binding->editDoubleClick();
    EXPECT_EQ(row("OnClick", "Events")->getValue(), "Details_Button1OnClick");
    EXPECT_EQ(shownEntries.size(), 2);

    row("OnClick", "Events")->setTag(100);
    bool accept = true;
    binding->edit(row("OnClick", "Events"), "Typed", accept);
    EXPECT_TRUE(accept);
}

TEST_F(PageInspectorTest, TheFontButtonOpensTheFontPicker)
{
    TDesignControl *label = insert("TLabel", "Label1");
    binding->fill({ label });
    FontChoice chosen;
    chosen.name = "Verdana";
    chosen.size = 12;
    chosen.bold = true;
    chosen.color = QColor(0xFF, 0, 0);
    chosen.charset = 0;
    ui.queueFont(chosen);
    static_cast<TNxButtonItem *>(row("Font"))->clickButton();
    auto *font = qobject_cast<TDesignFont *>(row("Font")->mapObject());
    ASSERT_EQ(ui.calls().size(), 1);
    EXPECT_EQ(ui.calls().first().font.name, "Tahoma");
    EXPECT_EQ(font->name(), "Verdana");
    EXPECT_EQ(font->size(), 12);
    EXPECT_EQ(font->style(), TDesignFont::TFontStyles(TDesignFont::fsBold));
    EXPECT_EQ(font->color(), 0x0000FF);
    EXPECT_EQ(font->charset(), 0);
    EXPECT_EQ(row("Name", "Font")->getValue(), "Verdana");
    // The style's set row and its members show the picked style too.
    EXPECT_EQ(row("Style", "Font")->getValue(), "[fsBold]");
    EXPECT_EQ(row("fsBold", "Style")->getValue(), "yes");
    EXPECT_EQ(row("fsItalic", "Style")->getValue(), "no");
    EXPECT_TRUE(project.Modified);
    EXPECT_TRUE(page().Data.join(u'\n').contains("Font.Name = 'Verdana'"));
}

TEST_F(PageInspectorTest, SeveralControlsShowOneRow)
{
    TDesignControl *first = insert("TButton", "Button1");
    TDesignControl *second = insert("TButton", "Button2");
    binding->fill({ first, second });
    ASSERT_EQ(inspector.items()->count(), 1);
    EXPECT_EQ(inspector.items()->item(0)->caption(), "Multiple Objects Selected");
}

TEST_F(PageInspectorTest, CreateEventSkipsNamesTheGlobalCodeDeclares)
{
    project.CommonCode = QStringList{ "procedure Details_Button1OnClick;", "begin", "end;" };
    TDesignControl *button = insert("TButton", "Button1");
    binding->fill({ button });
    row("OnClick", "Events")->setValue("Create Event");
    EXPECT_EQ(page().ExecUnits[entry("Button1", "OnClick")].eventNameInCode, "Details_Button1OnClick2");
    EXPECT_TRUE(page().ExecUnits[entry("Button1", "OnClick")].Enabled);
    EXPECT_TRUE(ui.shownTexts().isEmpty());
}
