#include "tests/editors/core/device/CabPageFixture.h"

#include "editors/core/device/DeviceFileEntries.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

struct Entry
{
    QString sourceDir;
    QString name;
    QString destinationDir;

    bool operator==(const Entry &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Entry &entry)
{
    return out << '{' << entry.sourceDir.toStdString() << ", " << entry.name.toStdString() << ", "
               << entry.destinationDir.toStdString() << '}';
}

QList<Entry> entriesFrom(const TCEDevice &target, int first)
{
    QList<Entry> entries;
    for (int i = first; i < target.Files.Count(); ++i) {
        const TPPCFS_File &file = target.Files[i];
        EXPECT_EQ(file.SourceName, file.DestinationName);
        EXPECT_EQ(file.Attributes, 0);
        entries.append({ file.SourceDir, file.SourceName, file.DestinationDir });
    }
    return entries;
}

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

class DeviceFileEntriesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        touch(root.filePath("project/data/top.bin"));
        touch(root.filePath("project/data/sub/A.Txt"));
        touch(root.filePath("outside/ReadMe.TXT"));
        project->SetFileName(root.filePath("project/app.cpp-project"));
        project->Modified = false;
    }

    QTemporaryDir root;
    std::unique_ptr<TProjectContainer> project = test::cabPageProject();
    TCEDevice &target = project->CEDevices[1];
    DeviceFileEntries entries { *project, target };
};

TEST_F(DeviceFileEntriesTest, AddFilesToTargetKeepsFoldersAndCase)
{
    const int before = target.Files.Count();
    const QStringList names = { root.filePath("project/data"), root.filePath("outside/ReadMe.TXT") };
    EXPECT_TRUE(DeviceFileEntries::AnyIsFolder(names));
    EXPECT_EQ(entries.AddFilesToTarget(QStringLiteral("%InstallDir%\\"), names, true, true), 3);
    const QList<Entry> expected = {
        { "data\\sub\\", "A.Txt", "%InstallDir%\\data\\sub\\" },
        { "data\\", "top.bin", "%InstallDir%\\data\\" },
        { "..\\outside\\", "ReadMe.TXT", "%InstallDir%\\" },
    };
    QList<Entry> added = entriesFrom(target, before);
    std::sort(added.begin(), added.end() - 1,
              [](const Entry &a, const Entry &b) { return a.destinationDir > b.destinationDir; });
    EXPECT_EQ(added, expected);
    EXPECT_TRUE(project->Modified);
}

TEST_F(DeviceFileEntriesTest, AddFilesWithoutSubfoldersOrRelativePaths)
{
    const int before = target.Files.Count();
    const QString data = root.filePath("project/data");
    EXPECT_FALSE(DeviceFileEntries::AnyIsFolder({ root.filePath("outside/ReadMe.TXT") }));
    EXPECT_EQ(entries.AddFilesToTarget(QStringLiteral("Program Files\\My App\\"), { data }, false, false), 1);
    const QList<Entry> expected = { { data + "/", "top.bin", "%CE1%\\%AppName%\\data\\" } };
    EXPECT_EQ(entriesFrom(target, before), expected);
}

TEST_F(DeviceFileEntriesTest, AddingAnEmptyFolderStillCountsAsAnEdit)
{
    const QString empty = root.filePath("empty");
    ASSERT_TRUE(QDir().mkpath(empty));
    EXPECT_EQ(entries.AddFilesToTarget(QStringLiteral("Program Files\\"), { empty }, true, true), 0);
    EXPECT_EQ(target.Files.Count(), 3);
    EXPECT_TRUE(project->Modified);
}

TEST_F(DeviceFileEntriesTest, AddFileEntryConvertsTheFolder)
{
    const int before = target.Files.Count();
    entries.AddBlankEntry(QStringLiteral("Program Files\\My App\\"));
    entries.AddFileEntry(QStringLiteral("Windows\\Start Menu\\"), root.filePath("outside/ReadMe.TXT"), true);
    entries.AddFileEntry(QString(), root.filePath("outside/ReadMe.TXT"), false);
    const QList<Entry> expected = {
        { "", "ChangeMe", "%CE1%\\%AppName%\\" },
        { "..\\outside\\", "ReadMe.TXT", "%CE17%\\" },
        { root.filePath("outside/"), "ReadMe.TXT", "\\" },
    };
    EXPECT_EQ(entriesFrom(target, before), expected);
}

