#include "ProjectFileFixtures.h"

#include "model/ProjectFileWriter.h"
#include "tests/support/ScopedFileSizeLimit.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace talmo;
using namespace talmo::testing;

namespace {

QByteArray savedBytes(TProjectContainer &project, const QString &fileName)
{
    EXPECT_TRUE(ProjectFileWriter::SaveToFile(project, fileName));
    return ReadFile(fileName);
}

} // namespace

TEST(ProjectFileWriter, WritesAResetProjectWithEveryRootElement)
{
    QTemporaryDir dir;
    TProjectContainer project;
    const QByteArray bytes = savedBytes(project, dir.filePath("reset.talmo"));
    EXPECT_EQ(Outline(bytes), QString::fromUtf8(ReadFixture("reset-project.outline")));
}

TEST(ProjectFileWriter, WritesEveryListAndItemInFileOrder)
{
    QTemporaryDir dir;
    TProjectContainer project;
    FillFullProject(project);
    SeedNames(project);
    const QByteArray bytes = savedBytes(project, dir.filePath("full.talmo"));
    EXPECT_EQ(Outline(bytes), QString::fromUtf8(ReadFixture("full-project.outline")));
}

TEST(ProjectFileWriter, WritesTheDocumentByteForByte)
{
    QTemporaryDir dir;
    TProjectContainer project;
    project.AppName = "R&D <Tools>";
    project.CommonCode = QStringList{ "begin", "", "end;", "", "" };
    EXPECT_EQ(savedBytes(project, dir.filePath("minimal.talmo")), ReadFixture("minimal-project.talmo"));
}

TEST(ProjectFileWriter, SaveTakesTheNameAndLeavesTheOldFileAlone)
{
    QTemporaryDir dir;
    const QString oldName = dir.filePath("old.talmo");
    TProjectContainer project;
    project.SetAppName("First");
    savedBytes(project, oldName);
    const QByteArray oldBytes = ReadFile(oldName);

    project.SetAppName("Second");
    const QString newName = dir.filePath("new.talmo");
    ASSERT_TRUE(ProjectFileWriter::SaveToFile(project, newName));
    EXPECT_EQ(project.FileName, newName);
    EXPECT_FALSE(project.Modified);
    EXPECT_EQ(ReadFile(oldName), oldBytes);
}

TEST(ProjectFileWriter, FailedSaveKeepsTheOldFileTheNameAndTheModifiedFlag)
{
    struct Case
    {
        const char *what;
        QString pairName;
        bool intoMissingFolder;
    };
    const Case cases[] = {
        { "pair name with a blank", "A B", false },
        { "empty pair name", "", false },
        { "pair name beginning with a digit", "1st", false },
        { "folder that does not exist", "Fine", true },
    };
    for (const Case &c : cases) {
        QTemporaryDir dir;
        const QString fileName = c.intoMissingFolder ? dir.filePath("missing/project.talmo") : dir.filePath("project.talmo");
        TProjectContainer project;
        if (!c.intoMissingFolder)
            savedBytes(project, fileName);
        const QByteArray before = c.intoMissingFolder ? QByteArray() : ReadFile(fileName);
        project.SetFileName("/somewhere/else.talmo");
        project.StringPairs.AddNew(TStringPair{ c.pairName, "B" });
        project.Modified = true;

        EXPECT_FALSE(ProjectFileWriter::SaveToFile(project, fileName)) << c.what;
        EXPECT_EQ(project.FileName, "/somewhere/else.talmo") << c.what;
        EXPECT_TRUE(project.Modified) << c.what;
        if (c.intoMissingFolder)
            EXPECT_FALSE(QFile::exists(fileName)) << c.what;
        else
            EXPECT_EQ(ReadFile(fileName), before) << c.what;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), c.intoMissingFolder ? 0 : 1) << c.what;
    }
}

// A small project fits in Qt's write buffer, so only the last flush meets the
// full disk: that failure must still fail the save.
TEST(ProjectFileWriter, ASaveOnAFullDiskFailsAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath("project.talmo");
    TProjectContainer project;
    const QByteArray before = savedBytes(project, fileName);
    project.SetFileName("/somewhere/else.talmo");
    project.Modified = true;
    bool saved = true;
    {
        ScopedFileSizeLimit fullDisk(64);
        saved = ProjectFileWriter::SaveToFile(project, fileName);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadFile(fileName), before);
    EXPECT_EQ(project.FileName, "/somewhere/else.talmo");
    EXPECT_TRUE(project.Modified);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(ProjectFileWriter, WritesAPairAsAnElementNamedAfterIt)
{
    TProjectContainer project;
    project.StringPairs.AddNew(TStringPair{ "A", "B" });
    const auto document = ProjectFileWriter::BuildDocument(project);
    const XmlElement *strings = document->child("Strings");
    ASSERT_NE(strings, nullptr);
    ASSERT_EQ(strings->children().size(), 2u);
    EXPECT_EQ(strings->children()[0]->name(), "count");
    EXPECT_EQ(strings->children()[0]->text(), "1");
    EXPECT_EQ(strings->children()[1]->name(), "A");
    EXPECT_EQ(strings->children()[1]->text(), "B");
}

TEST(ProjectFileWriter, TwoSavesWithoutDeviceFilesAreIdentical)
{
    QTemporaryDir dir;
    TProjectContainer project;
    FillFullProject(project);
    for (TCEDevice &device : project.CEDevices)
        device.Files.Clear();
    const QByteArray first = savedBytes(project, dir.filePath("a.talmo"));
    EXPECT_EQ(savedBytes(project, dir.filePath("b.talmo")), first);
}

TEST(ProjectFileWriter, SavesIntoAStreamUnderTheGivenName)
{
    QTemporaryDir dir;
    TProjectContainer project;
    project.AppName = "R&D <Tools>";
    project.CommonCode = QStringList{ "begin", "", "end;" };
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(ProjectFileWriter::SaveToStream(project, "/projects/streamed.talmo", buffer));
    EXPECT_EQ(buffer.data(), ReadFixture("minimal-project.talmo"));
    EXPECT_EQ(project.FileName, "/projects/streamed.talmo");
    EXPECT_FALSE(project.Modified);
}
