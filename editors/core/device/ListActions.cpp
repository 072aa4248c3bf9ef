#include "editors/core/device/ListActions.h"

namespace talmo {

ListActions ListActions::For(bool canAdd, int selectedCount)
{
    return { canAdd, selectedCount == 1, selectedCount > 0 };
}

} // namespace talmo
