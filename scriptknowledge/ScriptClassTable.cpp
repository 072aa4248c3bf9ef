#include "scriptknowledge/ScriptClassTable.h"

#include "helpers/core/ScriptText.h"
#include "scriptknowledge/KnowledgeData.h"

#include <stdexcept>

namespace talmo {

namespace {

// The indexed properties whose completion inserts "[]" behind the name; every
// other member, indexed or not, inserts its bare name.
bool insertsBrackets(const QString &className, const QString &member)
{
    static const std::pair<const char *, const char *> bracketed[] = {
        { "TComponent", "Components" },
        { "TStrings", "Strings" },
        { "TStrings", "Objects" },
        { "TWinControl", "Controls" },
    };
    for (const auto &[cls, name] : bracketed) {
        if (className == QLatin1String(cls) && member == QLatin1String(name))
            return true;
    }
    return false;
}

// The identifier after the leading keyword ("constructor", "procedure",
// "function", "property"), whatever punctuation follows the keyword.
QString memberName(const QString &declaration)
{
    qsizetype i = declaration.indexOf(u' ');
    if (i < 0)
        return QString();
    while (i < declaration.size() && !IsIdentifierChar(declaration.at(i)))
        ++i;
    const qsizetype start = i;
    while (i < declaration.size() && IsIdentifierChar(declaration.at(i)))
        ++i;
    return declaration.mid(start, i - start);
}

[[noreturn]] void malformed(const QString &what)
{
    throw std::logic_error("Malformed script class table: " + what.toStdString());
}

} // namespace

ScriptClassTable::ScriptClassTable()
    : ScriptClassTable(KnowledgeData::lines(QStringLiteral("script-classes.txt")))
{
}

ScriptClassTable::ScriptClassTable(const QStringList &lines)
{
    for (const QString &line : lines) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(QLatin1String("class ")))
            addClass(line.mid(6).trimmed());
        else
            addMember(line);
    }
}

void ScriptClassTable::addClass(const QString &header)
{
    ScriptClass cls;
    const qsizetype open = header.indexOf(u'(');
    if (open < 0) {
        cls.name = header;
        if (!m_classes.isEmpty())
            malformed(header + QLatin1String(" has no parent"));
    } else {
        if (!header.endsWith(u')'))
            malformed(header);
        cls.name = header.left(open);
        const QString parent = header.mid(open + 1, header.size() - open - 2);
        cls.parent = indexOf(parent);
        if (cls.parent < 0)
            malformed(header + QLatin1String(": parent must stand before its class"));
    }
    if (cls.name.isEmpty() || indexOf(cls.name) >= 0)
        malformed(header);
    m_classes.append(cls);
}

void ScriptClassTable::addMember(const QString &declaration)
{
    if (m_classes.isEmpty())
        malformed(declaration + QLatin1String(" stands before any class"));
    ScriptClass &cls = m_classes.last();
    QString insert = memberName(declaration);
    if (insert.isEmpty())
        malformed(declaration);
    if (insertsBrackets(cls.name, insert))
        insert += QLatin1String("[]");
    cls.members.append({ declaration, insert });
}

int ScriptClassTable::indexOf(const QString &name) const
{
    for (qsizetype i = 0; i < m_classes.size(); ++i) {
        if (AsciiSameText(m_classes.at(i).name, name))
            return int(i);
    }
    return -1;
}

void ScriptClassTable::AppendMembers(int index, QStringList &insertTexts, QStringList &declarations) const
{
    for (int i = index; i >= 0; i = m_classes.at(i).parent) {
        for (const ScriptClassMember &member : m_classes.at(i).members) {
            insertTexts.append(member.insertText);
            declarations.append(member.declaration);
        }
    }
}

} // namespace talmo
