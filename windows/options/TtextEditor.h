#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;

namespace talmo {

// One text value with suggestions to pick from. The caller fills the
// suggestions and the text and reads the text after OK.
class TtextEditor : public QDialog
{
    Q_OBJECT
public:
    explicit TtextEditor(QWidget *parent = nullptr);

    void setSuggestions(const QStringList &suggestions);
    QString text() const;
    void setText(const QString &text);

    QComboBox *tb_editor;
    QPushButton *bt_ok;
    QPushButton *bt_cancel;

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace talmo
