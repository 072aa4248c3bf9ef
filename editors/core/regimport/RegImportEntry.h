#pragma once

#include "editors/core/regimport/RegImportEvent.h"
#include "model/RegistrySection.h"

#include <optional>

namespace talmo {

// The device registry entry an imported value becomes. Key lines and
// deletions give none: a section can only write values, and writing one
// where the file deletes it would do the opposite. A default value without
// data gives none either. Expandable strings are kept as plain strings with
// their text, the nearest type a section offers.
std::optional<TRegistryEntry> registryEntryFromImport(const RegImportEvent &event, bool overwrite);

} // namespace talmo
