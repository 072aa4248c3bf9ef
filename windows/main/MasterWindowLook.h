#pragma once

#include <QString>

#include <optional>

namespace talmo {

// What the main window's title and tab strip show for its open tabs: with one
// tab the title names it ("Talmo - Welcome", "Talmo - <project file name>")
// and the strip shows unless that tab is the Welcome tab; with more the strip
// shows and the title is the program's name.
struct MasterWindowLook
{
    QString title;
    std::optional<bool> showTabs;  // nothing: the strip stays as it is

    // firstIsWelcome and firstProjectFileName tell the first tab.
    static MasterWindowLook For(int tabCount, bool firstIsWelcome, const QString &firstProjectFileName);
};

} // namespace talmo
