#pragma once

#include "SourceLine.h"

namespace talmo::iscmplr {

// The value forms a real compile takes for the [Setup] directives, with its
// messages. Directives not in the table take any text.
class SetupValueChecks
{
public:
    // What the caller's options set, so that the script's directive is not read.
    struct Fixed
    {
        bool outputDir = false;
        bool outputBaseFilename = false;
    };

    // Throws CompileError at the line when the directive's value is refused.
    static void check(const QString &directive, const QString &value, const SourceLine &where, const Fixed &fixed);
};

} // namespace talmo::iscmplr
