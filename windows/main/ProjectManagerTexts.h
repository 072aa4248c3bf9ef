#pragma once

#include <QString>

namespace talmo {

class TProjectContainer;

// The two detail lines under a project-manager entry.
struct ProjectEntryDetails
{
    // "Auto Build Mode: ..."; empty for a mode without a name.
    QString buildModeText;
    // 3 for a desktop-only project, else the project's automatic build mode.
    int buildMode = 0;
    // "Modules (n): CAB Creator (1), Win32 (2)".
    QString modulesText;

    static ProjectEntryDetails Of(const TProjectContainer &project);
    static constexpr int DesktopOnlyBuildMode = 3;
};

} // namespace talmo
