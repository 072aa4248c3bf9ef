#pragma once

#include <QFileDialog>

class QCheckBox;

namespace talmo {

// A file-open dialog (Qt's own, not the desktop's) with one check box below
// its controls. The box takes its state from setChecked when the dialog is
// shown and hands it back through isChecked when the dialog closes, also
// when it is cancelled.
class CheckBoxFileDialog : public QFileDialog
{
    Q_OBJECT

public:
    CheckBoxFileDialog(QWidget *parent, const QString &checkBoxText);

    void setChecked(bool checked) { m_checked = checked; }
    bool isChecked() const { return m_checked; }
    QCheckBox *checkBox() const { return m_checkBox; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QCheckBox *m_checkBox;
    bool m_checked = false;
};

} // namespace talmo
