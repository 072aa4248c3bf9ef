#include "editors/core/device/CustomStringEdits.h"
#include "model/ProjectContainer.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

QStringList Pairs(const TProjectContainer &project)
{
    QStringList pairs;
    for (const TStringPair &pair : project.StringPairs)
        pairs.append(pair.Name + QLatin1Char('=') + pair.Value);
    return pairs;
}

TEST(CustomStringEditsTest, AddReplaceAndDeleteMarkTheProjectModified)
{
    TProjectContainer project;
    CustomStringEdits edits(project);
    EXPECT_EQ(edits.Add("Tools", "Program Files\\Tools"), 0);
    EXPECT_EQ(edits.Add("Docs", "My Documents"), 1);
    project.Modified = false;
    edits.Replace(0, "Bin", "Program Files\\Bin");
    EXPECT_TRUE(project.Modified);
    EXPECT_EQ(Pairs(project), QStringList({ "Bin=Program Files\\Bin", "Docs=My Documents" }));
    project.Modified = false;
    edits.Delete(0);
    EXPECT_TRUE(project.Modified);
    EXPECT_EQ(Pairs(project), QStringList({ "Docs=My Documents" }));
    EXPECT_THROW(edits.Replace(3, "X", "Y"), ListIndexError);
}

} // namespace
