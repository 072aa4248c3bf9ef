#include "designer/core/ProcedureNames.h"

#include "helpers/core/ScriptText.h"

namespace talmo {

namespace {

bool pageHolds(const TCustomForm &page, const QString &name, const TFormCodeExecutionUnit *except,
               const std::function<bool(const TFormCodeExecutionUnit &)> &skip)
{
    for (const TFormCodeExecutionUnit &unit : page.ExecUnits) {
        if (&unit != except && !(skip && skip(unit)) && AsciiSameText(unit.eventNameInCode, name))
            return true;
    }
    return false;
}

} // namespace

ProcedureNames::ProcedureNames(const TCustomForms *pages, const TCustomForm &page)
    : m_pages(pages), m_page(page)
{
}

bool ProcedureNames::isTaken(const QString &name, const TFormCodeExecutionUnit *except,
                             const std::function<bool(const TFormCodeExecutionUnit &)> &skip) const
{
    bool pageSearched = false;
    if (m_pages) {
        for (const TCustomForm &page : *m_pages) {
            pageSearched = pageSearched || &page == &m_page;
            if (pageHolds(page, name, except, skip))
                return true;
        }
    }
    return !pageSearched && pageHolds(m_page, name, except, skip);
}

QString ProcedureNames::freeName(const QString &base, const TFormCodeExecutionUnit *except,
                                 const std::function<bool(const TFormCodeExecutionUnit &)> &skip) const
{
    QString name = base;
    for (int number = 2; isTaken(name, except, skip); ++number)
        name = base + QString::number(number);
    return name;
}

} // namespace talmo
