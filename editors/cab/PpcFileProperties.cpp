#include "editors/cab/PpcFileProperties.h"

#include "editors/common/DialogLayout.h"
#include "editors/common/EditorMessages.h"
#include "editors/common/FileReference.h"
#include "editors/common/FileReferenceBrowser.h"
#include "editors/core/device/DeviceFileEntries.h"
#include "helpers/core/PathHelpers.h"
#include "helpers/ui/TntButtonEdit.h"
#include "model/ProjectContainer.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace talmo {

const QStringList &TppcFileProperties::copyFlagNames()
{
    return CopyFlagNames();
}

TppcFileProperties::TppcFileProperties(QWidget *parent)
    : QDialog(parent)
    , eb_ppcfs_source(new TTntButtonEdit(this))
    , eb_ppcfs_dest(new QLineEdit(this))
    , cb_ppcfs_flags(new QComboBox(this))
    , bt_ok(new QPushButton(QStringLiteral("Ok"), this))
    , bt_cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setWindowTitle(QStringLiteral("File Properties"));
    prepareDialog(this, "ppcFileProperties");
    cb_ppcfs_flags->addItems(copyFlagNames());

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Source Filename"), eb_ppcfs_source);
    form->addRow(QStringLiteral("Destination Name"), eb_ppcfs_dest);
    form->addRow(QStringLiteral("Flags"), cb_ppcfs_flags);
    auto *column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addLayout(buttonRow({bt_ok, bt_cancel}));
    resize(428, 131);

    connect(bt_ok, &QPushButton::clicked, this, &TppcFileProperties::bt_okClick);
    connect(bt_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(eb_ppcfs_source, &TTntButtonEdit::buttonClicked, this, &TppcFileProperties::bt_ppcfs_files_browseClick);
}

void TppcFileProperties::bt_okClick()
{
    if (eb_ppcfs_source->text().isEmpty())
        ShowEditorError(this, QStringLiteral("The Source FileName can't be empty !"));
    else if (eb_ppcfs_dest->text().isEmpty())
        ShowEditorError(this, QStringLiteral("Destination FileName can't be empty !!"));
    else if (LeavesItsFolder(eb_ppcfs_dest->text()))
        // The device would install it outside the folder the file lies in.
        ShowEditorError(this, QStringLiteral("The Destination FileName must name a file inside its folder: no \"..\" and no leading \\ or drive !"));
    else
        accept();
}

void TppcFileProperties::bt_ppcfs_files_browseClick()
{
    const QString projectFile = Project ? Project->GetFileName() : QString();
    const auto chosen = BrowseFileReference(this, projectFile, QStringLiteral("All Files (*.*)|*.*"),
                                            eb_ppcfs_source->text());
    if (!chosen)
        return;
    eb_ppcfs_source->setText(*chosen);
    eb_ppcfs_dest->setText(FileNamePart(*chosen));
}

} // namespace talmo
