#include "editors/core/device/TargetShortcuts.h"

#include "editors/core/device/TargetEdits.h"
#include "model/ProjectContainer.h"

#include <algorithm>

namespace talmo {

TargetShortcuts::TargetShortcuts(TProjectContainer &project)
    : m_project(project)
{
}

TargetShortcuts::Shown TargetShortcuts::ShownSection(int targetIndex)
{
    Shown shown;
    if (targetIndex < 0 || targetIndex >= m_project.CEDevices.Count())
        return shown;
    QStringList &names = m_project.CEDevices[targetIndex].Installation.defaultInstallShortcuts;
    if (names.isEmpty()) {
        TShortcutSection &section = m_project.ShortcutsSections.AddNew();
        section.Caption = TargetEdits(m_project).unusedShortcutSectionName(QStringLiteral("short-"), targetIndex);
        section.DefaultDestinationDir = TShortcutSection::DefaultFolder;
        names.append(section.Caption);
        m_project.Modified = true;
        shown.repaired = true;
    }
    for (int i = m_project.ShortcutsSections.Count() - 1; i >= 0; --i) {
        if (m_project.ShortcutsSections[i].Caption == names.first()) {
            shown.sectionIndex = i;
            break;
        }
    }
    return shown;
}

void TargetShortcuts::AddShortcut(int sectionIndex, const TShortcutEntry &entry)
{
    TShortcutEntry &added = m_project.ShortcutsSections[sectionIndex].Entries.AddNew(entry);
    if (added.standard_destination_path.isEmpty())
        added.standard_destination_path = TShortcutSection::DefaultFolder;
    m_project.Modified = true;
}

void TargetShortcuts::DeleteShortcuts(int sectionIndex, QList<int> entryIndexes)
{
    TShortcutsEntries &entries = m_project.ShortcutsSections[sectionIndex].Entries;
    std::sort(entryIndexes.begin(), entryIndexes.end(), std::greater<int>());
    entryIndexes.erase(std::unique(entryIndexes.begin(), entryIndexes.end()), entryIndexes.end());
    for (int index : entryIndexes)
        entries.Delete(index);
    m_project.Modified = true;
}

} // namespace talmo
