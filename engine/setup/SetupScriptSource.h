#pragma once

#include "engine/setup/ScriptLineOrigins.h"

#include <QString>
#include <QStringList>

namespace talmo {

class TProjectContainer;

// Where the setup build takes its script from. The program installs its
// full generator (FullScriptSource); tests hand in scripts of their own.
class SetupScriptSource
{
public:
    virtual ~SetupScriptSource();

    // Fills the empty list with the project's setup script. outputFolder and
    // iniFolder (where the build has put the ActiveSync .ini files) are
    // absolute, without a trailing separator; the project folder is the
    // current folder. Raises a std::exception when the script cannot be made.
    virtual void GenerateScript(TProjectContainer &project, QStringList &script, const QString &outputFolder,
                                const QString &iniFolder) = 0;
    // Where the user's own lines of the script last generated came from;
    // none for a source that writes no user code.
    virtual ScriptLineOrigins LineOrigins() const;
};

} // namespace talmo
