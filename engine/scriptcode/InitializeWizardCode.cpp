#include "engine/scriptcode/InitializeWizardCode.h"

#include "engine/scriptcode/CodeLines.h"
#include "engine/script/DownloadList.h"
#include "engine/script/ScriptPaths.h"
#include "engine/script/ScriptQuoting.h"
#include "engine/script/SetupTextLines.h"
#include "engine/scriptcode/SkinTemplate.h"
#include "model/ProjectContainer.h"
#include "model/StandardWizardPages.h"

namespace talmo {

namespace {

void writeSkinCrafter(const TProjectContainer &project, QStringList &lines)
{
    const QString skinFile = ScriptFileNamePart(
        project.SkinCrafterSkinFileName.isEmpty() ? QStringLiteral("vista.skf") : project.SkinCrafterSkinFileName);
    lines.append(QStringLiteral(" ExtractTemporaryFile(") + PascalStringLiteral(skinFile) + QStringLiteral(");"));
    AppendCodeLines(lines, {
        " ExtractTemporaryFile('NSIS_SkinCrafter_Plugin.dll');",
        " WizardForm.Position:=poDesktopCenter;",
        " WizardForm.Height:=WizardForm.Height-30;",
    });
    lines.append(QStringLiteral(" callplug(0,ExpandConstant('{tmp}\\NSIS_SkinCrafter_Plugin.dll'),'skin',ExpandConstant('{tmp}\\")
                 + PascalEscaped(skinFile) + QStringLiteral("'),'','','','','','','','','');"));
}

void writePageCreation(const TProjectContainer &project, bool hasDownloads, QStringList &lines)
{
    if (!project.PalmSections.IsEmpty())
        lines.append(QStringLiteral("  PalmInitializeWizard(wpSelectTasks);"));
    // Created from the last to the first: a page created later after the
    // same standard page goes in front, so the pages show in list order.
    for (int i = project.CustomForms.Count() - 1; i >= 0; --i) {
        const TCustomForm &page = project.CustomForms[i];
        if (page.Enabled) {
            lines.append(QStringLiteral("  ") + page.Name + QStringLiteral("_CreatePage(wp")
                         + StandardWizardPageName(page.CreationOrder) + QStringLiteral(");"));
        }
    }
    if (!project.DirectCopyModules.IsEmpty()) {
        AppendCodeLines(lines, {
            "  CopyToSD_CreatePage(wpPreparing);",
            "  ProgressPage := CreateOutputProgressPage('Copying Data to Mobile Device',",
            "    '');",
        });
    }
    if (hasDownloads)
        lines.append(QStringLiteral("  ITD_DownloadAfter(wpPreparing);"));
}

void writeWelcomeText(const TProjectContainer &project, QStringList &lines)
{
    const QStringList text = ExpandedSetupTextLines(project.WelcomeMessage, project);
    if (text.isEmpty())
        return;
    lines.append(QStringLiteral("WizardForm.WelcomeLabel2.Caption:='") + JoinedPascalLines(text) + QStringLiteral("';"));
}

const char *const AboutButtonCode[] = {
    "    AboutButton := TButton.Create(WizardForm);",
    "    AboutButton.Left := WizardForm.ClientWidth - WizardForm.CancelButton.Left - WizardForm.CancelButton.Width;",
    "    AboutButton.Top := WizardForm.CancelButton.Top;",
    "    AboutButton.Width := WizardForm.CancelButton.Width;",
    "    AboutButton.Height := WizardForm.CancelButton.Height;",
    "    AboutButton.Caption := '&About...';",
    "    AboutButton.OnClick := @AboutButtonOnClick;",
    "    AboutButton.Parent := WizardForm;",
};

void writeLinkLabel(const TProjectContainer &project, QStringList &lines)
{
    lines.append(QStringLiteral("    URLLabel := TNewStaticText.Create(WizardForm);"));
    lines.append(QStringLiteral("    URLLabel.Caption := ") + PascalStringLiteral(project.URLText) + QStringLiteral(";"));
    AppendCodeLines(lines, {
        "    URLLabel.Cursor := crHand;",
        "    URLLabel.OnClick := @URLLabelOnClick;",
        "    URLLabel.Parent := WizardForm;",
        "    URLLabel.Font.Style := URLLabel.Font.Style + [fsUnderline];",
        "    URLLabel.Top := WizardForm.CancelButton.Top + ( WizardForm.CancelButton.Height div 2) - ( URLLabel.Height div 2 );",
    });
    lines.append(project.AboutText.isEmpty()
                     ? QStringLiteral("    URLLabel.Left := WizardForm.ClientWidth - WizardForm.CancelButton.Left - WizardForm.CancelButton.Width;")
                     : QStringLiteral("    URLLabel.Left := AboutButton.Left + AboutButton.Width + ScaleX(20);"));
}

} // namespace

void InitializeWizardCode::WriteInitializeWizard(const TProjectContainer &project, const DownloadList &downloads,
                                                 const QString &programFolder, QStringList &lines)
{
    QStringList skinBody;
    if (SkinTemplate::HasTemplate(project.SkinName))
        skinBody = SkinTemplate::InitializeWizardBody(SkinTemplate::Load(programFolder, project.SkinName));
    // A template without its own InitializeWizard gives no begin line.
    if (skinBody.isEmpty())
        lines.append(QStringLiteral("begin"));
    lines.append(skinBody);

    const bool hasDownloads = !downloads.IsEmpty();
    if (hasDownloads)
        lines.append(QStringLiteral("  itd_init;"));
    if (project.SkinCrafterSupport)
        writeSkinCrafter(project, lines);
    writePageCreation(project, hasDownloads, lines);
    writeWelcomeText(project, lines);
    if (!project.AboutText.isEmpty())
        AppendCodeLines(lines, AboutButtonCode);
    if (!project.URLText.isEmpty())
        writeLinkLabel(project, lines);
    AppendCodeLines(lines, { "  FirstCab:=True;", "end;" });
}

} // namespace talmo
