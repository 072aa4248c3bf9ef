#pragma once

#include "model/CustomForm.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace talmo {

// The identifiers the setup's [Code] declares for a project: each page's
// variable, creating function, control variables and event procedures, the
// global code's routines, variables and constants, and the names the script
// predefines. A name the designer gives a page, a control or an event
// procedure must keep them distinct, as the script compares them ignoring
// case. Each answer is the message to show, empty when the name is fine.
class CodeIdentifiers
{
public:
    // The creating function's parameter, in scope wherever the page's variable is used.
    static inline const QString CreatePageParameter = QStringLiteral("PreviousPageId");

    CodeIdentifiers(const TCustomForms &pages, const QStringList &globalCode);

    QString PageNameRefusal(int page, const QString &name) const;
    // The control's variable joins the page's name and the control's; an
    // empty control is one being added.
    QString ControlNameRefusal(int page, const QString &control, const QString &name) const;
    // A name an entry of the same page already has exactly is left to the
    // linking rules; any other declaration of it is refused.
    QString ProcedureNameRefusal(int page, int entry, const QString &name) const;

private:
    struct Declared
    {
        QString name;
        QString owner; // as the refusal names it
        int page = -1;
        QString control; // the control whose variable it is
        int entry = -1;  // the event entry whose procedure it is
    };

    void collectPage(const TCustomForm &page, int index);
    void collectGlobalCode(const QStringList &globalCode);
    void declare(const QString &name, const QString &owner, int page = -1, const QString &control = {},
                 int entry = -1);
    // The message for name when something other than what skip accepts declares it.
    template <typename Skip>
    QString clashOf(const QString &name, Skip skip) const;

    const TCustomForms &m_pages;
    QList<Declared> m_declared;
};

} // namespace talmo
