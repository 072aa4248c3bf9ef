#include "engine/scriptcode/StorageCardPage.h"
#include "model/ProjectContainer.h"

#include "CodePartsTestSupport.h"

namespace talmo {
namespace {

using namespace codepartstest;

QStringList page(bool dcmRequired, int modules = 1)
{
    TProjectContainer project;
    project.DCMRequired = dcmRequired;
    for (int i = 0; i < modules; ++i)
        project.DirectCopyModules.AddNew();
    QStringList lines;
    StorageCardPage::WriteCopyToSDPage(project, lines);
    return lines;
}

TEST(StorageCardPage, GlobalsComeFirst)
{
    EXPECT_EQ(Text(page(false).mid(0, 10)), Text(Lines({ "[Code]", "", "var", "  CopyToSD: TWizardPage;", "  CopyToSD_Label2: TLabel;", "  CopyToSD_Label3: TLabel;",
                      "  CopyToSD_Label4: TLabel;", "  CopyToSD_Label6: TLabel;", "  CopyToSD_Label5: TLabel;",
                      "  CopyToSD_Button5: TButton;" })));
}

TEST(StorageCardPage, CreatesThePageWithItsControlsAndHooks)
{
    const QStringList lines = page(true);
    const qsizetype start = lines.indexOf(QStringLiteral("function CopyToSD_CreatePage(PreviousPageId: Integer): Integer;"));
    ASSERT_GE(start, 0);
    EXPECT_EQ(Text(lines.mid(start)), Text(FixtureLines(QStringLiteral("copy-page-create.txt"))));
}

TEST(StorageCardPage, HintUnderTheButtonFollowsTheRequiredFlag)
{
    EXPECT_TRUE(page(true).contains(
        QStringLiteral("  CopyToSD_Label5.Caption:='You must complete this step, before setup can continue.';")));
    EXPECT_TRUE(page(false).contains(
        QStringLiteral("  CopyToSD_Label5.Caption:='Press \"Next\" if you don''t want any data to be transfered.';")));
}

TEST(StorageCardPage, NothingWithoutDirectCopyModules)
{
    EXPECT_TRUE(page(true, 0).isEmpty());
}

} // namespace
} // namespace talmo
