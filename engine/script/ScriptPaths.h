#pragma once

#include <QString>

namespace talmo {

// File-name pieces as the setup script sees them: folders end at the last
// "\", "/" or ":".

// The name after the last folder separator.
QString ScriptFileNamePart(const QString &path);
// The name without its last extension; a name without a dot stays whole.
QString ScriptStripExtension(const QString &path);

} // namespace talmo
