#include "helpers/core/PathHelpers.h"

#include <gtest/gtest.h>

using namespace talmo;

TEST(PathHelpers, TellsUrlsAndRelativePaths)
{
    struct Case { const char *text; bool url; bool relative; };
    const Case cases[] = {
        { "http://x.org/a.cab", true, false },
        { "HTTPS://x.org/a.cab", true, false },
        { "ftp://x.org/a", true, false },
        { "Ftpclient.exe", true, false },
        { "httpd.exe", true, false },
        { "C:\\a", false, false },
        { "d:", false, false },
        { "/usr/share/a", false, false },
        { "\\a", false, false },
        { "\\\\server\\share\\a", false, false },
        { "a\\b", false, true },
        { "a/b", false, true },
        { "..\\a", false, true },
        { "x", false, true },
        { "", false, true },
    };
    for (const Case &c : cases) {
        EXPECT_EQ(IsUrl(c.text), c.url) << c.text;
        EXPECT_EQ(IsRelativePath(c.text), c.relative) << c.text;
    }
}

TEST(PathHelpers, ExtractsTheFileNameOfAnUrl)
{
    EXPECT_EQ(ExtractUrlFileName("http://x.org/dl/app.cab"), "app.cab");
    EXPECT_EQ(ExtractUrlFileName("app.cab"), "app.cab");
    EXPECT_EQ(ExtractUrlFileName("http://x.org/dl/"), "");
}

TEST(PathHelpers, ResolvesRelativePaths)
{
    struct Case { const char *base; const char *relative; const char *resolved; };
    const Case cases[] = {
        { "C:\\Projects\\App\\", "images\\icon.ico", "C:\\Projects\\App\\images\\icon.ico" },
        { "C:\\Projects\\App\\", "..\\images\\icon.ico", "C:\\Projects\\images\\icon.ico" },
        { "C:\\Projects\\App\\", "..\\..\\x.txt", "C:\\x.txt" },
        { "C:\\Projects\\App\\", "..\\..\\..\\x.txt", "x.txt" },
        { "C:\\Projects\\App\\", "", "C:\\Projects\\App\\" },
        { "C:\\Projects\\App\\", "C:\\Projects\\App\\", "" },
        { "C:\\Projects\\App\\", "a..b.txt", "C:\\Projects\\App\\a..b.txt" },
        { "C:\\Projects\\App\\", "a\\..\\b.txt", "C:\\Projects\\App\\b.txt" },
        { "C:\\Projects\\App", "x", "C:\\Projects\\App\\x" },
        { "/home/me/proj/", "img/a.png", "/home/me/proj/img/a.png" },
        { "/home/me/proj/", "../shared/a.png", "/home/me/shared/a.png" },
        { "/home/me/proj/", "..\\..\\a.png", "/home/a.png" },
        { "/home/me/proj/", "../../../a.png", "/a.png" },
        { "/home/me/proj", "Bilder/\u00c4pfel.png", "/home/me/proj/Bilder/\u00c4pfel.png" },
    };
    for (const Case &c : cases)
        EXPECT_EQ(ResolveRelativePath(c.base, c.relative), c.resolved) << c.base << " + " << c.relative;
}

TEST(PathHelpers, MakesRelativePathsThatResolveBack)
{
    struct Case { const char *base; const char *absolute; const char *relative; };
    const Case cases[] = {
        { "C:\\Projects\\App\\", "C:\\Projects\\App\\images\\icon.ico", "images\\icon.ico" },
        { "C:\\Projects\\App\\", "C:\\Projects\\Other\\x.txt", "..\\Other\\x.txt" },
        { "C:\\Projects\\App\\", "C:\\x.txt", "..\\..\\x.txt" },
        { "C:\\Projects\\App\\", "C:\\Projects\\App\\sub\\", "sub\\" },
        // Paths of this machine are stored in the project file's backslash form too.
        { "/home/me/proj/", "/home/me/proj/img/a.png", "img\\a.png" },
        { "/home/me/proj/", "/home/me/Pictures/a.png", "..\\Pictures\\a.png" },
        { "/home/me/proj/", "/opt/data/a.png", "..\\..\\..\\opt\\data\\a.png" },
        { "/home/me/proj/", "/home/me/src/", "..\\src\\" },
        { "/home/me/proj", "/home/me/proj/\u6e2c\u8a66.txt", "\u6e2c\u8a66.txt" },
    };
    for (const Case &c : cases) {
        const QString relative = MakeRelativePath(c.base, c.absolute);
        EXPECT_EQ(relative, c.relative) << c.base << " ~ " << c.absolute;
        EXPECT_EQ(ToHostPath(ResolveRelativePath(c.base, relative)), ToHostPath(c.absolute)) << c.relative;
    }
}

