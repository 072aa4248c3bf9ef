#include "SetupValueChecks.h"

#include "CompileError.h"
#include "CompilerMessages.h"
#include "ConstantCheck.h"
#include "ValueForms.h"

#include <QRegularExpression>
#include <QStringList>

namespace talmo::iscmplr {

namespace {

bool oneOf(const char *words, const QString &value)
{
    return QString::fromLatin1(words).split(QLatin1Char(' ')).contains(value, Qt::CaseInsensitive);
}

bool autoOrBoolean(const QString &value)
{
    return oneOf("auto", value) || ValueForms::isBoolean(value);
}

bool architectures(const QString &value, const char *allowed)
{
    for (const QString &word : value.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!oneOf(allowed, word))
            return false;
    }
    return true;
}

bool compression(const QString &value)
{
    static const QRegularExpression form(
        QStringLiteral("^(none|zip|bzip|lzma2?|(zip|bzip)/[1-9]|lzma2?/(fast|normal|max|ultra|ultra64))$"),
        QRegularExpression::CaseInsensitiveOption);
    return form.match(value.trimmed()).hasMatch();
}

bool touchDate(const QString &value)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,4})-(\\d{1,4})-(\\d{1,4})$"));
    const QRegularExpressionMatch m = form.match(value);
    if (oneOf("current none", value))
        return true;
    if (!m.hasMatch())
        return false;
    const int year = m.captured(1).toInt();
    const int month = m.captured(2).toInt();
    const int day = m.captured(3).toInt();
    static const int lastDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return year >= 1980 && year <= 2107 && month >= 1 && month <= 12 && day >= 1
        && day <= (month == 2 && !leap ? 28 : lastDays[month - 1]);
}

bool touchTime(const QString &value)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,4}):(\\d{1,4})(?::(\\d{1,4}))?$"));
    const QRegularExpressionMatch m = form.match(value);
    if (oneOf("current none", value))
        return true;
    return m.hasMatch() && m.captured(1).toInt() <= 23 && m.captured(2).toInt() <= 59 && m.captured(3).toInt() <= 59;
}

// Every directive that takes a plain yes/no value.
const char kBooleanDirectives[] =
    "AllowCancelDuringInstall AllowNoIcons AllowRootDirectory AllowUNCPath AlwaysRestart AlwaysShowComponentsList "
    "AlwaysShowDirOnReadyPage AlwaysShowGroupOnReadyPage AlwaysUsePersonalGroup AppendDefaultDirName "
    "AppendDefaultGroupName BackSolid ChangesAssociations ChangesEnvironment CreateAppDir DisableFinishedPage "
    "DisableReadyMemo DisableReadyPage DisableStartupPrompt DisableWelcomePage DiskSpanning DontMergeDuplicateFiles "
    "EnableDirDoesntExistWarning Encryption FlatComponentsList MergeDuplicateFiles RestartIfNeededByRun SetupLogging "
    "ShowComponentSizes ShowTasksTreeLines ShowUndisplayableLanguages SignedUninstaller SolidCompression "
    "TerminalServicesAware TimeStampsInUTC UpdateUninstallLogAppName UninstallRestartComputer UsePreviousAppDir "
    "UsePreviousGroup UsePreviousLanguage UsePreviousSetupType UsePreviousTasks UsePreviousUserInfo UseSetupLdr "
    "UserInfoPage WindowResizable WindowShowCaption WindowStartMaximized WindowVisible WizardImageStretch";

// Directives whose value may not be empty; Uninstallable and CreateUninstallRegKey
// also take a check expression, which [Code] resolves.
const char kNotEmptyDirectives[] =
    "AppId AppName AppVerName OutputBaseFilename OutputDir OutputManifestFile SignedUninstallerDir SourceDir "
    "UninstallFilesDir WizardImageFile WizardSmallImageFile Uninstallable CreateUninstallRegKey";

// Directives whose text the installer expands, so their constants are checked.
const char kConstantDirectives[] =
    "AppName AppId AppVerName AppComments AppContact AppCopyright AppModifyPath AppPublisher AppPublisherURL "
    "AppReadmeFile AppSupportPhone AppSupportURL AppUpdatesURL AppVersion AppMutex DefaultDirName DefaultGroupName "
    "UninstallDisplayName UninstallDisplayIcon UninstallFilesDir DefaultUserInfoName DefaultUserInfoOrg "
    "DefaultUserInfoSerial";

using Form = bool (*)(const QString &);

struct DirectiveForm
{
    const char *directive;
    Form accepts;
};

