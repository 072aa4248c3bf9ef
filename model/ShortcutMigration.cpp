#include "model/ShortcutMigration.h"

#include "model/ProjectContainer.h"

namespace talmo {

namespace {

// The configurations that receive a section's entries, once per naming;
// every configuration when none names it.
QList<int> receiversOf(const TProjectContainer &project, const QString &caption)
{
    QList<int> receivers;
    for (int d = 0; d < project.CEDevices.Count(); ++d) {
        for (const QString &name : project.CEDevices[d].Installation.defaultInstallShortcuts) {
            if (name == caption)
                receivers.append(d);
        }
    }
    if (receivers.isEmpty()) {
        for (int d = 0; d < project.CEDevices.Count(); ++d)
            receivers.append(d);
    }
    return receivers;
}

void copyEntries(const TShortcutSection &from, TShortcutSection &to)
{
    for (const TShortcutEntry &entry : from.Entries) {
        TShortcutEntry &copy = to.Entries.AddNew();
        copy = TShortcutEntry{ entry.shortcut_filename,
                               entry.shortcut_type_flag,
                               entry.target_file_path,
                               entry.standard_destination_path.isEmpty() ? from.DefaultDestinationDir
                                                                         : entry.standard_destination_path,
                               entry.CustomIconFileName,
                               entry.CustomIconIndex,
                               entry.CustomIconIndexType,
                               entry.CustomParameters };
    }
}

} // namespace

void MigrateShortcutSections(TProjectContainer &project)
{
    if (project.ProjectVersion >= TProjectContainer::CurrentProjectVersion)
        return;
    TShortcutsSections &sections = project.ShortcutsSections;
    const int deviceCount = project.CEDevices.Count();
    const int oldCount = sections.Count();
    for (int d = 0; d < deviceCount; ++d) {
        TShortcutSection &section = sections.AddNew();
        section.Caption = QStringLiteral("wiz-") + QString::number(d);
        section.DefaultDestinationDir = TShortcutSection::DefaultFolder;
    }
    // Only the old sections give entries; the new ones only receive them.
    for (int k = 0; k < oldCount; ++k) {
        for (const int d : receiversOf(project, sections[k].Caption))
            copyEntries(sections[k], sections[oldCount + d]);
    }
    for (int k = oldCount - 1; k >= 0; --k)
        sections.Delete(k);
    for (int d = 0; d < deviceCount; ++d)
        project.CEDevices[d].Installation.defaultInstallShortcuts = QStringList{ sections[d].Caption };
    project.ProjectVersion = TProjectContainer::CurrentProjectVersion;
}

} // namespace talmo