TEST(PathHelpers, StoresAPickedFileRelativeToTheProjectWhenAsked)
{
    struct Case { const char *project; const char *chosen; bool relative; const char *stored; };
    const Case cases[] = {
        { "/home/me/proj/app.talmo", "/home/me/src/a.txt", true, "..\\src\\a.txt" },
        { "/home/me/proj/app.talmo", "/home/me/proj/a.txt", true, "a.txt" },
        { "/home/me/proj/app.talmo", "/home/me/src/a.txt", false, "/home/me/src/a.txt" },
        { "", "/home/me/src/a.txt", true, "/home/me/src/a.txt" },
        { "C:\\Projects\\App\\app.talmo", "D:\\data\\x.txt", true, "D:\\data\\x.txt" },
        { "/home/me/proj/app.talmo", "http://x.org/a.zip", true, "http://x.org/a.zip" },
    };
    for (const Case &c : cases)
        EXPECT_EQ(StoredFileReference(c.project, c.chosen, c.relative), c.stored) << c.chosen;
}

TEST(PathHelpers, AppendsAnExtensionOnlyWhenTheNameLacksIt)
{
    EXPECT_EQ(WithExtension("/p/MyApp", ".talmo"), "/p/MyApp.talmo");
    EXPECT_EQ(WithExtension("/p/MyApp.TALMO", ".talmo"), "/p/MyApp.TALMO");
    EXPECT_EQ(WithExtension("/p/My.App", ".talmo"), "/p/My.App.talmo");
    EXPECT_EQ(WithExtension("/p/all.talmopm", ".talmopm"), "/p/all.talmopm");
}

TEST(PathHelpers, KeepsWhatCannotBeMadeRelative)
{
    const std::pair<const char *, const char *> cases[] = {
        { "C:\\Projects\\App\\", "D:\\data\\x.txt" },
        { "C:\\Projects\\App\\", "images\\x.txt" },
        { "C:\\Projects\\App\\", "http://x.org/a.cab" },
        { "/home/me/", "C:\\x.txt" },
    };
    for (const auto &[base, path] : cases)
        EXPECT_EQ(MakeRelativePath(base, path), path) << path;
}

TEST(PathHelpers, ResolvesStoredReferencesAgainstTheProjectFile)
{
    const QString project = "/home/me/proj/app.talmo";
    EXPECT_EQ(ResolveFileReference(project, "img\\a.png"), "/home/me/proj/img\\a.png");
    EXPECT_EQ(ToHostPath(ResolveFileReference(project, "..\\b.png")), "/home/me/b.png");
    EXPECT_EQ(ResolveFileReference(project, "/etc/x"), "/etc/x");
    EXPECT_EQ(ResolveFileReference(project, "ftp://x.org/a"), "ftp://x.org/a");
    EXPECT_EQ(ResolveFileReference(project, ""), "");
}

TEST(PathHelpers, FolderParts)
{
    EXPECT_EQ(ExtractFileFolder("C:\\a\\b.txt"), "C:\\a\\");
    EXPECT_EQ(ExtractFileFolder("/a/b.txt"), "/a/");
    EXPECT_EQ(ExtractFileFolder("b.txt"), "");
    EXPECT_EQ(FileNamePart("C:\\a/b\\c.txt"), "c.txt");
    EXPECT_EQ(FileNamePart("/a\\b/c.txt"), "c.txt");
    EXPECT_EQ(FileNamePart("c.txt"), "c.txt");
    EXPECT_EQ(FileNamePart("/a/"), "");

    const std::pair<const char *, const char *> included[] = {
        { "", "" }, { "C:\\a", "C:\\a\\" }, { "C:\\a\\", "C:\\a\\" },
        { "/a", "/a/" }, { "/a/", "/a/" }, { "%CE1%", "%CE1%\\" },
    };
    for (const auto &[path, withSeparator] : included)
        EXPECT_EQ(IncludeTrailingSeparator(path), withSeparator) << path;

    EXPECT_EQ(ExcludeTrailingSeparator("/tmp/"), "/tmp");
    EXPECT_EQ(ExcludeTrailingSeparator("C:\\tmp\\"), "C:\\tmp");
    EXPECT_EQ(ExcludeTrailingSeparator("/"), "/");
    EXPECT_EQ(ToHostPath("sub\\dir/file"), "sub/dir/file");
}

TEST(PathHelpers, TellsANameThatLeavesItsFolder)
{
    const std::pair<const char *, bool> cases[] = {
        {"app.exe", false}, {"sub\\app.exe", false}, {"..app", false},   {"a..b\\c", false},
        {"../x", true},     {"..\\..\\x", true},     {"sub/../../x", true}, {"\\Windows\\x", true},
        {"/x", true},       {"C:x", true},           {"..", true},
    };
    for (const auto &[name, leaves] : cases)
        EXPECT_EQ(LeavesItsFolder(QString::fromUtf8(name)), leaves) << name;
    EXPECT_TRUE(ClimbsOutOfItsFolder(QStringLiteral("%InstallDir%\\..\\Windows")));
    EXPECT_FALSE(ClimbsOutOfItsFolder(QStringLiteral("\\Windows\\Fonts")));
}
