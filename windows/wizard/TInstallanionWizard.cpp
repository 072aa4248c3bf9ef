#include "windows/wizard/TInstallanionWizard.h"

#include "editors/common/EditorMessages.h"
#include "helpers/ui/FontsAndThemes.h"
#include "helpers/ui/TntButtonEdit.h"
#include "helpers/ui/UiServices.h"
#include "model/ProjectContainer.h"
#include "windows/main/ProgramInfo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <functional>

namespace talmo {

namespace {

const QString WelcomeText = QStringLiteral(
    "This wizard will guide you through the process of creating a new Talmo Project. the results will be used to "
    "generate a new project which can be compiled directly or saved on disk for later use.\n\n"
    "Not all features of Talmo are covered by this wizard. See the documentation for details on creating Projects "
    "Files.\n\n"
    "Click Next to continue, or Cancel to exit this wizard.");

const QString FolderMacrosLeft = QStringLiteral(
    "%CE1% = Program Files\n%CE2% = Windows\n%CE4% = Windows\\StartUp\n%CE5% = My Documents\n"
    "%CE8% = Program Files\\Games");
const QString FolderMacrosRight = QStringLiteral(
    "%CE11% = Windows\\Start Menu\\Programs\n%CE14% = Windows\\Start Menu\\Programs\\Games\n"
    "%CE15% = Windows\\Fonts\n%CE17% = Windows\\Start Menu");

// A page whose Next or Finish asks the wizard first.
class CheckedPage : public QWizardPage
{
public:
    CheckedPage(const QString &title, std::function<bool()> check)
        : m_check(std::move(check))
    {
        setTitle(title);
    }
    bool validatePage() override { return !m_check || m_check(); }

private:
    std::function<bool()> m_check;
};

QLabel *hintLabel(const QString &text)
{
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    QFont small = label->font();
    small.setItalic(true);
    label->setFont(small);
    return label;
}

void addField(QVBoxLayout *column, const QString &caption, QWidget *field, const QString &hint = QString())
{
    auto *label = new QLabel(caption);
    label->setBuddy(field);
    column->addWidget(label);
    column->addWidget(field);
    if (!hint.isEmpty())
        column->addWidget(hintLabel(hint));
}

} // namespace

TInstallanionWizard::TInstallanionWizard(QWidget *parent)
    : QWizard(parent)
    , wizardProvider(new QLineEdit)
    , wizardApplicationName(new QLineEdit)
    , wizardInstallDir(new QLineEdit)
    , lb_Interpreted(new QLabel(QStringLiteral("Installation Directory: ")))
    , wizardFiles(new QListWidget)
    , JvBitBtn1(new QPushButton(QStringLiteral("Add")))
    , JvBitBtn2(new QPushButton(QStringLiteral("Edit")))
    , JvBitBtn3(new QPushButton(QStringLiteral("Delete")))
    , wizardBaseDir(new TTntButtonEdit)
    , wizardEULA(new TTntButtonEdit)
    , wizardReadme(new TTntButtonEdit)
    , wizardDescription(new QLineEdit)
{
    setObjectName(QStringLiteral("InstallanionWizard"));
    setWindowTitle(QStringLiteral("Installation Wizard"));
    ApplyVistaFormFont(this);
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage);
    setButtonText(QWizard::BackButton, QStringLiteral("< &Back"));
    setButtonText(QWizard::NextButton, QStringLiteral("&Next >"));
    setButtonText(QWizard::FinishButton, QStringLiteral("&Finish"));
    setButtonText(QWizard::CancelButton, QStringLiteral("Cancel"));
    const std::pair<QWidget *, const char *> names[] = {
        { wizardProvider, "wizardProvider" },       { wizardApplicationName, "wizardApplicationName" },
        { wizardInstallDir, "wizardInstallDir" },   { lb_Interpreted, "lb_Interpreted" },
        { wizardFiles, "wizardFiles" },             { JvBitBtn1, "JvBitBtn1" },
        { JvBitBtn2, "JvBitBtn2" },                 { JvBitBtn3, "JvBitBtn3" },
        { wizardBaseDir, "wizardBaseDir" },         { wizardEULA, "wizardEULA" },
        { wizardReadme, "wizardReadme" },           { wizardDescription, "wizardDescription" },
    };
    for (const auto &[widget, name] : names)
        widget->setObjectName(QLatin1String(name));

