#include "helpers/core/XmlTree.h"
#include "tests/support/ProcessorTimer.h"

#include <gtest/gtest.h>

using talmo::XmlElement;
using talmo::XmlTree;

TEST(XmlTree, SerializesWithoutDeclarationOrLayout)
{
    XmlElement root(QStringLiteral("Root"));
    root.appendChild(QStringLiteral("Code"), QStringLiteral("a < b & c\r\nend;\r\n"));
    XmlElement &list = root.appendChild(QStringLiteral("List"));
    list.appendChild(QStringLiteral("count"), QStringLiteral("0"));
    root.appendChild(QStringLiteral("Empty"));
    root.appendChild(QString::fromUtf8("Caf\u00e9"), QString::fromUtf8("\u20ac"));

    const auto bytes = XmlTree::serialize(root);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, QByteArray("<Root><Code>a &lt; b &amp; c\r\nend;\r\n</Code><List><count>0</count></List>"
                                 "<Empty></Empty><Caf\xc3\xa9>\xe2\x82\xac</Caf\xc3\xa9></Root>"));
}

TEST(XmlTree, RefusesInvalidElementNames)
{
    for (const QString &name : { QStringLiteral("A B"), QStringLiteral("1abc"), QString(), QStringLiteral("a<b") }) {
        XmlElement root(QStringLiteral("Root"));
        root.appendChild(name, QStringLiteral("x"));
        QString error;
        EXPECT_FALSE(XmlTree::serialize(root, &error).has_value()) << name.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("Invalid element name"))) << error.toStdString();
    }
    EXPECT_TRUE(XmlTree::isValidElementName(QStringLiteral("ns:Name-1.x")));
}

TEST(XmlTree, ReadsWhatOtherWritersProduce)
{
    const QByteArray document =
        "\xef\xbb\xbf<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
        "<Root>\r\n"
        "  <!-- a comment -->\r\n"
        "  <Code><![CDATA[begin\r\n  x := 1 < 2;\r\n]]>end;\r\n</Code>\r\n"
        "  <Empty/>\r\n"
        "  <dt:Typed>5</dt:Typed>\r\n"
        "  <List>\r\n    <count>1</count>\r\n  </List>\r\n"
        "</Root>\r\n";
    const auto root = XmlTree::parse(document);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->name(), QStringLiteral("Root"));
    ASSERT_EQ(root->children().size(), 4u);
    EXPECT_EQ(root->child(QStringLiteral("Code"))->text(), QStringLiteral("begin\n  x := 1 < 2;\nend;\n"));
    EXPECT_EQ(root->child(QStringLiteral("Empty"))->text(), QString());
    EXPECT_EQ(root->child(QStringLiteral("dt:Typed"))->text(), QStringLiteral("5"));
    EXPECT_EQ(root->child(QStringLiteral("List"))->text(), QString());
    EXPECT_EQ(root->child(QStringLiteral("List"))->child(QStringLiteral("count"))->text(), QStringLiteral("1"));
}

TEST(XmlTree, RoundTripsItsOwnOutput)
{
    XmlElement root(QStringLiteral("Root"));
    root.appendChild(QStringLiteral("Blank"), QStringLiteral("  "));
    root.appendChild(QStringLiteral("Text"), QString::fromUtf8("\u0416 > \"q\" 'a'"));
    const auto bytes = XmlTree::serialize(root);
    const auto back = XmlTree::parse(*bytes);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(XmlTree::serialize(*back), bytes);
}

TEST(XmlTree, ReportsBrokenDocuments)
{
    for (const QByteArray &document : { QByteArray("not xml"), QByteArray("<Root><A>1</A>"), QByteArray(""), QByteArray("<A></B>") }) {
        QString error;
        EXPECT_EQ(XmlTree::parse(document, &error), nullptr) << document.constData();
        EXPECT_FALSE(error.isEmpty());
    }
}

namespace {

QByteArray nestedElements(int depth)
{
    return QByteArray("<a>").repeated(depth) + QByteArray("</a>").repeated(depth);
}

} // namespace

TEST(XmlTree, RefusesNestingBeyondTheBoundPromptly)
{
    struct Case
    {
        int depth;
        bool accepted;
    };
    const Case cases[] = { { XmlTree::MaximumDepth, true }, { XmlTree::MaximumDepth + 1, false }, { 1000000, false } };
    for (const Case &c : cases) {
        const QByteArray document = nestedElements(c.depth);
        const talmo::testing::ProcessorTimer timer;
        QString error;
        const auto root = XmlTree::parse(document, &error);
        EXPECT_EQ(root != nullptr, c.accepted) << c.depth;
        if (!c.accepted) {
            EXPECT_TRUE(error.contains(QStringLiteral("nested deeper than 256 levels"))) << error.toStdString();
        }
        EXPECT_LT(timer.elapsed(), 1000) << c.depth;
    }
}

TEST(XmlTree, WritesAndFreesTreesOfAnyDepth)
{
    const int depth = 300000;
    auto root = std::make_unique<XmlElement>(QStringLiteral("a"));
    XmlElement *innermost = root.get();
    for (int i = 1; i < depth; ++i)
        innermost = &innermost->appendChild(QStringLiteral("a"));
    innermost->setText(QStringLiteral("x"));
    const auto bytes = XmlTree::serialize(*root);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, QByteArray("<a>").repeated(depth) + "x" + QByteArray("</a>").repeated(depth));
    root.reset();
}

TEST(XmlTree, TextSplitByCommentsIsJoinedInLinearTime)
{
    const int pieces = 200000;
    const QByteArray document = "<a>" + QByteArray("x<!---->").repeated(pieces) + "\r</a>";
    const talmo::testing::ProcessorTimer timer;
    const auto root = XmlTree::parse(document);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->text(), QString(pieces, QLatin1Char('x')) + QLatin1Char('\n'));
    EXPECT_LT(timer.elapsed(), 1000);
}
