#pragma once

#include "ParameterLine.h"
#include "WindowsVersions.h"

namespace talmo::iscmplr {

struct SectionRule;

// The value checks a real compile makes on a line of a parameter section:
// flags and attributes, typed values and the combinations it refuses, each
// with the real compiler's message.
class EntryValueChecks
{
public:
    // Throws CompileError at the line for the first value refused.
    // setupMinVersion: the [Setup] MinVersion an entry's own starts from.
    static void check(const SectionRule &rule, const ParameterLine &line, const WindowsVersions &setupMinVersion);
};

} // namespace talmo::iscmplr
