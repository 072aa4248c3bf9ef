#pragma once

#include "platform/ScopedCurrent.h"

#include <QStringList>

namespace talmo {

// The setup skins and setup languages the program offers to every project,
// by name. main() makes the one in use from the program folder; until then
// (and in tests that set none) both lists are empty.
struct SetupCatalogue
{
    QStringList SetupSkinNames;
    QStringList SetupLanguageNames;

    // The catalogue in use; an empty one when none was set.
    static const SetupCatalogue &current();
    // Returns the catalogue that was current before (nullptr for the empty one).
    static SetupCatalogue *setCurrent(SetupCatalogue *catalogue);
};

using ScopedCurrentSetupCatalogue = ScopedCurrent<SetupCatalogue>;

} // namespace talmo
