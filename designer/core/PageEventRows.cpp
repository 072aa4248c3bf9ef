#include "designer/core/PageEventRows.h"

#include "designer/core/CodeIdentifiers.h"
#include "designer/core/PageEventRules.h"
#include "designer/core/ProcedureNames.h"
#include "model/EventUnitHandOver.h"
#include "model/ProjectContainer.h"

namespace talmo {

PageEventRows::PageEventRows(TProjectContainer &project, int page) : m_project(project), m_page(page) {}

TCustomForm &PageEventRows::page() const
{
    return m_project.CustomForms[m_page];
}

CodeIdentifiers PageEventRows::identifiers() const
{
    return CodeIdentifiers(m_project.CustomForms, m_project.CommonCode);
}

EventRowValue PageEventRows::valueOf(int entry) const
{
    const TFormCodeExecutionUnits &units = page().ExecUnits;
    const TFormCodeExecutionUnit &unit = units[entry];
    if (!unit.Enabled)
        return {};
    if (unit.linkTo >= 0)
        return { units[unit.linkTo].eventNameInCode + LinkedSuffix, true };
    return { unit.eventNameInCode, false };
}

QStringList PageEventRows::choicesOf(const QString &object, const QString &event) const
{
    const TFormCodeExecutionUnits &units = page().ExecUnits;
    const int entry = PageEventRules::EntryOf(units, object, event);
    if (entry < 0)
        return {};
    return QStringList{ units[entry].Enabled ? ViewCode : CreateEvent } + PageEventRules::ShareableProcedures(units, entry);
}

QString PageEventRows::doubleClicked(const QString &text)
{
    return text.isEmpty() ? CreateEvent : ViewCode;
}

EventRowEdit PageEventRows::apply(int entry, const QString &value)
{
    TCustomForm &form = page();
    EventRowEdit edit;
    if (entry < 0 || entry >= form.ExecUnits.Count())
        return edit;
    m_project.Modified = true;
    QString name = procedureName(value);
    edit.named = commandName(entry, name);
    if (edit.named)
        name = *edit.named;
    if (name.isEmpty()) {
        DisableEventUnit(form.ExecUnits, entry);
        edit.result = EventRowEdit::Disabled;
        return edit;
    }
    const QString refusal = identifiers().ProcedureNameRefusal(m_page, entry, name);
    const EventEnableVerdict verdict = refusal.isEmpty() ? PageEventRules::EnableEvent(form.ExecUnits, entry, name)
                                                         : EventEnableVerdict{ false, refusal };
    edit.result = verdict.accepted ? EventRowEdit::Enabled : EventRowEdit::Refused;
    edit.message = verdict.message;
    return edit;
}

std::optional<QString> PageEventRows::commandName(int entry, const QString &name) const
{
    if (name == ViewCode)
        return page().ExecUnits[entry].eventNameInCode;
    if (name == CreateEvent)
        return createdEventName(entry);
    return std::nullopt;
}

QString PageEventRows::procedureName(QString value)
{
    if (value == DisableEvent)
        return {};
    if (value.endsWith(LinkedSuffix))
        value.chop(LinkedSuffix.size());
    return value;
}

QString PageEventRows::createdEventName(int entry) const
{
    const TCustomForm &form = page();
    const QString base = PageEventRules::CreatedEventName(form, entry, ProcedureNames(&m_project.CustomForms, form));
    const CodeIdentifiers declared = identifiers();
    QString name = base;
    for (int number = 2; !declared.ProcedureNameRefusal(m_page, entry, name).isEmpty(); ++number)
        name = base + QString::number(number);
    return name;
}

} // namespace talmo
