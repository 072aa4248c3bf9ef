#include "engine/scriptcode/DownloadCode.h"

#include "engine/script/DownloadList.h"

namespace talmo {

namespace {

const char *const downloadTableType = R"([Code]
type
  TDownloadFilesOptions = record
    Source: String;
    ModuleName: String;
    CheckType: Integer;
  end;

)";

const char *const downloaderDeclarations = R"(
const
  ITDERR_SUCCESS = 0;
  ITDERR_USERCANCEL = 1;
  ITDERR_ERROR = 3;
  ITD_UPDATE_MOD = 4;
  ITD_Second_Column = 140;
  ITD_Vert_Spacing = 18;
  ITD_Box_Width = 400;
  ITD_INTERNET_OPEN_TYPE_PRECONFIG = 0;
  ITD_INTERNET_FLAG_RELOAD = $80000000;
  ITD_HTTP_QUERY_STATUS_CODE = 19;
  ITD_HTTP_QUERY_FLAG_NUMBER = $20000000;
  ITD_HTTP_QUERY_CONTENT_LENGTH = 5;
  ITD_HTTP_STATUS_FORBIDDEN = 403;
  ITD_HTTP_STATUS_NOT_FOUND = 404;
  ITD_HTTP_STATUS_BAD_METHOD = 405;
  ITD_HTTP_STATUS_SERVER_ERROR = 500;
  ITD_INTERNET_SCHEME_HTTP = 3;
  ITD_INTERNET_SCHEME_HTTPS = 4;
  ITD_INTERNET_SCHEME_FTP = 1;
  ITD_INTERNET_SERVICE_FTP = 1;
  ITD_GENERIC_READ = $80000000;
  ITD_FTP_TRANSFER_TYPE_BINARY = 2;
  ITD_INTERNET_FLAG_NO_UI = $200;
  ITD_INTERNET_FLAG_IGNORE_CERT_CN_INVALID = $1000;
  ITD_INTERNET_FLAG_IGNORE_CERT_DATE_INVALID = $2000;
  ITD_INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTP = $8000;
  ITD_INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS = $4000;
  ITD_INTERNET_FLAG_RESYNCHRONIZE = $800;
  ITD_PM_REMOVE = 1;
  ITD_WM_QUIT = $12;

type
  ITD_HINTERNET = LongWord;
  ITD_Pointer = LongWord;
  ITD_TDateTime = Double; { days }
  ITD_TFile = record
    url, filename: String;
    size: Cardinal;
    done: Boolean;
  end;
  ITD_TFileArray = array of ITD_TFile;
  ITD_TFileTime = record
    dwLowDateTime, dwHighDateTime: DWord;
  end;
  ITD_TMsg = record
    hwnd, message, wParam, lParam, time: LongWord;
    pt: TPoint;
  end;
  ITD_TURLScheme = (usInvalid, usHTTP, usFTP);
  ITD_TDelphiUrlComponents = record
    HostName, UrlPath, Username, Password: String;
    port: Integer;
    scheme: ITD_TURLScheme;
  end;
  ITD_TURLComponents = record
    dwStructSize: DWord;
    lpszScheme: ITD_Pointer;
    dwSchemeLength: DWord;
    nScheme: Integer;
    lpszHostName: ITD_Pointer;
    dwHostNameLength: DWord;
    nPort: Word;
    wAlignment: Word; { keeps the next field where the platform expects it }
    lpszUserName: ITD_Pointer;
    dwUserNameLength: DWord;
    lpszPassword: ITD_Pointer;
    dwPasswordLength: DWord;
    lpszUrlPath: ITD_Pointer;
    dwUrlPathLength: DWord;
    lpszExtraInfo: ITD_Pointer;
    dwExtraInfoLength: DWord;
  end;
  ITD_TUI = record
    lblFile, lblSpeed, lblStatus, lblElapsedTime, lblRemainingTime, lblCurrent, lblTotal: TNewStaticText;
    valFile, valSpeed, valStatus, valElapsedTime, valRemainingTime, valCurrent, valTotal: TNewStaticText;
    barCurrent, barTotal: TNewProgressBar;
  end;
  ITD_TOptions = record
    caption, description, failmessage, failretryorcontinue: String;
    allowcontinue: Boolean;
  end;
  ITD_TData = record
    Debugmessages, Cancel: Boolean;
    StartTime: ITD_TDateTime;
    RequestFlags: LongWord;
    Agent: String;
    DownloadDelay: Integer;
  end;

function ITD_InternetReadFile(hFile: ITD_HINTERNET; Buffer: String; dwNumberOfBytesToRead: LongWord; var lpdwNumberOfBytesRead: LongWord): Boolean; external 'InternetReadFile@wininet.dll stdcall';
function ITD_InternetConnect(hInternet: ITD_HINTERNET; lpszServerName: String; nServerPort: Integer; lpszUserName, lpszPassword: String; dwService, dwFlags, dwContext: LongWord): ITD_HINTERNET; external 'InternetConnectA@wininet.dll stdcall';
function ITD_InternetCloseHandle(hInternet: ITD_HINTERNET): Boolean; external 'InternetCloseHandle@wininet.dll stdcall';
function ITD_InternetOpen(lpszAgent: String; dwAccessType: LongWord; lpszProxy, lpszProxyBypass: String; dwFlags: LongWord): ITD_HINTERNET; external 'InternetOpenA@wininet.dll stdcall';
function ITD_InternetOpenUrl(hInternet: ITD_HINTERNET; lpszUrl, lpszHeaders: String; dwHeadersLength, dwFlags, dwContext: LongWord): ITD_HINTERNET; external 'InternetOpenUrlA@wininet.dll stdcall';
function ITD_InternetCrackUrl(lpszUrl: String; dwUrlLength, dwFlags: LongWord; var lpUrlComponents: ITD_TURLComponents): Boolean; external 'InternetCrackUrlA@wininet.dll stdcall';
function ITD_FtpOpenFile(hConnect: ITD_HINTERNET; lpszFileName: String; dwAccess, dwFlags, dwContext: LongWord): ITD_HINTERNET; external 'FtpOpenFileA@wininet.dll stdcall';
function ITD_FtpGetFileSize(hFile: ITD_HINTERNET; var lpdwFileSizeHigh: LongWord): LongWord; external 'FtpGetFileSize@wininet.dll stdcall';
function ITD_HttpQueryInfo(hRequest: ITD_HINTERNET; dwInfoLevel: LongWord; var lpBuffer: LongWord; var lpdwBufferLength, lpdwIndex: LongWord): Boolean; external 'HttpQueryInfoA@wininet.dll stdcall';
procedure ITD_GetSystemTimeAsFileTime(var lpSystemTimeAsFileTime: ITD_TFileTime); external 'GetSystemTimeAsFileTime@kernel32.dll stdcall';
function ITD_PeekMessage(var lpMsg: ITD_TMsg; hWnd: LongWord; wMsgFilterMin, wMsgFilterMax, wRemoveMsg: LongWord): Boolean; external 'PeekMessageA@user32.dll stdcall';
function ITD_TranslateMessage(const lpMsg: ITD_TMsg): Boolean; external 'TranslateMessage@user32.dll stdcall';
function ITD_DispatchMessage(const lpMsg: ITD_TMsg): Longint; external 'DispatchMessageA@user32.dll stdcall';
procedure ITD_PostQuitMessage(nExitCode: Integer); external 'PostQuitMessage@user32.dll stdcall';

var
  ITD_Options: ITD_TOptions;
  ITD_RetryOnBack: Boolean;
  ITD_Files: ITD_TFileArray;
  ITD_Data: ITD_TData;
)";

