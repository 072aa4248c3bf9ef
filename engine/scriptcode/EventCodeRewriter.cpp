#include "engine/scriptcode/EventCodeRewriter.h"

#include "helpers/core/ScriptText.h"

namespace talmo {

QString RewriteIdentifier(const QString &line, const QString &from, const QString &to)
{
    if (from.isEmpty())
        return line;
    QString result = line;
    qsizetype searchFrom = 0;
    for (;;) {
        const int position = FindIdentifierFrom(from, result, searchFrom);
        if (position == 0)
            return result;
        const qsizetype at = position - 1;
        result.replace(at, from.size(), to);
        searchFrom = at + to.size();
    }
}

EventCodeRewriter::EventCodeRewriter(QList<Page> pages, QStringList pageMembers)
    : m_pages(std::move(pages)), m_pageMembers(std::move(pageMembers))
{
}

QString EventCodeRewriter::qualifiedControlsRewritten(QString line) const
{
    for (const Page &page : m_pages) {
        for (const QString &control : page.controlNames)
            line = RewriteIdentifier(line, page.name + u'.' + control, page.name + u'_' + control);
    }
    return line;
}

QString EventCodeRewriter::RewriteGlobalLine(const QString &line) const
{
    return qualifiedControlsRewritten(line);
}

QString EventCodeRewriter::RewriteEventLine(int pageIndex, const QString &line) const
{
    if (line.isEmpty())
        return line;
    const Page &page = m_pages.at(pageIndex);
    QString result = qualifiedControlsRewritten(line);
    if (!m_pageMembers.isEmpty()) {
        if (!result.startsWith(u' '))
            result.prepend(u' ');
        for (const QString &member : m_pageMembers)
            result = RewriteIdentifier(result, u' ' + member, u' ' + page.name + u'.' + member);
    }
    for (const QString &control : page.controlNames)
        result = RewriteIdentifier(result, control, page.name + u'_' + control);
    return result;
}

} // namespace talmo
