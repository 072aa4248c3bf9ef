#pragma once

#include "model/CustomForm.h"

#include <QStringList>

namespace talmo {

// Event units of a page may share one procedure: a linked unit names the unit
// that owns the procedure by its index. These operations keep those links
// pointing at units whose procedure the setup script really writes.

// Disables the unit. When other units reuse its procedure, the first of them
// (lowest index) becomes the procedure's owner with a copy of the unit's code
// and the others are re-pointed to it. The disabled unit keeps its own code
// and name, so enabling it again restores them.
void DisableEventUnit(TFormCodeExecutionUnits &units, int index);

// Removes the unit after handing its procedure over as DisableEventUnit does,
// and renumbers the links of the units behind it.
void DeleteEventUnit(TFormCodeExecutionUnits &units, int index);

// Removes, from the last unit to the first, every unit whose object is
// neither the page itself ("Form") nor one of the controls still on it.
void RemoveUnitsOfMissingObjects(TCustomForm &page, const QStringList &controlNames);

} // namespace talmo
