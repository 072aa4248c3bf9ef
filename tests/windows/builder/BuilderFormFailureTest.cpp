#include "windows/builder/BuilderForm.h"
#include "helpers/ui/FakeUiServices.h"
#include "platform/ProgramFolder.h"
#include "platform/RegistryMemoryStore.h"
#include "tests/engine/builder/BuilderTestProject.h"
#include "tests/support/QtPrinters.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>

using namespace talmo;
using namespace talmo::testing;

namespace {

struct FailureCase
{
    const char *label;
    std::function<void(BuilderTestProject &, TBuilderForm &)> arrange;
    const char *errorStart;
};

// A failed attended CAB build leaves the window open with its controls
// usable again, whatever the kind of failure.
TEST(BuilderFormFailure, AFailedCabBuildEnablesTheControlsAgain)
{
    const FailureCase cases[] = {
        {"inf file cannot be saved",
         [](BuilderTestProject &device, TBuilderForm &form) {
             form.Builder().SetWorkingFolder(device.Path(QStringLiteral("no such folder")));
         },
         "Fatal Error: "},
        {"cabwiz reports an error",
         [](BuilderTestProject &device, TBuilderForm &) {
             QFile::remove(device.Path(QStringLiteral("project/bin/app.exe")));
         },
         "Error"},
        {"no application name",
         [](BuilderTestProject &device, TBuilderForm &) { device.project.AppName.clear(); },
         "Fatal Error: Please specify a project name !"},
    };
    ProgramFolder::setOverride(QStringLiteral(TALMO_TEST_PROGRAM_DIR));
    RegistryMemoryStore store;
    ScopedCurrentRegistryStore useStore{store};
    for (const FailureCase &c : cases) {
        SCOPED_TRACE(c.label);
        BuilderTestProject device;
        ASSERT_TRUE(QDir().mkpath(device.OutputFolder()));
        FakeUiServices ui;
        ScopedCurrentUiServices useUi{ui};
        TBuilderForm form;
        form.SetProject(&device.project);
        form.Builder().SetWorkingFolder(device.WorkingFolder());
        int steps = 0;
        QObject::connect(&form.Builder(), &BuildController::automaticStepFinished, [&steps] { ++steps; });
        c.arrange(device, form);
        form.SetBuildMode(0);

        form.open();
        ASSERT_TRUE(WaitUntil([&steps] { return steps > 0; }));

        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.ResultCode(), 3);
        EXPECT_TRUE(form.ErrorText().startsWith(QString::fromUtf8(c.errorStart))) << form.ErrorText().toStdString();
        for (const char *name : {"bt_BuildCabs", "bt_BuildInstallation", "bt_generate", "bt_SaveInf", "bt_Close"}) {
            auto *button = form.findChild<QPushButton *>(QString::fromLatin1(name));
            ASSERT_NE(button, nullptr) << name;
            EXPECT_TRUE(button->isEnabled()) << name;
        }
        EXPECT_EQ(form.findChild<QPushButton *>(QStringLiteral("bt_Close"))->text(), QStringLiteral("Close"));
        EXPECT_TRUE(form.findChild<QPlainTextEdit *>(QStringLiteral("InfEditor"))->isEnabled());
        EXPECT_EQ(device.WorkingFiles(), QStringList());
        form.close();
    }
    ProgramFolder::clearOverride();
    QDir::setCurrent(QDir::tempPath());
}

} // namespace
