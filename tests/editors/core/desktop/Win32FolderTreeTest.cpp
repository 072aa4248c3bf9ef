#include "editors/core/desktop/Win32FileEdits.h"
#include "editors/core/desktop/Win32FolderTree.h"
#include "model/Win32Plugin.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

// The tree as indented lines: kind number, text and "*" for bold nodes.
void describe(const Win32FolderNode &node, int depth, const QSet<QString> &destinations, QStringList &lines)
{
    lines.append(QString(depth * 2, QLatin1Char(' ')) + QString::number(int(node.kind)) + QLatin1Char(' ') + node.text
                 + (Win32FolderTree::IsBold(node, destinations) ? QStringLiteral("*") : QString()));
    for (const auto &child : node.children)
        describe(*child, depth + 1, destinations, lines);
}

QStringList describe(const Win32FolderTree &tree, const TWin32Plugin &plugin, bool withConstants = false)
{
    QStringList lines;
    const QSet<QString> destinations = Win32FolderTree::LowerCaseDestinations(plugin);
    for (const auto &root : tree.roots())
        describe(*root, 0, destinations, lines);
    if (!withConstants) {
        // Constants without children or files are left out for short expectations.
        lines.removeIf([](const QString &line) { return line.startsWith(QStringLiteral("  -1 ")) && !line.endsWith('*'); });
    }
    return lines;
}

void addFile(TWin32Plugin &plugin, const QString &source, const QString &destination)
{
    TWin32FileEntry &entry = plugin.FileEntries.AddNew();
    entry.Source = source;
    entry.Destination = destination;
}

QStringList destinations(const TWin32Plugin &plugin)
{
    QStringList list;
    for (int i = 0; i < plugin.FileEntries.Count(); ++i)
        list.append(plugin.FileEntries[i].Destination);
    return list;
}

} // namespace

TEST(Win32FolderTreeTest, ModuleWithoutFilesShowsTheSortedConstantsAndAllFilesLast)
{
    TWin32Plugin plugin;
    const Win32FolderTree tree = Win32FolderTree::Build(plugin);
    ASSERT_EQ(tree.roots().size(), 2u);
    EXPECT_EQ(tree.roots()[0]->text, "Install Directories");
    EXPECT_EQ(tree.roots()[1]->text, "All Files");
    QStringList shown;
    for (const auto &child : tree.installDirectories().children) {
        EXPECT_EQ(child->kind, Win32FolderKind::InstallDirectory);
        shown.append(child->text);
    }
    QStringList sorted = Win32FolderTree::DirectoryConstants();
    sorted.sort(Qt::CaseInsensitive);
    EXPECT_EQ(shown.size(), 24);
    EXPECT_EQ(shown, sorted);
    EXPECT_EQ(shown.first(), "{app}");
    EXPECT_EQ(Win32FolderTree::DirectoryConstants().last(), "{tmp}");
    EXPECT_TRUE(plugin.Dirs.isEmpty());
}

TEST(Win32FolderTreeTest, DestinationsAreNormalisedAndBecomeNodesAndFolders)
{
    TWin32Plugin plugin;
    addFile(plugin, "a.txt", "{app}");
    addFile(plugin, "b.txt", "{app}\\Docs\\");
    addFile(plugin, "c.txt", "{app}\\\\Docs");
    addFile(plugin, "d.txt", "C:\\Tools\\");
    plugin.Dirs = QStringList{"{APP}\\docs\\", "{app}\\Empty", "{userdocs}\\{group}\\x"};
    const Win32FolderTree tree = Win32FolderTree::Build(plugin);
    EXPECT_EQ(destinations(plugin), QStringList({"{app}\\", "{app}\\Docs\\", "{app}\\Docs\\", "C:\\Tools\\"}));
    EXPECT_EQ(plugin.Dirs, QStringList({"{APP}\\docs\\", "{app}\\Empty\\", "{userdocs}\\{group}\\x\\", "{app}\\",
                                        "C:\\Tools\\"}));
    const QStringList expected = {
        "-2 Install Directories",
        "  0 C:*",
        "    0 Tools*",
        "  -1 {app}*",
        "    0 Docs*",
        "    0 Empty",
        "  -1 {userdocs}*",
        "    -1 {group}*",
        "      0 x",
        "-3 All Files",
    };
    EXPECT_EQ(describe(tree, plugin), expected);
    EXPECT_EQ(tree.FindPath("{APP}\\DOCS\\"), tree.installDirectories().children[1]->children[0].get());
    EXPECT_EQ(Win32FolderTree::GetFolderNodePath(*tree.FindPath("{app}\\Docs\\")), "{app}\\Docs\\");
    EXPECT_EQ(Win32FolderTree::GetFolderNodePath(tree.allFiles()), QString());
}

