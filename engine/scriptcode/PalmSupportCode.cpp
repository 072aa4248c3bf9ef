#include "engine/scriptcode/PalmSupportCode.h"

#include "model/ProjectContainer.h"

namespace talmo {

namespace {

// An error code of one of the Palm Desktop libraries: its script constant,
// its value as the library answers it, and the message shown in the log.
struct PalmErrorCode
{
    const char *constant;
    const char *value;
    const char *messageKey;
    const char *message;
};

constexpr PalmErrorCode conduitManagerErrors[] = {
    { "ERR_CONDUIT_MGR", "-1000", "ErrConduitMgr", "An otherwise nonspecific Conduit Manager error occurred." },
    { "ERR_INDEX_OUT_OF_RANGE", "-1001", "ErrIndexOutOfRange",
      "The conduit index lies outside the range of installed conduits." },
    { "ERR_UNABLE_TO_DELETE", "-1002", "ErrUnableToDelete", "The conduit could not be removed." },
    { "ERR_NO_CONDUIT", "-1003", "ErrNoConduit", "No conduit is registered for this creator ID." },
    { "ERR_NO_MEMORY", "-1004", "ErrNoMemory", "There is not enough memory to complete the request." },
    { "ERR_CREATORID_ALREADY_IN_USE", "-1005", "ErrCreatorIdAlreadyInUse",
      "Another conduit is already registered under this creator ID." },
    { "ERR_REGISTRY_ACCESS", "-1006", "ErrRegistryAccess",
      "The conduit settings in the registry could not be read or written." },
    { "ERR_UNABLE_TO_CREATE_CONDUIT", "-1007", "ErrUnableToCreateConduit", "The conduit entry could not be created." },
    { "ERR_UNABLE_TO_SET_CONDUIT_VALUE", "-1008", "ErrUnableToSetConduitValue",
      "A setting of the conduit could not be stored." },
    { "ERR_INVALID_HANDLE", "-1009", "ErrInvalidHandle", "The handle given to the Conduit Manager is not valid." },
    { "ERR_BUFFER_TOO_SMALL", "-1010", "ErrBufferTooSmall", "The buffer is too small for the requested value." },
    { "ERR_VALUE_NOT_FOUND", "-1011", "ErrValueNotFound", "The requested conduit setting does not exist." },
    { "ERR_INVALID_CREATOR_ID", "-1012", "ErrInvalidCreatorId", "The creator ID is not valid." },
    { "ERR_INVALID_POINTER", "-1013", "ErrInvalidPointer", "A pointer given to the Conduit Manager is not valid." },
    { "ERR_UNABLE_TO_INSTALL_OLD", "-1014", "ErrUnableToInstallOld", "ErrUnableToInstallOld" },
    { "ERR_INVALID_CONDUIT_TYPE", "-1015", "ErrInvalidConduitType", "The conduit type is not valid." },
    { "ERR_INVALID_COM_PORT_TYPE", "-1016", "ErrInvalidCOMPortType", "The communications port type is not valid." },
    { "ERR_NO_LONGER_SUPPORTED", "-1017", "ErrNoLongerSupported",
      "The Conduit Manager no longer supports this function." },
    { "ERR_INVALID_PATH", "-1018", "ErrInvalidPath", "The path is not valid." },
    { "ERR_ALREADY_INSTALLED", "-1019", "ErrAlreadyInstalled", "The conduit is already installed." },
    { "ERR_STORAGE_ACCESS", "-1020", "ErrStorageAccess", "The Conduit Manager could not access its storage." },
    { "ERR_NOTIFIER_NOT_FOUND", "-1021", "ErrNotifierNotFound", "The notifier library was not found." },
    { "ERR_INSTALL_ID_ALREADY_IN_USE", "-1022", "ErrInstallIdAlreadyInUse",
      "Another install conduit is already registered under this ID." },
    { "ERR_INVALID_INSTALL_ID", "-1023", "ErrInvalidInstallId", "The install conduit ID is not valid." },
};

constexpr PalmErrorCode hotSyncErrors[] = {
    { "ERROR_HSAPI_HOTSYNC_NOT_FOUND", "$10000001", "ErrorHsapiHotSyncNotFound", "HotSync Manager is not running." },
    { "ERROR_HSAPI_INVALID_CONN_TYPE", "$10000002", "ErrorHsapiInvalidConnType", "The connection type is not valid." },
    { "ERROR_HSAPI_FAILURE", "$10000003", "ErrorHsapiFailure", "The HotSync request failed." },
    { "ERROR_HSAPI_REG_FAILURE", "$10000004", "ErrorHsapiRegFailure",
      "The HotSync settings in the registry could not be accessed." },
    { "ERROR_HSAPI_UNKNOWN_STATUS_TYPE", "$10000005", "ErrorHsapiUnknownStatusType",
      "The HotSync status type is not known." },
    { "ERROR_HSAPI_UNABLE_TO_CLOSE", "$10000006", "ErrorHsapiUnableToClose", "HotSync Manager could not be closed." },
    { "ERROR_HSAPI_NO_HOTSYNC_PATH", "$10000007", "ErrorHsapiNoHotSyncPath", "ErrorHsapiNoHotSyncPath" },
    { "ERROR_HSAPI_UNABLE_TO_START", "$10000008", "ErrorHsapiUnableToStart", "HotSync Manager could not be started." },
    { "ERROR_HSAPI_INVALID_STATUS_FLAG", "$10000009", "ErrorHsapiInvalidStatusFlag",
      "The HotSync start flag is not valid." },
    { "ERROR_HSAPI_INVALID_POINTER", "$1000000A", "ErrorHsapiInvalidPointer",
      "A pointer given to the HotSync library is not valid." },
};

constexpr PalmErrorCode installAideErrors[] = {
    { "ERR_PILOT_NO_USERS", "-500", "ErrPilotNoUsers", "This computer has no Palm users." },
    { "ERR_PILOT_INVALID_USER_INDEX", "-501", "ErrPilotInvalidUserIndex", "The user index is not valid." },
    { "ERR_PILOT_BUFSIZE_TOO_SMALL", "-502", "ErrPilotBufsizeTooSmall", "The buffer is too small for the user name." },
    { "ERR_PILOT_NO_USERSDAT_FILE", "-503", "ErrPilotNoUsersDatFile", "The Palm users file was not found." },
    { "ERR_PILOT_COPY_FAILED", "-504", "ErrPilotCopyFailed",
      "The file could not be copied into the user's install folder." },
    { "ERR_IA_INVALID_USER", "-505", "ErrIaInvalidUser", "The Palm user is not valid." },
    { "ERR_PILOT_INVALID_USER", "-505", "ErrPilotInvalidUser", "The Palm user name is not valid." },
    { "ERR_PILOT_INVALID_FILENAME", "-506", "ErrPilotInvalidFilename", "The file name is not valid." },
    { "ERR_PILOT_INVALID_FILE_INDEX", "-507", "ErrPilotInvalidFileIndex", "The file index is not valid." },
    { "ERR_PILOT_USERSDAT_ALREADY_EXISTS", "-508", "ErrPilotUsersDatAlreadyExists", "" },
    { "ERR_PILOT_INVALID_PATH_TYPE", "-509", "ErrPilotInvalidPathType", "The path type is not valid." },
    { "ERR_PILOT_INVALID_REGISTRY", "-510", "ErrPilotInvalidRegistry",
      "The Palm Desktop settings in the registry are not valid." },
    { "ERR_PILOT_INVALID_PATH", "-511", "ErrPilotInvalidPath", "The path is not valid." },
    { "ERR_PILOT_FILE_ALREADY_EXISTS", "-512", "ErrPilotFileAlreadyExists", "The file already exists." },
    { "ERR_PILOT_INVALID_SOURCE_FILE", "-513", "ErrPilotInvalidSourceFile", "The source file is not valid." },
    { "ERR_PILOT_INVALID_INDEX", "-514", "ErrPilotInvalidIndex", "The index is not valid." },
    { "ERR_PILOT_INVALID_FILE_TYPE", "-515", "ErrPilotInvalidFileType",
      "Files of this type cannot be installed on a Palm handheld." },
    { "ERR_PILOT_INVALID_BUFFER", "-516", "ErrPilotInvalidBuffer", "The buffer is not valid." },
    { "ERR_PILOT_INVALID_CREATORID", "-517", "ErrPilotInvalidCreatorId", "The creator ID is not valid." },
    { "ERR_PALM_NO_CORE_PATH", "-518", "ErrPalmNoCorePath", "The Palm Desktop folder is not known." },
    { "ERR_PALM_UNABLE_TO_CREATE_NEW_FILE", "-519", "ErrPalmUnableToCreateNewFile", "A new file could not be created." },
    { "ERR_PALM_SEMAPHORE_ACCESS", "-520", "ErrPalmSemaphoreAccess",
      "The Palm Desktop's users file is locked by another program." },
    { "ERR_PALM_OTHER_USERSDAT_ACCESS_PROBLEM", "-521", "ErrPalmOtherUsersDatAccessProblem",
      "The Palm users file could not be accessed." },
    { "ERR_IA_INVALID_USER_ID", "-522", "ErrIaInvalidUserId", "The Palm user ID is not valid." },
    { "ERR_PALM_FILE_DELETE_FAILED", "-523", "ErrPalmFileDeleteFailed", "A file could not be deleted." },
    { "ERR_PALM_FILE_MOVE_FAILED", "-524", "ErrPalmFileMoveFailed", "A file could not be moved." },
    { "ERR_PALM_NO_DIRECTORY", "-551", "ErrPalmNoDirectory", "The folder does not exist." },
    { "ERR_PALM_NO_USER_FILE", "-552", "ErrPalmNoUserFile", "The user's file was not found." },
    { "ERR_PALM_NO_USERS", "-553", "ErrPalmNoUsers", "No Palm users were found." },
    { "ERR_PALM_NOT_FOUND", "-554", "ErrPalmNotFound", "The Palm Desktop was not found." },
    { "ERR_PALM_BAD_FILENAME", "-555", "ErrPalmBadFilename", "The file name is not allowed." },
    { "ERR_PALM_USER_ACCESS", "-556", "ErrPalmUserAccess", "The user's data could not be accessed." },
    { "ERR_IA_INVALID_FILE_TYPE", "-701", "ErrIaInvalidFileType", "The Install Aide cannot install this type of file." },
};

const char *const leadingMessages = R"(PalmNoHotSync=Could not find Palm HotSync software. Cannot install Palm Application.
PalmSelectUsers=Select Palm Users
PalmWhichUsers=Which Palm users should use {#SetupSetting("AppName")}?
PalmSelectUsersNext=Select the users who are to have {#SetupSetting("AppName")} installed on their Palm computer, then click Next.
PalmInstJSync=Installing JSync (may take a few minutes) ...
PalmInstCOM=Installing COM support (may take a few minutes) ...
ErrNone=No error.
ErrNonSpecific=A nonspecific error occurred.)";

const char *const headDeclarations = R"([Code]
const
  ERR_NONE = 0;
var
  PalmUserPage: TInputOptionWizardPage; { Palm user selection wizard page }

function FileIsVersion(Filename: String; majver: Integer): Boolean;
var
  VersionMS, VersionLS: Cardinal;
begin
  Result := False;
  if GetVersionNumbers(Filename, VersionMS, VersionLS) then
    Result := (VersionMS div 65536) = majver;
end;

const
  CONDUIT_COMPONENT = 0;
  CONDUIT_APPLICATION = 1;)";

const char *const conduitManagerCode = R"(
function _CmGetHotSyncExecPath(Path: String; var Size: Integer): Integer; external 'CmGetHotSyncExecPath@files:condmgr.dll stdcall setuponly';

function CmGetHotSyncExecPath(var Path: String): Integer;
var
  Size: Integer;
begin
  Path := ' ';
  Size := Length(Path);
  Result := _CmGetHotSyncExecPath(Path, Size);
  if Result = ERR_BUFFER_TOO_SMALL then
  begin
    Path := StringOfChar(' ', Size);
    Result := _CmGetHotSyncExecPath(Path, Size);
  end;
  if Result = ERR_NONE then
  begin
    if Pos(#0, Path) > 0 then
      Path := Copy(Path, 1, Pos(#0, Path) - 1);
  end
  else
    Path := '';
end;

function CmInstallCreator(CreatorID: String; CondType: Integer): Integer; external 'CmInstallCreator@files:condmgr.dll stdcall setuponly';
function CmRemoveConduitByCreatorID(CreatorID: String): Integer; external 'CmRemoveConduitByCreatorID@{app}\condmgr.dll stdcall uninstallonly';
function CmSetCreatorName(CreatorID: String; Name: String): Integer; external 'CmSetCreatorName@files:condmgr.dll stdcall setuponly';
function CmSetCreatorDirectory(CreatorID: String; Directory: String): Integer; external 'CmSetCreatorDirectory@files:condmgr.dll stdcall setuponly';
function CmSetCreatorFile(CreatorID: String; Filename: String): Integer; external 'CmSetCreatorFile@files:condmgr.dll stdcall setuponly';
function CmSetCreatorRemote(CreatorID: String; Remote: String): Integer; external 'CmSetCreatorRemote@files:condmgr.dll stdcall setuponly';
function CmSetCreatorTitle(CreatorID: String; Title: String): Integer; external 'CmSetCreatorTitle@files:condmgr.dll stdcall setuponly';
function CmSetCreatorInfo(CreatorID: String; Info: String): Integer; external 'CmSetCreatorInfo@files:condmgr.dll stdcall setuponly';
function CmSetCreatorPriority(CreatorID: String; Priority: Longint): Integer; external 'CmSetCreatorPriority@files:condmgr.dll stdcall setuponly';
function CmSetCreatorValueString(CreatorID: String; Value: String; Setting: String): Integer; external 'CmSetCreatorValueString@files:condmgr.dll stdcall setuponly';

const
  HsCloseApp = 0;
  HsStartApp = 1;
  HsRestart = 2;
  HsReserved = 3;
  HSFLAG_NONE = 0;)";

const char *const hotSyncCode = R"(
function Installer_HsSetAppStatus(StatusType: Integer; StartFlags: Longint): Longint; external 'HsSetAppStatus@files:hsapi.dll stdcall setuponly';
function Uninstaller_HsSetAppStatus(StatusType: Integer; StartFlags: Longint): Longint; external 'HsSetAppStatus@{app}\hsapi.dll stdcall uninstallonly';
function Installer_HsRefreshConduitInfo(): Longint; external 'HsRefreshConduitInfo@files:hsapi.dll stdcall setuponly';
function Uninstaller_HsRefreshConduitInfo(): Longint; external 'HsRefreshConduitInfo@{app}\hsapi.dll stdcall uninstallonly';

function HsSetAppStatus(StatusType: Integer; StartFlags: Longint): Longint;
begin
  if IsUninstaller() then
    Result := Uninstaller_HsSetAppStatus(StatusType, StartFlags)
  else
    Result := Installer_HsSetAppStatus(StatusType, StartFlags);
end;

function HsRefreshConduitInfo(): Longint;
begin
  if IsUninstaller() then
    Result := Uninstaller_HsRefreshConduitInfo()
  else
    Result := Installer_HsRefreshConduitInfo();
end;

const)";

const char *const installAideCode = R"(
function _PltGetUser(Index: Integer; Name: String; var Size: Shortint): Integer; external 'PltGetUser@files:instaide.dll stdcall setuponly';

function PltGetUser(Index: Integer; var Name: String): Integer;
var
  Size: Shortint;
begin
  Name := StringOfChar(' ', 255);
  Size := 0;
  Result := _PltGetUser(Index, Name, Size);
  if Result = ERR_PILOT_BUFSIZE_TOO_SMALL then
  begin
    Name := StringOfChar(' ', Size);
    Result := _PltGetUser(Index, Name, Size);
  end;
  if Result >= 0 then
    Name := Copy(Name, 1, Result)
  else
    Name := '';
end;

function PltGetUserCount(): Integer; external 'PltGetUserCount@files:instaide.dll stdcall setuponly';
function PltInstallFile(User: String; Filename: String): Integer; external 'PltInstallFile@files:instaide.dll stdcall setuponly';

function PltGetUsers(): TArrayOfString;
var
  Count, I: Integer;
  Name: String;
begin
  Count := PltGetUserCount();
  { a negative count is an error code: no users to offer }
  if Count < 0 then
    Count := 0;
  SetArrayLength(Result, Count);
  for I := 0 to Count - 1 do
  begin
    PltGetUser(I, Name);
    Result[I] := Name;
  end;
end;
)";

const char *const palmRoutines = R"(
function PalmInstallConduit(CreatorID: String; cType: Integer; Name, Directory, Filename, Remote, Title: String; Priority: Integer): Integer;
var
  err: Integer;
begin
  err := CmInstallCreator(CreatorID, cType);
  if err = ERR_NONE then
    err := CmSetCreatorName(CreatorID, Name);
  if (err = ERR_NONE) and (Directory <> '') then
    err := CmSetCreatorDirectory(CreatorID, Directory);
  if (err = ERR_NONE) and (Filename <> '') then
    err := CmSetCreatorFile(CreatorID, Filename);
  if (err = ERR_NONE) and (Remote <> '') then
    err := CmSetCreatorRemote(CreatorID, Remote);
  if (err = ERR_NONE) and (Title <> '') then
    err := CmSetCreatorTitle(CreatorID, Title);
  if err = ERR_NONE then
    err := CmSetCreatorPriority(CreatorID, Priority);
  Log('Installing "' + Title + '" conduit (' + CreatorID + ') "' + Name + '" "' + Directory + '" "' + Filename + '":' + PalmGetErrorMessage(err));
  Result := err;
end;

function PalmInstallCOMConduit(CreatorID: String; cType: Integer; COMClient, Directory, Filename, Remote, Title: String; Priority: Integer): Integer;
var
  err: Integer;
begin
  err := PalmInstallConduit(CreatorID, cType, 'COMConduit.dll', Directory, Filename, Remote, Title, Priority);
  if err = ERR_NONE then
    err := CmSetCreatorValueString(CreatorID, 'COMClient', COMClient);
  Log('..COM conduit settings:' + PalmGetErrorMessage(err));
  Result := err;
end;

procedure PalmUninstallConduit(CreatorID: String);
begin
  CmRemoveConduitByCreatorID(CreatorID);
end;

function PalmHotSyncDir(Param: String): String;
var
  Path: String;
begin
  Result := '';
  if CmGetHotSyncExecPath(Path) = ERR_NONE then
    Result := ExtractFileDir(Path);
end;

function PalmInitializeSetup(): Boolean;
var
  err: Integer;
  Path: String;
begin
  { The user page is not reset here: the [Files] checks call this again
    after the wizard has made the page. A global starts out as nil. }
  err := CmGetHotSyncExecPath(Path);
  if (err = ERR_NONE) and (Path = '') then
    err := ERR_CONDUIT_MGR;
  Log('Get HotSync Path:' + PalmGetErrorMessage(err));
  Result := err = ERR_NONE;
end;

procedure PalmInitializeWizard(const AfterID: Integer);
var
  Users: TArrayOfString;
  I: Integer;
begin
  Users := PltGetUsers();
  if GetArrayLength(Users) = 0 then
    exit;
  PalmUserPage := CreateInputOptionPage(AfterID, ExpandConstant('{cm:PalmSelectUsers}'),
    ExpandConstant('{cm:PalmWhichUsers}'), ExpandConstant('{cm:PalmSelectUsersNext}'), False, True);
  for I := 0 to GetArrayLength(Users) - 1 do
  begin
    PalmUserPage.Add(Users[I]);
    PalmUserPage.Values[I] := True;
  end;
end;

procedure PalmCurStepChanged(CurStep: TSetupStep);
var
  err: Longint;
begin
  if CurStep = ssInstall then
  begin
    err := HsSetAppStatus(HsCloseApp, HSFLAG_NONE);
    Log('Close HotSync:' + PalmGetErrorMessage(err));
  end;
  if CurStep = ssPostInstall then
  begin
    err := HsSetAppStatus(HsStartApp, HSFLAG_NONE);
    Log('Start HotSync:' + PalmGetErrorMessage(err));
  end;
end;

procedure PalmInstallApplication(Filename: String);
var
  I: Integer;
  User: String;
begin
  if PalmUserPage <> nil then
  begin
    Log('Installing Palm application "' + Filename + '" for user(s):');
    for I := 0 to PalmUserPage.CheckListBox.Items.Count - 1 do
      if PalmUserPage.Values[I] then
      begin
        User := PalmUserPage.CheckListBox.Items[I];
        PltInstallFile(User, Filename);
        Log('  ' + User);
      end;
    Log('Install complete.');
  end;
end;

function PalmInitializeUninstall(): Boolean;
begin
  Result := True;
end;

procedure PalmUninstallStepChanged(CurUninstallStep: TUninstallStep);
begin
  if CurUninstallStep = usUninstall then
  begin
    HsRefreshConduitInfo();
    { let the uninstaller delete the libraries it loaded from the application folder }
    UnloadDLL(ExpandConstant('{app}\instaide.dll'));
    UnloadDLL(ExpandConstant('{app}\hsapi.dll'));
    UnloadDLL(ExpandConstant('{app}\condmgr.dll'));
  end;
end;
)";

template <std::size_t N>
void appendConstants(QStringList &script, const PalmErrorCode (&codes)[N])
{
    for (const PalmErrorCode &code : codes)
        script << QStringLiteral("  %1 = %2;").arg(QLatin1String(code.constant), QLatin1String(code.value));
}

template <std::size_t N>
void appendMessages(QStringList &script, const PalmErrorCode (&codes)[N])
{
    for (const PalmErrorCode &code : codes)
        script << QLatin1String(code.messageKey) + u'=' + QLatin1String(code.message);
}

template <std::size_t N>
void appendMessageTests(QStringList &script, const PalmErrorCode (&codes)[N])
{
    for (const PalmErrorCode &code : codes) {
        script << QStringLiteral("  if Err = %1 then Result := ExpandConstant('{cm:%2}');")
                      .arg(QLatin1String(code.constant), QLatin1String(code.messageKey));
    }
}

void appendText(QStringList &script, const char *text)
{
    script << QString::fromLatin1(text).split(u'\n');
}

void appendErrorMessageFunction(QStringList &script)
{
    script << QString() << QStringLiteral("function PalmGetErrorMessage(Err: Longint): String;")
           << QStringLiteral("begin") << QStringLiteral("  Result := ExpandConstant('{cm:ErrNonSpecific}');")
           << QStringLiteral("  if Err = ERR_NONE then Result := ExpandConstant('{cm:ErrNone}');");
    appendMessageTests(script, conduitManagerErrors);
    appendMessageTests(script, hotSyncErrors);
    appendMessageTests(script, installAideErrors);
    script << QStringLiteral("end;");
}

} // namespace

void WritePalmSupportCode(const TProjectContainer &project, QStringList &script)
{
    if (project.PalmSections.IsEmpty())
        return;

    script << QStringLiteral("[CustomMessages]");
    appendText(script, leadingMessages);
    appendMessages(script, conduitManagerErrors);
    appendMessages(script, hotSyncErrors);
    appendMessages(script, installAideErrors);
    script << QString();

    appendText(script, headDeclarations);
    appendConstants(script, conduitManagerErrors);
    appendText(script, conduitManagerCode);
    appendConstants(script, hotSyncErrors);
    appendText(script, hotSyncCode);
    appendConstants(script, installAideErrors);
    appendText(script, installAideCode);
    appendErrorMessageFunction(script);
    appendText(script, palmRoutines);
}

} // namespace talmo
