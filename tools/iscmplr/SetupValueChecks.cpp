#include "SetupValueChecks.h"

#include "CompileError.h"
#include "CompilerMessages.h"
#include "ConstantCheck.h"
#include "ValueForms.h"
#include "WindowsVersions.h"

#include <QRegularExpression>
#include <QStringList>

namespace talmo::iscmplr {

namespace {

bool oneOf(const char *words, const QString &value)
{
    return QString::fromLatin1(words).split(QLatin1Char(' ')).contains(value, Qt::CaseInsensitive);
}

// "auto" (CompareText), else StrToBool.
bool autoOrBoolean(const QString &value)
{
    return oneOf("auto", value) || ValueForms::isBoolean(value);
}

// StrToArchitectures: blank-separated words, each an ExtractFlag of the list.
bool architectures(const QString &value, const char *allowed)
{
    for (const QString &word : value.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!oneOf(allowed, word))
            return false;
    }
    return true;
}

// The Compression case of EnumSetup: the lower-cased, trimmed value is a
// method, or "zip/" and "bzip/" with StrToIntDef 1..9, or "lzma/" and
// "lzma2/" with a level LZMAGetLevel knows.
bool compression(const QString &value)
{
    const QString text = value.trimmed().toLower();
    static const QRegularExpression leveled(QStringLiteral("^(zip|bzip|lzma|lzma2)/(.*)$"));
    const QRegularExpressionMatch m = leveled.match(text);
    if (!m.hasMatch())
        return oneOf("none zip bzip lzma lzma2", text);
    if (m.captured(1).startsWith(QLatin1String("lzma")))
        return oneOf("fast normal max ultra ultra64", m.captured(2));
    return ValueForms::isIntegerIn(m.captured(2), 1, 9);
}

// StrToTouchDate: "current", "none", or year-month-day of up to four digits
// each, year 1980..2107, and a day the month has (SystemTimeToFileTime).
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

// StrToTouchTime: "current", "none", or hour:minute[:second] of up to four
// digits each, hour <= 23, minute and second <= 59.
bool touchTime(const QString &value)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,4}):(\\d{1,4})(?::(\\d{1,4}))?$"));
    const QRegularExpressionMatch m = form.match(value);
    if (oneOf("current none", value))
        return true;
    return m.hasMatch() && m.captured(1).toInt() <= 23 && m.captured(2).toInt() <= 59 && m.captured(3).toInt() <= 59;
}

// Every directive that EnumSetup reads with StrToBool (TryStrToBoolean).
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

// Directives EnumSetup refuses empty ("if Value = '' then Invalid");
// Uninstallable and CreateUninstallRegKey are refused empty by
// CheckCheckOrInstall with cikDirectiveCheck, which [Code] then resolves.
// OutputDir and OutputBaseFilename are checked only when the caller's
// options do not fix them (FixedOutputDir, FixedOutputBaseFilename).
const char kNotEmptyDirectives[] =
    "AppId AppName AppVerName OutputManifestFile SignedUninstallerDir SourceDir "
    "UninstallFilesDir WizardImageFile WizardSmallImageFile Uninstallable CreateUninstallRegKey";

// Directives whose text the installer expands, so their constants are checked
// (CheckConst after the section is read, against the section's MinVersion).
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

