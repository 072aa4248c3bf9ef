#include "ProjectFileFixtures.h"

#include "helpers/core/PathFolders.h"
#include "model/ProjectManager.h"
#include "tests/support/ProcessorTimer.h"
#include "tests/support/ScopedFileSizeLimit.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace talmo;
using namespace talmo::testing;

namespace {

QStringList entryNames(const TProjectManager &manager)
{
    QStringList names;
    for (const TProjectEntry &entry : manager.Entries)
        names.append(entry.FileName);
    return names;
}

} // namespace

TEST(ProjectManager, StartsUnnamedAndEmpty)
{
    SetMyDocumentsFolderOverride("/home/user/Documents");
    TProjectManager manager;
    EXPECT_EQ(manager.FileName, "/home/user/Documents/unknown.talmopm");
    EXPECT_EQ(manager.Entries.Count(), 0);
    EXPECT_FALSE(manager.Modified);
    EXPECT_EQ(manager.Version, 0);
    ClearMyDocumentsFolderOverride();
}

TEST(ProjectManager, SavesEntriesAsGivenByteForByte)
{
    QTemporaryDir dir;
    TProjectManager manager;
    manager.Entries.AddNew().FileName = "..\\projects\\tool.talmo";
    manager.Entries.AddNew().FileName = QString::fromUtf8("/home/j\u00f6rg/\u00e9t\u00e9 & co.talmo");
    manager.Modified = true;
    const QString fileName = dir.filePath("all.talmopm");
    ASSERT_TRUE(manager.SaveToFile(fileName));
    EXPECT_EQ(ReadFile(fileName),
              "<Talmo_Project_Manager><Version>2</Version><ProjectEntries><count>2</count>"
              "<entry-0><FileName>..\\projects\\tool.talmo</FileName></entry-0>"
              "<entry-1><FileName>/home/j\xc3\xb6rg/\xc3\xa9t\xc3\xa9 &amp; co.talmo</FileName></entry-1>"
              "</ProjectEntries></Talmo_Project_Manager>");
    EXPECT_EQ(manager.FileName, fileName);
    EXPECT_FALSE(manager.Modified);

    TProjectManager loaded;
    ASSERT_TRUE(loaded.LoadFromFile(fileName));
    EXPECT_EQ(entryNames(loaded), entryNames(manager));
    EXPECT_EQ(loaded.Version, 2);
    EXPECT_EQ(loaded.FileName, fileName);
}

TEST(ProjectManager, SavesAnEmptyManagerWithACountOfZero)
{
    QTemporaryDir dir;
    TProjectManager manager;
    ASSERT_TRUE(manager.SaveToFile(dir.filePath("empty.talmopm")));
    EXPECT_EQ(ReadFile(dir.filePath("empty.talmopm")),
              "<Talmo_Project_Manager><Version>2</Version><ProjectEntries><count>0</count></ProjectEntries>"
              "</Talmo_Project_Manager>");
}

TEST(ProjectManager, LoadsTolerantly)
{
    struct Case
    {
        const char *what;
        QByteArray document;
        QStringList entries;
        int version;
    };
    const Case cases[] = {
        { "no version: the first format with its two flags",
          "<?xml version=\"1.0\"?>\r\n<Old>\r\n  <ProjectEntries>\r\n    <count>1</count>\r\n"
          "    <entry-0><FileName>a.talmo</FileName><BuildExecutable>-1</BuildExecutable><BuildCabs>0</BuildCabs></entry-0>\r\n"
          "  </ProjectEntries>\r\n</Old>\r\n",
          { "a.talmo" }, 1 },
        { "a count of 0 hides the entries",
          "<M><Version>2</Version><ProjectEntries><count>0</count><entry-0><FileName>a</FileName></entry-0></ProjectEntries></M>",
          {}, 2 },
        { "the count is not compared",
          "<M><Version>2</Version><ProjectEntries><count>5</count><entry-0><FileName>a</FileName></entry-0>"
          "<x><FileName>b</FileName></x></ProjectEntries></M>",
          { "a", "b" }, 2 },
        { "an entry without a file name",
          "<M><Version>2</Version><ProjectEntries><count>1</count><entry-0/></ProjectEntries></M>", { "" }, 2 },
        { "an unreadable version is the first format",
          "<M><Version>two</Version><ProjectEntries><count>1</count><entry-0><FileName>a</FileName>"
          "<BuildExecutable>true</BuildExecutable><BuildCabs>1</BuildCabs></entry-0></ProjectEntries></M>",
          { "a" }, 1 },
    };
    QTemporaryDir dir;
    for (const Case &c : cases) {
        const QString fileName = dir.filePath("case.talmopm");
        WriteFile(fileName, c.document);
        TProjectManager manager;
        ASSERT_TRUE(manager.LoadFromFile(fileName)) << c.what;
        EXPECT_EQ(entryNames(manager), c.entries) << c.what;
        EXPECT_EQ(manager.Version, c.version) << c.what;
        EXPECT_FALSE(manager.Modified) << c.what;
    }
    TProjectManager first;
    WriteFile(dir.filePath("first.talmopm"), cases[0].document);
    ASSERT_TRUE(first.LoadFromFile(dir.filePath("first.talmopm")));
    EXPECT_TRUE(first.Entries[0].BuildExecutable);
    EXPECT_FALSE(first.Entries[0].BuildCabs);
}

