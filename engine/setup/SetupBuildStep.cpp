#include "engine/setup/SetupBuildStep.h"

namespace talmo {

SetupBuildStep::~SetupBuildStep() = default;

} // namespace talmo
