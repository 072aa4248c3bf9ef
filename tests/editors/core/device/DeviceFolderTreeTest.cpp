#include "tests/editors/core/device/CabPageFixture.h"

#include "editors/core/device/DeviceFolderTree.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

// The tree as indented lines, user folders marked with "+".
void describe(const DeviceFolderNode &node, int depth, QStringList &lines)
{
    lines.append(QString(depth * 2, QLatin1Char(' ')) + (node.builtIn ? QString() : QStringLiteral("+"))
                 + node.text);
    for (const auto &child : node.children)
        describe(*child, depth + 1, lines);
}

QStringList describe(const DeviceFolderTree &tree)
{
    QStringList lines;
    describe(tree.root(), 0, lines);
    return lines;
}

TEST(DeviceFolderTreeTest, BuildsBuiltInAndUserFoldersSorted)
{
    auto project = test::cabPageProject();
    TPPCFS_File &deep = project->CEDevices[1].Files.AddNew();
    deep.DestinationDir = QStringLiteral("%CE11%\\Tools\\");
    const DeviceFolderTree tree = DeviceFolderTree::Build(*project, project->CEDevices[1]);
    const QStringList expected = {
        "Pocket PC FileSystem",
        "  %InstallDir%",
        "  My Documents",
        "  Program Files",
        "    +My App",
        "      +data",
        "  Windows",
        "    Fonts",
        "    Start Menu",
        "      Programs",
        "        Games",
        "        +Tools",
        "    Startup",
    };
    EXPECT_EQ(describe(tree), expected);
}

TEST(DeviceFolderTreeTest, NodePathsAndSplitting)
{
    DeviceFolderTree tree;
    DeviceFolderNode *startMenu = tree.FindChildNode(nullptr, QStringLiteral("Start Menu"));
    ASSERT_NE(startMenu, nullptr);
    EXPECT_EQ(DeviceFolderTree::GetNodePath(*startMenu), QStringLiteral("Windows\\Start Menu\\"));
    EXPECT_EQ(DeviceFolderTree::GetNodePath(tree.root()), QString());
    EXPECT_EQ(tree.FindPath(QStringLiteral("Windows\\Start Menu\\")), startMenu);
    EXPECT_EQ(tree.FindChildNode(&tree.root(), QStringLiteral("Start Menu")), nullptr);
    EXPECT_EQ(tree.FindChildNode(&tree.root(), QStringLiteral("windows")), nullptr);

    const struct { const char *path; QStringList parts; } cases[] = {
        { "Windows\\Start Menu", { "Windows", "Start Menu" } },
        { "Windows\\Start Menu\\", { "Windows", "Start Menu" } },
        { "%InstallDir%", { "%InstallDir%" } },
        { "a\\\\b", { "a", "b" } },
        { "", {} },
    };
    for (const auto &c : cases)
        EXPECT_EQ(DeviceFolderTree::SplitPath(QString::fromUtf8(c.path)), c.parts) << c.path;

    EXPECT_EQ(withTrailingBackslash(QStringLiteral("%CE1%\\Sub")), QStringLiteral("%CE1%\\Sub\\"));
    EXPECT_EQ(withTrailingBackslash(QStringLiteral("%CE1%\\Sub\\")), QStringLiteral("%CE1%\\Sub\\"));
    EXPECT_EQ(withTrailingBackslash(QString()), QStringLiteral("\\"));
}

TEST(DeviceFolderTreeTest, NewFolderNamesAndDuplicates)
{
    DeviceFolderTree tree;
    DeviceFolderNode &parent = *tree.FindPath(QStringLiteral("My Documents"));
    QStringList names;
    for (int i = 0; i < 3; ++i) {
        const QString name = DeviceFolderTree::NewFolderName(parent);
        names.append(name);
        tree.AddFolder(parent, name, false);
    }
    EXPECT_EQ(names, QStringList({ "New Folder", "New Folder 1", "New Folder 2" }));
    DeviceFolderNode &second = *parent.children[1];
    EXPECT_TRUE(DeviceFolderTree::IsDuplicateName(second, QStringLiteral("New Folder")));
    EXPECT_TRUE(DeviceFolderTree::IsDuplicateName(second, QStringLiteral("New Folder 1")));
    EXPECT_FALSE(DeviceFolderTree::IsDuplicateName(second, QStringLiteral("new folder")));
}

TEST(DeviceFolderTreeTest, CopyFilesNamesFollowTheSectionsAndSkipMissingTargets)
{
    auto project = test::cabPageProject();
    TCopyFilesSection &stale = project->CopyFilesSections.AddNew();
    stale.linked_SourceName = 7;
    stale.Caption = QStringLiteral("CopyFiles-stale");
    project->CopyFilesSections[2].linked_SourceName = 0;
    RefreshCopyFilesNames(*project);
    EXPECT_EQ(project->CEDevices[0].Installation.defaultInstallCopyFiles,
              QStringList({ "CopyFiles-0", "CopyFiles-2" }));
    EXPECT_EQ(project->CEDevices[1].Installation.defaultInstallCopyFiles, QStringList({ "CopyFiles-1" }));
    EXPECT_TRUE(project->CEDevices[2].Installation.defaultInstallCopyFiles.isEmpty());
}

} // namespace
