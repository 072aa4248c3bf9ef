#include "engine/builder/IBuilderRunner.h"

namespace talmo {

IBuilderRunner::~IBuilderRunner() = default;

} // namespace talmo
