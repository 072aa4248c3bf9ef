#include "tests/support/QtPrinters.h"

#include "designer/DesignClassRegistry.h"
#include "designer/DesignPasteNames.h"
#include "designer/DesignTreeReader.h"
#include "designer/DesignTreeWriter.h"
#include "designer/PageDfm.h"
#include "helpers/core/ComponentText.h"
#include "model/CustomForm.h"
#include "tests/designer/DesignTestControls.h"

#include <gtest/gtest.h>

using namespace talmo;
using namespace talmo::testcontrols;

namespace {

// A page as the designer stores it: a label before its focus control, a
// picture, a nested panel whose Cancel button was sent to the back, a
// 100-character caption with a quote and a raw "é", a font block, a decimal
// colour and charset, cursor names and numbers, memo lines and properties
// the classes do not know.
const QStringList HandWrittenPage = {
    "object TPanel",
    "  Left = 0",
    "  Top = 0",
    "  Width = 418",
    "  Height = 230",
    "  Align = alClient",
    "  object Label1: TLabel",
    "    Left = 8",
    "    Top = 12",
    "    Width = 60",
    "    Height = 13",
    "    Cursor = crHandPoint",
    "    Caption = '&Notes:'",
    "    FocusControl = Memo1",
    "  end",
    "  object BitmapImage1: TBitmapImage",
    "    Left = 380",
    "    Top = 8",
    "    Width = 32",
    "    Height = 32",
    "    Bitmap.Data = {0A0B0C0D}",
    "  end",
    "  object Panel1: TPanel",
    "    Left = 8",
    "    Top = 40",
    "    Width = 400",
    "    Height = 120",
    "    Cursor = -22",
    "    Caption = ",
    "      'Choose the folder for the program'#39's files, then press Next. A ca' +",
    QStringLiteral(u"      'f\u00e9 menu opens after Setup completes.'"),
    "    Color = 15780518",
    "    Font.Charset = GREEK_CHARSET",
    "    Font.Color = clRed",
    "    Font.Height = -13",
    "    Font.Name = 'Arial'",
    "    Font.Style = [fsBold, fsItalic]",
    "    ParentFont = False",
    "    Anchors = [akLeft, akTop, akRight]",
    "    ExplicitWidth = 400",
    "    object Cancel: TButton",
    "      Left = 96",
    "      Top = 88",
    "      Width = 75",
    "      Height = 25",
    "      Caption = 'Cancel'",
    "      TabOrder = 1",
    "    end",
    "    object Ok: TButton",
    "      Left = 8",
    "      Top = 88",
    "      Width = 75",
    "      Height = 25",
    "      Hint = 'Draw the line'",
    "      Caption = 'OK'",
    "      TabOrder = 0",
    "    end",
    "  end",
    "  object Memo1: TMemo",
    "    Left = 8",
    "    Top = 170",
    "    Width = 185",
    "    Height = 50",
    "    Font.Charset = 200",
    "    Font.Color = clWindowText",
    "    Font.Height = -11",
    "    Font.Name = 'Tahoma'",
    "    Font.Style = []",
    "    ParentFont = False",
    "    Lines.Strings = (",
    "      'First line'",
    "      'It'#39's here'",
    "      '')",
    "    Font.Quality = fqClearType",
    "  end",
    "end",
};

class PageText : public ::testing::Test
{
protected:
    PageText() { registerTestClasses(registry); }

    template <typename T>
    T *add(const QString &name, TDesignControl *parent = nullptr)
    {
        auto *control = new T;
        control->setParent(parent ? parent : &root);
        root.insertComponent(control);
        EXPECT_TRUE(control->rename(name).accepted);
        return control;
    }

    template <typename T>
    T *component(const QString &name) const
    {
        return qobject_cast<T *>(root.findComponent(name));
    }

    QStringList written() const { return PageDfm::WritePageDfm(root, registry); }

    TDesignClassRegistry registry;
    TPanel root;
};

} // namespace

