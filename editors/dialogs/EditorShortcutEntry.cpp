#include "editors/dialogs/EditorShortcutEntry.h"

#include "editors/dialogs/ComboChoices.h"
#include "editors/common/DialogLayout.h"
#include "editors/common/EditorMessages.h"
#include "editors/common/FileReferenceBrowser.h"
#include "editors/dialogs/PathBuilder.h"
#include "editors/dialogs/ShortcutChoices.h"
#include "helpers/ui/TntButtonEdit.h"
#include "model/ProjectContainer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace talmo {

namespace {
const QString libraryLabel = QStringLiteral("Icon Filename ( DLL or Exe File )");
const QString iconFileLabel = QStringLiteral("Icon Filename ( ICO File )");
constexpr int iconFromComputer = 1;
} // namespace

Teditor_ShortcutEntry::Teditor_ShortcutEntry(QWidget *parent)
    : QDialog(parent)
    , tb_short_filename(new QLineEdit(this))
    , RadioButton1(new QRadioButton(QStringLiteral("Shortcut to File"), this))
    , RadioButton2(new QRadioButton(QStringLiteral("Shortcut to Directory"), this))
    , cb_target(new QComboBox(this))
    , tb_dest_dir(new TTntButtonEdit(this))
    , TntCheckBox1(new QCheckBox(QStringLiteral("Custom Icon"), this))
    , TntGroupBox1(new QGroupBox(QStringLiteral("Icon Settings"), this))
    , cb_iconSettings(new QComboBox(TntGroupBox1))
    , TntLabel4(new QLabel(libraryLabel, TntGroupBox1))
    , tb_iconFileName(new QComboBox(TntGroupBox1))
    , be_IconFileName(new TTntButtonEdit(TntGroupBox1))
    , TntLabel5(new QLabel(QStringLiteral("Index"), TntGroupBox1))
    , tb_iconIndex(new QLineEdit(TntGroupBox1))
    , TntLabel6(new QLabel(QStringLiteral("Index Type"), TntGroupBox1))
    , cb_IconIndexType(new QComboBox(TntGroupBox1))
    , TntLabel7(new QLabel(QStringLiteral("Parameters"), TntGroupBox1))
    , be_Parameters(new TTntButtonEdit(TntGroupBox1))
    , bt_cancel(new QPushButton(QStringLiteral("Cancel"), this))
    , bt_ok(new QPushButton(QStringLiteral("Ok"), this))
{
    setWindowTitle(QStringLiteral("Shortcut Editor"));
    prepareDialog(this, "editor_ShortcutEntry");
    cb_target->setEditable(true);
    tb_iconFileName->setEditable(true);
    cb_iconSettings->addItems({IconInDeviceFile, IconFromComputer});
    cb_IconIndexType->addItems({QStringLiteral("index of icon"), QStringLiteral("resource ID of icon")});
    RadioButton1->setChecked(true);
    be_IconFileName->hide();
    createLayout();

    connect(RadioButton1, &QRadioButton::clicked, this, &Teditor_ShortcutEntry::RadioButton1Click);
    connect(RadioButton2, &QRadioButton::clicked, this, &Teditor_ShortcutEntry::RadioButton1Click);
    connect(TntCheckBox1, &QCheckBox::clicked, this, &Teditor_ShortcutEntry::TntCheckBox1Click);
    connect(cb_iconSettings, &QComboBox::activated, this, &Teditor_ShortcutEntry::cb_iconSettingsChange);
    connect(cb_target, &QComboBox::textActivated, this, &Teditor_ShortcutEntry::cb_targetChange);
    connect(cb_target->lineEdit(), &QLineEdit::textEdited, this, &Teditor_ShortcutEntry::cb_targetChange);
    connect(tb_short_filename, &QLineEdit::textEdited, this, [this] { m_nameTyped = true; });
    connect(tb_iconIndex, &QLineEdit::textChanged, this, &Teditor_ShortcutEntry::tb_iconIndexChange);
    connect(tb_iconFileName, &QComboBox::editTextChanged, this, &Teditor_ShortcutEntry::copyIconFileText);
    connect(be_IconFileName, &QLineEdit::textChanged, this, &Teditor_ShortcutEntry::copyIconFileText);
    connect(be_IconFileName, &TTntButtonEdit::buttonClicked, this, &Teditor_ShortcutEntry::be_IconFileNameButtonClick);
    connect(tb_dest_dir, &TTntButtonEdit::buttonClicked, this, [this] { tb_dest_dirButtonClick(tb_dest_dir); });
    connect(be_Parameters, &TTntButtonEdit::buttonClicked, this, [this] { tb_dest_dirButtonClick(be_Parameters); });
    connect(bt_ok, &QPushButton::clicked, this, &Teditor_ShortcutEntry::Button2Click);
    connect(bt_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void Teditor_ShortcutEntry::createLayout()
{
    auto *icon = new QGridLayout(TntGroupBox1);
    icon->addWidget(cb_iconSettings, 0, 0, 1, 2);
    icon->addWidget(TntLabel4, 1, 0, 1, 2);
    icon->addWidget(tb_iconFileName, 2, 0, 1, 2);
    icon->addWidget(be_IconFileName, 3, 0, 1, 2);
    icon->addWidget(TntLabel5, 4, 0);
    icon->addWidget(TntLabel6, 4, 1);
    icon->addWidget(tb_iconIndex, 5, 0);
    icon->addWidget(cb_IconIndexType, 5, 1);
    icon->addWidget(TntLabel7, 6, 0, 1, 2);
    icon->addWidget(be_Parameters, 7, 0, 1, 2);

    auto *column = new QVBoxLayout(this);
    column->addWidget(new QLabel(QStringLiteral("Shortcut Filename"), this));
    column->addWidget(tb_short_filename);
    column->addWidget(RadioButton1);
    column->addWidget(RadioButton2);
    column->addWidget(new QLabel(QStringLiteral("Target"), this));
    column->addWidget(cb_target);
    column->addWidget(new QLabel(QStringLiteral("Destination Directory"), this));
    column->addWidget(tb_dest_dir);
    column->addWidget(TntCheckBox1);
    column->addWidget(TntGroupBox1);
    column->addStretch();
    column->addLayout(buttonRow({bt_cancel, bt_ok}));
    resize(296, 422);
}

void Teditor_ShortcutEntry::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void Teditor_ShortcutEntry::FormShow()
{
    const QString callersTarget = cb_target->currentText();
    // Parameters belong to the shortcut, not to its icon: they outlive the
    // icon controls being reset for the shortcut's kind.
    const QString callersParameters = be_Parameters->text();
    const QString iconFile = tb_iconFileName->currentText();
    if (!iconFile.isEmpty()) {
        {
            const QSignalBlocker quiet(cb_iconSettings);
            setIconControlsEnabled(true);
            if (!TntCheckBox1->isChecked()) {
                TntCheckBox1->setChecked(true);
                TntCheckBox1Click();
            }
            RadioButton1Click();
            copyIconFileText(iconFile);
            tb_iconFileName->setEditText(iconFile);
            cb_iconSettings->setCurrentIndex(ShortcutChoices::isIconLibrary(iconFile) ? 0 : iconFromComputer);
        }
        applyIconMode(false);
    } else {
        setIconControlsEnabled(false);
        tb_iconIndex->clear();
        TntCheckBox1->setChecked(false);
        RadioButton1Click();
        cb_iconSettings->setEnabled(false);
    }
    cb_target->setEditText(callersTarget);
    m_nameTyped = false;
    be_Parameters->setText(callersParameters);
}

// The dialog hands its focus widget a focus-in of its own once shown, which
// would select the whole name; the caret goes to the start after that.
void Teditor_ShortcutEntry::setVisible(bool visible)
{
    if (visible)
        tb_short_filename->setFocus(Qt::OtherFocusReason);
    QDialog::setVisible(visible);
    if (visible) {
        tb_short_filename->deselect();
        tb_short_filename->setCursorPosition(0);
    }
}

void Teditor_ShortcutEntry::setIconControlsEnabled(bool enabled)
{
    for (QWidget *control : std::initializer_list<QWidget *>{
             TntGroupBox1, TntLabel4, TntLabel5, TntLabel6, TntLabel7, tb_iconFileName, be_IconFileName,
             tb_iconIndex, cb_IconIndexType, be_Parameters, cb_iconSettings})
        control->setEnabled(enabled);
}

void Teditor_ShortcutEntry::setTargetChoices(const QStringList &choices)
{
    replaceChoicesKeepingText(cb_target, choices);
}

void Teditor_ShortcutEntry::RadioButton1Click()
{
    const TCEDevice *target = Project && TargetIndex >= 0 && TargetIndex < Project->CEDevices.Count()
        ? &Project->CEDevices[TargetIndex]
        : nullptr;
    const bool toFolder = RadioButton2->isChecked();
    if (toFolder) {
        TntCheckBox1->setChecked(false);
        TntCheckBox1Click();
        TntCheckBox1->setEnabled(false);
    } else {
        TntCheckBox1->setEnabled(true);
    }
    setTargetChoices(target ? ShortcutChoices::targets(*target, toFolder, TntCheckBox1->isChecked()) : QStringList());
}

void Teditor_ShortcutEntry::TntCheckBox1Click()
{
    const bool checked = TntCheckBox1->isChecked();
    setIconControlsEnabled(checked);
    if (checked) {
        cb_iconSettings->setCurrentIndex(0);
        cb_iconSettingsChange();
    } else {
        be_Parameters->clear();
        tb_iconIndex->clear();
        tb_iconFileName->setEditText(QString());
        be_IconFileName->clear();
    }
    const TCEDevice *target = Project && TargetIndex >= 0 && TargetIndex < Project->CEDevices.Count()
        ? &Project->CEDevices[TargetIndex]
        : nullptr;
    setTargetChoices(target ? ShortcutChoices::targets(*target, false, checked) : QStringList());
}

void Teditor_ShortcutEntry::cb_iconSettingsChange()
{
    applyIconMode(true);
}

void Teditor_ShortcutEntry::applyIconMode(bool clearFiles)
{
    const bool fromComputer = cb_iconSettings->currentIndex() == iconFromComputer;
    for (QWidget *control : std::initializer_list<QWidget *>{tb_iconIndex, cb_IconIndexType, TntLabel5, TntLabel6})
        control->setEnabled(!fromComputer);
    TntLabel4->setText(fromComputer ? iconFileLabel : libraryLabel);
    if (fromComputer) {
        tb_iconIndex->clear();
        cb_IconIndexType->setCurrentIndex(-1);
    }
    const bool library = ShortcutChoices::isIconLibrary(be_IconFileName->text());
    if (clearFiles && library == fromComputer) {
        tb_iconFileName->setEditText(QString());
        be_IconFileName->clear();
    }
    be_IconFileName->setVisible(fromComputer);
    tb_iconFileName->setVisible(!fromComputer);
}

void Teditor_ShortcutEntry::cb_targetChange()
{
    // The name follows the target only until the user types one of his own.
    if (!m_nameTyped)
        tb_short_filename->setText(ShortcutChoices::nameFromTarget(cb_target->currentText()));
}

void Teditor_ShortcutEntry::tb_iconIndexChange()
{
    cb_IconIndexType->setEnabled(!tb_iconIndex->text().isEmpty());
}

void Teditor_ShortcutEntry::copyIconFileText(const QString &text)
{
    if (tb_iconFileName->currentText() != text)
        tb_iconFileName->setEditText(text);
    if (be_IconFileName->text() != text)
        be_IconFileName->setText(text);
}

void Teditor_ShortcutEntry::be_IconFileNameButtonClick()
{
    const QString projectFile = Project ? Project->GetFileName() : QString();
    if (const auto chosen = BrowseFileReference(this, projectFile, QStringLiteral("Icon Files (*.ico)|*.ico"),
                                                be_IconFileName->text()))
        be_IconFileName->setText(*chosen);
}

void Teditor_ShortcutEntry::tb_dest_dirButtonClick(QLineEdit *edit)
{
    TPathBuilder builder(this);
    builder.Path = edit->text();
    builder.Project = Project;
    if (m_runDialog(builder) == QDialog::Accepted)
        edit->setText(builder.Path);
}

void Teditor_ShortcutEntry::Button2Click()
{
    QString refusal;
    if (tb_short_filename->text().isEmpty())
        refusal = QStringLiteral("Please specify a filename !");
    else if (cb_target->currentText().isEmpty())
        refusal = QStringLiteral("Please specify a target !");
    else if (tb_dest_dir->text().isEmpty())
        refusal = QStringLiteral("Please specify a destination directory !");
    else if (TntCheckBox1->isChecked() && be_IconFileName->text().isEmpty())
        refusal = QStringLiteral("Please specify a Icon Filename !");
    if (!refusal.isEmpty()) {
        ShowEditorError(this, refusal);
        return;
    }
    accept();
}

} // namespace talmo
