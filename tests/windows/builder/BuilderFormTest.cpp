#include "windows/builder/BuilderForm.h"
#include "helpers/ui/FakeUiServices.h"
#include "helpers/ui/TntButtonEdit.h"
#include "model/ProjectContainer.h"
#include "platform/ProgramFolder.h"
#include "platform/Registry.h"
#include "platform/RegistryMemoryStore.h"
#include "tests/engine/builder/BuilderTestProject.h"
#include "tests/support/QtPrinters.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <ostream>

bool talmoTestNeedsWidgets()
{
    return true;
}

using namespace talmo;
using namespace talmo::testing;

namespace {

const QString settingsKey = QStringLiteral("Software\\Talmo\\BuilderForm");

class BuilderFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        project.CreateNewProject();
        project.FileName = root.filePath(QStringLiteral("demo.talmo"));
        project.OutputPath = QStringLiteral("out");
        QDir(root.path()).mkpath(QStringLiteral("out"));
        QDir(root.path()).mkpath(QStringLiteral("work"));
        ProgramFolder::setOverride(QStringLiteral(TALMO_TEST_PROGRAM_DIR));
    }

    void TearDown() override
    {
        ProgramFolder::clearOverride();
        QDir::setCurrent(QDir::tempPath());
    }

    // A form for the project, not yet shown.
    std::unique_ptr<TBuilderForm> NewForm()
    {
        auto form = std::make_unique<TBuilderForm>();
        form->SetProject(&project);
        form->Builder().SetSetupBuildStep(&setup);
        form->Builder().SetWorkingFolder(root.filePath(QStringLiteral("work")));
        QObject::connect(&form->Builder(), &BuildController::automaticStepFinished, [this] { ++automaticSteps; });
        return form;
    }

    template <typename Widget>
    static Widget *Control(TBuilderForm &form, const char *name)
    {
        Widget *widget = form.findChild<Widget *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Shows the form without blocking and waits for its automatic step.
    void ShowAndWait(TBuilderForm &form)
    {
        form.open();
        ASSERT_TRUE(WaitUntil([this] { return automaticSteps > 0; }));
    }

    QTemporaryDir root;
    TProjectContainer project;
    RegistryMemoryStore store;
    ScopedCurrentRegistryStore useStore{store};
    FakeUiServices ui;
    ScopedCurrentUiServices useUi{ui};
    FakeSetupStep setup;
    int automaticSteps = 0;
};

struct FormModeCase
{
    const char *label;
    int mode;
    bool keepOpen;
    bool autoClose;
    int stepResult;
    bool staysOpen;
    int setupRuns;
};

void PrintTo(const FormModeCase &c, std::ostream *os)
{
    *os << c.label;
}

class BuilderFormModeTest : public BuilderFormTest, public ::testing::WithParamInterface<FormModeCase>
{
};

