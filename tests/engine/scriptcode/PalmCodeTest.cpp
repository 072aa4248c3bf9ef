#include "engine/scriptcode/PalmSupportCode.h"
#include "model/ProjectContainer.h"

#include "PascalScriptChecks.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace talmo;

namespace {

QStringList palmCode()
{
    TProjectContainer project;
    project.PalmSections.AddNew();
    QStringList script;
    WritePalmSupportCode(project, script);
    return script;
}

// The lines of the [CustomMessages] block, without its header and closing empty line.
QStringList messageLines(const QStringList &script)
{
    const qsizetype header = script.indexOf(QStringLiteral("[CustomMessages]"));
    const qsizetype end = script.indexOf(QString(), header);
    return header < 0 || end < 0 ? QStringList() : script.mid(header + 1, end - header - 1);
}

// The error constants of the three libraries in declaration order, with their
// message keys; the two names of -505 each have their own message.
struct ErrorConstant
{
    const char *name;
    const char *value;
    const char *key;
};

const ErrorConstant errorConstants[] = {
    { "ERR_CONDUIT_MGR", "-1000", "ErrConduitMgr" },
    { "ERR_INDEX_OUT_OF_RANGE", "-1001", "ErrIndexOutOfRange" },
    { "ERR_UNABLE_TO_DELETE", "-1002", "ErrUnableToDelete" },
    { "ERR_NO_CONDUIT", "-1003", "ErrNoConduit" },
    { "ERR_NO_MEMORY", "-1004", "ErrNoMemory" },
    { "ERR_CREATORID_ALREADY_IN_USE", "-1005", "ErrCreatorIdAlreadyInUse" },
    { "ERR_REGISTRY_ACCESS", "-1006", "ErrRegistryAccess" },
    { "ERR_UNABLE_TO_CREATE_CONDUIT", "-1007", "ErrUnableToCreateConduit" },
    { "ERR_UNABLE_TO_SET_CONDUIT_VALUE", "-1008", "ErrUnableToSetConduitValue" },
    { "ERR_INVALID_HANDLE", "-1009", "ErrInvalidHandle" },
    { "ERR_BUFFER_TOO_SMALL", "-1010", "ErrBufferTooSmall" },
    { "ERR_VALUE_NOT_FOUND", "-1011", "ErrValueNotFound" },
    { "ERR_INVALID_CREATOR_ID", "-1012", "ErrInvalidCreatorId" },
    { "ERR_INVALID_POINTER", "-1013", "ErrInvalidPointer" },
    { "ERR_UNABLE_TO_INSTALL_OLD", "-1014", "ErrUnableToInstallOld" },
    { "ERR_INVALID_CONDUIT_TYPE", "-1015", "ErrInvalidConduitType" },
    { "ERR_INVALID_COM_PORT_TYPE", "-1016", "ErrInvalidCOMPortType" },
    { "ERR_NO_LONGER_SUPPORTED", "-1017", "ErrNoLongerSupported" },
    { "ERR_INVALID_PATH", "-1018", "ErrInvalidPath" },
    { "ERR_ALREADY_INSTALLED", "-1019", "ErrAlreadyInstalled" },
    { "ERR_STORAGE_ACCESS", "-1020", "ErrStorageAccess" },
    { "ERR_NOTIFIER_NOT_FOUND", "-1021", "ErrNotifierNotFound" },
    { "ERR_INSTALL_ID_ALREADY_IN_USE", "-1022", "ErrInstallIdAlreadyInUse" },
    { "ERR_INVALID_INSTALL_ID", "-1023", "ErrInvalidInstallId" },
    { "ERROR_HSAPI_HOTSYNC_NOT_FOUND", "$10000001", "ErrorHsapiHotSyncNotFound" },
    { "ERROR_HSAPI_INVALID_CONN_TYPE", "$10000002", "ErrorHsapiInvalidConnType" },
    { "ERROR_HSAPI_FAILURE", "$10000003", "ErrorHsapiFailure" },
    { "ERROR_HSAPI_REG_FAILURE", "$10000004", "ErrorHsapiRegFailure" },
    { "ERROR_HSAPI_UNKNOWN_STATUS_TYPE", "$10000005", "ErrorHsapiUnknownStatusType" },
    { "ERROR_HSAPI_UNABLE_TO_CLOSE", "$10000006", "ErrorHsapiUnableToClose" },
    { "ERROR_HSAPI_NO_HOTSYNC_PATH", "$10000007", "ErrorHsapiNoHotSyncPath" },
    { "ERROR_HSAPI_UNABLE_TO_START", "$10000008", "ErrorHsapiUnableToStart" },
    { "ERROR_HSAPI_INVALID_STATUS_FLAG", "$10000009", "ErrorHsapiInvalidStatusFlag" },
    { "ERROR_HSAPI_INVALID_POINTER", "$1000000A", "ErrorHsapiInvalidPointer" },
    { "ERR_PILOT_NO_USERS", "-500", "ErrPilotNoUsers" },
    { "ERR_PILOT_INVALID_USER_INDEX", "-501", "ErrPilotInvalidUserIndex" },
    { "ERR_PILOT_BUFSIZE_TOO_SMALL", "-502", "ErrPilotBufsizeTooSmall" },
    { "ERR_PILOT_NO_USERSDAT_FILE", "-503", "ErrPilotNoUsersDatFile" },
    { "ERR_PILOT_COPY_FAILED", "-504", "ErrPilotCopyFailed" },
    { "ERR_IA_INVALID_USER", "-505", "ErrIaInvalidUser" },
    { "ERR_PILOT_INVALID_USER", "-505", "ErrPilotInvalidUser" },
    { "ERR_PILOT_INVALID_FILENAME", "-506", "ErrPilotInvalidFilename" },
    { "ERR_PILOT_INVALID_FILE_INDEX", "-507", "ErrPilotInvalidFileIndex" },
    { "ERR_PILOT_USERSDAT_ALREADY_EXISTS", "-508", "ErrPilotUsersDatAlreadyExists" },
    { "ERR_PILOT_INVALID_PATH_TYPE", "-509", "ErrPilotInvalidPathType" },
    { "ERR_PILOT_INVALID_REGISTRY", "-510", "ErrPilotInvalidRegistry" },
    { "ERR_PILOT_INVALID_PATH", "-511", "ErrPilotInvalidPath" },
    { "ERR_PILOT_FILE_ALREADY_EXISTS", "-512", "ErrPilotFileAlreadyExists" },
    { "ERR_PILOT_INVALID_SOURCE_FILE", "-513", "ErrPilotInvalidSourceFile" },
    { "ERR_PILOT_INVALID_INDEX", "-514", "ErrPilotInvalidIndex" },
    { "ERR_PILOT_INVALID_FILE_TYPE", "-515", "ErrPilotInvalidFileType" },
    { "ERR_PILOT_INVALID_BUFFER", "-516", "ErrPilotInvalidBuffer" },
    { "ERR_PILOT_INVALID_CREATORID", "-517", "ErrPilotInvalidCreatorId" },
    { "ERR_PALM_NO_CORE_PATH", "-518", "ErrPalmNoCorePath" },
    { "ERR_PALM_UNABLE_TO_CREATE_NEW_FILE", "-519", "ErrPalmUnableToCreateNewFile" },
    { "ERR_PALM_SEMAPHORE_ACCESS", "-520", "ErrPalmSemaphoreAccess" },
    { "ERR_PALM_OTHER_USERSDAT_ACCESS_PROBLEM", "-521", "ErrPalmOtherUsersDatAccessProblem" },
    { "ERR_IA_INVALID_USER_ID", "-522", "ErrIaInvalidUserId" },
    { "ERR_PALM_FILE_DELETE_FAILED", "-523", "ErrPalmFileDeleteFailed" },
    { "ERR_PALM_FILE_MOVE_FAILED", "-524", "ErrPalmFileMoveFailed" },
    { "ERR_PALM_NO_DIRECTORY", "-551", "ErrPalmNoDirectory" },
    { "ERR_PALM_NO_USER_FILE", "-552", "ErrPalmNoUserFile" },
    { "ERR_PALM_NO_USERS", "-553", "ErrPalmNoUsers" },
    { "ERR_PALM_NOT_FOUND", "-554", "ErrPalmNotFound" },
    { "ERR_PALM_BAD_FILENAME", "-555", "ErrPalmBadFilename" },
    { "ERR_PALM_USER_ACCESS", "-556", "ErrPalmUserAccess" },
    { "ERR_IA_INVALID_FILE_TYPE", "-701", "ErrIaInvalidFileType" },
};

} // namespace

