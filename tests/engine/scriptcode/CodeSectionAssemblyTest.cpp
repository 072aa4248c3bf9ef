#include "engine/scriptcode/CodeSectionAssembly.h"
#include "engine/script/ComponentCondition.h"
#include "engine/script/DownloadList.h"
#include "engine/script/ScriptEnvironment.h"
#include "engine/script/ScriptGenerationError.h"
#include "model/ProjectContainer.h"

#include "CodePartsTestSupport.h"

#include <QDir>
#include <QTemporaryDir>

namespace talmo {
namespace {

using namespace codepartstest;

// Writes the [Code] part of a project; the other parts' writers leave a mark.
QStringList assemble(TProjectContainer &project, const DownloadList &downloads = {},
                     const QString &programFolder = QStringLiteral("/nowhere/"))
{
    const ScriptEnvironment environment{ programFolder, [](const QString &) { return true; }, nullptr };
    const ComponentCondition conditions(project);
    const QStringList archiveNames;
    const ScriptCodeContext context{ project, environment, conditions, downloads, archiveNames };
    CodeSectionPartWriters parts;
    parts.palmSupportCode = [](const ScriptCodeContext &, QStringList &lines) { lines.append(QStringLiteral("<palm>")); };
    parts.customFormsCode = [](const ScriptCodeContext &, QStringList &lines) { lines.append(QStringLiteral("<pages>")); };
    parts.downloadCode = [](const ScriptCodeContext &, QStringList &lines) { lines.append(QStringLiteral("<downloads>")); };
    CodeSectionAssembly assembly(parts);
    QStringList script;
    assembly.WriteCodeSection(context, script);
    return script;
}

QStringList withoutPartMarks(QStringList lines)
{
    lines.removeAll(QStringLiteral("<palm>"));
    lines.removeAll(QStringLiteral("<pages>"));
    return lines;
}

QStringList between(const QStringList &lines, const QString &first, const QString &last)
{
    const qsizetype start = lines.indexOf(first);
    const qsizetype end = lines.indexOf(last, start);
    return start < 0 || end < 0 ? QStringList() : lines.mid(start, end - start + 1);
}

TEST(CodeSectionAssembly, DeviceProjectWithAboutLinkAndWelcomeText)
{
    TProjectContainer project;
    project.ShowWelcomePage = false;
    project.Win32AppName = QStringLiteral("My App");
    project.Win32Version = QStringLiteral("1.2");
    project.AboutText = QStringLiteral("About\r\nVersion %Version%");
    project.URL = QStringLiteral("http://example.com/?q=it's");
    project.URLText = QStringLiteral("Visit us");
    project.WelcomeMessage = QStringLiteral("Welcome to %APPNAME%'s setup");
    project.WaitBetweenCabs = true;
    EXPECT_EQ(Text(withoutPartMarks(assemble(project))), Text(FixtureLines(QStringLiteral("assembly-device.txt"))));
}

TEST(CodeSectionAssembly, PartsComeInTheirFixedOrder)
{
    TProjectContainer project;
    DownloadList downloads;
    downloads.Add(QStringLiteral("http://x/a.cab"), QStringLiteral("ExpandConstant('{tmp}\\down-0')"), QString(),
                  DownloadList::NeedsActiveSync);
    const QStringList script = assemble(project, downloads);
    const qsizetype palm = script.indexOf(QStringLiteral("<palm>"));
    const qsizetype pages = script.indexOf(QStringLiteral("<pages>"));
    const qsizetype checkAsync = script.indexOf(QStringLiteral("function CheckAsync(): Boolean;"));
    const qsizetype download = script.indexOf(QStringLiteral("<downloads>"));
    const qsizetype firstCab = script.indexOf(QStringLiteral("  FirstCab: Boolean;"));
    EXPECT_TRUE(palm >= 0 && palm < pages && pages < checkAsync && checkAsync < download && download < firstCab)
        << script.join(QLatin1Char('\n')).toStdString();
}

TEST(CodeSectionAssembly, SetupHasCabOnlyWhenCabsAreInstalled)
{
    struct Case
    {
        bool win32Only;
        int collections;
        bool expected;
    };
    for (const Case &c : { Case{ false, 0, true }, Case{ true, 0, false }, Case{ true, 1, true } }) {
        TProjectContainer project;
        project.Win32Only = c.win32Only;
        for (int i = 0; i < c.collections; ++i)
            project.CabCollections.AddNew();
        EXPECT_EQ(assemble(project).contains(QStringLiteral("  SetupHasCAB=True;")), c.expected)
            << c.win32Only << c.collections;
    }
}

TEST(CodeSectionAssembly, SplashScreenHandsInitializeSetupToTheIncludeLibrary)
{
    TProjectContainer project;
    project.SplashScreenImage = QStringLiteral("splash.bmp");
    const QStringList script = assemble(project);
    const qsizetype head = script.indexOf(QStringLiteral("[ISSI]"));
    ASSERT_GE(head, 0);
    EXPECT_EQ(Text(script.mid(head, 4)), Text(Lines({ "[ISSI]", "#define ISSI_InitializeSetup", "[Code]", "function ISSI_InitializeSetup(): boolean;" })));
    const qsizetype tail = script.indexOf(QStringLiteral("[/Code]"));
    ASSERT_GE(tail, 0);
    EXPECT_EQ(script.at(tail - 1), QStringLiteral("end;"));
    EXPECT_EQ(Text(script.mid(tail, 6)), Text(Lines({ "[/Code]", "", "[Code]", "", "procedure InitializeWizard();", "begin" })));
    EXPECT_FALSE(script.contains(QStringLiteral("function InitializeSetup(): boolean;")));
}

TEST(CodeSectionAssembly, PalmAndDownloadsInTheStepEvents)
{
    TProjectContainer project;
    TPalmSection &palm = project.PalmSections.AddNew();
    palm.Files.AddNew().Source = QStringLiteral("C:\\palm\\app.prc");
    palm.Files.AddNew().Source = QStringLiteral("http://example.com/files/db.pdb");
    DownloadList downloads;
    downloads.Add(QStringLiteral("http://example.com/files/db.pdb"), QStringLiteral("ExpandConstant('{tmp}\\down-0')"),
                  QString(), DownloadList::NeedsPalmDesktop);
    const QStringList script = assemble(project, downloads);
    EXPECT_EQ(Text(between(script, QStringLiteral("procedure CurStepChanged(CurStep: TSetupStep);"), QStringLiteral("end;"))), Text(Lines({ "procedure CurStepChanged(CurStep: TSetupStep);",
                      "begin",
                      "  if CurStep = ssPostInstall then",
                      "  begin",
                      "    { Queues the Palm application for installation on the selected users Palms: }",
                      "    if FileExists(ExpandConstant('{app}\\palmos_0\\app.prc')) then PalmInstallApplication(ExpandConstant('{app}\\palmos_0\\app.prc'));",
                      "    if FileExists(ExpandConstant('{app}\\palmos_0\\db.pdb')) then PalmInstallApplication(ExpandConstant('{app}\\palmos_0\\db.pdb'));",
                      "  end;",
                      "  PalmCurStepChanged(CurStep);",
                      "  { must be last }",
                      "  if CurStep = ssPostInstall then",
                      "  begin",
                      "    DeleteFile(ExpandConstant('{tmp}\\down-0'));",
                      "  end;",
                      "end;" })));
    EXPECT_EQ(Text(between(script, QStringLiteral("procedure CurUninstallStepChanged(CurUninstallStep: TUninstallStep);"),
                      QStringLiteral("end;"))), Text(Lines({ "procedure CurUninstallStepChanged(CurUninstallStep: TUninstallStep);", "begin",
                      "  if CurUninstallStep = usUninstall then", "  begin", "    PalmUninstallConduit('CrId');", "  end;",
                      "  PalmUninstallStepChanged(CurUninstallStep);", "  { must be last }", "end;" })));
    EXPECT_TRUE(script.contains(QStringLiteral("  Result := PalmInitializeUninstall();")));
    EXPECT_TRUE(script.contains(QStringLiteral("  Result:=PalmInitializeSetup();")));
}

TEST(CodeSectionAssembly, AboutTextFindsMacrosInAnyCaseAndDoublesQuotes)
{
    TProjectContainer project;
    project.Win32AppName = QStringLiteral("App");
    project.AboutText = QStringLiteral("It's %appname%");
    EXPECT_TRUE(assemble(project).contains(QStringLiteral("  MsgBox('It''s App', mbInformation, mb_Ok);")));
}

TEST(CodeSectionAssembly, WaitFlagOffKeepsTheWaitingBlock)
{
    TProjectContainer project;
    const QStringList script = assemble(project);
    EXPECT_TRUE(script.contains(QStringLiteral("  WaitBetweenCabs:=False;")));
    EXPECT_TRUE(script.contains(QStringLiteral("      MsgBox(ExpandConstant('{cm:WaitCAB}'), mbConfirmation, MB_OK);")));
}

TEST(CodeSectionAssembly, SkinTemplateJoinsTheCodeAndStartsInitializeWizard)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("Setup Skins/Test")));
    ASSERT_TRUE(QFile::copy(FixturePath(QStringLiteral("skin-template.iss")),
                            folder.filePath(QStringLiteral("Setup Skins/Test/Test.iss"))));
    TProjectContainer project;
    project.SkinName = QStringLiteral("Test");
    const QStringList script = assemble(project, {}, folder.path() + QLatin1Char('/'));

    EXPECT_TRUE(script.contains(QStringLiteral("procedure TALMO_Script_CurPageChanged(CurPageID: Integer);")));
    EXPECT_FALSE(script.contains(QStringLiteral("procedure CurPageChanged(CurPageID: Integer);")));
    const QStringList skinCode = FixtureLines(QStringLiteral("skin-code.txt"));
    const qsizetype skinStart = script.indexOf(skinCode.at(1)) - 1;
    ASSERT_GE(skinStart, 0);
    EXPECT_EQ(Text(script.mid(skinStart, skinCode.size())), Text(skinCode));

    const qsizetype wizard = script.indexOf(QStringLiteral("procedure InitializeWizard();"));
    const QStringList body = FixtureLines(QStringLiteral("skin-body.txt"));
    EXPECT_EQ(Text(script.mid(wizard + 1, body.size())), Text(body));
    EXPECT_EQ(Text(script.mid(wizard + 1 + body.size(), 2)), Text(Lines({ "  FirstCab:=True;", "end;" })));
}

TEST(CodeSectionAssembly, MissingSkinTemplateRaises)
{
    TProjectContainer project;
    project.SkinName = QStringLiteral("Missing");
    EXPECT_THROW(assemble(project), ScriptGenerationError);
}

} // namespace
} // namespace talmo
