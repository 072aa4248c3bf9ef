#include "engine/builder/AutomaticBuild.h"

#include "helpers/core/PathHelpers.h"
#include "model/ProjectContainer.h"
#include "model/ProjectManager.h"
#include "platform/HostPath.h"

#include <exception>

namespace talmo {

QList<int> AutomaticBuildSteps(const TProjectContainer &project)
{
    if (project.Win32Only)
        return { BuilderModeSetup };
    switch (project.DefaultBuildMode) {
    case 0: return { BuilderModeCabs, BuilderModeSetup };
    case 1: return { BuilderModeCabs };
    default: return {};
    }
}

QList<int> EntryBuildSteps(const TProjectContainer &project, EntryBuildKind kind)
{
    switch (kind) {
    case EntryBuildKind::Cabs: return { BuilderModeCabs };
    case EntryBuildKind::Setup: return { BuilderModeSetup };
    case EntryBuildKind::Both: return { BuilderModeCabs, BuilderModeSetup };
    case EntryBuildKind::Automatic: break;
    }
    return AutomaticBuildSteps(project);
}

BuildOutcome RunBuildSteps(IBuilderRunner &runner, TProjectContainer &project, const QList<int> &steps)
{
    if (steps.isEmpty()) {
        return { UnknownBuildModeResult,
                 QStringLiteral("Unknown automatic build mode %1").arg(project.DefaultBuildMode) };
    }
    BuildOutcome outcome;
    for (int mode : steps) {
        BuilderRequest request;
        request.project = &project;
        request.mode = mode;
        outcome = runner.run(request);
        if (!outcome.succeeded())
            break;
    }
    return outcome;
}

BuildOutcome RunAutomaticBuild(IBuilderRunner &runner, TProjectContainer &project)
{
    return RunBuildSteps(runner, project, AutomaticBuildSteps(project));
}

ProjectManagerBuild::ProjectManagerBuild(const TProjectManager &manager, IBuilderRunner &runner,
                                         OpenProjectLookup openProject)
    : m_manager(manager)
    , m_runner(runner)
    , m_openProject(std::move(openProject))
{
}

QString ProjectManagerBuild::EntryPath(const TProjectManager &manager, int index)
{
    return ResolveFileReference(manager.FileName, manager.Entries[index].FileName);
}

BuildOutcome ProjectManagerBuild::BuildEntry(int index, EntryBuildKind kind)
{
    const BuildOutcome notBuilt{ ProjectNotBuiltResult, QString() };
    try {
        const QString path = EntryPath(m_manager, index);
        if (TProjectContainer *open = m_openProject ? m_openProject(path) : nullptr)
            return RunBuildSteps(m_runner, *open, EntryBuildSteps(*open, kind));
        TProjectContainer project;
        if (!project.LoadFromFile(ToHostPath(path)))
            return notBuilt;
        return RunBuildSteps(m_runner, project, EntryBuildSteps(project, kind));
    } catch (const std::exception &) {
        return notBuilt;
    }
}

BuildOutcome ProjectManagerBuild::BuildAll(StopRule rule, const EntryReport &reportsTo)
{
    BuildOutcome outcome;
    for (int index = 0; index < m_manager.Entries.Count(); ++index) {
        outcome = BuildEntry(index, EntryBuildKind::Automatic);
        if (outcome.succeeded())
            continue;
        if (reportsTo)
            reportsTo(index, outcome);
        const bool goesOn = rule == StopRule::BuildFailure && outcome.resultCode == ProjectNotBuiltResult;
        if (!goesOn)
            break;
    }
    return outcome;
}

} // namespace talmo
