#pragma once

#include <QList>
#include <QStringList>

namespace talmo {

class TProjectContainer;
struct TShortcutEntry;

// The shortcut section a target's shortcuts tab shows, and its edits.
class TargetShortcuts
{
public:
    struct Shown
    {
        int sectionIndex = -1;  // -1: no section of the project to show
        bool repaired = false;  // the target had no section and got a fresh one
    };

    // What the page tells the user when ShownSection had to repair a target.
    static const QString RepairNotice;

    explicit TargetShortcuts(TProjectContainer &project);

    // The last project section named by the target's first shortcut-section
    // name. A target naming none gets a fresh "short-" section of its own;
    // other targets and their shortcuts are left alone.
    Shown ShownSection(int targetIndex);

    // Appends the entry to the section; an empty destination becomes "%CE11%".
    void AddShortcut(int sectionIndex, const TShortcutEntry &entry);
    // Removes the entries at the indexes from the section, highest first.
    void DeleteShortcuts(int sectionIndex, QList<int> entryIndexes);
    void ReplaceShortcut(int sectionIndex, int entryIndex, const TShortcutEntry &entry);

    // The shortcut list's row: name, target, install folder with the macros
    // expanded, and whether the target is a file or a folder.
    QStringList RowTexts(const TShortcutEntry &entry) const;
    // The target's programs and libraries a shortcut can take its icon
    // from, as device paths.
    QStringList IconFiles(int targetIndex) const;

private:
    TProjectContainer &m_project;
};

} // namespace talmo
