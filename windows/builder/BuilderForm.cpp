#include "windows/builder/BuilderForm.h"

#include "engine/cab/BuildStepError.h"
#include "engine/cab/InfFile.h"
#include "helpers/core/PathHelpers.h"
#include "helpers/ui/FontsAndThemes.h"
#include "helpers/ui/TntButtonEdit.h"
#include "helpers/ui/UiServices.h"
#include "model/ProjectContainer.h"
#include "platform/Registry.h"
#include "platform/RegistryReaders.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace talmo {

namespace {

const QString settingsKey = QStringLiteral("Software\\Talmo\\BuilderForm");
const QString autoCloseValue = QStringLiteral("BuildAutoClose");
constexpr int formWidth = 640;
constexpr int heightWithAutoClose = 575;
constexpr int heightWithoutAutoClose = 548;

QPlainTextEdit *newMemo(QWidget *parent, bool readOnly)
{
    auto *memo = new QPlainTextEdit(parent);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    memo->setReadOnly(readOnly);
    return memo;
}

QPushButton *newButton(QWidget *parent, const char *objectName, const QString &text)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoDefault(false);
    return button;
}

} // namespace

TBuilderForm::TBuilderForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("BuilderForm"));
    QFont formFont = font();
    ApplyIconTitleFont(formFont);
    setFont(formFont);
    ApplyVistaFormFont(this);

    createControls();
    connectBuilder();
    m_builder.SetQuestions(&m_questions);
    readAutoClose();
}

TBuilderForm::~TBuilderForm()
{
    writeAutoClose();
}

void TBuilderForm::createControls()
{
    auto *infGroup = new QGroupBox(QStringLiteral("Inf Editor"), this);
    InfEditor = newMemo(infGroup, false);
    InfEditor->setObjectName(QStringLiteral("InfEditor"));
    bt_generate = newButton(infGroup, "bt_generate", QStringLiteral("Auto-generate .inf file"));
    bt_generate->setToolTip(QStringLiteral("Generates the .inf file from the project settings. "
                                           "Will clear any changes made manually to the inf editor."));
    bt_SaveInf = newButton(infGroup, "bt_SaveInf", QStringLiteral("Save .Inf File"));
    auto *infButtons = new QHBoxLayout;
    infButtons->addWidget(bt_generate);
    infButtons->addWidget(bt_SaveInf);
    infButtons->addStretch();
    auto *infLayout = new QVBoxLayout(infGroup);
    infLayout->addWidget(InfEditor);
    infLayout->addLayout(infButtons);

    bt_BuildCabs = newButton(this, "bt_BuildCabs", QStringLiteral("Build CAB(s)"));
    bt_BuildInstallation = newButton(this, "bt_BuildInstallation", QStringLiteral("Build Installation"));
    gui_BuildCabsFirst = new QCheckBox(QStringLiteral("Always Build Cab(s) File(s) before Build Installation"), this);
    gui_BuildCabsFirst->setObjectName(QStringLiteral("gui_BuildCabsFirst"));
    auto *buildButtons = new QHBoxLayout;
    buildButtons->addWidget(bt_BuildCabs);
    buildButtons->addWidget(bt_BuildInstallation);
    buildButtons->addWidget(gui_BuildCabsFirst);
    buildButtons->addStretch();

    auto *logGroup = new QGroupBox(QStringLiteral("Build Log"), this);
    LogMemo = newMemo(logGroup, true);
    LogMemo->setObjectName(QStringLiteral("LogMemo"));
    auto *logLayout = new QVBoxLayout(logGroup);
    logLayout->addWidget(LogMemo);

    Label21 = new QLabel(QStringLiteral("Output path"), this);
    gui_OutputPath = new TTntButtonEdit(this);
    gui_OutputPath->setObjectName(QStringLiteral("gui_OutputPath"));
    Label21->setBuddy(gui_OutputPath);
    bt_OpenFolder = newButton(this, "bt_OpenFolder", QStringLiteral("Open"));
    auto *outputRow = new QHBoxLayout;
    outputRow->addWidget(Label21);
    outputRow->addWidget(gui_OutputPath, 1);
    outputRow->addWidget(bt_OpenFolder);

    cbAutoClose = new QCheckBox(QStringLiteral("Automatically close on successful compile."), this);
    cbAutoClose->setObjectName(QStringLiteral("cbAutoClose"));
    bt_Close = newButton(this, "bt_Close", QStringLiteral("Close"));
    auto *closeRow = new QHBoxLayout;
    closeRow->addWidget(cbAutoClose);
    closeRow->addStretch();
    closeRow->addWidget(bt_Close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(infGroup, 3);
    layout->addLayout(buildButtons);
    layout->addWidget(logGroup, 2);
    layout->addLayout(outputRow);
    layout->addLayout(closeRow);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);
    Timer1->setSingleShot(true);

    connect(bt_generate, &QPushButton::clicked, &m_builder, &BuildController::GenerateInf);
    connect(bt_SaveInf, &QPushButton::clicked, this, &TBuilderForm::saveInfClicked);
    connect(bt_BuildCabs, &QPushButton::clicked, &m_builder, &BuildController::BuildCabs);
    connect(bt_BuildInstallation, &QPushButton::clicked, &m_builder, &BuildController::BuildInstallation);
    connect(bt_OpenFolder, &QPushButton::clicked, &m_builder, &BuildController::OpenOutputFolder);
    connect(bt_Close, &QPushButton::clicked, this, &TBuilderForm::closeOrCancel);
    connect(gui_OutputPath, &TTntButtonEdit::buttonClicked, this, &TBuilderForm::browseOutputPath);
    connect(gui_OutputPath, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (m_builder.Project)
            m_builder.Project->SetOutputPath(text);
        showOutputFolder();
    });
    connect(gui_BuildCabsFirst, &QCheckBox::toggled, this, [this](bool checked) {
        if (m_builder.Project)
            m_builder.Project->SetBuildCabsFirst(checked);
    });
    connect(cbAutoClose, &QCheckBox::toggled, this, [this](bool checked) { m_builder.AutoClose = checked; });
    connect(InfEditor, &QPlainTextEdit::textChanged, this,
            [this] { m_builder.EditInfText(InfEditor->toPlainText()); });
    connect(Timer1, &QTimer::timeout, &m_builder, &BuildController::StartAutomaticStep);
}