TEST(Win32FolderTreeTest, AFolderFromAnOlderFileIsListedOnceWithOrWithoutItsBackslash)
{
    TWin32Plugin plugin;
    addFile(plugin, "a.txt", "{app}\\Docs\\");
    plugin.Dirs = QStringList{"{app}\\Docs", "{app}\\Help", "{app}\\Help\\"};
    Win32FolderTree::Build(plugin);
    EXPECT_EQ(plugin.Dirs, QStringList({"{app}\\Docs\\", "{app}\\Help\\"}));
    const QStringList choices = Win32FileEdits(plugin).FolderChoices();
    EXPECT_EQ(choices.count("{app}\\Docs\\"), 1);
    EXPECT_EQ(choices.count("{app}\\Help\\"), 1);
}

TEST(Win32FolderTreeTest, NewFolderNamesAndDuplicates)
{
    Win32FolderTree tree;
    Win32FolderNode &app = *tree.FindPath("{app}\\");
    EXPECT_EQ(Win32FolderTree::NewFolderName(app), "New Folder");
    tree.AddChild(app, Win32FolderTree::NewFolderName(app), Win32FolderKind::Plain);
    EXPECT_EQ(Win32FolderTree::NewFolderName(app), "New Folder 1");
    Win32FolderNode &docs = tree.AddChild(app, "Docs", Win32FolderKind::Plain);
    EXPECT_TRUE(Win32FolderTree::IsDuplicateName(docs, "New Folder"));
    EXPECT_FALSE(Win32FolderTree::IsDuplicateName(docs, "Docs"));
    EXPECT_FALSE(Win32FolderTree::IsDuplicateName(docs, "Help"));
}

TEST(Win32FileEditsTest, RenamingAFolderMovesFilesAndFoldersBelowIt)
{
    TWin32Plugin plugin;
    addFile(plugin, "a", "{app}\\Docs\\");
    addFile(plugin, "b", "{app}\\docs\\sub\\");
    addFile(plugin, "c", "{app}\\Docsx\\");
    plugin.Dirs = QStringList{"{app}\\Docs\\sub\\deep", "{app}\\Other\\"};
    Win32FileEdits(plugin).RenameFolder("{app}\\Docs\\", "{app}\\Help\\");
    EXPECT_EQ(destinations(plugin), QStringList({"{app}\\Help\\", "{app}\\Help\\sub\\", "{app}\\Docsx\\"}));
    EXPECT_EQ(plugin.Dirs, QStringList({"{app}\\Help\\sub\\deep\\", "{app}\\Other\\"}));
}

TEST(Win32FileEditsTest, DeletingAFolderRemovesEveryFileBelowItInAnyCase)
{
    TWin32Plugin plugin;
    addFile(plugin, "a", "{app}\\Docs\\");
    addFile(plugin, "b", "{app}\\docs\\sub");
    addFile(plugin, "c", "{app}\\Docsx\\");
    addFile(plugin, "d", "{app}\\");
    plugin.Dirs = QStringList{"{app}\\DOCS\\", "{app}\\Docsx\\"};
    Win32FileEdits edits(plugin);
    EXPECT_EQ(edits.DeleteFolder("{app}\\Docs\\"), 2);
    EXPECT_EQ(destinations(plugin), QStringList({"{app}\\Docsx\\", "{app}\\"}));
    EXPECT_EQ(plugin.Dirs, QStringList({"{app}\\Docsx\\"}));
    edits.DeleteFilesAndFolders({1}, {});
    EXPECT_EQ(destinations(plugin), QStringList({"{app}\\Docsx\\"}));
    // A root has no path: deleting it must not take every file.
    EXPECT_EQ(edits.DeleteFolder(QString()), 0);
}

