#include "editors/core/device/TargetShortcuts.h"

#include "editors/core/device/DeviceFolderTree.h"
#include "editors/core/device/TargetEdits.h"
#include "model/PathMacros.h"
#include "model/ProjectContainer.h"

#include <algorithm>

namespace talmo {

const QString TargetShortcuts::RepairNotice = QStringLiteral(
    "An error has been detected with your shortcuts.\r"
    "Shortcut sections are emtpy, you must recreate them !");

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

void TargetShortcuts::ReplaceShortcut(int sectionIndex, int entryIndex, const TShortcutEntry &entry)
{
    m_project.ShortcutsSections[sectionIndex].Entries[entryIndex] = entry;
    m_project.Modified = true;
}

QStringList TargetShortcuts::RowTexts(const TShortcutEntry &entry) const
{
    return { entry.shortcut_filename, entry.target_file_path,
             ExpandPathMacros(m_project, entry.standard_destination_path, true, true),
             entry.shortcut_type_flag != 0 ? QStringLiteral("Target is folder") : QStringLiteral("Target is file") };
}

QStringList TargetShortcuts::IconFiles(int targetIndex) const
{
    QStringList files;
    for (const TPPCFS_File &file : m_project.CEDevices[targetIndex].Files) {
        if (file.DestinationName.endsWith(QLatin1String(".EXE"), Qt::CaseInsensitive)
            || file.DestinationName.endsWith(QLatin1String(".DLL"), Qt::CaseInsensitive))
            files.append(withTrailingBackslash(file.DestinationDir) + file.DestinationName);
    }
    return files;
}

} // namespace talmo
