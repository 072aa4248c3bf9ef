#include "helpers/ui/CheckBoxOpenDialogs.h"

#include "helpers/ui/UiServices.h"

namespace talmo {

TCheckBoxOpenDialog::TCheckBoxOpenDialog(const QString &checkBoxText)
    : m_checkBoxText(checkBoxText)
{
}

TCheckBoxOpenDialog::~TCheckBoxOpenDialog() = default;

bool TCheckBoxOpenDialog::Execute(QWidget *parent)
{
    FileDialogRequest request;
    request.title = Title;
    request.filter = Filter;
    request.fileName = FileName;
    request.folder = InitialDir;
    request.multipleFiles = AllowMultiSelect;
    request.fileMustExist = FileMustExist;
    DialogCheckBox checkBox{ m_checkBoxText, Checked, !OldStyleDialog };

    const QStringList chosen = UiServices::current().openFilesWithCheckBox(parent, request, checkBox);
    if (checkBox.shown)
        Checked = checkBox.checked;
    if (chosen.isEmpty())
        return false;
    Files = chosen;
    FileName = chosen.constFirst();
    return true;
}

TMakeRelativeOpenDialog::TMakeRelativeOpenDialog()
    : TCheckBoxOpenDialog(QStringLiteral("Make Path Relative"))
{
}

TRegistryFlagOpenDialog::TRegistryFlagOpenDialog()
    : TCheckBoxOpenDialog(QStringLiteral("Import with Don't Overwrite Flag Enabled"))
{
}

} // namespace talmo
