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

} // namespace talmo::iscmplr
