#include "PascalChecker.h"

#include <gtest/gtest.h>

namespace {

// A body of one procedure with a local string and integer; the statement is line 5.
QStringList procedureWith(const QString &statement)
{
    return {QStringLiteral("procedure Probe;"),
            QStringLiteral("var S: String;"),
            QStringLiteral("  I: Integer;"),
            QStringLiteral("begin"),
            QStringLiteral("  ") + statement,
            QStringLiteral("  if I = 0 then S := S;"),
            QStringLiteral("end;")};
}

TEST(PascalCheck, AcceptsAWholeSectionWithoutMainBlock)
{
    const QStringList code = {
        QStringLiteral("function GetTickCount: DWORD;"),
        QStringLiteral("external 'GetTickCount@kernel32.dll stdcall';"),
        QStringLiteral("function PalmProbe(var Size: Integer): Integer; external 'PalmProbe@files:probe.dll stdcall setuponly';"),
        QStringLiteral("var"),
        QStringLiteral("  Page: TWizardPage;"),
        QStringLiteral("  Note: TLabel;"),
        QStringLiteral("  Names: TStringList;"),
        QStringLiteral("procedure NoteOnClick(Sender: TObject);"),
        QStringLiteral("begin"),
        QStringLiteral("  Names := TStringList.Create;"),
        QStringLiteral("  Names.Add(IntToStr(GetTickCount));"),
        QStringLiteral("  MsgBox(Names[0] + ExpandConstant('{app}'), mbInformation, MB_OK);"),
        QStringLiteral("  Names.Free;"),
        QStringLiteral("end;"),
        QStringLiteral("procedure CurStepChanged(CurStep: TSetupStep);"),
        QStringLiteral("begin"),
        QStringLiteral("  if CurStep = ssPostInstall then DeleteFile(ExpandConstant('{tmp}\\x'));"),
        QStringLiteral("  if CurStep = ssDone then RaiseException('the installer takes one text');"),
        QStringLiteral("end;"),
        QStringLiteral("procedure InitializeWizard();"),
        QStringLiteral("begin"),
        QStringLiteral("  Page := CreateCustomPage(wpWelcome, 'Caption', 'Description');"),
        QStringLiteral("  Note := TLabel.Create(Page);"),
        QStringLiteral("  Note.Parent := Page.Surface;"),
        QStringLiteral("  Note.Font.Style := Note.Font.Style + [fsBold];"),
        QStringLiteral("  Note.Font.Color := clRed;"),
        QStringLiteral("  Note.OnClick := @NoteOnClick;"),
        QStringLiteral("  WizardForm.WelcomeLabel2.Caption := 'A'+#13+'B';"),
        QStringLiteral("end;"),
    };
    const PascalCheckResult result = runPascalCheck(code);
    EXPECT_EQ(result.exitCode, 0) << result.output.toStdString();
    EXPECT_FALSE(result.output.contains(QLatin1String("Error"))) << result.output.toStdString();
}

struct Rejection
{
    const char *statement;
    const char *message;
};

class PascalCheckRejects : public testing::TestWithParam<Rejection>
{
};

TEST_P(PascalCheckRejects, ReportsTheErrorWithItsLine)
{
    const PascalCheckResult result = runPascalCheck(procedureWith(QString::fromLatin1(GetParam().statement)));
    EXPECT_EQ(result.exitCode, 1) << result.output.toStdString();
    EXPECT_TRUE(result.reportsAtLine(5)) << result.output.toStdString();
    EXPECT_TRUE(result.output.contains(QString::fromLatin1(GetParam().message))) << result.output.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Statements, PascalCheckRejects,
    testing::Values(Rejection{"S := UndeclaredThing;", "Error: Unknown identifier 'UndeclaredThing'"},
                    Rejection{"S := ExpandConstant('{app}', 'extra');", "Error: Invalid number of parameters"},
                    Rejection{"S := WizardDirValue(1);", "Error: Invalid number of parameters"},
                    Rejection{"S := 5;", "Error: Type mismatch"},
                    Rejection{"I := WizardForm.Caption;", "Error: Type mismatch"},
                    Rejection{"WizardForm.NoSuchMember := S;", "Error: Unknown identifier"},
                    Rejection{"WizardForm.CurPageID := 3;", "Error"},
                    Rejection{"Inc(I);", "Error: Unknown identifier 'Inc'"}),
    [](const testing::TestParamInfo<Rejection> &info) { return "Case" + std::to_string(info.index); });

TEST(PascalCheck, RejectsAnEventRoutineWithTheWrongPrototype)
{
    const PascalCheckResult result = runPascalCheck({QStringLiteral("function InitializeSetup(Quiet: Boolean): Boolean;"),
                                                     QStringLiteral("begin"),
                                                     QStringLiteral("  Result := Quiet;"),
                                                     QStringLiteral("end;")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.reportsAtLine(1)) << result.output.toStdString();
    EXPECT_TRUE(result.output.contains(QStringLiteral("Invalid prototype for 'InitializeSetup'"))) << result.output.toStdString();
}

TEST(PascalCheck, CodeSectionsJoinEveryCodePartOfAScript)
{
    const QStringList script = {QStringLiteral("[Setup]"),      QStringLiteral("AppName=x"),
                                QStringLiteral("[Code]"),       QStringLiteral("var A: Integer;"),
                                QStringLiteral("[ISSI]"),       QStringLiteral("#define X"),
                                QStringLiteral("[Code]"),       QStringLiteral("#ifdef X"),
                                QStringLiteral("var B: Integer;"), QStringLiteral("[/Code]"),
                                QStringLiteral("[Run]"),        QStringLiteral("Filename: a")};
    EXPECT_EQ(codeSectionsOf(script), (QStringList{QStringLiteral("var A: Integer;"), QStringLiteral("var B: Integer;")}));
}

} // namespace
