#include "engine/scriptcode/DirectCopyCode.h"
#include "model/ProjectContainer.h"

#include "tests/support/QtPrinters.h"

#include "FreePascalProgram.h"

#include <gtest/gtest.h>

namespace talmo {
namespace {

// The generated InstallCopyModule run as Free Pascal with a simulated device:
// the stand-ins print the folders created, the files sent, the messages and
// the closing of the connection. Arguments: the install location, option
// letters (S on the storage card, C may change the root, U may update, R copy
// required), the storage cards, the folders the device has, the answers to
// questions (Y/N in turn) and how often the module is copied.
const char *const Harness = R"(program copymodule;
{$mode delphi}{$H+}
uses SysUtils, Classes;
type
  DWORD = Cardinal;
  TOutputProgressWizardPage = class
    procedure SetText(const Msg1, Msg2: String);
    procedure SetProgress(Position, Max: Integer);
    procedure Show;
    procedure Hide;
  end;
const
  mbError = 0;
  mbConfirmation = 1;
  MB_OK = 0;
  MB_YESNO = 4;
  MB_DEFBUTTON2 = $100;
  IDOK = 1;
  IDYES = 6;
  IDNO = 7;
var
  ProgressPage: TOutputProgressWizardPage;
  DCMRequired, IsUpdateQuestionAsked: Boolean;
  CachedUpdateQuestionAnswer: Integer;
  DeviceFolders, Cards: TStringList;
  Answers: String;

procedure TOutputProgressWizardPage.SetText(const Msg1, Msg2: String); begin end;
procedure TOutputProgressWizardPage.SetProgress(Position, Max: Integer); begin end;
procedure TOutputProgressWizardPage.Show; begin end;
procedure TOutputProgressWizardPage.Hide; begin end;

function MsgBox(const Text: String; Typ, Buttons: Integer): Integer;
begin
  WriteLn('message ', Text);
  Result := IDOK;
  if Buttons and MB_YESNO <> 0 then
  begin
    if Copy(Answers, 1, 1) = 'Y' then Result := IDYES else Result := IDNO;
    Delete(Answers, 1, 1);
  end;
end;

function ExpandConstant(const S: String): String; begin Result := StringReplace(S, '{tmp}', 'TMP', []); end;
function DirExists(const Name: String): Boolean; begin Result := True; end;
function FileExists(const Name: String): Boolean; begin Result := True; end;
function DelTree(const Path: String; IsDir, DeleteFiles, DeleteSubdirsAlso: Boolean): Boolean; begin Result := True; end;
function CreateDir(const Dir: String): Boolean; begin Result := True; end;
procedure ExtractTemporaryFile(const FileName: String); begin end;
function StringChangeEx(var S: String; const FromStr, ToStr: String; SupportDBCS: Boolean): Integer;
begin
  S := StringReplace(S, FromStr, ToStr, [rfReplaceAll]);
  Result := 0;
end;
function GetTickCount: DWORD; begin Result := 0; end;
function IsTranferingToDevice: Boolean; begin Result := False; end;
function GetTransferPercent: Integer; begin Result := 0; end;
function GetTransferExitCode: Integer; begin Result := 0; end;
function extract_zip_file(zipFile, destDir: String): Boolean; begin Result := True; end;
function async_TransferToDevice(LocalFile, RemoteFile: String): Integer;
begin
  WriteLn('send ', LocalFile, ' to ', RemoteFile);
  Result := 0;
end;
function safe_begin_RAPI: Integer; begin Result := 0; end;
procedure safe_end_RAPI; begin WriteLn('disconnect'); end;
function safe_get_SD_Path(var Buffer: String; MaxLen: Integer): Integer;
begin
  Result := Cards.Count;
  if Result > 0 then
    Buffer := Cards.Text + #0 + Buffer;
end;
function safe_ce_dir_exists(aDir: String): Boolean; begin Result := DeviceFolders.IndexOf(aDir) >= 0; end;
function safe_ce_create_dir(aDir: String): Boolean;
begin
  WriteLn('create ', aDir);
  DeviceFolders.Add(aDir);
  Result := True;
end;
function ChooseSDPath(ModuleName: String; SD_PathFileList: TStringList): Integer;
begin
  WriteLn('choose among ', SD_PathFileList.DelimitedText);
  if Copy(Answers, 1, 1) = 'Y' then Result := 1 else Result := -1;
  Delete(Answers, 1, 1);
end;
procedure _SearchDirectory(List: TStringList; Directories: TStringList; const DelimitedDirectory: String; Recursive: Boolean);
begin
  Directories.Add(DelimitedDirectory + 'Maps\');
  List.Add(DelimitedDirectory + 'readme.txt');
  List.Add(DelimitedDirectory + 'Maps\city.map');
end;
)";

const char *const HarnessMain = R"(
var
  Options: String;
  I: Integer;
  Copied: Boolean;

function ListOf(const Text: String): TStringList;
begin
  Result := TStringList.Create;
  Result.Delimiter := ',';
  Result.StrictDelimiter := True;
  Result.DelimitedText := Text;
end;

begin
  Options := ParamStr(2);
  DCMRequired := Pos('R', Options) > 0;
  Cards := ListOf(ParamStr(3));
  DeviceFolders := ListOf(ParamStr(4));
  Answers := ParamStr(5);
  for I := 1 to StrToInt(ParamStr(6)) do
  begin
    Copied := InstallCopyModule('Atlas', 'dcm0', 'atlas.zip', ParamStr(1), Pos('C', Options) > 0,
      Pos('U', Options) > 0, False, Pos('S', Options) > 0, False);
    WriteLn('result ', Copied);
  end;
end.
)";

class CopyModuleBehaviour : public testing::Test
{
protected:
    void SetUp() override
    {
        TProjectContainer project;
        project.DirectCopyModules.AddNew();
        QStringList code;
        DirectCopyCode::WriteDirectCopyCode(project, code);
        const QStringList heads = code.filter(QStringLiteral("function InstallCopyModule("));
        ASSERT_EQ(heads.size(), 1);
        const QStringList source = QString::fromLatin1(Harness).split(u'\n') + FreePascalProgram::Routine(code, heads.first())
            + QString::fromLatin1(HarnessMain).split(u'\n');
        const std::string problems = program.Build(QStringLiteral("copymodule"), source);
        ASSERT_EQ(problems, std::string());
    }

