#include "engine/scriptcode/StorageCardPage.h"

#include "engine/scriptcode/ActiveSyncPathQuery.h"
#include "engine/scriptcode/CodeLines.h"
#include "model/ProjectContainer.h"

namespace talmo {

namespace {

const char *const Globals[] = {
    "[Code]",
    "",
    "var",
    "  CopyToSD: TWizardPage;",
    "  CopyToSD_Label2: TLabel;",
    "  CopyToSD_Label3: TLabel;",
    "  CopyToSD_Label4: TLabel;",
    "  CopyToSD_Label6: TLabel;",
    "  CopyToSD_Label5: TLabel;",
    "  CopyToSD_Button5: TButton;",
    "",
};

// A module inside a container is selected under its container's path
// ("cnt1\dcm0"); only the last part is the module's own name.
const char *const NamePartCode[] = {
    "function CopyToSD_ModuleName(SelectedName: String): String;",
    "var",
    "  Slash: Integer;",
    "begin",
    "  Result := SelectedName;",
    "  Slash := Pos('\\', Result);",
    "  while Slash > 0 do",
    "  begin",
    "    Result := Copy(Result, Slash + 1, Length(Result));",
    "    Slash := Pos('\\', Result);",
    "  end;",
    "end;",
    "",
    "function CopyToSD_InstallModule(K: Integer): Boolean;",
    "begin",
    "  Result := InstallCopyModule(DirectCopyModuleOptions[K].Caption, DirectCopyModuleOptions[K].UniqueName,",
    "    DirectCopyModuleOptions[K].ZipFileName, DirectCopyModuleOptions[K].DefaultInstallLocation,",
    "    DirectCopyModuleOptions[K].UserCanChangeInstallRoot, DirectCopyModuleOptions[K].UserCanUpdateInstall,",
    "    DirectCopyModuleOptions[K].UserMustSelectInstallLocation, DirectCopyModuleOptions[K].InstallLocationRootIsSDCard,",
    "    DirectCopyModuleOptions[K].IsDownloadFile);",
    "end;",
    "",
};

// The page counts as done only when every chosen module and then every
// hidden module was copied; hidden modules are copied also when none of the
// selectable ones was chosen.
const char *const ButtonCode[] = {
    "procedure CopyToSD_Button5OnClick(Sender: TObject);",
    "var",
    "  Selected: TStringList;",
    "  AllGood: Boolean;",
    "  I, K: Integer;",
    "  Name: String;",
    "begin",
    "  AllGood := True;",
    "  Selected := TStringList.Create();",
    "  try",
    "    Selected.CommaText := WizardSelectedComponents(False);",
    "    for I := 0 to Selected.Count - 1 do",
    "    begin",
    "      Name := CopyToSD_ModuleName(Selected[I]);",
    "      if Pos('dcm', Name) > 0 then",
    "      begin",
    "        for K := 0 to DirectCopyModulesCount - 1 do",
    "        begin",
    "          if DirectCopyModuleOptions[K].UniqueName = Name then",
    "          begin",
    "            if not CopyToSD_InstallModule(K) then",
    "              AllGood := False;",
    "            break;",
    "          end;",
    "        end;",
    "      end;",
    "    end;",
    "  finally",
    "    Selected.Free();",
    "  end;",
    "  if AllGood then",
    "  begin",
    "    for I := 0 to DirectCopyHiddenModulesCount - 1 do",
    "    begin",
    "      if not CopyToSD_InstallModule(DirectCopyHiddenModules[I]) then",
    "      begin",
    "        AllGood := False;",
    "        break;",
    "      end;",
    "    end;",
    "  end;",
    "  if AllGood then",
    "  begin",
    "    CopyToSD_Label4.Caption := 'Succesfull. Press Next to continue with the installation.';",
    "    CopyToSD_Label4.Font.Color := clGreen;",
    "    CopyToSD_Label4.Top := 2;",
    "    CopyToSD_Label4.Left := 2;",
    "    CopyToSD_Label4.Font.Size := 10;",
    "    CopyToSD_Label4.Height := 26;",
    "    CopyToSD_Label2.Hide();",
    "    CopyToSD_Label3.Hide();",
    "    CopyToSD_Label6.Hide();",
    "    CopyToSD_Label5.Hide();",
    "    CopyToSD_Button5.Hide();",
    "    CopyToSD_Button5.Enabled := False;",
    "  end;",
    "end;",
    "",
    "function CopyToSD_FormOnNextButtonClick(Page: TWizardPage): Boolean;",
    "begin",
    "  Result := True;",
    "  if DCMRequired and CopyToSD_Button5.Visible then",
    "  begin",
    "    MsgBox('You must complete this step, before setup can continue..', mbError, MB_OK);",
    "    Result := False;",
    "  end;",
    "end;",
    "",
};

const char *const SkipCodeHead[] = {
    "function CopyToSD_FormOnShouldSkipPage(Page: TWizardPage): Boolean;",
    "var",
    "  Path: String;",
    "  Selected: TStringList;",
    "  I: Integer;",
    "begin",
    "  Path := '';",
};

const char *const SkipCodeTail[] = {
    "  if Path = '' then",
    "  begin",
    "    Result := True;",
    "    exit;",
    "  end;",
    "  Result := DirectCopyHiddenModulesCount = 0;",
    "  Selected := TStringList.Create();",
    "  try",
    "    Selected.CommaText := WizardSelectedComponents(False);",
    "    for I := 0 to Selected.Count - 1 do",
    "    begin",
    "      if Pos('dcm', CopyToSD_ModuleName(Selected[I])) > 0 then",
    "        Result := False;",
    "    end;",
    "  finally",
    "    Selected.Free();",
    "  end;",
    "end;",
    "",
};

// A control of the page: where it sits, its caption line and, for the
// labels in Tahoma, their font.
struct PageControl
{
    const char *name;
    const char *className;
    int left, top, width, height;
    const char *captionLine;
    const char *fontColour;
    int fontHeight;
    const char *fontStyle;
};

// In their order of creation; the last label's caption follows the project.
const PageControl InstructionLabels[] = {
    { "CopyToSD_Label2", "TLabel", 8, 32, 387, 13,
      "  CopyToSD_Label2.Caption := 'Please connect your Mobile Device with this Computer and wait un' +'til ';",
      "clRed", -11, "[fsBold]" },
    { "CopyToSD_Label3", "TLabel", 8, 48, 219, 13, "  CopyToSD_Label3.Caption := 'ActiveSync is finished Synchronization.';",
      "clRed", -11, "[fsBold]" },
    { "CopyToSD_Label4", "TLabel", 8, 8, 348, 14,
      "  CopyToSD_Label4.Caption := 'This will install all the needed data to your Mobile Device';", "clWindowText", -12,
      "[fsBold]" },
    { "CopyToSD_Label6", "TLabel", 8, 80, 222, 13, "  CopyToSD_Label6.Caption := 'When ready please press the button below ...';",
      "clBlack", -11, "[]" },
};

void writeCreation(QStringList &lines, const char *name, const char *className, int left, int top, int width, int height)
{
    const QString control = QStringLiteral("  ") + QLatin1String(name);
    lines.append(control + QStringLiteral(" := ") + QLatin1String(className) + QStringLiteral(".Create(CopyToSD);"));
    lines.append(control + QStringLiteral(".Parent := CopyToSD.Surface;"));
    lines.append(control + QStringLiteral(".Left := ScaleX(%1);").arg(left));
    lines.append(control + QStringLiteral(".Top := ScaleY(%1);").arg(top));
    lines.append(control + QStringLiteral(".Width := ScaleX(%1);").arg(width));
    lines.append(control + QStringLiteral(".Height := ScaleY(%1);").arg(height));
}

void writeControl(QStringList &lines, const PageControl &c)
{
    writeCreation(lines, c.name, c.className, c.left, c.top, c.width, c.height);
    lines.append(QLatin1String(c.captionLine));
    const QString control = QStringLiteral("  ") + QLatin1String(c.name);
    lines.append(control + QStringLiteral(".ParentFont := False;"));
    lines.append(control + QStringLiteral(".Font.Name := 'Tahoma';"));
    lines.append(control + QStringLiteral(".Font.Color := ") + QLatin1String(c.fontColour) + QLatin1Char(';'));
    lines.append(control + QStringLiteral(".Font.Height := ScaleY(%1);").arg(c.fontHeight));
    lines.append(control + QStringLiteral(".Font.Style := ") + QLatin1String(c.fontStyle) + QLatin1Char(';'));
}

void writeCreatePage(const TProjectContainer &project, QStringList &lines)
{
    lines.append(QStringLiteral("function CopyToSD_CreatePage(PreviousPageId: Integer): Integer;"));
    lines.append(QStringLiteral("begin"));
    lines.append(QStringLiteral("  CopyToSD := CreateCustomPage(PreviousPageId, 'Copy Data', 'Copy Data to your Mobile Device');"));
    for (const PageControl &label : InstructionLabels)
        writeControl(lines, label);

    writeCreation(lines, "CopyToSD_Label5", "TLabel", 9, 208, 294, 15);
    lines.append(project.DCMRequired
                     ? QStringLiteral("  CopyToSD_Label5.Caption:='You must complete this step, before setup can continue.';")
                     : QStringLiteral("  CopyToSD_Label5.Caption:='Press \"Next\" if you don''t want any data to be transfered.';"));

    writeCreation(lines, "CopyToSD_Button5", "TButton", 7, 98, 75, 25);
    lines.append(QStringLiteral("  CopyToSD_Button5.Caption := 'Copy Data';"));
    lines.append(QStringLiteral("  CopyToSD_Button5.TabOrder := 0;"));

    lines.append(QStringLiteral("  CopyToSD.OnShouldSkipPage := @CopyToSD_FormOnShouldSkipPage;"));
    lines.append(QStringLiteral("  CopyToSD_Button5.OnClick := @CopyToSD_Button5OnClick;"));
    lines.append(QStringLiteral("  CopyToSD.OnNextButtonClick := @CopyToSD_FormOnNextButtonClick;"));
    lines.append(QStringLiteral("  Result := CopyToSD.ID;"));
    lines.append(QStringLiteral("end;"));
    lines.append(QString());
}

} // namespace

void StorageCardPage::WriteCopyToSDPage(const TProjectContainer &project, QStringList &lines)
{
    if (project.DirectCopyModules.IsEmpty())
        return;
    AppendCodeLines(lines, Globals);
    AppendCodeLines(lines, NamePartCode);
    AppendCodeLines(lines, ButtonCode);
    AppendCodeLines(lines, SkipCodeHead);
    lines.append(ActiveSyncPathQueryLine());
    AppendCodeLines(lines, SkipCodeTail);
    writeCreatePage(project, lines);
}

} // namespace talmo