// Time, message pump, texts of sizes and times, and the page refresh.
const char *const downloaderHelpers = R"(
function ITD_Now(): ITD_TDateTime;
var
  FileTime: ITD_TFileTime;
begin
  ITD_GetSystemTimeAsFileTime(FileTime);
  Result := (FileTime.dwLowDateTime * 1.0 + FileTime.dwHighDateTime * 4294967296.0) / 8.64E11;
end;

procedure ITD_ProcessMessages();
var
  Msg: ITD_TMsg;
begin
  while (not Terminated) and ITD_PeekMessage(Msg, 0, 0, 0, ITD_PM_REMOVE) do
  begin
    if Msg.message = ITD_WM_QUIT then
    begin
      { the setup is closing: stop the download and let the quit through }
      ITD_Data.Cancel := True;
      ITD_PostQuitMessage(Msg.wParam);
      exit;
    end;
    ITD_TranslateMessage(Msg);
    ITD_DispatchMessage(Msg);
  end;
end;

function ITD_FilesizeToStr(Size: Cardinal): String;
begin
  if Size < 1024 then
    Result := IntToStr(Size) + ' bytes'
  else if Size < 1024 * 1024 then
    Result := IntToStr(Size div 1024) + 'KB'
  else if Size < 1024 * 1024 * 1024 then
    Result := Format('%.2fMB', [Size / 1048576.0])
  else
    Result := Format('%.2fGB', [Size / 1073741824.0]);
end;

function ITD_postfix(Count: Integer; UnitName: String): String;
begin
  Result := IntToStr(Count) + ' ' + UnitName;
  if Count <> 1 then
    Result := Result + 's';
end;

