#include "engine/script/DesktopEntryWriter.h"

#include "engine/script/ComponentCondition.h"
#include "engine/script/ScriptGenerationError.h"
#include "engine/script/ScriptQuoting.h"
#include "helpers/core/PathHelpers.h"
#include "helpers/core/RegistryValueData.h"
#include "model/ProjectContainer.h"

#include <utility>

namespace talmo {

namespace {

template <typename Entry>
struct FlagWord
{
    bool Entry::*flag;
    const char *word;
};

const FlagWord<TWin32FileEntry> fileAttributeWords[] = {
    { &TWin32FileEntry::AttributesReadOnly, "readonly" },
    { &TWin32FileEntry::AttributesHidden, "hidden" },
    { &TWin32FileEntry::AttributesSystem, "system" },
};

// The model keeps FlagDontCopy elsewhere; the script wants it after 64bit.
const FlagWord<TWin32FileEntry> fileFlagWords[] = {
    { &TWin32FileEntry::FlagCompareTimestap, "comparetimestamp" },
    { &TWin32FileEntry::FlagConfirmOverwrite, "confirmoverwrite" },
    { &TWin32FileEntry::FlagRegisterServer, "regserver" },
    { &TWin32FileEntry::FlagRegisterTypeLibrary, "regtypelib" },
    { &TWin32FileEntry::FlagNoRegError, "noregerror" },
    { &TWin32FileEntry::FlagReplaceOnRestart, "restartreplace" },
    { &TWin32FileEntry::FlagSharedFile, "sharedfile" },
    { &TWin32FileEntry::FlagNeverUninstall, "uninsneveruninstall" },
    { &TWin32FileEntry::FlagTouch, "touch" },
    { &TWin32FileEntry::FlagSkipIfSourceDoesntExists, "skipifsourcedoesntexist" },
    { &TWin32FileEntry::FlagOverwriteReadOnly, "overwritereadonly" },
    { &TWin32FileEntry::FlagOnlyIfDestinationExists, "onlyifdestfileexists" },
    { &TWin32FileEntry::FlagRestartDelete, "uninsrestartdelete" },
    { &TWin32FileEntry::FlagPromptIfOlder, "promptifolder" },
    { &TWin32FileEntry::FlagOnlyIfDoesntExists, "onlyifdoesntexist" },
    { &TWin32FileEntry::FlagIgnoreVersion, "ignoreversion" },
    { &TWin32FileEntry::FlagRemoveReadOnly, "uninsremovereadonly" },
    { &TWin32FileEntry::FlagReplaceSameVersion, "replacesameversion" },
    { &TWin32FileEntry::FlagNoSharedFilePrompt, "uninsnosharedfileprompt" },
    { &TWin32FileEntry::Flag32bit, "32bit" },
    { &TWin32FileEntry::Flag64bit, "64bit" },
    { &TWin32FileEntry::FlagDontCopy, "dontcopy" },
};

const FlagWord<TWin32RegistryEntry> registryFlagWords[] = {
    { &TWin32RegistryEntry::FlagCreateIfDoesntExists, "createvalueifdoesntexist" },
    { &TWin32RegistryEntry::FlagClearValueOnUninstall, "uninsclearvalue" },
    { &TWin32RegistryEntry::FlagDeleteKeyOnUninstall, "uninsdeletekey" },
    { &TWin32RegistryEntry::FlagDeleteKeyIfEmptyOnUninstall, "uninsdeletekeyifempty" },
    { &TWin32RegistryEntry::FlagDeleteValueOnUninstall, "uninsdeletevalue" },
    { &TWin32RegistryEntry::FlagPreserveStringType, "preservestringtype" },
    { &TWin32RegistryEntry::FlagDeleteKeyOnInstall, "deletekey" },
    { &TWin32RegistryEntry::FlagDeleteValueOnInstall, "deletevalue" },
    { &TWin32RegistryEntry::FlagNoError, "noerror" },
    { &TWin32RegistryEntry::FlagDontCreateKey, "dontcreatekey" },
};

const FlagWord<TWIn32IconEntry> iconFlagWords[] = {
    { &TWIn32IconEntry::FlagCreateOnlyIfFileExists, "createonlyiffileexists" },
    { &TWIn32IconEntry::FlagRunMinimized, "runminimized" },
    { &TWIn32IconEntry::FlagNeverUninstall, "uninsneveruninstall" },
    { &TWIn32IconEntry::FlagUseAppPaths, "useapppaths" },
    { &TWIn32IconEntry::FlagCloseOnExit, "closeonexit" },
    { &TWIn32IconEntry::FlagDontCloseOnExit, "dontcloseonexit" },
    { &TWIn32IconEntry::FlagRunMaximized, "runmaximized" },
    { &TWIn32IconEntry::FlagFolderShortcut, "foldershortcut" },
};

// The [Run] and [UninstallRun] sections a run-line part may stand in.
enum RunSections { InstallRun = 1, UninstallRun = 2, BothRuns = InstallRun | UninstallRun };

struct RunFlagWord
{
    bool TWin32RunEntry::*flag;
    const char *word;
    int sections;
};

// [UninstallRun] refuses the flags that only mean something after an install:
// the post-install check box and the silent-mode choices.
const RunFlagWord runFlagWords[] = {
    { &TWin32RunEntry::FlagNoWait, "nowait", BothRuns },
    { &TWin32RunEntry::FlagShellExecute, "shellexec", BothRuns },
    { &TWin32RunEntry::FlagWaitUntilTerminated, "waituntilterminated", BothRuns },
    { &TWin32RunEntry::FlagWaitUntilIdle, "waituntilidle", BothRuns },
    { &TWin32RunEntry::FlagRunMaximized, "runmaximized", BothRuns },
    { &TWin32RunEntry::FlagRunMinimized, "runminimized", BothRuns },
    { &TWin32RunEntry::FlagSkipIfDoesntExists, "skipifdoesntexist", BothRuns },
    { &TWin32RunEntry::FlagPostInstall, "postinstall", InstallRun },
    { &TWin32RunEntry::FlagCheckBoxUnChecked, "unchecked", InstallRun },
    { &TWin32RunEntry::FlagSkipIfSilent, "skipifsilent", InstallRun },
    { &TWin32RunEntry::FlagSkipIfNotSilent, "skipifnotsilent", InstallRun },
    { &TWin32RunEntry::FlagHideWizard, "hidewizard", BothRuns },
    { &TWin32RunEntry::FlagRunHidden, "runhidden", BothRuns },
};

struct RunText
{
    const char *name;
    QString TWin32RunEntry::*field;
    int sections;
};

// The optional texts of a run line; Description belongs to [Run] alone and
// RunOnceId to [UninstallRun] alone.
const RunText runTexts[] = {
    { "Parameters:", &TWin32RunEntry::Parameters, BothRuns },
    { "WorkingDir:", &TWin32RunEntry::WorkingDir, BothRuns },
    { "Description:", &TWin32RunEntry::Description, InstallRun },
    { "StatusMsg:", &TWin32RunEntry::StatusMessage, BothRuns },
    { "RunOnceId:", &TWin32RunEntry::RunOnceID, UninstallRun },
};

// " word1 word2" for the set flags, in the table's order.
template <typename Entry, std::size_t N>
QString wordList(const Entry &entry, const FlagWord<Entry> (&table)[N])
{
    QString words;
    for (const FlagWord<Entry> &item : table) {
        if (entry.*item.flag)
            words += QLatin1Char(' ') + QLatin1String(item.word);
    }
    return words;
}

// "Head" + words + tail, or nothing when no flag is set.
QString flagPart(const char *head, const QString &words, const char *tail)
{
    return words.isEmpty() ? QString() : QLatin1String(head) + words + QLatin1String(tail);
}

// "Name:" + value + ";" when the value is not empty.
QString optionalPart(const char *name, const QString &value)
{
    return value.isEmpty() ? QString() : QLatin1String(name) + ScriptValue(value) + QLatin1Char(';');
}

// The installer writes below five root keys only, named by its own short
// names; projects keep the full hive names, in the case an import gave them.
QString registryRootPart(const TWin32RegistryEntry &entry)
{
    static const std::pair<const char *, const char *> roots[] = {
        { "HKEY_CLASSES_ROOT", "HKCR" }, { "HKEY_CURRENT_USER", "HKCU" }, { "HKEY_LOCAL_MACHINE", "HKLM" },
        { "HKEY_USERS", "HKU" },         { "HKEY_CURRENT_CONFIG", "HKCC" },
    };
    const QString root = entry.Root.trimmed();
    for (const auto &[name, shortName] : roots) {
        if (root.compare(QLatin1String(name), Qt::CaseInsensitive) == 0
            || root.compare(QLatin1String(shortName), Qt::CaseInsensitive) == 0)
            return QStringLiteral("Root:") + QLatin1String(shortName) + QLatin1Char(';');
    }
    throw ScriptGenerationError(QStringLiteral("The desktop registry key \"%1\\%2\" is not below a root key the setup can write to")
                                    .arg(entry.Root, entry.SubKey));
}

// The compiler refuses a file line with both views; which one the user meant
// is not ours to guess, so the script stops with the file named.
void requireOneView(const TWin32FileEntry &entry)
{
    if (entry.Flag32bit && entry.Flag64bit)
        throw ScriptGenerationError(
            QStringLiteral("The desktop file \"%1\" is set to install both as 32bit and as 64bit; clear one of the two flags")
                .arg(entry.Source));
}

// A run line holds only what its section takes; anything else an older
// project kept stays in the project and is left out of the line.
QString runLine(const TWin32RunEntry &entry, RunSections section, const char *flagsTail, const QString &condition)
{
    QString line = QStringLiteral("FileName:") + ScriptValue(entry.FileName) + QLatin1Char(';');
    for (const RunText &text : runTexts) {
        if (text.sections & section)
            line += optionalPart(text.name, entry.*text.field);
    }
    QString words;
    for (const RunFlagWord &item : runFlagWords) {
        if ((item.sections & section) && entry.*item.flag)
            words += QLatin1Char(' ') + QLatin1String(item.word);
    }
    return line + flagPart(" Flags:", words, flagsTail) + condition;
}

} // namespace

DesktopEntryWriter::DesktopEntryWriter(TProjectContainer &project, const ComponentCondition &conditions)
    : m_project(project)
    , m_conditions(conditions)
{
}

QString DesktopEntryWriter::FileLine(const TWin32FileEntry &entry, int downloadIndex,
                                     const QString &condition) const
{
    requireOneView(entry);
    QString line;
    QString flags = wordList(entry, fileFlagWords);
    if (downloadIndex >= 0) {
        line = QStringLiteral("Source: ") + ScriptQuoted(QStringLiteral("{tmp}\\down-") + QString::number(downloadIndex))
            + QStringLiteral("; DestDir: ") + ScriptValue(entry.Destination) + QStringLiteral(" ;");
        if (!entry.DestinationName.isEmpty())
            line += QStringLiteral(" DestName: ") + ScriptValue(entry.DestinationName) + QStringLiteral(" ;");
        else
            line += QStringLiteral(" DestName: ") + ScriptValue(InstallerLiteral(ExtractUrlFileName(entry.Source)))
                + QLatin1Char(';');
        flags += QStringLiteral(" external");
    } else {
        line = QStringLiteral("Source: ") + ScriptValue(ResolveFileReference(m_project.FileName, entry.Source))
            + QStringLiteral(" ; DestDir: ") + ScriptValue(entry.Destination) + QStringLiteral(" ;");
        if (!entry.DestinationName.isEmpty())
            line += QStringLiteral(" DestName: ") + ScriptValue(entry.DestinationName) + QStringLiteral(" ;");
    }
    return line + flagPart(" Attribs:", wordList(entry, fileAttributeWords), " ;")
        + flagPart(" Flags:", flags, " ;") + condition;
}

QString DesktopEntryWriter::RegistryLine(const TWin32RegistryEntry &entry, const QString &condition)
{
    return registryRootPart(entry) + QStringLiteral(" Subkey:") + ScriptValue(entry.SubKey)
        + QLatin1Char(';') + QStringLiteral(" ValueType:") + ScriptValue(entry.ValueType) + QLatin1Char(';')
        + optionalPart("ValueName: ", entry.ValueName)
        + optionalPart("ValueData: ", RegistryValueData::scriptForm(entry.ValueType, entry.ValueData))
        + flagPart(" Flags:", wordList(entry, registryFlagWords), " ;") + condition;
}

QString DesktopEntryWriter::IconLine(const TWIn32IconEntry &entry, const QString &condition)
{
    QString line = QStringLiteral("Name: ") + ScriptValue(entry.Name) + QLatin1Char(';')
        + QStringLiteral(" FileName: ") + ScriptValue(entry.FileName) + QLatin1Char(';')
        + optionalPart("Parameters:", entry.Parameters) + optionalPart("WorkingDir:", entry.WorkingDir)
        + optionalPart("HotKey:", entry.HotKey) + optionalPart("Comment:", entry.Comment)
        + optionalPart("IconFilename:", entry.IconFileName);
    if (entry.IconIndex != 0)
        line += QStringLiteral("IconIndex:") + QString::number(entry.IconIndex) + QLatin1Char(';');
    return line + flagPart(" Flags:", wordList(entry, iconFlagWords), " ;") + condition;
}

QString DesktopEntryWriter::InstallRunLine(const TWin32RunEntry &entry, const QString &condition)
{
    return runLine(entry, InstallRun, ";", condition);
}

QString DesktopEntryWriter::UninstallRunLine(const TWin32RunEntry &entry, const QString &condition)
{
    return runLine(entry, UninstallRun, " ;", condition);
}

QString DesktopEntryWriter::DeleteLine(const TWin32DeleteEntry &entry, const QString &condition)
{
    return QStringLiteral("Type: ") + ScriptValue(entry.DeleteType) + QStringLiteral("; Name: ")
        + ScriptQuoted(entry.DeleteName) + QLatin1Char(';') + condition;
}

QString DesktopEntryWriter::ModuleCondition(int moduleIndex) const
{
    return m_conditions.Of(m_conditions.RequireComponent(ModuleType::Win32, moduleIndex));
}

// Appends line(entry, condition) for every entry of every module's list in
// turn; the condition of a module is looked up once, and only when it has entries.
template <typename Entries, typename LineOf>
void DesktopEntryWriter::writeEntries(Entries TWin32Plugin::*entries, QStringList &lines, LineOf lineOf) const
{
    for (int i = 0; i < m_project.Win32Plugins.Count(); ++i) {
        const Entries &list = m_project.Win32Plugins[i].*entries;
        if (list.IsEmpty())
            continue;
        const QString condition = ModuleCondition(i);
        for (const auto &entry : list)
            lines.append(lineOf(entry, condition));
    }
}

void DesktopEntryWriter::WriteRegistryEntries(QStringList &lines) const
{
    writeEntries(&TWin32Plugin::RegistryEntries, lines, &RegistryLine);
}

void DesktopEntryWriter::WriteIconEntries(QStringList &lines) const
{
    writeEntries(&TWin32Plugin::IconEntries, lines, &IconLine);
}

void DesktopEntryWriter::WriteDeleteEntries(QStringList &installLines, QStringList &uninstallLines) const
{
    writeEntries(&TWin32Plugin::InstallDeleteEntries, installLines, &DeleteLine);
    writeEntries(&TWin32Plugin::UninstallDeleteEntries, uninstallLines, &DeleteLine);
}

void DesktopEntryWriter::WriteRunEntries(QStringList &installLines, QStringList &uninstallLines) const
{
    writeEntries(&TWin32Plugin::InstallRunEntries, installLines, &InstallRunLine);
    writeEntries(&TWin32Plugin::UninstallRunEntries, uninstallLines, &UninstallRunLine);
}

} // namespace talmo