TEST_F(DeviceFileEntriesTest, FolderListingRenameAndDelete)
{
    EXPECT_EQ(entries.FilesInFolder(QStringLiteral("Program Files\\My App\\")), QList<int>({ 0 }));
    EXPECT_EQ(entries.FilesInFolder(QStringLiteral("%InstallDir%\\")), QList<int>({ 2 }));
    EXPECT_TRUE(entries.FilesInFolder(QStringLiteral("Program Files\\")).isEmpty());

    entries.RenameFolder(QStringLiteral("Program Files\\My App\\"), QStringLiteral("Tools"));
    EXPECT_EQ(target.Files[0].DestinationDir, QStringLiteral("%CE1%\\Tools\\"));
    EXPECT_EQ(target.Files[1].DestinationDir, QStringLiteral("%CE1%\\Tools\\data\\"));
    EXPECT_EQ(target.Files[2].DestinationDir, QStringLiteral("%InstallDir%\\"));
    EXPECT_EQ(project->CEDevices[2].Files[0].DestinationDir, QStringLiteral("%CE1%\\%AppName%\\"));
    EXPECT_TRUE(project->Modified);

    EXPECT_EQ(entries.DeleteFolder(QStringLiteral("Program Files\\Tools\\data\\")), 1);
    EXPECT_EQ(entries.DeleteFolder(QStringLiteral("Program Files\\")), 1);
    ASSERT_EQ(target.Files.Count(), 1);
    EXPECT_EQ(target.Files[0].DestinationName, QStringLiteral("readme.txt"));
}

TEST_F(DeviceFileEntriesTest, RenameAndDeleteFindFilesByTheFolderTheyResolveTo)
{
    // Three spellings of one folder: the macros as the page writes them, the
    // application name typed out, and lower-case macros from a hand-edited file.
    target.Files[1].DestinationDir = QStringLiteral("%CE1%\\My App\\data\\");
    target.Files[2].DestinationDir = QStringLiteral("%ce1%\\%appname%\\");
    EXPECT_EQ(entries.FilesInFolder(QStringLiteral("Program Files\\My App\\")), QList<int>({ 0, 2 }));

    entries.RenameFolder(QStringLiteral("Program Files\\My App\\"), QStringLiteral("Tools"));
    EXPECT_EQ(target.Files[0].DestinationDir, QStringLiteral("%CE1%\\Tools\\"));
    EXPECT_EQ(target.Files[1].DestinationDir, QStringLiteral("%CE1%\\Tools\\data\\"));
    EXPECT_EQ(target.Files[2].DestinationDir, QStringLiteral("%CE1%\\Tools\\"));

    target.Files[0].DestinationDir = QStringLiteral("%ce1%\\tools\\");
    EXPECT_EQ(entries.DeleteFolder(QStringLiteral("Program Files\\Tools\\")), 2);
    ASSERT_EQ(target.Files.Count(), 1);
    EXPECT_EQ(target.Files[0].DestinationDir, QStringLiteral("%ce1%\\tools\\")) << "another folder by its letter case";
}

TEST_F(DeviceFileEntriesTest, CopyFlagOnSeveralRowsAndDeletingRows)
{
    entries.SetCopyFlag({ 0, 1, 2 }, 3);
    for (const TPPCFS_File &file : target.Files)
        EXPECT_EQ(CopyFlagName(file.Attributes), QStringLiteral("COPYFLG_NO_OVERWRITE"));
    EXPECT_EQ(CopyFlagName(8), QStringLiteral("Default"));
    EXPECT_EQ(CopyFlagNames().size(), 8);

    entries.DeleteFiles({ 0, 2, 0 });
    ASSERT_EQ(target.Files.Count(), 1);
    EXPECT_EQ(target.Files[0].DestinationName, QStringLiteral("a.dat"));
}

