#include "tests/support/QtPrinters.h"

#include "widgets/NumberText.h"

#include <gtest/gtest.h>

using namespace talmo;

TEST(NumberText, ParseCleansLimitsAndConverts)
{
    struct Case
    {
        const char *text;
        bool allowFloat, allowSigns;
        double min, max;
        char separator;
        double expected;
    };
    const Case cases[] = {
        {"1,5x", true, true, 0, 0, ',', 1.5},
        {"--3", true, true, 0, 0, '.', -3},
        {"12.3.4", true, true, 0, 0, '.', 12.34},
        {"abc", true, true, 0, 0, '.', 0},
        {"", true, true, 0, 0, '.', 0},
        {"-", true, true, 0, 0, '.', 0},
        {"+", true, true, 0, 0, '.', 0},
        {"-.", true, true, 0, 0, '.', 0},
        {"250", true, true, 0, 100, '.', 100},
        {"-250", true, true, 5, 0, '.', 5},
        {"250", true, true, 0, 0, '.', 250},
        {"1-2", true, true, 0, 0, '.', 12},
        {"-12.7", false, false, 0, 0, '.', 127},
        {"+7", true, true, 0, 0, '.', 7},
        {"1.5", true, true, 0, 0, ',', 15},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(NumberText::parse(c.text, c.allowFloat, c.allowSigns, c.min, c.max, QChar(c.separator)),
                         c.expected);
    }
}

TEST(NumberText, CleanWritesTheShortestText)
{
    EXPECT_EQ(NumberText::clean("x1,50", true, true, 0, 0, u','), "1,5");
    EXPECT_EQ(NumberText::clean("-12.7", false, false, 0, 0, u'.'), "127");
    EXPECT_EQ(NumberText::clean("", true, true, 0, 0, u'.'), "0");
    EXPECT_EQ(NumberText::clean("99", true, true, 1, 10, u'.'), "10");
}

TEST(NumberText, ShortestTextUsesFifteenDigitsAndPlainExponents)
{
    struct Case
    {
        double value;
        const char *text;
    };
    const Case cases[] = {
        {0, "0"}, {1.5, "1.5"}, {-3, "-3"}, {100, "100"}, {0.1 + 0.2, "0.3"}, {1e20, "1E20"}, {1e-5, "1E-5"},
        {0.0001, "0.0001"}, {123456789012345.0, "123456789012345"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(NumberText::shortestText(c.value, u'.'), QString::fromLatin1(c.text)) << c.value;
}

TEST(NumberText, FormatByPrecisionNullTextAndUnit)
{
    struct Case
    {
        double value;
        bool allowFloat;
        int precision;
        const char *nullText, *textAfter, *expected;
    };
    const Case cases[] = {
        {1.5, true, 2, "", " s", "1.50 s"},
        {1.5, true, 0, "", "", "1.5"},
        {1.5, true, -1, "", " s", "1.5 s"},
        {2.6, false, 2, "", "px", "3px"},
        {0, true, 2, "none", " s", "none"},
        {0, true, 2, "", "", "0.00"},
        {-0.125, true, 1, "", "", "-0.1"},
    };
    for (const Case &c : cases) {
        const NumberText::Format format{c.allowFloat, c.precision, c.nullText, c.textAfter};
        EXPECT_EQ(NumberText::format(c.value, format, u'.'), QString::fromLatin1(c.expected)) << c.expected;
    }
}

TEST(NumberText, DisplayedTextReadsBackAsTheNumber)
{
    const NumberText::Format format{true, 2, "none", " s"};
    for (double value : {1.5, -2.25, 0.0, 1234.5}) {
        const QString text = NumberText::format(value, format, u'.');
        EXPECT_DOUBLE_EQ(NumberText::parse(text, true, true, 0, 0, u'.'), value) << text.toStdString();
    }
}

TEST(NumberText, EnsureRangeInPlaceRaisesThenLowers)
{
    int value = -5;
    NumberText::ensureRangeInPlace(value, 0, 10);
    EXPECT_EQ(value, 0);
    value = 50;
    NumberText::ensureRangeInPlace(value, 0, 10);
    EXPECT_EQ(value, 10);
    value = 5;
    NumberText::ensureRangeInPlace(value, 10, 0); // crossed limits: High wins
    EXPECT_EQ(value, 0);
}
