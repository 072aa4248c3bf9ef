#include "designer/core/PredefinedScriptNames.h"

#include "helpers/core/ComponentTextSyntax.h"
#include "helpers/core/ScriptText.h"
#include "scriptknowledge/KnowledgeData.h"
#include "scriptknowledge/PrototypeSplitter.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

// Resources of a static library are only linked in when something refers to them.
static void initDesignerCoreResources()
{
    Q_INIT_RESOURCE(designercore);
}

namespace talmo::PredefinedScriptNames {

namespace {

// The words the script's compiler reads as syntax wherever they stand.
const char *const ReservedWords =
    "and array as begin case chr class const constructor destructor div do downto else end except exit export "
    "external finally finalization for forward function goto if implementation in inherited initialization "
    "interface is label mod nil not object of or ord out override packed private procedure program property "
    "protected public published record repeat set shl shr string then to try type unit until uses var virtual "
    "while with xor";

// The language's own names that no data table lists.
const char *const LanguageNames =
    "Result True False Boolean Byte Cardinal Char Currency Double Extended Int64 Integer LongInt LongWord "
    "PChar Pointer ShortInt Single SmallInt Variant WideChar WideString Word";

QString key(const QString &name)
{
    return AsciiUpperCase(name);
}

void addWords(QSet<QString> &into, const char *words)
{
    for (const QString &word : QString::fromLatin1(words).split(u' '))
        into.insert(key(word));
}

QStringList resourceLines(const QString &name)
{
    static const bool initialised = (initDesignerCoreResources(), true);
    Q_UNUSED(initialised);
    QFile file(QStringLiteral(":/designercore/") + name);
    if (!file.open(QIODevice::ReadOnly))
        throw std::logic_error("Embedded designer table missing: " + name.toStdString());
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

// The routine a declaration names: the word after "procedure" or "function".
QString routineName(const QString &declaration)
{
    QString kind, name, tail;
    SplitPrototype(declaration, kind, name, tail);
    return name;
}

// "(a, b, c)" gives its members; any other definition none.
QStringList enumerationMembers(const QString &definition)
{
    const QString text = definition.trimmed();
    if (!text.startsWith(u'(') || !text.endsWith(u')'))
        return {};
    QStringList members = text.mid(1, text.size() - 2).split(u',');
    for (QString &member : members)
        member = member.trimmed();
    return members;
}

// The message identifiers a "messages FILE SECTION PREFIX" line declares.
QStringList messageIdentifiers(const QStringList &arguments)
{
    const QStringList lines = resourceLines(arguments.value(0));
    const qsizetype section = lines.indexOf(arguments.value(1));
    static const QRegularExpression idLine(QStringLiteral("^message IDs \\(\\d+\\): (.*)$"));
    QStringList identifiers;
    for (qsizetype i = section + 1; section >= 0 && i < lines.size() && !lines.at(i).startsWith(u'['); ++i) {
        const QRegularExpressionMatch match = idLine.match(lines.at(i).trimmed());
        if (!match.hasMatch())
            continue;
        for (const QString &id : match.captured(1).split(u','))
            identifiers.append(arguments.value(2) + id.trimmed());
    }
    return identifiers;
}

// One line of the types table: "type NAME = ...", "const NAME: ...",
// "event DECLARATION", "global DECLARATION" or "messages ...".
void addTypeTableLine(QSet<QString> &into, const QString &line)
{
    const QString word = line.section(u' ', 0, 0);
    const QString rest = line.section(u' ', 1);
    if (word == QLatin1String("type") || word == QLatin1String("type?")) {
        into.insert(key(rest.section(u'=', 0, 0).trimmed()));
        for (const QString &member : enumerationMembers(rest.section(u'=', 1)))
            into.insert(key(member));
    } else if (word == QLatin1String("const")) {
        into.insert(key(rest.section(u':', 0, 0).trimmed()));
    } else if (word == QLatin1String("event") || word == QLatin1String("global")) {
        into.insert(key(routineName(rest)));
    } else if (word == QLatin1String("messages")) {
        for (const QString &id : messageIdentifiers(rest.split(u' ', Qt::SkipEmptyParts)))
            into.insert(key(id));
    }
}

void addClassNames(QSet<QString> &into, const QStringList &lines)
{
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("class ")))
            into.insert(key(line.mid(6).section(u'(', 0, 0).trimmed()));
    }
}

QSet<QString> collectPredefined()
{
    QSet<QString> names;
    addWords(names, LanguageNames);
    for (const char *table : { "script-functions.tsv", "help-only-functions.tsv" }) {
        const QString file = QString::fromLatin1(table);
        for (const QString &line : KnowledgeData::lines(file))
            names.insert(key(KnowledgeData::splitTabbed(line, file).first));
    }
    // The routines the compiler declares beyond the documented ones, which
    // the knowledge base leaves out of the lists it offers.
    for (const QString &line : resourceLines(QStringLiteral("script-functions-compiler.tsv"))) {
        if (!line.startsWith(u'#'))
            names.insert(key(line.section(u'\t', 0, 0).trimmed()));
    }
    addClassNames(names, KnowledgeData::lines(QStringLiteral("script-classes.txt")));
    addClassNames(names, resourceLines(QStringLiteral("script-classes-extra.txt")));
    for (const QString &line : resourceLines(QStringLiteral("script-types.txt"))) {
        if (!line.startsWith(u'#'))
            addTypeTableLine(names, line);
    }
    for (const QString &line : resourceLines(QStringLiteral("generated-code-names.txt"))) {
        if (!line.startsWith(u'#'))
            names.insert(key(line.trimmed()));
    }
    return names;
}

} // namespace

bool IsIdentifier(const QString &name)
{
    return ComponentTextSyntax::isName(name);
}

bool IsReservedWord(const QString &name)
{
    static const QSet<QString> words = [] {
        QSet<QString> set;
        addWords(set, ReservedWords);
        return set;
    }();
    return words.contains(key(name));
}

bool IsPredefined(const QString &name)
{
    static const QSet<QString> names = collectPredefined();
    return names.contains(key(name));
}

} // namespace talmo::PredefinedScriptNames
