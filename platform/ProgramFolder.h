#pragma once

#include <QString>

namespace talmo {

// The folder that holds talmo, the stand-ins for the outside programs and the
// shipped data. Tests and unusual installs point it elsewhere with setOverride.
class ProgramFolder
{
public:
    // The folder with a trailing "/".
    static QString path();
    static void setOverride(const QString &folder);
    static void clearOverride();
};

} // namespace talmo