TEST(PalmCode, NothingWithoutPalmSections)
{
    TProjectContainer project;
    QStringList script;
    WritePalmSupportCode(project, script);
    EXPECT_TRUE(script.isEmpty());
}

TEST(PalmCode, MessagesComeInTheConstantsOrder)
{
    const QStringList messages = messageLines(palmCode());
    ASSERT_EQ(messages.size(), 75);

    const QStringList leading = {
        "PalmNoHotSync=Could not find Palm HotSync software. Cannot install Palm Application.",
        "PalmSelectUsers=Select Palm Users",
        "PalmWhichUsers=Which Palm users should use {#SetupSetting(\"AppName\")}?",
        "PalmSelectUsersNext=Select the users who are to have {#SetupSetting(\"AppName\")} installed on their Palm "
        "computer, then click Next.",
        "PalmInstJSync=Installing JSync (may take a few minutes) ...",
        "PalmInstCOM=Installing COM support (may take a few minutes) ...",
        "ErrNone=No error.",
        "ErrNonSpecific=A nonspecific error occurred.",
    };
    EXPECT_EQ(messages.mid(0, 8), leading);

    QStringList keys;
    for (const QString &line : messages.mid(8)) {
        keys << line.section(u'=', 0, 0);
        EXPECT_TRUE(line.contains(u'=')) << line.toStdString();
    }
    QStringList expectedKeys;
    for (const ErrorConstant &constant : errorConstants)
        expectedKeys << QString::fromLatin1(constant.key);
    EXPECT_EQ(keys, expectedKeys);

    for (const char *exact : { "ErrConduitMgr=An otherwise nonspecific Conduit Manager error occurred.",
                               "ErrorHsapiHotSyncNotFound=HotSync Manager is not running.",
                               "ErrUnableToInstallOld=ErrUnableToInstallOld",
                               "ErrorHsapiNoHotSyncPath=ErrorHsapiNoHotSyncPath", "ErrPilotUsersDatAlreadyExists=" })
        EXPECT_TRUE(messages.contains(QString::fromLatin1(exact))) << exact;
    for (const QString &line : messages.mid(8)) {
        if (!line.startsWith(QLatin1String("ErrPilotUsersDatAlreadyExists"))) {
            EXPECT_GT(line.section(u'=', 1).size(), 0) << line.toStdString();
        }
    }
}