TEST(ProjectManager, ASaveOnAFullDiskFailsAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath("builds.talmopm");
    TProjectManager manager;
    manager.Entries.AddNew().FileName = "kept.talmo";
    ASSERT_TRUE(manager.SaveToFile(fileName));
    const QByteArray before = ReadFile(fileName);
    manager.Entries.AddNew().FileName = "added.talmo";
    manager.Modified = true;
    bool saved = true;
    {
        ScopedFileSizeLimit fullDisk(16);
        saved = manager.SaveToFile(fileName);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadFile(fileName), before);
    EXPECT_TRUE(manager.Modified);
}

TEST(ProjectManager, ABrokenFileLeavesTheManagerAsItWas)
{
    const QByteArray documents[] = {
        "not xml",
        "<M><Version>2</Version></M>",
        "<M><Version>2</Version><ProjectEntries><entry-0><FileName>a</FileName></entry-0></ProjectEntries></M>",
        "<M><Version>2</Version><ProjectEntries><count>many</count></ProjectEntries></M>",
        "<M><ProjectEntries><count>1</count><entry-0><FileName>a</FileName><BuildCabs>0</BuildCabs></entry-0></ProjectEntries></M>",
    };
    QTemporaryDir dir;
    const QString good = dir.filePath("good.talmopm");
    TProjectManager manager;
    manager.Entries.AddNew().FileName = "kept.talmo";
    ASSERT_TRUE(manager.SaveToFile(good));
    ASSERT_TRUE(manager.LoadFromFile(good));
    manager.Entries.AddNew().FileName = "added.talmo";
    manager.Modified = true;

    for (const QByteArray &document : documents) {
        const QString broken = dir.filePath("broken.talmopm");
        WriteFile(broken, document);
        EXPECT_FALSE(manager.LoadFromFile(broken)) << document.toStdString();
        EXPECT_EQ(entryNames(manager), QStringList({ "kept.talmo", "added.talmo" }));
        EXPECT_EQ(manager.FileName, good);
        EXPECT_TRUE(manager.Modified);
        EXPECT_EQ(manager.Version, 2);
    }
    EXPECT_FALSE(manager.LoadFromFile(dir.filePath("missing.talmopm")));
    EXPECT_EQ(manager.Entries.Count(), 2);
}

TEST(ProjectManager, ADeeplyNestedFileIsRefusedPromptlyAndChangesNothing)
{
    QTemporaryDir dir;
    const QString good = dir.filePath("good.talmopm");
    TProjectManager manager;
    manager.Entries.AddNew().FileName = "kept.talmo";
    ASSERT_TRUE(manager.SaveToFile(good));
    manager.Modified = true;

    const QString deep = dir.filePath("deep.talmopm");
    const int depth = 1000000;
    WriteFile(deep, "<Talmo_Project_Manager>" + QByteArray("<a>").repeated(depth) + QByteArray("</a>").repeated(depth)
                        + "</Talmo_Project_Manager>");
    const talmo::testing::ProcessorTimer timer;
    EXPECT_FALSE(manager.LoadFromFile(deep));
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(entryNames(manager), QStringList({ "kept.talmo" }));
    EXPECT_EQ(manager.FileName, good);
    EXPECT_TRUE(manager.Modified);
}

TEST(ProjectManager, AFailedSaveChangesNothing)
{
    QTemporaryDir dir;
    TProjectManager manager;
    manager.Entries.AddNew().FileName = "a.talmo";
    manager.Modified = true;
    const QString before = manager.FileName;
    EXPECT_FALSE(manager.SaveToFile(dir.filePath("missing/folder.talmopm")));
    EXPECT_EQ(manager.FileName, before);
    EXPECT_TRUE(manager.Modified);
    EXPECT_EQ(manager.Entries.Count(), 1);
}
