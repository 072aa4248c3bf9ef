#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QTabWidget;

namespace talmo {

// "About": the product, its version and licence, the components it contains
// portions of and where to find support. Made afresh for each showing.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *createHeader();
    QWidget *createSupportPage();
    static QPlainTextEdit *createMemo(const QString &objectName, const QString &text);
    static void openWebSite();
    static void writeMail();

    QLabel *Version = nullptr;
    QTabWidget *pc_Pages = nullptr;
};

} // namespace talmo
