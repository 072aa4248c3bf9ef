#include "editors/core/desktop/Win32EntryRows.h"

#include <utility>

namespace talmo {

namespace {

using File = TWin32FileEntry;
using Icon = TWIn32IconEntry;
using Reg = TWin32RegistryEntry;
using Run = TWin32RunEntry;

template <typename Entry>
struct FlagWord
{
    bool Entry::*flag;
    const char *word;
};

template <typename Entry, std::size_t N>
QString flagWords(const Entry &entry, const FlagWord<Entry> (&words)[N])
{
    QString text;
    for (const FlagWord<Entry> &word : words) {
        if (entry.*word.flag)
            text += QLatin1String(word.word);
    }
    return text;
}

template <typename Entry>
EntryRow<Entry> textRow(const char *category, const char *caption, EntryRowKind kind, int tag, QString Entry::*field,
                        QString (*shown)(const QString &) = nullptr)
{
    return {QString::fromLatin1(category), QString::fromLatin1(caption), kind, tag, field, nullptr, nullptr, shown, {}};
}

template <typename Entry>
EntryRow<Entry> flagRow(const char *category, const char *caption, int tag, bool Entry::*field)
{
    return {QString::fromLatin1(category), QString::fromLatin1(caption), EntryRowKind::YesNo, tag, nullptr, field, nullptr,
            nullptr, {}};
}

template <typename Entry>
using FlagPair = std::pair<bool Entry::*, bool Entry::*>;

// Each flag of a pair excludes the other: ticking one unticks its partner.
template <typename Entry, std::size_t N>
void excludePairs(EntryRows<Entry> &rows, const FlagPair<Entry> (&pairs)[N])
{
    for (EntryRow<Entry> &row : rows) {
        for (const auto &[first, second] : pairs) {
            if (row.flag == first)
                row.excludes.push_back(second);
            else if (row.flag == second)
                row.excludes.push_back(first);
        }
    }
}

// The run rows. The uninstall tab has no description, status message or
// post-install rows, and leaves out the check-box and silent-mode flags that an
// uninstall-run line cannot take; its remaining rows are numbered on.
EntryRows<Run> runRows(bool install)
{
    const char *properties = "Run Properties";
    const char *flags = "Flags";
    struct RunRow
    {
        const char *caption;
        EntryRowKind kind;
        QString Run::*text;
        bool Run::*flag;
        bool onInstall;
        bool onUninstall;
    };
    const RunRow runRowTable[] = {
        {"File Name", EntryRowKind::FreeCombo, &Run::FileName, nullptr, true, true},
        {"Paramaters", EntryRowKind::Text, &Run::Parameters, nullptr, true, true},
        {"Working Folder", EntryRowKind::FreeCombo, &Run::WorkingDir, nullptr, true, true},
        {"Description", EntryRowKind::Text, &Run::Description, nullptr, true, false},
        {"StatusMessage", EntryRowKind::Text, &Run::StatusMessage, nullptr, true, false},
        {"Run Once ID", EntryRowKind::Text, &Run::RunOnceID, nullptr, false, true},
        {"No Wait", EntryRowKind::YesNo, nullptr, &Run::FlagNoWait, true, true},
        {"Shell Execute", EntryRowKind::YesNo, nullptr, &Run::FlagShellExecute, true, true},
        {"Wait Until Idle", EntryRowKind::YesNo, nullptr, &Run::FlagWaitUntilIdle, true, true},
        {"Wait Until Terminated", EntryRowKind::YesNo, nullptr, &Run::FlagWaitUntilTerminated, true, true},
        {"Run Maximized", EntryRowKind::YesNo, nullptr, &Run::FlagRunMaximized, true, true},
        {"Run Minimized", EntryRowKind::YesNo, nullptr, &Run::FlagRunMinimized, true, true},
        {"Skip If Doesn't Exists", EntryRowKind::YesNo, nullptr, &Run::FlagSkipIfDoesntExists, true, true},
        {"Post Install", EntryRowKind::YesNo, nullptr, &Run::FlagPostInstall, true, false},
        {"Checkbox Unchecked", EntryRowKind::YesNo, nullptr, &Run::FlagCheckBoxUnChecked, true, false},
        {"Skip If Silent", EntryRowKind::YesNo, nullptr, &Run::FlagSkipIfSilent, true, false},
        {"Skip If Not Silent", EntryRowKind::YesNo, nullptr, &Run::FlagSkipIfNotSilent, true, false},
        {"Hide Wizard", EntryRowKind::YesNo, nullptr, &Run::FlagHideWizard, true, true},
        {"Run Hidden", EntryRowKind::YesNo, nullptr, &Run::FlagRunHidden, true, true},
    };
    EntryRows<Run> rows;
    int tag = 0;
    for (const RunRow &row : runRowTable) {
        if (!(install ? row.onInstall : row.onUninstall))
            continue;
        if (row.text)
            rows.push_back(textRow<Run>(properties, row.caption, row.kind, tag++, row.text));
        else
            rows.push_back(flagRow<Run>(flags, row.caption, tag++, row.flag));
    }
    // A run line waits in one way only.
    const FlagPair<Run> exclusive[] = {{&Run::FlagNoWait, &Run::FlagWaitUntilIdle},
                                       {&Run::FlagNoWait, &Run::FlagWaitUntilTerminated},
                                       {&Run::FlagWaitUntilIdle, &Run::FlagWaitUntilTerminated}};
    excludePairs(rows, exclusive);
    return rows;
}

const FlagWord<File> fileWords[] = {
    {&File::FlagCompareTimestap, "CompareTimeStamp "},
    {&File::FlagConfirmOverwrite, "ConfirmOverwrite "},
    {&File::FlagRegisterServer, "RegisterServer "},
    {&File::FlagRegisterTypeLibrary, "RegisterTypeLibrary "},
    {&File::FlagNoRegError, "NoRegError "},
    {&File::FlagReplaceOnRestart, "ReplaceOnRestart "},
    {&File::FlagSharedFile, "SharedFile "},
    {&File::FlagNeverUninstall, "NeverUninstall "},
    {&File::FlagTouch, "Touch "},
    {&File::FlagSkipIfSourceDoesntExists, "SkipIfSourceDoesntExists "},
    {&File::FlagOverwriteReadOnly, "OverwriteReadOnly "},
    {&File::FlagOnlyIfDestinationExists, "OnlyIfDestinationExists "},
    {&File::FlagRestartDelete, "RestartDelete "},
    {&File::FlagPromptIfOlder, "PromptIfOlder "},
    {&File::FlagOnlyIfDoesntExists, "OnlyIfDoesntExists "},
    {&File::FlagIgnoreVersion, "IgnoreVersion "},
    {&File::FlagRemoveReadOnly, "RemoveReadOnly "},
    {&File::FlagReplaceSameVersion, "ReplaceSameVersion "},
    {&File::FlagNoSharedFilePrompt, "NoSharedFilePrompt "},
    {&File::Flag32bit, "32bit "},
    {&File::Flag64bit, "64bit"},
    {&File::FlagDontCopy, "DontCopy"},
};

const FlagWord<Icon> iconWords[] = {
    {&Icon::FlagCreateOnlyIfFileExists, "CreateOnlyIfFileExists "},
    {&Icon::FlagRunMinimized, "RunMinimized "},
    {&Icon::FlagNeverUninstall, "NeverUninstall "},
    {&Icon::FlagUseAppPaths, "UseAppPaths "},
    {&Icon::FlagCloseOnExit, "CloseOnExit "},
    {&Icon::FlagDontCloseOnExit, "DontCloseOnExit "},
    {&Icon::FlagRunMaximized, "RunMaximized "},
    {&Icon::FlagFolderShortcut, "FolderShortcut "},
};

const FlagWord<Reg> registryWords[] = {
    {&Reg::FlagCreateIfDoesntExists, "CreateIfDoesntExists "},
    {&Reg::FlagClearValueOnUninstall, "ClearValueOnUninstall "},
    {&Reg::FlagDeleteKeyOnUninstall, "DeleteKeyOnUninstall "},
    {&Reg::FlagDeleteKeyIfEmptyOnUninstall, "DeleteKeyIfEmptyOnUninstall "},
    {&Reg::FlagDeleteValueOnUninstall, "DeleteValueOnUninstall "},
    {&Reg::FlagPreserveStringType, "PreserveStringType "},
    {&Reg::FlagDeleteKeyOnInstall, "DeleteKeyOnInstall "},
    {&Reg::FlagDeleteValueOnInstall, "DeleteValueOnInstall "},
    {&Reg::FlagNoError, "NoError "},
    {&Reg::FlagDontCreateKey, "DontCreateKey "},
};

const FlagWord<Run> runWords[] = {
    {&Run::FlagNoWait, "NoWait "},
    {&Run::FlagShellExecute, "ShellExecute "},
    {&Run::FlagWaitUntilTerminated, "WaitUntilTerminated "},
    {&Run::FlagWaitUntilIdle, "WaitUntilIdle "},
    {&Run::FlagRunMaximized, "RunMaximized "},
    {&Run::FlagRunMinimized, "RunMinimized "},
    {&Run::FlagSkipIfDoesntExists, "SkipIfDoesntExists "},
    {&Run::FlagPostInstall, "PostInstall "},
    {&Run::FlagCheckBoxUnChecked, "CheckBoxUnChecked "},
    {&Run::FlagSkipIfSilent, "SkipIfSilent "},
    {&Run::FlagSkipIfNotSilent, "SkipIfNotSilent "},
    {&Run::FlagHideWizard, "HideWizard "},
    {&Run::FlagRunHidden, "RunHidden "},
};

} // namespace

const EntryRows<File> &fileEntryRows()
{
    static const EntryRows<File> rows = [] {
        const char *properties = "File Properties";
        const char *attributes = "File Attributes";
        EntryRows<File> table = {
            textRow<File>(properties, "Source", EntryRowKind::Button, 0, &File::Source),
            textRow<File>(properties, "Destination Folder", EntryRowKind::FreeCombo, 1, &File::Destination),
            textRow<File>(properties, "Destination Name", EntryRowKind::Text, 2, &File::DestinationName),
            flagRow<File>(attributes, "Read Only", 3, &File::AttributesReadOnly),
            flagRow<File>(attributes, "Hidden", 4, &File::AttributesHidden),
            flagRow<File>(attributes, "System", 5, &File::AttributesSystem),
        };
        const std::pair<const char *, bool File::*> flags[] = {
            {"Compare Time Stamp", &File::FlagCompareTimestap},
            {"Confirm Overwrite", &File::FlagConfirmOverwrite},
            {"Register Server", &File::FlagRegisterServer},
            {"Register Type Library", &File::FlagRegisterTypeLibrary},
            {"No Registry Error", &File::FlagNoRegError},
            {"Replace On Restart", &File::FlagReplaceOnRestart},
            {"Shared File", &File::FlagSharedFile},
            {"Never Uninstall", &File::FlagNeverUninstall},
            {"Touch", &File::FlagTouch},
            {"Skip If Source Doesn't Exists", &File::FlagSkipIfSourceDoesntExists},
            {"Overwrite Read Only", &File::FlagOverwriteReadOnly},
            {"Only If Destination Exists", &File::FlagOnlyIfDestinationExists},
            {"Restart Delete", &File::FlagRestartDelete},
            {"Prompt If Older", &File::FlagPromptIfOlder},
            {"Only If Doesn't Exists", &File::FlagOnlyIfDoesntExists},
            {"Ignore Version", &File::FlagIgnoreVersion},
            {"Remove Read Only", &File::FlagRemoveReadOnly},
            {"Replace Same Version", &File::FlagReplaceSameVersion},
            {"No Shared File Prompt", &File::FlagNoSharedFilePrompt},
            {"32bit", &File::Flag32bit},
            {"64bit", &File::Flag64bit},
            {"Don't Copy", &File::FlagDontCopy},
        };
        int tag = 6;
        for (const auto &[caption, field] : flags)
            table.push_back(flagRow<File>("Flags", caption, tag++, field));
        // A file installs in the 32-bit or the 64-bit view, never both.
        const FlagPair<File> exclusive[] = {{&File::Flag32bit, &File::Flag64bit}};
        excludePairs(table, exclusive);
        return table;
    }();
    return rows;
}

const EntryRow<File> &multipleFilesDestinationRow()
{
    static const EntryRow<File> row =
        textRow<File>("Multiple Files Selected", "Destination", EntryRowKind::FreeCombo, 1, &File::Destination);
    return row;
}

const EntryRows<Icon> &iconEntryRows()
{
    static const EntryRows<Icon> rows = [] {
        const char *properties = "Shortcut Properties";
        EntryRows<Icon> table = {
            textRow<Icon>(properties, "File Name", EntryRowKind::FreeCombo, 0, &Icon::Name),
            textRow<Icon>(properties, "Target File Name", EntryRowKind::FreeCombo, 1, &Icon::FileName),
            textRow<Icon>(properties, "Paramaters", EntryRowKind::Text, 2, &Icon::Parameters),
            textRow<Icon>(properties, "Working Folder", EntryRowKind::FreeCombo, 3, &Icon::WorkingDir),
            textRow<Icon>(properties, "Icon File Name", EntryRowKind::FreeCombo, 4, &Icon::IconFileName),
            {QString::fromLatin1(properties), QStringLiteral("Icon Index"), EntryRowKind::Spin, 5, nullptr, nullptr,
             &Icon::IconIndex, nullptr, {}},
            textRow<Icon>(properties, "Comment", EntryRowKind::Text, 6, &Icon::Comment),
            textRow<Icon>(properties, "HotKey", EntryRowKind::Text, 7, &Icon::HotKey),
        };
        const std::pair<const char *, bool Icon::*> flags[] = {
            {"Create Only If File Exists", &Icon::FlagCreateOnlyIfFileExists},
            {"Run Minimized", &Icon::FlagRunMinimized},
            {"Never Uninstall", &Icon::FlagNeverUninstall},
            {"Use App Paths", &Icon::FlagUseAppPaths},
            {"Close On Exit", &Icon::FlagCloseOnExit},
            {"Don't Close On Exit", &Icon::FlagDontCloseOnExit},
            {"Run Maximized", &Icon::FlagRunMaximized},
            {"Folder Shortcut", &Icon::FlagFolderShortcut},
        };
        int tag = 8;
        for (const auto &[caption, field] : flags)
            table.push_back(flagRow<Icon>("Flags", caption, tag++, field));
        return table;
    }();
    return rows;
}

const EntryRows<Reg> &registryEntryRows()
{
    static const EntryRows<Reg> rows = [] {
        EntryRows<Reg> table = {
            textRow<Reg>("Registry Key", "Root Key", EntryRowKind::ListCombo, 0, &Reg::Root, registryHiveShown),
            textRow<Reg>("Registry Key", "Subkey", EntryRowKind::Text, 1, &Reg::SubKey),
            textRow<Reg>("Value", "Type", EntryRowKind::ListCombo, 2, &Reg::ValueType, registryValueTypeShown),
            textRow<Reg>("Value", "Name", EntryRowKind::Text, 3, &Reg::ValueName),
            textRow<Reg>("Value", "Data", EntryRowKind::Text, 4, &Reg::ValueData),
        };
        const std::pair<const char *, bool Reg::*> flags[] = {
            {"Create If Doesn't Exists", &Reg::FlagCreateIfDoesntExists},
            {"Clear Value On Uninstall", &Reg::FlagClearValueOnUninstall},
            {"Delete Key On Uninstall", &Reg::FlagDeleteKeyOnUninstall},
            {"Delete Key If Empty On Uninstall", &Reg::FlagDeleteKeyIfEmptyOnUninstall},
            {"Delete Value On Uninstall", &Reg::FlagDeleteValueOnUninstall},
            {"Preserve String Type", &Reg::FlagPreserveStringType},
            {"Delete Key On Install", &Reg::FlagDeleteKeyOnInstall},
            {"Delete Value On Install", &Reg::FlagDeleteValueOnInstall},
            {"No Error", &Reg::FlagNoError},
            {"Don't Create Key", &Reg::FlagDontCreateKey},
        };
        int tag = 5;
        for (const auto &[caption, field] : flags)
            table.push_back(flagRow<Reg>("Flags", caption, tag++, field));
        // Each names a different thing to take away on uninstall.
        const FlagPair<Reg> exclusive[] = {{&Reg::FlagDeleteKeyOnUninstall, &Reg::FlagDeleteKeyIfEmptyOnUninstall},
                                           {&Reg::FlagDeleteKeyOnUninstall, &Reg::FlagClearValueOnUninstall},
                                           {&Reg::FlagDeleteKeyOnUninstall, &Reg::FlagDeleteValueOnUninstall},
                                           {&Reg::FlagDeleteValueOnUninstall, &Reg::FlagClearValueOnUninstall}};
        excludePairs(table, exclusive);
        return table;
    }();
    return rows;
}

const EntryRows<Run> &installRunEntryRows()
{
    static const EntryRows<Run> rows = runRows(true);
    return rows;
}

const EntryRows<Run> &uninstallRunEntryRows()
{
    static const EntryRows<Run> rows = runRows(false);
    return rows;
}

QString fileFlagWords(const TWin32FileEntry &entry)
{
    return flagWords(entry, fileWords);
}

QString iconFlagWords(const TWIn32IconEntry &entry)
{
    return flagWords(entry, iconWords);
}

QString registryFlagWords(const TWin32RegistryEntry &entry)
{
    return flagWords(entry, registryWords);
}

QString runFlagWords(const TWin32RunEntry &entry)
{
    return flagWords(entry, runWords);
}

const QStringList &registryValueTypes()
{
    static const QStringList types = {QStringLiteral("None"),  QStringLiteral("String"), QStringLiteral("Expandsz"),
                                      QStringLiteral("Multisz"), QStringLiteral("DWord"), QStringLiteral("Binary")};
    return types;
}

const QStringList &registryHives()
{
    static const QStringList hives = {QStringLiteral("HKEY_CLASSES_ROOT"), QStringLiteral("HKEY_CURRENT_USER"),
                                      QStringLiteral("HKEY_LOCAL_MACHINE"), QStringLiteral("HKEY_USERS"),
                                      QStringLiteral("HKEY_CURRENT_CONFIG")};
    return hives;
}

QString registryHiveShown(const QString &root)
{
    // In the order of registryHives().
    static const QStringList shortNames = {QStringLiteral("HKCR"), QStringLiteral("HKCU"), QStringLiteral("HKLM"),
                                           QStringLiteral("HKU"), QStringLiteral("HKCC")};
    for (int i = 0; i < shortNames.size(); ++i) {
        if (root.compare(registryHives()[i], Qt::CaseInsensitive) == 0
            || root.compare(shortNames[i], Qt::CaseInsensitive) == 0)
            return registryHives()[i];
    }
    return root;
}

QString registryValueTypeShown(const QString &type)
{
    for (const QString &listed : registryValueTypes()) {
        if (type.compare(listed, Qt::CaseInsensitive) == 0)
            return listed;
    }
    return type;
}

namespace {

const QStringList &storedDeleteTypes()
{
    static const QStringList stored = {QStringLiteral("files"), QStringLiteral("filesandordirs"),
                                       QStringLiteral("dirifempty")};
    return stored;
}

} // namespace

const QStringList &deleteTypeNames()
{
    static const QStringList shown = {QStringLiteral("Files"), QStringLiteral("Files and/or Dirs"),
                                      QStringLiteral("Dir If Empty")};
    return shown;
}

QString deleteTypeShown(const QString &stored)
{
    const int index = storedDeleteTypes().indexOf(stored);
    return index < 0 ? QString() : deleteTypeNames()[index];
}

QString deleteTypeStored(const QString &shown)
{
    const int index = deleteTypeNames().indexOf(shown);
    return index < 0 ? shown : storedDeleteTypes()[index];
}

} // namespace talmo
