#pragma once

#include "SourceLine.h"

namespace talmo::iscmplr {

// The value forms a real compile takes for the [LangOptions] directives of
// the script, with its messages (EnumLangOptions).
class LangOptionsValueChecks
{
public:
    // Throws CompileError at the line when the value is refused. forEveryLanguage:
    // the line names no language while the script has more than one.
    static void check(const QString &directive, const QString &value, bool forEveryLanguage, const SourceLine &where);
};

} // namespace talmo::iscmplr