    std::string copy(const char *location, const char *options, const char *cards = "", const char *deviceFolders = "",
                     const char *answers = "", int times = 1)
    {
        return program.Run({ QLatin1String(location), QLatin1String(options), QLatin1String(cards),
                             QLatin1String(deviceFolders), QLatin1String(answers), QString::number(times) });
    }

    FreePascalProgram program;
};

TEST_F(CopyModuleBehaviour, StorageCardFolderJoinsTheLocationAndTakesTheArchivesFolders)
{
    EXPECT_EQ(copy("\\Program Files\\App", "S", "\\Storage Card"),
              "create \\Storage Card\\Program Files\\App\n"
              "create \\Storage Card\\Program Files\\App\\Maps\n"
              "send TMP\\dcm0\\readme.txt to \\Storage Card\\Program Files\\App\\readme.txt\n"
              "send TMP\\dcm0\\Maps\\city.map to \\Storage Card\\Program Files\\App\\Maps\\city.map\n"
              "disconnect\n"
              "result TRUE");
}

TEST_F(CopyModuleBehaviour, LocationsGetTheirLeadingBackslash)
{
    EXPECT_EQ(copy("Program Files\\App", "", "", "\\Program Files\\App,\\Program Files\\App\\Maps", "", 1),
              "message The install directory exists on your Mobile Device. Unable to continue.\ndisconnect\nresult FALSE");
    EXPECT_EQ(copy("", "U", "", "\\,\\Maps", "Y"),
              "message The install directory exists on your Mobile Device. Do you want to continue ?\n"
              "send TMP\\dcm0\\readme.txt to \\readme.txt\n"
              "send TMP\\dcm0\\Maps\\city.map to \\Maps\\city.map\n"
              "disconnect\n"
              "result TRUE");
}

TEST_F(CopyModuleBehaviour, NoStorageCard)
{
    EXPECT_EQ(copy("App", "S"), "message There is no SD Card in your mobile device, or an error occured.\ndisconnect\nresult FALSE");
    EXPECT_EQ(copy("App", "SR"),
              "message Either there is no SD Card in your mobile device, or an error occurred.  Please fix the problem and "
              "try again.\ndisconnect\nresult FALSE");
    EXPECT_EQ(copy("App", "SC", "", "\\App,\\App\\Maps", "Y"),
              "message No SD Card found in your mobile device, but setup wizard can continue copying data to internal "
              "memory. Do you want to continue ?\n"
              "message The install directory exists on your Mobile Device. Unable to continue.\ndisconnect\nresult FALSE");
}

TEST_F(CopyModuleBehaviour, TwoCardsLetTheUserChooseOrCancel)
{
    EXPECT_EQ(copy("App", "S", "\\SD1,\\SD2", "\\SD2\\App,\\SD2\\App\\Maps", "N"),
              "choose among \\SD1,\\SD2\ndisconnect\nresult FALSE");
    EXPECT_EQ(copy("App", "SU", "\\SD1,\\SD2", "\\SD2\\App,\\SD2\\App\\Maps", "YY"),
              "choose among \\SD1,\\SD2\n"
              "message The install directory exists on your Mobile Device. Do you want to continue ?\n"
              "send TMP\\dcm0\\readme.txt to \\SD2\\App\\readme.txt\n"
              "send TMP\\dcm0\\Maps\\city.map to \\SD2\\App\\Maps\\city.map\n"
              "disconnect\n"
              "result TRUE");
}

TEST_F(CopyModuleBehaviour, TheUpdateQuestionIsAskedOncePerSetup)
{
    EXPECT_EQ(copy("App", "U", "", "\\App", "N", 2),
              "message The install directory exists on your Mobile Device. Do you want to continue ?\n"
              "disconnect\nresult FALSE\ndisconnect\nresult FALSE");
}

} // namespace
} // namespace talmo
