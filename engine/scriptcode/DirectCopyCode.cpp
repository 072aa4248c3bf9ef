#include "engine/scriptcode/DirectCopyCode.h"

#include "engine/scriptcode/CodeLines.h"
#include "engine/script/ComponentCondition.h"
#include "model/ProjectContainer.h"

namespace talmo {

namespace {

// The functions of the device-transfer DLL, as the setup declares them.
const char *const TransferDllHeads[] = {
    "function GetTransferExitCode: Integer;",
    "function GetBytesRead: Integer;",
    "function GetTransferPercent: Integer;",
    "function IsTranferingToDevice: Boolean;",
    "function async_TransferToDevice(LocalFile, RemoteFile: PChar): Integer;",
    "function begin_RAPI: integer;",
    "procedure end_RAPI;",
    "function calc_md5_local_file(aFile: PChar): PChar;",
    "function calc_md5_mobile_file(aFile: PChar): PChar;",
    "function TransferToDevice(localFile, remoteFile: PChar): integer;",
    "function get_SD_Path(Buffer: PChar; MaxLen: Integer): Integer;",
    "function ce_create_dir(aDir: PChar): boolean;",
    "function ce_get_directories(aDir: PChar): PChar;",
    "function ce_get_files(aDir: PChar): PChar;",
    "function ce_dir_exists(aDir: PChar): boolean;",
    "function ce_file_exists(aDir: PChar): boolean;",
    "function ce_remove_dir(aDir: PChar): boolean;",
    "function ce_delete_file(aFile: PChar): boolean;",
    "function ce_move_file(aSourceFile, aTargetFile: PChar): Boolean;",
    "function ce_copy_file(aSourceFile, aTargetFile: PChar; FailIfExists: Boolean): Boolean;",
    "function extract_zip_file(zipFile, destDir: PChar): Boolean;",
};

// A DLL call that must not end the setup when it raises: the wrapper gives
// the fallback instead.
struct GuardedCall
{
    const char *head;      // the wrapper's head
    const char *call;      // the DLL call
    const char *fallback;  // empty for a procedure
};

const GuardedCall GuardedCalls[] = {
    { "function safe_begin_RAPI: integer;", "begin_RAPI", "5" },
    { "procedure safe_end_RAPI;", "end_RAPI", "" },
    { "function safe_TransferToDevice(localFile, remoteFile: PChar): integer;", "TransferToDevice(localFile, remoteFile)", "2" },
    { "function safe_get_SD_Path(Buffer: PChar; MaxLen: Integer): Integer;", "get_SD_Path(Buffer, MaxLen)", "0" },
    { "function safe_ce_create_dir(aDir: PChar): boolean;", "ce_create_dir(aDir)", "False" },
    { "function safe_ce_get_directories(aDir: PChar): PChar;", "ce_get_directories(aDir)", "''" },
    { "function safe_ce_get_files(aDir: PChar): PChar;", "ce_get_files(aDir)", "''" },
    { "function safe_ce_dir_exists(aDir: PChar): boolean;", "ce_dir_exists(aDir)", "False" },
    { "function safe_ce_file_exists(aDir: PChar): boolean;", "ce_file_exists(aDir)", "False" },
    { "function safe_ce_remove_dir(aDir: PChar): boolean;", "ce_remove_dir(aDir)", "False" },
    { "function safe_ce_delete_file(aFile: PChar): boolean;", "ce_delete_file(aFile)", "False" },
    { "function safe_ce_move_file(aSourceFile, aTargetFile: PChar): Boolean;", "ce_move_file(aSourceFile, aTargetFile)", "False" },
    { "function safe_ce_copy_file(aSourceFile, aTargetFile: PChar; FailIfExists: Boolean): Boolean;",
      "ce_copy_file(aSourceFile, aTargetFile, FailIfExists)", "False" },
};

// "function Name(..." -> "Name"
QString routineName(const QString &head)
{
    const qsizetype start = head.indexOf(QLatin1Char(' ')) + 1;
    qsizetype end = start;
    while (end < head.size() && (head.at(end).isLetterOrNumber() || head.at(end) == QLatin1Char('_')))
        ++end;
    return head.mid(start, end - start);
}

void writeBindings(QStringList &lines)
{
    AppendCodeLines(lines, { "function GetTickCount: DWORD;", "external 'GetTickCount@kernel32.dll stdcall';", "" });
    for (const char *head : TransferDllHeads) {
        lines.append(QLatin1String(head));
        lines.append(QStringLiteral("external '") + routineName(QLatin1String(head))
                     + QStringLiteral("@files:kestrin.dll stdcall';"));
        lines.append(QString());
    }
}

void writeTables(const TProjectContainer &project, QStringList &lines)
{
    AppendCodeLines(lines, {
        "type",
        "  TDirectCopyModuleOptions = record",
        "    Caption: String;",
        "    ZipFileName: String;",
        "    UserCanUpdateInstall: Boolean;",
        "    InstallLocationRootIsSDCard: Boolean;",
        "    UserCanChangeInstallRoot: Boolean;",
        "    UserMustSelectInstallLocation: Boolean;",
        "    IsDownloadFile: Boolean;",
        "    DefaultInstallLocation: String;",
        "    UniqueName: String;",
        "  end;",
        "var",
    });
    const qsizetype hidden = std::max<qsizetype>(1, DirectCopyCode::HiddenModules(project).size());
    lines.append(QStringLiteral("  DirectCopyModuleOptions: array[0..%1] of TDirectCopyModuleOptions;")
                     .arg(project.DirectCopyModules.Count() - 1));
    AppendCodeLines(lines, {
        "  DirectCopyModulesCount: Integer;",
        "  ProgressPage: TOutputProgressWizardPage;",
        "  DirectCopyHiddenModulesCount: Integer;",
    });
    lines.append(QStringLiteral("  DirectCopyHiddenModules: array[0..%1] of Integer;").arg(hidden - 1));
    lines.append(QString());
}

void writeGuardedCalls(QStringList &lines)
{
    for (const GuardedCall &guarded : GuardedCalls) {
        const bool isProcedure = *guarded.fallback == '\0';
        lines.append(QLatin1String(guarded.head));
        AppendCodeLines(lines, { "begin", "  try" });
        if (isProcedure) {
            lines.append(QStringLiteral("    ") + QLatin1String(guarded.call) + QLatin1Char(';'));
            AppendCodeLines(lines, { "  except", "  end;" });
        } else {
            lines.append(QStringLiteral("    Result := ") + QLatin1String(guarded.call) + QLatin1Char(';'));
            lines.append(QStringLiteral("  except"));
            lines.append(QStringLiteral("    Result := ") + QLatin1String(guarded.fallback) + QLatin1Char(';'));
            lines.append(QStringLiteral("  end;"));
        }
        AppendCodeLines(lines, { "end;", "" });
    }
}

const char *const SearchDirectoryCode[] = {
    "procedure _SearchDirectory(List: TStringList; Directories: TStringList; const DelimitedDirectory: String; Recursive: Boolean);",
    "var",
    "  FindRec: TFindRec;",
    "begin",
    "  if FindFirst(DelimitedDirectory + '*.*', FindRec) then",
    "  begin",
    "    try",
    "      repeat",
    "        if (FindRec.Name <> '.') and (FindRec.Name <> '..') then",
    "        begin",
    "          if FindRec.Attributes and FILE_ATTRIBUTE_DIRECTORY <> 0 then",
    "            Directories.Add(DelimitedDirectory + FindRec.Name + '\\')",
    "          else",
    "            List.Add(DelimitedDirectory + FindRec.Name);",
    "        end;",
    "      until not FindNext(FindRec);",
    "    finally",
    "      FindClose(FindRec);",
    "    end;",
    "  end;",
    "  if Recursive and FindFirst(DelimitedDirectory + '*.*', FindRec) then",
    "  begin",
    "    try",
    "      repeat",
    "        if (FindRec.Name <> '.') and (FindRec.Name <> '..') and (FindRec.Attributes and FILE_ATTRIBUTE_DIRECTORY <> 0) then",
    "          _SearchDirectory(List, Directories, DelimitedDirectory + FindRec.Name + '\\', True);",
    "      until not FindNext(FindRec);",
    "    finally",
    "      FindClose(FindRec);",
    "    end;",
    "  end;",
    "end;",
    "",
};

const char *const ChooseSDPathCode[] = {
    "function ChooseSDPath(ModuleName: String; SD_PathFileList: TStringList): Integer;",
    "var",
    "  ChooseForm: TSetupForm;",
    "  FoundLabel, ChooseLabel: TNewStaticText;",
    "  PathList: TNewComboBox;",
    "  OkButton, CancelButton: TNewButton;",
    "begin",
    "  Result := -1;",
    "  ChooseForm := CreateCustomForm();",
    "  try",
    "    ChooseForm.ClientWidth := ScaleX(335);",
    "    ChooseForm.ClientHeight := ScaleY(120);",
    "    ChooseForm.Caption := 'Choose SD Card for Installation of ' + ModuleName;",
    "    ChooseForm.CenterInsideControl(WizardForm, False);",
    "",
    "    FoundLabel := TNewStaticText.Create(ChooseForm);",
    "    FoundLabel.Parent := ChooseForm;",
    "    FoundLabel.Left := ScaleX(8);",
    "    FoundLabel.Top := ScaleY(9);",
    "    FoundLabel.Width := ScaleX(349);",
    "    FoundLabel.Height := ScaleY(15);",
    "    FoundLabel.Caption := 'Setup Wizard found more than one SD Cards in your Mobile Device.';",
    "",
    "    ChooseLabel := TNewStaticText.Create(ChooseForm);",
    "    ChooseLabel.Parent := ChooseForm;",
    "    ChooseLabel.Left := ScaleX(68);",
    "    ChooseLabel.Top := ScaleY(25);",
    "    ChooseLabel.Width := ScaleX(220);",
    "    ChooseLabel.Height := ScaleY(15);",
    "    ChooseLabel.Caption := 'Please choose one from the following list.';",
    "",
    "    PathList := TNewComboBox.Create(ChooseForm);",
    "    PathList.Parent := ChooseForm;",
    "    PathList.Style := csDropDownList;",
    "    PathList.Left := ScaleX(20);",
    "    PathList.Top := ScaleY(46);",
    "    PathList.Width := ScaleX(300);",
    "    PathList.Height := ScaleY(23);",
    "    PathList.TabOrder := 0;",
    "    PathList.Items.Assign(SD_PathFileList);",
    "    PathList.ItemIndex := 0;",
    "",
    "    OkButton := TNewButton.Create(ChooseForm);",
    "    OkButton.Parent := ChooseForm;",
    "    OkButton.Left := ScaleX(198);",
    "    OkButton.Top := ScaleY(83);",
    "    OkButton.Width := ScaleX(75);",
    "    OkButton.Height := ScaleY(25);",
    "    OkButton.Caption := 'Ok';",
    "    OkButton.ModalResult := mrOk;",
    "    OkButton.TabOrder := 1;",
    "",
    "    CancelButton := TNewButton.Create(ChooseForm);",
    "    CancelButton.Parent := ChooseForm;",
    "    CancelButton.Left := ScaleX(117);",
    "    CancelButton.Top := ScaleY(83);",
    "    CancelButton.Width := ScaleX(75);",
    "    CancelButton.Height := ScaleY(25);",
    "    CancelButton.Caption := 'Cancel';",
    "    CancelButton.ModalResult := mrCancel;",
    "    CancelButton.Cancel := True;",
    "    CancelButton.TabOrder := 2;",
    "",
    "    ChooseForm.ActiveControl := PathList;",
    "    if ChooseForm.ShowModal() = mrOk then",
    "      Result := PathList.ItemIndex;",
    "  finally",
    "    ChooseForm.Free();",
    "  end;",
    "end;",
    "",
};

// Every early exit after the connection was opened closes it again in the
// finally part, so that no step can leave the device connection open.
const char *const InstallCopyModuleCode[] = {
    "function InstallCopyModule(ModuleName, ModuleUniqueName, ZipFileName, DefaultInstallLocation: String; UserCanChangeInstallRoot, UserCanUpdateInstall, UserMustSelectInstallLocation, InstallLocationRootIsSDCard, IsDownloadFile: Boolean): Boolean;",
    "var",
    "  ExtractDir, ZipFile, SD_Path, Buffer, FinalInstallLocation, Folder, FileName: String;",
    "  SD_PathList, List, Directories: TStringList;",
    "  RAPIOpen: Boolean;",
    "  Chosen, I, Percent: Integer;",
    "  StartTick: DWORD;",
    "begin",
    "  Result := False;",
    "  RAPIOpen := False;",
    "  SD_PathList := TStringList.Create();",
    "  List := TStringList.Create();",
    "  Directories := TStringList.Create();",
    "  ProgressPage.Show();",
    "  try",
    "    ExtractDir := ExpandConstant('{tmp}') + '\\' + ModuleUniqueName;",
    "    ZipFile := ExpandConstant('{tmp}') + '\\' + ZipFileName;",
    "",
    "    ProgressPage.SetText('Extracting Data from Setup...', '');",
    "    ProgressPage.SetProgress(0, 0);",
    "    if DirExists(ExtractDir) then",
    "      DelTree(ExtractDir, True, True, True);",
    "    CreateDir(ExtractDir);",
    "    if not IsDownloadFile then",
    "    begin",
    "      if not FileExists(ZipFile) then",
    "      begin",
    "        try",
    "          ExtractTemporaryFile(ZipFileName);",
    "        except",
    "          MsgBox('An error occurred while extracting data for distribution from Setup. Please check your user rights.', mbError, MB_OK);",
    "          exit;",
    "        end;",
    "      end;",
    "    end",
    "    else if not FileExists(ZipFile) then",
    "    begin",
    "      MsgBox('An error occurred while accesing data for distribution from Internet. Please check that you have download data.', mbError, MB_OK);",
    "      exit;",
    "    end;",
    "    if not extract_zip_file(ZipFile, ExtractDir) then",
    "    begin",
    "      MsgBox('An error occurred while extracting data for distribution to temporally folder. Please check your user rights.', mbError, MB_OK);",
    "      exit;",
    "    end;",
    "    if not DirExists(ExtractDir) then",
    "    begin",
    "      MsgBox('An error occurred while extracting distribution. Please check your user rights.', mbError, MB_OK);",
    "      exit;",
    "    end;",
    "",
    "    ProgressPage.SetText('Connecting to Mobile Device...', '');",
    "    ProgressPage.SetProgress(0, 0);",
    "    RAPIOpen := True;",
    "    if safe_begin_RAPI() <> 0 then",
    "    begin",
    "      MsgBox('No Device is connected, or ActiveSync was not found.', mbError, MB_OK);",
    "      exit;",
    "    end;",
    "",
    "    ProgressPage.SetText('Configuring...', '');",
    "    ProgressPage.SetProgress(0, 0);",
    "    if InstallLocationRootIsSDCard then",
    "    begin",
    "      SD_Path := '';",
    "      Buffer := StringOfChar('c', 255);",
    "      if safe_get_SD_Path(Buffer, 255) <> 0 then",
    "      begin",
    "        I := Pos(#0, Buffer);",
    "        if I > 0 then",
    "          Buffer := Copy(Buffer, 1, I - 1);",
    "        SD_PathList.Text := Buffer;",
    "        Chosen := 0;",
    "        if SD_PathList.Count > 1 then",
    "        begin",
    "          Chosen := ChooseSDPath(ModuleName, SD_PathList);",
    "          if Chosen = -1 then",
    "            exit;",
    "        end;",
    "        if SD_PathList.Count > 0 then",
    "          SD_Path := Trim(SD_PathList[Chosen]);",
    "      end;",
    "      if SD_Path = '' then",
    "      begin",
    "        if not UserCanChangeInstallRoot then",
    "        begin",
    "          if DCMRequired then",
    "            MsgBox('Either there is no SD Card in your mobile device, or an error occurred.  Please fix the problem and try again.', mbError, MB_OK)",
    "          else",
    "            MsgBox('There is no SD Card in your mobile device, or an error occured.', mbError, MB_OK);",
    "          exit;",
    "        end;",
    "        if MsgBox('No SD Card found in your mobile device, but setup wizard can continue copying data to internal memory. Do you want to continue ?', mbConfirmation, MB_YESNO or MB_DEFBUTTON2) <> IDYES then",
    "          exit;",
    "      end;",
    "      FinalInstallLocation := SD_Path + '\\' + DefaultInstallLocation;",
    "    end",
    "    else",
    "      FinalInstallLocation := DefaultInstallLocation;",
    "    if FinalInstallLocation = '' then",
    "      FinalInstallLocation := '\\';",
    "    if Copy(FinalInstallLocation, 1, 1) <> '\\' then",
    "      FinalInstallLocation := '\\' + FinalInstallLocation;",
    "    StringChangeEx(FinalInstallLocation, '\\\\', '\\', True);",
    "",
    "    if safe_ce_dir_exists(FinalInstallLocation) then",
    "    begin",
    "      if not UserCanUpdateInstall then",
    "      begin",
    "        MsgBox('The install directory exists on your Mobile Device. Unable to continue.', mbError, MB_OK);",
    "        exit;",
    "      end;",
    "      if not IsUpdateQuestionAsked then",
    "      begin",
    "        CachedUpdateQuestionAnswer := MsgBox('The install directory exists on your Mobile Device. Do you want to continue ?', mbConfirmation, MB_YESNO or MB_DEFBUTTON2);",
    "        IsUpdateQuestionAsked := True;",
    "      end;",
    "      if CachedUpdateQuestionAnswer <> IDYES then",
    "        exit;",
    "    end;",
    "",
    "    ProgressPage.SetText('Gathering Installation Data...', '');",
    "    ProgressPage.SetProgress(0, 0);",
    "    _SearchDirectory(List, Directories, ExtractDir + '\\', True);",
    "",
    "    ProgressPage.SetText('Creating Installation Folder...', '');",
    "    ProgressPage.SetProgress(0, 0);",
    "    if not safe_ce_dir_exists(FinalInstallLocation) then",
    "    begin",
    "      if not safe_ce_create_dir(FinalInstallLocation) then",
    "      begin",
    "        MsgBox('An error occurred while creating installation folder on your Mobile Device.', mbError, MB_OK);",
    "        exit;",
    "      end;",
    "    end;",
    "    for I := 0 to Directories.Count - 1 do",
    "    begin",
    "      Folder := Copy(Directories[I], Length(ExtractDir) + 1, Length(Directories[I]) - Length(ExtractDir) - 1);",
    "      Folder := FinalInstallLocation + Folder;",
    "      StringChangeEx(Folder, '\\\\', '\\', True);",
    "      if not safe_ce_dir_exists(Folder) then",
    "      begin",
    "        if not safe_ce_create_dir(Folder) then",
    "        begin",
    "          MsgBox('An error occurred while creating directories on your SD Card.', mbError, MB_OK);",
    "          exit;",
    "        end;",
    "      end;",
    "      ProgressPage.SetText('Creating Folders...', '');",
    "      ProgressPage.SetProgress(I, Directories.Count);",
    "    end;",
    "",
    "    for I := 0 to List.Count - 1 do",
    "    begin",
    "      FileName := ExtractFileName(List[I]);",
    "      Folder := ExtractFilePath(List[I]);",
    "      Folder := Copy(Folder, Length(ExtractDir) + 1, Length(Folder) - Length(ExtractDir) - 1);",
    "      Folder := FinalInstallLocation + Folder;",
    "      StringChangeEx(Folder, '\\\\', '\\', True);",
    "      if Folder = '\\' then",
    "        Folder := '';",
    "      ProgressPage.SetText('Copying File ' + FileName + ' ...', '');",
    "      ProgressPage.SetProgress(I, List.Count);",
    "      async_TransferToDevice(List[I], Folder + '\\' + FileName);",
    "      StartTick := GetTickCount();",
    "      while IsTranferingToDevice() do",
    "      begin",
    "        if GetTickCount() - StartTick > 1000 then",
    "        begin",
    "          Percent := GetTransferPercent();",
    "          if Percent mod 2 = 0 then",
    "            ProgressPage.SetText('Copying File ' + FileName + ' ...', IntToStr(Percent) + '% done ...');",
    "        end;",
    "        ProgressPage.SetProgress(I, List.Count);",
    "      end;",
    "      if GetTransferExitCode() <> 0 then",
    "      begin",
    "        MsgBox('An error occurred while copying data to Mobile Device.', mbError, MB_OK);",
    "        exit;",
    "      end;",
    "    end;",
    "",
    "    safe_end_RAPI();",
    "    RAPIOpen := False;",
    "    Result := True;",
    "  finally",
    "    if RAPIOpen then",
    "      safe_end_RAPI();",
    "    ProgressPage.Hide();",
    "    Directories.Free();",
    "    List.Free();",
    "    SD_PathList.Free();",
    "  end;",
    "end;",
    "",
};

} // namespace

QList<int> DirectCopyCode::HiddenModules(const TProjectContainer &project)
{
    QList<int> hidden;
    for (int i = 0; i < project.DirectCopyModules.Count(); ++i) {
        // A module below a hidden container is not offered on the component
        // page either, so it is copied like a hidden one.
        const int component = project.FindComponentIndex(ModuleType::DirectCopy, i);
        const bool hiddenInTree = component >= 0 && ComponentCondition::IsHiddenIn(project, component);
        if (!project.ShowComponentsDialog || project.DirectCopyModules[i].HiddenInstall || hiddenInTree)
            hidden.append(i);
    }
    return hidden;
}

void DirectCopyCode::WriteDirectCopyCode(const TProjectContainer &project, QStringList &lines)
{
    if (project.DirectCopyModules.IsEmpty())
        return;
    AppendCodeLines(lines, {
        "[Code]",
        "",
        "var",
        "  IsUpdateQuestionAsked: Boolean;",
        "  CachedUpdateQuestionAnswer: Integer;",
        "  DCMRequired: Boolean;",
    });
    writeBindings(lines);
    writeTables(project, lines);
    writeGuardedCalls(lines);
    AppendCodeLines(lines, SearchDirectoryCode);
    AppendCodeLines(lines, ChooseSDPathCode);
    AppendCodeLines(lines, InstallCopyModuleCode);
}

} // namespace talmo
