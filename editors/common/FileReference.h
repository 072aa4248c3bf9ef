#pragma once

#include <QString>

namespace talmo {

// The folder with one "\" at its end; the empty folder stays empty.
QString WithTrailingBackslash(const QString &folder);
// The file name's extension with its dot, upper-cased (".EXE"); empty without one.
QString UpperExtension(const QString &fileName);

} // namespace talmo
