#pragma once

#include <QDialog>

class QPushButton;
class QTabWidget;

namespace talmo {

class RuntimeSetPage;
class TProgramOptions;

// The program-wide options: the user's .NET CF2 and SQL Mobile
// redistributable sets, edited in place; the caller hands in a copy and
// keeps it, and saves the options, only after OK.
class TOptionsForm : public QDialog
{
    Q_OBJECT
public:
    explicit TOptionsForm(TProgramOptions &options, QWidget *parent = nullptr);

    QTabWidget *pc_Pages;
    RuntimeSetPage *netcf2Page;
    RuntimeSetPage *sqlMobilePage;
    QPushButton *bt_ok;
    QPushButton *bt_cancel;

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace talmo
