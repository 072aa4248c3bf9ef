#include "scriptknowledge/KnowledgeData.h"

#include <QFile>

#include <stdexcept>

// Resources of a static library are only linked in when something refers to them.
static void initKnowledgeResources()
{
    Q_INIT_RESOURCE(scriptknowledge);
}

namespace talmo {

QStringList KnowledgeData::lines(const QString &fileName)
{
    static const bool initialised = (initKnowledgeResources(), true);
    Q_UNUSED(initialised);
    QFile file(QStringLiteral(":/scriptknowledge/") + fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw std::logic_error("Embedded script table missing: " + fileName.toStdString());
    QStringList result = QString::fromUtf8(file.readAll()).split(u'\n');
    for (QString &line : result) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    if (!result.isEmpty() && result.constLast().isEmpty())
        result.removeLast();
    return result;
}

std::pair<QString, QString> KnowledgeData::splitTabbed(const QString &line, const QString &fileName)
{
    const qsizetype tab = line.indexOf(u'\t');
    if (tab < 0)
        throw std::logic_error("Malformed line in " + fileName.toStdString() + ": " + line.toStdString());
    return { line.left(tab), line.mid(tab + 1) };
}

} // namespace talmo
