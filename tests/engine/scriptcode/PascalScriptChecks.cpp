#include "PascalScriptChecks.h"

#include "helpers/core/ScriptText.h"

#include <QHash>

namespace {

// The line without quoted literals and brace comments (a comment may span lines).
QString codeOnly(const QString &line, bool &inComment)
{
    QString code;
    bool inLiteral = false;
    for (const QChar c : line) {
        if (inComment) {
            inComment = c != u'}';
            continue;
        }
        if (c == u'\'') {
            inLiteral = !inLiteral;
            code += u' ';
            continue;
        }
        if (inLiteral)
            continue;
        if (c == u'{') {
            inComment = true;
            continue;
        }
        code += c;
    }
    return code;
}

QStringList words(const QString &code)
{
    QStringList result;
    QString current;
    for (const QChar c : code) {
        if (talmo::IsIdentifierChar(c)) {
            current += c.toLower();
        } else if (!current.isEmpty()) {
            result << current;
            current.clear();
        }
    }
    if (!current.isEmpty())
        result << current;
    return result;
}

QString routineName(const QString &line)
{
    for (const char *kind : { "function ", "procedure " }) {
        if (line.startsWith(QLatin1String(kind))) {
            const QString rest = line.mid(qsizetype(qstrlen(kind)));
            qsizetype end = 0;
            while (end < rest.size() && talmo::IsIdentifierChar(rest.at(end)))
                ++end;
            return rest.left(end).toLower();
        }
    }
    return QString();
}

} // namespace

QString PascalBlockProblem(const QStringList &lines)
{
    int blocks = 0;
    int repeats = 0;
    bool inComment = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        for (const QString &word : words(codeOnly(lines.at(i), inComment))) {
            if (word == u"begin" || word == u"try" || word == u"case" || word == u"record")
                ++blocks;
            else if (word == u"end")
                --blocks;
            else if (word == u"repeat")
                ++repeats;
            else if (word == u"until")
                --repeats;
            if (blocks < 0 || repeats < 0)
                return QStringLiteral("closed too often on line %1: %2").arg(i + 1).arg(lines.at(i));
        }
    }
    if (blocks != 0 || repeats != 0)
        return QStringLiteral("%1 blocks and %2 repeat loops left open").arg(blocks).arg(repeats);
    return QString();
}

QStringList RoutinesUsedBeforeDeclaration(const QStringList &lines)
{
    QHash<QString, qsizetype> declarations;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString name = routineName(lines.at(i));
        if (!name.isEmpty() && !declarations.contains(name))
            declarations.insert(name, i);
    }
    QStringList problems;
    bool inComment = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        for (const QString &word : words(codeOnly(lines.at(i), inComment))) {
            const auto declared = declarations.constFind(word);
            if (declared != declarations.cend() && *declared > i && !problems.contains(word))
                problems << word;
        }
    }
    return problems;
}
