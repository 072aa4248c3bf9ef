#include "designer/core/CutEventStash.h"

#include "designer/core/PageEventRules.h"
#include "designer/core/ProcedureNames.h"

namespace talmo {

void CutEventStash::keep(const TFormCodeExecutionUnits &units, const QStringList &cutObjects)
{
    m_kept.clear();
    for (const TFormCodeExecutionUnit &unit : units) {
        if (!cutObjects.contains(unit.Object))
            continue;
        Kept kept{ unit, unit.linkTo != -1 };
        kept.unit.linkTo = -1;
        m_kept.append(kept);
    }
}

bool CutEventStash::holds(const QString &object) const
{
    for (const Kept &kept : m_kept) {
        if (kept.unit.Object == object)
            return true;
    }
    return false;
}

bool CutEventStash::restore(TCustomForm &page, const QString &object, const ProcedureNames &names)
{
    // Entries wait disabled until resolved, so none links to one not yet resolved.
    QList<int> owners;
    QList<int> linked;
    QList<bool> enabled;
    for (qsizetype i = 0; i < m_kept.size();) {
        if (m_kept.at(i).unit.Object != object) {
            ++i;
            continue;
        }
        const Kept kept = m_kept.takeAt(i);
        auto unit = std::make_unique<TFormCodeExecutionUnit>(kept.unit);
        unit->Enabled = false;
        (kept.linked ? linked : owners).append(page.ExecUnits.Add(std::move(unit)));
        enabled.append(kept.unit.Enabled);
    }
    if (enabled.isEmpty())
        return false;
    const int first = page.ExecUnits.Count() - int(enabled.size());
    // Procedure owners first, so an entry linked to one cut along with it finds it.
    QList<int> pending = owners + linked;
    while (!pending.isEmpty()) {
        const int index = pending.takeFirst();
        page.ExecUnits[index].Enabled = enabled.at(index - first);
        resolve(page, index, pending, names);
    }
    return true;
}

// Links an enabled restored entry, or frees its name when another entry holds
// it; entries still to be resolved do not count as holders.
void CutEventStash::resolve(TCustomForm &page, int index, const QList<int> &pending, const ProcedureNames &names) const
{
    TFormCodeExecutionUnit &unit = page.ExecUnits[index];
    const auto unresolved = [&page, &pending](const TFormCodeExecutionUnit &other) {
        return pending.contains(page.ExecUnits.IndexOf(&other));
    };
    if (unit.Enabled) {
        const int target = PageEventRules::LinkTarget(page.ExecUnits, index, unit.eventNameInCode);
        if (target >= 0 && PageEventRules::SameKind(unit, page.ExecUnits[target])) {
            unit.linkTo = target;
            return;
        }
    }
    unit.eventNameInCode = names.freeName(unit.eventNameInCode, &unit, unresolved);
}

} // namespace talmo