TEST_F(PageText, HandWrittenPageRoundTripsExactly)
{
    TCustomForm page(true);
    page.Data = HandWrittenPage;
    PageDfm::OpenPage(root, page, registry);
    EXPECT_EQ(page.Data, HandWrittenPage);

    EXPECT_EQ(root.name(), "");
    EXPECT_EQ(root.align, TPanel::alClient);
    ASSERT_EQ(root.components().size(), 6);
    auto *panel = component<TPanel>("Panel1");
    auto *label = component<TLabel>("Label1");
    ASSERT_TRUE(panel && label);
    EXPECT_EQ(label->focus, root.findComponent("Memo1"));
    EXPECT_EQ(panel->caption.size(), 100);
    EXPECT_EQ(panel->designFont.style(), TDesignFont::fsBold | TDesignFont::fsItalic);
    EXPECT_EQ(panel->designCursor(), -22);
    EXPECT_EQ(panel->children().indexOf(root.findComponent("Cancel")), 0); // behind Ok
    EXPECT_EQ(component<TMemo>("Memo1")->lines.strings(), QStringList({"First line", "It's here", ""}));
    EXPECT_EQ(component<TMemo>("Memo1")->designFont.charset(), 200);
    EXPECT_EQ(component<TBitmapImage>("BitmapImage1")->bitmap.data(), QByteArray("\x0A\x0B\x0C\x0D"));

    TCustomForm saved(true);
    PageDfm::SavePageDfm(root, saved, registry);
    EXPECT_EQ(saved.Data, HandWrittenPage);
}

TEST_F(PageText, StoredPropertiesAndOrder)
{
    auto *button = add<TButton>("Button1");
    button->setBounds(8, 8, 75, 25);
    auto *label = add<TLabel>("Label1"); // made after the button, written before it
    label->setBounds(8, 40, 65, 17);
    label->caption = "Label1";
    auto *back = add<TButton>("Button2");
    back->setBounds(100, 8, 75, 25);
    back->tabOrder = 1;
    back->designFont.setStyle(TDesignFont::fsBold); // ParentFont still on: not written
    back->lower();
    root.setBounds(0, 0, 418, 230);

    EXPECT_EQ(written(), QStringList({
        "object TPanel", "  Left = 0", "  Top = 0", "  Width = 418", "  Height = 230",
        "  object Label1: TLabel", "    Left = 8", "    Top = 40", "    Width = 65", "    Height = 17",
        "    Caption = 'Label1'", "  end",
        "  object Button2: TButton", "    Left = 100", "    Top = 8", "    Width = 75", "    Height = 25",
        "    TabOrder = 1", "  end",
        "  object Button1: TButton", "    Left = 8", "    Top = 8", "    Width = 75", "    Height = 25",
        "    TabOrder = 0", "  end",
        "end"}));

    back->parentFont = false;
    const QStringList lines = written();
    const qsizetype at = lines.indexOf("    TabOrder = 1");
    EXPECT_EQ(lines.mid(at - 6, 6), QStringList({"    Font.Charset = DEFAULT_CHARSET", "    Font.Color = clWindowText",
                                                 "    Font.Height = -11", "    Font.Name = 'Tahoma'",
                                                 "    Font.Style = [fsBold]", "    ParentFont = False"}));
}

TEST_F(PageText, ReadingEndsLoadingOnEveryComponentOnce)
{
    registry.registerClass<TCountingButton>(
        "TButton", DesignPropertyTable(TCountingButton::staticMetaObject, TButton::propertyTable(), {}));
    TCustomForm page(true);
    page.Data = QStringList{"object TPanel", "  object A: TButton", "  end", "  object B: TButton", "  end", "end"};
    PageDfm::OpenPage(root, page, registry);
    ASSERT_EQ(root.components().size(), 2);
    for (TDesignControl *control : root.components()) {
        EXPECT_FALSE(control->isLoading());
        EXPECT_EQ(static_cast<TCountingButton *>(control)->loadedCalls, 1);
    }
    EXPECT_FALSE(root.isLoading());
}

