#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace talmo {

class TProjectContainer;
struct TWin32Plugin;

// Extension, description and "Open With" program of a file association. The
// caller sets the mode, the project (and in desktop mode the module), empties
// the inputs, shows it and reads them after OK. Showing offers the
// programs the project installs; the typed texts stay.
class TaddFileAssociation : public QDialog
{
    Q_OBJECT
public:
    explicit TaddFileAssociation(QWidget *parent = nullptr);

    void JvBitBtn2Click();

    bool DeviceMode = true;  // false: the files of Plugin
    TProjectContainer *Project = nullptr;
    TWin32Plugin *Plugin = nullptr;

    QLineEdit *tb_Extension;
    QLineEdit *tb_description;
    QComboBox *cb_target;
    QPushButton *bt_cancel;
    QPushButton *bt_ok;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillTargets();
};

} // namespace talmo
