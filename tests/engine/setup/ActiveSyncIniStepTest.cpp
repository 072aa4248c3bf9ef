#include "engine/setup/ActiveSyncIniStep.h"
#include "engine/setup/WorkingIniFiles.h"
#include "model/ProjectContainer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace talmo;

namespace {

// A project with a CAB creator, a .NET CF2 module, a SQL Mobile module and two CAB collections.
void fillProject(TProjectContainer &project, bool desktopOnly)
{
    project.AppName = QStringLiteral("App");
    project.Win32AppName = QStringLiteral("App");
    project.Win32Only = desktopOnly;
    project.PluginContainers.AddNew().Type = TPluginContainer::NetCF2Type;
    project.PluginContainers.AddNew().Type = TPluginContainer::SqlMobileType;
    project.CabCollections.AddNew().Caption = QStringLiteral("First");
    project.CabCollections.AddNew().Caption = QStringLiteral("Second");
}

struct StepRun
{
    ActiveSyncIniStep::Outcome outcome;
    QStringList log;
    QStringList written;
};

StepRun runStep(const TProjectContainer &project, const QString &folder)
{
    StepRun run;
    WorkingIniFiles files(folder);
    run.outcome = ActiveSyncIniStep(project, folder, files, [&](const QString &line) { run.log << line; }).Run();
    run.written = files.Names();
    return run;
}

} // namespace

TEST(ActiveSyncIniStep, writesEveryIniFileIntoTheProjectFolder)
{
    struct Case
    {
        bool desktopOnly;
        QStringList expected;
    };
    const QList<Case> cases = {
        {false, {QStringLiteral("setup.ini"), QStringLiteral("netcf20.ini"), QStringLiteral("sqlmobile1.ini"),
                 QStringLiteral("comp-0.ini"), QStringLiteral("comp-1.ini")}},
        {true, {QStringLiteral("netcf20.ini"), QStringLiteral("sqlmobile1.ini"), QStringLiteral("comp-0.ini"),
                QStringLiteral("comp-1.ini")}},
    };
    for (const Case &c : cases) {
        QTemporaryDir parent;
        const QString folder = parent.filePath(QStringLiteral("project")); // created by the step
        TProjectContainer project;
        fillProject(project, c.desktopOnly);
        StepRun run;
        WorkingIniFiles files(folder);
        run.outcome = ActiveSyncIniStep(project, folder, files, [&](const QString &line) { run.log << line; }).Run();
        EXPECT_EQ(run.outcome.resultCode, 0);
        EXPECT_TRUE(run.log.isEmpty());
        EXPECT_EQ(files.Names(), c.expected);
        QStringList present = QDir(folder).entryList(QDir::Files);
        QStringList expectedSorted = c.expected;
        present.sort();
        expectedSorted.sort();
        EXPECT_EQ(present, expectedSorted);
        QFile comp(QDir(folder).filePath(QStringLiteral("comp-1.ini")));
        ASSERT_TRUE(comp.open(QIODevice::ReadOnly));
        EXPECT_TRUE(comp.readAll().startsWith("[CEAppManager]\r\nVersion=1.0\r\nComponent=comp-1\r\n\r\n[comp-1]\r\nDescription=Second\r\n"));
    }
}

TEST(ActiveSyncIniStep, failuresLogStopAndRemoveWhatWasWritten)
{
    struct Case
    {
        QString blocker; // a folder of this name stands in the way
        QString log;
        QString errorText;
    };
    const QList<Case> cases = {
        {QStringLiteral("setup.ini"), QStringLiteral("Fatal Error: Error while saving setup.ini !"),
         QStringLiteral("Error while saving setup.ini")},
        {QStringLiteral("netcf20.ini"), QStringLiteral("Fatal Error: Error while saving netcf2.ini !"),
         QStringLiteral("Error while saving netcf2.ini !")},
        {QStringLiteral("sqlmobile1.ini"), QStringLiteral("Fatal Error: Error while saving sqlmobile.ini !"),
         QStringLiteral("Error while saving sqlmobile.ini !")},
        {QStringLiteral("comp-1.ini"), QStringLiteral("Fatal Error: Error while saving comp-1.ini !"),
         QStringLiteral("Error while saving comp-1.ini !")},
    };
    for (const Case &c : cases) {
        QTemporaryDir folder;
        QDir(folder.path()).mkdir(c.blocker);
        TProjectContainer project;
        fillProject(project, false);
        const StepRun run = runStep(project, folder.path());
        EXPECT_EQ(run.outcome.resultCode, 3) << c.blocker.toStdString();
        EXPECT_EQ(run.outcome.errorText, c.errorText);
        // The file and the reason follow the line that names the kind of file.
        EXPECT_EQ(run.log, (QStringList{c.log, QDir(folder.path()).filePath(c.blocker)
                                                   + QStringLiteral(": a folder of that name is in the way")}));
        EXPECT_TRUE(run.written.isEmpty());
        EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty()) << c.blocker.toStdString();
    }
}

TEST(ActiveSyncIniStep, aProjectFolderThatCannotBeCreatedEndsTheStepWithoutALogLine)
{
    QTemporaryDir parent;
    TProjectContainer project;
    fillProject(project, false);
    const StepRun run = runStep(project, parent.filePath(QStringLiteral("missing/project")));
    EXPECT_EQ(run.outcome.resultCode, 3);
    EXPECT_EQ(run.outcome.errorText, QStringLiteral("Error creating working dir"));
    EXPECT_TRUE(run.log.isEmpty());
}