void TBuilderForm::connectBuilder()
{
    connect(&m_builder, &BuildController::logCleared, LogMemo, &QPlainTextEdit::clear);
    connect(&m_builder, &BuildController::lineLogged, LogMemo, &QPlainTextEdit::appendPlainText);
    connect(&m_builder, &BuildController::infTextReplaced, this, &TBuilderForm::showInfText);
    connect(&m_builder, &BuildController::activityChanged, this, &TBuilderForm::UpdateControls);
    connect(&m_builder, &BuildController::closeRequested, this, [this] { done(QDialog::Accepted); });
    connect(&m_builder, &BuildController::compileProgressShown, this, &TBuilderForm::showCompileProgress);
    connect(&m_builder, &BuildController::compileProgressChanged, this, &TBuilderForm::updateCompileProgress);
}

void TBuilderForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    resize(formWidth, m_builder.KeepOpen ? heightWithAutoClose : heightWithoutAutoClose);
    cbAutoClose->setVisible(m_builder.KeepOpen);
    TProjectContainer *project = m_builder.Project;
    {
        const QSignalBlocker blockPath(gui_OutputPath);
        const QSignalBlocker blockCabsFirst(gui_BuildCabsFirst);
        gui_OutputPath->setText(project ? project->OutputPath : QString());
        gui_BuildCabsFirst->setChecked(project && project->BuildCabsFirst);
    }
    showOutputFolder();
    showCompileProgress(false);
    m_builder.WindowShown();
    UpdateControls();
    setWindowTitle(QStringLiteral("Builder - ") + (project ? FileNamePart(project->FileName) : QString()));
    Timer1->start();
}

void TBuilderForm::showOutputFolder()
{
    // The box keeps the project's text; where the builds go is shown beside
    // it, also for an empty path, which means the project's own folder.
    const QString folder = m_builder.Project ? ToHostPath(m_builder.OutputFolder()) : QString();
    gui_OutputPath->setPlaceholderText(folder);
    gui_OutputPath->setToolTip(folder);
}

