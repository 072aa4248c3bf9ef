#include "tests/support/QtPrinters.h"
#include "tests/windows/main/MasterFormTestSupport.h"
#include "widgets/NxPageControl.h"
#include "widgets/NxTabSheet.h"

#include <QFile>
#include <QPointer>
#include <QSignalSpy>

#include <ostream>

using namespace talmo;
using namespace talmo::testing;

namespace {

struct CommandLineCase
{
    const char *label;
    QStringList arguments;  // "%1" stands for the test's folder
    bool headless;
    std::map<QString, int> results;
    int exitCode;
    QStringList runs;
    QStringList messages;
    // No build ran; the program stays open and ends with exitCode when closed.
    bool staysOpen = false;
};

void PrintTo(const CommandLineCase &c, std::ostream *os)
{
    *os << c.label;
}

class MasterFormCommandLineTest : public MasterFormFixture, public ::testing::WithParamInterface<CommandLineCase>
{
protected:
    void WriteFiles()
    {
        WriteProject(QStringLiteral("a.talmo"), QStringLiteral("a"));
        WriteProject(QStringLiteral("sub/b.talmo"), QStringLiteral("b"), 1);
        WriteProject(QStringLiteral("c.talmo"), QStringLiteral("c"));
        WriteManager(QStringLiteral("all.talmopm"), { "a.talmo", "sub\\b.talmo", "c.talmo" });
        WriteManager(QStringLiteral("gap.talmopm"), { "a.talmo", "gone.talmo", "c.talmo" });
        QFile broken(Path(QStringLiteral("broken.talmopm")));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("not a manager");
        QFile brokenProject(Path(QStringLiteral("broken.talmo")));
        ASSERT_TRUE(brokenProject.open(QIODevice::WriteOnly));
        brokenProject.write("not a project");
    }
};

TEST_P(MasterFormCommandLineTest, BuildsAndEndsWithTheResult)
{
    const CommandLineCase &c = GetParam();
    WriteFiles();
    runner.results = c.results;
    TmasterForm &form = Master(c.headless);
    QPointer<TNxTabSheet> welcome = form.welcomeTab();
    QSignalSpy finished(&form, &TmasterForm::commandLineBuildFinished);
    QStringList arguments;
    for (const QString &argument : c.arguments)
        arguments.append(argument.contains(QLatin1String("%1")) ? argument.arg(root.path()) : argument);

    form.RunCommandLine(ProgramCommandLine::Parse(arguments));

    if (c.staysOpen) {
        EXPECT_EQ(finished.count(), 0);
        EXPECT_TRUE(form.isVisible());
    } else {
        ASSERT_EQ(finished.count(), 1);
        EXPECT_EQ(finished.first().first().toInt(), c.exitCode);
    }
    EXPECT_EQ(form.ExitCode(), c.exitCode);
    EXPECT_EQ(runner.runs, c.runs);
    QStringList messages;
    for (const QString &message : c.messages)
        messages.append(message.contains(QLatin1String("%1")) ? message.arg(root.path()) : message);
    EXPECT_EQ(ui.shownTexts(), messages);
    // The Welcome tab is only taken out of the list, never freed.
    ASSERT_FALSE(welcome.isNull());
    form.ShowWelcomePage();
    EXPECT_EQ(form.projectPages()->indexOfPage(welcome), 0);
}

const QString NotBuilt = QStringLiteral("Error while loading/building project");

INSTANTIATE_TEST_SUITE_P(
    Table, MasterFormCommandLineTest,
    ::testing::Values(
        CommandLineCase{ "lowerCaseSwitchBuildsTheProject", { "/b", "%1/a.talmo" }, false, {}, 0, { "a:4", "a:5" }, {} },
        CommandLineCase{ "failingProjectSaysWhy", { "/B", "%1/a.talmo" }, false, { { "a", 2 } }, 2, { "a:4" },
                         { "Project: a.talmo - cabwiz failed" } },
        CommandLineCase{ "silentFailureSaysNothing", { "/BS", "%1/a.talmo" }, false, { { "a", 2 } }, 2, { "a:4" }, {} },
        CommandLineCase{ "missingFileWithADisplayStartsNormallySaysSoAndEndsWith100", { "/B", "%1/none.talmo" }, false,
                         {}, 100, {}, { "File doesn't exists.\n\n%1/none.talmo" }, true },
        CommandLineCase{ "damagedFileWithADisplayStartsNormallyAndEndsWith100", { "/B", "%1/broken.talmo" }, false, {},
                         100, {}, { "Error while loading project !\n\n%1/broken.talmo\n"
                                    "The file is not a Talmo project: it is no XML document." }, true },
        CommandLineCase{ "noFileWithADisplayStartsNormallyAndEndsWith100", { "/B" }, false, {}, 100, {}, {}, true },
        CommandLineCase{ "missingFileHeadlessGives100", { "/BS", "%1/none.talmo" }, true, {}, 100, {}, {} },
        CommandLineCase{ "managerBuildsEveryEntry", { "/B", "%1/all.talmopm" }, false, {}, 0,
                         { "a:4", "a:5", "b:4", "c:4", "c:5" }, {} },
        CommandLineCase{ "managerStopsAtTheFirstFailure", { "/B", "%1/all.talmopm" }, false, { { "b", 5 } }, 5,
                         { "a:4", "a:5", "b:4" }, { "Project: b.talmo - cabwiz failed" } },
        CommandLineCase{ "managerWithAMissingEntryGives100", { "/B", "%1/gap.talmopm" }, false, {}, 100,
                         { "a:4", "a:5" }, { NotBuilt } },
        CommandLineCase{ "silentManagerWithAMissingEntry", { "/BS", "%1/gap.talmopm" }, false, {}, 100,
                         { "a:4", "a:5" }, {} },
        CommandLineCase{ "unreadableManagerWithADisplayStartsNormally", { "/B", "%1/broken.talmopm" }, false, {}, 100,
                         {}, { "Error while loading Project Manager" }, true },
        CommandLineCase{ "unreadableManagerHeadlessGives100", { "/BS", "%1/broken.talmopm" }, true, {}, 100, {}, {} }),
    [](const ::testing::TestParamInfo<CommandLineCase> &info) { return info.param.label; });

TEST_F(MasterFormCommandLineTest, ASilentBuildThatCannotStartEndsWith100AndNoWindow)
{
    QFile broken(Path(QStringLiteral("broken.talmo")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a project");
    broken.close();
    for (const QString &file : { Path(QStringLiteral("none.talmo")), Path(QStringLiteral("broken.talmo")) }) {
        SCOPED_TRACE(file.toStdString());
        TmasterForm form({ pages, nullptr, runner, false });
        QSignalSpy finished(&form, &TmasterForm::commandLineBuildFinished);
        form.RunCommandLine(ProgramCommandLine::Parse({ "/BS", file }));
        ASSERT_EQ(finished.count(), 1);
        EXPECT_EQ(finished.first().first().toInt(), 100);
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(ui.calls().size(), 0);
    }
    // "/B" leaves the program open instead, with its window, to end with 100.
    TmasterForm form({ pages, nullptr, runner, false });
    QSignalSpy finished(&form, &TmasterForm::commandLineBuildFinished);
    form.RunCommandLine(ProgramCommandLine::Parse({ "/B", Path(QStringLiteral("none.talmo")) }));
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.ExitCode(), 100);
}

TEST_F(MasterFormCommandLineTest, AFileWithoutASwitchOpensWithoutBuilding)
{
    const QString project = WriteProject(QStringLiteral("a.talmo"), QStringLiteral("a"));
    QSignalSpy finished(&Master(), &TmasterForm::commandLineBuildFinished);

    Master().RunCommandLine(ProgramCommandLine::Parse({ project }));

    EXPECT_EQ(finished.count(), 0);
    EXPECT_EQ(runner.runs, QStringList());
    ASSERT_NE(Master().activeProjectForm(), nullptr);
    EXPECT_EQ(Master().activeProjectForm()->project().AppName, QStringLiteral("a"));
}

TEST(ProgramCommandLineTest, SwitchesFilesAndThePlatformChoice)
{
    const ProgramCommandLine silent = ProgramCommandLine::Parse({ "/bs", "/x/y.talmo" });
    EXPECT_TRUE(silent.build);
    EXPECT_TRUE(silent.silent);
    EXPECT_EQ(silent.fileName, QStringLiteral("/x/y.talmo"));
    const ProgramCommandLine open = ProgramCommandLine::Parse({ "/x/../z.talmopm" });
    EXPECT_FALSE(open.build);
    EXPECT_EQ(open.fileName, QStringLiteral("/z.talmopm"));
    EXPECT_TRUE(ProgramCommandLine::Parse({ "rel.talmo" }).fileName.startsWith(QLatin1Char('/')));

    struct Case
    {
        QStringList arguments;
        std::map<QString, QString> environment;
        bool offscreen;
    };
    const Case cases[] = {
        { { "/B", "f" }, {}, true },
        { { "/bs", "f" }, {}, true },
        { { "f" }, {}, false },
        { {}, {}, false },
        { { "/B", "f" }, { { "DISPLAY", ":0" } }, false },
        { { "/B", "f" }, { { "WAYLAND_DISPLAY", "wayland-0" } }, false },
        { { "/B", "f" }, { { "QT_QPA_PLATFORM", "xcb" } }, false },
    };
    for (const Case &c : cases) {
        const auto environment = [&c](const char *name) {
            const auto found = c.environment.find(QLatin1String(name));
            return found == c.environment.end() ? QString() : found->second;
        };
        EXPECT_EQ(ProgramCommandLine::NeedsOffscreenPlatform(c.arguments, environment), c.offscreen)
            << c.arguments.join(u' ').toStdString();
    }
}

} // namespace
