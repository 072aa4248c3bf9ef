#include "engine/cab/CustomIconShortcuts.h"

#include "model/ProjectContainer.h"

namespace talmo {

bool CustomIconShortcuts::IsCustomIcon(const TShortcutEntry &entry)
{
    return !entry.CustomIconFileName.isEmpty() && entry.shortcut_type_flag == 0;
}

bool CustomIconShortcuts::IsResourceIcon(const TShortcutEntry &entry)
{
    return IsCustomIcon(entry) && entry.CustomIconFileName.toUpper().endsWith(QStringLiteral(".ICO"));
}

QList<CustomIconShortcuts::Inclusion> CustomIconShortcuts::BySection(const TProjectContainer &project)
{
    QList<Inclusion> inclusions;
    for (int s = 0; s < project.ShortcutsSections.Count(); ++s) {
        const TShortcutSection &section = project.ShortcutsSections[s];
        for (int e = 0; e < section.Entries.Count(); ++e) {
            if (!IsCustomIcon(section.Entries[e]))
                continue;
            for (int d = 0; d < project.CEDevices.Count(); ++d) {
                const qsizetype matches = project.CEDevices[d].Installation.defaultInstallShortcuts.count(section.Caption);
                for (qsizetype m = 0; m < matches; ++m)
                    inclusions.append(Inclusion{s, e, d});
            }
        }
    }
    return inclusions;
}

QList<CustomIconShortcuts::Inclusion> CustomIconShortcuts::OfDevice(const TProjectContainer &project, int device)
{
    QList<Inclusion> inclusions;
    for (const QString &name : project.CEDevices[device].Installation.defaultInstallShortcuts) {
        for (int s = 0; s < project.ShortcutsSections.Count(); ++s) {
            const TShortcutSection &section = project.ShortcutsSections[s];
            if (section.Caption != name)
                continue;
            for (int e = 0; e < section.Entries.Count(); ++e) {
                if (IsCustomIcon(section.Entries[e]))
                    inclusions.append(Inclusion{s, e, device});
            }
        }
    }
    return inclusions;
}

} // namespace talmo
