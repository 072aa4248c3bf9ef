#include "windows/options/TtextEditor.h"

#include "editors/common/DialogLayout.h"

#include <QComboBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace talmo {

TtextEditor::TtextEditor(QWidget *parent)
    : QDialog(parent)
    , tb_editor(new QComboBox(this))
    , bt_ok(new QPushButton(QStringLiteral("Ok"), this))
    , bt_cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    prepareDialog(this, "textEditor");
    setWindowTitle(QStringLiteral("Enter new value"));
    tb_editor->setObjectName(QStringLiteral("tb_editor"));
    tb_editor->setEditable(true);
    tb_editor->setInsertPolicy(QComboBox::NoInsert);

    auto *column = new QVBoxLayout(this);
    column->addWidget(tb_editor);
    column->addStretch();
    column->addLayout(okCancelRow(bt_ok, bt_cancel));
    resize(300, 90);

    bt_ok->setDefault(true);
    connect(bt_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(bt_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TtextEditor::setSuggestions(const QStringList &suggestions)
{
    const QString typed = text();
    tb_editor->clear();
    tb_editor->addItems(suggestions);
    setText(typed);
}

QString TtextEditor::text() const
{
    return tb_editor->currentText();
}

void TtextEditor::setText(const QString &text)
{
    tb_editor->setEditText(text);
}

void TtextEditor::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    tb_editor->setFocus();
}

} // namespace talmo