function ITD_ShortTimeToStr(Time: ITD_TDateTime): String;
var
  Seconds, Minutes, Hours, Days, Weeks: Integer;
begin
  try
    Seconds := Round(Time * 86400);
    Minutes := Seconds div 60;
    Hours := Minutes div 60;
    Days := Hours div 24;
    Weeks := Days div 7;
    Seconds := Seconds mod 60;
    Minutes := Minutes mod 60;
    Hours := Hours mod 24;
    Days := Days mod 7;
    if Weeks > 0 then
    begin
      Result := ITD_postfix(Weeks, 'week');
      if Days > 0 then
        Result := Result + ', ' + ITD_postfix(Days, 'day');
    end
    else if Days > 0 then
    begin
      Result := ITD_postfix(Days, 'day');
      if Hours > 0 then
        Result := Result + ', ' + ITD_postfix(Hours, 'hour');
    end
    else if Hours > 0 then
    begin
      Result := ITD_postfix(Hours, 'hour');
      if Minutes > 0 then
        Result := Result + ', ' + ITD_postfix(Minutes, 'minute');
    end
    else if Minutes > 0 then
    begin
      Result := ITD_postfix(Minutes, 'minute');
      if Seconds > 0 then
        Result := Result + ', ' + ITD_postfix(Seconds, 'second');
    end
    else
      Result := ITD_postfix(Seconds, 'second');
  except
    Result := 'Unknown';
  end;
end;

procedure ITD_UpdateUI(var ui: ITD_TUI; var f: ITD_TFile; FileStart: ITD_TDateTime; FileDone, TotalDone, TotalSize: Cardinal; TotalKnown: Boolean);
var
  CurrentTime, Elapsed, FileSeconds: ITD_TDateTime;
begin
  if ui.valStatus = nil then
    exit;
  CurrentTime := ITD_Now();
  FileSeconds := (CurrentTime - FileStart) * 86400;
  if FileSeconds > 0 then
    ui.valSpeed.Caption := ITD_FilesizeToStr(Round(FileDone / FileSeconds)) + '/s';
  Elapsed := CurrentTime - ITD_Data.StartTime;
  ui.valElapsedTime.Caption := ITD_ShortTimeToStr(Elapsed);
  if (TotalDone > 0) and TotalKnown then
    ui.valRemainingTime.Caption := ITD_ShortTimeToStr(TotalSize / TotalDone * Elapsed - Elapsed)
  else
    ui.valRemainingTime.Caption := 'Unknown';
  if FileDone > f.size then
    ui.valCurrent.Caption := ITD_FilesizeToStr(FileDone) + ' of unknown'
  else
  begin
    ui.valCurrent.Caption := ITD_FilesizeToStr(FileDone) + ' of ' + ITD_FilesizeToStr(f.size);
    ui.barCurrent.Position := FileDone;
  end;
  if (not TotalKnown) or (TotalDone > TotalSize) then
    ui.valTotal.Caption := ITD_FilesizeToStr(TotalDone) + ' of unknown'
  else
  begin
    ui.valTotal.Caption := ITD_FilesizeToStr(TotalDone) + ' of ' + ITD_FilesizeToStr(TotalSize);
    ui.barTotal.Position := TotalDone;
  end;
  ui.valCurrent.Left := ITD_Box_Width - ui.valCurrent.Width;
  ui.valTotal.Left := ITD_Box_Width - ui.valTotal.Width;
end;
)";

// Asking the server: status codes, addresses taken apart, file sizes.
const char *const downloaderQueries = R"(
function ITD_CheckErrorCode(hRequest: ITD_HINTERNET; var Code: LongWord): Boolean;
var
  BufferLength, Index: LongWord;
begin
  Code := 0;
  BufferLength := 4;
  Index := 0;
  if not ITD_HttpQueryInfo(hRequest, ITD_HTTP_QUERY_STATUS_CODE or ITD_HTTP_QUERY_FLAG_NUMBER, Code, BufferLength, Index) then
    Code := 0;
  Result := (Code = ITD_HTTP_STATUS_FORBIDDEN) or (Code = ITD_HTTP_STATUS_NOT_FOUND) or
    (Code = ITD_HTTP_STATUS_BAD_METHOD) or (Code = ITD_HTTP_STATUS_SERVER_ERROR);
end;

function ITD_CrackUrl(Url: String; var Parts: ITD_TDelphiUrlComponents): Boolean;
var
  Components: ITD_TURLComponents;
