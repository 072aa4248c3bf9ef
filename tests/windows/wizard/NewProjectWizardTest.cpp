#include "helpers/core/PathFolders.h"
#include "helpers/core/PathHelpers.h"
#include "helpers/ui/TntButtonEdit.h"
#include "helpers/ui/TntMRU.h"
#include "model/SetupCatalogueFolder.h"
#include "tests/support/QtPrinters.h"
#include "tests/windows/main/MasterFormTestSupport.h"
#include "windows/wizard/TInstallanionWizard.h"
#include "windows/main/WelcomePage.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace talmo;
using namespace talmo::testing;

namespace {

QByteArray ReadAll(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Touch(const QString &fileName, const QByteArray &content = {})
{
    QDir().mkpath(QFileInfo(fileName).path());
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

class WizardDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        project.CreateNewProject();
        wizard.Container = &project;
        SetMyDocumentsFolderOverride(QStringLiteral("/home/me/Documents"));
        wizard.show();
    }
    void TearDown() override { ClearMyDocumentsFolderOverride(); }

    FakeUiServices ui;
    ScopedCurrentUiServices useUi{ ui };
    TProjectContainer project;
    TInstallanionWizard wizard;
};

} // namespace

TEST_F(WizardDialogTest, ShowingStartsOverWithTheDefaultsAndThePreview)
{
    EXPECT_EQ(wizard.windowTitle(), "Installation Wizard");
    EXPECT_EQ(wizard.currentId(), TInstallanionWizard::WelcomePage);
    EXPECT_EQ(wizard.wizardProvider->text(), "my company");
    EXPECT_EQ(wizard.wizardApplicationName->text(), "my application");
    EXPECT_EQ(wizard.wizardInstallDir->text(), "%CE1%\\%AppName%");
    EXPECT_EQ(wizard.wizardDescription->text(), "Write a small description");
    EXPECT_EQ(wizard.lb_Interpreted->text(), "[ Interpreted: <b>Program Files\\my application</b> ]");
    EXPECT_EQ(wizard.buttonText(QWizard::NextButton), "&Next >");
    EXPECT_EQ(wizard.buttonText(QWizard::BackButton), "< &Back");

    wizard.wizardApplicationName->setText(QStringLiteral("A&B"));
    EXPECT_EQ(wizard.lb_Interpreted->text(), "[ Interpreted: <b>Program Files\\A&amp;B</b> ]");
    wizard.wizardInstallDir->setText(QStringLiteral("%CE2%"));
    EXPECT_EQ(wizard.lb_Interpreted->text(), "[ Interpreted: <b>Windows</b> ]");

    wizard.next();
    wizard.wizardBaseDir->setText(QStringLiteral("/somewhere"));
    wizard.hide();
    wizard.show();
    EXPECT_EQ(wizard.currentId(), TInstallanionWizard::WelcomePage);
    EXPECT_EQ(wizard.wizardBaseDir->text(), "");
}

TEST_F(WizardDialogTest, EachPageStaysUntilItsFieldsAreFilled)
{
    wizard.next();
    ASSERT_EQ(wizard.currentId(), TInstallanionWizard::ApplicationPage);
    wizard.wizardProvider->clear();
    wizard.next();
    EXPECT_EQ(wizard.currentId(), TInstallanionWizard::ApplicationPage);
    wizard.wizardProvider->setText(QStringLiteral("Example Ltd"));
    wizard.wizardApplicationName->setText(QStringLiteral("Hello"));
    wizard.next();
    ASSERT_EQ(wizard.currentId(), TInstallanionWizard::FilesPage);
    EXPECT_EQ(wizard.wizardBaseDir->text(), "/home/me/Documents/Talmo Projects/Hello");

    wizard.next();
    EXPECT_EQ(wizard.currentId(), TInstallanionWizard::FilesPage);
    ui.queueFiles({ QStringLiteral("/src/hello.exe") });
    wizard.JvBitBtn1Click();
    wizard.next();
    ASSERT_EQ(wizard.currentId(), TInstallanionWizard::ProjectPage);

    wizard.wizardDescription->clear();
    wizard.button(QWizard::FinishButton)->click();
    EXPECT_TRUE(wizard.isVisible());
    EXPECT_EQ(ui.shownTexts(), QStringList({ "All the fields must be filled", "At least on file must be defined",
                                             "Base directory and Desciption must be filled ..." }));
    wizard.wizardDescription->setText(QStringLiteral("Says hello"));
    // A folder that exists: a missing one is asked about on Finish.
    const QTemporaryDir baseFolder;
    wizard.wizardBaseDir->setText(baseFolder.path());
    wizard.button(QWizard::FinishButton)->click();
    EXPECT_EQ(wizard.result(), QDialog::Accepted);
}