    setPage(WelcomePage, createWelcomePage());
    setPage(ApplicationPage, createApplicationPage());
    setPage(FilesPage, createFilesPage());
    setPage(ProjectPage, createProjectPage());
    resize(560, 440);

    connect(wizardApplicationName, &QLineEdit::textChanged, this, &TInstallanionWizard::wizardApplicationNameChange);
    connect(wizardInstallDir, &QLineEdit::textChanged, this, &TInstallanionWizard::wizardApplicationNameChange);
    connect(JvBitBtn1, &QPushButton::clicked, this, &TInstallanionWizard::JvBitBtn1Click);
    connect(JvBitBtn2, &QPushButton::clicked, this, &TInstallanionWizard::JvBitBtn2Click);
    connect(JvBitBtn3, &QPushButton::clicked, this, &TInstallanionWizard::JvBitBtn3Click);
    connect(wizardBaseDir, &TTntButtonEdit::buttonClicked, this, [this] {
        if (const std::optional<QString> folder = UiServices::current().pickFolder(
                this, QStringLiteral("Base Directory"), wizardBaseDir->text()))
            wizardBaseDir->setText(*folder);
    });
    connect(wizardEULA, &TTntButtonEdit::buttonClicked, this, [this] { browseTextFile(wizardEULA); });
    connect(wizardReadme, &TTntButtonEdit::buttonClicked, this, [this] { browseTextFile(wizardReadme); });
}

QWizardPage *TInstallanionWizard::createWelcomePage()
{
    auto *page = new CheckedPage(QStringLiteral("Welcome"), nullptr);
    auto *text = new QLabel(WelcomeText);
    text->setWordWrap(true);
    auto *column = new QVBoxLayout(page);
    column->addWidget(text);
    column->addStretch();
    return page;
}

QWizardPage *TInstallanionWizard::createApplicationPage()
{
    auto *page = new CheckedPage(QStringLiteral("Application"), [this] { return JvWizardInteriorPage1NextButtonClick(); });
    auto *column = new QVBoxLayout(page);
    addField(column, QStringLiteral("Provider"), wizardProvider,
             QStringLiteral("The name of the company that created the application."));
    addField(column, QStringLiteral("Application Name"), wizardApplicationName,
             QStringLiteral("The name of the application. You can use this string anywhere in the project using the "
                            "%AppName% variable."));
    addField(column, QStringLiteral("Installation Directory"), wizardInstallDir,
             QStringLiteral("The name of the default installation directory. You can use this string anywhere in "
                            "the project using the %InstallDir% variable."));
    lb_Interpreted->setTextFormat(Qt::RichText);
    column->addWidget(lb_Interpreted);
    auto *macros = new QHBoxLayout;
    macros->addWidget(hintLabel(FolderMacrosLeft));
    macros->addWidget(hintLabel(FolderMacrosRight));
    column->addLayout(macros);
    column->addStretch();
    return page;
}

QWizardPage *TInstallanionWizard::createFilesPage()
{
    auto *page = new CheckedPage(QStringLiteral("Installation Files"),
                                 [this] { return JvWizardInteriorPage2NextButtonClick(); });
    wizardFiles->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(JvBitBtn1);
    buttons->addWidget(JvBitBtn2);
    buttons->addWidget(JvBitBtn3);
    auto *column = new QVBoxLayout(page);
    column->addWidget(new QLabel(QStringLiteral("Installation Files")));
    column->addWidget(wizardFiles, 1);
    column->addWidget(new QLabel(QStringLiteral("Create a shortcut entry for the checked items.")));
    column->addLayout(buttons);
    return page;
}

QWizardPage *TInstallanionWizard::createProjectPage()
{
    auto *page = new CheckedPage(QStringLiteral("Project"), [this] { return JvWizardInteriorPage3FinishButtonClick(); });
    page->setFinalPage(true);
    auto *column = new QVBoxLayout(page);
    addField(column, QStringLiteral("Base Directory"), wizardBaseDir,
             QStringLiteral("The directory where resists the Project File and where the output files will be "
                            "created."));
    addField(column, QStringLiteral("EULA File"), wizardEULA);
    addField(column, QStringLiteral("Readme File"), wizardReadme);
    addField(column, QStringLiteral("Application Description"), wizardDescription);
    column->addStretch();
    return page;
}

void TInstallanionWizard::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QWizard::showEvent(event);
}

