#pragma once

#include <QString>

namespace talmo {

struct BuildOutcome;

// The main window's messages of failed builds.
struct BuildFailureText
{
    static inline const QString NotBuilt = QStringLiteral("Error while loading/building project");

    // "Project: <file name> - <error>".
    static QString OfProject(const QString &projectFileName, const QString &errorText);
    // A project-manager entry: NotBuilt when its project could not be read or
    // built at all, otherwise as OfProject.
    static QString OfEntry(const QString &entryFileName, const BuildOutcome &outcome);
};

} // namespace talmo
