#include "windows/options/TOptionsForm.h"

#include "editors/common/DialogLayout.h"
#include "editors/modules/RuntimeModuleDialog.h"
#include "windows/options/RuntimeSetPage.h"

#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace talmo {

TOptionsForm::TOptionsForm(TProgramOptions &options, QWidget *parent)
    : QDialog(parent)
    , pc_Pages(new QTabWidget(this))
    , netcf2Page(new RuntimeSetPage(RuntimeModuleKind::NetCF2, options, pc_Pages))
    , sqlMobilePage(new RuntimeSetPage(RuntimeModuleKind::SqlMobile, options, pc_Pages))
    , bt_ok(new QPushButton(QStringLiteral("Ok"), this))
    , bt_cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    prepareDialog(this, "OptionsForm");
    setWindowTitle(QStringLiteral("Options"));
    pc_Pages->setObjectName(QStringLiteral("pc_Pages"));
    pc_Pages->addTab(netcf2Page, QStringLiteral(".NET CF Plugin"));
    pc_Pages->addTab(sqlMobilePage, QStringLiteral("Mobile SQL Plugin"));

    auto *column = new QVBoxLayout(this);
    column->addWidget(pc_Pages, 1);
    column->addLayout(okCancelRow(bt_ok, bt_cancel));
    resize(640, 460);

    bt_ok->setDefault(true);
    connect(bt_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(bt_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TOptionsForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    netcf2Page->RefillSets();
    sqlMobilePage->RefillSets();
    pc_Pages->setCurrentIndex(0);
}

} // namespace talmo
