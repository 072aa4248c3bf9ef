#include "windows/main/MasterTabs.h"

#include <algorithm>

namespace talmo {

MasterTabs::CloseButton MasterTabs::closeButton(int index, bool holdsProject) const
{
    if (index == welcome)
        return count > 1 ? CloseButton::TakeOutWelcome : CloseButton::KeepTab;
    return holdsProject ? CloseButton::CloseProject : CloseButton::KeepTab;
}

int MasterTabs::ActiveAfterTakingOut(int index, int remaining)
{
    return remaining == 0 ? 0 : std::min(index, remaining - 1);
}

} // namespace talmo
