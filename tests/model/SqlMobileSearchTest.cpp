#include "model/SqlMobileSearch.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

// Records what the search shows; cancels once it has entered cancelAfter folders.
struct RecordedProgress : SqlMobileSearchProgress
{
    void folderEntered(const QString &folder) override { folders.append(folder); }
    void setText(const QString &text) override { texts.append(text); }
    void setCaption(const QString &caption) override { captions.append(caption); }
    bool cancelled() override { return cancelAfter >= 0 && folders.size() >= cancelAfter; }

    QStringList folders;
    QStringList texts;
    QStringList captions;
    int cancelAfter = -1;
};

// Two installed versions side by side, a folder whose version is no number,
// a hidden platform, CAB files in both letter cases and a link back to the top.
class SqlMobileSearchTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char *files[] = {
            "Program Files/Microsoft SQL Server/Mobile/v3.0/wce400/armv4/sqlce.wce4.armv4.CAB",
            "Program Files/Microsoft SQL Server/Mobile/v3.5/wce500/armv4i/b.cab",
            "Program Files/Microsoft SQL Server/Mobile/v3.5/wce500/armv4i/X.CAB",
            "Program Files/Microsoft SQL Server/Mobile/v3.5/wce500/armv4i/.hidden.cab",
            "Program Files/Microsoft SQL Server/Mobile/v3.5/wce500/armv4i/readme.txt",
            "Program Files/Microsoft SQL Server/Mobile/v3.5/.svn/entries/x.cab",
            "Program Files/Microsoft SQL Server/Mobile/vX/wce400/armv4/other.cab",
        };
        for (const char *file : files) {
            const QString path = root.filePath(QLatin1String(file));
            ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
            QFile cab(path);
            ASSERT_TRUE(cab.open(QIODevice::WriteOnly));
        }
        ASSERT_TRUE(QDir().mkpath(version35() + QStringLiteral("/wce420/mipsii")));
        ASSERT_TRUE(QFile::link(root.path(), root.filePath(QStringLiteral("Program Files/loop"))));
    }

    QString version35() const { return root.filePath(QStringLiteral("Program Files/Microsoft SQL Server/Mobile/v3.5")); }

    QTemporaryDir root;
    RecordedProgress progress;
    TMSQL_CustomSet set{ QStringLiteral("Found"), {} };
};

} // namespace

TEST_F(SqlMobileSearchTest, TheLastOfTheShortestVersionFoldersGivesPlatformsProcessorsAndCabs)
{
    ASSERT_EQ(SqlMobileSearch::Run(root.path(), set, progress), SqlMobileSearch::Result::Filled);

    ASSERT_EQ(set.Platforms.size(), 2u) << "the hidden folder is no platform";
    EXPECT_EQ(set.Platforms[0].Caption, "wce420");
    ASSERT_EQ(set.Platforms[0].Processors.size(), 1u);
    EXPECT_EQ(set.Platforms[0].Processors[0].Caption, "mipsii");
    EXPECT_TRUE(set.Platforms[0].Processors[0].CabFiles.isEmpty());
    EXPECT_EQ(set.Platforms[1].Caption, "wce500");
    ASSERT_EQ(set.Platforms[1].Processors.size(), 1u);
    const QString processor = version35() + QStringLiteral("/wce500/armv4i/");
    EXPECT_EQ(set.Platforms[1].Processors[0].CabFiles,
              QStringList({ processor + ".hidden.cab", processor + "b.cab", processor + "X.CAB" }));

    EXPECT_EQ(progress.folders.first(), root.path());
    EXPECT_EQ(progress.folders.count(root.filePath(QStringLiteral("Program Files/loop"))), 0)
        << "a link to a folder is not entered";
    EXPECT_EQ(progress.texts, QStringList({ SqlMobileSearch::AnalyzingText, SqlMobileSearch::PlatformsText }));
    EXPECT_EQ(progress.captions, QStringList{ SqlMobileSearch::AddingCabsCaption });
}

TEST_F(SqlMobileSearchTest, TheStartFolderMayBeTheVersionFolderItself)
{
    ASSERT_EQ(SqlMobileSearch::FindVersionFolder(version35(), progress), version35());
}

TEST_F(SqlMobileSearchTest, NothingFoundLeavesTheSetEmpty)
{
    const QString empty = root.filePath(QStringLiteral("Program Files/Microsoft SQL Server/Mobile/vX"));
    EXPECT_EQ(SqlMobileSearch::Run(empty, set, progress), SqlMobileSearch::Result::NothingFound)
        << "a version that is no number is not taken";
    EXPECT_TRUE(set.Platforms.empty());
    EXPECT_EQ(SqlMobileSearch::Run(root.filePath(QStringLiteral("missing")), set, progress),
              SqlMobileSearch::Result::NothingFound);
    EXPECT_TRUE(set.Platforms.empty());
}

TEST_F(SqlMobileSearchTest, CancelStopsTheWalkAndLeavesTheSetEmpty)
{
    progress.cancelAfter = 3;
    EXPECT_EQ(SqlMobileSearch::Run(root.path(), set, progress), SqlMobileSearch::Result::Cancelled);
    EXPECT_EQ(progress.folders.size(), 3);
    EXPECT_TRUE(progress.texts.isEmpty());
    EXPECT_TRUE(set.Platforms.empty());
}
