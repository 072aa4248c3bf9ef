#pragma once

#include "SourceLine.h"

namespace talmo::iscmplr {

// The value forms a real compile takes for the [Setup] directives, with its
// messages. Directives not in the table take any text.
class SetupValueChecks
{
public:
    // Throws CompileError at the line when the directive's value is refused.
    static void check(const QString &directive, const QString &value, const SourceLine &where);
};

} // namespace talmo::iscmplr
