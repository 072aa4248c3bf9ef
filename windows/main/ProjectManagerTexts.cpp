#include "windows/main/ProjectManagerTexts.h"

#include "model/ProjectContainer.h"

#include <utility>

namespace talmo {

namespace {

QString BuildModeText(const TProjectContainer &project)
{
    if (project.Win32Only)
        return QStringLiteral("Auto Build Mode: Win32 Only");
    switch (project.DefaultBuildMode) {
    case 0: return QStringLiteral("Auto Build Mode: Win32 and CAB");
    case 1: return QStringLiteral("Auto Build Mode: CAB Only");
    default: return QString();
    }
}

QString ModulesText(const TProjectContainer &project)
{
    const std::pair<const char *, int> kinds[] = {
        { "Win32", project.Win32Plugins.Count() },
        { "PalmOS", project.PalmSections.Count() },
        { "CAB Collections", project.CabCollections.Count() },
        { "Redistribution Files", project.PluginContainers.Count() },
        { "Direct Copy", project.DirectCopyModules.Count() },
    };
    QString list;
    int total = 0;
    if (!project.Win32Only) {
        list = QStringLiteral("CAB Creator (1)");
        total = 1;
    }
    for (const auto &[name, count] : kinds) {
        if (count == 0)
            continue;
        list += QStringLiteral(", %1 (%2)").arg(QLatin1String(name)).arg(count);
        total += count;
    }
    // Only the comma goes; the blank after it stays, as the panel always showed it.
    if (list.startsWith(QLatin1Char(',')))
        list.remove(0, 1);
    return QStringLiteral("Modules (%1): ").arg(total) + list;
}

} // namespace

ProjectEntryDetails ProjectEntryDetails::Of(const TProjectContainer &project)
{
    ProjectEntryDetails details;
    details.buildModeText = BuildModeText(project);
    details.buildMode = project.Win32Only ? DesktopOnlyBuildMode : project.DefaultBuildMode;
    details.modulesText = ModulesText(project);
    return details;
}

} // namespace talmo
