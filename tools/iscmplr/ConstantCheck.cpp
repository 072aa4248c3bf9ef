#include "ConstantCheck.h"

#include "ValueForms.h"

#include <QRegularExpression>
#include <QStringList>

namespace talmo::iscmplr {

namespace {

const QString kTwoBraces =
    QStringLiteral("\r\n\r\nUse two consecutive \"{\" characters if you are trying to embed a single \"{\" and not a constant");

// Folder and value constants, then the shell folders; compared as written.
const char kConstants[] =
    "src srcexe tmp app win sys sd groupname fonts hwnd pf pf32 pf64 cf cf32 cf64 computername dao cmd username "
    "wizardhwnd sysuserinfoname sysuserinfoorg userinfoname userinfoorg userinfoserial uninstallexe language syswow64 "
    "log dotnet11 dotnet20 dotnet2032 dotnet2064 dotnet40 dotnet4032 dotnet4064 "
    "group userdesktop userstartmenu userprograms userstartup commondesktop commonstartmenu commonprograms "
    "commonstartup sendto userappdata userdocs commonappdata commondocs usertemplates commontemplates localappdata";

// The shell folders Windows 95 and NT 3.x lack (CheckConst's ShellFolderConsts98).
const char kFavoritesConstants[] = "userfavorites commonfavorites";

// SCompilerConstUsed with MinVersionErrorMessage(True, $40A, $400).
QString favoritesProblem(const QString &constant)
{
    return QStringLiteral("The constant \"%1\" is used.\r\n\r\nThis is not permitted unless the minimum Windows and Windows "
                          "NT versions for the entry are at least 4.10 and 4.0 respectively. This can be set by adding a "
                          "\"MinVersion: 4.10,4.0\" parameter to it. Alternatively, you can set the minimum versions globally "
                          "by adding a \"MinVersion=4.10,4.0\" setting to the [Setup] section of the script")
        .arg(constant);
}

// Where the constant opened at start ends: the index of its "}", or -1.
qsizetype closingBrace(const QString &value, qsizetype start)
{
    int depth = 0;
    for (qsizetype i = start; i < value.size(); ++i) {
        if (value.at(i) == QLatin1Char('{')) {
            if (depth > 0 && i + 1 < value.size() && value.at(i + 1) == QLatin1Char('{'))
                ++i;
            else
                ++depth;
        } else if (value.at(i) == QLatin1Char('}') && --depth == 0) {
            return i;
        }
    }
    return -1;
}

// The index of separator in text outside nested constants, or -1.
qsizetype outsideConstants(const QString &text, QChar separator)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == separator)
            return i;
        if (text.at(i) == QLatin1Char('{')) {
            const qsizetype end = closingBrace(text, i);
            if (end < 0)
                return -1;
            i = end;
        }
    }
    return -1;
}

// "%" stands for itself only as "%" and two hex digits.
bool percentEscapesValid(const QString &text)
{
    static const QRegularExpression bad(QStringLiteral("%(?![0-9A-Fa-f]{2})"));
    return !bad.match(text).hasMatch();
}

// Splits "text|default" at the first "|" outside nested constants.
QStringList withDefault(const QString &text)
{
    const qsizetype bar = outsideConstants(text, QLatin1Char('|'));
    return bar < 0 ? QStringList{text, QString()} : QStringList{text.left(bar), text.mid(bar + 1)};
}

bool registryParts(const QString &body, QStringList &parts)
{
    const qsizetype slash = outsideConstants(body, QLatin1Char('\\'));
    if (slash <= 0 || !ValueForms::isRegistryRoot(body.left(slash)))
        return false;
    const QStringList keyAndDefault = withDefault(body.mid(slash + 1));
    const qsizetype comma = outsideConstants(keyAndDefault[0], QLatin1Char(','));
    parts = {keyAndDefault[0].left(comma), keyAndDefault[0].mid(comma + 1), keyAndDefault[1]};
    return comma >= 0;
}

