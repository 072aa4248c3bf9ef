#pragma once

#include "model/Win32Entries.h"

#include <array>

namespace talmo {

// The children of a desktop-installer entry in the project file, in file
// order, each tied to the entry's field: one table serves writer and reader.
template <typename Entry>
struct EntryField
{
    const char *name;
    QString Entry::*text = nullptr;
    int Entry::*integer = nullptr;
    bool Entry::*flag = nullptr;
};

template <typename Entry>
constexpr EntryField<Entry> textField(const char *name, QString Entry::*member)
{
    return { name, member, nullptr, nullptr };
}
template <typename Entry>
constexpr EntryField<Entry> integerField(const char *name, int Entry::*member)
{
    return { name, nullptr, member, nullptr };
}
template <typename Entry>
constexpr EntryField<Entry> flagField(const char *name, bool Entry::*member)
{
    return { name, nullptr, nullptr, member };
}

// The file order differs from the class's: FlagDontCopy comes last.
inline const std::array<EntryField<TWin32FileEntry>, 28> Win32FileEntryFields = { {
    textField("Source", &TWin32FileEntry::Source),
    textField("Destination", &TWin32FileEntry::Destination),
    textField("DestinationName", &TWin32FileEntry::DestinationName),
    flagField("AttributesReadOnly", &TWin32FileEntry::AttributesReadOnly),
    flagField("AttributesHidden", &TWin32FileEntry::AttributesHidden),
    flagField("AttributesSystem", &TWin32FileEntry::AttributesSystem),
    flagField("FlagCompareTimestap", &TWin32FileEntry::FlagCompareTimestap),
    flagField("FlagConfirmOverwrite", &TWin32FileEntry::FlagConfirmOverwrite),
    flagField("FlagRegisterServer", &TWin32FileEntry::FlagRegisterServer),
    flagField("FlagRegisterTypeLibrary", &TWin32FileEntry::FlagRegisterTypeLibrary),
    flagField("FlagNoRegError", &TWin32FileEntry::FlagNoRegError),
    flagField("FlagReplaceOnRestart", &TWin32FileEntry::FlagReplaceOnRestart),
    flagField("FlagSharedFile", &TWin32FileEntry::FlagSharedFile),
    flagField("FlagNeverUninstall", &TWin32FileEntry::FlagNeverUninstall),
    flagField("FlagTouch", &TWin32FileEntry::FlagTouch),
    flagField("FlagSkipIfSourceDoesntExists", &TWin32FileEntry::FlagSkipIfSourceDoesntExists),
    flagField("FlagOverwriteReadOnly", &TWin32FileEntry::FlagOverwriteReadOnly),
    flagField("FlagOnlyIfDestinationExists", &TWin32FileEntry::FlagOnlyIfDestinationExists),
    flagField("FlagRestartDelete", &TWin32FileEntry::FlagRestartDelete),
    flagField("FlagPromptIfOlder", &TWin32FileEntry::FlagPromptIfOlder),
    flagField("FlagOnlyIfDoesntExists", &TWin32FileEntry::FlagOnlyIfDoesntExists),
    flagField("FlagIgnoreVersion", &TWin32FileEntry::FlagIgnoreVersion),
    flagField("FlagRemoveReadOnly", &TWin32FileEntry::FlagRemoveReadOnly),
    flagField("FlagReplaceSameVersion", &TWin32FileEntry::FlagReplaceSameVersion),
    flagField("FlagNoSharedFilePrompt", &TWin32FileEntry::FlagNoSharedFilePrompt),
    flagField("Flag32bit", &TWin32FileEntry::Flag32bit),
    flagField("Flag64bit", &TWin32FileEntry::Flag64bit),
    flagField("FlagDontCopy", &TWin32FileEntry::FlagDontCopy),
} };

inline const std::array<EntryField<TWin32RegistryEntry>, 15> Win32RegistryEntryFields = { {
    textField("Root", &TWin32RegistryEntry::Root),
    textField("SubKey", &TWin32RegistryEntry::SubKey),
    textField("ValueType", &TWin32RegistryEntry::ValueType),
    textField("ValueName", &TWin32RegistryEntry::ValueName),
    textField("ValueData", &TWin32RegistryEntry::ValueData),
    flagField("FlagCreateIfDoesntExists", &TWin32RegistryEntry::FlagCreateIfDoesntExists),
    flagField("FlagClearValueOnUninstall", &TWin32RegistryEntry::FlagClearValueOnUninstall),
    flagField("FlagDeleteKeyOnUninstall", &TWin32RegistryEntry::FlagDeleteKeyOnUninstall),
    flagField("FlagDeleteKeyIfEmptyOnUninstall", &TWin32RegistryEntry::FlagDeleteKeyIfEmptyOnUninstall),
    flagField("FlagDeleteValueOnUninstall", &TWin32RegistryEntry::FlagDeleteValueOnUninstall),
    flagField("FlagPreserveStringType", &TWin32RegistryEntry::FlagPreserveStringType),
    flagField("FlagDeleteKeyOnInstall", &TWin32RegistryEntry::FlagDeleteKeyOnInstall),
    flagField("FlagDeleteValueOnInstall", &TWin32RegistryEntry::FlagDeleteValueOnInstall),
    flagField("FlagNoError", &TWin32RegistryEntry::FlagNoError),
    flagField("FlagDontCreateKey", &TWin32RegistryEntry::FlagDontCreateKey),
} };

inline const std::array<EntryField<TWIn32IconEntry>, 16> Win32IconEntryFields = { {
    textField("Name", &TWIn32IconEntry::Name),
    textField("FileName", &TWIn32IconEntry::FileName),
    textField("Parameters", &TWIn32IconEntry::Parameters),
    textField("WorkingDir", &TWIn32IconEntry::WorkingDir),
    textField("IconFileName", &TWIn32IconEntry::IconFileName),
    integerField("IconIndex", &TWIn32IconEntry::IconIndex),
    textField("Comment", &TWIn32IconEntry::Comment),
    textField("HotKey", &TWIn32IconEntry::HotKey),
    flagField("FlagCreateOnlyIfFileExists", &TWIn32IconEntry::FlagCreateOnlyIfFileExists),
    flagField("FlagRunMinimized", &TWIn32IconEntry::FlagRunMinimized),
    flagField("FlagNeverUninstall", &TWIn32IconEntry::FlagNeverUninstall),
    flagField("FlagUseAppPaths", &TWIn32IconEntry::FlagUseAppPaths),
    flagField("FlagCloseOnExit", &TWIn32IconEntry::FlagCloseOnExit),
    flagField("FlagDontCloseOnExit", &TWIn32IconEntry::FlagDontCloseOnExit),
    flagField("FlagRunMaximized", &TWIn32IconEntry::FlagRunMaximized),
    flagField("FlagFolderShortcut", &TWIn32IconEntry::FlagFolderShortcut),
} };

inline const std::array<EntryField<TWin32DeleteEntry>, 2> Win32DeleteEntryFields = { {
    textField("DeleteType", &TWin32DeleteEntry::DeleteType),
    textField("DeleteName", &TWin32DeleteEntry::DeleteName),
} };

inline const std::array<EntryField<TWin32RunEntry>, 19> Win32RunEntryFields = { {
    textField("FileName", &TWin32RunEntry::FileName),
    textField("Parameters", &TWin32RunEntry::Parameters),
    textField("WorkingDir", &TWin32RunEntry::WorkingDir),
    textField("RunOnceID", &TWin32RunEntry::RunOnceID),
    textField("Description", &TWin32RunEntry::Description),
    textField("StatusMessage", &TWin32RunEntry::StatusMessage),
    flagField("FlagNoWait", &TWin32RunEntry::FlagNoWait),
    flagField("FlagShellExecute", &TWin32RunEntry::FlagShellExecute),
    flagField("FlagWaitUntilTerminated", &TWin32RunEntry::FlagWaitUntilTerminated),
    flagField("FlagWaitUntilIdle", &TWin32RunEntry::FlagWaitUntilIdle),
    flagField("FlagRunMaximized", &TWin32RunEntry::FlagRunMaximized),
    flagField("FlagRunMinimized", &TWin32RunEntry::FlagRunMinimized),
    flagField("FlagSkipIfDoesntExists", &TWin32RunEntry::FlagSkipIfDoesntExists),
    flagField("FlagPostInstall", &TWin32RunEntry::FlagPostInstall),
    flagField("FlagCheckBoxUnChecked", &TWin32RunEntry::FlagCheckBoxUnChecked),
    flagField("FlagSkipIfSilent", &TWin32RunEntry::FlagSkipIfSilent),
    flagField("FlagSkipIfNotSilent", &TWin32RunEntry::FlagSkipIfNotSilent),
    flagField("FlagHideWizard", &TWin32RunEntry::FlagHideWizard),
    flagField("FlagRunHidden", &TWin32RunEntry::FlagRunHidden),
} };

} // namespace talmo