TEST_F(WizardDialogTest, FilesAreAddedReplacedAndDeleted)
{
    ui.queueFiles({ QStringLiteral("/src/a.exe"), QStringLiteral("/src/b.dll"), QStringLiteral("/lib/c.dll") });
    wizard.JvBitBtn1Click();
    EXPECT_EQ(ui.calls().constLast().request.title, "Select Installation Files");
    EXPECT_TRUE(ui.calls().constLast().request.multipleFiles);
    ASSERT_EQ(wizard.wizardFiles->count(), 3);

    wizard.JvBitBtn2Click();  // nothing selected: no dialog
    EXPECT_EQ(ui.calls().size(), 1);
    wizard.wizardFiles->item(2)->setSelected(true);
    wizard.wizardFiles->item(1)->setSelected(true);
    ui.queueFiles({ QStringLiteral("/src/B.dll"), QStringLiteral("/src/ignored.dll") });
    wizard.JvBitBtn2Click();
    EXPECT_EQ(wizard.wizardFiles->item(1)->text(), "/src/B.dll") << "the first selected row";
    EXPECT_EQ(wizard.wizardFiles->item(2)->text(), "/lib/c.dll");

    ui.queueAnswer(UiButton::No);
    wizard.JvBitBtn3Click();
    EXPECT_EQ(wizard.wizardFiles->count(), 3);
    ui.queueAnswer(UiButton::Yes);
    wizard.JvBitBtn3Click();
    ASSERT_EQ(wizard.wizardFiles->count(), 1);
    wizard.wizardFiles->item(0)->setCheckState(Qt::Checked);

    const WizardAnswers answers = wizard.answers();
    ASSERT_EQ(answers.Files.size(), 1);
    EXPECT_EQ(answers.Files[0].FileName, "/src/a.exe");
    EXPECT_TRUE(answers.Files[0].Checked);
}

namespace {

// The main window's wizard command with the wizard filled in by the test.
class MasterWizardTest : public MasterFormFixture
{
protected:
    void SetUp() override
    {
        MasterFormFixture::SetUp();
        Touch(Path(QStringLiteral("src/hello.exe")), "program");
        Touch(Path(QStringLiteral("src/data/hello.dat")), "data");
        catalogue.SetupLanguageNames = BuiltinSetupLanguageNames();
        baseDir = Path(QStringLiteral("Projects"));
        ASSERT_TRUE(QDir().mkpath(baseDir));
    }

    void FillAndFinish(TInstallanionWizard &wizard)
    {
        wizard.show();
        wizard.next();
        wizard.wizardProvider->setText(QStringLiteral("Example Ltd"));
        wizard.wizardApplicationName->setText(QStringLiteral("Hello"));
        wizard.next();
        ui.queueFiles({ Path(QStringLiteral("src/hello.exe")), Path(QStringLiteral("src/data/hello.dat")) });
        wizard.JvBitBtn1Click();
        wizard.wizardFiles->item(0)->setCheckState(Qt::Checked);
        wizard.next();
        wizard.wizardBaseDir->setText(baseDir);
        wizard.wizardEULA->setText(QStringLiteral("\"") + Path(QStringLiteral("src/licence.txt")) + QStringLiteral("\""));
        wizard.button(QWizard::FinishButton)->click();
    }

    void RunWizard(bool finish)
    {
        Master().runDialog = [this, finish](QDialog &dialog) {
            auto &wizard = dynamic_cast<TInstallanionWizard &>(dialog);
            if (finish)
                FillAndFinish(wizard);
            return dialog.result();
        };
    }

    QString ProjectFile() const { return baseDir + QStringLiteral("/Hello.talmo"); }

    SetupCatalogue catalogue;
    ScopedCurrentSetupCatalogue useCatalogue{ catalogue };
    QString baseDir;
};

} // namespace

TEST_F(MasterWizardTest, TheWizardsProjectIsSavedInItsFolderAndOpened)
{
    RunWizard(true);
    ASSERT_TRUE(Master().commandAction("Wizard1")->isEnabled());
    ASSERT_TRUE(Master().NewProjectFromWizard());
    ASSERT_EQ(ProjectTabCount(), 1);
    TProjectContainer &project = Master().activeProjectForm()->project();
    EXPECT_EQ(project.FileName, ProjectFile());
    EXPECT_FALSE(project.Modified);
    EXPECT_TRUE(ui.shownTexts().isEmpty()) << ui.shownTexts().join(u'|').toStdString();

    TProjectContainer saved;
    ASSERT_TRUE(saved.LoadFromFile(ProjectFile()));
    EXPECT_EQ(saved.AppName, "Hello");
    EXPECT_EQ(saved.CEDevices[0].Disks.Count(), 2);
    EXPECT_EQ(saved.CopyFilesSections.Count(), 2);
    ASSERT_EQ(saved.Languages.Count(), 1);
    EXPECT_EQ(saved.Languages[0].LanguageID, "English");
    EXPECT_EQ(ResolveFileReference(ProjectFile(), saved.Languages[0].EULAFile), Path(QStringLiteral("src/licence.txt")));
    EXPECT_EQ(Master().projectPages()->activePage()->caption(), "Hello.talmo");
    // File > Reopen offers it at once, not only after a restart.
    EXPECT_EQ(Master().recentFiles().items(), QStringList{ ProjectFile() });
    ASSERT_EQ(Master().recentFiles().parentMenu()->actions().size(), 1);
    EXPECT_EQ(Master().recentFiles().parentMenu()->actions().first()->text(), "Hello.talmo");
}

