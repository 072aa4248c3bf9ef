#pragma once

#include <QString>

namespace talmo {

// What the setup script already means by a name, before the project adds
// anything: the language's reserved words and its own names, the installer's
// script API (routines, classes, types, constants, predefined globals, event
// routines, message identifiers) and the names the generated [Code] declares
// for itself. Names compare ignoring case, as the script does.
namespace PredefinedScriptNames {

// A letter or "_" first, then letters, digits and "_".
bool IsIdentifier(const QString &name);
bool IsReservedWord(const QString &name);
// A name the script or the generated code defines; reserved words are not among them.
bool IsPredefined(const QString &name);

} // namespace PredefinedScriptNames

} // namespace talmo
