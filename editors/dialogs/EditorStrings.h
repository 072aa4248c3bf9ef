#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace talmo {

// A key and a value. The caller sets the two label captions, the window
// caption and the texts, shows it and on OK reads tb_key and tb_value back.
class Teditor_strings : public QDialog
{
    Q_OBJECT
public:
    explicit Teditor_strings(QWidget *parent = nullptr);

    // "Ok": closes with OK when StringPairCheck accepts the texts.
    void Button2Click();

    QLabel *TntLabel1;
    QLabel *TntLabel2;
    QLineEdit *tb_key;
    QLineEdit *tb_value;
    QPushButton *TntBitBtn1;
    QPushButton *TntBitBtn2;
};

} // namespace talmo
