#include "windows/main/MasterWindowLook.h"

#include <gtest/gtest.h>

using namespace talmo;

TEST(MasterWindowLook, OneTabIsNamedInTheTitleAndTheWelcomeTabAloneHidesTheStrip)
{
    const struct
    {
        const char *name;
        int tabs;
        bool welcome;
        const char *fileName;
        const char *title;
        std::optional<bool> showTabs;
    } cases[] = {
        { "no tab", 0, false, "", "Talmo", std::nullopt },
        { "the Welcome tab alone", 1, true, "", "Talmo - Welcome", false },
        { "one project", 1, false, "C:\\Work\\My App.talmo", "Talmo - My App.talmo", true },
        { "several tabs", 3, true, "/work/a.talmo", "Talmo", true },
    };
    for (const auto &c : cases) {
        const MasterWindowLook look = MasterWindowLook::For(c.tabs, c.welcome, QString::fromUtf8(c.fileName));
        EXPECT_EQ(look.title, QString::fromUtf8(c.title)) << c.name;
        EXPECT_EQ(look.showTabs, c.showTabs) << c.name;
    }
}
