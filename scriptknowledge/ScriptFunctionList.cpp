#include "scriptknowledge/ScriptFunctionList.h"

#include "scriptknowledge/KnowledgeData.h"

namespace talmo {

namespace {

QList<ScriptFunctionEntry> loadEntries()
{
    QList<ScriptFunctionEntry> entries;
    const QString routines = QStringLiteral("script-functions.tsv");
    for (const QString &line : KnowledgeData::lines(routines)) {
        const auto [name, declaration] = KnowledgeData::splitTabbed(line, routines);
        entries.append({ name, declaration });
    }
    for (const QString &name : KnowledgeData::lines(QStringLiteral("script-constants.txt")))
        entries.append({ name, QStringLiteral("const ") + name });
    return entries;
}

} // namespace

const QList<ScriptFunctionEntry> &ScriptFunctionList::entries()
{
    static const QList<ScriptFunctionEntry> all = loadEntries();
    return all;
}

} // namespace talmo
