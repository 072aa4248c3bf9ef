#include "engine/builder/OutputFolderRule.h"

#include "helpers/core/PathHelpers.h"
#include "model/ProjectContainer.h"

namespace talmo {

QString BuilderOutputFolder(const TProjectContainer &project)
{
    const QString projectFolder = ExtractFileFolder(project.FileName);
    QString folder = project.OutputPath;
    if (folder.isEmpty())
        return ExcludeTrailingSeparator(projectFolder);
    if (IsRelativePath(folder))
        folder = ResolveRelativePath(projectFolder, folder);
    return ExcludeTrailingSeparator(folder);
}

} // namespace talmo
