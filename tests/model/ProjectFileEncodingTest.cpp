#include "model/ProjectFileEncoding.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/ProcessorTimer.h"

#include <gtest/gtest.h>

using namespace talmo;

TEST(ProjectFileEncoding, CommaTextQuotesOnlyWhatNeedsIt)
{
    struct Case
    {
        QStringList items;
        QString text;
    };
    const Case cases[] = {
        { {}, "" },
        { { "" }, "\"\"" },
        { { "Full", "Compact", "Custom" }, "Full,Compact,Custom" },
        { { "Full installation", "x" }, "\"Full installation\",x" },
        { { "a,b", "say \"hi\"", "tab\there" }, "\"a,b\",\"say \"\"hi\"\"\",\"tab\there\"" },
        { { "a", "", "b" }, "a,,b" },
        { { "", "a" }, ",a" },
        { { "a", "" }, "a," },
        { { "", "" }, "," },
        { { " lead", "trail " }, "\" lead\",\"trail \"" },
        { { QString::fromUtf8("Fran\u00e7ais"), "{app}\\x" }, QString::fromUtf8("Fran\u00e7ais,{app}\\x") },
    };
    for (const Case &c : cases) {
        EXPECT_EQ(EncodeCommaText(c.items), c.text) << c.text.toStdString();
        EXPECT_EQ(DecodeCommaText(c.text), c.items) << c.text.toStdString();
    }
}

TEST(ProjectFileEncoding, CommaTextReadsWhatOtherWritersProduced)
{
    struct Case
    {
        QString text;
        QStringList items;
    };
    const Case cases[] = {
        { "Full installation", { "Full", "installation" } },
        { "  a , b  ", { "a", "b" } },
        { "\"unterminated", { "unterminated" } },
        { "\"a\"b,c", { "a", "b", "c" } },
        { "a,\r\nb", { "a", "b" } },
    };
    for (const Case &c : cases)
        EXPECT_EQ(DecodeCommaText(c.text), c.items) << c.text.toStdString();
}

TEST(ProjectFileEncoding, BooleansAreMinusOneAndZero)
{
    EXPECT_EQ(EncodeBoolean(true), "-1");
    EXPECT_EQ(EncodeBoolean(false), "0");
    struct Case
    {
        QString text;
        std::optional<bool> value;
    };
    const Case cases[] = {
        { "-1", true }, { "1", true }, { "2", true }, { "true", true }, { "TRUE", true }, { "True", true },
        { "0", false }, { "False", false }, { "false", false }, { "0.0", false },
        { "", std::nullopt }, { "yes", std::nullopt }, { "-", std::nullopt }, { "1x", std::nullopt },
    };
    for (const Case &c : cases)
        EXPECT_EQ(DecodeBoolean(c.text), c.value) << c.text.toStdString();
}

TEST(ProjectFileEncoding, BooleansReadEveryFormOfDecimalNumber)
{
    struct Case
    {
        QString text;
        std::optional<bool> value;
    };
    const QString digits(1000000, QLatin1Char('1'));
    const Case cases[] = {
        { " 1 ", true }, { "\t-0.5e3\r\n", true }, { "+.5", true }, { "1.", true }, { "1.e5", true },
        { "2E-2", true }, { "\v\f7", true }, { "-0", false }, { ".0", false }, { "0e99", false }, { "000", false },
        { "1e-400", false }, { digits, true }, { QString(1000000, QLatin1Char('0')), false },
        { ".", std::nullopt }, { ".e5", std::nullopt }, { "1e", std::nullopt }, { "1e+", std::nullopt },
        { "+-1", std::nullopt }, { "1 2", std::nullopt }, { "1..2", std::nullopt }, { "1e5.0", std::nullopt },
        { "0x10", std::nullopt }, { QString::fromUtf8("\u00a01"), std::nullopt }, { QString::fromUtf8("\u0661"), std::nullopt },
        { " true", std::nullopt }, { digits + QLatin1Char('x'), std::nullopt },
    };
    const talmo::testing::ProcessorTimer timer;
    for (const Case &c : cases)
        EXPECT_EQ(DecodeBoolean(c.text), c.value) << c.text.left(20).toStdString();
    EXPECT_LT(timer.elapsed(), 1000);
}

TEST(ProjectFileEncoding, IntegersAreDecimal)
{
    EXPECT_EQ(EncodeInteger(-1), "-1");
    EXPECT_EQ(EncodeInteger(24), "24");
    struct Case
    {
        QString text;
        std::optional<int> value;
    };
    const Case cases[] = {
        { "0", 0 }, { "-1", -1 }, { "+7", 7 }, { "007", 7 }, { "2147483647", 2147483647 },
        { "", std::nullopt }, { "2147483648", std::nullopt }, { "1.5", std::nullopt }, { " 1", std::nullopt },
        { "0x10", std::nullopt }, { "ten", std::nullopt },
    };
    for (const Case &c : cases)
        EXPECT_EQ(DecodeInteger(c.text), c.value) << c.text.toStdString();
}

TEST(ProjectFileEncoding, LinesEndWithCarriageReturnAndLineFeed)
{
    EXPECT_EQ(EncodeLines({}), "");
    EXPECT_EQ(EncodeLines({ "begin", "", "end;" }), "begin\r\n\r\nend;\r\n");
    EXPECT_EQ(EncodeLines({ "" }), "\r\n");
    struct Case
    {
        QString text;
        QStringList lines;
    };
    const Case cases[] = {
        { "", {} },
        { "begin\r\n\r\nend;\r\n", { "begin", "", "end;" } },
        { "begin\nend;", { "begin", "end;" } },
        { "a\rb\r\n", { "a", "b" } },
        { "\r\n", { "" } },
        { "x\n\n", { "x", "" } },
    };
    for (const Case &c : cases)
        EXPECT_EQ(DecodeLines(c.text), c.lines) << c.text.toStdString();
}
