#include "editors/dialogs/DropFilesDialog.h"

#include "editors/common/DialogLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace talmo {

TDropFilesDialog::TDropFilesDialog(QWidget *parent)
    : QDialog(parent)
    , cb_InstallFolder(new QComboBox(this))
    , cb_Relative(new QCheckBox(QStringLiteral("Make filenames relative to project's base path"), this))
    , cb_Recurse(new QCheckBox(QStringLiteral("Add subdirectories "), this))
    , bt_ok(new QPushButton(QStringLiteral("Ok"), this))
    , bt_cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setWindowTitle(QStringLiteral("Add Files Options"));
    prepareDialog(this, "DropFilesDialog");
    cb_InstallFolder->setEditable(true);

    auto *column = new QVBoxLayout(this);
    column->addWidget(new QLabel(QStringLiteral("Installation Directory"), this));
    column->addWidget(cb_InstallFolder);
    column->addWidget(cb_Relative);
    column->addWidget(cb_Recurse);
    column->addStretch();
    column->addLayout(okCancelRow(bt_ok, bt_cancel));
    resize(284, 168);

    connect(bt_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(bt_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TDropFilesDialog::showEvent(QShowEvent *event)
{
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

} // namespace talmo
