#include "engine/scriptcode/DirectCopyCode.h"
#include "engine/script/DownloadList.h"
#include "engine/scriptcode/InitializeSetupCode.h"
#include "model/ProjectContainer.h"

#include "CodePartsTestSupport.h"

namespace talmo {
namespace {

using namespace codepartstest;

TDirectCopyModule &addDirectCopy(TProjectContainer &project, const char *caption, const char *location,
                                 const char *source)
{
    TDirectCopyModule &module = project.DirectCopyModules.AddNew();
    module.Caption = QString::fromUtf8(caption);
    module.DefaultInstallLocation = QString::fromUtf8(location);
    module.Files.AddNew().Source = QString::fromUtf8(source);
    return module;
}

// Three modules: a downloaded one, one on the storage card and one whose
// caption needs quoting; the first and the last are hidden.
void fillThreeModules(TProjectContainer &project)
{
    project.DCMRequired = true;
    project.Win32Plugins.AddNew();
    TDirectCopyModule &maps = addDirectCopy(project, "Maps", "\\Program Files\\Maps", "http://example.com/get/data.zip");
    maps.UserCanUpdateInstall = true;
    maps.HiddenInstall = true;
    TDirectCopyModule &voice = addDirectCopy(project, "Voice", "Voice", "C:\\data\\app.zip");
    voice.InstallLocationRootIsSDCard = true;
    voice.UserCanChangeInstallRoot = true;
    TDirectCopyModule &games = addDirectCopy(project, "Kid's Games", "\\Games", "games\\pack.zip");
    games.UserMustSelectInstallLocation = true;
    games.HiddenInstall = true;
}

QStringList body(const TProjectContainer &project, const DownloadList &downloads = {},
                 const QStringList &archiveNames = {})
{
    QStringList lines;
    InitializeSetupCode::WriteInitializeSetup(project, downloads, archiveNames, lines);
    return lines;
}

QStringList expectedBody(const QString &middleFixture)
{
    return FixtureLines(QStringLiteral("initialize-setup-head.txt")) + FixtureLines(middleFixture)
        + FixtureLines(QStringLiteral("decision.txt"));
}

TEST(InitializeSetupCode, FillsTheDirectCopyAndDownloadTables)
{
    TProjectContainer project;
    fillThreeModules(project);
    DownloadList downloads;
    downloads.Add(QStringLiteral("http://example.com/get/data.zip"), QStringLiteral("ExpandConstant('{tmp}\\data.zip')"),
                  QStringLiteral("dcm0"), DownloadList::NeedsActiveSync);
    EXPECT_EQ(Text(body(project, downloads)), Text(expectedBody(QStringLiteral("initialize-setup-three-modules.txt"))));
}

TEST(InitializeSetupCode, DesktopOnlyProjectFillsNoTables)
{
    TProjectContainer project;
    project.Win32Only = true;
    const QStringList middle = Lines({
        "  hasWin32:=False;",
        "  hasCabs:=False;",
        "  Win32Only:=True;",
        "  wantsPalm:=False;",
        "  RegQueryStringValue(HKEY_LOCAL_MACHINE, 'SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\CEAPPMGR.EXE','', Path);",
        "  if Path = '' then ASync:=false else ASync:=True;",
        "  PalmSync:=True;",
        "  wantsASync:=(not Win32Only) or hasCabs;",
    });
    EXPECT_EQ(Text(body(project)), Text(FixtureLines(QStringLiteral("initialize-setup-head.txt")) + middle
                                 + FixtureLines(QStringLiteral("decision.txt"))));
}

TEST(InitializeSetupCode, PalmSectionsAskForTheHotSyncCheck)
{
    TProjectContainer project;
    project.PalmSections.AddNew();
    project.CabCollections.AddNew();
    const QStringList lines = body(project);
    EXPECT_TRUE(lines.contains(QStringLiteral("  wantsPalm:=True;")));
    EXPECT_TRUE(lines.contains(QStringLiteral("  hasCabs:=True;")));
    EXPECT_TRUE(lines.contains(QStringLiteral("  PalmSync:=PalmInitializeSetup();")));
}

TEST(InitializeSetupCode, ArchiveNamesOfTheFilesSectionWin)
{
    TProjectContainer project;
    fillThreeModules(project);
    const QStringList lines = body(project, {}, { QStringLiteral("data.zip"), QStringLiteral("app.zip"), QStringLiteral("pack-2.zip") });
    EXPECT_TRUE(lines.contains(QStringLiteral("  DirectCopyModuleOptions[2].ZipFileName:='pack-2.zip';")));
}

TEST(DirectCopyCode, HiddenModulesFollowTheComponentPage)
{
    struct Case
    {
        bool showComponents;
        QList<int> hiddenFlags;
        QList<int> expected;
        const char *declaration;
    };
    const Case cases[] = {
        { false, { 0 }, { 0, 1, 2 }, "  DirectCopyHiddenModules: array[0..2] of Integer;" },
        { true, { 0 }, { 0 }, "  DirectCopyHiddenModules: array[0..0] of Integer;" },
        { true, {}, {}, "  DirectCopyHiddenModules: array[0..0] of Integer;" },
        { true, { 1, 2 }, { 1, 2 }, "  DirectCopyHiddenModules: array[0..1] of Integer;" },
    };
    for (const Case &c : cases) {
        TProjectContainer project;
        project.ShowComponentsDialog = c.showComponents;
        for (int i = 0; i < 3; ++i)
            addDirectCopy(project, "M", "\\M", "m.zip").HiddenInstall = c.hiddenFlags.contains(i);
        EXPECT_EQ(DirectCopyCode::HiddenModules(project), c.expected);

        QStringList code;
        DirectCopyCode::WriteDirectCopyCode(project, code);
        EXPECT_TRUE(code.contains(QLatin1String(c.declaration))) << c.declaration;
        EXPECT_TRUE(code.contains(QStringLiteral("  DirectCopyModuleOptions: array[0..2] of TDirectCopyModuleOptions;")));

        const QStringList setup = body(project);
        EXPECT_TRUE(setup.contains(QStringLiteral("  DirectCopyHiddenModulesCount:=%1;").arg(c.expected.size())));
    }
}

TEST(DirectCopyCode, DeclarationsComeFirst)
{
    TProjectContainer project;
    addDirectCopy(project, "M", "\\M", "m.zip");
    QStringList code;
    DirectCopyCode::WriteDirectCopyCode(project, code);
    const QStringList expected = FixtureLines(QStringLiteral("direct-copy-declarations.txt"));
    EXPECT_EQ(Text(code.mid(0, expected.size())), Text(expected));
}

TEST(DirectCopyCode, NothingWithoutModules)
{
    TProjectContainer project;
    QStringList code;
    DirectCopyCode::WriteDirectCopyCode(project, code);
    EXPECT_TRUE(code.isEmpty());
}

} // namespace
} // namespace talmo
