#include "designer/controls/PathFunc.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

struct SplitCase
{
    const char *path;
    qsizetype drive;
    qsizetype driveWithSlash;
    const char *folder;
    const char *fileName;
};

const SplitCase SplitCases[] = {
    {"C:\\Program Files\\App\\setup.exe", 2, 3, "C:\\Program Files\\App\\", "setup.exe"},
    {"c:/dir/", 2, 3, "c:/dir/", ""},
    {"C:", 2, 2, "C:", ""},
    {"C:file.txt", 2, 2, "C:", "file.txt"},
    {"\\\\server\\share\\dir\\file", 14, 14, "\\\\server\\share\\dir\\", "file"},
    {"//server/share", 14, 14, "//server/share", ""},
    {"\\\\server", 8, 8, "\\\\server", ""},
    {"\\dir\\file", 0, 1, "\\dir\\", "file"},
    {"/usr/share/talmo", 0, 1, "/usr/share/", "talmo"},
    {"file", 0, 0, "", "file"},
    {"", 0, 0, "", ""},
    {"1:\\x", 0, 0, "1:\\", "x"},
};

TEST(PathFunc, SplitsDriveFolderAndFileName)
{
    for (const SplitCase &split : SplitCases) {
        const QString path = QString::fromLatin1(split.path);
        EXPECT_EQ(PathFunc::PathDrivePrefixLength(path), split.drive) << split.path;
        EXPECT_EQ(PathFunc::PathDrivePrefixLength(path, true), split.driveWithSlash) << split.path;
        EXPECT_EQ(PathFunc::PathDriveOf(path), path.left(split.drive)) << split.path;
        EXPECT_EQ(PathFunc::PathFolderOf(path), QString::fromLatin1(split.folder)) << split.path;
        EXPECT_EQ(PathFunc::PathFileNameOf(path), QString::fromLatin1(split.fileName)) << split.path;
        EXPECT_EQ(PathFunc::PathFolderOf(path) + PathFunc::PathFileNameOf(path), path) << split.path;
    }
}

TEST(PathFunc, SeparatorFinalCharacterCaseAndOrder)
{
    const std::pair<const char *, const char *> appended[] = {
        {"", ""}, {"C:", "C:\\"}, {"C:\\", "C:\\"}, {"/tmp/", "/tmp/"}, {"dir", "dir\\"}};
    for (const auto &[path, expected] : appended)
        EXPECT_EQ(PathFunc::PathAppendSeparator(QString::fromLatin1(path)), QString::fromLatin1(expected)) << path;

    const QString pair = QString::fromUtf8("dir\\\U0001F600");
    EXPECT_EQ(PathFunc::PathCharSize(pair, 4), 2);
    EXPECT_EQ(PathFunc::PathCharSize(pair, 5), 1);
    EXPECT_EQ(PathFunc::PathCharSize(pair, 0), 1);
    EXPECT_EQ(PathFunc::PathFinalChar(pair), QString::fromUtf8("\U0001F600"));
    EXPECT_EQ(PathFunc::PathFinalChar(QStringLiteral("ab")), QStringLiteral("b"));
    EXPECT_EQ(PathFunc::PathFinalChar(QString()), QString());

    EXPECT_EQ(PathFunc::PathToLower(QString::fromUtf8("C:\\ÄPFEL\\Dir")), QString::fromUtf8("c:\\äpfel\\dir"));
    EXPECT_EQ(PathFunc::PathCompareNoCase(QStringLiteral("C:\\Dir"), QStringLiteral("c:\\dIR")), 0);
    EXPECT_EQ(PathFunc::PathCompareNoCase(QStringLiteral("a"), QStringLiteral("B")), -1);
    EXPECT_EQ(PathFunc::PathCompareNoCase(QStringLiteral("b"), QStringLiteral("A")), 1);
}

} // namespace
