#include "engine/builder/AutomaticBuild.h"
#include "model/ProjectContainer.h"
#include "model/ProjectManager.h"
#include "platform/HostPath.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <ostream>

using namespace talmo;

namespace {

// Records each showing of the builder and ends it with the result scripted
// for the project's application name and the mode.
class ScriptedRunner : public IBuilderRunner
{
public:
    BuildOutcome run(const BuilderRequest &request) override
    {
        runs.append(request.project->AppName + QLatin1Char(':') + QString::number(request.mode));
        const auto found = results.find({ request.project->AppName, request.mode });
        const int code = found == results.end() ? 0 : found->second;
        return { code, code ? QStringLiteral("step failed") : QString() };
    }

    std::map<std::pair<QString, int>, int> results;
    QStringList runs;
};

struct StepCase
{
    const char *label;
    bool desktopOnly;
    int storedMode;
    int cabResult;
    QStringList runs;
    int result;
};

void PrintTo(const StepCase &c, std::ostream *os)
{
    *os << c.label;
}

class AutomaticStepsTest : public ::testing::TestWithParam<StepCase>
{
};

TEST_P(AutomaticStepsTest, RunsTheStepsOfTheProjectsModeAndStopsAtAFailure)
{
    const StepCase &c = GetParam();
    TProjectContainer project;
    project.AppName = QStringLiteral("p");
    project.Win32Only = c.desktopOnly;
    project.DefaultBuildMode = c.storedMode;
    ScriptedRunner runner;
    runner.results[{ QStringLiteral("p"), BuilderModeCabs }] = c.cabResult;

    const BuildOutcome outcome = RunAutomaticBuild(runner, project);

    EXPECT_EQ(runner.runs, c.runs);
    EXPECT_EQ(outcome.resultCode, c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, AutomaticStepsTest,
    ::testing::Values(
        StepCase{ "both", false, 0, 0, { "p:4", "p:5" }, 0 },
        StepCase{ "bothStopsAfterFailedCabs", false, 0, 2, { "p:4" }, 2 },
        StepCase{ "cabsOnly", false, 1, 0, { "p:4" }, 0 },
        StepCase{ "desktopOnlyWithModeZero", true, 0, 0, { "p:5" }, 0 },
        StepCase{ "desktopOnlyWithModeOne", true, 1, 0, { "p:5" }, 0 },
        StepCase{ "unknownModeBuildsNothing", false, 7, 0, {}, 3 }),
    [](const ::testing::TestParamInfo<StepCase> &info) { return info.param.label; });

TEST(AutomaticBuildTest, AnUnknownModeIsNamedInTheErrorText)
{
    TProjectContainer project;
    project.DefaultBuildMode = 7;
    ScriptedRunner runner;
    EXPECT_EQ(RunAutomaticBuild(runner, project).errorText, QStringLiteral("Unknown automatic build mode 7"));
}

TEST(AutomaticBuildTest, EntryKindsPickTheirSteps)
{
    TProjectContainer project;
    project.DefaultBuildMode = 1;
    const std::pair<EntryBuildKind, QList<int>> cases[] = {
        { EntryBuildKind::Cabs, { 4 } },
        { EntryBuildKind::Setup, { 5 } },
        { EntryBuildKind::Both, { 4, 5 } },
        { EntryBuildKind::Automatic, { 4 } },
    };
    for (const auto &[kind, steps] : cases)
        EXPECT_EQ(EntryBuildSteps(project, kind), steps) << int(kind);
    project.Win32Only = true;
    EXPECT_EQ(EntryBuildSteps(project, EntryBuildKind::Automatic), QList<int>{ 5 });
}

// A manager file in a folder with projects "a", "b" and "c" beside it; each
// project's application name is its letter.
class ManagerBuildTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        QDir(root.path()).mkpath(QStringLiteral("projects"));
        manager.FileName = root.filePath(QStringLiteral("all.talmopm"));
    }

    void AddProject(const QString &name, bool onDisk = true)
    {
        if (onDisk) {
            TProjectContainer project;
            project.CreateNewProject();
            project.AppName = name;
            ASSERT_TRUE(project.SaveToFile(root.filePath(QStringLiteral("projects/") + name + QStringLiteral(".talmo"))));
        }
        manager.Entries.AddNew().FileName = QStringLiteral("projects\\") + name + QStringLiteral(".talmo");
    }

    BuildOutcome BuildAll(ProjectManagerBuild::StopRule rule, QList<int> *reported = nullptr)
    {
        ProjectManagerBuild build(manager, runner, [this](const QString &fileName) -> TProjectContainer * {
            return openProject.FileName == fileName ? &openProject : nullptr;
        });
        return build.BuildAll(rule, [reported](int index, const BuildOutcome &) {
            if (reported)
                reported->append(index);
        });
    }