TEST(Win32FileEditsTest, ListingAFolderAndAllFiles)
{
    TWin32Plugin plugin;
    addFile(plugin, "a", "{app}\\Docs\\");
    addFile(plugin, "b", "{app}\\");
    addFile(plugin, "c", "{APP}\\DOCS");
    const Win32FileEdits edits(plugin);
    EXPECT_EQ(edits.FilesInFolder("{app}\\Docs\\", false), QList<int>({0, 2}));
    EXPECT_EQ(edits.FilesInFolder("{app}\\Docs\\", true), QList<int>({0, 1, 2}));
    EXPECT_EQ(edits.FilesInFolder("{app}\\Help\\", false), QList<int>());
}

TEST(Win32FileEditsTest, RowCaptionsInsertionFoldersAndInstallPaths)
{
    TWin32Plugin plugin;
    addFile(plugin, "bin\\tool.exe", "{app}\\");
    addFile(plugin, "http://example.org/get/setup.zip", "{tmp}");
    addFile(plugin, "/home/u/readme.txt", "{app}\\Docs\\");
    plugin.FileEntries[2].DestinationName = "ReadMe.txt";
    EXPECT_EQ(Win32FileEdits::RowCaption(plugin.FileEntries[0]), "tool.exe");
    EXPECT_EQ(Win32FileEdits::RowCaption(plugin.FileEntries[1]), "setup.zip");
    EXPECT_EQ(Win32FileEdits::RowCaption(plugin.FileEntries[2]), "ReadMe.txt");
    EXPECT_EQ(Win32FileEdits(plugin).InstallPaths(),
              QStringList({"{app}\\tool.exe", "{tmp}\\setup.zip", "{app}\\Docs\\ReadMe.txt"}));

    struct Case
    {
        QString nodePath, folderRow, expected;
    };
    const Case cases[] = {
        {"{app}\\Docs\\", "", "{app}\\Docs\\"},
        {"{app}\\", "Docs", "{app}\\Docs\\"},
        {"{app}", "Docs", "{app}\\Docs\\"},
        {"", "", "{app}"},
        {"", "{sys}", "{sys}\\"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Win32FileEdits::InsertionFolder(c.nodePath, c.folderRow), c.expected) << c.nodePath.toStdString();
}

TEST(Win32FileEditsTest, FolderChoicesSortTheModulesFolders)
{
    TWin32Plugin plugin;
    plugin.Dirs = QStringList{"{app}\\b\\", "{app}\\A\\"};
    const QStringList choices = Win32FileEdits(plugin).FolderChoices();
    EXPECT_EQ(plugin.Dirs, QStringList({"{app}\\A\\", "{app}\\b\\"}));
    EXPECT_EQ(choices.size(), 26);
    EXPECT_EQ(choices.mid(23), QStringList({"{tmp}", "{app}\\A\\", "{app}\\b\\"}));
}

TEST(Win32FileEditsTest, DroppedFolderKeepsItsTreeTheNamesCaseAndRelativeSources)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QDir(root.path()).mkpath("project");
    QDir(root.path()).mkpath("src/Docs/Sub");
    for (const QString name : {"src/Docs/Guide.TXT", "src/Docs/Sub/Page.html", "src/single.bin"}) {
        QFile file(root.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString project = root.filePath("project/Setup.talmo");
    TWin32Plugin plugin;
    Win32FileEdits edits(plugin);
    AddFilesOptions options{"{app}", true, true};
    EXPECT_EQ(edits.AddPaths({root.filePath("src/Docs"), root.filePath("src/single.bin"), root.filePath("missing")},
                             options, project),
              3);
    EXPECT_EQ(destinations(plugin), QStringList({"{app}\\Docs\\", "{app}\\Docs\\Sub\\", "{app}"}));
    EXPECT_EQ(plugin.FileEntries[0].Source, "..\\src\\Docs\\Guide.TXT");
    EXPECT_EQ(plugin.FileEntries[1].Source, "..\\src\\Docs\\Sub\\Page.html");
    EXPECT_EQ(plugin.FileEntries[2].Source, "..\\src\\single.bin");

    TWin32Plugin flat;
    options.relative = false;
    options.recurse = false;
    EXPECT_EQ(Win32FileEdits(flat).AddPaths({root.filePath("src/Docs")}, options, project), 1);
    EXPECT_EQ(flat.FileEntries[0].Source, root.filePath("src/Docs/Guide.TXT"));
    EXPECT_EQ(flat.FileEntries[0].Destination, "{app}\\Docs\\");
}

TEST(Win32FileEditsTest, ListOrder)
{
    const FileListRow folderA{true, {"alpha", "Folder", "", ""}};
    const FileListRow folderB{true, {"Beta", "Folder", "", ""}};
    const FileListRow fileA{false, {"a.txt", "Text", "z\\a.txt", ""}};
    const FileListRow fileB{false, {"B.txt", "Text", "y\\b.txt", ""}};
    EXPECT_TRUE(FileRowLess(folderA, folderB, 0, true));
    EXPECT_TRUE(FileRowLess(folderB, folderA, 0, false));
    EXPECT_TRUE(FileRowLess(folderB, fileA, 0, true));
    EXPECT_TRUE(FileRowLess(folderB, fileA, 0, false));
    EXPECT_TRUE(FileRowLess(fileA, fileB, 0, true));
    EXPECT_TRUE(FileRowLess(fileB, fileA, 2, true));
    EXPECT_TRUE(FileRowLess(fileA, fileB, 1, true));  // equal types: by caption
    EXPECT_TRUE(FileRowLess(fileB, fileA, 1, false));
}

TEST(Win32FolderTreeTest, NewNamesForAFolder)
{
    Win32FolderTree tree;
    Win32FolderNode &app = *tree.FindPath("{app}");
    Win32FolderNode &docs = tree.AddChild(app, "Docs", Win32FolderKind::Plain);
    tree.AddChild(app, "Help", Win32FolderKind::Plain);
    struct Case
    {
        QString name;
        FolderNameCheck expected;
    };
    const Case cases[] = {
        {"Docs", FolderNameCheck::Unchanged}, {"", FolderNameCheck::Refused},     {"  ", FolderNameCheck::Refused},
        {"a\\b", FolderNameCheck::Refused},   {"Help", FolderNameCheck::Duplicate}, {"help", FolderNameCheck::Fine},
        {"Manual", FolderNameCheck::Fine},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Win32FolderTree::CheckNewName(docs, c.name), c.expected) << c.name.toStdString();
    EXPECT_EQ(Win32FolderTree::RenamedPath(docs, "Manual"), "{app}\\Manual\\");
}

TEST(Win32FileEditsTest, AddedFoldersAreNumberedUnderTheSelectedNode)
{
    TWin32Plugin plugin;
    addFile(plugin, "a", "{app}\\Docs\\");
    Win32FolderTree tree = Win32FolderTree::Build(plugin);
    Win32FileEdits edits(plugin);
    Win32FolderNode &app = *tree.FindPath("{app}\\");
    EXPECT_EQ(edits.AddFolder(app), "{app}\\New Folder");
    tree.AddChild(app, "New Folder", Win32FolderKind::Plain);
    EXPECT_EQ(edits.AddFolder(app), "{app}\\New Folder 1");
    EXPECT_EQ(edits.AddFolder(*tree.FindPath("{app}\\Docs\\")), "{app}\\Docs\\New Folder");
    EXPECT_TRUE(plugin.Dirs.contains("{app}\\New Folder 1"));
}

TEST(Win32FileEditsTest, AChangedRowGoesToTheFocusedFileAndSharedRowsToTheOthers)
{
    TWin32Plugin plugin;
    addFile(plugin, "a.txt", "{app}");
    addFile(plugin, "b.txt", "{app}\\");
    addFile(plugin, "c.txt", "{app}\\");
    Win32FileEdits edits(plugin);
    const auto rowOf = [](int tag) { return *rowOfTag(fileEntryRows(), tag); };

    edits.ChangeRow(0, {0, 1, 2}, rowOf(0), "new.txt");
    EXPECT_EQ(plugin.FileEntries[0].Source, "new.txt");
    EXPECT_EQ(plugin.FileEntries[1].Source, "b.txt") << "each file keeps its own source";
    EXPECT_EQ(plugin.FileEntries[0].Destination, "{app}\\") << "the focused destination ends with a backslash";
    edits.ChangeRow(0, {0, 1}, rowOf(2), "renamed.txt");
    EXPECT_EQ(plugin.FileEntries[1].DestinationName, QString());

    edits.ChangeRow(1, {0, 1}, rowOf(3), "yes");
    EXPECT_TRUE(plugin.FileEntries[0].AttributesReadOnly);
    EXPECT_TRUE(plugin.FileEntries[1].AttributesReadOnly);
    EXPECT_FALSE(plugin.FileEntries[2].AttributesReadOnly);

    edits.ChangeRow(2, {1, 2}, rowOf(1), "{app}\\Bin");
    EXPECT_EQ(destinations(plugin), QStringList({"{app}\\", "{app}\\Bin\\", "{app}\\Bin\\"}));
    edits.ChangeRow(2, {2}, rowOf(1), "");
    EXPECT_EQ(plugin.FileEntries[2].Destination, "{app}\\") << "an empty folder is the program's";

    EXPECT_TRUE(edits.IsListedIn(1, "{APP}\\bin\\"));
    EXPECT_FALSE(edits.IsListedIn(1, "{app}\\"));
    for (int tag : {1, 3, 27})
        EXPECT_TRUE(Win32FileEdits::IsSharedRow(tag)) << tag;
    for (int tag : {0, 2})
        EXPECT_FALSE(Win32FileEdits::IsSharedRow(tag)) << tag;
    EXPECT_EQ(edits.Choices(1).value_or(QStringList()).first(), "{app}");
    EXPECT_FALSE(edits.Choices(0).has_value());
}

TEST(Win32FileEditsTest, TickingAViewForSeveralFilesUnticksTheOtherViewInEach)
{
    TWin32Plugin plugin;
    addFile(plugin, "a.dll", "{app}\\");
    addFile(plugin, "b.dll", "{app}\\");
    addFile(plugin, "c.dll", "{app}\\");
    for (int i = 0; i < 3; ++i)
        plugin.FileEntries[i].Flag64bit = true;
    Win32FileEdits edits(plugin);
    edits.ChangeRow(1, {0, 1}, *rowOfFlag(fileEntryRows(), &TWin32FileEntry::Flag32bit), "yes");
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(plugin.FileEntries[i].Flag32bit) << i;
        EXPECT_FALSE(plugin.FileEntries[i].Flag64bit) << i;
    }
    EXPECT_TRUE(plugin.FileEntries[2].Flag64bit) << "a file not selected keeps its view";
    EXPECT_FALSE(plugin.FileEntries[2].Flag32bit);
}

TEST(Win32FileEditsTest, DeletingListedRowsTakesTheFoldersRowsWithWhatIsBelowThem)
{
    TWin32Plugin plugin;
    addFile(plugin, "a", "{app}\\Docs\\");
    addFile(plugin, "b", "{app}\\Docs\\Sub\\");
    addFile(plugin, "c", "{app}\\");
    addFile(plugin, "d", "{app}\\");
    plugin.Dirs = QStringList{"{app}\\Docs\\Sub\\", "{app}\\Other\\"};
    Win32FileEdits edits(plugin);
    // The roots' lists have no folder of their own: their folder rows take nothing.
    edits.DeleteListedRows(QString(), {}, {"{app}"});
    EXPECT_EQ(plugin.FileEntries.Count(), 4);
    edits.DeleteListedRows("{app}\\", {3}, {"Docs"});
    EXPECT_EQ(destinations(plugin), QStringList({"{app}\\"}));
    EXPECT_EQ(plugin.FileEntries[0].Source, "c");
    EXPECT_EQ(plugin.Dirs, QStringList({"{app}\\Other\\"}));
}
