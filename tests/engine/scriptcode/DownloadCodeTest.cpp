#include "engine/scriptcode/DownloadCode.h"
#include "engine/script/DownloadList.h"

#include "PascalScriptChecks.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

// A direct-copy archive first, then a CAB collection file and a desktop
// file, as the [Files] section lists them.
DownloadList fixtureDownloads()
{
    DownloadList downloads;
    downloads.Add("http://example.com/pkg/data.zip", "ExpandConstant('{tmp}\\data.zip')", "DIRECTCOPY0",
                  DownloadList::NeedsActiveSync);
    downloads.Add("ftp://files.example.com/cabs/extra.cab", "ExpandConstant('{tmp}\\down-1')", "",
                  DownloadList::NeedsActiveSync);
    downloads.Add("http://example.com/tool.exe", "ExpandConstant('{tmp}\\down-2')", "CONTAINER0\\WIN321",
                  DownloadList::DesktopFile);
    return downloads;
}

QStringList downloadCode()
{
    QStringList script;
    WriteDownloadCode(fixtureDownloads(), script);
    return script;
}

} // namespace

TEST(DownloadCode, NothingWithoutDownloads)
{
    QStringList script;
    WriteDownloadCode(DownloadList(), script);
    EXPECT_TRUE(script.isEmpty());
}

TEST(DownloadCode, TheDownloadTableAndTheTemporaryFileOfEachEntry)
{
    const QStringList expected = {
        "[Code]",
        "type",
        "  TDownloadFilesOptions = record",
        "    Source: String;",
        "    ModuleName: String;",
        "    CheckType: Integer;",
        "  end;",
        "",
        "var",
        "  DownloadFilesOptions: array[0..2] of TDownloadFilesOptions;",
        "  DownloadFilesOptionsCount: Integer;",
        "function GetDownloadFileDestination(DownloadID: Integer): String;",
        "begin",
        "  case DownloadID of",
        "    0: Result:=ExpandConstant('{tmp}\\data.zip');",
        "    1: Result:=ExpandConstant('{tmp}\\down-1');",
        "    2: Result:=ExpandConstant('{tmp}\\down-2');",
        "  end;",
        "end;",
    };
    const QStringList script = downloadCode();
    EXPECT_EQ(script.mid(0, expected.size()).join(u'\n').toStdString(), expected.join(u'\n').toStdString());
}

TEST(DownloadCode, DownloaderConstantsWithThePlatformValues)
{
    const char *constants[] = {
        "const",
        "  ITDERR_SUCCESS = 0;",
        "  ITDERR_USERCANCEL = 1;",
        "  ITDERR_ERROR = 3;",
        "  ITD_UPDATE_MOD = 4;",
        "  ITD_Second_Column = 140;",
        "  ITD_Vert_Spacing = 18;",
        "  ITD_Box_Width = 400;",
        "  ITD_INTERNET_OPEN_TYPE_PRECONFIG = 0;",
        "  ITD_INTERNET_FLAG_RELOAD = $80000000;",
        "  ITD_HTTP_QUERY_STATUS_CODE = 19;",
        "  ITD_HTTP_QUERY_FLAG_NUMBER = $20000000;",
        "  ITD_HTTP_QUERY_CONTENT_LENGTH = 5;",
        "  ITD_HTTP_STATUS_FORBIDDEN = 403;",
        "  ITD_HTTP_STATUS_NOT_FOUND = 404;",
        "  ITD_HTTP_STATUS_BAD_METHOD = 405;",
        "  ITD_HTTP_STATUS_SERVER_ERROR = 500;",
        "  ITD_INTERNET_SCHEME_HTTP = 3;",
        "  ITD_INTERNET_SCHEME_HTTPS = 4;",
        "  ITD_INTERNET_SCHEME_FTP = 1;",
        "  ITD_INTERNET_SERVICE_FTP = 1;",
        "  ITD_GENERIC_READ = $80000000;",
        "  ITD_FTP_TRANSFER_TYPE_BINARY = 2;",
        "  ITD_INTERNET_FLAG_NO_UI = $200;",
        "  ITD_INTERNET_FLAG_IGNORE_CERT_CN_INVALID = $1000;",
        "  ITD_INTERNET_FLAG_IGNORE_CERT_DATE_INVALID = $2000;",
        "  ITD_INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTP = $8000;",
        "  ITD_INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS = $4000;",
        "  ITD_INTERNET_FLAG_RESYNCHRONIZE = $800;",
        "  ITD_PM_REMOVE = 1;",
        "  ITD_WM_QUIT = $12;",
    };
    const QStringList script = downloadCode();
    const qsizetype first = script.indexOf(QStringLiteral("  ITDERR_SUCCESS = 0;")) - 1;
    ASSERT_GT(first, 0);
    for (std::size_t i = 0; i < std::size(constants); ++i)
        EXPECT_EQ(script.value(first + qsizetype(i)).toStdString(), constants[i]);
}

TEST(DownloadCode, BindingsNameTheAnsiFunctionsOfThePlatformLibraries)
{
    const QString script = downloadCode().join(u'\n');
    const char *bindings[] = {
        "'InternetReadFile@wininet.dll stdcall'",   "'InternetConnectA@wininet.dll stdcall'",
        "'InternetCloseHandle@wininet.dll stdcall'", "'InternetOpenA@wininet.dll stdcall'",
        "'InternetOpenUrlA@wininet.dll stdcall'",   "'InternetCrackUrlA@wininet.dll stdcall'",
        "'FtpOpenFileA@wininet.dll stdcall'",       "'FtpGetFileSize@wininet.dll stdcall'",
        "'HttpQueryInfoA@wininet.dll stdcall'",     "'GetSystemTimeAsFileTime@kernel32.dll stdcall'",
        "'PeekMessageA@user32.dll stdcall'",        "'TranslateMessage@user32.dll stdcall'",
        "'DispatchMessageA@user32.dll stdcall'",    "'PostQuitMessage@user32.dll stdcall'",
    };
    for (const char *binding : bindings)
        EXPECT_TRUE(script.contains(QString::fromLatin1(binding))) << binding;
}

