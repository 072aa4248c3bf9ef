#pragma once

#include "editors/common/DialogRunner.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace talmo {

class TProjectContainer;
class TTntButtonEdit;

// One device shortcut of a target. The caller sets Project, TargetIndex and
// the controls, shows it and reads the controls after OK; the dialog offers
// the target's files or folders as targets and writes nothing into the model.
// Showing keeps the target text and the parameters the caller gave, though
// the choices are rebuilt; afterwards a field changes only when the user
// changes it, except a name he has not typed, which follows the target.
class Teditor_ShortcutEntry : public QDialog
{
    Q_OBJECT
public:
    static inline const QString IconInDeviceFile = QStringLiteral("Icon exists into an exe or dll file in your mobile device");
    static inline const QString IconFromComputer = QStringLiteral("Select an icon filename from your computer");

    explicit Teditor_ShortcutEntry(QWidget *parent = nullptr);

    // The path builder behind the destination and parameters buttons.
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

    void RadioButton1Click();
    void TntCheckBox1Click();
    void cb_iconSettingsChange();
    void cb_targetChange();
    void tb_iconIndexChange();
    void be_IconFileNameButtonClick();
    void tb_dest_dirButtonClick(QLineEdit *edit);
    void Button2Click();

    TProjectContainer *Project = nullptr;
    int TargetIndex = 0;

    QLineEdit *tb_short_filename;
    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QComboBox *cb_target;
    TTntButtonEdit *tb_dest_dir;
    QCheckBox *TntCheckBox1;
    QGroupBox *TntGroupBox1;
    QComboBox *cb_iconSettings;
    QLabel *TntLabel4;
    QComboBox *tb_iconFileName;
    TTntButtonEdit *be_IconFileName;
    QLabel *TntLabel5;
    QLineEdit *tb_iconIndex;
    QLabel *TntLabel6;
    QComboBox *cb_IconIndexType;
    QLabel *TntLabel7;
    TTntButtonEdit *be_Parameters;
    QPushButton *bt_cancel;
    QPushButton *bt_ok;

    // After showing, the file name has the focus with the caret at its start.
    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createLayout();
    void FormShow();
    void setIconControlsEnabled(bool enabled);
    // The enabling and label of an icon mode; with clearFiles an icon file of
    // the other mode is emptied.
    void applyIconMode(bool clearFiles);
    void setTargetChoices(const QStringList &choices);
    void copyIconFileText(const QString &text);

    DialogRunner m_runDialog = execDialog();
    // The user typed in the name since the dialog was shown.
    bool m_nameTyped = false;
};

} // namespace talmo
