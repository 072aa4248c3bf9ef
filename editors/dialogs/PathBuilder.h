#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace talmo {

class TNxEdit;
class TProjectContainer;

// Types a device path with the folder macros: clicking a macro puts it into
// the path, and the path is shown as the build will read it. The caller sets
// Path and Project; after OK Path holds the built path.
class TPathBuilder : public QDialog
{
    Q_OBJECT
public:
    explicit TPathBuilder(QWidget *parent = nullptr);

    // A click on a macro link.
    void insertMacro(const QString &macro);
    void eb_pathChange();
    void Button1Click();

    QString Path;
    TProjectContainer *Project = nullptr;

    TNxEdit *eb_path;
    QLabel *JvLinkLabel1;
    QLabel *JvLinkLabel2;
    QLabel *JvLinkLabel3;
    QPushButton *NxButton1;
    QPushButton *NxButton2;

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace talmo
