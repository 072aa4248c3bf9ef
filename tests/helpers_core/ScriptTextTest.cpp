#include "helpers/core/ScriptText.h"

#include <gtest/gtest.h>

using namespace talmo;

TEST(FindIdentifier, FindsWholeWordsOutsideLiterals)
{
    struct Case { const char *name; QString text; int position; };
    const Case cases[] = {
        { "END", QStringLiteral("  end;"), 3 },
        { "end", QStringLiteral("ending"), 0 },
        { "end", QStringLiteral("legend"), 0 },
        { "end", QStringLiteral("end_x"), 0 },
        { "end", QStringLiteral("x_end"), 0 },
        { "end", QStringLiteral("x := 'the end'"), 0 },
        { "begin", QStringLiteral("s := 'begin' + begin"), 16 },
        { "end", QStringLiteral("end"), 1 },
        { "x", QStringLiteral("a x"), 3 },
        { "var", QStringLiteral("procedure Foo;"), 0 },
        { "end", QStringLiteral("{ end }"), 3 },
        { "+", QStringLiteral("Caption = 'abc' +"), 17 },
        { "+", QStringLiteral("a+b"), 0 },
        { ")", QStringLiteral("'a', 'b')"), 9 },
        // Only ASCII letters fold, and a non-ASCII letter is no identifier character.
        { "end", QString::fromUtf8("\u00e9end"), 2 },
        { "\u00c9T\u00c9", QString::fromUtf8("\u00e9t\u00e9"), 0 },
        // A quote at the last position opens nothing to skip.
        { "x", QStringLiteral("x'"), 1 },
        { "x", QStringLiteral("y '"), 0 },
        // The last character never closes a literal: an unterminated one leaves it in view.
        { "d", QStringLiteral("'en d"), 5 },
        { "end", QStringLiteral("'end"), 0 },
        // A doubled quote stays inside its literal; the code after the literal is searched.
        { "end", QStringLiteral("s := 'don''t end'; end"), 20 },
        { "end", QStringLiteral("'it''s the end'"), 0 },
        { "x", QStringLiteral("'''' x"), 6 },
        { "end", QStringLiteral("'' end"), 4 },
        { "", QStringLiteral("a b"), 0 },
        { "end", QString(), 0 },
    };
    for (const Case &c : cases)
        EXPECT_EQ(FindIdentifier(QString::fromUtf8(c.name), c.text), c.position) << c.name << " in " << c.text.toStdString();
}

TEST(IndexDeclarations, IndexesRoutinesByUpperCasedName)
{
    const QStringList lines {
        QStringLiteral("function Foo(a: Integer): Boolean;"),
        QStringLiteral("property Name: String; read write;"),
        QStringLiteral("procedure TForm.Bar(x)"),
        QStringLiteral("const wpWelcome"),
        QStringLiteral("Foo(x)"),
        QStringLiteral("procedure straße(x)"),
    };
    DeclarationIndexList index;
    index.append(QStringLiteral("KEPT"), 7);
    IndexDeclarations(lines, index);
    const QList<DeclarationIndexEntry> expected {
        { QStringLiteral("KEPT"), 7 },
        { QStringLiteral("FOO"), 0 },
        { QStringLiteral("TFORM.BAR"), 2 },
        { QStringLiteral("FOO"), 4 },
        { QStringLiteral("STRAßE"), 5 },
    };
    EXPECT_EQ(index.entries(), expected);
    EXPECT_EQ(index.lineOf(QStringLiteral("FOO")), 0);
    EXPECT_EQ(index.lineOf(QStringLiteral("Foo")), -1);

    DeclarationIndexList empty;
    IndexDeclarations({}, empty);
    EXPECT_TRUE(empty.isEmpty());
}

TEST(AsciiText, FoldsOnlyAsciiLettersAndSortsPrefixesFirst)
{
    EXPECT_EQ(AsciiUpperCase(QString::fromUtf8("abz\u00e9_1")), QString::fromUtf8("ABZ\u00e9_1"));
    EXPECT_TRUE(AsciiSameText(QStringLiteral("AutoSize"), QStringLiteral("Autosize")));
    EXPECT_FALSE(AsciiSameText(QStringLiteral("Auto"), QStringLiteral("AutoSize")));
    EXPECT_LT(AsciiCompareText(QStringLiteral("Tab"), QStringLiteral("taborder")), 0);
    EXPECT_GT(AsciiCompareText(QStringLiteral("b"), QStringLiteral("A")), 0);
    EXPECT_EQ(AsciiCompareText(QStringLiteral("Top"), QStringLiteral("TOP")), 0);
}
