#include "editors/modules/CabFilenameEditor.h"

#include "editors/common/DialogLayout.h"
#include "editors/common/FileReferenceBrowser.h"
#include "helpers/ui/TntButtonEdit.h"
#include "model/ProjectContainer.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace talmo {

TCABFilenameEditor::TCABFilenameEditor(QWidget *parent)
    : QDialog(parent)
    , tb_filename(new TTntButtonEdit(this))
    , TntBitBtn1(new QPushButton(QStringLiteral("Ok"), this))
    , TntBitBtn2(new QPushButton(QStringLiteral("Cancel"), this))
{
    setWindowTitle(QStringLiteral("CAB Filename"));
    prepareDialog(this, "CABFilenameEditor");
    auto *column = new QVBoxLayout(this);
    column->addWidget(tb_filename);
    column->addLayout(okCancelRow(TntBitBtn1, TntBitBtn2));
    resize(428, 75);

    connect(TntBitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(TntBitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(tb_filename, &TTntButtonEdit::buttonClicked, this, &TCABFilenameEditor::tb_filenameButtonClick);
}

void TCABFilenameEditor::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    tb_filename->selectAll();
    tb_filename->setFocus(Qt::OtherFocusReason);
}

void TCABFilenameEditor::tb_filenameButtonClick()
{
    const QString projectFile = Project ? Project->GetFileName() : QString();
    if (const auto chosen = BrowseFileReference(this, projectFile, Filter, tb_filename->text()))
        tb_filename->setText(*chosen);
}

} // namespace talmo
