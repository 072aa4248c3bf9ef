#include "helpers/core/PathFileSearch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

// root/ a.TMP b.tmp c.txt .hidden.tmp noext  sub.tmp/ (x.tmp .y Deep/ (z.Txt))
class FileSearch : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        root = dir.path() + '/';
        QDir(root).mkpath("sub.tmp/Deep");
        for (const char *name : { "a.TMP", "b.tmp", "c.txt", ".hidden.tmp", "noext", "sub.tmp/x.tmp",
                                  "sub.tmp/.y", "sub.tmp/Deep/z.Txt" }) {
            QFile file(root + name);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }

    QStringList relative(const QStringList &paths) const
    {
        QStringList names;
        for (const QString &path : paths)
            names << path.mid(root.size());
        return names;
    }

    QTemporaryDir dir;
    QString root;
};

} // namespace

TEST_F(FileSearch, AddsMatchingFilesButNoFolders)
{
    QStringList list{ "kept" };
    AddFilesByMask(list, dir.path(), "*.tmp");
    EXPECT_EQ(list.takeFirst(), "kept");
    EXPECT_EQ(relative(list), QStringList({ ".hidden.tmp", "a.TMP", "b.tmp" }));

    QStringList all;
    AddFilesByMask(all, root, "*.*");
    EXPECT_EQ(relative(all), QStringList({ ".hidden.tmp", "a.TMP", "b.tmp", "c.txt", "noext" }));
}

TEST_F(FileSearch, ListsFoldersWithOrWithoutTheirSubFolders)
{
    QStringList flat;
    ListFilesRecursive(dir.path(), flat, false);
    EXPECT_EQ(relative(flat), QStringList({ "a.TMP", "b.tmp", "c.txt", "noext" }));

    QStringList deep;
    ListFilesRecursive(root, deep, true);
    EXPECT_EQ(relative(deep), QStringList({ "a.TMP", "b.tmp", "c.txt", "noext", "sub.tmp/Deep/z.Txt",
                                            "sub.tmp/x.tmp" }));

    QStringList masked;
    ListFilesRecursive(root + "*.txt", masked, true);
    EXPECT_EQ(relative(masked), QStringList({ "c.txt" }));

    QStringList missing;
    ListFilesRecursive(root + "nothing/*.*", missing, true);
    EXPECT_TRUE(missing.isEmpty());
}

TEST_F(FileSearch, ALinkBackUpTheTreeIsSearchedOnce)
{
    ASSERT_TRUE(QFile::link(root, root + "sub.tmp/Deep/up"));
    QStringList found;
    ListFilesRecursive(root, found, true);
    EXPECT_EQ(found.size(), 6);
}
