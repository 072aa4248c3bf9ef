#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace talmo {

// Where dropped or chosen files go and how. It has no behaviour of its own:
// callers fill the controls, show it and read them after OK.
class TDropFilesDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TDropFilesDialog(QWidget *parent = nullptr);

    QComboBox *cb_InstallFolder;
    QCheckBox *cb_Relative;
    QCheckBox *cb_Recurse;
    QPushButton *bt_ok;
    QPushButton *bt_cancel;

protected:
    // Centred on the screen.
    void showEvent(QShowEvent *event) override;
};

} // namespace talmo