TEST_F(MasterWizardTest, CancelCreatesNothing)
{
    RunWizard(false);
    EXPECT_FALSE(Master().NewProjectFromWizard());
    EXPECT_EQ(ProjectTabCount(), 0);
    EXPECT_FALSE(QFileInfo::exists(ProjectFile()));
    EXPECT_TRUE(ui.calls().isEmpty());
}

TEST_F(MasterWizardTest, NoToTheMissingFolderWritesNothing)
{
    baseDir = Path(QStringLiteral("New"));
    RunWizard(true);
    ui.queueAnswer(UiButton::No);
    EXPECT_FALSE(Master().NewProjectFromWizard());
    EXPECT_EQ(ui.shownTexts(), QStringList{ "Directory not exists. Do you want to create it?" });
    EXPECT_EQ(ProjectTabCount(), 0);
    EXPECT_FALSE(QFileInfo::exists(baseDir));
}

// A No to creating the folder returns to the page with the folder, every
// answer kept; a Yes on the next Finish creates the project from them.
TEST_F(MasterWizardTest, NoToTheMissingFolderReturnsToTheFolderPage)
{
    baseDir = Path(QStringLiteral("New"));
    bool keptOnThePage = false;
    Master().runDialog = [this, &keptOnThePage](QDialog &dialog) {
        auto &wizard = dynamic_cast<TInstallanionWizard &>(dialog);
        ui.queueAnswer(UiButton::No);
        FillAndFinish(wizard);
        keptOnThePage = wizard.isVisible() && wizard.currentId() == TInstallanionWizard::ProjectPage
            && wizard.wizardBaseDir->text() == baseDir && wizard.wizardApplicationName->text() == "Hello"
            && wizard.wizardFiles->count() == 2 && !QFileInfo::exists(baseDir);
        ui.queueAnswer(UiButton::Yes);
        wizard.button(QWizard::FinishButton)->click();
        return dialog.result();
    };
    ASSERT_TRUE(Master().NewProjectFromWizard());
    EXPECT_TRUE(keptOnThePage);
    EXPECT_EQ(ui.shownTexts(), QStringList({ WizardProject::MissingFolderQuestion, WizardProject::MissingFolderQuestion }));
    ASSERT_EQ(ProjectTabCount(), 1);
    TProjectContainer saved;
    ASSERT_TRUE(saved.LoadFromFile(ProjectFile()));
    EXPECT_EQ(saved.AppName, "Hello");
}

TEST_F(MasterWizardTest, NoToReplacingAnExistingProjectLeavesItAlone)
{
    Touch(ProjectFile(), "<older/>");
    RunWizard(true);
    ui.queueAnswer(UiButton::No);
    EXPECT_FALSE(Master().NewProjectFromWizard());
    EXPECT_EQ(ui.shownTexts(), QStringList{ WizardProject::ReplaceFileQuestion(ProjectFile()) });
    EXPECT_EQ(ReadAll(ProjectFile()), "<older/>");
    EXPECT_EQ(ProjectTabCount(), 0);
}

TEST_F(MasterWizardTest, AFailedSaveKeepsTheModifiedProjectOpenAndAnswersFalse)
{
    // A folder where the project file should go cannot be written over, even as root.
    ASSERT_TRUE(QDir().mkpath(ProjectFile()));
    RunWizard(true);
    ui.queueAnswer(UiButton::Yes);
    EXPECT_FALSE(Master().NewProjectFromWizard());
    ASSERT_EQ(ProjectTabCount(), 1);
    EXPECT_TRUE(Master().activeProjectForm()->project().Modified);
    EXPECT_EQ(Master().projectPages()->activePage()->caption(), "Hello.talmo");
    EXPECT_EQ(ui.shownTexts().constLast(), "Error while saving project");
}

TEST_F(MasterWizardTest, TheWelcomeLinkAndTheMenuRunTheWizard)
{
    int shown = 0;
    Master().runDialog = [&shown](QDialog &) {
        ++shown;
        return int(QDialog::Rejected);
    };
    emit Master().welcomePage()->wizardRequested();
    Master().commandAction("Wizard1")->trigger();
    EXPECT_EQ(shown, 2);
}