TEST_F(PageText, RefusedPagesBuildNothingAndLeaveDataAsItWas)
{
    const struct {
        const char *what;
        QStringList data;
        QString message;
        int line;
    } cases[] = {
        {"syntax", {"object TPanel", "  object Button1: TButton", "    Left = = 3", "  end", "end"},
         "Line 3: Invalid value of property Left", 3},
        {"unknown class", {"object TPanel", "  object Grid1: TStringGrid", "  end", "end"},
         "Line 2: Error reading Grid1: Class TStringGrid not found", 2},
        {"bad enumeration", {"object TPanel", "  object Box1: TListBox", "  end", "  object Box2: TListBox",
                             "    Style = lbFancy", "  end", "end"},
         "Line 4: Error reading Box2.Style: Invalid property value", 4},
        {"bad colour", {"object TPanel", "  object Panel1: TPanel", "    Color = 'red'", "  end", "end"},
         "Line 2: Error reading Panel1.Color: Invalid property value", 2},
        {"bad root value", {"object TPanel", "  Align = alMiddle", "end"},
         "Line 1: Error reading FormDesignControl.Align: Invalid property value", 1},
        {"duplicate name", {"object TPanel", "  object Button1: TButton", "    object Inner: TButton", "    end",
                            "  end", "  object BUTTON1: TButton", "  end", "end"},
         "Line 6: Error reading BUTTON1: A component named BUTTON1 already exists", 6},
    };
    for (const auto &c : cases) {
        root.destroyComponents();
        add<TButton>("Keep1");
        TCustomForm page(true);
        page.Data = c.data;
        try {
            PageDfm::OpenPage(root, page, registry);
            ADD_FAILURE() << c.what << ": read";
        } catch (const ComponentTextError &error) {
            EXPECT_EQ(error.message(), c.message) << c.what;
            EXPECT_EQ(error.line(), c.line) << c.what;
        }
        EXPECT_EQ(page.Data, c.data) << c.what;
        ASSERT_EQ(root.components().size(), 1) << c.what;
        EXPECT_EQ(root.components().first()->name(), "Keep1");
        EXPECT_EQ(root.findChildren<TDesignControl *>().size(), 1) << c.what;
    }
}

TEST_F(PageText, EmptyDataLeavesAnEmptyPage)
{
    add<TButton>("Button1");
    TCustomForm page(true);
    PageDfm::OpenPage(root, page, registry);
    EXPECT_TRUE(root.components().isEmpty());
    root.setBounds(0, 0, 10, 10);
    EXPECT_EQ(written(), QStringList({"object TPanel", "  Left = 0", "  Top = 0", "  Width = 10", "  Height = 10", "end"}));
}

TEST_F(PageText, DrawFilterDropsOwnerDrawnStylesOnly)
{
    const QStringList stored = {
        "object TPanel",
        "  object DrawLabel: TLabel",
        "    Caption = 'Drawing'",
        "    FocusControl = DrawPanel",
        "  end",
        "  object DrawPanel: TPanel",
        "    Caption = 'Draw'",
        "    object ListBox1: TListBox",
        "      Items.Strings = (",
        "        'Draw here')",
        "      Style = lbOwnerDrawFixed",
        "      OnDrawItem = ListBox1DrawItem",
        "      Font.DrawMode = 1",
        "      Tag = 7",
        "    end",
        "  end",
        "end",
    };
    const QStringList expected = {
        "object FormDesignControl: TPanel",
        "  object DrawLabel: TLabel",
        "    Caption = 'Drawing'",
        "    FocusControl = DrawPanel",
        "  end",
        "  object DrawPanel: TPanel",
        "    Caption = 'Draw'",
        "    object ListBox1: TListBox",
        "      Items.Strings = (",
        "        'Draw here')",
        "      Tag = 7",
        "    end",
        "  end",
        "end",
    };
    EXPECT_EQ(ComponentText::toLines(PageDfm::preparedPage(stored, registry)), expected);

    TCustomForm page(true);
    page.Data = stored;
    PageDfm::OpenPage(root, page, registry);
    EXPECT_EQ(page.Data, stored);
    EXPECT_EQ(component<TLabel>("DrawLabel")->focus, root.findComponent("DrawPanel"));
    EXPECT_EQ(component<TListBox>("ListBox1")->style, TListBox::lbStandard);
}

