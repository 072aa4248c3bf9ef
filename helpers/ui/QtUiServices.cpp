#include "helpers/ui/QtUiServices.h"

#include "helpers/ui/FontPickerDialog.h"

#include "helpers/ui/CheckBoxFileDialog.h"
#include "helpers/ui/FileDialogFilter.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace talmo {

namespace {

QMessageBox::StandardButton toStandardButton(UiButton button)
{
    switch (button) {
    case UiButton::Ok: return QMessageBox::Ok;
    case UiButton::Yes: return QMessageBox::Yes;
    case UiButton::No: return QMessageBox::No;
    case UiButton::Cancel: return QMessageBox::Cancel;
    }
    return QMessageBox::NoButton;
}

UiButton fromStandardButton(int button)
{
    switch (button) {
    case QMessageBox::Ok: return UiButton::Ok;
    case QMessageBox::Yes: return UiButton::Yes;
    case QMessageBox::No: return UiButton::No;
    default: return UiButton::Cancel;
    }
}

QMessageBox::Icon toIcon(UiMessageKind kind)
{
    switch (kind) {
    case UiMessageKind::Information: return QMessageBox::Information;
    case UiMessageKind::Warning: return QMessageBox::Warning;
    case UiMessageKind::Error: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// The folder and file the dialog opens on: the request's folder, else the
// folder of the file name it proposes.
void prepare(QFileDialog &dialog, const FileDialogRequest &request)
{
    dialog.setWindowTitle(request.title);
    const QStringList filters = qtNameFilters(request.filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (!request.folder.isEmpty())
        dialog.setDirectory(request.folder);
    else if (!request.fileName.isEmpty())
        dialog.setDirectory(QFileInfo(request.fileName).absolutePath());
    if (!request.fileName.isEmpty())
        dialog.selectFile(QFileInfo(request.fileName).fileName());
    dialog.setDefaultSuffix(request.defaultSuffix);
}

QStringList runOpenDialog(QFileDialog &dialog, const FileDialogRequest &request)
{
    prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (request.multipleFiles)
        dialog.setFileMode(QFileDialog::ExistingFiles);
    else
        dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

} // namespace

UiButton QtUiServices::ask(QWidget *parent, const QString &title, const QString &text, const UiButtons &buttons)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    for (UiButton button : buttons)
        box.addButton(toStandardButton(button));
    return fromStandardButton(box.exec());
}

void QtUiServices::showMessage(QWidget *parent, UiMessageKind kind, const QString &title, const QString &text)
{
    QMessageBox box(toIcon(kind), title, text, QMessageBox::Ok, parent);
    box.exec();
}

QStringList QtUiServices::openFiles(QWidget *parent, const FileDialogRequest &request)
{
    QFileDialog dialog(parent);
    return runOpenDialog(dialog, request);
}

QStringList QtUiServices::openFilesWithCheckBox(QWidget *parent, const FileDialogRequest &request,
                                                DialogCheckBox &checkBox)
{
    if (!checkBox.shown)
        return openFiles(parent, request);
    CheckBoxFileDialog dialog(parent, checkBox.text);
    dialog.setChecked(checkBox.checked);
    const QStringList files = runOpenDialog(dialog, request);
    checkBox.checked = dialog.isChecked();
    return files;
}

std::optional<QString> QtUiServices::saveFile(QWidget *parent, const FileDialogRequest &request)
{
    QFileDialog dialog(parent);
    prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtUiServices::pickFolder(QWidget *parent, const QString &title, const QString &startFolder)
{
    const QString folder = QFileDialog::getExistingDirectory(parent, title, startFolder);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

std::optional<FontChoice> QtUiServices::pickFont(QWidget *parent, const FontChoice &initial)
{
    FontPickerDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

} // namespace talmo
