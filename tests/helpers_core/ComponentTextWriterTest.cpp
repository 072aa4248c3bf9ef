#include "helpers/core/ComponentText.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

using Value = ComponentTextValue;

ComponentTextNode node(const QString &name, const QString &className, ComponentTextProperties properties,
                       std::vector<ComponentTextNode> children = {})
{
    return ComponentTextNode{name, className, std::move(properties), std::move(children), 0};
}

QByteArray countingBytes(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(char(i));
    return bytes;
}

// A page as the designer leaves it: unnamed root, a label with a long caption
// holding a quote, a panel with a button, a memo, a bitmap.
ComponentTextNode samplePage()
{
    return node(QString(), QStringLiteral("TPanel"),
        {{"Left", Value::fromInteger(0)},
         {"Top", Value::fromInteger(0)},
         {"Width", Value::fromInteger(497)},
         {"Align", Value::fromIdentifier("alClient")}},
        {node("Label1", "TLabel",
              {{"Left", Value::fromInteger(8)},
               {"Top", Value::fromInteger(-4)},
               {"Caption", Value::fromString(
                    "Please read the following text before you go on with the next step of Setup's work.")},
               {"Font.Style", Value::fromSet({"fsBold", "fsItalic"})}}),
         node("Panel1", "TPanel",
              {{"Anchors", Value::fromSet({})}},
              {node("Button1", "TButton",
                    {{"Caption", Value::fromString("&Next")},
                     {"TabStop", Value::fromBoolean(true)}})}),
         node("Memo1", "TMemo",
              {{"Lines.Strings", Value::fromStringList({"First line", "Tab\there", ""})}}),
         node("BitmapImage1", "TBitmapImage",
              {{"Bitmap.Data", Value::fromBinary(countingBytes(35))},
               {"Tag", Value::fromBinary(QByteArray::fromHex("0a0b"))}})});
}

const char *const SamplePageText =
    "object TPanel\r\n"
    "  Left = 0\r\n"
    "  Top = 0\r\n"
    "  Width = 497\r\n"
    "  Align = alClient\r\n"
    "  object Label1: TLabel\r\n"
    "    Left = 8\r\n"
    "    Top = -4\r\n"
    "    Caption = \r\n"
    "      'Please read the following text before you go on with the next st' +\r\n"
    "      'ep of Setup'#39's work.'\r\n"
    "    Font.Style = [fsBold, fsItalic]\r\n"
    "  end\r\n"
    "  object Panel1: TPanel\r\n"
    "    Anchors = []\r\n"
    "    object Button1: TButton\r\n"
    "      Caption = '&Next'\r\n"
    "      TabStop = True\r\n"
    "    end\r\n"
    "  end\r\n"
    "  object Memo1: TMemo\r\n"
    "    Lines.Strings = (\r\n"
    "      'First line'\r\n"
    "      'Tab'#9'here'\r\n"
    "      '')\r\n"
    "  end\r\n"
    "  object BitmapImage1: TBitmapImage\r\n"
    "    Bitmap.Data = {\r\n"
    "      000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F\r\n"
    "      202122}\r\n"
    "    Tag = {0A0B}\r\n"
    "  end\r\n"
    "end\r\n";

QStringList linesOfProperty(const Value &value)
{
    return ComponentText::toLines(node(QString(), "TPanel", {{"P", value}}));
}

} // namespace

TEST(ComponentTextWriter, WritesSamplePageExactly)
{
    EXPECT_EQ(ComponentText::toText(samplePage()), QString::fromLatin1(SamplePageText));
}

TEST(ComponentTextWriter, SamplePageReadsBackToTheSameTree)
{
    const ComponentTextNode tree = ComponentText::parse(QString::fromLatin1(SamplePageText));
    EXPECT_EQ(tree, samplePage());
    EXPECT_TRUE(tree.name.isEmpty());
    EXPECT_EQ(tree.children.at(0).property("caption")->text(),
              "Please read the following text before you go on with the next step of Setup's work.");
}

TEST(ComponentTextWriter, RootWithoutComponentsIsOneBlock)
{
    EXPECT_EQ(ComponentText::toLines(node(QString(), "TPanel", {})), QStringList({"object TPanel", "end"}));
    EXPECT_EQ(ComponentText::toLines(node("FormDesignControl", "TPanel", {})),
              QStringList({"object FormDesignControl: TPanel", "end"}));
}

TEST(ComponentTextWriter, StringEncoding)
{
    const QString sixtyFour(64, u'x');
    const struct {
        QString text;
        QStringList lines;
    } cases[] = {
        {"", {"  P = ''"}},
        {"abc", {"  P = 'abc'"}},
        {"it's", {"  P = 'it'#39's'"}},
        {"'", {"  P = #39"}},
        {"a\r\nb", {"  P = 'a'#13#10'b'"}},
        {QStringLiteral(u"caf\u00e9 \u20ac"), {"  P = 'caf'#233' '#8364"}},
        {"~\x7f", {"  P = '~\x7f'"}},
        {sixtyFour, {"  P = '" + sixtyFour + "'"}},
        {sixtyFour + "y", {"  P = ", "    '" + sixtyFour + "' +", "    'y'"}},
        {sixtyFour + sixtyFour, {"  P = ", "    '" + sixtyFour + "' +", "    '" + sixtyFour + "'"}},
        // Codes count as one character each when the string is cut.
        {QString(63, u'x') + "\n\n", {"  P = ", "    '" + QString(63, u'x') + "'#10 +", "    #10"}},
    };
    for (const auto &c : cases) {
        QStringList lines = linesOfProperty(Value::fromString(c.text));
        EXPECT_EQ(lines.mid(1, lines.size() - 2), c.lines) << c.text.toStdString();
        EXPECT_EQ(ComponentText::parse(lines).property("P")->text(), c.text) << c.text.toStdString();
    }
}