void TBuilderForm::UpdateControls()
{
    const BuildController::Activity activity = m_builder.CurrentActivity();
    const bool idle = activity == BuildController::Activity::Idle;
    const bool cabControls = idle && !m_builder.IsDesktopOnly();
    for (QWidget *control : {static_cast<QWidget *>(InfEditor), static_cast<QWidget *>(bt_generate),
                             static_cast<QWidget *>(bt_SaveInf), static_cast<QWidget *>(bt_BuildCabs),
                             static_cast<QWidget *>(gui_BuildCabsFirst)})
        control->setEnabled(cabControls);
    bt_BuildInstallation->setEnabled(idle);
    gui_OutputPath->setEnabled(idle);
    bt_Close->setEnabled(activity != BuildController::Activity::Compiling);
    bt_Close->setText(activity == BuildController::Activity::RunningCabwiz ? QStringLiteral("Cancel")
                                                                           : QStringLiteral("Close"));
}

void TBuilderForm::closeOrCancel()
{
    if (m_builder.CurrentActivity() == BuildController::Activity::Idle)
        reject();
    else
        m_builder.Cancel();
}

void TBuilderForm::reject()
{
    // Closing while cabwiz runs cancels it; the compile cannot be left at all.
    if (m_builder.CurrentActivity() == BuildController::Activity::RunningCabwiz)
        m_builder.Cancel();
    else if (m_builder.CurrentActivity() == BuildController::Activity::Idle)
        QDialog::reject();
}

void TBuilderForm::done(int result)
{
    Timer1->stop();
    showCompileProgress(false);
    m_builder.WindowClosed();
    QDialog::done(result);
}

void TBuilderForm::showInfText(const QString &text)
{
    const QSignalBlocker block(InfEditor);
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    InfEditor->setPlainText(shown);
}

void TBuilderForm::saveInfClicked()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Save .inf file as");
    request.filter = QStringLiteral("INF Files (*.inf)|*.inf|All Files (*.*)|*.*");
    const std::optional<QString> chosen = UiServices::current().saveFile(this, request);
    if (!chosen)
        return;
    QString fileName = *chosen;
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".inf");
    try {
        SaveInfFile(fileName, m_builder.InfText());
    } catch (const BuildStepError &error) {
        UiServices::current().showMessage(this, UiMessageKind::Error, request.title, error.message());
    }
}

void TBuilderForm::browseOutputPath()
{
    const QString projectFolder = m_builder.Project ? ExtractFileFolder(m_builder.Project->FileName) : QString();
    QString start = gui_OutputPath->text();
    if (IsRelativePath(start))
        start = ResolveRelativePath(projectFolder, start);
    if (!QFileInfo(ToHostPath(start)).isDir())
        start = QStringLiteral("/");
    const std::optional<QString> folder = UiServices::current().pickFolder(this, QStringLiteral("Output Path"), start);
    if (folder)
        gui_OutputPath->setText(MakeRelativePath(projectFolder, *folder));
}

void TBuilderForm::showCompileProgress(bool visible)
{
    if (!visible) {
        if (m_progress)
            m_progress->hide();
        return;
    }
    if (!m_progress) {
        m_progress = new QProgressDialog(this);
        m_progress->setWindowTitle(QStringLiteral("Building Setup Wizard"));
        m_progress->setWindowModality(Qt::NonModal);
        m_progress->setAutoClose(false);
        m_progress->setAutoReset(false);
        m_progress->setMinimumDuration(0);
        connect(m_progress, &QProgressDialog::canceled, &m_builder, &BuildController::Cancel);
    }
    m_progress->setLabelText(QString());
    m_progress->setRange(0, 0);
    m_progress->show();
}

void TBuilderForm::updateCompileProgress(const QString &text, int position, int maximum)
{
    if (!m_progress)
        return;
    m_progress->setLabelText(text);
    if (m_progress->maximum() != maximum)
        m_progress->setMaximum(maximum);
    if (m_progress->value() != position)
        m_progress->setValue(position);
}

void TBuilderForm::readAutoClose()
{
    Registry registry;
    if (!registry.openKey(settingsKey, false))
        return;
    const QSignalBlocker block(cbAutoClose);
    cbAutoClose->setChecked(RegReadBoolDef(registry, autoCloseValue, false));
    m_builder.AutoClose = cbAutoClose->isChecked();
    (void)registry.closeKey();
}

void TBuilderForm::writeAutoClose() const
{
    Registry registry;
    if (!registry.openKey(settingsKey, true))
        return;
    (void)registry.writeInteger(autoCloseValue, cbAutoClose->isChecked() ? 1 : 0);
    (void)registry.closeKey();
}

} // namespace talmo
