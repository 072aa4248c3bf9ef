#include "EntryValueChecks.h"

#include "CompileError.h"
#include "CompilerMessages.h"
#include "ConstantCheck.h"
#include "HostPaths.h"
#include "SectionRules.h"
#include "ValueForms.h"
#include "WindowsVersions.h"

namespace talmo::iscmplr {

namespace {

using namespace CompilerMessages;

// What one check sees: the line, its section's rule and its flag words.
struct Entry
{
    const SectionRule &rule;
    const ParameterLine &line;
    QStringList flags; // lower case, in the order written
    WindowsVersions setupMinVersion;

    QString value(const char *parameter) const { return line.value(QLatin1String(parameter)); }
    bool has(const char *parameter) const { return line.has(QLatin1String(parameter)); }
    bool flag(const char *word) const { return flags.contains(QLatin1String(word)); }
    [[noreturn]] void refuse(const QString &message) const { throw CompileError::at(line.where(), message); }
};

// Whether a blank-separated list of section names holds the section. Every
// line of every parameter section asks this of each table row, so the list
// is read where it stands instead of being split into strings.
bool listsSection(const char *sections, const QString &section)
{
    for (const QLatin1String name : QLatin1String(sections).tokenize(QLatin1Char(' '))) {
        if (name == section)
            return true;
    }
    return false;
}

bool isType(const Entry &entry, const char *valueType)
{
    return entry.value("ValueType").trimmed().compare(QLatin1String(valueType), Qt::CaseInsensitive) == 0;
}

// [UninstallRun] reads the [Run] flags but refuses those that only make sense after an install.
const QStringList kRunOnlyFlags = {QStringLiteral("showcheckbox"),  QStringLiteral("postinstall"),
                                   QStringLiteral("unchecked"),     QStringLiteral("skipifsilent"),
                                   QStringLiteral("skipifnotsilent"), QStringLiteral("runasoriginaluser")};

// ExtractFlag over each Enum*'s flag list (SCompilerParamUnknownFlag2); in
// [UninstallRun] (EnumRun with Ext 1) the install-only flags are
// SCompilerParamUnsupportedFlag.
void knownFlags(const Entry &entry)
{
    for (const QString &word : entry.flags) {
        if (entry.rule.flags.contains(word, Qt::CaseInsensitive))
            continue;
        if (entry.rule.section == QLatin1String("UninstallRun") && kRunOnlyFlags.contains(word))
            entry.refuse(unsupportedFlag());
        entry.refuse(unknownFlag(QStringLiteral("Flags")));
    }
}

// ExtractFlag over AttribsFlags in EnumDirs and EnumFiles.
void knownAttributes(const Entry &entry)
{
    for (const QString &word : entry.line.words(QStringLiteral("Attribs"))) {
        if (!entry.rule.attribs.contains(word, Qt::CaseInsensitive))
            entry.refuse(unknownFlag(QStringLiteral("Attribs")));
    }
}

// ProcessPermissionsParameter: "sid-access" items split at the first "-",
// GetSidFromName and GetAccessMaskFromName over the section's AccessMasks,
// and no more than MaxGrantPermissionEntries (32) of them.
void permissions(const Entry &entry, const QStringList &access)
{
    static const QStringList sids = {QStringLiteral("admins"),     QStringLiteral("authusers"), QStringLiteral("everyone"),
                                     QStringLiteral("powerusers"), QStringLiteral("system"),    QStringLiteral("users")};
    int count = 0;
    for (const QString &item : entry.value("Permissions").split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const qsizetype dash = item.indexOf(QLatin1Char('-'));
        if (dash < 0)
            entry.refuse(permissionsMalformed(item));
        if (!sids.contains(item.left(dash), Qt::CaseInsensitive))
            entry.refuse(permissionsUnknownSid(item.left(dash)));
        if (!access.contains(item.mid(dash + 1), Qt::CaseInsensitive))
            entry.refuse(permissionsUnknownAccess(item.mid(dash + 1)));
        if (++count > 32)
            entry.refuse(permissionsLimit(32));
    }
}

void fileAccess(const Entry &entry)
{
    permissions(entry, {QStringLiteral("full"), QStringLiteral("modify"), QStringLiteral("readexec")});
}

void keyAccess(const Entry &entry)
{
    permissions(entry, {QStringLiteral("full"), QStringLiteral("modify"), QStringLiteral("read")});
}

// SCompilerParamErrorBadCombo2: both flags of a pair the Enum* refuses together.
void exclusive(const Entry &entry, const char *first, const char *second)
{
    if (entry.flag(first) && entry.flag(second))
        entry.refuse(flagsExclude(QLatin1String(first), QLatin1String(second)));
}

void valid(const Entry &entry, const char *parameter, bool ok)
{
    if (!ok)
        entry.refuse(paramInvalid(QLatin1String(parameter)));
}

// ProcessMinVersionParameter and ProcessOnlyBelowVersionParameter:
// StrToVersionNumbers, with AllowEmpty for MinVersion only.
void versionOf(const Entry &entry, const char *parameter, bool allowEmpty)
{
    valid(entry, parameter, WindowsVersions::parse(entry.value(parameter), allowEmpty).has_value());
}

// EnumComponents and EnumTasks: IsValidIdentString(Name, AllowBackslash) after "/" becomes "\".
void componentOrTaskName(const Entry &entry)
{
    if (!ValueForms::isIdentifier(entry.value("Name").replace(QLatin1Char('/'), QLatin1Char('\\')), true))
        entry.refuse(componentsOrTasksBadName);
}

// EnumLanguages: IsValidIdentString(Name) without backslashes.
void languageName(const Entry &entry)
{
    if (!ValueForms::isIdentifier(entry.value("Name"), false))
        entry.refuse(languagesBadName);
}

// EnumComponents and EnumTasks.
void inheritedCheck(const Entry &entry)
{
    exclusive(entry, "dontinheritcheck", "exclusive");
}

// EnumDirs.
void dirFlags(const Entry &entry)
{
    exclusive(entry, "uninsneveruninstall", "uninsalwaysuninstall");
    exclusive(entry, "setntfscompression", "unsetntfscompression");
}

// EnumFiles: ConstPos('\\', DestName), a backslash outside constants.
void destName(const Entry &entry)
{
    if (ValueForms::hasBackslashOutsideConstants(entry.value("DestName")))
        entry.refuse(noBackslash(QStringLiteral("DestName")));
}

// EnumFiles: the trimmed CopyMode compared with CompareText.
void copyMode(const Entry &entry)
{
    static const QStringList modes = {QStringLiteral("normal"), QStringLiteral("onlyifdoesntexist"),
                                      QStringLiteral("alwaysoverwrite"), QStringLiteral("alwaysskipifsameorolder"),
                                      QStringLiteral("dontcopy")};
    valid(entry, "CopyMode", modes.contains(entry.value("CopyMode").trimmed(), Qt::CaseInsensitive));
}

// EnumFiles: each comma-separated pattern, trimmed, shorter than MAX_PATH
// (260), so that WildcardMatch cannot overflow its stack.
void excludes(const Entry &entry)
{
    for (const QString &pattern : entry.value("Excludes").split(QLatin1Char(','))) {
        if (pattern.trimmed().size() >= 260)
            entry.refuse(filesExcludeTooLong);
    }
}

// EnumFiles: ExternalSize only with "external", read by StrToInteger64.
void externalSize(const Entry &entry)
{
    if (!entry.flag("external"))
        entry.refuse(filesExternalSizeWithoutExternal);
    valid(entry, "ExternalSize", ValueForms::isUnsigned64(entry.value("ExternalSize")));
}

// A file deleted after the install can be neither registered nor kept.
// EnumFiles counts as deleted one with "deleteafterinstall" or a DestDir of
// exactly "{tmp}" (its test for a folder below, Copy(ADestDir, 1, 4) =
// '{tmp}\\', never holds); "dontcopy" counts only through the "{tmp}" it
// gives a line without DestDir. The message names "dontcopy" all the same.
void temporaryFile(const Entry &entry)
{
    const QString destDir = entry.has("DestDir") ? entry.value("DestDir") : (entry.flag("dontcopy") ? QStringLiteral("{tmp}") : QString());
    if (!entry.flag("deleteafterinstall") && destDir != QLatin1String("{tmp}"))
        return;
    for (const char *word : {"restartreplace", "uninsneveruninstall", "regserver", "regtypelib", "sharedfile", "gacinstall"}) {
        if (entry.flag(word))
            entry.refuse(filesTmpBadFlag(QLatin1String(word)));
    }
}

// The checks of EnumFiles after its parameters are read, in its order.
void fileFlags(const Entry &entry)
{
    temporaryFile(entry);
    exclusive(entry, "32bit", "64bit");
    if (entry.flag("gacinstall") && entry.value("StrongAssemblyName").isEmpty())
        entry.refuse(filesStrongAssemblyNameNeeded);
    if (entry.flag("dontverifychecksum") && !entry.flag("nocompression"))
        entry.refuse(flagNeedsFlag(QStringLiteral("nocompression"), QStringLiteral("dontverifychecksum")));
    if (entry.flag("external") && !entry.value("Excludes").trimmed().isEmpty())
        entry.refuse(filesExcludesWithExternal);
    if (entry.flag("createallsubdirs") && !entry.flag("recursesubdirs"))
        entry.refuse(flagNeedsFlag(QStringLiteral("recursesubdirs"), QStringLiteral("createallsubdirs")));
    exclusive(entry, "setntfscompression", "unsetntfscompression");
    if (!entry.value("DestName").isEmpty() && HostPaths::hasWildcards(entry.value("Source")))
        entry.refuse(filesDestNameWithWildcards);
}

// EnumIcons: TextToHotKey gives 0. Key names the keyboard layout supplies
// (GetKeyNameText) are not known here and are refused.
void hotKey(const Entry &entry)
{
    valid(entry, "HotKey", ValueForms::isHotKey(entry.value("HotKey")));
}

// EnumIcons: StrToInt raises.
void iconIndex(const Entry &entry)
{
    if (!ValueForms::isInteger(entry.value("IconIndex")))
        entry.refuse(iconIndexInvalid);
}

// EnumIcons: PathPos('\\', IconName) = 0.
void iconName(const Entry &entry)
{
    if (!entry.value("Name").contains(QLatin1Char('\\')))
        entry.refuse(iconNameWithoutPath);
}

// EnumINI.
void iniFlags(const Entry &entry)
{
    exclusive(entry, "uninsdeleteentry", "uninsdeletesection");
    exclusive(entry, "uninsdeletesection", "uninsdeletesectionifempty");
}

// EnumRegistry: upper-cased and trimmed, one "32" or "64" cut off, then a root name.
void registryRoot(const Entry &entry)
{
    valid(entry, "Root", ValueForms::isRegistryRoot(entry.value("Root").trimmed()));
}

// EnumRegistry: Subkey[1] = '\\'.
void registrySubkey(const Entry &entry)
{
    if (entry.value("Subkey").startsWith(QLatin1Char('\\')))
        entry.refuse(noPrecedingBackslash(QStringLiteral("Subkey")));
}

// EnumRegistry: the trimmed, upper-cased ValueType.
void registryValueType(const Entry &entry)
{
    static const QStringList types = {QStringLiteral("none"),   QStringLiteral("string"), QStringLiteral("expandsz"),
                                      QStringLiteral("multisz"), QStringLiteral("dword"), QStringLiteral("qword"),
                                      QStringLiteral("binary")};
    valid(entry, "ValueType", types.contains(entry.value("ValueType").trimmed(), Qt::CaseInsensitive));
}

// EnumRegistry's flag pairs and its safety check on the Environment key.
void registryFlags(const Entry &entry)
{
    exclusive(entry, "uninsdeletekey", "uninsdeletekeyifempty");
    if (entry.flag("uninsdeletekey") && entry.flag("uninsclearvalue"))
        entry.refuse(flagsExclude(QStringLiteral("uninsclearvalue"), QStringLiteral("uninsdeletekey")));
    exclusive(entry, "uninsdeletevalue", "uninsdeletekey");
    exclusive(entry, "uninsdeletevalue", "uninsclearvalue");
    const bool deletesKey = entry.flag("uninsdeletekey") || entry.flag("deletekey");
    if (deletesKey && entry.value("Subkey").compare(QLatin1String("SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment"),
                                                    Qt::CaseInsensitive) == 0)
        entry.refuse(registryDeleteKeyProhibited);
}

// The data is read by the value's type; the type of a line without one is
// "none". EnumRegistry: ConvertDWordString (Val into a DWORD),
// ConvertQWordString (StrToInteger64), ConvertBinaryString.
void registryData(const Entry &entry)
{
    const QString data = entry.value("ValueData");
    if (isType(entry, "dword"))
        valid(entry, "ValueData", ValueForms::isDwordData(data));
    else if (isType(entry, "qword"))
        valid(entry, "ValueData", ValueForms::isQwordData(data));
    else if (isType(entry, "binary"))
        valid(entry, "ValueData", ValueForms::isBinaryData(data));
}

// EnumDelete: the trimmed Type compared with StrIComp.
void deleteType(const Entry &entry)
{
    static const QStringList types = {QStringLiteral("files"), QStringLiteral("filesandordirs"), QStringLiteral("dirifempty")};
    valid(entry, "Type", types.contains(entry.value("Type").trimmed(), Qt::CaseInsensitive));
}

// EnumRun: a second wait flag, the flag pairs, RunOnceId in [Run],
// Description in [UninstallRun], Verb without "shellexec".
void runFlags(const Entry &entry)
{
    int waits = 0;
    for (const QString &word : entry.flags)
        waits += int(word == QLatin1String("nowait") || word == QLatin1String("waituntilidle") || word == QLatin1String("waituntilterminated"));
    if (waits > 1)
        entry.refuse(runMultipleWaitFlags);
    exclusive(entry, "runasoriginaluser", "runascurrentuser");
    if (entry.rule.section == QLatin1String("Run") && !entry.value("RunOnceId").isEmpty())
        entry.refuse(runCantUseRunOnceId);
    if (entry.rule.section == QLatin1String("UninstallRun") && !entry.value("Description").isEmpty())
        entry.refuse(uninstallRunCantUseDescription);
    if (entry.has("Verb") && !entry.flag("shellexec"))
        entry.refuse(flagNeededByParameter(QStringLiteral("shellexec"), QStringLiteral("Verb")));
    exclusive(entry, "32bit", "64bit");
    exclusive(entry, "32bit", "shellexec");
    exclusive(entry, "64bit", "shellexec");
}

// CheckConst with the constants the parameter allows, against the entry's
// MinVersion: the [Setup] one, with the parts the entry's own gives.
void constantsOf(const Entry &entry, const QString &value, int extras = ConstantCheck::None)
{
    const WindowsVersions minVersion = entry.has("MinVersion")
        ? WindowsVersions::parse(entry.value("MinVersion"), true, entry.setupMinVersion).value_or(entry.setupMinVersion)
        : entry.setupMinVersion;
    if (minVersion.reachesWindows98AndNT4())
        extras |= ConstantCheck::Favorites;
    const QString problem = ConstantCheck::problem(value, extras);
    if (!problem.isEmpty())
        entry.refuse(problem);
}

// The parameters whose constants a real compile checks as they stand, by section.
const std::pair<const char *, const char *> kConstantParameters[] = {
    {"Types Components", "Description"},
    {"Tasks", "Description GroupDescription"},
    {"Dirs", "Name"},
    {"Files", "DestDir DestName"},
    {"Icons", "Filename Parameters WorkingDir IconFilename Comment AppUserModelID"},
    {"INI", "Filename Section Key String"},
    {"Registry", "Subkey ValueName"},
    {"InstallDelete UninstallDelete", "Name"},
    {"Run UninstallRun", "Filename Parameters WorkingDir RunOnceId Description StatusMsg Verb"},
};

void plainConstants(const Entry &entry)
{
    for (const auto &[sections, parameters] : kConstantParameters) {
        if (!listsSection(sections, entry.rule.section))
            continue;
        for (const QLatin1String parameter : QLatin1String(parameters).tokenize(QLatin1Char(' ')))
            constantsOf(entry, entry.line.value(parameter));
    }
}

// Only an external source is the installer's to resolve; the others are files here.
void externalSourceConstants(const Entry &entry)
{
    if (entry.flag("external"))
        constantsOf(entry, entry.value("Source"));
}

// "{group}\" at the front of an icon's name is the compiler's own business.
void iconNameConstants(const Entry &entry)
{
    QString name = entry.value("Name");
    if (name.startsWith(QLatin1String("{group}\\")))
        name.remove(0, 8);
    constantsOf(entry, name);
}

// String data may keep the old value, multi-string data also break lines; binary and qword data hold none.
void registryDataConstants(const Entry &entry)
{
    const QString data = entry.value("ValueData");
    if (isType(entry, "string") || isType(entry, "expandsz"))
        constantsOf(entry, data, ConstantCheck::OldData);
    else if (isType(entry, "multisz"))
        constantsOf(entry, data, ConstantCheck::OldData | ConstantCheck::Break);
    else if (isType(entry, "dword"))
        constantsOf(entry, data);
}

using Check = void (*)(const Entry &);

// One check: the sections it applies to, the parameter whose presence runs it
// (null: every line) and the check. Rows run in the order a real compile reads
// the parameters, so a line with several faults names the same one first.
struct ValueCheck
{
    const char *sections;
    const char *parameter;
    Check check;
};

const ValueCheck kChecks[] = {
    {"Types Components Tasks Dirs Files Icons INI Registry Run UninstallRun", "Flags", knownFlags},
    {"Components Tasks", "Name", componentOrTaskName},
    {"Languages", "Name", languageName},
    // EnumComponents: StrToInteger64.
    {"Components", "ExtraDiskSpaceRequired",
     [](const Entry &e) { valid(e, "ExtraDiskSpaceRequired", ValueForms::isUnsigned64(e.value("ExtraDiskSpaceRequired"))); }},
    {"Files", "DestName", destName},
    {"Files", "CopyMode", copyMode},
    {"Dirs Files", "Attribs", knownAttributes},
    {"Dirs Files", "Permissions", fileAccess},
    {"Files", "Excludes", excludes},
    {"Files", "ExternalSize", externalSize},
    {"Icons", "HotKey", hotKey},
    {"Icons", "IconIndex", iconIndex},
    {"Registry", "Root", registryRoot},
    {"Registry", "Subkey", registrySubkey},
    {"Registry", "ValueType", registryValueType},
    {"Registry", "Permissions", keyAccess},
    {"InstallDelete UninstallDelete", "Type", deleteType},
    {"Run UninstallRun", nullptr, runFlags},
    {"Types Components Tasks Dirs Files Icons INI Registry InstallDelete UninstallDelete Run UninstallRun", "MinVersion",
     [](const Entry &e) { versionOf(e, "MinVersion", true); }},
    {"Types Components Tasks Dirs Files Icons INI Registry InstallDelete UninstallDelete Run UninstallRun", "OnlyBelowVersion",
     [](const Entry &e) { versionOf(e, "OnlyBelowVersion", false); }},
    {"Components Tasks", nullptr, inheritedCheck},
    {"Dirs", nullptr, dirFlags},
    {"Files", nullptr, fileFlags},
    {"Icons", "Name", iconName},
    {"INI", nullptr, iniFlags},
    {"Registry", nullptr, registryFlags},
    {"Registry", nullptr, registryData},
    {"Files", "Source", externalSourceConstants},
    {"Icons", "Name", iconNameConstants},
    {"Types Components Tasks Dirs Files Icons INI Registry InstallDelete UninstallDelete Run UninstallRun", nullptr, plainConstants},
    {"Registry", "ValueData", registryDataConstants},
};

} // namespace

void EntryValueChecks::check(const SectionRule &rule, const ParameterLine &line, const WindowsVersions &setupMinVersion)
{
    const Entry entry{rule, line, line.words(QStringLiteral("Flags")), setupMinVersion};
    for (const ValueCheck &check : kChecks) {
        if (listsSection(check.sections, rule.section) && (!check.parameter || line.has(QLatin1String(check.parameter))))
            check.check(entry);
    }
}

} // namespace talmo::iscmplr
