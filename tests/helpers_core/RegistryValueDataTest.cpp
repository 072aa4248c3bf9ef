#include "helpers/core/RegistryValueData.h"

#include <gtest/gtest.h>

using namespace talmo;

TEST(RegistryValueData, BinaryDataBecomesBlankSeparatedPairsWhateverItsSeparators)
{
    struct Case { const char *stored; std::optional<QString> pairs; };
    const Case cases[] = {
        { "01,02,FF,10", QStringLiteral("01 02 FF 10") },
        { "0a,ff", QStringLiteral("0A FF") },
        { "01 02 ff", QStringLiteral("01 02 FF") },
        { " 01, 02 ,\t03 ", QStringLiteral("01 02 03") },
        { "01,,02,", QStringLiteral("01 02") },
        { "", QStringLiteral("") },
        { "01,0G", std::nullopt },
        { "0102", std::nullopt },
        { "1,2", std::nullopt },
        { "01;02", std::nullopt },
        { "{app}", std::nullopt },
    };
    for (const Case &c : cases)
        EXPECT_EQ(RegistryValueData::binaryPairs(QString::fromLatin1(c.stored)), c.pairs) << c.stored;
}

TEST(RegistryValueData, DwordDataIsA32BitNumberOrStartsWithAConstant)
{
    struct Case { const char *data; bool valid; };
    const Case cases[] = {
        { "0", true }, { "-1", true }, { "+7", true }, { " 42 ", true },
        { "2147483647", true }, { "2147483648", false },
        { "-2147483648", true }, { "-2147483649", false },
        { "$FFFFFFFF", true }, { "$100000000", false }, { "$0FFFFFFFF", false }, { "0x1f", true }, { "x1F", true },
        { "{code:GetValue}", true }, { "{reg:HKCU\\X,Y|0}", true },
        { "", false }, { "1.5", false }, { "12a", false }, { "$", false }, { "one", false }, { "1 {app}", false },
    };
    for (const Case &c : cases)
        EXPECT_EQ(RegistryValueData::isDword(QString::fromLatin1(c.data)), c.valid) << c.data;
}

TEST(RegistryValueData, ScriptFormOnlyRespacesBinaryDataThatCanBeMadeValid)
{
    EXPECT_EQ(RegistryValueData::scriptForm(QStringLiteral("Binary"), QStringLiteral("01,02,ff")), QStringLiteral("01 02 FF"));
    EXPECT_EQ(RegistryValueData::scriptForm(QStringLiteral("binary"), QStringLiteral("01,0Z")), QStringLiteral("01,0Z"));
    EXPECT_EQ(RegistryValueData::scriptForm(QStringLiteral("String"), QStringLiteral("01,02")), QStringLiteral("01,02"));
    EXPECT_EQ(RegistryValueData::scriptForm(QStringLiteral("DWord"), QStringLiteral("x")), QStringLiteral("x"));
}

TEST(RegistryValueData, TypedDataIsRefusedOnlyWhereTheScriptCouldNotTakeIt)
{
    EXPECT_TRUE(RegistryValueData::typedDataProblem(QStringLiteral("Binary"), QStringLiteral("01,02")).isEmpty());
    EXPECT_FALSE(RegistryValueData::typedDataProblem(QStringLiteral("Binary"), QStringLiteral("01,XY")).isEmpty());
    EXPECT_TRUE(RegistryValueData::typedDataProblem(QStringLiteral("DWord"), QStringLiteral("-5")).isEmpty());
    EXPECT_FALSE(RegistryValueData::typedDataProblem(QStringLiteral("DWord"), QStringLiteral("five")).isEmpty());
    EXPECT_TRUE(RegistryValueData::typedDataProblem(QStringLiteral("DWord"), QString()).isEmpty());
    EXPECT_TRUE(RegistryValueData::typedDataProblem(QStringLiteral("String"), QStringLiteral("five")).isEmpty());
}
