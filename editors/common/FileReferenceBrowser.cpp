#include "editors/common/FileReferenceBrowser.h"

#include "editors/common/DialogStartFolder.h"
#include "helpers/core/PathHelpers.h"
#include "helpers/ui/CheckBoxOpenDialogs.h"
#include "platform/HostPath.h"

#include <QFileInfo>

namespace talmo {

std::optional<QString> BrowseFileReference(QWidget *parent, const QString &projectFileName, const QString &filter,
                                           const QString &initialFile, const QString &initialDir, bool fileMustExist)
{
    TMakeRelativeOpenDialog dialog;
    dialog.Checked = true;
    dialog.Filter = filter;
    // A stored reference is read against the project's folder, as the build reads it.
    dialog.FileName = initialFile.isEmpty() ? QString() : ToHostPath(ResolveFileReference(projectFileName, initialFile));
    dialog.InitialDir = !initialDir.isEmpty() ? initialDir
                      : !dialog.FileName.isEmpty() ? QFileInfo(dialog.FileName).absolutePath()
                                                   : DialogStartFolder().folder(projectFileName);
    dialog.FileMustExist = fileMustExist;
    if (!dialog.Execute(parent))
        return std::nullopt;
    return StoredFileReference(projectFileName, dialog.FileName, dialog.Checked);
}

} // namespace talmo
