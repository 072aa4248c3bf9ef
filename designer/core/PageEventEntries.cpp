#include "designer/core/PageEventEntries.h"

#include "designer/core/PageEventTables.h"
#include "designer/core/ProcedureNames.h"
#include "model/EventUnitHandOver.h"

namespace talmo::PageEventEntries {

QStringList KnownObjects(const TFormCodeExecutionUnits &units)
{
    QStringList objects;
    for (const TFormCodeExecutionUnit &unit : units) {
        if (!objects.contains(unit.Object))
            objects.append(unit.Object);
    }
    return objects;
}

void AppendDefaultEntries(TCustomForm &page, const PageControlName &control, const ProcedureNames &names)
{
    for (const QString &event : PageEventTables::DefaultControlEvents(control.className)) {
        TFormCodeExecutionUnit &unit = page.ExecUnits.AddNew();
        unit.Object = control.name;
        unit.Event = event;
        unit.ShortHelp = PageEventTables::DeclarationTemplate(event);
        unit.defCode = PageEventTables::DefaultEventCode();
        unit.eventNameInCode = names.freeName(
            TFormCodeExecutionUnit::MakeEventNameInCode(page.Name, control.name, event), &unit);
    }
}

QStringList Sync(TCustomForm &page, const QList<PageControlName> &controls, const ProcedureNames &names)
{
    const QStringList known = KnownObjects(page.ExecUnits);
    QStringList controlNames;
    for (const PageControlName &control : controls)
        controlNames.append(control.name);
    RemoveUnitsOfMissingObjects(page, controlNames);
    for (const PageControlName &control : controls) {
        if (!known.contains(control.name))
            AppendDefaultEntries(page, control, names);
    }
    return KnownObjects(page.ExecUnits);
}

void RenameObject(TFormCodeExecutionUnits &units, const QString &oldName, const QString &newName)
{
    for (TFormCodeExecutionUnit &unit : units) {
        if (unit.Object == oldName)
            unit.Object = newName;
    }
}

} // namespace talmo::PageEventEntries
