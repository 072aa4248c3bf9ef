#include "editors/registry/AddFileAssociation.h"

#include "editors/dialogs/ComboChoices.h"
#include "editors/common/DialogLayout.h"
#include "editors/common/EditorMessages.h"
#include "editors/registry/FileAssociationChoices.h"
#include "model/ProjectContainer.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace talmo {

TaddFileAssociation::TaddFileAssociation(QWidget *parent)
    : QDialog(parent)
    , tb_Extension(new QLineEdit(this))
    , tb_description(new QLineEdit(this))
    , cb_target(new QComboBox(this))
    , bt_cancel(new QPushButton(QStringLiteral("Cancel"), this))
    , bt_ok(new QPushButton(QStringLiteral("Ok"), this))
{
    setWindowTitle(QStringLiteral("File Association"));
    prepareDialog(this, "addFileAssociation");
    cb_target->setEditable(true);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Extension"), tb_Extension);
    form->addRow(QStringLiteral("Description"), tb_description);
    form->addRow(QStringLiteral("Open With"), cb_target);
    auto *column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addStretch();
    column->addLayout(okCancelRow(bt_ok, bt_cancel));
    // As tall as its fields and buttons: no empty band between them.
    resize(377, sizeHint().height());

    connect(bt_ok, &QPushButton::clicked, this, &TaddFileAssociation::JvBitBtn2Click);
    connect(bt_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TaddFileAssociation::showEvent(QShowEvent *event)
{
    fillTargets();
    QDialog::showEvent(event);
}

void TaddFileAssociation::fillTargets()
{
    QStringList choices;
    if (DeviceMode && Project)
        choices = FileAssociationChoices::deviceFiles(*Project);
    else if (!DeviceMode && Plugin)
        choices = FileAssociationChoices::desktopFiles(*Plugin);
    replaceChoicesKeepingText(cb_target, choices);
}

void TaddFileAssociation::JvBitBtn2Click()
{
    if (tb_Extension->text().isEmpty() || tb_description->text().isEmpty() || cb_target->currentText().isEmpty()) {
        ShowEditorError(this, QStringLiteral("Please fill all the fields !"));
        return;
    }
    accept();
}

} // namespace talmo
