#include "windows/main/BuildFailureText.h"

#include "engine/builder/AutomaticBuild.h"

#include <gtest/gtest.h>

using namespace talmo;

TEST(BuildFailureText, NamesTheFileWithoutItsFolderAndAnEntryThatDidNotBuildAtAll)
{
    EXPECT_EQ(BuildFailureText::OfProject("C:\\Work\\My App.talmo", "cabwiz failed"),
              "Project: My App.talmo - cabwiz failed");
    EXPECT_EQ(BuildFailureText::OfProject("/home/me/a.talmo", "x"), "Project: a.talmo - x");
    EXPECT_EQ(BuildFailureText::OfEntry("/home/me/a.talmo", BuildOutcome{ 2, "cabwiz failed" }),
              "Project: a.talmo - cabwiz failed");
    EXPECT_EQ(BuildFailureText::OfEntry("/home/me/a.talmo", BuildOutcome{ ProjectNotBuiltResult, "ignored" }),
              BuildFailureText::NotBuilt);
}
