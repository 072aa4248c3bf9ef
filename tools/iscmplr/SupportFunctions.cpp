#include "SupportFunctions.h"

#include <QFile>
#include <QSet>

namespace talmo::iscmplr {

namespace {

// "Name<TAB>declaration" lines; "#" lines are notes.
void addNames(const QString &resource, QSet<QString> &names)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QByteArray name = line.left(line.indexOf('\t')).trimmed();
        if (!name.isEmpty() && !name.startsWith('#'))
            names.insert(QString::fromLatin1(name).toLower());
    }
}

const QSet<QString> &names()
{
    static const QSet<QString> all = [] {
        QSet<QString> set;
        addNames(QStringLiteral(":/iscmplr/script-functions.tsv"), set);
        addNames(QStringLiteral(":/iscmplr/help-only-functions.tsv"), set);
        addNames(QStringLiteral(":/iscmplr/script-functions-compiler.tsv"), set);
        return set;
    }();
    return all;
}

} // namespace

bool SupportFunctions::exists(const QString &name)
{
    return names().contains(name.toLower());
}

} // namespace talmo::iscmplr