    QTemporaryDir root;
    TProjectManager manager;
    ScriptedRunner runner;
    TProjectContainer openProject;
};

TEST_F(ManagerBuildTest, CommandLineStopsAtTheFirstFailureWithItsCode)
{
    AddProject(QStringLiteral("a"));
    AddProject(QStringLiteral("b"));
    AddProject(QStringLiteral("c"));
    runner.results[{ QStringLiteral("b"), BuilderModeSetup }] = 2;
    QList<int> reported;

    const BuildOutcome outcome = BuildAll(ProjectManagerBuild::StopRule::AnyFailure, &reported);

    EXPECT_EQ(outcome.resultCode, 2);
    EXPECT_EQ(runner.runs, (QStringList{ "a:4", "a:5", "b:4", "b:5" }));
    EXPECT_EQ(reported, QList<int>{ 1 });
}

TEST_F(ManagerBuildTest, AMissingEntryGives100AndStopsTheCommandLineBuild)
{
    AddProject(QStringLiteral("a"));
    AddProject(QStringLiteral("gone"), false);
    AddProject(QStringLiteral("c"));

    EXPECT_EQ(BuildAll(ProjectManagerBuild::StopRule::AnyFailure).resultCode, ProjectNotBuiltResult);
    EXPECT_EQ(runner.runs, (QStringList{ "a:4", "a:5" }));
}

TEST_F(ManagerBuildTest, BuildAllGoesOnAfterAnUnreadableEntryButStopsAtAFailedBuild)
{
    AddProject(QStringLiteral("a"));
    AddProject(QStringLiteral("gone"), false);
    AddProject(QStringLiteral("c"));
    AddProject(QStringLiteral("d"));
    runner.results[{ QStringLiteral("c"), BuilderModeCabs }] = 1;
    QList<int> reported;

    const BuildOutcome outcome = BuildAll(ProjectManagerBuild::StopRule::BuildFailure, &reported);

    EXPECT_EQ(runner.runs, (QStringList{ "a:4", "a:5", "c:4" }));
    EXPECT_EQ(reported, (QList<int>{ 1, 2 }));
    EXPECT_EQ(outcome.resultCode, 1);
}

TEST_F(ManagerBuildTest, AllEntriesBuiltGivesZero)
{
    AddProject(QStringLiteral("a"));
    AddProject(QStringLiteral("b"));
    EXPECT_EQ(BuildAll(ProjectManagerBuild::StopRule::AnyFailure).resultCode, 0);
    EXPECT_EQ(runner.runs.size(), 4);
}

TEST_F(ManagerBuildTest, AnOpenProjectWinsOverItsFileOnDisk)
{
    AddProject(QStringLiteral("a"));
    openProject.AppName = QStringLiteral("unsaved");
    openProject.DefaultBuildMode = 1;
    openProject.FileName = ProjectManagerBuild::EntryPath(manager, 0);

    ProjectManagerBuild build(manager, runner, [this](const QString &fileName) -> TProjectContainer * {
        return fileName == openProject.FileName ? &openProject : nullptr;
    });
    EXPECT_EQ(build.BuildEntry(0, EntryBuildKind::Automatic).resultCode, 0);
    EXPECT_EQ(runner.runs, QStringList{ "unsaved:4" });
}

TEST_F(ManagerBuildTest, RelativeEntriesResolveAgainstTheManagersFolder)
{
    AddProject(QStringLiteral("a"));
    manager.Entries.AddNew().FileName = QStringLiteral("/elsewhere/b.talmo");
    EXPECT_EQ(QDir::cleanPath(ToHostPath(ProjectManagerBuild::EntryPath(manager, 0))),
              root.filePath(QStringLiteral("projects/a.talmo")));
    EXPECT_EQ(ProjectManagerBuild::EntryPath(manager, 1), QStringLiteral("/elsewhere/b.talmo"));
}

TEST(HostPathKeyTest, SameFileThroughDotsAndBackslashesButNotThroughCase)
{
    EXPECT_TRUE(IsSameHostFile(QStringLiteral("/tmp/x/../p/a.talmo"), QStringLiteral("/tmp/p\\a.talmo")));
    EXPECT_FALSE(IsSameHostFile(QStringLiteral("/tmp/p/a.talmo"), QStringLiteral("/tmp/p/A.talmo")));
    EXPECT_FALSE(IsSameHostFile(QString(), QString()));
}

} // namespace
