#include "helpers/core/ComponentText.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

using Value = ComponentTextValue;

// Written by hand; covers every value kind and the named root header.
const QStringList RichPage = {
    "object FormDesignControl: TPanel",
    "  Left = 0",
    "  Ratio = 1.250000000000000000",
    "  Opacity = 0.75s",
    "  Price = 3.5c",
    "  When = 45000.5d",
    "  Big = 1.5E10",
    "  object ListBox1: TNewListBox",
    "    Left = -8",
    "    Items.Strings = (",
    "      'One'",
    "      ",
    "        'Twenty characters..Twenty characters..Twenty characters..Twenty ' +",
    "        'characters'",
    "      'Th'#39'ree')",
    "    Options = []",
    "    Columns = <",
    "      item",
    "        Width = 50",
    "        Caption = 'Name'",
    "      end",
    "      item",
    "      end>",
    "    Data = {",
    "      000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F",
    "      2021}",
    "    Empty = ()",
    "    NoItems = <>",
    "    FocusControl = Edit1",
    "  end",
    "  object Edit1: TNewEdit",
    "    Text = ''",
    "  end",
    "end",
};

ComponentTextClassRegistry pageClasses()
{
    ComponentTextClassRegistry registry;
    for (const char *name : {"TLabel", "TNewEdit", "TNewListBox", "TPanel"})
        registry.registerClass(QString::fromLatin1(name));
    return registry;
}

} // namespace

TEST(ComponentTextParser, ReadsEveryValueKind)
{
    const ComponentTextNode root = ComponentText::parse(RichPage);
    EXPECT_EQ(root.name, "FormDesignControl");
    EXPECT_EQ(root.className, "TPanel");
    EXPECT_DOUBLE_EQ(root.property("Ratio")->toDouble(), 1.25);
    EXPECT_EQ(root.property("Opacity")->floatType(), Value::FloatType::Single);
    EXPECT_EQ(root.property("Price")->floatType(), Value::FloatType::Currency);
    EXPECT_EQ(root.property("When")->floatType(), Value::FloatType::Date);
    EXPECT_DOUBLE_EQ(root.property("Big")->toDouble(), 1.5e10);
    ASSERT_EQ(root.children.size(), 2u);

    const ComponentTextNode &list = root.children[0];
    EXPECT_EQ(list.name, "ListBox1");
    EXPECT_EQ(list.sourceLine, 8);
    EXPECT_EQ(list.property("left")->integer(), -8);
    EXPECT_EQ(list.property("Items.Strings")->toStringList(),
              QStringList({"One",
                           "Twenty characters..Twenty characters..Twenty characters..Twenty characters",
                           "Th'ree"}));
    EXPECT_EQ(list.property("Options")->kind(), Value::Kind::Set);
    const auto &columns = list.property("Columns")->collectionItems();
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_EQ(*findComponentTextProperty(columns[0], "Caption"), Value::fromString("Name"));
    EXPECT_TRUE(columns[1].empty());
    EXPECT_EQ(list.property("Data")->bytes().size(), 34);
    EXPECT_EQ(list.property("Empty")->kind(), Value::Kind::List);
    EXPECT_TRUE(list.property("FocusControl")->isIdentifier("edit1"));
    EXPECT_EQ(root.children[1].property("Text")->text(), QString());
}

TEST(ComponentTextParser, TextTreeTextIsIdentical)
{
    EXPECT_EQ(ComponentText::toLines(ComponentText::parse(RichPage)), RichPage);
}

TEST(ComponentTextParser, AcceptsEveryLineEndAndLooseLayout)
{
    const ComponentTextNode expected = ComponentText::parse(QStringList({"object TPanel", "  Caption = 'ab'", "end"}));
    for (const char *text : {"object TPanel\r\n  Caption = 'ab'\r\nend\r\n", "object TPanel\r  Caption = 'ab'\rend",
                             "OBJECT TPanel Caption='a'+\n\n   'b' END\n\n"})
        EXPECT_EQ(ComponentText::parse(QString::fromLatin1(text)), expected) << text;
}

