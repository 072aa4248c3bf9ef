#include "engine/setup/SetupBuild.h"
#include "windows/builder/BuilderForm.h"
#include "helpers/ui/DesktopShellServices.h"
#include "helpers/ui/FakeUiServices.h"
#include "platform/ProgramFolder.h"
#include "platform/RegistryMemoryStore.h"
#include "tests/engine/builder/BuilderTestProject.h"
#include "tests/engine/setup/FakeSetupCompiler.h"
#include "tests/support/QtPrinters.h"

#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace talmo;
using namespace talmo::testing;

namespace {

class OneLineScript : public SetupScriptSource
{
public:
    void GenerateScript(TProjectContainer &, QStringList &script, const QString &, const QString &) override
    {
        script << QStringLiteral("[Setup]");
    }
};

// What the window showed while the compile reported progress.
struct WindowDuringCompile
{
    bool progressVisible = false;
    QString progressText;
    int position = -1;
    int maximum = -1;
    bool closeEnabled = true;
    bool buildEnabled = true;
};

// A desktop-only project in the builder window, built with the fake compiler.
class SetupBuildWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fixture.root.isValid());
        fixture.project.Win32Only = true;
        QDir().mkpath(fixture.OutputFolder());
        ProgramFolder::setOverride(QStringLiteral(TALMO_TEST_PROGRAM_DIR));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        FakeSetupCompiler::compileCalls = 0;
        form.SetProject(&fixture.project);
        form.Builder().SetWorkingFolder(fixture.WorkingFolder());
        form.Builder().DefaultSetupBuild().SetScriptSource(&script);
        form.Builder().DefaultSetupBuild().SetEngine(FakeSetupCompiler::Engine());
        QObject::connect(&form.Builder(), &BuildController::automaticStepFinished, [this] { ++automaticSteps; });
        QObject::connect(&form.Builder(), &BuildController::compileProgressChanged, &form, [this] { Observe(); });
    }

    void TearDown() override
    {
        QLocale::setDefault(previousLocale);
        ProgramFolder::clearOverride();
        QDir::setCurrent(QDir::tempPath());
    }

    QProgressDialog *ProgressDialog() { return form.findChild<QProgressDialog *>(); }

    void Observe()
    {
        QProgressDialog *dialog = ProgressDialog();
        ASSERT_NE(dialog, nullptr);
        seen.progressVisible = dialog->isVisible();
        seen.progressText = dialog->labelText();
        seen.position = dialog->value();
        seen.maximum = dialog->maximum();
        seen.closeEnabled = form.findChild<QPushButton *>(QStringLiteral("bt_Close"))->isEnabled();
        seen.buildEnabled = form.findChild<QPushButton *>(QStringLiteral("bt_BuildInstallation"))->isEnabled();
        if (cancelWhenSeen)
            dialog->findChild<QPushButton *>()->click();
    }

    void Build(int mode)
    {
        form.SetBuildMode(mode);
        form.open();
        ASSERT_TRUE(WaitUntil([this] { return automaticSteps > 0; }));
    }

    const QLocale previousLocale;
    BuilderTestProject fixture;
    RegistryMemoryStore store;
    ScopedCurrentRegistryStore useStore{store};
    FakeUiServices ui;
    ScopedCurrentUiServices useUi{ui};
    OneLineScript script;
    TBuilderForm form;
    int automaticSteps = 0;
    bool cancelWhenSeen = false;
    WindowDuringCompile seen;
};

TEST_F(SetupBuildWindowTest, TheProgressDialogShowsTheCompileWhileTheWindowCannotBeClosed)
{
    FakeSetupCompiler::behaviour = [](const TCompileScriptParamsEx &params) {
        FakeSetupCompiler::ReadScript(params);
        FakeSetupCompiler::Idle(params, 50, 100, 3725, 2048000);
        return FakeSetupCompiler::Succeed(params);
    };

    Build(1);

    EXPECT_TRUE(seen.progressVisible);
    EXPECT_EQ(seen.progressText, QStringLiteral(" Remaining: 01:02:05 | KB/sec: 2,000"));
    EXPECT_EQ(seen.position, 50);
    EXPECT_EQ(seen.maximum, 100);
    EXPECT_FALSE(seen.closeEnabled);
    EXPECT_FALSE(seen.buildEnabled);

    EXPECT_EQ(form.ResultCode(), 0);
    EXPECT_FALSE(ProgressDialog()->isVisible());
    EXPECT_TRUE(form.findChild<QPushButton *>(QStringLiteral("bt_Close"))->isEnabled());
    EXPECT_TRUE(form.findChild<QPlainTextEdit *>(QStringLiteral("LogMemo"))->toPlainText().endsWith(
        fixture.OutputFolder() + QStringLiteral("/setup.exe")));
    EXPECT_TRUE(form.isVisible());
}

TEST_F(SetupBuildWindowTest, CancelInTheProgressDialogStopsTheCompile)
{
    FakeSetupCompiler::behaviour = &FakeSetupCompiler::RunUntilAborted;
    cancelWhenSeen = true;

    Build(1);

    EXPECT_EQ(form.ResultCode(), 2);
    EXPECT_EQ(form.ErrorText(), QStringLiteral("Compilation aborted by user"));
    EXPECT_FALSE(ProgressDialog()->isVisible());
    EXPECT_TRUE(form.findChild<QPushButton *>(QStringLiteral("bt_BuildInstallation"))->isEnabled());
    EXPECT_EQ(fixture.OutputFiles(), QStringList());
}

TEST_F(SetupBuildWindowTest, TheBuiltSetupCannotStartHereAndTheWindowSaysSo)
{
    FakeSetupCompiler::behaviour = &FakeSetupCompiler::Succeed;
    fixture.project.SetupExecName = QStringLiteral("setup.exe");
    DesktopShellServices desktop;
    ScopedCurrentShellServices useDesktop(desktop);
    form.SetKeepOpen(true);
    form.SetRunAfterBuild(true);

    Build(5);

    const QString report =
        QStringLiteral("The setup program can't be started on this system: ") + fixture.OutputFolder() + QStringLiteral("/setup.exe");
    EXPECT_EQ(form.ResultCode(), 0);
    EXPECT_EQ(ui.shownTexts(), QStringList{report});
    EXPECT_TRUE(form.findChild<QPlainTextEdit *>(QStringLiteral("LogMemo"))->toPlainText().endsWith(report));
    EXPECT_TRUE(form.isVisible());
}

} // namespace
