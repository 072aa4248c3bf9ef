#include "tests/support/QtPrinters.h"

#include "widgets/ColorText.h"

#include <gtest/gtest.h>

using namespace talmo;

TEST(ColorText, ColourToTextInBothNotations)
{
    struct Case
    {
        bool web, names;
        TColor color;
        const char *text;
    };
    const Case cases[] = {
        {false, false, clRed, "$000000FF"}, {true, false, clRed, "#FF0000"},   {false, true, clRed, "clRed"},
        {true, true, clRed, "red"},         {true, true, clWhite, "transparent"}, {false, false, clNone, ""},
        {true, true, clNone, ""},           {false, false, clBtnFace, "$FF00000F"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ColorText(c.web, c.names).colorToText(c.color), QString::fromLatin1(c.text));
    }
}

TEST(ColorText, CleaningKeepsHexDigitsAndALeadingPrefix)
{
    struct Case
    {
        bool web, addPrefix;
        const char *text, *expected;
    };
    const Case cases[] = {
        {false, false, "$00zz-FF", "$00FF"}, {false, true, "00FF", "$00FF"},   {false, true, "x$12", "$12"},
        {false, true, "#12", "$#12"},        {true, true, "$12", "#12"},       {true, true, "ab#cd", "#abcd"},
        {true, false, "#12#34", "#1234"},    {true, false, "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ColorText(c.web).cleanText(QString::fromLatin1(c.text), c.addPrefix), QString::fromLatin1(c.expected));
    }
}

TEST(ColorText, LengthIsFixedByCuttingOrPaddingWithZeros)
{
    EXPECT_EQ(ColorText(false).fixLength("$00FF"), "$00FF0000");
    EXPECT_EQ(ColorText(false).fixLength("$00FF0000001"), "$00FF0000");
    EXPECT_EQ(ColorText(true).fixLength("#F"), "#F00000");
}

TEST(ColorText, TypedTextIsReadAsIfPadded)
{
    EXPECT_EQ(ColorText(false).colorOfTypedText("$00FF"), tcolor(0x00FF0000));
    EXPECT_EQ(ColorText(true).colorOfTypedText("#FF"), clRed);
    EXPECT_EQ(ColorText(true, true).colorOfTypedText("Red"), clRed);
    EXPECT_EQ(ColorText(false, true).colorOfTypedText("clBlue"), clBlue);
    EXPECT_EQ(ColorText(false).colorOfTypedText(""), std::nullopt);
    // A stored name reads as its colour where names cannot be typed, never as
    // the hex digits among its letters.
    EXPECT_EQ(ColorText(false).colorOfTypedText("clBtnFace"), clBtnFace);
    EXPECT_EQ(ColorText(false).colorOfTypedText("clRed"), clRed);
    EXPECT_EQ(ColorText(true).colorOfTypedText("red"), clRed);
    // A pasted "#" in platform notation cannot be read: the caller keeps its colour.
    EXPECT_EQ(ColorText(false).colorOfTypedText("#12"), std::nullopt);
}

TEST(ColorText, TypingRules)
{
    const ColorText platform(false);
    const ColorText web(true);
    EXPECT_TRUE(platform.acceptsTypedCharacter("", 0, false, u'$'));
    EXPECT_FALSE(platform.acceptsTypedCharacter("", 0, false, u'#'));
    EXPECT_FALSE(platform.acceptsTypedCharacter("", 0, false, u'1'));
    EXPECT_TRUE(web.acceptsTypedCharacter("", 0, false, u'#'));
    EXPECT_FALSE(web.acceptsTypedCharacter("", 0, false, u'$'));
    EXPECT_TRUE(platform.acceptsTypedCharacter("$00", 3, false, u'a'));
    EXPECT_FALSE(platform.acceptsTypedCharacter("$00", 3, false, u'g'));
    EXPECT_FALSE(platform.acceptsTypedCharacter("$00", 1, false, u'$'));
    EXPECT_FALSE(platform.acceptsTypedCharacter("$00000000", 9, false, u'0'));
    EXPECT_TRUE(platform.acceptsTypedCharacter("$00000000", 9, true, u'0'));
    EXPECT_FALSE(web.acceptsTypedCharacter("#000000", 3, false, u'0'));
}
