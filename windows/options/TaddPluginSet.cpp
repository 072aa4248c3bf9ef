#include "windows/options/TaddPluginSet.h"

#include "editors/common/DialogLayout.h"
#include "editors/common/EditorMessages.h"
#include "helpers/ui/TntButtonEdit.h"
#include "helpers/ui/UiServices.h"
#include "platform/HostPath.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace talmo {

TaddPluginSet::TaddPluginSet(QWidget *parent)
    : QDialog(parent)
    , eb_CustomSetName(new QLineEdit(this))
    , tb_DirectoryEdit(new TTntButtonEdit(this))
    , lb_DirectoryHint(new QLabel(QStringLiteral("leave blank to disable automatic search "), this))
    , bt_ok(new QPushButton(QStringLiteral("Ok"), this))
    , bt_cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    prepareDialog(this, "addPluginSet");
    eb_CustomSetName->setObjectName(QStringLiteral("eb_CustomSetName"));
    tb_DirectoryEdit->setObjectName(QStringLiteral("tb_DirectoryEdit"));
    bt_ok->setObjectName(QStringLiteral("bt_ok"));

    auto *name = new QLabel(QStringLiteral("Custom Set Name"), this);
    name->setBuddy(eb_CustomSetName);
    auto *folder = new QLabel(QStringLiteral("Starting Point of Automatic Search"), this);
    folder->setBuddy(tb_DirectoryEdit);
    auto *column = new QVBoxLayout(this);
    column->addWidget(name);
    column->addWidget(eb_CustomSetName);
    column->addWidget(folder);
    column->addWidget(tb_DirectoryEdit);
    column->addWidget(lb_DirectoryHint);
    column->addStretch();
    column->addLayout(okCancelRow(bt_ok, bt_cancel));
    resize(360, 170);

    bt_ok->setDefault(true);
    connect(bt_ok, &QPushButton::clicked, this, &TaddPluginSet::bt_okClick);
    connect(bt_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(tb_DirectoryEdit, &TTntButtonEdit::buttonClicked, this, &TaddPluginSet::tb_DirectoryEditButtonClick);
}

void TaddPluginSet::bt_okClick()
{
    if (eb_CustomSetName->text().isEmpty()) {
        ShowEditorError(this, NameMissingMessage);
        return;
    }
    accept();
}

void TaddPluginSet::tb_DirectoryEditButtonClick()
{
    const QString typed = ToHostPath(tb_DirectoryEdit->text());
    const QString start = !typed.isEmpty() && QFileInfo(typed).isDir() ? typed : QStringLiteral("/");
    if (const std::optional<QString> chosen = UiServices::current().pickFolder(this, FolderTitle, start))
        tb_DirectoryEdit->setText(*chosen);
}

} // namespace talmo