begin
  { A length of 1 asks for pointers into the address itself; the address
    starts with its scheme, so each part lies at its pointer's distance from
    the scheme's. }
  Components.dwStructSize := 60;
  Components.dwSchemeLength := 1;
  Components.dwHostNameLength := 1;
  Components.dwUserNameLength := 1;
  Components.dwPasswordLength := 1;
  Components.dwUrlPathLength := 1;
  Result := ITD_InternetCrackUrl(Url, Length(Url), 0, Components);
  if not Result then
    exit;
  Parts.HostName := Copy(Url, Components.lpszHostName - Components.lpszScheme + 1, Components.dwHostNameLength);
  Parts.UrlPath := Copy(Url, Components.lpszUrlPath - Components.lpszScheme + 1, Components.dwUrlPathLength);
  Parts.Username := Copy(Url, Components.lpszUserName - Components.lpszScheme + 1, Components.dwUserNameLength);
  Parts.Password := Copy(Url, Components.lpszPassword - Components.lpszScheme + 1, Components.dwPasswordLength);
  if Components.dwUserNameLength = 0 then
    Parts.Username := '';
  if Components.dwPasswordLength = 0 then
    Parts.Password := '';
  Parts.port := Components.nPort;
  if (Components.nScheme = ITD_INTERNET_SCHEME_HTTP) or (Components.nScheme = ITD_INTERNET_SCHEME_HTTPS) then
    Parts.scheme := usHTTP
  else if Components.nScheme = ITD_INTERNET_SCHEME_FTP then
    Parts.scheme := usFTP
  else
    Parts.scheme := usInvalid;
end;

function ITD_GetFTPSize(hInternet: ITD_HINTERNET; var Parts: ITD_TDelphiUrlComponents): Cardinal;
var
  hConnect, hFile: ITD_HINTERNET;
  SizeHigh: LongWord;
begin
  Result := 0;
  hConnect := ITD_InternetConnect(hInternet, Parts.HostName, Parts.port, Parts.Username, Parts.Password, ITD_INTERNET_SERVICE_FTP, 0, 0);
  if hConnect = 0 then
    exit;
  try
    hFile := ITD_FtpOpenFile(hConnect, Parts.UrlPath, ITD_GENERIC_READ, ITD_FTP_TRANSFER_TYPE_BINARY or ITD_INTERNET_FLAG_RESYNCHRONIZE, 0);
    if hFile <> 0 then
    begin
      { only the low 32 bits count: files of 4 GB and more are not supported }
      Result := ITD_FtpGetFileSize(hFile, SizeHigh);
      if Result = $FFFFFFFF then
        Result := 0;
      ITD_InternetCloseHandle(hFile);
    end;
  finally
    ITD_InternetCloseHandle(hConnect);
  end;
end;

function ITD_GetHTTPSize(hInternet: ITD_HINTERNET; Url: String): Cardinal;
var
  hUrl: ITD_HINTERNET;
  Size, BufferLength, Index: LongWord;
begin
  Result := 0;
  hUrl := ITD_InternetOpenUrl(hInternet, Url, '', 0, ITD_Data.RequestFlags, 0);
  if hUrl = 0 then
    exit;
  Size := 0;
  BufferLength := 4;
  Index := 0;
  if ITD_HttpQueryInfo(hUrl, ITD_HTTP_QUERY_CONTENT_LENGTH or ITD_HTTP_QUERY_FLAG_NUMBER, Size, BufferLength, Index) then
    Result := Size;
  ITD_InternetCloseHandle(hUrl);
end;

function ITD_QuerySize(Url: String): Cardinal;
var
  hInternet: ITD_HINTERNET;
  Parts: ITD_TDelphiUrlComponents;
begin
  Result := 0;
  if not ITD_CrackUrl(Url, Parts) then
    exit;
  if Parts.scheme = usInvalid then
    exit;
  hInternet := ITD_InternetOpen(ITD_Data.Agent, ITD_INTERNET_OPEN_TYPE_PRECONFIG, '', '', 0);
  if hInternet = 0 then
    exit;
  try
    if Parts.scheme = usHTTP then
      Result := ITD_GetHTTPSize(hInternet, Url)
    else
      Result := ITD_GetFTPSize(hInternet, Parts);
  finally
    ITD_InternetCloseHandle(hInternet);
  end;
end;

function ITD_WrapInternetReadFile(hFile: ITD_HINTERNET; var Buffer: String; var BytesRead: LongWord): Boolean;
begin
  BytesRead := 0;
  Result := ITD_InternetReadFile(hFile, Buffer, Length(Buffer), BytesRead);
end;
)";

// The download of a file list, with or without the page.
const char *const downloaderCore = R"(
function ITD_Internal_DownloadList(var ui: ITD_TUI; var Files: ITD_TFileArray): Integer;
var
  hInternet, hUrl: ITD_HINTERNET;
  Buffer: String;
  I, Reads: Integer;
  BytesRead, Code: LongWord;
  FileDone, TotalDone, TotalSize: Cardinal;
  TotalKnown, HasUI, ReadFailed: Boolean;
  Stream: TFileStream;
  FileStart, LastRefresh: ITD_TDateTime;
