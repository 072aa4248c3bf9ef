#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace talmo {

// A file-open dialog with one check box below its own controls. The caller
// sets Checked for the box's initial state and reads it after Execute; the
// box's state is taken over when the dialog closes, also on cancel (callers
// ignore it then, since Execute returned false). With the old-style option
// the dialog has no box and Checked keeps the caller's value.
class TCheckBoxOpenDialog
{
public:
    virtual ~TCheckBoxOpenDialog();

    bool Execute(QWidget *parent = nullptr);

    bool Checked = false;
    bool OldStyleDialog = false;
    bool AllowMultiSelect = false;
    // False lets the user name a file that does not exist yet.
    bool FileMustExist = true;
    QString Title;
    QString Filter;       // pipe form: "Text Files (*.txt)|*.txt|All Files (*.*)|*.*"
    QString InitialDir;
    QString FileName;     // in: the proposed file; out: the (first) chosen file
    QStringList Files;    // out: every chosen file

    const QString &checkBoxText() const { return m_checkBoxText; }

protected:
    explicit TCheckBoxOpenDialog(const QString &checkBoxText);

private:
    QString m_checkBoxText;
};

// Offers to store the picked file relative to the project file's folder.
class TMakeRelativeOpenDialog : public TCheckBoxOpenDialog
{
public:
    TMakeRelativeOpenDialog();
};

// Imports a registry file with the flag that keeps existing values.
class TRegistryFlagOpenDialog : public TCheckBoxOpenDialog
{
public:
    TRegistryFlagOpenDialog();
};

} // namespace talmo