TEST_F(DeviceFileEntriesTest, SourceAndDestinationNameTakeTheirParts)
{
    const struct { const char *source; const char *dir; const char *name; } sources[] = {
        { "..\\lib\\Core.DLL", "..\\lib\\", "Core.DLL" },
        { "/home/me/Bin/tool.exe", "/home/me/Bin/", "tool.exe" },
        { "bare.txt", "", "bare.txt" },
        { "C:\\Проект\\данные.bin", "C:\\Проект\\", "данные.bin" },
    };
    for (const auto &c : sources) {
        project->Modified = false;
        entries.SetSource(1, QString::fromUtf8(c.source));
        EXPECT_EQ(target.Files[1].SourceDir, QString::fromUtf8(c.dir)) << c.source;
        EXPECT_EQ(target.Files[1].SourceName, QString::fromUtf8(c.name)) << c.source;
        EXPECT_TRUE(project->Modified);
    }
    entries.SetDestinationName(1, QStringLiteral("sub\\Renamed.Dat"));
    EXPECT_EQ(target.Files[1].DestinationName, QStringLiteral("Renamed.Dat"));
    EXPECT_EQ(target.Files[0].DestinationName, QStringLiteral("app.exe"));
}

TEST_F(DeviceFileEntriesTest, CopyFlagsByNameAndAllPropertiesAtOnce)
{
    EXPECT_TRUE(entries.SetCopyFlagNamed({ 0, 2 }, QStringLiteral("COPYFLG_NOSKIP")));
    EXPECT_EQ(target.Files[0].Attributes, 2);
    EXPECT_EQ(target.Files[1].Attributes, 0);
    EXPECT_EQ(target.Files[2].Attributes, 2);
    project->Modified = false;
    EXPECT_FALSE(entries.SetCopyFlagNamed({ 0 }, QStringLiteral("copyflg_noskip")));
    EXPECT_EQ(target.Files[0].Attributes, 2);
    EXPECT_FALSE(project->Modified);

    entries.SetProperties(1, QStringLiteral("other\\tool.exe"), QStringLiteral("dir\\tool.EXE"), 7);
    const TPPCFS_File &file = target.Files[1];
    EXPECT_EQ(file.SourceDir, QStringLiteral("other\\"));
    EXPECT_EQ(file.SourceName, QStringLiteral("tool.exe"));
    EXPECT_EQ(file.DestinationName, QStringLiteral("tool.EXE"));
    EXPECT_EQ(file.Attributes, 7);
    EXPECT_EQ(entries.SourcePath(1), QStringLiteral("other\\tool.exe"));
    EXPECT_TRUE(project->Modified);
}

TEST_F(DeviceFileEntriesTest, InspectionFollowsTheSelection)
{
    target.Files[2].Attributes = 3;
    const struct
    {
        QList<int> selected;
        const char *caption;
        bool single;
        bool showsFlag;
        const char *name;
        const char *source;
        const char *flag;
    } cases[] = {
        { {}, "No File is Selected", false, false, "", "", "" },
        { { 0 }, "File Properties", true, true, "app.exe", "bin1\\app.exe", "Default" },
        { { 2, 0 }, "Multiple Files", false, true, "", "", "COPYFLG_NO_OVERWRITE" },
    };
    for (const auto &c : cases) {
        const DeviceFileEntries::Inspection shown = entries.Inspect(c.selected);
        EXPECT_EQ(shown.caption, QLatin1String(c.caption));
        EXPECT_EQ(shown.single, c.single) << c.caption;
        EXPECT_EQ(shown.showsFlag, c.showsFlag) << c.caption;
        EXPECT_EQ(shown.name, QLatin1String(c.name)) << c.caption;
        EXPECT_EQ(shown.source, QLatin1String(c.source)) << c.caption;
        EXPECT_EQ(shown.flag, QLatin1String(c.flag)) << c.caption;
    }
}

TEST(FileRowOrderTest, ComparesCellsThenCaptions)
{
    const QStringList a = { "b.txt", "Text", "C:\\x\\b.txt", "Default" };
    const QStringList b = { "A.txt", "text", "C:\\x\\a.txt", "Default" };
    const struct { int column; bool ascending; int sign; } cases[] = {
        { 0, true, 1 },   // captions ignoring case
        { 0, false, -1 },
        { 1, true, 0 },   // "Text" and "text" differ exactly, not ignoring case
        { 2, true, 1 },
        { 3, true, 1 },   // equal cells: captions decide
        { 3, false, -1 },
    };
    for (const auto &c : cases) {
        const int result = CompareFileRows(a, b, c.column, c.ascending);
        EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.column;
    }
}

} // namespace