TEST_P(BuilderFormModeTest, DesktopOnlyProjectClosesByTheModeRules)
{
    const FormModeCase &c = GetParam();
    project.Win32Only = true;
    setup.result = c.stepResult;
    auto form = NewForm();
    Control<QCheckBox>(*form, "cbAutoClose")->setChecked(c.autoClose);
    form->SetBuildMode(c.mode);
    form->SetKeepOpen(c.keepOpen);
    form->SetRunAfterBuild(c.mode == 5);

    ShowAndWait(*form);

    EXPECT_EQ(form->isVisible(), c.staysOpen);
    EXPECT_EQ(setup.runs, c.setupRuns);
    EXPECT_EQ(form->ResultCode(), c.stepResult);
    EXPECT_FALSE(form->KeepOpen());
    EXPECT_FALSE(form->RunAfterBuild());
    EXPECT_EQ(form->BuildMode(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BuilderFormModeTest,
    ::testing::Values(
        //           label                         mode keep   auto   result open   runs
        FormModeCase{"AttendedStaysOpen",             2, false, false, 0, true, 0},
        FormModeCase{"SetupClosesUnattended",         5, false, false, 0, false, 1},
        FormModeCase{"SetupClosesAfterFailure",       5, false, false, 2, false, 1},
        FormModeCase{"KeepOpenStaysOpen",             5, true, false, 0, true, 1},
        FormModeCase{"KeepOpenAutoCloseCloses",       5, true, true, 0, false, 1},
        FormModeCase{"KeepOpenAutoCloseAfterFailure", 5, true, true, 2, true, 1}),
    [](const ::testing::TestParamInfo<FormModeCase> &info) { return std::string(info.param.label); });

TEST_F(BuilderFormTest, ModalUnattendedBuildReturnsByItself)
{
    project.Win32Only = true;
    auto form = NewForm();
    form->SetBuildMode(5);
    QTimer::singleShot(5000, form.get(), [&form] { form->done(QDialog::Rejected); });  // a safety net only
    EXPECT_EQ(form->exec(), QDialog::Accepted);
    EXPECT_EQ(setup.runs, 1);
    EXPECT_EQ(form->ResultCode(), 0);
}

TEST_F(BuilderFormTest, ModalUnattendedCabBuildLeavesTheCab)
{
    BuilderTestProject device;
    ui.queueAnswer(UiButton::Yes);
    auto form = NewForm();
    form->SetProject(&device.project);
    form->Builder().SetWorkingFolder(device.WorkingFolder());
    form->SetBuildMode(4);
    QTimer::singleShot(5000, form.get(), [&form] { form->done(QDialog::Rejected); });  // a safety net only
    EXPECT_EQ(form->exec(), QDialog::Accepted);
    EXPECT_EQ(form->ResultCode(), 0) << form->Builder().LogLines().join(u'\n').toStdString();
    EXPECT_EQ(device.OutputFiles(), QStringList{"My_App.CAB"});
    EXPECT_EQ(device.WorkingFiles(), QStringList());
    EXPECT_EQ(form->BuildMode(), 4);
}

TEST_F(BuilderFormTest, ShowingADesktopOnlyProject)
{
    project.Win32Only = true;
    auto form = NewForm();
    form->SetKeepOpen(true);
    ShowAndWait(*form);

    EXPECT_EQ(form->height(), 575);
    EXPECT_TRUE(Control<QCheckBox>(*form, "cbAutoClose")->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Builder - demo.talmo"));
    EXPECT_EQ(Control<QPlainTextEdit>(*form, "LogMemo")->toPlainText(),
              QStringLiteral("Builder log\n----------------------------"));
    auto *editor = Control<QPlainTextEdit>(*form, "InfEditor");
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("No CAB Creator Module into Project"));
    EXPECT_FALSE(editor->isEnabled());
    for (const char *name : {"bt_generate", "bt_SaveInf", "bt_BuildCabs"})
        EXPECT_FALSE(Control<QPushButton>(*form, name)->isEnabled()) << name;
    EXPECT_FALSE(Control<QCheckBox>(*form, "gui_BuildCabsFirst")->isEnabled());
    EXPECT_TRUE(Control<QPushButton>(*form, "bt_BuildInstallation")->isEnabled());
    EXPECT_TRUE(Control<TTntButtonEdit>(*form, "gui_OutputPath")->isEnabled());
}

TEST_F(BuilderFormTest, ShowingACabProjectRegeneratesItsInfText)
{
    auto form = NewForm();
    ShowAndWait(*form);
    EXPECT_EQ(form->height(), 548);
    EXPECT_FALSE(Control<QCheckBox>(*form, "cbAutoClose")->isVisible());
    auto *editor = Control<QPlainTextEdit>(*form, "InfEditor");
    EXPECT_TRUE(editor->isEnabled());
    EXPECT_TRUE(editor->toPlainText().startsWith(QStringLiteral("; Automatically generated by Talmo")));
    EXPECT_FALSE(editor->toPlainText().contains(u'\r'));
    EXPECT_FALSE(form->Builder().InfEdited());

    editor->setPlainText(QStringLiteral("[Version]"));
    EXPECT_TRUE(form->Builder().InfEdited());
    form->reject();
    ShowAndWait(*form);
    EXPECT_TRUE(editor->toPlainText().startsWith(QStringLiteral("; Automatically generated by Talmo")));
}

TEST_F(BuilderFormTest, AutoCloseIsKeptInTheRegistry)
{
    {
        Registry registry(store);
        ASSERT_TRUE(registry.openKey(settingsKey, true));
        ASSERT_TRUE(registry.writeInteger(QStringLiteral("BuildAutoClose"), 1));
    }
    auto form = NewForm();
    auto *autoClose = Control<QCheckBox>(*form, "cbAutoClose");
    EXPECT_TRUE(autoClose->isChecked());
    EXPECT_TRUE(form->Builder().AutoClose);
    autoClose->setChecked(false);
    form.reset();

    Registry registry(store);
    ASSERT_TRUE(registry.openKey(settingsKey, false));
    EXPECT_EQ(registry.readInteger(QStringLiteral("BuildAutoClose")), std::optional<qint32>(0));
}

TEST_F(BuilderFormTest, SaveInfWritesTheEditorsTextAsUtf16)
{
    auto form = NewForm();
    ShowAndWait(*form);
    Control<QPlainTextEdit>(*form, "InfEditor")->setPlainText(QStringLiteral("a\nb"));
    const QString chosen = root.filePath(QStringLiteral("saved"));
    ui.queueSaveFile(chosen);
    ui.queueSaveFile(std::nullopt);
    Control<QPushButton>(*form, "bt_SaveInf")->click();
    Control<QPushButton>(*form, "bt_SaveInf")->click();

    ASSERT_EQ(ui.calls().size(), 2);
    EXPECT_EQ(ui.calls()[0].request.title, QStringLiteral("Save .inf file as"));
    QFile saved(chosen + QStringLiteral(".inf"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("\xFF\xFE" "a\0\r\0\n\0b\0\r\0\n\0", 14));
}

TEST_F(BuilderFormTest, TheOutputPathBoxShowsTheFolderTheBuildWrites)
{
    project.OutputPath.clear();
    auto form = NewForm();
    ShowAndWait(*form);
    auto *outputPath = Control<TTntButtonEdit>(*form, "gui_OutputPath");
    EXPECT_EQ(outputPath->text(), QString()) << "the project's own text";
    EXPECT_EQ(outputPath->placeholderText(), root.path());
    EXPECT_EQ(outputPath->toolTip(), root.path());

    outputPath->setText(QStringLiteral("out"));
    EXPECT_EQ(outputPath->toolTip(), root.filePath(QStringLiteral("out")));
    EXPECT_EQ(project.OutputPath, QStringLiteral("out"));
}

TEST_F(BuilderFormTest, OutputPathEditsGoToTheProject)
{
    auto form = NewForm();
    ShowAndWait(*form);
    project.Modified = false;
    auto *outputPath = Control<TTntButtonEdit>(*form, "gui_OutputPath");
    EXPECT_EQ(outputPath->text(), QStringLiteral("out"));

    QDir(root.path()).mkpath(QStringLiteral("cabs/arm"));
    ui.queueFolder(root.filePath(QStringLiteral("cabs/arm")));
    emit outputPath->buttonClicked();
    ASSERT_EQ(ui.calls().size(), 1);
    EXPECT_EQ(ui.calls()[0].title, QStringLiteral("Output Path"));
    EXPECT_EQ(ui.calls()[0].request.folder, root.filePath(QStringLiteral("out")));
    EXPECT_EQ(project.OutputPath, QStringLiteral("cabs\\arm"));
    EXPECT_TRUE(project.Modified);

    Control<QCheckBox>(*form, "gui_BuildCabsFirst")->setChecked(false);
    EXPECT_FALSE(project.BuildCabsFirst);
}

TEST_F(BuilderFormTest, AnsweringNoToTheMissingFolderClosesAnUnattendedBuild)
{
    project.OutputPath = QStringLiteral("missing");
    ui.queueAnswer(UiButton::No);
    auto form = NewForm();
    form->SetBuildMode(4);
    ShowAndWait(*form);

    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->ResultCode(), 3);
    EXPECT_EQ(form->ErrorText(), QStringLiteral("Can't continue without output directory !"));
    ASSERT_EQ(ui.calls().size(), 1);
    EXPECT_EQ(ui.calls()[0].text, QStringLiteral("The output directory does not exists. Do you want to create it ?"));
    EXPECT_EQ(ui.calls()[0].buttons, (UiButtons{UiButton::Yes, UiButton::No}));
}

TEST_F(BuilderFormTest, CancelEndsASlowCabwizAndEnablesTheButtons)
{
    const QString programFolder = root.filePath(QStringLiteral("program"));
    WriteFakeCabwiz(programFolder, "exec sleep 60");
    ProgramFolder::setOverride(programFolder);
    auto form = NewForm();
    auto *close = Control<QPushButton>(*form, "bt_Close");
    auto *buildCabs = Control<QPushButton>(*form, "bt_BuildCabs");
    QString captionWhileRunning;
    bool buildCabsEnabledWhileRunning = true;
    QObject::connect(&form->Builder(), &BuildController::activityChanged, [&](BuildController::Activity activity) {
        if (activity != BuildController::Activity::RunningCabwiz)
            return;
        captionWhileRunning = close->text();
        buildCabsEnabledWhileRunning = buildCabs->isEnabled();
        QTimer::singleShot(0, close, &QPushButton::click);
    });
    form->SetBuildMode(0);
    ShowAndWait(*form);

    EXPECT_EQ(captionWhileRunning, QStringLiteral("Cancel"));
    EXPECT_FALSE(buildCabsEnabledWhileRunning);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->ResultCode(), 9);
    EXPECT_EQ(close->text(), QStringLiteral("Close"));
    EXPECT_TRUE(buildCabs->isEnabled());
    EXPECT_TRUE(Control<QPlainTextEdit>(*form, "InfEditor")->isEnabled());
    EXPECT_EQ(QDir(root.filePath(QStringLiteral("work"))).entryList(QDir::Files), QStringList());
}

} // namespace