begin
  Result := ITDERR_ERROR;
  ITD_Data.Cancel := False;
  Buffer := StringOfChar(' ', 8 * 1024);
  ITD_Data.StartTime := ITD_Now();
  HasUI := ui.valStatus <> nil;
  ITD_ProcessMessages();
  if HasUI then
    ui.valStatus.Caption := 'Getting file information...';
  ITD_ProcessMessages();

  TotalSize := 0;
  TotalKnown := True;
  for I := 0 to GetArrayLength(Files) - 1 do
  begin
    if Files[I].size = 0 then
      Files[I].size := ITD_QuerySize(Files[I].url);
    if Files[I].size = 0 then
    begin
      TotalKnown := False;
      if ITD_Data.Debugmessages then
        MsgBox('Can''t get size for ' + Files[I].url, mbInformation, MB_OK);
    end;
    TotalSize := TotalSize + Files[I].size;
    ITD_ProcessMessages();
    if ITD_Data.Cancel then
      RaiseException(IntToStr(ITDERR_USERCANCEL));
  end;
  if HasUI then
  begin
    ui.barTotal.Max := TotalSize;
    ui.barTotal.Position := 0;
  end;

  hInternet := ITD_InternetOpen(ITD_Data.Agent, ITD_INTERNET_OPEN_TYPE_PRECONFIG, '', '', 0);
  if hInternet = 0 then
    RaiseException(IntToStr(ITDERR_ERROR));
  try
    TotalDone := 0;
    for I := 0 to GetArrayLength(Files) - 1 do
    begin
      if Files[I].done then
        TotalDone := TotalDone + Files[I].size
      else
      begin
        if HasUI then
        begin
          ui.valStatus.Caption := 'Starting download...';
          ui.valFile.Caption := ExtractFileName(Files[I].filename);
          ui.barCurrent.Max := Files[I].size;
          ui.barCurrent.Position := 0;
        end;
        hUrl := ITD_InternetOpenUrl(hInternet, Files[I].url, '', 0, ITD_Data.RequestFlags, 0);
        if hUrl = 0 then
          RaiseException(IntToStr(ITDERR_ERROR));
        try
          if ITD_CheckErrorCode(hUrl, Code) then
          begin
            if ITD_Data.Debugmessages then
              MsgBox('HTTP error trying to download the file at (' + Files[I].url + ') to (' + Files[I].filename + '), code ' + IntToStr(Code), mbError, MB_OK);
            RaiseException(IntToStr(ITDERR_ERROR));
          end;
          if HasUI then
            ui.valStatus.Caption := 'Downloading...';
          Stream := TFileStream.Create(Files[I].filename, fmCreate or fmShareDenyWrite);
          try
            try
              FileDone := 0;
              Reads := 0;
              FileStart := ITD_Now();
              LastRefresh := FileStart;
              repeat
                ReadFailed := not ITD_WrapInternetReadFile(hUrl, Buffer, BytesRead);
                if (not ReadFailed) and (BytesRead > 0) then
                begin
                  Stream.WriteBuffer(Buffer, BytesRead);
                  FileDone := FileDone + BytesRead;
                  TotalDone := TotalDone + BytesRead;
                end;
                Reads := Reads + 1;
                if (Reads mod ITD_UPDATE_MOD = 0) or ((ITD_Now() - LastRefresh) * 86400 > 2) then
                begin
                  ITD_UpdateUI(ui, Files[I], FileStart, FileDone, TotalDone, TotalSize, TotalKnown);
                  LastRefresh := ITD_Now();
                  ITD_ProcessMessages();
                  if ITD_Data.Cancel then
                    RaiseException(IntToStr(ITDERR_USERCANCEL));
                end;
                if ITD_Data.DownloadDelay > 0 then
                  Sleep(ITD_Data.DownloadDelay);
              until ReadFailed or (BytesRead = 0);
              ITD_UpdateUI(ui, Files[I], FileStart, FileDone, TotalDone, TotalSize, TotalKnown);
              if ReadFailed then
                RaiseException(IntToStr(ITDERR_ERROR));
            finally
              Stream.Free;
            end;
          except
            { no partly written file stays behind }
            DeleteFile(Files[I].filename);
            RaiseException(GetExceptionMessage);
          end;
        finally
          ITD_InternetCloseHandle(hUrl);
        end;
        Files[I].done := True;
      end;
    end;
    Result := ITDERR_SUCCESS;
    if HasUI then
    begin
      ui.valStatus.Caption := 'Download complete!';
      ui.valFile.Caption := '';
      ui.valCurrent.Caption := '';
      ui.valSpeed.Caption := '';
      ui.valRemainingTime.Caption := '';
    end;
  finally
    ITD_InternetCloseHandle(hInternet);
  end;
