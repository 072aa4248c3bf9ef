#pragma once

#include "SourceLine.h"
#include "WindowsVersions.h"

namespace talmo::iscmplr {

// The value forms a real compile takes for the [Setup] directives, with its
// messages. Directives not in the table take any text.
class SetupValueChecks
{
public:
    // What a directive's check depends on beyond its value.
    struct Context
    {
        bool outputDirFixed = false;          // by the caller's options: the directive is not read
        bool outputBaseFilenameFixed = false;
        WindowsVersions minVersion = WindowsVersions::setupDefault(); // the section's MinVersion
    };

    // Throws CompileError at the line when the directive's value is refused.
    static void check(const QString &directive, const QString &value, const SourceLine &where, const Context &context);
};

} // namespace talmo::iscmplr
