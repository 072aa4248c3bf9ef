#include "build/core/SetupBuildStep.h"

namespace talmo {

SetupBuildStep::~SetupBuildStep() = default;

} // namespace talmo
