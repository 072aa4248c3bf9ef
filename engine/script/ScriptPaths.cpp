#include "engine/script/ScriptPaths.h"

namespace talmo {

namespace {

qsizetype lastSeparator(const QString &path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        const QChar c = path[i];
        if (c == QLatin1Char('\\') || c == QLatin1Char('/') || c == QLatin1Char(':'))
            return i;
    }
    return -1;
}

} // namespace

QString ScriptFileNamePart(const QString &path)
{
    return path.mid(lastSeparator(path) + 1);
}

QString ScriptStripExtension(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot > lastSeparator(path) ? path.left(dot) : path;
}

} // namespace talmo
