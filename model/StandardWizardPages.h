#pragma once

#include <QString>

#include <array>

namespace talmo {

// The installer's standard wizard pages, indexed by a custom page's
// CreationOrder: the custom page is created after the page of that index.
inline constexpr std::array<const char *, 14> StandardWizardPageNames = {
    "Welcome",    "License",   "Password",  "InfoBefore", "UserInfo",
    "SelectDir",  "SelectComponents",       "SelectProgramGroup",
    "SelectTasks", "Ready",    "Preparing", "Installing", "InfoAfter",
    "Finished",
};

// The creation order as a valid index: an order outside the table (from a
// damaged or foreign project file) counts as 0.
int StandardWizardPageIndex(int creationOrder);

// The name of the standard page at StandardWizardPageIndex(creationOrder).
QString StandardWizardPageName(int creationOrder);

} // namespace talmo