TEST(ComponentTextWriter, EightBitStringsKeepCharactersAbove127)
{
    const struct {
        QString text;
        QStringList lines;
    } cases[] = {
        {QStringLiteral(u"caf\u00e9 \u20ac"), {QStringLiteral(u"  P = 'caf\u00e9 \u20ac'")}},
        {QStringLiteral(u"\u00e9'\t"), {QStringLiteral(u"  P = '\u00e9'#39#9")}},
        {QString(64, QChar(0xe9)) + "x", {"  P = ", "    '" + QString(64, QChar(0xe9)) + "' +", "    'x'"}},
    };
    for (const auto &c : cases) {
        const ComponentTextNode tree = node(QString(), "TPanel", {{"P", Value::fromString(c.text)}});
        QStringList lines = ComponentText::toLines(tree, ComponentText::StringForm::EightBit);
        EXPECT_EQ(lines.mid(1, lines.size() - 2), c.lines) << c.text.toStdString();
        EXPECT_EQ(ComponentText::parse(lines).property("P")->text(), c.text) << c.text.toStdString();
    }
}

TEST(ComponentTextWriter, ValueKinds)
{
    const struct {
        Value value;
        QStringList lines;
    } cases[] = {
        {Value::fromInteger(-2147483649LL), {"  P = -2147483649"}},
        {Value::fromFloat(0.5), {"  P = 0.500000000000000000"}},
        {Value::fromFloat(2, Value::FloatType::Single), {"  P = 2.000000000000000000s"}},
        {Value::fromFloatText("12.5", Value::FloatType::Currency), {"  P = 12.5c"}},
        {Value::fromFloatText("45000", Value::FloatType::Date), {"  P = 45000d"}},
        {Value::fromIdentifier("Form1.Edit1"), {"  P = Form1.Edit1"}},
        {Value::fromSet({"akLeft"}), {"  P = [akLeft]"}},
        {Value::fromList({}), {"  P = ()"}},
        {Value::fromList({Value::fromInteger(1), Value::fromIdentifier("clRed")}), {"  P = (", "    1", "    clRed)"}},
        {Value::fromBinary({}), {"  P = {}"}},
        {Value::fromBinary(countingBytes(32)),
         {"  P = {", "    000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F}"}},
        {Value::fromCollection({}), {"  P = <>"}},
        {Value::fromCollection({{{"Width", Value::fromInteger(50)}, {"Text", Value::fromString("A")}}, {}}),
         {"  P = <", "    item", "      Width = 50", "      Text = 'A'", "    end", "    item", "    end>"}},
    };
    for (const auto &c : cases) {
        QStringList lines = linesOfProperty(c.value);
        EXPECT_EQ(lines.mid(1, lines.size() - 2), c.lines) << c.lines.join('|').toStdString();
        EXPECT_EQ(*ComponentText::parse(lines).property("P"), c.value) << c.lines.join('|').toStdString();
    }
}

TEST(ComponentTextWriter, LongStringInsideAListGoesOneLevelDeeper)
{
    const QString long65(65, u'z');
    const QStringList lines = linesOfProperty(Value::fromStringList({"a", long65}));
    EXPECT_EQ(lines, QStringList({"object TPanel", "  P = (", "    'a'", "    ", "      '" + long65.left(64) + "' +",
                                  "      'z')", "end"}));
    EXPECT_EQ(ComponentText::parse(lines).property("P")->toStringList(), QStringList({"a", long65}));
}

TEST(ComponentTextWriter, RefusesTreesNoTextCanHold)
{
    const ComponentTextNode cases[] = {
        node("Bad Name", "TLabel", {}),
        node("Label1", "", {}),
        node("", "TPanel", {{"Font..Name", Value::fromInteger(1)}}),
        node("", "TPanel", {{"Align", Value::fromIdentifier("al Client")}}),
        node("", "TPanel", {{"Align", Value::fromIdentifier("End")}}),
        node("", "TPanel", {{"Anchors", Value::fromSet({"akLeft", ""})}}),
        node("", "TPanel", {{"Scale", Value::fromFloatText("1,5")}}),
        node("", "TPanel", {{"Scale", Value::fromFloatText("15")}}),
        node("", "TPanel", {}, {node("L", "TLabel", {{"List", Value::fromList({Value::fromIdentifier("")})}})}),
    };
    for (const ComponentTextNode &tree : cases)
        EXPECT_THROW(ComponentText::toLines(tree), ComponentTextError);
}
