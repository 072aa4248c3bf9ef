#pragma once

#include "model/OwningList.h"

#include <QString>

namespace talmo {

// The entries of a desktop-installer module: one field per option of the
// matching line of the installer script.

struct TWin32FileEntry
{
    QString Source;
    QString Destination;
    QString DestinationName;
    bool AttributesReadOnly = false;
    bool AttributesHidden = false;
    bool AttributesSystem = false;
    bool FlagCompareTimestap = false;
    bool FlagConfirmOverwrite = false;
    bool FlagRegisterServer = false;
    bool FlagRegisterTypeLibrary = false;
    bool FlagNoRegError = false;
    bool FlagReplaceOnRestart = false;
    bool FlagSharedFile = false;
    bool FlagNeverUninstall = false;
    bool FlagTouch = false;
    bool FlagSkipIfSourceDoesntExists = false;
    bool FlagOverwriteReadOnly = false;
    bool FlagDontCopy = false;
    bool FlagOnlyIfDestinationExists = false;
    bool FlagRestartDelete = false;
    bool FlagPromptIfOlder = false;
    bool FlagOnlyIfDoesntExists = false;
    bool FlagIgnoreVersion = false;
    bool FlagRemoveReadOnly = false;
    bool FlagReplaceSameVersion = false;
    bool FlagNoSharedFilePrompt = false;
    bool Flag32bit = false;
    bool Flag64bit = false;
};

struct TWin32RegistryEntry
{
    QString Root;
    QString SubKey;
    QString ValueType;
    QString ValueName;
    QString ValueData;
    bool FlagCreateIfDoesntExists = false;
    bool FlagClearValueOnUninstall = false;
    bool FlagDeleteKeyOnUninstall = false;
    bool FlagDeleteKeyIfEmptyOnUninstall = false;
    bool FlagDeleteValueOnUninstall = false;
    bool FlagPreserveStringType = false;
    bool FlagDeleteKeyOnInstall = false;
    bool FlagDeleteValueOnInstall = false;
    bool FlagNoError = false;
    bool FlagDontCreateKey = false;
};

struct TWIn32IconEntry
{
    QString Name;
    QString FileName;
    QString Parameters;
    QString WorkingDir;
    QString IconFileName;
    int IconIndex = 0;
    QString Comment;
    QString HotKey;
    bool FlagCreateOnlyIfFileExists = false;
    bool FlagRunMinimized = false;
    bool FlagNeverUninstall = false;
    bool FlagUseAppPaths = false;
    bool FlagCloseOnExit = false;
    bool FlagDontCloseOnExit = false;
    bool FlagRunMaximized = false;
    bool FlagFolderShortcut = false;
};

struct TWin32RunEntry
{
    QString FileName;
    QString Parameters;
    QString WorkingDir;
    QString RunOnceID;
    QString Description;
    QString StatusMessage;
    bool FlagNoWait = false;
    bool FlagShellExecute = false;
    bool FlagWaitUntilTerminated = false;
    bool FlagWaitUntilIdle = false;
    bool FlagRunMaximized = false;
    bool FlagRunMinimized = false;
    bool FlagSkipIfDoesntExists = false;
    bool FlagPostInstall = false;
    bool FlagCheckBoxUnChecked = false;
    bool FlagSkipIfSilent = false;
    bool FlagSkipIfNotSilent = false;
    bool FlagHideWizard = false;
    bool FlagRunHidden = false;
};

struct TWin32DeleteEntry
{
    QString DeleteType;  // "files", "filesandordirs" or "dirifempty"
    QString DeleteName;
};

using TWin32FileEntries = OwningList<TWin32FileEntry>;
using TWin32RegistryEntries = OwningList<TWin32RegistryEntry>;
using TWin32IconEntries = OwningList<TWIn32IconEntry>;
using TWin32RunEntries = OwningList<TWin32RunEntry>;
using TWin32DeleteEntries = OwningList<TWin32DeleteEntry>;

} // namespace talmo
