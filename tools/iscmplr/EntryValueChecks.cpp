#include "EntryValueChecks.h"

#include "CompileError.h"
#include "CompilerMessages.h"
#include "ConstantCheck.h"
#include "HostPaths.h"
#include "SectionRules.h"
#include "ValueForms.h"

namespace talmo::iscmplr {

namespace {

using namespace CompilerMessages;

// What one check sees: the line, its section's rule and its flag words.
struct Entry
{
    const SectionRule &rule;
    const ParameterLine &line;
    QStringList flags; // lower case, in the order written

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

void knownAttributes(const Entry &entry)
{
    for (const QString &word : entry.line.words(QStringLiteral("Attribs"))) {
        if (!entry.rule.attribs.contains(word, Qt::CaseInsensitive))
            entry.refuse(unknownFlag(QStringLiteral("Attribs")));
    }
}

void permissions(const Entry &entry, const QStringList &access)
{
    static const QStringList sids = {QStringLiteral("admins"),     QStringLiteral("authusers"), QStringLiteral("everyone"),
                                     QStringLiteral("powerusers"), QStringLiteral("system"),    QStringLiteral("users")};
    for (const QString &item : entry.value("Permissions").split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const qsizetype dash = item.indexOf(QLatin1Char('-'));
        if (dash < 0)
            entry.refuse(permissionsMalformed(item));
        if (!sids.contains(item.left(dash), Qt::CaseInsensitive))
            entry.refuse(permissionsUnknownSid(item.left(dash)));
        if (!access.contains(item.mid(dash + 1), Qt::CaseInsensitive))
            entry.refuse(permissionsUnknownAccess(item.mid(dash + 1)));
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

void versionOf(const Entry &entry, const char *parameter)
{
    valid(entry, parameter, ValueForms::isVersionPair(entry.value(parameter)));
}

void componentOrTaskName(const Entry &entry)
{
    if (!ValueForms::isIdentifier(entry.value("Name").replace(QLatin1Char('/'), QLatin1Char('\\')), true))
        entry.refuse(componentsOrTasksBadName);
}

void languageName(const Entry &entry)
{
    if (!ValueForms::isIdentifier(entry.value("Name"), false))
        entry.refuse(languagesBadName);
}

void inheritedCheck(const Entry &entry)
{
    exclusive(entry, "dontinheritcheck", "exclusive");
}

void dirFlags(const Entry &entry)
{
    exclusive(entry, "uninsneveruninstall", "uninsalwaysuninstall");
    exclusive(entry, "setntfscompression", "unsetntfscompression");
}

void destName(const Entry &entry)
{
    if (ValueForms::hasBackslashOutsideConstants(entry.value("DestName")))
        entry.refuse(noBackslash(QStringLiteral("DestName")));
}

void copyMode(const Entry &entry)
{
    static const QStringList modes = {QStringLiteral("normal"), QStringLiteral("onlyifdoesntexist"),
                                      QStringLiteral("alwaysoverwrite"), QStringLiteral("alwaysskipifsameorolder"),
                                      QStringLiteral("dontcopy")};
    valid(entry, "CopyMode", modes.contains(entry.value("CopyMode").trimmed(), Qt::CaseInsensitive));
}

void externalSize(const Entry &entry)
{
    if (!entry.flag("external"))
        entry.refuse(filesExternalSizeWithoutExternal);
    valid(entry, "ExternalSize", ValueForms::isUnsigned64(entry.value("ExternalSize")));
}

// A file that lands in {tmp}, or is deleted after the install, can be neither registered nor kept.
void temporaryFile(const Entry &entry)
{
    const QString destDir = entry.value("DestDir");
    const bool temporary = entry.flag("deleteafterinstall") || entry.flag("dontcopy") || destDir == QLatin1String("{tmp}")
        || destDir.startsWith(QLatin1String("{tmp}\\"));
    if (!temporary)
        return;
    for (const char *word : {"restartreplace", "uninsneveruninstall", "regserver", "regtypelib", "sharedfile", "gacinstall"}) {
        if (entry.flag(word))
            entry.refuse(filesTmpBadFlag(QLatin1String(word)));
    }
}

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

void hotKey(const Entry &entry)
{
    valid(entry, "HotKey", ValueForms::isHotKey(entry.value("HotKey")));
}

void iconIndex(const Entry &entry)
{
    if (!ValueForms::isInteger(entry.value("IconIndex")))
        entry.refuse(iconIndexInvalid);
}

void iconName(const Entry &entry)
{
    if (!entry.value("Name").contains(QLatin1Char('\\')))
        entry.refuse(iconNameWithoutPath);
}

void iniFlags(const Entry &entry)
{
    exclusive(entry, "uninsdeleteentry", "uninsdeletesection");
    exclusive(entry, "uninsdeletesection", "uninsdeletesectionifempty");
}

void registryRoot(const Entry &entry)
{
    valid(entry, "Root", ValueForms::isRegistryRoot(entry.value("Root").trimmed()));
}

void registrySubkey(const Entry &entry)
{
    if (entry.value("Subkey").startsWith(QLatin1Char('\\')))
        entry.refuse(noPrecedingBackslash(QStringLiteral("Subkey")));
}

void registryValueType(const Entry &entry)
{
    static const QStringList types = {QStringLiteral("none"),   QStringLiteral("string"), QStringLiteral("expandsz"),
                                      QStringLiteral("multisz"), QStringLiteral("dword"), QStringLiteral("qword"),
                                      QStringLiteral("binary")};
    valid(entry, "ValueType", types.contains(entry.value("ValueType").trimmed(), Qt::CaseInsensitive));
}

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

// The data is read by the value's type; the type of a line without one is "none".
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

void deleteType(const Entry &entry)
{
    static const QStringList types = {QStringLiteral("files"), QStringLiteral("filesandordirs"), QStringLiteral("dirifempty")};
    valid(entry, "Type", types.contains(entry.value("Type").trimmed(), Qt::CaseInsensitive));
}

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

void constantsOf(const Entry &entry, const QString &value, int extras = ConstantCheck::None)
{
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
    {"Components", "ExtraDiskSpaceRequired",
     [](const Entry &e) { valid(e, "ExtraDiskSpaceRequired", ValueForms::isUnsigned64(e.value("ExtraDiskSpaceRequired"))); }},
    {"Files", "DestName", destName},
    {"Files", "CopyMode", copyMode},
    {"Dirs Files", "Attribs", knownAttributes},
    {"Dirs Files", "Permissions", fileAccess},
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
     [](const Entry &e) { versionOf(e, "MinVersion"); }},
    {"Types Components Tasks Dirs Files Icons INI Registry InstallDelete UninstallDelete Run UninstallRun", "OnlyBelowVersion",
     [](const Entry &e) { versionOf(e, "OnlyBelowVersion"); }},
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

void EntryValueChecks::check(const SectionRule &rule, const ParameterLine &line)
{
    const Entry entry{rule, line, line.words(QStringLiteral("Flags"))};
    for (const ValueCheck &check : kChecks) {
        if (listsSection(check.sections, rule.section) && (!check.parameter || line.has(QLatin1String(check.parameter))))
            check.check(entry);
    }
}

} // namespace talmo::iscmplr
