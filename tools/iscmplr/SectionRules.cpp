#include "SectionRules.h"

#include <QHash>
#include <QRegularExpression>

namespace talmo::iscmplr {

namespace {

struct SectionFacts
{
    const char *section;
    const char *parameters; // "Name* (noempty, noquotes), Other, ..."
    const char *flags;      // space-separated
    const char *attribs;
};

const QString kCommon = QStringLiteral(", Components, Tasks, Languages, Check, BeforeInstall, AfterInstall, MinVersion, OnlyBelowVersion");

const SectionFacts kSections[] = {
    {"Types", "Flags, Name* (noempty), Description* (noempty), Languages, Check, MinVersion, OnlyBelowVersion",
     "iscustom", ""},
    {"Components",
     "Flags, Name* (noempty), Description* (noempty), ExtraDiskSpaceRequired, Types, Languages, Check, MinVersion, OnlyBelowVersion",
     "fixed restart disablenouninstallwarning exclusive dontinheritcheck checkablealone", ""},
    {"Tasks",
     "Flags, Name* (noempty, noquotes), Description* (noempty), GroupDescription (noempty), Components, Languages, Check, MinVersion, OnlyBelowVersion",
     "exclusive unchecked restart checkedonce dontinheritcheck checkablealone", ""},
    {"Dirs", "Flags, Name* (noempty, noquotes), Attribs, Permissions@",
     "uninsneveruninstall deleteafterinstall uninsalwaysuninstall setntfscompression unsetntfscompression",
     "readonly hidden system"},
    {"Files",
     "Flags, Source* (noempty, noquotes), DestDir* (noempty, noquotes), DestName (noempty, noquotes), CopyMode, Attribs, Permissions, "
     "FontInstall (noempty), Excludes, ExternalSize, StrongAssemblyName (noempty)@",
     "confirmoverwrite uninsneveruninstall isreadme regserver sharedfile restartreplace deleteafterinstall comparetimestamp "
     "fontisnttruetype regtypelib external skipifsourcedoesntexist overwritereadonly onlyifdestfileexists recursesubdirs "
     "noregerror allowunsafefiles uninsrestartdelete onlyifdoesntexist ignoreversion promptifolder dontcopy "
     "uninsremovereadonly sortfilesbyextension touch replacesameversion noencryption nocompression dontverifychecksum "
     "uninsnosharedfileprompt createallsubdirs 32bit 64bit solidbreak setntfscompression unsetntfscompression "
     "sortfilesbyname gacinstall",
     "readonly hidden system"},
    {"Icons",
     "Flags, Name* (noempty, noquotes), Filename* (noempty, noquotes), Parameters, WorkingDir (noquotes), HotKey, "
     "IconFilename (noquotes), IconIndex, Comment, AppUserModelID@",
     "uninsneveruninstall runminimized createonlyiffileexists useapppaths closeonexit dontcloseonexit runmaximized "
     "foldershortcut excludefromshowinnewinstall",
     ""},
    {"INI", "Flags, Filename* (noquotes), Section* (noempty), Key (noempty), String@",
     "uninsdeleteentry uninsdeletesection createkeyifdoesntexist uninsdeletesectionifempty", ""},
    {"InstallDelete", "Type*, Name* (noempty)@", "", ""},
    {"UninstallDelete", "Type*, Name* (noempty)@", "", ""},
    {"Languages", "Name* (noempty), MessagesFile* (noempty), LicenseFile (noempty), InfoBeforeFile (noempty), InfoAfterFile (noempty)",
     "", ""},
    {"Registry", "Flags, Root*, Subkey*, ValueType, ValueName, ValueData, Permissions@",
     "createvalueifdoesntexist uninsdeletevalue uninsdeletekey uninsdeletekeyifempty uninsclearvalue preservestringtype "
     "deletekey deletevalue noerror dontcreatekey",
     ""},
    {"Run", "Flags, Filename* (noempty, noquotes), Parameters, WorkingDir, Description, StatusMsg, Verb, RunOnceId@",
     "nowait waituntilidle shellexec skipifdoesntexist runminimized runmaximized showcheckbox postinstall unchecked "
     "skipifsilent skipifnotsilent hidewizard runhidden waituntilterminated 32bit 64bit runasoriginaluser runascurrentuser",
     ""},
    {"UninstallRun", "Flags, Filename* (noempty, noquotes), Parameters, WorkingDir, RunOnceId, StatusMsg, Verb, Description@",
     "nowait waituntilidle shellexec skipifdoesntexist runminimized runmaximized hidewizard runhidden waituntilterminated "
     "32bit 64bit runascurrentuser",
     ""},
};

QList<ParameterRule> parseParameters(QString facts)
{
    facts.replace(QLatin1String("@"), kCommon);
    static const QRegularExpression item(QStringLiteral("(\\w+)(\\*?)(?:\\s*\\(([^)]*)\\))?"));
    QList<ParameterRule> rules;
    for (auto it = item.globalMatch(facts); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        ParameterRule rule;
        rule.name = m.captured(1);
        rule.required = !m.captured(2).isEmpty();
        rule.noEmpty = m.captured(3).contains(QLatin1String("noempty"));
        rule.noQuotes = m.captured(3).contains(QLatin1String("noquotes"));
        rules.append(rule);
    }
    return rules;
}

QStringList words(const char *text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

const QHash<QString, SectionRule> &sectionTable()
{
    static const QHash<QString, SectionRule> table = [] {
        QHash<QString, SectionRule> t;
        for (const SectionFacts &facts : kSections) {
            const QString name = QString::fromLatin1(facts.section);
            t.insert(name.toLower(),
                     {name, parseParameters(QString::fromLatin1(facts.parameters)), words(facts.flags), words(facts.attribs)});
        }
        return t;
    }();
    return table;
}

const char kSetupDirectives[] =
    "AllowCancelDuringInstall AllowNoIcons AllowRootDirectory AllowUNCPath AlwaysRestart AlwaysShowComponentsList "
    "AlwaysShowDirOnReadyPage AlwaysShowGroupOnReadyPage AlwaysUsePersonalGroup AppCopyright AppendDefaultDirName "
    "AppendDefaultGroupName AppComments AppContact AppId AppModifyPath AppMutex AppName AppPublisher AppPublisherURL "
    "AppReadmeFile AppSupportPhone AppSupportURL AppUpdatesURL AppVerName AppVersion ArchitecturesAllowed "
    "ArchitecturesInstallIn64BitMode BackColor BackColor2 BackColorDirection BackSolid ChangesAssociations "
    "ChangesEnvironment Compression CompressionThreads CreateAppDir CreateUninstallRegKey DefaultDialogFontName "
    "DefaultDirName DefaultGroupName DefaultUserInfoName DefaultUserInfoOrg DefaultUserInfoSerial DirExistsWarning "
    "DisableDirPage DisableFinishedPage DisableProgramGroupPage DisableReadyMemo DisableReadyPage DisableStartupPrompt "
    "DisableWelcomePage DiskClusterSize DiskSliceSize DiskSpanning DontMergeDuplicateFiles EnableDirDoesntExistWarning "
    "Encryption ExtraDiskSpaceRequired FlatComponentsList InfoAfterFile InfoBeforeFile InternalCompressLevel "
    "LanguageDetectionMethod LicenseFile LZMAAlgorithm LZMABlockSize LZMADictionarySize LZMAMatchFinder "
    "LZMANumBlockThreads LZMANumFastBytes LZMAUseSeparateProcess MergeDuplicateFiles MessagesFile MinVersion "
    "OnlyBelowVersion OutputBaseFilename OutputDir OutputManifestFile Password PrivilegesRequired ReserveBytes "
    "RestartIfNeededByRun SetupIconFile SetupLogging ShowComponentSizes ShowLanguageDialog ShowTasksTreeLines "
    "ShowUndisplayableLanguages SignedUninstaller SignedUninstallerDir SignTool SlicesPerDisk SolidCompression SourceDir "
    "TerminalServicesAware TimeStampRounding TimeStampsInUTC TouchDate TouchTime UpdateUninstallLogAppName Uninstallable "
    "UninstallDisplayIcon UninstallDisplayName UninstallDisplaySize UninstallFilesDir UninstallIconFile UninstallLogMode "
    "UninstallRestartComputer UninstallStyle UsePreviousAppDir UsePreviousGroup UsePreviousLanguage UsePreviousSetupType "
    "UsePreviousTasks UsePreviousUserInfo UseSetupLdr UserInfoPage VersionInfoCompany VersionInfoCopyright "
    "VersionInfoDescription VersionInfoProductName VersionInfoProductVersion VersionInfoProductTextVersion "
    "VersionInfoTextVersion VersionInfoVersion WindowResizable WindowShowCaption WindowStartMaximized WindowVisible "
    "WizardImageBackColor WizardImageFile WizardImageStretch WizardSmallImageBackColor WizardSmallImageFile WizardStyle";

const char kLangOptionsDirectives[] =
    "CopyrightFontName CopyrightFontSize DialogFontName DialogFontSize DialogFontStandardHeight LanguageCodePage "
    "LanguageID LanguageName RightToLeft TitleFontName TitleFontSize WelcomeFontName WelcomeFontSize";

const char kObsoleteWithWarning[] =
    "DontMergeDuplicateFiles ShowUndisplayableLanguages UninstallIconFile UninstallStyle WizardSmallImageBackColor "
    "DialogFontStandardHeight";

// Directives that take a plain yes/no value.
const char kBooleanDirectives[] =
    "AllowCancelDuringInstall AllowNoIcons AllowRootDirectory AllowUNCPath AlwaysRestart AlwaysShowComponentsList "
    "AlwaysShowDirOnReadyPage AlwaysShowGroupOnReadyPage AlwaysUsePersonalGroup AppendDefaultDirName "
    "AppendDefaultGroupName BackSolid CreateAppDir DisableFinishedPage DisableReadyMemo DisableReadyPage "
    "DisableStartupPrompt DisableWelcomePage DiskSpanning DontMergeDuplicateFiles EnableDirDoesntExistWarning Encryption "
    "FlatComponentsList MergeDuplicateFiles RestartIfNeededByRun SetupLogging ShowComponentSizes ShowTasksTreeLines "
    "ShowUndisplayableLanguages SignedUninstaller SolidCompression TimeStampsInUTC UpdateUninstallLogAppName "
    "UninstallRestartComputer UsePreviousAppDir UsePreviousGroup UsePreviousLanguage UsePreviousSetupType "
    "UsePreviousTasks UsePreviousUserInfo UseSetupLdr UserInfoPage WindowResizable WindowShowCaption "
    "WindowStartMaximized WindowVisible WizardImageStretch";

bool containsWord(const QStringList &list, const QString &word)
{
    return list.contains(word, Qt::CaseInsensitive);
}

const QStringList &setupDirectiveNames()
{
    static const QStringList names = words(kSetupDirectives);
    return names;
}

const QStringList &langOptionsDirectiveNames()
{
    static const QStringList names = words(kLangOptionsDirectives);
    return names;
}

const QStringList &obsoleteDirectiveNames()
{
    static const QStringList names = words(kObsoleteWithWarning);
    return names;
}

const QStringList &booleanDirectiveNames()
{
    static const QStringList names = words(kBooleanDirectives);
    return names;
}

struct ValueFacts
{
    const char *directive;
    const char *pattern; // whole-value, case-insensitive
    const char *accepted;
};

const char kBool[] = "yes|no|true|false|1|0";

const ValueFacts kValues[] = {
    {"BackColorDirection", "toptobottom|lefttoright", "toptobottom, lefttoright"},
    {"Compression",
     "none|zip|zip/[1-9]|bzip|bzip/[1-9]|lzma|lzma/(fast|normal|max|ultra|ultra64)|lzma2|lzma2/(fast|normal|max|ultra|ultra64)",
     "none, zip, zip/1..9, bzip, bzip/1..9, lzma, lzma/LEVEL, lzma2, lzma2/LEVEL"},
    {"InternalCompressLevel", "0|none|fast|normal|max|ultra|ultra64", "0, none, fast, normal, max, ultra, ultra64"},
    {"CompressionThreads", "auto|[1-9]|[1-5][0-9]|6[0-4]", "auto, 1..64"},
    {"DirExistsWarning", "auto|yes|no|true|false|1|0", "auto, yes, no"},
    {"DisableDirPage", "auto|yes|no|true|false|1|0", "auto, yes, no"},
    {"DisableProgramGroupPage", "auto|yes|no|true|false|1|0", "auto, yes, no"},
    {"ShowLanguageDialog", "auto|yes|no|true|false|1|0", "auto, yes, no"},
    {"DiskSliceSize", "max|[0-9]+", "a number or max"},
    {"LanguageDetectionMethod", "uilanguage|locale|none", "uilanguage, locale, none"},
    {"LZMAMatchFinder", "BT|HC", "BT, HC"},
    {"LZMAUseSeparateProcess", "x86|yes|no|true|false|1|0", "x86, yes, no"},
    {"PrivilegesRequired", "none|poweruser|admin|lowest", "none, poweruser, admin, lowest"},
    {"UninstallLogMode", "append|new|overwrite", "append, new, overwrite"},
    {"WizardStyle", "modern", "modern"},
    {"ArchitecturesAllowed", "((x86|x64|ia64)(\\s+(x86|x64|ia64))*)?", "x86, x64, ia64"},
    {"ArchitecturesInstallIn64BitMode", "((x86|x64|ia64)(\\s+(x86|x64|ia64))*)?", "x86, x64, ia64"},
};

bool matchesWhole(const QString &pattern, const QString &value)
{
    const QRegularExpression re(QStringLiteral("^(?:%1)$").arg(pattern), QRegularExpression::CaseInsensitiveOption);
    return re.match(value).hasMatch();
}

} // namespace

const ParameterRule *SectionRule::parameter(const QString &name) const
{
    for (const ParameterRule &rule : parameters) {
        if (rule.name.compare(name, Qt::CaseInsensitive) == 0)
            return &rule;
    }
    return nullptr;
}

const SectionRule *SectionRules::forSection(const QString &section)
{
    const auto &table = sectionTable();
    const auto it = table.constFind(section.toLower());
    return it == table.constEnd() ? nullptr : &*it;
}

bool SetupDirectives::isSetupDirective(const QString &name)
{
    return containsWord(setupDirectiveNames(), name);
}

bool SetupDirectives::isLangOptionsDirective(const QString &name)
{
    return containsWord(langOptionsDirectiveNames(), name);
}

bool SetupDirectives::isObsoleteWithWarning(const QString &name)
{
    return containsWord(obsoleteDirectiveNames(), name);
}

bool SetupDirectives::isBoolean(const QString &value)
{
    return matchesWhole(QString::fromLatin1(kBool), value);
}

bool SetupDirectives::isTrue(const QString &value)
{
    return matchesWhole(QStringLiteral("yes|true|1"), value);
}

QString SetupDirectives::valueProblem(const QString &name, const QString &value)
{
    if (containsWord(booleanDirectiveNames(), name))
        return isBoolean(value) ? QString() : QStringLiteral("yes, no, true, false, 1, 0");
    if (name.compare(QLatin1String("LZMANumFastBytes"), Qt::CaseInsensitive) == 0) {
        bool ok = false;
        const int n = value.toInt(&ok);
        return ok && n >= 5 && n <= 273 ? QString() : QStringLiteral("5..273");
    }
    for (const ValueFacts &facts : kValues) {
        if (name.compare(QLatin1String(facts.directive), Qt::CaseInsensitive) == 0)
            return matchesWhole(QString::fromLatin1(facts.pattern), value) ? QString() : QString::fromLatin1(facts.accepted);
    }
    return QString();
}

} // namespace talmo::iscmplr