bool iniParts(const QString &body, QStringList &parts)
{
    const qsizetype first = outsideConstants(body, QLatin1Char(','));
    if (first <= 0)
        return false;
    const QStringList rest = withDefault(body.mid(first + 1));
    const qsizetype second = outsideConstants(rest[0], QLatin1Char(','));
    parts = {body.left(first), rest[0].left(second), rest[0].mid(second + 1), rest[1]};
    return second >= 0;
}

// The arguments after the message name; a message takes nine at most.
bool customMessageParts(const QString &body, QStringList &parts)
{
    QString rest = body;
    qsizetype comma = outsideConstants(rest, QLatin1Char(','));
    while (comma >= 0) {
        rest = rest.mid(comma + 1);
        comma = outsideConstants(rest, QLatin1Char(','));
        parts << (comma < 0 ? rest : rest.left(comma));
    }
    return parts.size() <= 9;
}

bool textAndDefault(const QString &body, QStringList &parts)
{
    parts = withDefault(body);
    return true;
}

bool wholeText(const QString &body, QStringList &parts)
{
    parts = {body};
    return true;
}

// A structured constant: its prefix, the word its message uses, and how it
// splits into parts that may hold constants of their own.
struct Structured
{
    const char *prefix;
    const char *kind;
    bool (*split)(const QString &body, QStringList &parts);
};

const Structured kStructured[] = {
    {"%", "environment", textAndDefault},    {"reg:", "registry", registryParts},
    {"ini:", "INI", iniParts},               {"param:", "command line parameter", textAndDefault},
    {"code:", "code", textAndDefault},       {"drive:", "drive", wholeText},
    {"cm:", "custom message", customMessageParts},
};

QString structuredProblem(const Structured &kind, const QString &constant, int extras)
{
    const QString invalid = QStringLiteral("Invalid %1 constant \"%2\"").arg(QLatin1String(kind.kind), constant);
    QStringList parts;
    if (!kind.split(constant.mid(qsizetype(qstrlen(kind.prefix))), parts))
        return invalid;
    for (const QString &part : std::as_const(parts)) {
        if (!percentEscapesValid(part))
            return invalid;
        const QString inner = ConstantCheck::problem(part, extras);
        if (!inner.isEmpty())
            return inner;
    }
    return QString();
}

// CheckConst: "{\\}" is a backslash; an empty "{}" is an unknown constant.
QString constantProblem(const QString &constant, int extras)
{
    if (constant == QLatin1String("\\"))
        return QString();
    for (const Structured &kind : kStructured) {
        if (constant.startsWith(QLatin1String(kind.prefix)))
            return structuredProblem(kind, constant, extras);
    }
    static const QStringList names = QString::fromLatin1(kConstants).split(QLatin1Char(' '));
    if (names.contains(constant))
        return QString();
    static const QStringList favorites = QString::fromLatin1(kFavoritesConstants).split(QLatin1Char(' '));
    if (favorites.contains(constant))
        return (extras & ConstantCheck::Favorites) ? QString() : favoritesProblem(constant);
    const bool oldData = constant == QLatin1String("olddata");
    if (oldData || constant == QLatin1String("break")) {
        const bool allowed = extras & (oldData ? ConstantCheck::OldData : ConstantCheck::Break);
        return allowed ? QString() : QStringLiteral("The constant \"%1\" cannot be used here").arg(constant);
    }
    return QStringLiteral("Unknown constant \"%1\".").arg(constant) + kTwoBraces;
}

} // namespace

QString ConstantCheck::problem(const QString &value, int extras)
{
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value.at(i) != QLatin1Char('{'))
            continue;
        if (i + 1 < value.size() && value.at(i + 1) == QLatin1Char('{')) {
            ++i;
            continue;
        }
        const qsizetype end = closingBrace(value, i);
        if (end < 0)
            return QStringLiteral("A \"}\" is missing at the end of the constant \"%1\".").arg(value.mid(i + 1)) + kTwoBraces;
        const QString problem = constantProblem(value.mid(i + 1, end - i - 1), extras);
        if (!problem.isEmpty())
            return problem;
        i = end;
    }
    return QString();
}

} // namespace talmo::iscmplr