void TInstallanionWizard::FormShow()
{
    restart();
    wizardProvider->setText(QStringLiteral("my company"));
    wizardApplicationName->setText(QStringLiteral("my application"));
    wizardInstallDir->setText(QStringLiteral("%CE1%\\%AppName%"));
    wizardDescription->setText(QStringLiteral("Write a small description"));
    wizardBaseDir->clear();
    wizardEULA->clear();
    wizardReadme->clear();
    wizardFiles->clear();
    wizardApplicationNameChange();
}

void TInstallanionWizard::wizardApplicationNameChange()
{
    if (!Container)
        return;
    lb_Interpreted->setText(
        WizardProject::PreviewHtml(*Container, wizardInstallDir->text(), wizardApplicationName->text()));
}

QStringList TInstallanionWizard::chooseFiles(bool multiple)
{
    FileDialogRequest request;
    request.title = QStringLiteral("Select Installation Files");
    request.multipleFiles = multiple;
    return UiServices::current().openFiles(this, request);
}

void TInstallanionWizard::appendFile(const QString &fileName)
{
    auto *item = new QListWidgetItem(fileName, wizardFiles);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
}

void TInstallanionWizard::JvBitBtn1Click()
{
    for (const QString &file : chooseFiles(true))
        appendFile(file);
}

void TInstallanionWizard::JvBitBtn2Click()
{
    QList<QListWidgetItem *> chosen = wizardFiles->selectedItems();
    if (chosen.isEmpty())
        return;
    std::sort(chosen.begin(), chosen.end(),
              [this](QListWidgetItem *a, QListWidgetItem *b) { return wizardFiles->row(a) < wizardFiles->row(b); });
    const QStringList files = chooseFiles(true);
    if (!files.isEmpty())
        chosen.first()->setText(files.first());
}

void TInstallanionWizard::JvBitBtn3Click()
{
    const QList<QListWidgetItem *> chosen = wizardFiles->selectedItems();
    if (chosen.isEmpty() || !ConfirmEditorAction(this, QStringLiteral("Are you sure?")))
        return;
    qDeleteAll(chosen);
}

void TInstallanionWizard::browseTextFile(TTntButtonEdit *edit)
{
    FileDialogRequest request;
    request.fileName = edit->text();
    const QStringList files = UiServices::current().openFiles(this, request);
    if (!files.isEmpty())
        edit->setText(files.first());
}

bool TInstallanionWizard::JvWizardInteriorPage1NextButtonClick()
{
    if (wizardApplicationName->text().isEmpty() || wizardProvider->text().isEmpty()
        || wizardInstallDir->text().isEmpty()) {
        ShowEditorError(this, FieldsMissingMessage);
        return false;
    }
    if (wizardBaseDir->text().isEmpty())
        wizardBaseDir->setText(WizardProject::DefaultBaseDir(wizardApplicationName->text()));
    return true;
}

bool TInstallanionWizard::JvWizardInteriorPage2NextButtonClick()
{
    if (wizardFiles->count() == 0) {
        ShowEditorError(this, FilesMissingMessage);
        return false;
    }
    return true;
}

bool TInstallanionWizard::JvWizardInteriorPage3FinishButtonClick()
{
    if (wizardBaseDir->text().isEmpty() || wizardDescription->text().isEmpty()) {
        ShowEditorError(this, BaseMissingMessage);
        return false;
    }
    // Asked here rather than after the wizard closed, so that a No (or a
    // folder that cannot be made) leaves every answer on screen to correct.
    const WizardProjectOutcome folder = WizardProject::PrepareFolder(answers(), [this](const QString &question) {
        return UiServices::current().ask(this, ProgramInfo::Name, question, { UiButton::Yes, UiButton::No })
            == UiButton::Yes;
    });
    if (folder.kind == WizardProjectOutcome::Failed)
        ShowEditorError(this, folder.error);
    return folder.kind == WizardProjectOutcome::Created;
}

WizardAnswers TInstallanionWizard::answers() const
{
    WizardAnswers answers;
    answers.Provider = wizardProvider->text();
    answers.ApplicationName = wizardApplicationName->text();
    answers.InstallDir = wizardInstallDir->text();
    for (int row = 0; row < wizardFiles->count(); ++row) {
        const QListWidgetItem *item = wizardFiles->item(row);
        answers.Files.append({ item->text(), item->checkState() == Qt::Checked });
    }
    answers.BaseDir = wizardBaseDir->text();
    answers.EulaFile = wizardEULA->text();
    answers.ReadmeFile = wizardReadme->text();
    answers.Description = wizardDescription->text();
    return answers;
}

} // namespace talmo
