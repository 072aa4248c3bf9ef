#include "helpers/core/ComponentBinaryStream.h"

#include <QtEndian>
#include <gtest/gtest.h>

#include <cmath>

using namespace talmo;

namespace {

// Pieces of a hand-written stream.
QByteArray shortString(const char *text)
{
    return QByteArray(1, char(qstrlen(text))) + text;
}

template <typename T>
QByteArray little(T value)
{
    QByteArray bytes(sizeof(T), '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray tagged(char tag, const QByteArray &payload = {})
{
    return QByteArray(1, tag) + payload;
}

QByteArray wide(const QString &text)
{
    QByteArray bytes = tagged(18, little(qint32(text.size())));
    for (QChar c : text)
        bytes += little(quint16(c.unicode()));
    return bytes;
}

const QByteArray End(1, '\0');

// A button, then a panel with a flags byte (child position 3), holding a label.
QByteArray handWrittenBlock()
{
    const QByteArray button = "TPF0" + shortString("TButton") + shortString("Button1")
        + shortString("Left") + tagged(2, little(qint8(10))) + shortString("Width") + tagged(3, little(qint16(300)))
        + shortString("Caption") + tagged(6, shortString("OK")) + shortString("Default") + tagged(9) + End + End;
    const QByteArray label = shortString("TLabel") + shortString("Label1") + shortString("FocusControl")
        + tagged(7, shortString("Button1")) + shortString("Picture") + tagged(13) + End + End;
    const QByteArray panel = "TPF0" + QByteArray(1, char(0xF2)) + tagged(2, little(qint8(3))) + shortString("TPanel")
        + shortString("Panel1") + shortString("Caption") + wide(QStringLiteral(u"Gr\u00fc\u00dfe"))
        + shortString("Font.Style") + tagged(11, shortString("fsBold") + shortString("fsItalic") + End)
        + shortString("Tag") + tagged(4, little(qint32(100000))) + shortString("Items.Strings")
        + tagged(1, wide("a") + tagged(12, little(qint32(1)) + "b") + tagged(20, little(qint32(2)) + "\xc3\xa9") + End)
        + shortString("Data") + tagged(10, little(qint32(3)) + "\x01\x02\x03") + shortString("Ratio")
        + tagged(21, little(1.5)) + shortString("Cols")
        + tagged(14, tagged(1, shortString("Width") + tagged(2, little(qint8(4))) + End)
                         + tagged(2, little(qint8(1))) + tagged(1, End) + End)
        + End + label + End;
    return button + panel + End + "trailing bytes are ignored";
}

} // namespace

TEST(ComponentBinaryStream, HandWrittenBlockDecodesToItsTree)
{
    const std::vector<ComponentTextNode> block = ComponentBinaryStream::readBlock(handWrittenBlock());
    ASSERT_EQ(block.size(), 2u);

    ComponentTextNode button{QStringLiteral("Button1"), QStringLiteral("TButton"), {}, {}};
    button.setProperty("Left", ComponentTextValue::fromInteger(10));
    button.setProperty("Width", ComponentTextValue::fromInteger(300));
    button.setProperty("Caption", ComponentTextValue::fromString("OK"));
    button.setProperty("Default", ComponentTextValue::fromBoolean(true));
    EXPECT_EQ(block[0], button);

    const ComponentTextNode &panel = block[1];
    EXPECT_EQ(panel.className, "TPanel");
    EXPECT_EQ(panel.name, "Panel1");
    EXPECT_EQ(*panel.property("Caption"), ComponentTextValue::fromString(QStringLiteral(u"Gr\u00fc\u00dfe")));
    EXPECT_EQ(*panel.property("Font.Style"), ComponentTextValue::fromSet({"fsBold", "fsItalic"}));
    EXPECT_EQ(*panel.property("Tag"), ComponentTextValue::fromInteger(100000));
    EXPECT_EQ(panel.property("Items.Strings")->toStringList(), QStringList({"a", "b", QStringLiteral(u"\u00e9")}));
    EXPECT_EQ(*panel.property("Data"), ComponentTextValue::fromBinary("\x01\x02\x03"));
    EXPECT_EQ(panel.property("Ratio")->toDouble(), 1.5);
    const ComponentTextValue &cols = *panel.property("Cols");
    ASSERT_EQ(cols.collectionItems().size(), 2u);
    EXPECT_EQ(cols.collectionItems()[0].size(), 1u);
    EXPECT_TRUE(cols.collectionItems()[1].empty());
    ASSERT_EQ(panel.children.size(), 1u);
    EXPECT_EQ(panel.children[0].name, "Label1");
    EXPECT_EQ(*panel.children[0].property("FocusControl"), ComponentTextValue::fromIdentifier("Button1"));
    EXPECT_EQ(*panel.children[0].property("Picture"), ComponentTextValue::fromIdentifier("nil"));
}

TEST(ComponentBinaryStream, EveryValueKindSurvivesWritingAndReading)
{
    using FloatType = ComponentTextValue::FloatType;
    ComponentTextNode node{QStringLiteral("Panel1"), QStringLiteral("TPanel"), {}, {}};
    const std::vector<std::pair<QString, ComponentTextValue>> values = {
        {"Int8", ComponentTextValue::fromInteger(-128)},
        {"Int16", ComponentTextValue::fromInteger(32767)},
        {"Int32", ComponentTextValue::fromInteger(-2147483648LL)},
        {"Int64", ComponentTextValue::fromInteger(1LL << 40)},
        {"Extended", ComponentTextValue::fromFloat(-1234.0625)},
        {"Single", ComponentTextValue::fromFloat(0.5, FloatType::Single)},
        {"Currency", ComponentTextValue::fromFloat(12.3456, FloatType::Currency)},
        {"Date", ComponentTextValue::fromFloat(45000.25, FloatType::Date)},
        {"Ident", ComponentTextValue::fromIdentifier("clBtnFace")},
        {"False", ComponentTextValue::fromBoolean(false)},
        {"True", ComponentTextValue::fromBoolean(true)},
        {"Nil", ComponentTextValue::fromIdentifier("nil")},
        {"Text", ComponentTextValue::fromString(QStringLiteral(u"\u0416 'quoted' \u20ac"))},
        {"Empty", ComponentTextValue::fromString(QString())},
        {"Set", ComponentTextValue::fromSet({"akLeft", "akTop"})},
        {"NoSet", ComponentTextValue::fromSet({})},
        {"Lines.Strings", ComponentTextValue::fromStringList({"one", "", "three"})},
        {"Nested", ComponentTextValue::fromList({ComponentTextValue::fromList({ComponentTextValue::fromInteger(1)})})},
        {"Bytes", ComponentTextValue::fromBinary(QByteArray("\x00\xff", 2))},
        {"Items", ComponentTextValue::fromCollection({{{"Caption", ComponentTextValue::fromString("a")}}, {}})},
    };
    for (const auto &[path, value] : values)
        node.setProperty(path, value);
    node.children.push_back({QStringLiteral("Label1"), QStringLiteral("TLabel"), {}, {}});

    const std::vector<ComponentTextNode> back = ComponentBinaryStream::readBlock(ComponentBinaryStream::writeBlock({node, node}));
    ASSERT_EQ(back.size(), 2u);
    for (const auto &[path, value] : values) {
        const ComponentTextValue *read = back[1].property(path);
        ASSERT_TRUE(read) << path.toStdString();
        if (value.kind() == ComponentTextValue::Kind::Float) {
            EXPECT_EQ(read->floatType(), value.floatType()) << path.toStdString();
            EXPECT_DOUBLE_EQ(read->toDouble(), value.toDouble()) << path.toStdString();
        } else {
            EXPECT_EQ(*read, value) << path.toStdString();
        }
    }
    EXPECT_EQ(back[1].children, node.children);
}

TEST(ComponentBinaryStream, IntegersTakeTheSmallestTagAndStringsTheWideOne)
{
    ComponentTextNode node{QString(), QStringLiteral("TPanel"), {}, {}};
    node.setProperty("A", ComponentTextValue::fromInteger(127));
    node.setProperty("B", ComponentTextValue::fromInteger(128));
    node.setProperty("C", ComponentTextValue::fromInteger(40000));
    node.setProperty("D", ComponentTextValue::fromString("x"));
    const QByteArray expected = "TPF0" + shortString("TPanel") + shortString("") + shortString("A")
        + tagged(2, little(qint8(127))) + shortString("B") + tagged(3, little(qint16(128))) + shortString("C")
        + tagged(4, little(qint32(40000))) + shortString("D") + wide("x") + End + End + End;
    EXPECT_EQ(ComponentBinaryStream::writeBlock({node}), expected);
}

TEST(ComponentBinaryStream, BadBlocksAreRefused)
{
    const QByteArray good = handWrittenBlock();
    const QByteArray deep = [] {
        QByteArray bytes = "TPF0";
        for (int i = 0; i < 40; ++i)
            bytes += shortString("TPanel") + shortString("") + End;
        return bytes + QByteArray(41, '\0');
    }();
    const struct
    {
        const char *what;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"no final 0", good.left(good.indexOf("TPF0", 4))},
        {"cut inside", good.left(30)},
        {"no signature", "TPF1" + good.mid(4)},
        {"huge binary length", "TPF0" + shortString("TPanel") + shortString("P") + shortString("D")
                                   + tagged(10, little(qint32(0x7FFFFFFF))) + End + End + End},
        {"negative wide length", "TPF0" + shortString("TPanel") + shortString("P") + shortString("D")
                                     + tagged(18, little(qint32(-1))) + End + End + End},
        {"unknown tag", "TPF0" + shortString("TPanel") + shortString("P") + shortString("D") + tagged(22) + End + End + End},
        {"class not a name", "TPF0" + shortString("T Panel") + shortString("P") + End + End + End},
        {"component name not a name", "TPF0" + shortString("TPanel") + shortString("1P") + End + End + End},
        {"nested too deep", deep},
    };
    for (const auto &c : cases)
        EXPECT_THROW(ComponentBinaryStream::readBlock(c.bytes), ComponentTextError) << c.what;
    EXPECT_TRUE(ComponentBinaryStream::readBlock(QByteArray(1, '\0')).empty());
}
