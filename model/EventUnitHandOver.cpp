#include "model/EventUnitHandOver.h"

namespace talmo {

void DisableEventUnit(TFormCodeExecutionUnits &units, int index)
{
    TFormCodeExecutionUnit &disabled = units.GetItem(index);
    disabled.Enabled = false;
    disabled.linkTo = -1;
    int owner = -1;
    for (int i = 0; i < units.Count(); ++i) {
        TFormCodeExecutionUnit &unit = units[i];
        if (unit.linkTo != index)
            continue;
        if (owner < 0) {
            owner = i;
            unit.linkTo = -1;
            unit.Code = disabled.Code;
        } else {
            unit.linkTo = owner;
        }
    }
}

void DeleteEventUnit(TFormCodeExecutionUnits &units, int index)
{
    DisableEventUnit(units, index);
    units.Delete(index);
    for (TFormCodeExecutionUnit &unit : units) {
        if (unit.linkTo > index)
            --unit.linkTo;
    }
}

void RemoveUnitsOfMissingObjects(TCustomForm &page, const QStringList &controlNames)
{
    for (int i = page.ExecUnits.Count() - 1; i >= 0; --i) {
        const QString &object = page.ExecUnits[i].Object;
        if (object != QLatin1String("Form") && !controlNames.contains(object))
            DeleteEventUnit(page.ExecUnits, i);
    }
}

} // namespace talmo