end;
)";

// What the rest of the script and the project's own code call.
const char *const downloaderInterface = R"(
procedure ITD_Init;
begin
  ITD_Data.RequestFlags := ITD_INTERNET_FLAG_NO_UI or ITD_INTERNET_FLAG_IGNORE_CERT_CN_INVALID or
    ITD_INTERNET_FLAG_IGNORE_CERT_DATE_INVALID or ITD_INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTP or
    ITD_INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS or ITD_INTERNET_FLAG_RESYNCHRONIZE;
  ITD_Data.Agent := 'InnoTools_Downloader';
  ITD_Data.DownloadDelay := 0;
  ITD_Options.caption := 'Downloading additional files';
  ITD_Options.description := 'Please wait while setup downloads additional files...';
end;

procedure ITD_AddFileSize(const url, filename: String; size: Cardinal);
var
  Count: Integer;
begin
  Count := GetArrayLength(ITD_Files);
  SetArrayLength(ITD_Files, Count + 1);
  ITD_Files[Count].url := url;
  ITD_Files[Count].filename := filename;
  ITD_Files[Count].size := size;
  ITD_Files[Count].done := False;
end;

procedure ITD_AddFile(const url, filename: String);
begin
  ITD_AddFileSize(url, filename, 0);
end;

procedure ITD_ClearFiles;
begin
  SetArrayLength(ITD_Files, 0);
end;

procedure ITD_Cancel;
begin
  ITD_Data.Cancel := True;
end;

function ITD_ShouldCancel: Boolean;
begin
  Result := ITD_Data.Cancel;
end;

function ITD_DownloadFiles: Boolean;
var
  ui: ITD_TUI;
begin
  ui.valStatus := nil;
  try
    Result := ITD_Internal_DownloadList(ui, ITD_Files) = ITDERR_SUCCESS;
  except
    Result := False;
  end;
end;

function ITD_DownloadFile(const url, filename: String): Boolean;
var
  ui: ITD_TUI;
  Files: ITD_TFileArray;
begin
  ui.valStatus := nil;
  SetArrayLength(Files, 1);
  Files[0].url := url;
  Files[0].filename := filename;
  Files[0].size := 0;
  Files[0].done := False;
  try
    Result := ITD_Internal_DownloadList(ui, Files) = ITDERR_SUCCESS;
  except
    Result := False;
  end;
end;

procedure ITD_SetOption(const option, value: String);
begin
  if CompareText(option, 'UI_Caption') = 0 then
    ITD_Options.caption := value
  else if CompareText(option, 'UI_Description') = 0 then
    ITD_Options.description := value
  else if CompareText(option, 'UI_FailMessage') = 0 then
    ITD_Options.failmessage := value
  else if CompareText(option, 'UI_FailOrContinueMessage') = 0 then
    ITD_Options.failretryorcontinue := value
  else if CompareText(option, 'UI_AllowContinue') = 0 then
    ITD_Options.allowcontinue := value = '1'
  else if CompareText(option, 'Debug_DownloadDelay') = 0 then
    ITD_Data.DownloadDelay := StrToIntDef(value, 0)
  else if CompareText(option, 'ITD_NoCache') = 0 then
  begin
    if value = '1' then
      ITD_Data.RequestFlags := ITD_Data.RequestFlags or ITD_INTERNET_FLAG_RELOAD
    else
      ITD_Data.RequestFlags := ITD_Data.RequestFlags and not ITD_INTERNET_FLAG_RELOAD;
  end
  else if CompareText(option, 'Debug_Messages') = 0 then
    ITD_Data.Debugmessages := value = '1';
end;

function ITD_GetOption(const option: String): String;
begin
  Result := '';
  if CompareText(option, 'ITD_Version') = 0 then
    Result := '0.2 Alpha'
  else if CompareText(option, 'Debug_DownloadDelay') = 0 then
    Result := IntToStr(ITD_Data.DownloadDelay)
  else if CompareText(option, 'ITD_NoCache') = 0 then
  begin
    if (ITD_Data.RequestFlags and ITD_INTERNET_FLAG_RELOAD) <> 0 then
      Result := '1'
    else
      Result := '0';
  end
  else if CompareText(option, 'Debug_Messages') = 0 then
  begin
    if ITD_Data.Debugmessages then
      Result := '1'
    else
      Result := '0';
  end;
end;
)";

