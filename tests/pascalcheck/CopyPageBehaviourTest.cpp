#include "engine/scriptcode/StorageCardPage.h"
#include "model/ProjectContainer.h"

#include "tests/support/QtPrinters.h"

#include "FreePascalProgram.h"

#include <gtest/gtest.h>

namespace talmo {
namespace {

// The copy button's routines of the generated page, run as Free Pascal with
// stand-ins for the setup's labels, its component list and InstallCopyModule.
// The stand-in prints each module it copies; the run ends with the page's
// state. Arguments: selected components, each module's copy result (Y/N),
// the module count and the hidden modules.
const char *const Harness = R"(program copypage;
{$mode delphi}{$H+}
uses SysUtils, Classes;
type
  TFont = class public Color, Size: Integer; end;
  TLabel = class
  public
    Caption: String;
    Font: TFont;
    Top, Left, Height: Integer;
    Visible, Enabled: Boolean;
    constructor Create;
    procedure Hide;
  end;
  TButton = TLabel;
  TDirectCopyModuleOptions = record
    Caption, ZipFileName: String;
    UserCanUpdateInstall, InstallLocationRootIsSDCard, UserCanChangeInstallRoot,
    UserMustSelectInstallLocation, IsDownloadFile: Boolean;
    DefaultInstallLocation, UniqueName: String;
  end;
const
  clGreen = $008000;
var
  CopyToSD_Label2, CopyToSD_Label3, CopyToSD_Label4, CopyToSD_Label5, CopyToSD_Label6: TLabel;
  CopyToSD_Button5: TButton;
  DirectCopyModuleOptions: array[0..9] of TDirectCopyModuleOptions;
  DirectCopyModulesCount, DirectCopyHiddenModulesCount: Integer;
  DirectCopyHiddenModules: array[0..9] of Integer;
  CopyResults: String;

constructor TLabel.Create;
begin
  Font := TFont.Create;
  Visible := True;
  Enabled := True;
end;

procedure TLabel.Hide;
begin
  Visible := False;
end;

function WizardSelectedComponents(Descriptions: Boolean): String;
begin
  Result := ParamStr(1);
end;

function InstallCopyModule(ModuleName, ModuleUniqueName, ZipFileName, DefaultInstallLocation: String;
  UserCanChangeInstallRoot, UserCanUpdateInstall, UserMustSelectInstallLocation, InstallLocationRootIsSDCard,
  IsDownloadFile: Boolean): Boolean;
begin
  WriteLn('copy ', ModuleUniqueName);
  Result := CopyResults[StrToInt(Copy(ModuleUniqueName, 4, 9)) + 1] = 'Y';
end;
)";

const char *const HarnessMain = R"(
var
  I: Integer;
  Hidden: TStringList;
begin
  CopyResults := ParamStr(2);
  DirectCopyModulesCount := StrToInt(ParamStr(3));
  for I := 0 to DirectCopyModulesCount - 1 do
    DirectCopyModuleOptions[I].UniqueName := 'dcm' + IntToStr(I);
  Hidden := TStringList.Create;
  Hidden.CommaText := ParamStr(4);
  DirectCopyHiddenModulesCount := Hidden.Count;
  for I := 0 to Hidden.Count - 1 do
    DirectCopyHiddenModules[I] := StrToInt(Hidden[I]);
  CopyToSD_Label2 := TLabel.Create;
  CopyToSD_Label3 := TLabel.Create;
  CopyToSD_Label4 := TLabel.Create;
  CopyToSD_Label5 := TLabel.Create;
  CopyToSD_Label6 := TLabel.Create;
  CopyToSD_Button5 := TButton.Create;
  CopyToSD_Button5OnClick(nil);
  if CopyToSD_Button5.Visible then
    WriteLn('waiting')
  else
    WriteLn('done: ', CopyToSD_Label4.Caption);
end.
)";

class CopyPageBehaviour : public testing::Test
{
protected:
    void SetUp() override
    {
        TProjectContainer project;
        project.DirectCopyModules.AddNew();
        QStringList page;
        StorageCardPage::WriteCopyToSDPage(project, page);
        QStringList source = QString::fromLatin1(Harness).split(u'\n');
        for (const char *head : { "function CopyToSD_ModuleName(SelectedName: String): String;",
                                  "function CopyToSD_InstallModule(K: Integer): Boolean;",
                                  "procedure CopyToSD_Button5OnClick(Sender: TObject);" }) {
            const QStringList code = FreePascalProgram::Routine(page, QLatin1String(head));
            ASSERT_FALSE(code.isEmpty()) << head;
            source += code;
        }
        source += QString::fromLatin1(HarnessMain).split(u'\n');

        const std::string problems = program.Build(QStringLiteral("copypage"), source);
        ASSERT_EQ(problems, std::string());
    }

    std::string click(const char *selected, const char *results, int modules, const char *hidden)
    {
        return program.Run({ QLatin1String(selected), QLatin1String(results), QString::number(modules), QLatin1String(hidden) });
    }

    FreePascalProgram program;
};

TEST_F(CopyPageBehaviour, OneFailedModuleKeepsThePageWaiting)
{
    EXPECT_EQ(click("dcm0,dcm1", "NY", 2, ""), "copy dcm0\ncopy dcm1\nwaiting");
}

TEST_F(CopyPageBehaviour, EveryModuleCopiedShowsSuccess)
{
    EXPECT_EQ(click("dcm0,dcm1", "YY", 2, ""),
              "copy dcm0\ncopy dcm1\ndone: Succesfull. Press Next to continue with the installation.");
}

TEST_F(CopyPageBehaviour, HiddenModulesAreCopiedWhenNoSelectableOneIsChosen)
{
    EXPECT_EQ(click("", "YY", 2, "1"), "copy dcm1\ndone: Succesfull. Press Next to continue with the installation.");
}

TEST_F(CopyPageBehaviour, HiddenModulesFollowOnlyASuccessfulChoice)
{
    EXPECT_EQ(click("dcm0", "NY", 2, "1"), "copy dcm0\nwaiting");
    EXPECT_EQ(click("dcm0", "YY", 2, "1"), "copy dcm0\ncopy dcm1\ndone: Succesfull. Press Next to continue with the installation.");
}

TEST_F(CopyPageBehaviour, ModuleInsideAContainerIsFoundByItsOwnName)
{
    EXPECT_EQ(click("cnt2\\dcm1,other", "YY", 2, ""),
              "copy dcm1\ndone: Succesfull. Press Next to continue with the installation.");
}

} // namespace
} // namespace talmo
