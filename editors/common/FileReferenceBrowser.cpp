#include "editors/common/FileReferenceBrowser.h"

#include "helpers/core/PathHelpers.h"
#include "helpers/ui/CheckBoxOpenDialogs.h"

namespace talmo {

std::optional<QString> BrowseFileReference(QWidget *parent, const QString &projectFileName, const QString &filter,
                                           const QString &initialFile, const QString &initialDir, bool fileMustExist)
{
    TMakeRelativeOpenDialog dialog;
    dialog.Checked = true;
    dialog.Filter = filter;
    dialog.FileName = initialFile;
    dialog.InitialDir = initialDir;
    dialog.FileMustExist = fileMustExist;
    if (!dialog.Execute(parent))
        return std::nullopt;
    return StoredFileReference(projectFileName, dialog.FileName, dialog.Checked);
}

} // namespace talmo
