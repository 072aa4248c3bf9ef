#include "build/core/SetupScriptSource.h"

namespace talmo {

SetupScriptSource::~SetupScriptSource() = default;

} // namespace talmo
