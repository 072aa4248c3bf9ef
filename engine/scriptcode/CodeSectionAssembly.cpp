#include "engine/scriptcode/CodeSectionAssembly.h"

#include "engine/scriptcode/ActiveSyncPathQuery.h"
#include "engine/scriptcode/CodeLines.h"
#include "engine/scriptcode/CustomPageCode.h"
#include "engine/scriptcode/DirectCopyCode.h"
#include "engine/scriptcode/DownloadCode.h"
#include "engine/script/DownloadList.h"
#include "engine/scriptcode/InitializeSetupCode.h"
#include "engine/scriptcode/InitializeWizardCode.h"
#include "engine/scriptcode/PalmSupportCode.h"
#include "engine/script/ScriptEnvironment.h"
#include "engine/script/ScriptPaths.h"
#include "engine/script/ScriptQuoting.h"
#include "engine/script/SetupTextLines.h"
#include "engine/scriptcode/SkinTemplate.h"
#include "engine/scriptcode/StorageCardPage.h"
#include "helpers/core/PathHelpers.h"
#include "model/ProjectContainer.h"

namespace talmo {

namespace {

void callPart(const CodeSectionPartWriters::Writer &writer, const ScriptCodeContext &context, QStringList &script)
{
    if (writer)
        writer(context, script);
}

void writeCheckFunctions(const TProjectContainer &project, QStringList &script)
{
    AppendCodeLines(script, { "[Code]", "function CheckAsync(): Boolean;", "var Path: String;", "begin", "  Path:= '';" });
    script.append(ActiveSyncPathQueryLine());
    AppendCodeLines(script, { "  if Path='' then Result:=false else Result:=true;", "end;", "",
                              "function CheckPalm(): Boolean;", "begin" });
    script.append(project.PalmSections.IsEmpty() ? QStringLiteral("  Result:=False;")
                                                 : QStringLiteral("  Result:=PalmInitializeSetup();"));
    script.append(QStringLiteral("end;"));
}

void writePageChange(const TProjectContainer &project, QStringList &script)
{
    script.append(SkinTemplate::HasTemplate(project.SkinName)
                      ? QStringLiteral("procedure TALMO_Script_CurPageChanged(CurPageID: Integer);")
                      : QStringLiteral("procedure CurPageChanged(CurPageID: Integer);"));
    script.append(QStringLiteral("begin"));
    if (!project.ShowWelcomePage) {
        AppendCodeLines(script, { "  if CurPageID=wpWelcome then", "  begin",
                                  "    WizardForm.NextButton.OnClick(WizardForm);", "  end;" });
    }
    AppendCodeLines(script, { "end;", "" });
}

// Where the [Files] section put a Palm file: the name of its URL or of its path.
QString palmFileName(const QString &source)
{
    return IsUrl(source) ? ExtractUrlFileName(source) : ScriptFileNamePart(source);
}

void writeStepChanged(const TProjectContainer &project, const DownloadList &downloads, QStringList &script)
{
    AppendCodeLines(script, { "procedure CurStepChanged(CurStep: TSetupStep);", "begin" });
    if (!project.PalmSections.IsEmpty()) {
        AppendCodeLines(script, { "  if CurStep = ssPostInstall then", "  begin",
                                  "    { Queues the Palm application for installation on the selected users Palms: }" });
        for (int n = 0; n < project.PalmSections.Count(); ++n) {
            for (const TFile &file : project.PalmSections[n].Files) {
                const QString path = PascalStringLiteral(QStringLiteral("{app}\\palmos_%1\\").arg(n)
                                                         + palmFileName(file.Source));
                script.append(QStringLiteral("    if FileExists(ExpandConstant(%1)) then PalmInstallApplication(ExpandConstant(%1));")
                                  .arg(path));
            }
        }
        AppendCodeLines(script, { "  end;", "  PalmCurStepChanged(CurStep);", "  { must be last }" });
    }
    if (!downloads.IsEmpty()) {
        AppendCodeLines(script, { "  if CurStep = ssPostInstall then", "  begin" });
        for (const QString &destination : downloads.DownloadDestinations)
            script.append(QStringLiteral("    DeleteFile(") + destination + QStringLiteral(");"));
        script.append(QStringLiteral("  end;"));
    }
    AppendCodeLines(script, { "end;", "" });
}

void writeUninstallEvents(const TProjectContainer &project, QStringList &script)
{
    const bool hasPalm = !project.PalmSections.IsEmpty();
    AppendCodeLines(script, { "function InitializeUninstall(): Boolean;", "begin" });
    script.append(hasPalm ? QStringLiteral("  Result := PalmInitializeUninstall();") : QStringLiteral("  Result := True;"));
    AppendCodeLines(script, { "end;", "", "procedure CurUninstallStepChanged(CurUninstallStep: TUninstallStep);", "begin" });
    if (hasPalm) {
        AppendCodeLines(script, { "  if CurUninstallStep = usUninstall then", "  begin", "    PalmUninstallConduit('CrId');",
                                  "  end;", "  PalmUninstallStepChanged(CurUninstallStep);", "  { must be last }" });
    }
    AppendCodeLines(script, { "end;", "" });
}

void writeLinkLabelClick(const TProjectContainer &project, QStringList &script)
{
    AppendCodeLines(script, { "", "var", "  URLLabel: TNewStaticText;", "", "procedure URLLabelOnClick(Sender: TObject);",
                              "var", "  ErrorCode: Integer;", "begin" });
    script.append(QStringLiteral("  ShellExec('open', ") + PascalStringLiteral(project.URL)
                  + QStringLiteral(", '', '', SW_SHOWNORMAL, ewNoWait, ErrorCode);"));
    script.append(QStringLiteral("end;"));
}

void writeAboutClick(const TProjectContainer &project, QStringList &script)
{
    AppendCodeLines(script, { "", "var", "  AboutButton: TButton;", "", "procedure AboutButtonOnClick(Sender: TObject);", "begin" });
    script.append(QStringLiteral("  MsgBox('") + JoinedPascalLines(ExpandedSetupTextLines(project.AboutText, project))
                  + QStringLiteral("', mbInformation, mb_Ok);"));
    AppendCodeLines(script, { "end;", "" });
}

void writeSupportFunctions(const TProjectContainer &project, QStringList &script)
{
    AppendCodeLines(script, { "[CustomMessages]", "WaitCAB=Please press OK when your Mobile Device finished installation process.",
                              "[Code]", "", "", "",
                              "function GetCEappManager(Param : string) : string;", "var Path: String;", "begin", "  Path:= '';" });
    script.append(ActiveSyncPathQueryLine());
    AppendCodeLines(script, { "  if not FileExists(ExpandConstant('{app}') + Param ) then result:='' else result:= Path;", "end;", "",
                              "function GetIniFile(Param : string) : string;", "var", "  WaitBetweenCabs: Boolean;", "begin" });
    script.append(project.WaitBetweenCabs ? QStringLiteral("  WaitBetweenCabs:=True;") : QStringLiteral("  WaitBetweenCabs:=False;"));
    const char *const iniResult = "  result:= ExpandConstant('\"{app}') + Param + '\"';";
    AppendCodeLines(script, { iniResult, "", "  if WaitBetweenCabs=True then", "  begin", "    if FirstCab=True then", "    begin",
                              "      FirstCab:=False;", "      exit;", "    end else", "    begin", "      FirstCab:=False;",
                              "      MsgBox(ExpandConstant('{cm:WaitCAB}'), mbConfirmation, MB_OK);", "    end;", "  end;", "",
                              "end;", "",
                              "function GetIniFileNoWait(Param : string) : string;", "begin", iniResult, "end;", "",
                              "function GetAsyncPath(Param: String): String;", "var Path: String;", "begin", "  Path:= '';" });
    script.append(ActiveSyncPathQueryLine());
    AppendCodeLines(script, { "  if Path<>'' then Path:=ExtractFilePath(Path);", "  Result:=Path;", "end;", "" });
}

} // namespace

CodeSectionPartWriters CodeSectionPartWriters::Standard(const CustomPageCode &customPages, ScriptLineOrigins *origins)
{
    CodeSectionPartWriters parts;
    parts.palmSupportCode = [](const ScriptCodeContext &context, QStringList &script) {
        WritePalmSupportCode(context.project, script);
    };
    parts.customFormsCode = [&customPages, origins](const ScriptCodeContext &context, QStringList &script) {
        customPages.WriteCustomFormsCode(context.project, script, origins);
    };
    parts.downloadCode = [](const ScriptCodeContext &context, QStringList &script) {
        WriteDownloadCode(context.downloads, script);
    };
    return parts;
}

CodeSectionAssembly::CodeSectionAssembly(CodeSectionPartWriters parts)
    : m_parts(std::move(parts))
{
}

void CodeSectionAssembly::WriteCodeSection(const ScriptCodeContext &context, QStringList &script)
{
    const TProjectContainer &project = context.project;
    const bool hasDownloads = !context.downloads.IsEmpty();
    const bool hasSplash = !project.SplashScreenImage.isEmpty();

    script.append(QString());
    if (!project.Win32Only || !project.CabCollections.IsEmpty())
        AppendCodeLines(script, { "[Code]", "const", "  SetupHasCAB=True;" });
    DirectCopyCode::WriteDirectCopyCode(project, script);
    callPart(m_parts.palmSupportCode, context, script);
    StorageCardPage::WriteCopyToSDPage(project, script);
    callPart(m_parts.customFormsCode, context, script);

    writeCheckFunctions(project, script);
    if (hasDownloads)
        callPart(m_parts.downloadCode, context, script);
    AppendCodeLines(script, { "", "var", "  FirstCab: Boolean;", "" });
    writePageChange(project, script);
    writeStepChanged(project, context.downloads, script);
    writeUninstallEvents(project, script);
    if (project.SkinCrafterSupport) {
        AppendCodeLines(script, { "procedure callplug(parentwnd: integer; pluginname,funcname,param1,param2,param3,param4,param5,param6,param7,param8,param9,param10: PChar);",
                                  " external 'callplug@files:callnsis.dll stdcall';" });
    }
    if (!project.URLText.isEmpty())
        writeLinkLabelClick(project, script);
    if (!project.AboutText.isEmpty())
        writeAboutClick(project, script);
    if (SkinTemplate::HasTemplate(project.SkinName)) {
        script.append(SkinTemplate::CodeWithoutInitializeWizard(
            SkinTemplate::Load(context.environment.programFolder, project.SkinName)));
    }
    script.append(QString());

    if (hasSplash)
        AppendCodeLines(script, { "[ISSI]", "#define ISSI_InitializeSetup", "[Code]", "function ISSI_InitializeSetup(): boolean;" });
    else
        script.append(QStringLiteral("function InitializeSetup(): boolean;"));
    InitializeSetupCode::WriteInitializeSetup(project, context.downloads, context.directCopyArchiveNames, script);
    if (hasSplash)
        AppendCodeLines(script, { "[/Code]", "", "[Code]", "" });
    script.append(QStringLiteral("procedure InitializeWizard();"));
    InitializeWizardCode::WriteInitializeWizard(project, context.downloads, context.environment.programFolder, script);

    writeSupportFunctions(project, script);
}

} // namespace talmo
