#include "designer/core/EventCodeController.h"

#include "designer/core/PageEventEntries.h"
#include "designer/core/PageEventRules.h"
#include "designer/core/ProcedureNames.h"
#include "model/EventUnitHandOver.h"

namespace talmo {

EventCodeController::EventCodeController(TCustomForm &page, const TCustomForms *pages, std::function<void()> modified)
    : m_page(page), m_pages(pages), m_modified(std::move(modified))
{
}

void EventCodeController::refreshObjects()
{
    m_objects = PageEventEntries::KnownObjects(m_page.ExecUnits);
    chooseObject(m_objects.isEmpty() ? -1 : 0);
}

void EventCodeController::chooseObject(int index)
{
    m_object = index >= 0 && index < m_objects.size() ? index : -1;
    m_events.clear();
    if (m_object >= 0)
        m_events = PageEventRules::EventsOf(m_page.ExecUnits, m_objects.at(m_object), true);
    chooseEvent(m_events.isEmpty() ? -1 : 0);
}

void EventCodeController::chooseObject(const QString &object)
{
    chooseObject(int(m_objects.indexOf(object)));
}

QStringList EventCodeController::eventNames() const
{
    QStringList names;
    for (int entry : m_events)
        names.append(m_page.ExecUnits[entry].Event);
    return names;
}

void EventCodeController::chooseEvent(int row)
{
    m_event = row >= 0 && row < m_events.size() ? row : -1;
    showChosen();
}

int EventCodeController::chosenEntry() const
{
    return m_event >= 0 ? m_events.at(m_event) : -1;
}

int EventCodeController::shownEntry() const
{
    const int entry = chosenEntry();
    return entry < 0 ? -1 : PageEventRules::ProcedureOwner(m_page.ExecUnits, entry);
}

void EventCodeController::showChosen()
{
    m_linked.clear();
    const int owner = shownEntry();
    if (owner < 0) {
        m_editorLines = QStringList{ NoEventLine };
        return;
    }
    TFormCodeExecutionUnit &unit = m_page.ExecUnits[owner];
    if (unit.Code.isEmpty())
        unit.Code = unit.defCode;
    m_editorLines = QStringList{ PageEventRules::DeclarationLine(unit, m_page.Name) } + unit.Code;
    m_linked = PageEventRules::LinkedObjectLines(m_page.ExecUnits, owner);
}

void EventCodeController::editorChanged(const QStringList &lines)
{
    const int owner = shownEntry();
    if (owner < 0)
        return;
    m_page.ExecUnits[owner].Code = lines.mid(1);
    m_editorLines = lines;
    m_modified();
}

QList<int> EventCodeController::addableEntries() const
{
    if (m_object < 0)
        return {};
    return PageEventRules::EventsOf(m_page.ExecUnits, m_objects.at(m_object), false);
}

void EventCodeController::enableFromAdd(int entry)
{
    PageEventRules::EnableFromAdd(m_page, entry, ProcedureNames(m_pages, m_page));
    m_events.append(entry);
    m_modified();
    const QString event = m_page.ExecUnits[entry].Event;
    chooseEvent(int(eventNames().indexOf(event)));
}

void EventCodeController::deleteChosen()
{
    const int entry = chosenEntry();
    if (entry < 0)
        return;
    const QString object = m_objects.at(m_object);
    DisableEventUnit(m_page.ExecUnits, entry);
    chooseObject(object);
    m_modified();
}

void EventCodeController::applyDefaultCode()
{
    const int owner = shownEntry();
    if (owner < 0)
        return;
    m_page.ExecUnits[owner].Code = m_page.ExecUnits[owner].defCode;
    showChosen();
    m_modified();
}

QString EventCodeController::showProcedureOf(int entry)
{
    const int owner = PageEventRules::ProcedureOwner(m_page.ExecUnits, entry);
    const TFormCodeExecutionUnit &unit = m_page.ExecUnits[owner];
    const int object = int(m_objects.indexOf(unit.Object));
    if (object < 0) {
        chooseObject(-1);
        return MissingObjectMessage;
    }
    chooseObject(object);
    const int row = int(m_events.indexOf(owner));
    if (row < 0) {
        chooseEvent(-1);
        return MissingEventMessage;
    }
    chooseEvent(row);
    return {};
}

} // namespace talmo