TEST_F(PageText, PasteRenamesTakenNamesAndRedirectsReferences)
{
    add<TButton>("Button1");
    add<TMemo>("Memo1");
    const ComponentTextNode clipboard = ComponentText::parse(QStringList{
        "object Clip: TPanel",
        "  object Button1: TButton",
        "  end",
        "  object Label1: TLabel",
        "    FocusControl = Button1",
        "  end",
        "  object Label2: TLabel",
        "    FocusControl = Memo1",
        "  end",
        "end"});
    int made = 1;
    TDesignPasteNames names(root, [&](const QString &className) { return className.mid(1) + QString::number(++made); });
    const QList<TDesignControl *> pasted =
        TDesignTreeReader(registry).readComponents(root, root, clipboard.children, names.hooks());

    ASSERT_EQ(pasted.size(), 3);
    EXPECT_EQ(pasted[0]->name(), "Button2");
    EXPECT_EQ(pasted[1]->name(), "Label1"); // free: kept
    EXPECT_EQ(pasted[2]->name(), "Label2");
    EXPECT_EQ(static_cast<TLabel *>(pasted[1])->focus, pasted[0]);
    EXPECT_EQ(static_cast<TLabel *>(pasted[2])->focus, root.findComponent("Memo1"));
    EXPECT_EQ(names.reference("button1"), "Button2");
    EXPECT_EQ(root.components().size(), 5);
}

TEST_F(PageText, PasteThatCannotNameAComponentBuildsNothing)
{
    add<TButton>("Button1");
    const ComponentTextNode clipboard = ComponentText::parse(QStringList{
        "object Clip: TPanel", "  object Memo5: TMemo", "  end", "  object Button7: TButton", "  end", "end"});
    TDesignReadHooks hooks;
    hooks.name = [](const QString &stored, const QString &) { return stored == "Button7" ? QString("Button1") : stored; };
    EXPECT_THROW(TDesignTreeReader(registry).readComponents(root, root, clipboard.children, hooks), ComponentTextError);
    EXPECT_EQ(root.components().size(), 1);
    EXPECT_EQ(root.findChildren<TDesignControl *>().size(), 1);
}

TEST_F(PageText, CopiedBlockCarriesKeptPropertiesAndChildrenIntoAPaste)
{
    TCustomForm page(true);
    page.Data = HandWrittenPage;
    PageDfm::OpenPage(root, page, registry);
    const ComponentTextNode copied = TDesignTreeWriter(registry).write(*root.findComponent("Panel1"), root);
    ASSERT_EQ(copied.children.size(), 2u);
    EXPECT_EQ(copied.properties.back().path, "ExplicitWidth");

    QStringList given;
    TDesignPasteNames names(root, [&](const QString &className) {
        given << className;
        return className.mid(1) + QString::number(given.size() + 1);
    });
    const QList<TDesignControl *> pasted =
        TDesignTreeReader(registry).readComponents(root, root, {copied}, names.hooks());
    ASSERT_EQ(pasted.size(), 1);
    EXPECT_EQ(pasted[0]->name(), "Panel2");
    EXPECT_EQ(given, QStringList({"TPanel", "TButton", "TButton"}));
    ComponentTextNode again = TDesignTreeWriter(registry).write(*pasted[0], root);
    EXPECT_EQ(again.properties, copied.properties);
    EXPECT_EQ(again.children.at(0).name, "Button3");
    EXPECT_EQ(again.children.at(1).name, "Button4");
}
