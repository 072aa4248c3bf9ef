#include "windows/main/OpenProjectFiles.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

TEST(OpenProjectFiles, ATabHoldsAFileUnderAnySpellingOfItsPathButNotAnotherCase)
{
    // The Welcome tab and a project never saved have no file.
    const OpenProjectFiles open({ QString(), QStringLiteral("/p/a.talmo"), QStringLiteral("/p/sub/b.talmo"), QString() });
    const struct
    {
        const char *fileName;
        int tab;
    } cases[] = {
        { "/p/a.talmo", 1 },
        { "/p/sub/../a.talmo", 1 },
        { "/p/./sub//b.talmo", 2 },
        { "\\p\\sub\\b.talmo", 2 },
        { "/p/A.talmo", -1 },
        { "/p/a.talmopm", -1 },
        { "", -1 },
    };
    for (const auto &c : cases)
        EXPECT_EQ(open.tabOf(QLatin1String(c.fileName)), c.tab) << c.fileName;
}

TEST(OpenProjectFiles, TheFirstOfTwoTabsOnOneFileHoldsIt)
{
    EXPECT_EQ(OpenProjectFiles({ QStringLiteral("/p/a.talmo"), QStringLiteral("/p/./a.talmo") }).tabOf(QStringLiteral("/p/a.talmo")), 0);
    EXPECT_EQ(OpenProjectFiles({}).tabOf(QStringLiteral("/p/a.talmo")), -1);
}

} // namespace
