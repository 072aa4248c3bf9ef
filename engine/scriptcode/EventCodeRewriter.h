#pragma once

#include "engine/setup/RewrittenLine.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace talmo {

// Replaces every whole-word occurrence of from in line (ignoring ASCII case,
// outside single-quoted literals) by to. The search goes on after each
// inserted text, so an occurrence present before the call is replaced exactly
// once even when to contains from.
QString RewriteIdentifier(const QString &line, const QString &from, const QString &to);
void RewriteIdentifier(RewrittenLine &line, const QString &from, const QString &to);

// Turns the user's page code into code that works on the generated variables:
// a page's control Edit1 lives in the variable Page_Edit1 and the page's own
// members (Caption, Surface, ...) belong to the page variable.
class EventCodeRewriter
{
public:
    struct Page
    {
        QString name;
        QStringList controlNames;
    };

    // pages in project order; pageMembers are the member names of the
    // script's wizard page class with its ancestors'.
    EventCodeRewriter(QList<Page> pages, QStringList pageMembers);

    // A line of the project's global code: only Page.Control becomes Page_Control.
    QString RewriteGlobalLine(const QString &line) const;
    RewrittenLine RewriteGlobalLineTracked(const QString &line) const;
    // A line of an event of the page at pageIndex: Page.Control as in global
    // code, a bare page member after a blank becomes Page.Member (a line that
    // does not start with a blank gets one first), and the page's own control
    // names become Page_Control.
    QString RewriteEventLine(int pageIndex, const QString &line) const;
    RewrittenLine RewriteEventLineTracked(int pageIndex, const QString &line) const;

private:
    void rewriteQualifiedControls(RewrittenLine &line) const;

    QList<Page> m_pages;
    QStringList m_pageMembers;
};

} // namespace talmo