TEST(PalmCode, ErrorConstantsAreDeclaredAndEachMapsToItsMessage)
{
    const QStringList script = palmCode();
    qsizetype previousDeclaration = -1;
    qsizetype previousTest = -1;
    for (const ErrorConstant &constant : errorConstants) {
        const QString name = QString::fromLatin1(constant.name);
        const qsizetype declaration =
            script.indexOf(QStringLiteral("  %1 = %2;").arg(name, QLatin1String(constant.value)));
        EXPECT_GT(declaration, previousDeclaration) << constant.name;
        previousDeclaration = declaration;
        const qsizetype test = script.indexOf(QStringLiteral("  if Err = %1 then Result := ExpandConstant('{cm:%2}');")
                                                  .arg(name, QLatin1String(constant.key)));
        EXPECT_GT(test, previousTest) << constant.name;
        previousTest = test;
    }
    // -505 has two names; the later test wins, so its text is ErrPilotInvalidUser's.
    EXPECT_LT(script.indexOf("  if Err = ERR_IA_INVALID_USER then Result := ExpandConstant('{cm:ErrIaInvalidUser}');"),
              script.indexOf(
                  "  if Err = ERR_PILOT_INVALID_USER then Result := ExpandConstant('{cm:ErrPilotInvalidUser}');"));
    EXPECT_LT(script.indexOf("  ERR_INVALID_INSTALL_ID = -1023;"), script.indexOf("  HsCloseApp = 0;"));
}

