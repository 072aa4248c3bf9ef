#include "engine/setup/SetupScriptSource.h"

namespace talmo {

SetupScriptSource::~SetupScriptSource() = default;

ScriptLineOrigins SetupScriptSource::LineOrigins() const
{
    return {};
}

} // namespace talmo
