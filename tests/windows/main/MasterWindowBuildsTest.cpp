#include "tests/support/QtPrinters.h"
#include "tests/windows/main/ScriptedBuilderRunner.h"
#include "windows/main/BuildFailureText.h"
#include "windows/main/MasterWindowBuilds.h"

#include "model/ProjectManager.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace talmo;
using namespace talmo::testing;

namespace {

// Builds over a scripted builder with projects a, b (open in a tab, as "b
// open") and c on disk, collecting what is reported.
class MasterWindowBuildsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        for (const char *name : { "a", "b", "c" })
            WriteProject(QLatin1String(name));
        open.CreateNewProject();
        open.AppName = QStringLiteral("b open");
        open.FileName = Path(QStringLiteral("b.talmo"));
    }

    QString Path(const QString &name) const { return root.filePath(name); }

    void WriteProject(const QString &name)
    {
        TProjectContainer project;
        project.CreateNewProject();
        project.AppName = name;
        ASSERT_TRUE(project.SaveToFile(Path(name + QStringLiteral(".talmo"))));
    }

    // A list of the named entries, saved when given a file name.
    void List(TProjectManager &manager, const QStringList &names, const QString &fileName = {})
    {
        for (const QString &name : names)
            manager.Entries.AddNew().FileName = name + QStringLiteral(".talmo");
        if (!fileName.isEmpty()) {
            ASSERT_TRUE(manager.SaveToFile(Path(fileName)));
        }
    }

    QTemporaryDir root;
    ScriptedBuilderRunner runner;
    TProjectContainer open;
    QStringList reported;
    MasterWindowBuilds builds{ runner,
                               [this](const QString &fileName) {
                                   return fileName == open.FileName ? &open : nullptr;
                               },
                               [this](const QString &text) { reported.append(text); } };
};

TEST_F(MasterWindowBuildsTest, TheBuilderWindowAndTheAutomaticBuildOfAProject)
{
    builds.buildSetup(open, true);
    builds.showBuilder(open);
    QList<std::tuple<int, bool, bool>> requests;
    for (const BuilderRequest &request : runner.requests)
        requests.append({ request.mode, request.keepOpen, request.runAfterBuild });
    EXPECT_EQ(requests, (QList<std::tuple<int, bool, bool>>{ { 5, true, true }, { 2, false, false } }));

    runner.results[QStringLiteral("b open")] = 2;
    EXPECT_EQ(builds.buildAutomatically(open, true), 2);
    EXPECT_EQ(reported, QStringList());
    EXPECT_EQ(builds.buildAutomatically(open, false), 2);
    EXPECT_EQ(reported, QStringList{ QStringLiteral("Project: b.talmo - cabwiz failed") });
}

TEST_F(MasterWindowBuildsTest, BuildAllGoesPastUnreadableEntriesAndStopsAtAFailedBuild)
{
    TProjectManager manager;
    manager.FileName = Path(QStringLiteral("all.talmopm"));
    List(manager, { "gone", "a", "b", "c" });
    runner.results[QStringLiteral("b open")] = 5;

    builds.buildAllEntries(manager);

    EXPECT_EQ(runner.runs, (QStringList{ "a:4", "a:5", "b open:4" }));
    EXPECT_EQ(reported, (QStringList{ BuildFailureText::NotBuilt, "Project: b.talmo - cabwiz failed" }));
}

TEST_F(MasterWindowBuildsTest, OneEntryIsReportedOnlyWhenItFails)
{
    TProjectManager manager;
    manager.FileName = Path(QStringLiteral("all.talmopm"));
    List(manager, { "a", "gone" });

    builds.buildEntry(manager, 0, EntryBuildKind::Cabs);
    const BuildOutcome missing = builds.buildEntry(manager, 1, EntryBuildKind::Cabs);

    EXPECT_EQ(runner.runs, QStringList{ "a:4" });
    EXPECT_EQ(missing.resultCode, ProjectNotBuiltResult);
    EXPECT_EQ(reported, QStringList{ BuildFailureText::NotBuilt });
}

TEST_F(MasterWindowBuildsTest, AListFileStopsAtAnyFailureAndReportsOnlyWhenAsked)
{
    TProjectManager manager;
    List(manager, { "a", "gone", "c" }, QStringLiteral("gap.talmopm"));

    EXPECT_EQ(builds.buildListFile(Path(QStringLiteral("gap.talmopm")), false), ProjectNotBuiltResult);
    EXPECT_EQ(reported, QStringList());
    EXPECT_EQ(builds.buildListFile(Path(QStringLiteral("gap.talmopm")), true), ProjectNotBuiltResult);
    EXPECT_EQ(reported, QStringList{ BuildFailureText::NotBuilt });
    EXPECT_EQ(runner.runs, (QStringList{ "a:4", "a:5", "a:4", "a:5" }));

    EXPECT_EQ(builds.buildListFile(Path(QStringLiteral("none.talmopm")), true), ProjectNotBuiltResult);
    EXPECT_EQ(reported.size(), 1) << "an unreadable list reports nothing";
}

} // namespace
