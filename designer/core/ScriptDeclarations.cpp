#include "designer/core/ScriptDeclarations.h"

#include "designer/core/ScriptBlocks.h"
#include "helpers/core/ScriptText.h"
#include "scriptknowledge/PrototypeSplitter.h"

namespace talmo {

namespace {

const QString Var = QStringLiteral("var");
const QString Const = QStringLiteral("const");
const QString Begin = QStringLiteral("begin");
const QString Function = QStringLiteral("function");
const QString Procedure = QStringLiteral("procedure");

// The text between the first "(" and the first ")" after it (to the end without one).
QString ParameterText(const QString &header)
{
    const qsizetype open = header.indexOf(u'(');
    if (open < 0)
        return QString();
    const qsizetype close = header.indexOf(u')', open);
    return header.mid(open + 1, close < 0 ? -1 : close - open - 1);
}

// The function's result type: after the first ":" that follows the parameter
// list (or the name), up to its ";".
QString ResultType(const QString &header)
{
    const qsizetype open = header.indexOf(u'(');
    const qsizetype close = open < 0 ? -1 : header.indexOf(u')', open);
    const qsizetype colon = header.indexOf(u':', close < 0 ? 0 : close);
    if (colon < 0)
        return QString();
    QString type = header.mid(colon + 1);
    const qsizetype semicolon = type.indexOf(u';');
    if (semicolon >= 0)
        type.truncate(semicolon);
    return type.trimmed();
}

QString WithoutWord(const QString &line, const QString &word)
{
    const int at = FindIdentifier(word, line);
    return at > 0 ? line.left(at - 1) + line.mid(at - 1 + word.size()) : line;
}

void AppendDeclarations(const QString &text, DeclaredNames &into)
{
    SplitParameterList(text, into.names, into.types, into.modifiers);
}

// Reads the section opened by keyword on lines[line] into target; it runs
// until a line holding one of the closing words. Returns that line (or the
// text's size).
int ReadSection(const QStringList &lines, int line, const QString &keyword, const QStringList &closingWords,
                DeclaredNames &target)
{
    AppendDeclarations(WithoutWord(lines.at(line), keyword), target);
    for (++line; line < lines.size(); ++line) {
        const QString &text = lines.at(line);
        for (const QString &word : closingWords) {
            if (ContainsWord(text, word))
                return line;
        }
        AppendDeclarations(text, target);
    }
    return line;
}

// Reads a var or const section starting at line, if one starts there; the
// line the section stopped at, or line itself when none starts.
int ReadSectionAt(const QStringList &lines, int line, const QStringList &extraClosingWords, ScriptDeclarations &into)
{
    const QString &text = lines.at(line);
    if (ContainsWord(text, Var))
        return ReadSection(lines, line, Var, QStringList({ Const, Begin }) + extraClosingWords, into.variables);
    if (ContainsWord(text, Const))
        return ReadSection(lines, line, Const, QStringList({ Var, Begin }) + extraClosingWords, into.constants);
    return line;
}

} // namespace

bool DeclaredNames::typeOf(const QString &name, QString &type) const
{
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (AsciiSameText(names.at(i), name)) {
            type = types.at(i);
            return true;
        }
    }
    return false;
}

void ReadRoutineAt(const QStringList &lines, int header, ScriptDeclarations &into)
{
    const QString &headerLine = lines.at(header);
    AppendDeclarations(ParameterText(headerLine), into.parameters);
    if (ContainsWord(headerLine, Function)) {
        into.variables.names.append(QStringLiteral("Result"));
        into.variables.types.append(ResultType(headerLine));
        into.variables.modifiers.append(QString());
    }
    int line = header + 1;
    while (line < lines.size() && !ContainsWord(lines.at(line), Begin)) {
        const int stopped = ReadSectionAt(lines, line, {}, into);
        line = stopped == line ? line + 1 : stopped;
    }
}

void ReadGlobalCode(const QStringList &lines, ScriptDeclarations &into)
{
    const int lastScanned = int(lines.size()) - 1;
    const QStringList routineWords = { Function, Procedure };
    int line = 0;
    while (line < lastScanned) {
        bool moved = false;
        if (IsRoutineHeader(lines.at(line))) {
            QString kind;
            QString name;
            QString tail;
            SplitPrototype(lines.at(line), kind, name, tail);
            into.routineDeclarations.append(lines.at(line));
            into.routineNames.append(name);
            ++line;
            while (line < lastScanned && !ContainsWord(lines.at(line), Begin))
                ++line;
            line = SkipCodeBlock(line + 1, lines) + 1;
            moved = true;
        }
        // A header right after a routine is the next routine, even when its
        // parameters hold "var" or "const".
        if (line >= lastScanned || IsRoutineHeader(lines.at(line)))
            continue;
        const int stopped = ReadSectionAt(lines, line, routineWords, into);
        if (stopped != line)
            moved = true;
        line = stopped;
        if (!moved)
            ++line;
    }
}

} // namespace talmo
