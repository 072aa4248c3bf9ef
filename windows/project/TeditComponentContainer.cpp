#include "windows/project/TeditComponentContainer.h"

#include "editors/common/DialogLayout.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace talmo {

TeditComponentContainer::TeditComponentContainer(QWidget *parent)
    : QDialog(parent)
    , lb_description(new QLabel(QStringLiteral("Description"), this))
    , ed_description(new QLineEdit(this))
    , bt_ok(new QPushButton(QStringLiteral("OK"), this))
    , bt_cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    prepareDialog(this, "editComponentContainer");
    setWindowTitle(QStringLiteral("Modules Container"));
    ed_description->setObjectName(QStringLiteral("ed_description"));
    lb_description->setBuddy(ed_description);

    auto *column = new QVBoxLayout(this);
    column->addWidget(lb_description);
    column->addWidget(ed_description);
    column->addStretch();
    column->addLayout(okCancelRow(bt_ok, bt_cancel));
    resize(320, 110);

    bt_ok->setDefault(true);
    connect(bt_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(bt_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace talmo
