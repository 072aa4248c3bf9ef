#include "engine/builder/OutputNameRule.h"

#include "helpers/core/PathHelpers.h"

namespace talmo {

bool LeavesOutputFolder(const QString &fileName)
{
    return LeavesItsFolder(fileName);
}

} // namespace talmo
