#include "tools/cabwiz/InfDocument.h"
#include "tools/cabwiz/InfError.h"
#include "tools/cabwiz/StringTable.h"

#include <QElapsedTimer>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace talmo::cabwiz;

namespace {

TEST(SplitFieldsTest, SplitsAtCommasOutsideQuotes)
{
    const std::tuple<QString, int, QStringList> cases[] = {
        {"dest,src,", -1, {"dest", "src", ""}},
        {"dest, src ,,0x00000001", -1, {"dest", "src", "", "0x00000001"}},
        {R"("a,b",c)", -1, {R"("a,b")", "c"}},
        {"HKLM,Key,Name,0x0,a,b,c", 5, {"HKLM", "Key", "Name", "0x0", "a,b,c"}},
        {"", -1, {""}},
    };
    for (const auto &[text, maxFields, fields] : cases)
        EXPECT_EQ(splitFields(text, maxFields), fields) << text.toStdString();
}

TEST(UnquoteTest, JoinsQuotedAndUnquotedPieces)
{
    const std::pair<QString, QString> cases[] = {
        {R"("C:\Data\")", R"(C:\Data\)"},
        {R"("say ""hi""")", R"(say "hi")"},
        {R"("""\App\app.exe"" ""%1""")", R"("\App\app.exe" "%1")"},
        {R"("""\App\app.exe""" %%1)", R"("\App\app.exe" %%1)"},
        {R"("\App\app.exe" "%1")", R"(\App\app.exe %1)"},
        {R"(Soft"ware, Inc"\Key)", R"(Software, Inc\Key)"},
        {R"(a""b)", "ab"},
        {"plain", "plain"},
        {R"(")", ""},
        {R"("open)", "open"},
    };
    for (const auto &[field, expected] : cases)
        EXPECT_EQ(unquote(field), expected) << field.toStdString();
}

TEST(InfDocumentTest, MergesRepeatedSectionsAndIgnoresCaseOfNames)
{
    const InfDocument inf = InfDocument::parse(QStringLiteral("; comment\r\n"
                                                              "[Files]\r\n"
                                                              "a.exe,,\r\n"
                                                              "\r\n"
                                                              "[Other]\r\n"
                                                              "x=1\r\n"
                                                              "[files]\r\n"
                                                              "  b.exe,, \r\n"));
    const InfSection *files = inf.section(QStringLiteral("FILES"));
    ASSERT_NE(files, nullptr);
    EXPECT_EQ(files->name, QStringLiteral("Files"));
    ASSERT_EQ(files->lines.size(), 2);
    EXPECT_EQ(files->lines[0].number, 3);
    EXPECT_EQ(files->lines[1].number, 8);
    EXPECT_EQ(files->lines[1].text, QStringLiteral("b.exe,,"));
    EXPECT_EQ(inf.section(QStringLiteral("Missing")), nullptr);
}

TEST(InfDocumentTest, LastRepeatedKeyWinsAndSemicolonsInsideQuotesStay)
{
    const InfDocument inf = InfDocument::parse(QStringLiteral("[Strings]\n"
                                                              "Path=a;b\n"
                                                              "\"Quoted Key\" = \"v=1\"\n"
                                                              "path = \"c;d\" ; the later one wins\n"));
    const InfSection *strings = inf.section(QStringLiteral("Strings"));
    ASSERT_NE(strings, nullptr);
    const auto path = strings->entry(QStringLiteral("PATH"));
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(path->value, QStringLiteral("\"c;d\""));
    EXPECT_EQ(path->line, 4);
    const auto quoted = strings->entry(QStringLiteral("Quoted Key"));
    ASSERT_TRUE(quoted.has_value());
    EXPECT_EQ(quoted->value, QStringLiteral("\"v=1\""));
}

TEST(InfDocumentTest, DecodesUtf16WithByteOrderMarkAndUtf8)
{
    const QString text = QStringLiteral("[CEStrings]\r\nAppName = \"Caf\u00e9\"\r\n");
    QByteArray utf16("\xFF\xFE", 2);
    utf16.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    EXPECT_EQ(InfDocument::decode(utf16), text);
    EXPECT_EQ(InfDocument::decode(text.toUtf8()), text);
    EXPECT_EQ(InfDocument::decode("\xEF\xBB\xBF" + text.toUtf8()), text);
    EXPECT_THROW(InfDocument::decode(QByteArray("[Version]\n\xE9t\xE9\n")), InfError);
}

// Old editors end a file with NUL; nothing after one is text, not even bytes
// that would not decode.
TEST(InfDocumentTest, ANulCharacterEndsTheText)
{
    const QString text = QStringLiteral("[Version]\r\n");
    QByteArray utf16("\xFF\xFE", 2);
    utf16.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    EXPECT_EQ(InfDocument::decode(utf16 + QByteArray("\0\0[x]\0\xD8", 7)), text);
    EXPECT_EQ(InfDocument::decode(utf16 + QByteArray(1, '\0')), text);
    EXPECT_EQ(InfDocument::decode(text.toUtf8() + QByteArray("\0\xE9t\xE9", 4)), text);
    // A zero byte inside a UTF-16 unit is part of a character.
    EXPECT_EQ(InfDocument::decode(utf16 + QByteArray("A\0\0\x01", 4)), text + QStringLiteral("A\u0100"));
}

class StringTableTest : public testing::Test
{
protected:
    StringTableTest()
    {
        strings.define(QStringLiteral("AppName"), QStringLiteral("Demo"));
        strings.define(QStringLiteral("InstallDir"), QStringLiteral("%CE1%\\%appname%"));
        strings.define(QStringLiteral("Loop"), QStringLiteral("x%Loop%"));
    }
    StringTable strings;
};

TEST_F(StringTableTest, ExpandsStringsDeviceFoldersAndLeavesOtherPercentSignsAlone)
{
    const std::pair<QString, QString> cases[] = {
        {"%InstallDir%\\bin", "\\Program Files\\Demo\\bin"},
        {"%CE11%", "\\Windows\\Start Menu\\Programs"},
        {"%ce4%", "\\Windows\\StartUp"},
        {"100%% sure", "100% sure"},
        {R"("\app.exe" "%1")", R"("\app.exe" "%1")"},
        {"50% off", "50% off"},
        {"%", "%"},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(strings.expand(text, 1, QStringLiteral("S")), expected) << text.toStdString();
}

TEST_F(StringTableTest, AStringOfTheFileWinsOverTheDeviceFolder)
{
    strings.define(QStringLiteral("CE1"), QStringLiteral("\\Storage"));
    EXPECT_EQ(strings.expand(QStringLiteral("%InstallDir%"), 1, QString()), QStringLiteral("\\Storage\\Demo"));
}

TEST_F(StringTableTest, UndefinedAndSelfReferringStringsAreLocatedErrors)
{
    try {
        strings.expand(QStringLiteral("%Nowhere%\\x"), 12, QStringLiteral("Files"));
        FAIL() << "no error";
    } catch (const InfError &error) {
        EXPECT_EQ(error.line(), 12);
        EXPECT_EQ(error.section(), QStringLiteral("Files"));
        EXPECT_EQ(error.message(), QStringLiteral("undefined string %Nowhere%"));
    }
    EXPECT_THROW(strings.expand(QStringLiteral("%Loop%"), 1, QString()), InfError);
    EXPECT_THROW(strings.expand(QStringLiteral("%CE18%"), 1, QString()), InfError);
}

} // namespace

namespace {

// sN = %sN+1%%sN+1%: each level doubles the text of the next.
StringTable doublingStrings(int levels, const QString &leaf)
{
    StringTable strings;
    for (int n = 1; n < levels; ++n)
        strings.define(QStringLiteral("s%1").arg(n), QStringLiteral("%s%1%%s%1%").arg(n + 1));
    strings.define(QStringLiteral("s%1").arg(levels), leaf);
    return strings;
}

TEST(StringTableBoundTest, DoublingStringsAreRefusedQuickly)
{
    const StringTable strings = doublingStrings(27, QStringLiteral("abcd"));
    QElapsedTimer timer;
    timer.start();
    for (const bool forDevice : {false, true}) {
        try {
            forDevice ? strings.expandForDevice(QStringLiteral("%s1%"), 9, QStringLiteral("CEStrings"))
                      : strings.expand(QStringLiteral("%s1%"), 9, QStringLiteral("CEStrings"));
            ADD_FAILURE() << "no error";
        } catch (const InfError &error) {
            EXPECT_EQ(error.line(), 9);
            EXPECT_EQ(error.section(), QStringLiteral("CEStrings"));
            EXPECT_TRUE(QRegularExpression(QStringLiteral("^string %s\\d+% expands to more than 65536 characters$"))
                            .match(error.message())
                            .hasMatch())
                << error.what();
        }
    }
    // Empty at the bottom: nothing grows, but each level must still be expanded once only.
    EXPECT_EQ(doublingStrings(27, QString()).expand(QStringLiteral("%s1%"), 1, QString()), QString());
    EXPECT_LT(timer.elapsed(), 1000);

    const QString longest(StringTable::MaximumExpandedLength, u'x');
    EXPECT_EQ(doublingStrings(1, longest).expand(QStringLiteral("%s1%"), 1, QString()), longest);
}

} // namespace
