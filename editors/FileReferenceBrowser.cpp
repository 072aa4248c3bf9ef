#include "editors/FileReferenceBrowser.h"

#include "editors/FileReference.h"
#include "helpers/ui/CheckBoxOpenDialogs.h"

namespace talmo {

std::optional<QString> BrowseFileReference(QWidget *parent, const QString &projectFileName, const QString &filter,
                                           const QString &initialFile, const QString &initialDir)
{
    TMakeRelativeOpenDialog dialog;
    dialog.Checked = true;
    dialog.Filter = filter;
    dialog.FileName = initialFile;
    dialog.InitialDir = initialDir;
    if (!dialog.Execute(parent))
        return std::nullopt;
    return FileReferenceFor(projectFileName, dialog.FileName, dialog.Checked);
}

} // namespace talmo
