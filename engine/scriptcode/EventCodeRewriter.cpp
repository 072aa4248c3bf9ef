#include "engine/scriptcode/EventCodeRewriter.h"

#include "helpers/core/ScriptText.h"

namespace talmo {

QString RewriteIdentifier(const QString &line, const QString &from, const QString &to)
{
    RewrittenLine rewritten(line);
    RewriteIdentifier(rewritten, from, to);
    return rewritten.text();
}

void RewriteIdentifier(RewrittenLine &line, const QString &from, const QString &to)
{
    if (from.isEmpty())
        return;
    qsizetype searchFrom = 0;
    for (;;) {
        const int position = FindIdentifierFrom(from, line.text(), searchFrom);
        if (position == 0)
            return;
        const qsizetype at = position - 1;
        line.replace(at, from.size(), to);
        searchFrom = at + to.size();
    }
}

EventCodeRewriter::EventCodeRewriter(QList<Page> pages, QStringList pageMembers)
    : m_pages(std::move(pages)), m_pageMembers(std::move(pageMembers))
{
}

void EventCodeRewriter::rewriteQualifiedControls(RewrittenLine &line) const
{
    for (const Page &page : m_pages) {
        for (const QString &control : page.controlNames)
            RewriteIdentifier(line, page.name + u'.' + control, page.name + u'_' + control);
    }
}

QString EventCodeRewriter::RewriteGlobalLine(const QString &line) const
{
    return RewriteGlobalLineTracked(line).text();
}

RewrittenLine EventCodeRewriter::RewriteGlobalLineTracked(const QString &line) const
{
    RewrittenLine result(line);
    rewriteQualifiedControls(result);
    return result;
}

QString EventCodeRewriter::RewriteEventLine(int pageIndex, const QString &line) const
{
    return RewriteEventLineTracked(pageIndex, line).text();
}

RewrittenLine EventCodeRewriter::RewriteEventLineTracked(int pageIndex, const QString &line) const
{
    RewrittenLine result(line);
    if (line.isEmpty())
        return result;
    const Page &page = m_pages.at(pageIndex);
    rewriteQualifiedControls(result);
    if (!m_pageMembers.isEmpty()) {
        if (!result.text().startsWith(u' '))
            result.prepend(QStringLiteral(" "));
        for (const QString &member : m_pageMembers)
            RewriteIdentifier(result, u' ' + member, u' ' + page.name + u'.' + member);
    }
    for (const QString &control : page.controlNames)
        RewriteIdentifier(result, control, page.name + u'_' + control);
    return result;
}

} // namespace talmo
