#pragma once

#include <QString>

namespace talmo::iscmplr {

// The texts with which a real compile refuses a value, word for word, so a
// log reads the same whichever compiler wrote it.
namespace CompilerMessages {

inline QString paramInvalid(const QString &parameter)
{
    return QStringLiteral("Parameter \"%1\" is not a valid value").arg(parameter);
}

inline QString unknownFlag(const QString &parameter)
{
    return QStringLiteral("Parameter \"%1\" includes an unknown flag").arg(parameter);
}

inline QString unsupportedFlag()
{
    return QStringLiteral("Parameter \"Flags\" includes a flag that is not supported in this section");
}

inline QString flagsExclude(const QString &first, const QString &second)
{
    return QStringLiteral("Parameter \"Flags\" cannot have both the \"%1\" and \"%2\" flags").arg(first, second);
}

inline QString flagNeedsFlag(const QString &needed, const QString &used)
{
    return QStringLiteral("Flag \"%1\" must be used if flag \"%2\" is used").arg(needed, used);
}

inline QString flagNeededByParameter(const QString &needed, const QString &parameter)
{
    return QStringLiteral("Flag \"%1\" must be used if parameter \"%2\" is used").arg(needed, parameter);
}

inline QString noPrecedingBackslash(const QString &parameter)
{
    return QStringLiteral("Parameter \"%1\" cannot begin with a backslash (\\)").arg(parameter);
}

inline QString noBackslash(const QString &parameter)
{
    return QStringLiteral("Parameter \"%1\" cannot include backslashes (\\)").arg(parameter);
}

inline QString directiveInvalid(const QString &section, const QString &directive)
{
    return QStringLiteral("Value of [%1] section directive \"%2\" is invalid").arg(section, directive);
}

inline QString unknownDirective(const QString &section, const QString &directive)
{
    return QStringLiteral("Unrecognized [%1] section directive \"%2\"").arg(section, directive);
}

inline QString directiveAgain(const QString &section, const QString &directive)
{
    return QStringLiteral("[%1] section directive \"%2\" already specified").arg(section, directive);
}

inline QString directiveMissing(const QString &directive)
{
    return QStringLiteral("Required [Setup] section directive \"%1\" not specified").arg(directive);
}

inline QString permissionsMalformed(const QString &item)
{
    return QStringLiteral("Parameter \"Permissions\" includes a malformed value: \"%1\"").arg(item);
}

inline QString permissionsUnknownSid(const QString &sid)
{
    return QStringLiteral("Parameter \"Permissions\" includes an unknown SID: \"%1\"").arg(sid);
}

inline QString permissionsUnknownAccess(const QString &access)
{
    return QStringLiteral("Parameter \"Permissions\" includes an unknown access type: \"%1\"").arg(access);
}

inline QString permissionsLimit(int most)
{
    return QStringLiteral("Parameter \"Permissions\" cannot include more than %1 values").arg(most);
}

inline QString filesTmpBadFlag(const QString &flag)
{
    return QStringLiteral("Parameter \"Flags\" cannot have the \"%1\" flag on a file copied to the {tmp} directory, or when "
                  "the \"deleteafterinstall\" or \"dontcopy\" flag is used").arg(flag);
}

inline QString langOptionForEveryLanguage(const QString &directive)
{
    return QStringLiteral("Language option \"%1\" cannot be applied to all languages").arg(directive);
}

// line: "Windows" or "NT".
inline QString minVersionTooLow(const QString &line, const QString &floor)
{
    return QStringLiteral("Minimum %1 version specified by MinVersion must be at least %2").arg(line, floor);
}

inline QString componentLevel(const QString &section)
{
    return section == QLatin1String("Tasks") ? QStringLiteral("Task cannot be more than one level below the preceding task")
                                             : QStringLiteral("Component cannot be more than one level below the preceding component");
}

const QString componentsOrTasksBadName = QStringLiteral(
    "Parameter \"Name\" includes invalid characters.\r\n\r\nIt may only include alphanumeric characters, underscores, "
    "slashes (/), and/or backslashes (\\), may not start with a number and may not start or end with a slash or a "
    "backslash. Names 'not', 'and' and 'or' are reserved");
const QString languagesBadName = QStringLiteral(
    "Parameter \"Name\" includes invalid characters.\r\n\r\nIt may only include alphanumeric characters and/or "
    "underscores, and may not start with a number. Names 'not', 'and' and 'or' are reserved");
const QString customMessageBadName = QStringLiteral(
    "Custom message name may only include alphanumeric characters and/or underscores, and cannot begin with a number");
const QString customTypeAgain = QStringLiteral("A custom type has already been defined");
const QString appVersionMissing = QStringLiteral("The [Setup] section must include an AppVersion or AppVerName directive");
const QString messagesFileObsolete =
    QStringLiteral("The MessagesFile directive is obsolete and no longer supported. Use the [Languages] section instead.");
const QString appNameConstantsNeedNoStartupPrompt =
    QStringLiteral("DisableStartupPrompt must be set to \"yes\" when AppName includes constants");
const QString appIdConstantsNeedNoPreviousLanguage =
    QStringLiteral("UsePreviousLanguage must be set to \"no\" when AppId includes constants");
const QString signingNeedsSetupLoader =
    QStringLiteral("The SignTool and SignedUninstaller directives may not be set when UseSetupLdr is set to \"no\"");
const QString runMultipleWaitFlags = QStringLiteral("Parameter \"Flags\" cannot include multiple \"wait\" flags");
const QString runCantUseRunOnceId = QStringLiteral("Parameter \"RunOnceId\" can only be used in an [UninstallRun] section");
const QString uninstallRunCantUseDescription = QStringLiteral("Parameter \"Description\" can only be used in a [Run] section");
const QString iconIndexInvalid = QStringLiteral("Parameter \"IconIndex\" is not a valid integer");
const QString iconNameWithoutPath =
    QStringLiteral("Parameter \"Name\" must include a path for the icon, for example, \"{group}\\My Icon\"");
const QString registryDeleteKeyProhibited = QStringLiteral(
    "The \"uninsdeletekey\" and \"deletekey\" flags are prohibited on the specified key because the results would be "
    "disastrous. (You probably mean to delete a value instead.)");
const QString filesStrongAssemblyNameNeeded =
    QStringLiteral("Parameter \"StrongAssemblyName\" must be specified if the flag \"gacinstall\" is used");
const QString filesExternalSizeWithoutExternal =
    QStringLiteral("Parameter \"ExternalSize\" may only be used when the \"external\" flag is used");
const QString filesExcludeTooLong = QStringLiteral("Parameter \"Excludes\" contains a pattern that is too long");
const QString filesExcludesWithExternal = QStringLiteral("Parameter \"Excludes\" may not be used when the \"external\" flag is used");
const QString filesDestNameWithWildcards =
    QStringLiteral("Parameter \"DestName\" cannot be specified if the \"Source\" parameter contains wildcards");
const QString diskClusterSizeInvalid = QStringLiteral("DiskClusterSize must be between 1 and 32768");
const QString diskSliceSizeInvalid = QStringLiteral("DiskSliceSize must be between 262144 and 2100000000, or \"max\"");

} // namespace CompilerMessages

} // namespace talmo::iscmplr
