#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

// The script API facts compiled into the program (the copies under
// scriptknowledge/data). A missing or unreadable table is a build fault, so it
// throws std::logic_error instead of yielding an empty list.
class KnowledgeData
{
public:
    // The lines of one embedded table, without line ends; fileName as in data/.
    static QStringList lines(const QString &fileName);
    // A line "Name<TAB>rest" split at its first tab; throws when there is none.
    static std::pair<QString, QString> splitTabbed(const QString &line, const QString &fileName);
};

} // namespace talmo
