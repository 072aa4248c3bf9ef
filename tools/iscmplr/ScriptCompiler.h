#pragma once

#include "platform/CompilerLibraryApi.h"

#include <QString>

namespace talmo::iscmplr {

// One compile: preprocess the script pulled through the callback, check it,
// write the package and report the outcome. Holds no state between compiles.
class ScriptCompiler
{
public:
    // Returns TCompilerResultCompiled or TCompilerResultFailed; never throws.
    static int32_t compile(const TCompileScriptParamsEx &params, const QString &ownFolder);
};

} // namespace talmo::iscmplr