TEST(ComponentTextParser, InvalidTextReadsNothing)
{
    const struct {
        const char *text;
        int line;
        const char *message;
    } cases[] = {
        {"", 1, "Line 1: Unexpected end of text, \"object\" expected"},
        {"object TPanel\n  Left = 0\n", 3, nullptr},
        {"panel TPanel\nend", 1, "Line 1: \"object\" expected"},
        {"object : TPanel\nend", 1, nullptr},
        {"object TPanel\n  Left 0\nend", 2, "Line 2: \"=\" expected"},
        {"object TPanel\n  Left = \nend", 3, "Line 3: Invalid value of property Left"},
        {"object TPanel\n  Caption = 'abc\nend", 2, "Line 2: Unterminated string"},
        {"object TPanel\n  Caption = 'a' +\nend", 3, nullptr},
        {"object TPanel\n  Caption = #70000\nend", 2, nullptr},
        {"object TPanel\n  Caption = #\nend", 2, nullptr},
        {"object TPanel\n  Data = {0A0}\nend", 2, nullptr},
        {"object TPanel\n  Data = {0G}\nend", 2, nullptr},
        {"object TPanel\n  Data = {0A\nend", 3, nullptr},
        {"object TPanel\n  Left = 99999999999999999999\nend", 2, "Line 2: Number out of range"},
        {"object TPanel\n  Left = 5x\nend", 2, nullptr},
        {"object TPanel\n  Anchors = [akLeft akTop]\nend", 2, nullptr},
        {"object TPanel\n  Anchors = [akLeft,]\nend", 2, nullptr},
        {"object TPanel\n  Lines.Strings = (\n    'a'\nend", 4, nullptr},
        {"object TPanel\n  Columns = <\n    Width = 5\n  >\nend", 3, "Line 3: \"item\" expected"},
        {"object TPanel\n  object L: TLabel\n  end\n  Top = 2\nend", 4, nullptr},
        {"object TPanel\n  Left = 1 ;\nend", 2, nullptr},
        {"object TPanel\nend\nend", 3, "Line 3: Text after the last \"end\""},
    };
    for (const auto &c : cases) {
        try {
            ComponentText::parse(QString::fromLatin1(c.text));
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const ComponentTextError &error) {
            EXPECT_EQ(error.line(), c.line) << c.text;
            if (c.message) {
                EXPECT_EQ(error.message(), QString::fromLatin1(c.message)) << c.text;
            }
        }
    }
}

TEST(ComponentTextParser, NestingIsBoundedSoHostileTextCannotExhaustTheStack)
{
    const auto nestedObjects = [](int depth) {
        return QStringLiteral("object A: TPanel\n").repeated(depth) + QStringLiteral("end\n").repeated(depth);
    };
    const auto nestedLists = [](int depth) {
        return QStringLiteral("object TPanel\nP = ") + QString(depth, u'(') + QString(depth, u')') + QStringLiteral("\nend");
    };
    EXPECT_NO_THROW(ComponentText::parse(nestedObjects(200)));
    EXPECT_NO_THROW(ComponentText::parse(nestedLists(199)));
    for (const QString &text : {nestedObjects(201), nestedLists(200), nestedLists(100000)}) {
        try {
            ComponentText::parse(text);
            ADD_FAILURE() << "accepted " << text.size() << " characters";
        } catch (const ComponentTextError &error) {
            EXPECT_TRUE(error.message().endsWith(QStringLiteral("Nesting too deep")));
        }
    }
}

TEST(ComponentTextParser, UnknownClassIsReportedAndEndsTheReading)
{
    QStringList page = RichPage;
    page[30] = "  object Edit1: TFancyEdit";
    try {
        ComponentText::read(page, pageClasses());
        ADD_FAILURE() << "unknown class accepted";
    } catch (const ComponentTextError &error) {
        EXPECT_EQ(error.message(), "Line 31: Class TFancyEdit not found");
    }
}

TEST(ComponentTextParser, HandledUnknownClassDropsItsBlockOnly)
{
    const QStringList page = {"object TForm", "  object Panel1: TPanel", "    object Gauge1: TGauge",
                              "      object Label2: TLabel", "      end", "    end",
                              "    object Label1: tlabel", "    end", "  end", "end"};
    QStringList reported;
    const ComponentTextNode root = ComponentText::read(page, pageClasses(), [&](const ComponentTextError &error) {
        reported << error.message();
        return true;
    });
    EXPECT_EQ(reported, QStringList({"Line 3: Class TGauge not found"}));
    EXPECT_EQ(root.className, "TForm");
    ASSERT_EQ(root.children.size(), 1u);
    ASSERT_EQ(root.children[0].children.size(), 1u);
    EXPECT_EQ(root.children[0].children[0].name, "Label1");
}

TEST(ComponentTextParser, RegistryComparesClassNamesIgnoringCase)
{
    const ComponentTextClassRegistry registry = pageClasses();
    EXPECT_TRUE(registry.contains("tnewedit"));
    EXPECT_EQ(registry.registeredName("TNEWLISTBOX"), "TNewListBox");
    EXPECT_EQ(registry.registeredName("TButton"), QString());
}
