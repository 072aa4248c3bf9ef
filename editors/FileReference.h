#pragma once

#include <QString>

namespace talmo {

// How a file the user picked is stored in the project. With makeRelative the
// reference is the file's folder seen from the project file's folder, written
// with backslashes and backslash-terminated, plus the file name (just the name
// for a file beside the project file); otherwise the chosen path itself.
QString FileReferenceFor(const QString &projectFileName, const QString &chosenFile, bool makeRelative);

// The folder with one "\" at its end; the empty folder stays empty.
QString WithTrailingBackslash(const QString &folder);
// The file name's extension with its dot, upper-cased (".EXE"); empty without one.
QString UpperExtension(const QString &fileName);

} // namespace talmo
