#pragma once

#include "model/CustomForm.h"

#include <QSet>
#include <QString>

#include <functional>

namespace talmo {

// The procedure names every event entry of a project uses. Procedures of all
// pages share the setup script, so a name one entry holds, enabled or not, is
// not free for another (names compare ignoring case, as the script does).
class ProcedureNames
{
public:
    // page is searched too when it is not one of pages (a page under test).
    ProcedureNames(const TCustomForms *pages, const TCustomForm &page);

    // Whether an entry other than except and the ones skip accepts holds name.
    bool isTaken(const QString &name, const TFormCodeExecutionUnit *except = nullptr,
                 const std::function<bool(const TFormCodeExecutionUnit &)> &skip = {}) const;
    // base when it is free, else base followed by the smallest number from 2
    // that makes it free.
    QString freeName(const QString &base, const TFormCodeExecutionUnit *except = nullptr,
                     const std::function<bool(const TFormCodeExecutionUnit &)> &skip = {}) const;

private:
    const TCustomForms *m_pages;
    const TCustomForm &m_page;
};

} // namespace talmo
