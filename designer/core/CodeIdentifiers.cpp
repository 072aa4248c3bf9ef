#include "designer/core/CodeIdentifiers.h"

#include "designer/core/PredefinedScriptNames.h"
#include "designer/core/ScriptDeclarations.h"
#include "helpers/core/PageComponentLines.h"
#include "helpers/core/ScriptText.h"

namespace talmo {

namespace {

QString variableOf(const QString &page, const QString &control)
{
    return page + u'_' + control;
}

QString creatingFunctionOf(const QString &page)
{
    return page + QStringLiteral("_CreatePage");
}

QString usedMessage(const QString &name, const QString &owner)
{
    return QStringLiteral("%1 is already used in the setup's code by %2").arg(name, owner);
}

// The names of the parameters an entry's procedure declares.
QStringList parametersOf(const TFormCodeExecutionUnit &unit)
{
    ScriptDeclarations declarations;
    ReadRoutineAt({ unit.ShortHelp }, 0, declarations);
    return declarations.parameters.names;
}

} // namespace

CodeIdentifiers::CodeIdentifiers(const TCustomForms &pages, const QStringList &globalCode)
    : m_pages(pages)
{
    for (int i = 0; i < pages.Count(); ++i)
        collectPage(pages[i], i);
    collectGlobalCode(globalCode);
}

void CodeIdentifiers::collectPage(const TCustomForm &page, int index)
{
    const QString owner = QStringLiteral("page ") + page.Name;
    declare(page.Name, owner, index);
    declare(creatingFunctionOf(page.Name), owner, index);
    for (const PageControlHeader &header : PageControlHeaders(page.Data))
        declare(variableOf(page.Name, header.name), QStringLiteral("control %1 of page %2").arg(header.name, page.Name),
                index, header.name);
    for (int i = 0; i < page.ExecUnits.Count(); ++i) {
        const TFormCodeExecutionUnit &unit = page.ExecUnits[i];
        if (unit.Enabled && unit.linkTo == -1)
            declare(unit.eventNameInCode,
                    QStringLiteral("the procedure of %1.%2 on page %3").arg(unit.Object, unit.Event, page.Name), index,
                    {}, i);
    }
}

void CodeIdentifiers::collectGlobalCode(const QStringList &globalCode)
{
    // The scan stops before the last line; the code's own last line counts.
    ScriptDeclarations declarations;
    ReadGlobalCode(globalCode + QStringList{ QString() }, declarations);
    const QString owner = QStringLiteral("the global code");
    for (const QStringList *names :
         { &declarations.routineNames, &declarations.variables.names, &declarations.constants.names }) {
        for (const QString &name : *names)
            declare(name.trimmed(), owner);
    }
}

void CodeIdentifiers::declare(const QString &name, const QString &owner, int page, const QString &control, int entry)
{
    if (!name.isEmpty())
        m_declared.append({ name, owner, page, control, entry });
}

template <typename Skip>
QString CodeIdentifiers::clashOf(const QString &name, Skip skip) const
{
    if (PredefinedScriptNames::IsPredefined(name))
        return usedMessage(name, QStringLiteral("the script itself"));
    for (const Declared &declared : m_declared) {
        if (AsciiSameText(declared.name, name) && !skip(declared))
            return usedMessage(name, declared.owner);
    }
    return {};
}

QString CodeIdentifiers::PageNameRefusal(int page, const QString &name) const
{
    if (!PredefinedScriptNames::IsIdentifier(name) || PredefinedScriptNames::IsReservedWord(name))
        return QStringLiteral("\"%1\" is not a valid page name").arg(name);
    for (int i = 0; i < m_pages.Count(); ++i) {
        if (i != page && AsciiSameText(m_pages[i].Name, name))
            return QStringLiteral("A page named %1 already exists").arg(m_pages[i].Name);
    }
    if (AsciiSameText(name, CreatePageParameter))
        return usedMessage(name, QStringLiteral("the parameter of every page's creating function"));
    // The page's own variables go with its old name.
    const auto ownVariable = [page](const Declared &declared) { return declared.page == page && declared.entry < 0; };
    QStringList introduced{ name, creatingFunctionOf(name) };
    for (const PageControlHeader &header : PageControlHeaders(m_pages[page].Data))
        introduced.append(variableOf(name, header.name));
    for (const QString &identifier : introduced) {
        const QString clash = clashOf(identifier, ownVariable);
        if (!clash.isEmpty())
            return clash;
    }
    return {};
}

QString CodeIdentifiers::ControlNameRefusal(int page, const QString &control, const QString &name) const
{
    // A new control has no name yet: the page's own declarations, which
    // belong to no control, are clashes for it too.
    return clashOf(variableOf(m_pages[page].Name, name), [page, &control](const Declared &declared) {
        return declared.page == page && !control.isEmpty() && AsciiSameText(declared.control, control);
    });
}

QString CodeIdentifiers::ProcedureNameRefusal(int page, int entry, const QString &name) const
{
    if (!PredefinedScriptNames::IsIdentifier(name) || PredefinedScriptNames::IsReservedWord(name))
        return QStringLiteral("\"%1\" is not a valid procedure name").arg(name);
    const TFormCodeExecutionUnit &unit = m_pages[page].ExecUnits[entry];
    for (const QString &parameter : parametersOf(unit)) {
        if (AsciiSameText(parameter, name))
            return usedMessage(name, QStringLiteral("a parameter of the %1 procedure").arg(unit.Event));
    }
    return clashOf(name, [page, entry, &name](const Declared &declared) {
        return declared.page == page && (declared.entry == entry || (declared.entry >= 0 && declared.name == name));
    });
}

} // namespace talmo
