#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace talmo {

class TProjectContainer;
class TTntButtonEdit;

// Source, destination name and copy flag of one device file. The caller sets
// the inputs and Project, shows it and on OK reads the inputs back.
class TppcFileProperties : public QDialog
{
    Q_OBJECT
public:
    // The copy flags by index, as the CAB page stores them.
    static const QStringList &copyFlagNames();

    explicit TppcFileProperties(QWidget *parent = nullptr);

    void bt_okClick();
    void bt_ppcfs_files_browseClick();

    TProjectContainer *Project = nullptr;

    TTntButtonEdit *eb_ppcfs_source;
    QLineEdit *eb_ppcfs_dest;
    QComboBox *cb_ppcfs_flags;
    QPushButton *bt_ok;
    QPushButton *bt_cancel;
};

} // namespace talmo