// Each row follows the directive's case in EnumSetup. Val and StrToInt(Def)
// are ValueForms::integer; StrToIntRange is Val within its bounds.
const DirectiveForm kForms[] = {
    {"ArchitecturesAllowed", [](const QString &v) { return architectures(v, "x86 x64 ia64"); }},
    // StrToArchitectures with Only64Bit: "x86" is Invalid.
    {"ArchitecturesInstallIn64BitMode", [](const QString &v) { return architectures(v, "x64 ia64"); }},
    // StringToColor: a colour name, else StrToInt.
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
    // Val; the range has a message of its own (checkRange).
    {"DiskClusterSize", ValueForms::isInteger},
    {"DiskSliceSize", [](const QString &v) { return oneOf("max", v) || ValueForms::isInteger(v); }},
    // StrToInteger64.
    {"ExtraDiskSpaceRequired", ValueForms::isUnsigned64},
    // Lower-cased and trimmed: "0", "none" or a level LZMAGetLevel knows.
    {"InternalCompressLevel", [](const QString &v) { return oneOf("0 none fast normal max ultra ultra64", v.trimmed()); }},
    {"LanguageDetectionMethod", [](const QString &v) { return oneOf("uilanguage locale none", v); }},
    {"LZMAAlgorithm", [](const QString &v) { return ValueForms::isIntegerIn(v, 0, 1); }},
    {"LZMABlockSize", [](const QString &v) { return ValueForms::isIntegerIn(v, 1024, 262144); }},
    {"LZMADictionarySize", [](const QString &v) { return ValueForms::isIntegerIn(v, 4, 262144); }},
    {"LZMAMatchFinder", [](const QString &v) { return oneOf("BT HC", v); }},
    {"LZMANumBlockThreads", [](const QString &v) { return ValueForms::isIntegerIn(v, 1, 32); }},
    {"LZMANumFastBytes", [](const QString &v) { return ValueForms::isIntegerIn(v, 5, 273); }},
    {"LZMAUseSeparateProcess", [](const QString &v) { return oneOf("x86", v) || ValueForms::isBoolean(v); }},
    // StrToVersionNumbers with AllowEmpty for MinVersion, without for OnlyBelowVersion.
    {"MinVersion", [](const QString &v) { return WindowsVersions::parse(v, true).has_value(); }},
    {"OnlyBelowVersion", [](const QString &v) { return WindowsVersions::parse(v, false).has_value(); }},
    {"PrivilegesRequired", [](const QString &v) { return oneOf("none poweruser admin lowest", v); }},
    // Val, and not below 0.
    {"ReserveBytes", [](const QString &v) { return ValueForms::isIntegerIn(v, 0, 2147483647); }},
    // FindSignToolIndexByName over the sign tools of the caller's options;
    // this library takes no "SignTool-" option, so no name is found.
    {"SignTool", [](const QString &) { return false; }},
    {"SlicesPerDisk", [](const QString &v) { return ValueForms::isIntegerIn(v, 1, 26); }},
    {"TimeStampRounding", [](const QString &v) { return ValueForms::isIntegerIn(v, 0, 60); }},
    {"TouchDate", touchDate},
    {"TouchTime", touchTime},
    // Val into a Cardinal (read as a 32-bit integer), and not 0.
    {"UninstallDisplaySize", [](const QString &v) { return ValueForms::integer(v).value_or(0) != 0; }},
    {"UninstallLogMode", [](const QString &v) { return oneOf("append new overwrite", v); }},
    // StrToVersionInfoVersionNumber.
    {"VersionInfoVersion", ValueForms::isFileVersion},
    {"VersionInfoProductVersion", ValueForms::isFileVersion},
    {"WizardStyle", [](const QString &v) { return oneOf("modern", v); }},
};

// Refusals with messages of their own once the value reads: DiskClusterSize
// 1..32768, DiskSliceSize 262144..MaxDiskSliceSize, and the MinVersion
// floors (SCompilerMinVersionWinTooLow, SCompilerMinVersionNTTooLow: 4.0 for
// both in the non-Unicode compiler).
void checkRange(const QString &directive, const QString &value, const SourceLine &where)
{
    if (directive.compare(QLatin1String("DiskClusterSize"), Qt::CaseInsensitive) == 0
        && !ValueForms::isIntegerIn(value, 1, 32768))
        throw CompileError::at(where, CompilerMessages::diskClusterSizeInvalid);
    if (directive.compare(QLatin1String("DiskSliceSize"), Qt::CaseInsensitive) == 0 && !oneOf("max", value)
        && !ValueForms::isIntegerIn(value, 262144, 2100000000))
        throw CompileError::at(where, CompilerMessages::diskSliceSizeInvalid);
    if (directive.compare(QLatin1String("MinVersion"), Qt::CaseInsensitive) == 0) {
        const WindowsVersions versions = *WindowsVersions::parse(value, true, WindowsVersions::setupDefault());
        const quint32 floor = WindowsVersions::version(4, 0);
        if (versions.win != 0 && versions.win < floor)
            throw CompileError::at(where, CompilerMessages::minVersionTooLow(QStringLiteral("Windows"), QStringLiteral("4.0")));
        if (versions.nt != 0 && versions.nt < floor)
            throw CompileError::at(where, CompilerMessages::minVersionTooLow(QStringLiteral("NT"), QStringLiteral("4.0")));
    }
}

bool accepted(const QString &directive, const QString &value, const SetupValueChecks::Context &context)
{
    if (oneOf(kBooleanDirectives, directive))
        return ValueForms::isBoolean(value);
    if (oneOf(kNotEmptyDirectives, directive))
        return !value.isEmpty();
    if (oneOf("OutputDir", directive))
        return context.outputDirFixed || !value.isEmpty();
    if (oneOf("OutputBaseFilename", directive))
        return context.outputBaseFilenameFixed || !value.isEmpty();
    for (const DirectiveForm &form : kForms) {
        if (directive.compare(QLatin1String(form.directive), Qt::CaseInsensitive) == 0)
            return form.accepts(value);
    }
    return true;
}

} // namespace

void SetupValueChecks::check(const QString &directive, const QString &value, const SourceLine &where, const Context &context)
{
    if (!accepted(directive, value, context))
        throw CompileError::at(where, CompilerMessages::directiveInvalid(QStringLiteral("Setup"), directive));
    checkRange(directive, value, where);
    if (oneOf(kConstantDirectives, directive)) {
        const QString problem =
            ConstantCheck::problem(value, context.minVersion.reachesWindows98AndNT4() ? ConstantCheck::Favorites : ConstantCheck::None);
        if (!problem.isEmpty())
            throw CompileError::at(where, problem);
    }
}

} // namespace talmo::iscmplr
