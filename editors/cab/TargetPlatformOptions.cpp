#include "editors/cab/TargetPlatformOptions.h"

#include "editors/common/DialogLayout.h"
#include "editors/common/EditorMessages.h"
#include "helpers/core/InfSectionName.h"
#include "helpers/ui/TntButtonEdit.h"

#include <QComboBox>
#include <QCursor>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace talmo {

namespace {

struct ProcessorChoice
{
    const char *caption;
    const char *code;
};

// By tag.
constexpr ProcessorChoice processorChoices[] = {
    {"ARM720 | 1824", "1824"},
    {"Hitachi SH3 | 10003", "10003"},
    {"Hitachi SH4 | 10005", "10005"},
    {"MIPS R4XXX | 4000", "4000"},
    {"StrongARM SA11XX | 2577", "2577"},
};

} // namespace

TtargetPlatformOptions::TtargetPlatformOptions(QWidget *parent)
    : QDialog(parent)
    , tb_editor(new QComboBox(this))
    , _ProcessorType(new TTntButtonEdit(this))
    , _UnsupportedPlatforms(new QLineEdit(this))
    , _buildMax(new QComboBox(this))
    , _VersionMin(new QLineEdit(this))
    , _VersionMax(new QLineEdit(this))
    , TntButton1(new QPushButton(QStringLiteral("Ok"), this))
    , bt_cancel(new QPushButton(QStringLiteral("Cancel"), this))
    , m_processors(new QMenu(this))
{
    setWindowTitle(QStringLiteral("Target Platform Options"));
    prepareDialog(this, "targetPlatformOptions");
    tb_editor->setEditable(true);
    tb_editor->addItems({QStringLiteral("ARM"), QStringLiteral("SH3"), QStringLiteral("MIPS")});
    tb_editor->setEditText(QString());
    // The name heads the target's sections in the .inf file: what a section
    // name cannot carry is refused as it is typed.
    tb_editor->setValidator(new QRegularExpressionValidator(InfSectionName::TypablePattern(), tb_editor));
    tb_editor->setToolTip(InfSectionName::Rule);
    _buildMax->addItems({QString(), QStringLiteral("Supports square screens."),
                         QStringLiteral("Supports screen rotation."),
                         QStringLiteral("Supports both square screens and screen rotation.")});
    buildProcessorMenu();

    auto *details = new QGroupBox(QStringLiteral("Details"), this);
    auto *form = new QFormLayout(details);
    form->addRow(QStringLiteral("ProcessorType"), _ProcessorType);
    form->addRow(QStringLiteral("Unsupported Platforms"), _UnsupportedPlatforms);
    form->addRow(QStringLiteral("BuildMax"), _buildMax);
    form->addRow(QStringLiteral("Version Min"), _VersionMin);
    form->addRow(QStringLiteral("Version Max"), _VersionMax);

    auto *name = new QFormLayout;
    name->addRow(QStringLiteral("Target Name"), tb_editor);
    auto *column = new QVBoxLayout(this);
    column->addLayout(name);
    column->addWidget(details);
    column->addLayout(okCancelRow(TntButton1, bt_cancel));
    resize(291, 267);

    connect(_ProcessorType, &TTntButtonEdit::buttonClicked, this, &TtargetPlatformOptions::_ProcessorTypeClick);
    connect(TntButton1, &QPushButton::clicked, this, &TtargetPlatformOptions::Button1Click);
    connect(bt_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TtargetPlatformOptions::buildProcessorMenu()
{
    int tag = 0;
    for (const ProcessorChoice &choice : processorChoices) {
        QAction *item = m_processors->addAction(QString::fromLatin1(choice.caption));
        item->setData(tag++);
    }
}

void TtargetPlatformOptions::_ProcessorTypeClick()
{
    if (QAction *chosen = m_runMenu(*m_processors, QCursor::pos()))
        ARM72018241Click(chosen->data().toInt());
}

void TtargetPlatformOptions::ARM72018241Click(int tag)
{
    if (tag < 0 || tag >= int(std::size(processorChoices)))
        return;
    _ProcessorType->setText(QString::fromLatin1(processorChoices[tag].code));
}

void TtargetPlatformOptions::Button1Click()
{
    if (tb_editor->currentText().trimmed().isEmpty()) {
        ShowEditorError(this, QStringLiteral("You must specify a name"));
        return;
    }
    accept();
}

} // namespace talmo
