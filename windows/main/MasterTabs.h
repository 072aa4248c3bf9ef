#pragma once

namespace talmo {

// The main window's tabs as its decisions see them, and what follows from
// them: what a tab's close button does, when the Welcome tab comes back and
// takes the keys, which tab becomes active when the Welcome tab leaves, and
// when the commands that work on a project are enabled.
struct MasterTabs
{
    int count = 0;
    // Where the Welcome tab is; -1 when it is out of the list.
    int welcome = -1;
    bool activeIsWelcome = false;
    bool activeHoldsProject = false;

    // The Welcome tab only leaves the list, and never as the last tab; a
    // project's tab closes after the question about its changes.
    enum class CloseButton { KeepTab, TakeOutWelcome, CloseProject };
    CloseButton closeButton(int index, bool holdsProject) const;

    // An empty window shows the Welcome tab.
    bool needsWelcome() const { return count == 0; }
    // The Welcome tab in front shows the recent files and takes the keys.
    bool welcomeInFront() const { return activeIsWelcome; }
    bool projectCommandsEnabled() const { return !activeIsWelcome && activeHoldsProject; }

    // The tab active once the tab at index left and remaining are left: the
    // one that took its place, or the last.
    static int ActiveAfterTakingOut(int index, int remaining);
};

} // namespace talmo
