#include "tests/editors/core/device/CabPageFixture.h"

#include "editors/core/device/DeviceFolderEdits.h"
#include "editors/core/device/DeviceFolderTree.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

const QString ProgramFiles = QStringLiteral("Program Files\\");
const QString Duplicate = QStringLiteral("Duplicate name, please enter another one");

class DeviceFolderEditsTest : public ::testing::Test
{
protected:
    bool has(const QString &path) const { return folders.FindPath(path) != nullptr; }

    std::unique_ptr<TProjectContainer> project = test::cabPageProject();
    TCEDevice &target = project->CEDevices[1];
    DeviceFolderTree folders = DeviceFolderTree::Build(*project, target);
    DeviceFolderEdits edits { *project, &target, folders };
};

TEST_F(DeviceFolderEditsTest, WhatEachKindOfFolderAllows)
{
    const DeviceFolderNode *root = &folders.root();
    const struct
    {
        const char *name;
        const DeviceFolderNode *node;
        bool add, change, takesFiles;
    } cases[] = {
        { "none", nullptr, false, false, false },
        { "root", root, true, false, false },
        { "built-in", folders.FindPath(ProgramFiles), true, false, true },
        { "user", folders.FindPath(QStringLiteral("Program Files\\My App\\")), true, true, true },
    };
    for (const auto &c : cases) {
        EXPECT_EQ(DeviceFolderEdits::CanAddFolder(c.node), c.add) << c.name;
        EXPECT_EQ(DeviceFolderEdits::CanChange(c.node), c.change) << c.name;
        EXPECT_EQ(DeviceFolderEdits::TakesFiles(c.node), c.takesFiles) << c.name;
    }
}

TEST_F(DeviceFolderEditsTest, AddedFoldersTakeTheFirstFreeNameAndStayWithoutFiles)
{
    EXPECT_EQ(edits.AddFolder(ProgramFiles), QStringLiteral("Program Files\\New Folder\\"));
    EXPECT_EQ(edits.AddFolder(ProgramFiles), QStringLiteral("Program Files\\New Folder 1\\"));
    EXPECT_EQ(edits.AddFolder(QString()), QStringLiteral("New Folder\\"));
    EXPECT_TRUE(has(QStringLiteral("Program Files\\New Folder 1\\")));
    EXPECT_TRUE(project->Modified);
    EXPECT_EQ(target.Files.Count(), 3);
    EXPECT_EQ(edits.AddFolder(QStringLiteral("Nowhere\\")), QString());
}

TEST_F(DeviceFolderEditsTest, RenamesMoveTheFilesAndRefuseDuplicatesAndBuiltInFolders)
{
    edits.AddFolder(ProgramFiles);
    const DeviceFolderEdits::Rename duplicate = edits.RenameFolder(QStringLiteral("Program Files\\My App\\"),
                                                                   QStringLiteral("New Folder"));
    EXPECT_FALSE(duplicate.renamed);
    EXPECT_EQ(duplicate.error, Duplicate);
    const DeviceFolderEdits::Rename builtIn = edits.RenameFolder(ProgramFiles, QStringLiteral("Programs"));
    EXPECT_FALSE(builtIn.renamed);
    EXPECT_TRUE(builtIn.error.isEmpty());
    EXPECT_EQ(target.Files[1].DestinationDir, QStringLiteral("%CE1%\\%AppName%\\data\\"));

    project->Modified = false;
    const DeviceFolderEdits::Rename renamed = edits.RenameFolder(QStringLiteral("Program Files\\My App\\"),
                                                                 QStringLiteral("Tools"));
    EXPECT_TRUE(renamed.renamed);
    EXPECT_EQ(renamed.path, QStringLiteral("Program Files\\Tools\\"));
    EXPECT_EQ(target.Files[1].DestinationDir, QStringLiteral("%CE1%\\Tools\\data\\"));
    EXPECT_TRUE(has(QStringLiteral("Program Files\\Tools\\data\\")));
    EXPECT_TRUE(has(QStringLiteral("Program Files\\New Folder\\")));
    EXPECT_EQ(project->CEDevices[0].Files[1].DestinationDir, QStringLiteral("%CE1%\\%AppName%\\data\\"));
    EXPECT_TRUE(project->Modified);
}

TEST_F(DeviceFolderEditsTest, DeletesTakeTheFilesBelowAndLeaveTheOtherFolders)
{
    for (int i = 0; i < 2; ++i)
        edits.AddFolder(ProgramFiles);
    EXPECT_EQ(edits.DeleteFolder(QStringLiteral("Program Files\\New Folder\\")), ProgramFiles);
    EXPECT_FALSE(has(QStringLiteral("Program Files\\New Folder\\")));
    EXPECT_TRUE(has(QStringLiteral("Program Files\\New Folder 1\\")));
    EXPECT_EQ(target.Files.Count(), 3);

    EXPECT_EQ(edits.DeleteFolder(QStringLiteral("Program Files\\My App\\")), ProgramFiles);
    ASSERT_EQ(target.Files.Count(), 1);
    EXPECT_EQ(target.Files[0].DestinationName, QStringLiteral("readme.txt"));
    EXPECT_EQ(project->CEDevices[0].Files.Count(), 3);
    EXPECT_TRUE(has(QStringLiteral("Program Files\\New Folder 1\\")));

    EXPECT_EQ(edits.DeleteFolder(ProgramFiles), std::nullopt);
    EXPECT_EQ(edits.DeleteFolder(QStringLiteral("Program Files\\Gone\\")), std::nullopt);
    EXPECT_TRUE(has(ProgramFiles));
}

TEST_F(DeviceFolderEditsTest, WithoutATargetOnlyFoldersAreAdded)
{
    DeviceFolderEdits noTarget(*project, nullptr, folders);
    const QString added = noTarget.AddFolder(ProgramFiles);
    EXPECT_TRUE(has(added));
    EXPECT_FALSE(noTarget.RenameFolder(added, QStringLiteral("Other")).renamed);
    EXPECT_EQ(noTarget.DeleteFolder(added), std::nullopt);
    EXPECT_TRUE(has(added));
}

} // namespace
