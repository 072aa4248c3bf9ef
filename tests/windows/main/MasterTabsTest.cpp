#include "windows/main/MasterTabs.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

using CloseButton = MasterTabs::CloseButton;

TEST(MasterTabs, TheCloseButtonTakesOutTheWelcomeTabUnlessAloneAndClosesProjects)
{
    const struct
    {
        int count;
        int welcome;
        int index;
        bool holdsProject;
        CloseButton action;
    } cases[] = {
        { 1, 0, 0, false, CloseButton::KeepTab },
        { 2, 0, 0, false, CloseButton::TakeOutWelcome },
        { 2, 1, 1, false, CloseButton::TakeOutWelcome },
        { 2, 0, 1, true, CloseButton::CloseProject },
        { 1, -1, 0, true, CloseButton::CloseProject },
        { 2, -1, 1, false, CloseButton::KeepTab },
    };
    for (const auto &c : cases) {
        MasterTabs tabs;
        tabs.count = c.count;
        tabs.welcome = c.welcome;
        EXPECT_EQ(tabs.closeButton(c.index, c.holdsProject), c.action)
            << c.count << " tabs, Welcome at " << c.welcome << ", closing " << c.index;
    }
}

TEST(MasterTabs, ProjectCommandsNeedAProjectInFrontAndAnEmptyWindowNeedsWelcome)
{
    const struct
    {
        int count;
        bool activeIsWelcome;
        bool activeHoldsProject;
        bool needsWelcome;
        bool projectCommands;
    } cases[] = {
        { 0, false, false, true, false },
        { 1, true, false, false, false },
        { 2, false, true, false, true },
        { 2, true, true, false, false },
        { 1, false, false, false, false },
    };
    for (const auto &c : cases) {
        MasterTabs tabs;
        tabs.count = c.count;
        tabs.activeIsWelcome = c.activeIsWelcome;
        tabs.activeHoldsProject = c.activeHoldsProject;
        EXPECT_EQ(tabs.needsWelcome(), c.needsWelcome) << c.count;
        EXPECT_EQ(tabs.welcomeInFront(), c.activeIsWelcome) << c.count;
        EXPECT_EQ(tabs.projectCommandsEnabled(), c.projectCommands) << c.count << c.activeIsWelcome;
    }
}

TEST(MasterTabs, TheTabThatTookTheWelcomeTabsPlaceBecomesActive)
{
    EXPECT_EQ(MasterTabs::ActiveAfterTakingOut(0, 2), 0);
    EXPECT_EQ(MasterTabs::ActiveAfterTakingOut(1, 2), 1);
    EXPECT_EQ(MasterTabs::ActiveAfterTakingOut(2, 2), 1) << "the last tab left";
    EXPECT_EQ(MasterTabs::ActiveAfterTakingOut(0, 0), 0) << "nothing left";
}

} // namespace
