#include "windows/main/BuildFailureText.h"

#include "engine/builder/AutomaticBuild.h"
#include "helpers/core/PathHelpers.h"

namespace talmo {

QString BuildFailureText::OfProject(const QString &projectFileName, const QString &errorText)
{
    return QStringLiteral("Project: ") + FileNamePart(projectFileName) + QStringLiteral(" - ") + errorText;
}

QString BuildFailureText::OfEntry(const QString &entryFileName, const BuildOutcome &outcome)
{
    return outcome.resultCode == ProjectNotBuiltResult ? NotBuilt : OfProject(entryFileName, outcome.errorText);
}

} // namespace talmo
