#include "editors/dialogs/EditorStrings.h"

#include "editors/common/DialogLayout.h"
#include "editors/common/EditorMessages.h"
#include "editors/dialogs/StringPairCheck.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace talmo {

Teditor_strings::Teditor_strings(QWidget *parent)
    : QDialog(parent)
    , TntLabel1(new QLabel(QStringLiteral("Key"), this))
    , TntLabel2(new QLabel(QStringLiteral("Value"), this))
    , tb_key(new QLineEdit(this))
    , tb_value(new QLineEdit(this))
    , TntBitBtn1(new QPushButton(QStringLiteral("Ok"), this))
    , TntBitBtn2(new QPushButton(QStringLiteral("Cancel"), this))
{
    setWindowTitle(QStringLiteral("Strings Editor"));
    prepareDialog(this, "editor_strings");
    tb_key->setObjectName(QStringLiteral("tb_key"));
    tb_value->setObjectName(QStringLiteral("tb_value"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(TntLabel1, 0, 0);
    grid->addWidget(TntLabel2, 0, 1);
    grid->addWidget(tb_key, 1, 0);
    grid->addWidget(tb_value, 1, 1);
    grid->addLayout(okCancelRow(TntBitBtn1, TntBitBtn2), 2, 0, 1, 2);
    // Values are often sentences (a setup type's description): the value
    // takes twice the key's width.
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 2);
    resize(420, 101);

    TntBitBtn1->setDefault(true);
    connect(TntBitBtn1, &QPushButton::clicked, this, &Teditor_strings::Button2Click);
    connect(TntBitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void Teditor_strings::Button2Click()
{
    const QString refusal = StringPairCheck::refusal(windowTitle(), tb_key->text(), tb_value->text());
    if (!refusal.isEmpty()) {
        ShowEditorError(this, refusal);
        return;
    }
    accept();
}

} // namespace talmo
