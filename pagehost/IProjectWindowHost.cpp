#include "pagehost/IProjectWindowHost.h"

namespace talmo {

IProjectWindowHost::~IProjectWindowHost() = default;

} // namespace talmo