// The wizard page and its events.
const char *const downloaderPage = R"(
procedure ITD_NowDoDownload(Page: TWizardPage);
var
  ui: ITD_TUI;
  Err: Integer;
begin
  WizardForm.BackButton.Enabled := False;
  WizardForm.NextButton.Enabled := False;
  ui.lblFile := TNewStaticText(Page.FindComponent('lblFile'));
  ui.lblSpeed := TNewStaticText(Page.FindComponent('lblSpeed'));
  ui.lblStatus := TNewStaticText(Page.FindComponent('lblStatus'));
  ui.lblElapsedTime := TNewStaticText(Page.FindComponent('lblElapsedTime'));
  ui.lblRemainingTime := TNewStaticText(Page.FindComponent('lblRemainingTime'));
  ui.lblCurrent := TNewStaticText(Page.FindComponent('lblCurrent'));
  ui.lblTotal := TNewStaticText(Page.FindComponent('lblTotal'));
  ui.valFile := TNewStaticText(Page.FindComponent('valFile'));
  ui.valSpeed := TNewStaticText(Page.FindComponent('valSpeed'));
  ui.valStatus := TNewStaticText(Page.FindComponent('valStatus'));
  ui.valElapsedTime := TNewStaticText(Page.FindComponent('valElapsedTime'));
  ui.valRemainingTime := TNewStaticText(Page.FindComponent('valRemainingTime'));
  ui.valCurrent := TNewStaticText(Page.FindComponent('valCurrent'));
  ui.valTotal := TNewStaticText(Page.FindComponent('valTotal'));
  ui.barCurrent := TNewProgressBar(Page.FindComponent('barCurrent'));
  ui.barTotal := TNewProgressBar(Page.FindComponent('barTotal'));
  try
    Err := ITD_Internal_DownloadList(ui, ITD_Files);
  except
    Err := StrToIntDef(GetExceptionMessage, ITDERR_ERROR);
  end;
  if Err = ITDERR_SUCCESS then
  begin
    WizardForm.NextButton.Enabled := True;
    WizardForm.NextButton.OnClick(WizardForm.NextButton);
  end
  else if Err <> ITDERR_USERCANCEL then
  begin
    WizardForm.BackButton.Caption := 'Retry';
    WizardForm.BackButton.Enabled := True;
    WizardForm.BackButton.Show;
    ITD_RetryOnBack := True;
    if ITD_Options.allowcontinue then
    begin
      WizardForm.NextButton.Enabled := True;
      if ITD_Options.failretryorcontinue <> '' then
        MsgBox(ITD_Options.failretryorcontinue, mbError, MB_OK)
      else
        MsgBox('Sorry, the files could not be downloaded. Click retry to try downloading the files again, or click next to continue installing anyway.', mbError, MB_OK);
    end
    else if ITD_Options.failmessage <> '' then
      MsgBox(ITD_Options.failmessage, mbError, MB_OK)
    else
      MsgBox('Sorry, the files could not be downloaded. Click retry to try downloading the files again, or click cancel to terminate setup.', mbError, MB_OK);
  end;
end;

procedure ITD_HandleShowPage(Page: TWizardPage);
begin
  WizardForm.NextButton.Enabled := False;
  WizardForm.BackButton.Hide;
  ITD_NowDoDownload(Page);
end;

function ITD_HandleSkipPage(Page: TWizardPage): Boolean;
var
  K, Separator: Integer;
  Selected, Rest, Name: String;
  Wanted: Boolean;
begin
  ITD_ClearFiles;
  Selected := WizardSelectedComponents(False);
  for K := 0 to DownloadFilesOptionsCount - 1 do
  begin
    if DownloadFilesOptions[K].ModuleName = '' then
    begin
      Wanted := True;
      if (DownloadFilesOptions[K].CheckType = 1) and not CheckAsync() then
        Wanted := False;
      if (DownloadFilesOptions[K].CheckType = 2) and not CheckPalm() then
        Wanted := False;
      if Wanted then
        ITD_AddFile(DownloadFilesOptions[K].Source, GetDownloadFileDestination(K));
    end
    else
    begin
      Rest := Selected;
      while Rest <> '' do
      begin
        Separator := Pos(',', Rest);
        if Separator > 0 then
        begin
          Name := Copy(Rest, 1, Separator - 1);
          Delete(Rest, 1, Separator);
        end
        else
        begin
          Name := Rest;
          Rest := '';
        end;
        if CompareText(Trim(Name), DownloadFilesOptions[K].ModuleName) = 0 then
          ITD_AddFile(DownloadFilesOptions[K].Source, GetDownloadFileDestination(K));
      end;
    end;
  end;
  Result := GetArrayLength(ITD_Files) = 0;
end;

