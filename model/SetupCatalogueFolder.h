#pragma once

#include "model/SetupCatalogue.h"

namespace talmo {

// The setup languages every setup can use without a file of its own, in the
// order they are offered; "English" comes first.
const QStringList &BuiltinSetupLanguageNames();

// The catalogue of a program folder: the sub-folders of "Setup Skins" and,
// after the built-in languages, the base names of the "*.isl" files in
// "Languages" that are not built in. Both folders are listed by name,
// ignoring case; a missing or unreadable folder adds nothing.
SetupCatalogue LoadSetupCatalogue(const QString &programFolder);

} // namespace talmo
