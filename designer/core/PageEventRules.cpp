#include "designer/core/PageEventRules.h"

#include "designer/core/ProcedureNames.h"
#include "scriptknowledge/PrototypeSplitter.h"

namespace talmo::PageEventRules {

namespace {

struct Declaration
{
    QString kind;
    QString name;
    QString tail;
};

Declaration split(const QString &shortHelp)
{
    Declaration declaration;
    SplitPrototype(shortHelp, declaration.kind, declaration.name, declaration.tail);
    return declaration;
}

// Another entry with its own procedure of exactly that name, enabled or not.
bool disabledOwnerHolds(const TFormCodeExecutionUnits &units, int index, const QString &name)
{
    for (int i = 0; i < units.Count(); ++i) {
        const TFormCodeExecutionUnit &unit = units[i];
        if (i != index && !unit.Enabled && unit.linkTo == -1 && unit.eventNameInCode == name)
            return true;
    }
    return false;
}

} // namespace

QString DeclarationLine(const TFormCodeExecutionUnit &unit, const QString &pageName)
{
    return EventProcedureDeclaration(unit.ShortHelp, unit.eventNameInCode, pageName, unit.Object);
}

bool SameKind(const TFormCodeExecutionUnit &a, const TFormCodeExecutionUnit &b)
{
    const Declaration first = split(a.ShortHelp);
    const Declaration second = split(b.ShortHelp);
    return first.kind == second.kind && first.tail == second.tail;
}

int ProcedureOwner(const TFormCodeExecutionUnits &units, int index)
{
    const int link = units[index].linkTo;
    return link == -1 ? index : link;
}

int LinkTarget(const TFormCodeExecutionUnits &units, int index, const QString &name)
{
    for (int i = units.Count() - 1; i >= 0; --i) {
        const TFormCodeExecutionUnit &unit = units[i];
        if (i != index && unit.Enabled && unit.linkTo == -1 && unit.eventNameInCode == name)
            return i;
    }
    return -1;
}

EventEnableVerdict EnableEvent(TFormCodeExecutionUnits &units, int index, const QString &name)
{
    TFormCodeExecutionUnit &unit = units[index];
    const int target = LinkTarget(units, index, name);
    if (target >= 0 && !SameKind(unit, units[target]))
        return { false, IncompatibleMessage };
    if (target < 0 && disabledOwnerHolds(units, index, name))
        return { false, DisabledTargetMessage };
    unit.linkTo = target;
    unit.eventNameInCode = name;
    unit.Enabled = true;
    // A procedure of its own is never written without a body.
    if (target < 0 && unit.Code.isEmpty())
        unit.Code = unit.defCode;
    return {};
}

QString CreatedEventName(const TCustomForm &page, int index, const ProcedureNames &names)
{
    const TFormCodeExecutionUnit &unit = page.ExecUnits[index];
    return names.freeName(page.Name + u'_' + unit.Object + unit.Event, &unit);
}

void EnableFromAdd(TCustomForm &page, int index, const ProcedureNames &names)
{
    TFormCodeExecutionUnit &unit = page.ExecUnits[index];
    const auto disabled = [](const TFormCodeExecutionUnit &other) { return !other.Enabled; };
    if (names.isTaken(unit.eventNameInCode, &unit, disabled))
        unit.eventNameInCode = names.freeName(unit.eventNameInCode, &unit);
    unit.Enabled = true;
    unit.linkTo = -1;
    if (unit.Code.isEmpty())
        unit.Code = unit.defCode;
}

QList<int> EventsOf(const TFormCodeExecutionUnits &units, const QString &object, bool enabled)
{
    QList<int> events;
    for (int i = 0; i < units.Count(); ++i) {
        if (units[i].Object == object && units[i].Enabled == enabled)
            events.append(i);
    }
    return events;
}

QStringList LinkedObjectLines(const TFormCodeExecutionUnits &units, int owner)
{
    const auto line = [](const TFormCodeExecutionUnit &unit) { return unit.Object + u'.' + unit.Event; };
    QStringList lines;
    for (const TFormCodeExecutionUnit &unit : units) {
        if (unit.Enabled && unit.linkTo == owner)
            lines.append(line(unit));
    }
    if (!lines.isEmpty())
        lines.append(line(units[owner]));
    return lines;
}

QStringList ShareableProcedures(const TFormCodeExecutionUnits &units, int index)
{
    QStringList names;
    for (const TFormCodeExecutionUnit &unit : units) {
        if (unit.Enabled && unit.linkTo == -1 && SameKind(unit, units[index]))
            names.append(unit.eventNameInCode);
    }
    return names;
}

int EntryOf(const TFormCodeExecutionUnits &units, const QString &object, const QString &event)
{
    for (int i = units.Count() - 1; i >= 0; --i) {
        if (units[i].Object == object && units[i].Event == event)
            return i;
    }
    return -1;
}

} // namespace talmo::PageEventRules
