#include "engine/cab/BuildStepError.h"
#include "engine/cab/InfFile.h"
#include "tests/support/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

using namespace talmo;

namespace {

QByteArray Utf16Le(const char *ascii)
{
    QByteArray bytes("\xFF\xFE", 2);
    for (const char *c = ascii; *c; ++c) {
        bytes.append(*c);
        bytes.append('\0');
    }
    return bytes;
}

struct InfBytesCase
{
    const char *label;
    QString text;
    QByteArray bytes;
};

void PrintTo(const InfBytesCase &c, std::ostream *os)
{
    *os << c.label;
}

class BuilderInfFileTest : public ::testing::TestWithParam<InfBytesCase>
{
};

TEST_P(BuilderInfFileTest, WritesUtf16WithByteOrderMarkAndCrLf)
{
    EXPECT_EQ(InfFileBytes(GetParam().text).toHex(' '), GetParam().bytes.toHex(' '));
}

INSTANTIATE_TEST_SUITE_P(
    Table, BuilderInfFileTest,
    ::testing::Values(InfBytesCase{"Empty", QString(), Utf16Le("")},
                      InfBytesCase{"OneLineGetsItsLineEnd", QStringLiteral("a"), Utf16Le("a\r\n")},
                      InfBytesCase{"EditorLineFeeds", QStringLiteral("a\nb"), Utf16Le("a\r\nb\r\n")},
                      InfBytesCase{"GeneratedCrLfKept", QStringLiteral("a\r\nb\r\n"), Utf16Le("a\r\nb\r\n")},
                      InfBytesCase{"EmptyLinesStay", QStringLiteral("a\n\nb\n"), Utf16Le("a\r\n\r\nb\r\n")},
                      InfBytesCase{"NonLatinText", QStringLiteral("\u20AC"),
                                   QByteArray("\xFF\xFE\xAC\x20\x0D\x00\x0A\x00", 8)}),
    [](const ::testing::TestParamInfo<InfBytesCase> &info) { return std::string(info.param.label); });

TEST(BuilderInfFileSaveTest, ReplacesTheFileWithTheExactBytes)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("demo.inf"));
    SaveInfFile(path, QStringLiteral("old text that is longer"));
    SaveInfFile(path, QStringLiteral("[Version]\n"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), Utf16Le("[Version]\r\n"));
}

TEST(BuilderInfFileSaveTest, AFolderThatIsMissingRaisesAnErrorNamingTheFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("missing/demo.inf"));
    try {
        SaveInfFile(path, QStringLiteral("x"));
        FAIL() << "no error";
    } catch (const BuildStepError &error) {
        EXPECT_TRUE(error.message().contains(path)) << error.message().toStdString();
    }
}

} // namespace
