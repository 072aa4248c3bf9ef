#include "scriptknowledge/PrototypeSplitter.h"

namespace talmo {

namespace {

bool isTrimmed(QChar c)
{
    return c.unicode() <= u' ';
}

QString modifierOf(const QString &firstName)
{
    if (firstName.contains(QLatin1String("var")))
        return QStringLiteral("var ");
    if (firstName.contains(QLatin1String("const")))
        return QStringLiteral("const ");
    return QString();
}

void stripModifiers(QStringList &names)
{
    for (QString &name : names)
        name = TrimScriptText(name.remove(QLatin1String("var ")).remove(QLatin1String("const ")));
}

} // namespace

QString TrimScriptText(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmed(text.at(begin)))
        ++begin;
    while (end > begin && isTrimmed(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

void SplitPrototype(const QString &declaration, QString &kind, QString &name, QString &tail)
{
    const QString text = TrimScriptText(declaration);
    const qsizetype blank = text.indexOf(u' ');
    if (blank >= 0) {
        kind = text.left(blank);
        for (qsizetype q = blank; q < text.size(); ++q) {
            const QChar c = text.at(q);
            if (c == u'(' || c == u';' || c == u':') {
                name = text.mid(blank + 1, q - blank - 1);
                break;
            }
        }
    }
    const qsizetype paren = text.indexOf(u'(');
    if (paren >= 0)
        tail = text.mid(paren);
}

QString EventProcedureDeclaration(const QString &prototype, const QString &procedureName, const QString &pageName,
                                  const QString &objectName)
{
    QString kind, name, tail;
    SplitPrototype(prototype, kind, name, tail);
    QString line = kind + u' ' + procedureName + tail;
    return line.replace(QStringLiteral("{}"), pageName + u'_' + objectName + u'_');
}

void SplitParameterList(const QString &parameters, QStringList &names, QStringList &types, QStringList &modifiers)
{
    QString text = TrimScriptText(parameters);
    text.replace(QLatin1String(", "), QLatin1String(","));
    text.replace(QLatin1String(": "), QLatin1String(":"));
    text.replace(QLatin1String("; "), QLatin1String(";"));
    text = TrimScriptText(text) + u' ';

    QStringList group;
    qsizetype start = 0;
    const qsizetype last = text.size() - 1;
    for (qsizetype i = 0; i <= last; ++i) {
        const QChar c = text.at(i);
        if (c == u',' || c == u':') {
            group.append(TrimScriptText(text.mid(start, i - start)));
            start = i + 1;
        }
        if (c == u';' || c == u')' || i == last) {
            const QString type = TrimScriptText(text.mid(start, i - start));
            for (const QString &groupName : std::as_const(group)) {
                modifiers.append(modifierOf(group.constFirst()));
                names.append(groupName);
                types.append(type);
            }
            stripModifiers(names);
            group.clear();
            start = i + 1;
        }
    }
}

} // namespace talmo