function ITD_HandleBackClick(Page: TWizardPage): Boolean;
begin
  Result := False;
  if ITD_RetryOnBack then
  begin
    ITD_RetryOnBack := False;
    WizardForm.BackButton.Hide;
    ITD_NowDoDownload(Page);
  end;
end;

procedure ITD_AddLabel(Page: TWizardPage; const Name, Caption: String; Left, Top: Integer);
var
  Text: TNewStaticText;
begin
  Text := TNewStaticText.Create(Page);
  Text.Name := Name;
  Text.Caption := Caption;
  Text.Left := Left;
  Text.Top := Top;
  Text.Parent := Page.Surface;
end;

procedure ITD_AddProgressBar(Page: TWizardPage; const Name: String; Top: Integer);
var
  Bar: TNewProgressBar;
begin
  Bar := TNewProgressBar.Create(Page);
  Bar.Name := Name;
  Bar.Left := 0;
  Bar.Top := Top;
  Bar.Width := ITD_Box_Width;
  Bar.Parent := Page.Surface;
end;

procedure ITD_DownloadAfter(afterID: Integer);
var
  Page: TWizardPage;
begin
  Page := CreateCustomPage(afterID, ITD_Options.caption, ITD_Options.description);
  Page.OnActivate := @ITD_HandleShowPage;
  Page.OnShouldSkipPage := @ITD_HandleSkipPage;
  Page.OnBackButtonClick := @ITD_HandleBackClick;
  ITD_AddLabel(Page, 'lblFile', 'File:', 0, 0);
  ITD_AddLabel(Page, 'valFile', '', ITD_Second_Column, 0);
  ITD_AddLabel(Page, 'lblSpeed', 'Speed:', 0, ITD_Vert_Spacing);
  ITD_AddLabel(Page, 'valSpeed', '', ITD_Second_Column, ITD_Vert_Spacing);
  ITD_AddLabel(Page, 'lblStatus', 'Status:', 0, 2 * ITD_Vert_Spacing);
  ITD_AddLabel(Page, 'valStatus', '', ITD_Second_Column, 2 * ITD_Vert_Spacing);
  ITD_AddLabel(Page, 'lblElapsedTime', 'Elapsed time:', 0, 3 * ITD_Vert_Spacing);
  ITD_AddLabel(Page, 'valElapsedTime', '', ITD_Second_Column, 3 * ITD_Vert_Spacing);
  ITD_AddLabel(Page, 'lblRemainingTime', 'Remaining time:', 0, 4 * ITD_Vert_Spacing);
  ITD_AddLabel(Page, 'valRemainingTime', '', ITD_Second_Column, 4 * ITD_Vert_Spacing);
  ITD_AddLabel(Page, 'lblCurrent', 'Current file:', 0, 6 * ITD_Vert_Spacing);
  ITD_AddLabel(Page, 'valCurrent', '', ITD_Box_Width, 6 * ITD_Vert_Spacing);
  ITD_AddProgressBar(Page, 'barCurrent', 7 * ITD_Vert_Spacing);
  ITD_AddLabel(Page, 'lblTotal', 'Total progress:', 0, 9 * ITD_Vert_Spacing);
  ITD_AddLabel(Page, 'valTotal', '', ITD_Box_Width, 9 * ITD_Vert_Spacing);
  ITD_AddProgressBar(Page, 'barTotal', 10 * ITD_Vert_Spacing);
end;
)";

void appendText(QStringList &script, const char *text)
{
    QStringList lines = QString::fromLatin1(text).split(u'\n');
    lines.removeLast();  // every block ends with a line break
    script << lines;
}

} // namespace

void WriteDownloadCode(const DownloadList &downloads, QStringList &script)
{
    if (downloads.IsEmpty())
        return;

    appendText(script, downloadTableType);
    script << QStringLiteral("var")
           << QStringLiteral("  DownloadFilesOptions: array[0..%1] of TDownloadFilesOptions;").arg(downloads.Count() - 1)
           << QStringLiteral("  DownloadFilesOptionsCount: Integer;");
    script << QStringLiteral("function GetDownloadFileDestination(DownloadID: Integer): String;")
           << QStringLiteral("begin") << QStringLiteral("  case DownloadID of");
    for (int k = 0; k < downloads.Count(); ++k)
        script << QStringLiteral("    %1: Result:=%2;").arg(k).arg(downloads.DownloadDestinations.at(k));
    script << QStringLiteral("  end;") << QStringLiteral("end;");

    appendText(script, downloaderDeclarations);
    appendText(script, downloaderHelpers);
    appendText(script, downloaderQueries);
    appendText(script, downloaderCore);
    appendText(script, downloaderInterface);
    appendText(script, downloaderPage);
}

} // namespace talmo