TEST(DownloadCode, EveryRoutineTheSetupCallsIsThereAndDeclaredBeforeItsUse)
{
    const QStringList script = downloadCode();
    const char *routines[] = {
        "procedure ITD_Init;",
        "procedure ITD_DownloadAfter(afterID: Integer);",
        "procedure ITD_HandleShowPage(Page: TWizardPage);",
        "function ITD_HandleSkipPage(Page: TWizardPage): Boolean;",
        "function ITD_HandleBackClick(Page: TWizardPage): Boolean;",
        "procedure ITD_AddFile(const url, filename: String);",
        "procedure ITD_AddFileSize(const url, filename: String; size: Cardinal);",
        "procedure ITD_ClearFiles;",
        "procedure ITD_Cancel;",
        "function ITD_ShouldCancel: Boolean;",
        "function ITD_DownloadFiles: Boolean;",
        "function ITD_DownloadFile(const url, filename: String): Boolean;",
        "procedure ITD_SetOption(const option, value: String);",
        "function ITD_GetOption(const option: String): String;",
    };
    for (const char *routine : routines)
        EXPECT_TRUE(script.contains(QString::fromLatin1(routine))) << routine;
    for (const char *internal : { "ITD_Now", "ITD_ProcessMessages", "ITD_FilesizeToStr", "ITD_postfix",
                                  "ITD_ShortTimeToStr", "ITD_UpdateUI", "ITD_CheckErrorCode", "ITD_CrackUrl",
                                  "ITD_GetFTPSize", "ITD_GetHTTPSize", "ITD_QuerySize", "ITD_WrapInternetReadFile",
                                  "ITD_Internal_DownloadList", "ITD_NowDoDownload" }) {
        const QString name = QString::fromLatin1(internal);
        const bool declared = std::any_of(script.cbegin(), script.cend(), [&](const QString &line) {
            return line.startsWith(QStringLiteral("function ") + name + u'(')
                || line.startsWith(QStringLiteral("procedure ") + name + u'(');
        });
        EXPECT_TRUE(declared) << internal;
    }
    EXPECT_EQ(RoutinesUsedBeforeDeclaration(script), QStringList());
    EXPECT_EQ(PascalBlockProblem(script).toStdString(), "");
}

TEST(DownloadCode, TextsTheUserAndTheLogSee)
{
    const QStringList script = downloadCode();
    const QString text = script.join(u'\n');
    const char *texts[] = {
        "  ITD_Data.Agent := 'InnoTools_Downloader';",
        "  ITD_Options.caption := 'Downloading additional files';",
        "  ITD_Options.description := 'Please wait while setup downloads additional files...';",
        "    Result := '0.2 Alpha'",
        "MsgBox('Can''t get size for ' + Files[I].url, mbInformation, MB_OK);",
        "'Getting file information...'",
        "'Starting download...'",
        "'Downloading...'",
        "'Download complete!'",
        "'Retry'",
        "'Sorry, the files could not be downloaded. Click retry to try downloading the files again, or click next to "
        "continue installing anyway.'",
        "'Sorry, the files could not be downloaded. Click retry to try downloading the files again, or click cancel to "
        "terminate setup.'",
        "'HTTP error trying to download the file at (' + Files[I].url + ') to (' + Files[I].filename + '), code '",
        "ITD_AddLabel(Page, 'lblFile', 'File:', 0, 0);",
        "ITD_AddLabel(Page, 'lblSpeed', 'Speed:', 0, ITD_Vert_Spacing);",
        "ITD_AddLabel(Page, 'lblStatus', 'Status:', 0, 2 * ITD_Vert_Spacing);",
        "ITD_AddLabel(Page, 'lblElapsedTime', 'Elapsed time:', 0, 3 * ITD_Vert_Spacing);",
        "ITD_AddLabel(Page, 'lblRemainingTime', 'Remaining time:', 0, 4 * ITD_Vert_Spacing);",
        "ITD_AddLabel(Page, 'lblCurrent', 'Current file:', 0, 6 * ITD_Vert_Spacing);",
        "ITD_AddLabel(Page, 'lblTotal', 'Total progress:', 0, 9 * ITD_Vert_Spacing);",
    };
    for (const char *expected : texts)
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected;
    for (const char *option : { "'UI_Caption'", "'UI_Description'", "'UI_FailMessage'", "'UI_FailOrContinueMessage'",
                                "'UI_AllowContinue'", "'Debug_DownloadDelay'", "'ITD_NoCache'", "'Debug_Messages'",
                                "'ITD_Version'" })
        EXPECT_TRUE(text.contains(QStringLiteral("CompareText(option, %1)").arg(QLatin1String(option)))) << option;
}

TEST(DownloadCode, TheStructureChecksCatchWhatTheyLookFor)
{
    EXPECT_NE(PascalBlockProblem({ "begin", "  try", "  end;" }), QString());
    EXPECT_NE(PascalBlockProblem({ "end;" }), QString());
    EXPECT_EQ(PascalBlockProblem({ "begin", "  s := 'end'; { begin }", "end;" }), QString());
    EXPECT_EQ(RoutinesUsedBeforeDeclaration({ "procedure A;", "begin", "  B;", "end;", "procedure B;" }),
              QStringList({ "b" }));
}
