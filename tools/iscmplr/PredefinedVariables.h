#pragma once

#include "HostPaths.h"
#include "PreprocessorExpression.h"
#include "SourceLine.h"

#include <optional>

namespace talmo::iscmplr {

// The variables the preprocessor defines before the script starts. Names
// compare ignoring case; "UNICODE" stays undefined, as in an ANSI compiler.
class PredefinedVariables
{
public:
    explicit PredefinedVariables(const HostPaths &paths);

    bool isDefined(const QString &name) const;
    // The value at the given line; reading __COUNTER__ steps it on.
    std::optional<PreprocessorValue> value(const QString &name, const SourceLine &current);

private:
    QString includePath(const SourceLine &current) const;

    const HostPaths &m_paths;
    qint64 m_counter = 0;
};

} // namespace talmo::iscmplr
