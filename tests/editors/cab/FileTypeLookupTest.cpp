#include "editors/common/FileTypeLookup.h"
#include "helpers/ui/SystemImageList.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

// Answers like the desktop would and counts how often it was asked.
struct CountingShell
{
    QStringList asked;
    FileTypeLookup::ShellQuery query()
    {
        return [this](const QString &fileName, bool, bool) {
            asked.append(fileName);
            ShellFileInfo info;
            info.iconIndex = int(asked.size()) + 40;
            info.typeName = QStringLiteral("Type of ") + FileTypeLookup::ExtensionKey(fileName);
            return info;
        };
    }
};

} // namespace

TEST(FileTypeLookup, ExtensionKeys)
{
    const struct
    {
        const char *name;
        const char *key;
    } cases[] = {
        {"ReadMe.TXT", ".txt"},         {"C:\\src\\App.Exe", ".exe"},   {"..\\data\\noext", ""},
        {"dir.d\\file", ""},            {"/tmp/dir.d/file", ""},        {"archive.tar.GZ", ".gz"},
        {"Ünïcode\\Файл.DöC", ".döc"}, {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FileTypeLookup::ExtensionKey(QString::fromUtf8(c.name)), QString::fromUtf8(c.key)) << c.name;
}

TEST(FileTypeLookup, AsksTheShellOncePerExtensionAndFillsTheSharedCacheInStep)
{
    ScriptKnowledgeBase knowledge;
    CountingShell shell;
    FileTypeLookup lookup(&knowledge.FileTypeCache(), shell.query());

    const FileTypeLookup::FileType first = lookup.Lookup(QStringLiteral("C:\\a\\ReadMe.TXT"), false);
    const FileTypeLookup::FileType again = lookup.Lookup(QStringLiteral("other.txt"), true);
    lookup.Lookup(QStringLiteral("setup.exe"), false);
    lookup.Lookup(QStringLiteral("Setup.EXE"), false);
    lookup.Lookup(QStringLiteral("Makefile"), false);

    EXPECT_EQ(shell.asked, (QStringList{"C:\\a\\ReadMe.TXT", "setup.exe", "Makefile"}));
    EXPECT_EQ(first.iconIndex, 41);
    EXPECT_EQ(first.typeName, QStringLiteral("Type of .txt"));
    EXPECT_EQ(again.iconIndex, first.iconIndex);
    EXPECT_EQ(again.typeName, first.typeName);
    const FileTypeIconCache &cache = knowledge.FileTypeCache();
    EXPECT_EQ(cache.extensions, (QStringList{".txt", ".exe", ""}));
    EXPECT_EQ(cache.iconIndexes, (QStringList{"41", "42", "43"}));
    EXPECT_EQ(cache.typeNames, (QStringList{"Type of .txt", "Type of .exe", "Type of "}));

    // A second list of the same run finds what the first one learnt.
    FileTypeLookup secondList(&knowledge.FileTypeCache(), shell.query());
    EXPECT_EQ(secondList.Lookup(QStringLiteral("x.Txt"), false).iconIndex, 41);
    EXPECT_EQ(shell.asked.size(), 3);
}

TEST(FileTypeLookup, MissingFilesGetTheirTypeFromTheDesktop)
{
    FileTypeLookup lookup(nullptr);
    const FileTypeLookup::FileType text =
        lookup.LookupReference(QStringLiteral("/projects/demo.tlm"), QStringLiteral("..\\gone\\readme.txt"), false);
    const FileTypeLookup::FileType image = lookup.Lookup(QStringLiteral("/nowhere/picture.png"), false);
    EXPECT_FALSE(text.typeName.isEmpty());
    EXPECT_NE(text.typeName, image.typeName);
    EXPECT_FALSE(SystemImageList::instance().icon(text.iconIndex).isNull());
    EXPECT_FALSE(SystemImageList::instance().icon(image.iconIndex).isNull());
}
