#include "engine/setup/WorkingIniFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace talmo;

namespace {
QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}
} // namespace

TEST(WorkingIniFiles, writesThenRemovesItsFilesAndGivesBackTheUsersOwn)
{
    QTemporaryDir folder;
    writeFile(folder.filePath(QStringLiteral("setup.ini")), "the user's own");
    {
        WorkingIniFiles files(folder.path());
        EXPECT_TRUE(files.Write(QStringLiteral("setup.ini"), "ours"));
        EXPECT_TRUE(files.Write(QStringLiteral("comp-0.ini"), "collection"));
        EXPECT_EQ(contentOf(folder.filePath(QStringLiteral("setup.ini"))), QByteArray("ours"));
        EXPECT_EQ(files.Names(), (QStringList{QStringLiteral("setup.ini"), QStringLiteral("comp-0.ini")}));
        EXPECT_TRUE(files.Clean().isEmpty());
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("setup.ini")});
    EXPECT_EQ(contentOf(folder.filePath(QStringLiteral("setup.ini"))), QByteArray("the user's own"));
}

TEST(WorkingIniFiles, cleansUpWhenDroppedWithoutClean)
{
    QTemporaryDir folder;
    writeFile(folder.filePath(QStringLiteral("netcf20.ini")), "mine");
    writeFile(folder.filePath(QStringLiteral("netcf20.ini.talmo-backup")), "an older leftover");
    {
        WorkingIniFiles files(folder.path());
        EXPECT_TRUE(files.Write(QStringLiteral("netcf20.ini"), "ours"));
    }
    EXPECT_EQ(contentOf(folder.filePath(QStringLiteral("netcf20.ini"))), QByteArray("mine"));
    EXPECT_EQ(contentOf(folder.filePath(QStringLiteral("netcf20.ini.talmo-backup"))), QByteArray("an older leftover"));
}

TEST(WorkingIniFiles, reportsAFileThatCouldNotBeWritten)
{
    QTemporaryDir folder;
    WorkingIniFiles files(folder.filePath(QStringLiteral("no such folder")));
    EXPECT_FALSE(files.Write(QStringLiteral("setup.ini"), "ours"));
}
