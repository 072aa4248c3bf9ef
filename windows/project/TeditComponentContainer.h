#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace talmo {

// Names a module container: the caller puts the container's name into
// ed_description, shows the dialog and on OK reads the text back.
class TeditComponentContainer : public QDialog
{
    Q_OBJECT
public:
    explicit TeditComponentContainer(QWidget *parent = nullptr);

    QLabel *lb_description;
    QLineEdit *ed_description;
    QPushButton *bt_ok;
    QPushButton *bt_cancel;
};

} // namespace talmo
