#include "windows/main/CommandLineRun.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

ProgramCommandLine Line(const QStringList &arguments)
{
    return ProgramCommandLine::Parse(arguments);
}

TEST(CommandLineRun, TheFileAndTheSwitchChooseTheRun)
{
    using Kind = CommandLineRun::Kind;
    const struct
    {
        QStringList arguments;
        Kind kind;
        bool windowAtOnce;
        bool reports;
    } cases[] = {
        { { "a.talmo" }, Kind::Open, true, true },
        { { "/B", "a.talmo" }, Kind::BuildProject, true, true },
        { { "/bs", "a.TALMO" }, Kind::BuildProject, false, false },
        { { "/B", "list.talmopm" }, Kind::BuildProjectManager, true, true },
        { { "/BS", "list.talmopm" }, Kind::BuildProjectManager, false, false },
    };
    for (const auto &c : cases) {
        const CommandLineRun run(Line(c.arguments), false);
        EXPECT_EQ(run.kind(), c.kind) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.showsWindowAtOnce(), c.windowAtOnce) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.reportsFailures(), c.reports) << c.arguments.join(' ').toStdString();
    }
}

TEST(CommandLineRun, MessagesAndTheEndOfABuildThatCannotStart)
{
    using Messages = UnattendedUiServices::Messages;
    const struct
    {
        const char *name;
        QStringList arguments;
        bool headless;
        Messages messages;
        bool keepsRunning;
        QString told;
    } cases[] = {
        { "/B with a display starts as usual", { "/B", "gone.talmo" }, false, Messages::Dialogs, true, {} },
        { "/BS with a display fails quietly", { "/BS", "gone.talmo" }, false, Messages::None, false, {} },
        { "/B without a display says why", { "/B", "gone.talmo" }, true, Messages::StandardError, false,
          "cannot build " },
        { "/BS without a display says why too", { "/BS", "gone.talmo" }, true, Messages::None, false,
          "cannot build " },
        { "no file named", { "/B" }, true, Messages::StandardError, false, "no file to build" },
    };
    for (const auto &c : cases) {
        const ProgramCommandLine line = Line(c.arguments);
        const CommandLineRun run(line, c.headless);
        EXPECT_EQ(run.messages(), c.messages) << c.name;
        EXPECT_FALSE(run.fileExists()) << c.name;
        EXPECT_EQ(run.keepsRunningWhenNotOpened(), c.keepsRunning) << c.name;
        const QString expected = c.told == QLatin1String("cannot build ") ? c.told + line.fileName : c.told;
        EXPECT_EQ(run.standardErrorWhenNotOpened(), expected) << c.name;
    }
}

TEST(CommandLineRun, OnlyAFileThatIsThereExists)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString project = folder.filePath(QStringLiteral("a.talmo"));
    QFile file(project);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(CommandLineRun(Line({ "/B", project }), false).fileExists());
    EXPECT_FALSE(CommandLineRun(Line({ "/B", folder.path() }), false).fileExists());
    EXPECT_FALSE(CommandLineRun(Line({}), false).fileExists());
}

} // namespace
