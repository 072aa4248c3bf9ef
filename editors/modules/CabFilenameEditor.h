#pragma once

#include <QDialog>

class QPushButton;

namespace talmo {

class TProjectContainer;
class TTntButtonEdit;

// One file name of a module, typed or browsed. The caller sets the caption,
// Project, Filter and tb_filename, shows it and on OK reads tb_filename.
class TCABFilenameEditor : public QDialog
{
    Q_OBJECT
public:
    explicit TCABFilenameEditor(QWidget *parent = nullptr);

    void tb_filenameButtonClick();

    TProjectContainer *Project = nullptr;
    QString Filter;  // pipe form, for the open dialog

    TTntButtonEdit *tb_filename;
    QPushButton *TntBitBtn1;
    QPushButton *TntBitBtn2;

protected:
    // Selects the whole file name and focuses it.
    void showEvent(QShowEvent *event) override;
};

} // namespace talmo
