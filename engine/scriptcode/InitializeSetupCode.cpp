#include "engine/scriptcode/InitializeSetupCode.h"

#include "engine/scriptcode/ActiveSyncPathQuery.h"
#include "engine/scriptcode/CodeLines.h"
#include "engine/scriptcode/DirectCopyCode.h"
#include "engine/script/DownloadList.h"
#include "engine/script/ScriptPaths.h"
#include "engine/script/ScriptQuoting.h"
#include "helpers/core/PathHelpers.h"
#include "model/ProjectContainer.h"

namespace talmo {

namespace {

// The archive's name in the temporary folder: the one [Files] gave it, else
// the name part of its source.
QString zipFileName(const TDirectCopyModule &module, int index, const QStringList &archiveNames)
{
    if (index < archiveNames.size())
        return archiveNames.at(index);
    if (module.Files.IsEmpty())
        return QString();
    const QString source = module.Files[0].Source;
    return IsUrl(source) ? ExtractUrlFileName(source) : ScriptFileNamePart(source);
}

bool isDownloaded(const TDirectCopyModule &module)
{
    return !module.Files.IsEmpty() && IsUrl(module.Files[0].Source);
}

void writeDirectCopyTables(const TProjectContainer &project, const QStringList &archiveNames, QStringList &lines)
{
    const int count = project.DirectCopyModules.Count();
    lines.append(QStringLiteral("  DCMRequired:=") + PascalBoolean(project.DCMRequired) + QLatin1Char(';'));
    lines.append(QStringLiteral("  DirectCopyModulesCount:=%1;").arg(count));
    for (int i = 0; i < count; ++i) {
        const TDirectCopyModule &module = project.DirectCopyModules[i];
        const QString entry = QStringLiteral("  DirectCopyModuleOptions[%1]").arg(i);
        const auto text = [&](const char *field, const QString &value) {
            lines.append(entry + QLatin1String(field) + PascalStringLiteral(value) + QLatin1Char(';'));
        };
        const auto flag = [&](const char *field, bool value) {
            lines.append(entry + QLatin1String(field) + PascalBoolean(value) + QLatin1Char(';'));
        };
        text(".Caption:=", module.Caption);
        text(".DefaultInstallLocation:=", module.DefaultInstallLocation);
        text(".UniqueName:=", QStringLiteral("dcm%1").arg(i));
        text(".ZipFileName:=", zipFileName(module, i, archiveNames));
        flag(".UserCanUpdateInstall:=", module.UserCanUpdateInstall);
        flag(".InstallLocationRootIsSDCard:=", module.InstallLocationRootIsSDCard);
        flag(".UserCanChangeInstallRoot:=", module.UserCanChangeInstallRoot);
        flag(".UserMustSelectInstallLocation:=", module.UserMustSelectInstallLocation);
        flag(".IsDownloadFile:=", isDownloaded(module));
    }
    const QList<int> hidden = DirectCopyCode::HiddenModules(project);
    for (int j = 0; j < hidden.size(); ++j)
        lines.append(QStringLiteral("  DirectCopyHiddenModules[%1]:=%2;").arg(j).arg(hidden.at(j)));
    lines.append(QStringLiteral("  DirectCopyHiddenModulesCount:=%1;").arg(hidden.size()));
}

void writeDownloadTable(const DownloadList &downloads, QStringList &lines)
{
    lines.append(QStringLiteral("  DownloadFilesOptionsCount:=%1;").arg(downloads.Count()));
    for (int k = 0; k < downloads.Count(); ++k) {
        const QString entry = QStringLiteral("  DownloadFilesOptions[%1]").arg(k);
        lines.append(entry + QStringLiteral(".Source:=") + PascalStringLiteral(downloads.DownloadSources.at(k))
                     + QLatin1Char(';'));
        lines.append(entry + QStringLiteral(".ModuleName:=")
                     + PascalStringLiteral(downloads.DownloadModuleNames.at(k)) + QLatin1Char(';'));
        lines.append(entry + QStringLiteral(".CheckType:=") + downloads.DownloadCheckTypes.at(k) + QLatin1Char(';'));
    }
}

const char *const DecisionCode[] = {
    "  if wantsASync and not wantsPalm then",
    "  begin",
    "    if (not ASync) and (not hasWin32) then",
    "    begin",
    "      MsgBox('Activesync not found !', mbError, MB_OK);",
    "      result:=false;",
    "      exit;",
    "    end;",
    "  end;",
    "  if wantsASync and wantsPalm then",
    "  begin",
    "    if (not ASync) and (not PalmSync) and (not hasWin32) then",
    "    begin",
    "      MsgBox('Activesync or Palm Desktop not found !', mbError, MB_OK);",
    "      result:=false;",
    "      exit;",
    "    end;",
    "  end;",
    "  if wantsPalm and not wantsASync then",
    "  begin",
    "    if (not PalmSync) and (not hasWin32) then",
    "    begin",
    "      MsgBox('Palm Desktop not found !', mbError, MB_OK);",
    "      result:=false;",
    "      exit;",
    "    end;",
    "  end;",
    "  result:=true;",
    "end;",
};

} // namespace

void InitializeSetupCode::WriteInitializeSetup(const TProjectContainer &project, const DownloadList &downloads,
                                               const QStringList &archiveNames, QStringList &lines)
{
    const bool hasPalm = !project.PalmSections.IsEmpty();
    const bool hasDirectCopy = !project.DirectCopyModules.IsEmpty();
    AppendCodeLines(lines, { "var", "  Path: String;", "  hasWin32: Boolean;", "  hasCabs: Boolean;",
                              "  Win32Only: Boolean;", "  ASync: Boolean;", "  palmSync: Boolean;",
                              "  wantsPalm: Boolean;", "  wantsASync: Boolean;", "begin", "  Path:= '';" });
    lines.append(QStringLiteral("  hasWin32:=") + PascalBoolean(!project.Win32Plugins.IsEmpty()) + QLatin1Char(';'));
    lines.append(QStringLiteral("  hasCabs:=") + PascalBoolean(!project.CabCollections.IsEmpty()) + QLatin1Char(';'));
    lines.append(QStringLiteral("  Win32Only:=") + PascalBoolean(project.Win32Only) + QLatin1Char(';'));
    lines.append(QStringLiteral("  wantsPalm:=") + PascalBoolean(hasPalm) + QLatin1Char(';'));
    lines.append(ActiveSyncPathQueryLine());
    lines.append(QStringLiteral("  if Path = '' then ASync:=false else ASync:=True;"));
    lines.append(hasPalm ? QStringLiteral("  PalmSync:=PalmInitializeSetup();") : QStringLiteral("  PalmSync:=True;"));
    if (hasDirectCopy)
        writeDirectCopyTables(project, archiveNames, lines);
    if (!downloads.IsEmpty())
        writeDownloadTable(downloads, lines);
    lines.append(QStringLiteral("  wantsASync:=(not Win32Only) or hasCabs;"));
    if (hasDirectCopy)
        lines.append(QStringLiteral("  wantsASync:=True;"));
    AppendCodeLines(lines, DecisionCode);
}

} // namespace talmo
