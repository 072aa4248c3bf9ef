#include "engine/setup/SetupScriptSource.h"

namespace talmo {

SetupScriptSource::~SetupScriptSource() = default;

} // namespace talmo