TEST(PalmCode, DeclarationsBindingsAndLogLinesStandAsTheSetupExpectsThem)
{
    const QStringList script = palmCode();
    const QStringList opening = { "[Code]", "const", "  ERR_NONE = 0;", "var",
                                  "  PalmUserPage: TInputOptionWizardPage; { Palm user selection wizard page }" };
    const qsizetype code = script.indexOf("[Code]");
    EXPECT_EQ(script.mid(code, opening.size()), opening);

    const char *verbatim[] = {
        "  CONDUIT_COMPONENT = 0;",
        "  CONDUIT_APPLICATION = 1;",
        "  HsCloseApp = 0;",
        "  HsStartApp = 1;",
        "  HsRestart = 2;",
        "  HsReserved = 3;",
        "  HSFLAG_NONE = 0;",
        "function FileIsVersion(Filename: String; majver: Integer): Boolean;",
        "function _CmGetHotSyncExecPath(Path: String; var Size: Integer): Integer; external "
        "'CmGetHotSyncExecPath@files:condmgr.dll stdcall setuponly';",
        "function CmGetHotSyncExecPath(var Path: String): Integer;",
        "function CmRemoveConduitByCreatorID(CreatorID: String): Integer; external "
        "'CmRemoveConduitByCreatorID@{app}\\condmgr.dll stdcall uninstallonly';",
        "function CmSetCreatorPriority(CreatorID: String; Priority: Longint): Integer; external "
        "'CmSetCreatorPriority@files:condmgr.dll stdcall setuponly';",
        "function Uninstaller_HsSetAppStatus(StatusType: Integer; StartFlags: Longint): Longint; external "
        "'HsSetAppStatus@{app}\\hsapi.dll stdcall uninstallonly';",
        "function Installer_HsRefreshConduitInfo(): Longint; external "
        "'HsRefreshConduitInfo@files:hsapi.dll stdcall setuponly';",
        "function HsSetAppStatus(StatusType: Integer; StartFlags: Longint): Longint;",
        "function HsRefreshConduitInfo(): Longint;",
        "function _PltGetUser(Index: Integer; Name: String; var Size: Shortint): Integer; external "
        "'PltGetUser@files:instaide.dll stdcall setuponly';",
        "function PltGetUser(Index: Integer; var Name: String): Integer;",
        "function PltInstallFile(User: String; Filename: String): Integer; external "
        "'PltInstallFile@files:instaide.dll stdcall setuponly';",
        "function PltGetUsers(): TArrayOfString;",
        "function PalmGetErrorMessage(Err: Longint): String;",
        "function PalmInstallConduit(CreatorID: String; cType: Integer; Name, Directory, Filename, Remote, Title: "
        "String; Priority: Integer): Integer;",
        "function PalmInstallCOMConduit(CreatorID: String; cType: Integer; COMClient, Directory, Filename, Remote, "
        "Title: String; Priority: Integer): Integer;",
        "procedure PalmUninstallConduit(CreatorID: String);",
        "function PalmHotSyncDir(Param: String): String;",
        "function PalmInitializeSetup(): Boolean;",
        "procedure PalmInitializeWizard(const AfterID: Integer);",
        "procedure PalmCurStepChanged(CurStep: TSetupStep);",
        "procedure PalmInstallApplication(Filename: String);",
        "function PalmInitializeUninstall(): Boolean;",
        "procedure PalmUninstallStepChanged(CurUninstallStep: TUninstallStep);",
        "  Log('Installing \"' + Title + '\" conduit (' + CreatorID + ') \"' + Name + '\" \"' + Directory + '\" \"' + "
        "Filename + '\":' + PalmGetErrorMessage(err));",
        "  Log('..COM conduit settings:' + PalmGetErrorMessage(err));",
        "  Log('Get HotSync Path:' + PalmGetErrorMessage(err));",
        "    Log('Close HotSync:' + PalmGetErrorMessage(err));",
        "    Log('Start HotSync:' + PalmGetErrorMessage(err));",
        "    Log('Installing Palm application \"' + Filename + '\" for user(s):');",
        "        Log('  ' + User);",
        "    Log('Install complete.');",
    };
    qsizetype previous = code;
    for (const char *line : verbatim) {
        const qsizetype at = script.indexOf(QString::fromLatin1(line));
        EXPECT_GE(at, 0) << line;
        if (QByteArray(line).startsWith("function") || QByteArray(line).startsWith("procedure")) {
            EXPECT_GT(at, previous) << "declared out of order: " << line;
            previous = at;
        }
    }
}

TEST(PalmCode, BlocksCloseAndRoutinesAreDeclaredBeforeTheirUse)
{
    const QStringList script = palmCode();
    EXPECT_EQ(PascalBlockProblem(script).toStdString(), "");
    EXPECT_EQ(RoutinesUsedBeforeDeclaration(script), QStringList());
}

TEST(PalmCode, RepeatedHotSyncChecksKeepTheUserPage)
{
    // CheckPalm runs PalmInitializeSetup again while files are copied, after
    // the wizard made the user page; resetting it there would queue no file.
    const QStringList script = palmCode();
    const qsizetype start = script.indexOf("function PalmInitializeSetup(): Boolean;");
    const qsizetype end = script.indexOf("end;", start);
    ASSERT_GT(end, start);
    for (const QString &line : script.mid(start, end - start))
        EXPECT_FALSE(line.contains(QLatin1String("PalmUserPage"))) << line.toStdString();
}
