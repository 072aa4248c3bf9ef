#include "windows/main/MasterWindowBuilds.h"

#include "model/ProjectContainer.h"
#include "model/ProjectManager.h"
#include "windows/main/BuildFailureText.h"

namespace talmo {

MasterWindowBuilds::MasterWindowBuilds(IBuilderRunner &runner, ProjectManagerBuild::OpenProjectLookup openProjects,
                                       Report report)
    : m_runner(runner)
    , m_openProjects(std::move(openProjects))
    , m_report(std::move(report))
{
}

void MasterWindowBuilds::buildSetup(TProjectContainer &project, bool runAfterBuild)
{
    BuilderRequest request;
    request.project = &project;
    request.mode = BuilderModeSetup;
    request.keepOpen = true;
    request.runAfterBuild = runAfterBuild;
    m_runner.run(request);
}

void MasterWindowBuilds::showBuilder(TProjectContainer &project)
{
    BuilderRequest request;
    request.project = &project;
    request.mode = BuilderModeInteractive;
    m_runner.run(request);
}

int MasterWindowBuilds::buildAutomatically(TProjectContainer &project, bool silent)
{
    const BuildOutcome outcome = RunAutomaticBuild(m_runner, project);
    if (!silent && !outcome.succeeded())
        m_report(BuildFailureText::OfProject(project.FileName, outcome.errorText));
    return outcome.resultCode;
}

BuildOutcome MasterWindowBuilds::buildEntry(const TProjectManager &manager, int index, EntryBuildKind kind)
{
    const BuildOutcome outcome = ProjectManagerBuild(manager, m_runner, m_openProjects).BuildEntry(index, kind);
    reportEntry(ProjectManagerBuild::EntryPath(manager, index), outcome);
    return outcome;
}

void MasterWindowBuilds::reportEntry(const QString &entryFileName, const BuildOutcome &outcome)
{
    if (!outcome.succeeded())
        m_report(BuildFailureText::OfEntry(entryFileName, outcome));
}

void MasterWindowBuilds::buildAllEntries(const TProjectManager &manager)
{
    ProjectManagerBuild(manager, m_runner, m_openProjects)
        .BuildAll(ProjectManagerBuild::StopRule::BuildFailure, [this, &manager](int index, const BuildOutcome &outcome) {
            reportEntry(ProjectManagerBuild::EntryPath(manager, index), outcome);
        });
}

int MasterWindowBuilds::buildListFile(const QString &fileName, bool reportsFailures)
{
    // Every entry the file lists is built, also those whose project is gone.
    TProjectManager listed;
    if (!listed.LoadFromFile(fileName))
        return ProjectNotBuiltResult;
    ProjectManagerBuild build(listed, m_runner, m_openProjects);
    return build
        .BuildAll(ProjectManagerBuild::StopRule::AnyFailure,
                  [this, &listed, reportsFailures](int index, const BuildOutcome &failed) {
                      if (reportsFailures)
                          reportEntry(ProjectManagerBuild::EntryPath(listed, index), failed);
                  })
        .resultCode;
}

} // namespace talmo