const DirectiveForm kForms[] = {
    {"ArchitecturesAllowed", [](const QString &v) { return architectures(v, "x86 x64 ia64"); }},
    {"ArchitecturesInstallIn64BitMode", [](const QString &v) { return architectures(v, "x64 ia64"); }},
    {"BackColor", ValueForms::isColor},
    {"BackColor2", ValueForms::isColor},
    {"WizardImageBackColor", ValueForms::isColor},
    {"BackColorDirection", [](const QString &v) { return oneOf("toptobottom lefttoright", v); }},
    {"Compression", compression},
    {"CompressionThreads", [](const QString &v) { return oneOf("auto", v) || ValueForms::isIntegerIn(v, 1, 64); }},
    {"DirExistsWarning", autoOrBoolean},
    {"DisableDirPage", autoOrBoolean},
    {"DisableProgramGroupPage", autoOrBoolean},
    {"ShowLanguageDialog", autoOrBoolean},
    {"DiskClusterSize", ValueForms::isInteger},
    {"DiskSliceSize", [](const QString &v) { return oneOf("max", v) || ValueForms::isInteger(v); }},
    {"ExtraDiskSpaceRequired", ValueForms::isUnsigned64},
    {"InternalCompressLevel", [](const QString &v) { return oneOf("0 none fast normal max ultra ultra64", v.trimmed()); }},
    {"LanguageDetectionMethod", [](const QString &v) { return oneOf("uilanguage locale none", v); }},
    {"LZMAAlgorithm", [](const QString &v) { return ValueForms::isIntegerIn(v, 0, 1); }},
    {"LZMABlockSize", [](const QString &v) { return ValueForms::isIntegerIn(v, 1024, 262144); }},
    {"LZMADictionarySize", [](const QString &v) { return ValueForms::isIntegerIn(v, 4, 262144); }},
    {"LZMAMatchFinder", [](const QString &v) { return oneOf("BT HC", v); }},
    {"LZMANumBlockThreads", [](const QString &v) { return ValueForms::isIntegerIn(v, 1, 32); }},
    {"LZMANumFastBytes", [](const QString &v) { return ValueForms::isIntegerIn(v, 5, 273); }},
    {"LZMAUseSeparateProcess", [](const QString &v) { return oneOf("x86", v) || ValueForms::isBoolean(v); }},
    {"MinVersion", ValueForms::isVersionPair},
    {"OnlyBelowVersion", ValueForms::isVersionPair},
    {"PrivilegesRequired", [](const QString &v) { return oneOf("none poweruser admin lowest", v); }},
    {"ReserveBytes", [](const QString &v) { return ValueForms::isIntegerIn(v, 0, 2147483647); }},
    {"SlicesPerDisk", [](const QString &v) { return ValueForms::isIntegerIn(v, 1, 26); }},
    {"TimeStampRounding", [](const QString &v) { return ValueForms::isIntegerIn(v, 0, 60); }},
    {"TouchDate", touchDate},
    {"TouchTime", touchTime},
    {"UninstallDisplaySize", [](const QString &v) { return ValueForms::isUnsigned64(v) && v.toULongLong() != 0; }},
    {"UninstallLogMode", [](const QString &v) { return oneOf("append new overwrite", v); }},
    {"VersionInfoVersion", ValueForms::isFileVersion},
    {"VersionInfoProductVersion", ValueForms::isFileVersion},
    {"WizardStyle", [](const QString &v) { return oneOf("modern", v); }},
};

// Two sizes are checked in two steps, the second with a message of its own.
void checkRange(const QString &directive, const QString &value, const SourceLine &where)
{
    if (directive.compare(QLatin1String("DiskClusterSize"), Qt::CaseInsensitive) == 0
        && !ValueForms::isIntegerIn(value, 1, 32768))
        throw CompileError::at(where, CompilerMessages::diskClusterSizeInvalid);
    if (directive.compare(QLatin1String("DiskSliceSize"), Qt::CaseInsensitive) == 0 && !oneOf("max", value)
        && !ValueForms::isIntegerIn(value, 262144, 2100000000))
        throw CompileError::at(where, CompilerMessages::diskSliceSizeInvalid);
}

bool accepted(const QString &directive, const QString &value)
{
    if (oneOf(kBooleanDirectives, directive))
        return ValueForms::isBoolean(value);
    if (oneOf(kNotEmptyDirectives, directive))
        return !value.isEmpty();
    for (const DirectiveForm &form : kForms) {
        if (directive.compare(QLatin1String(form.directive), Qt::CaseInsensitive) == 0)
            return form.accepts(value);
    }
    return true;
}

} // namespace

void SetupValueChecks::check(const QString &directive, const QString &value, const SourceLine &where)
{
    if (!accepted(directive, value))
        throw CompileError::at(where, CompilerMessages::directiveInvalid(QStringLiteral("Setup"), directive));
    checkRange(directive, value, where);
    if (oneOf(kConstantDirectives, directive)) {
        const QString problem = ConstantCheck::problem(value);
        if (!problem.isEmpty())
            throw CompileError::at(where, problem);
    }
}

} // namespace talmo::iscmplr
