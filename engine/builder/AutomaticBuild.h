#pragma once

#include "engine/builder/IBuilderRunner.h"

#include <QList>
#include <functional>

namespace talmo {

class TProjectContainer;
class TProjectManager;

// Result codes of builds the main window starts, besides the builder's own.
enum AutomaticBuildResult {
    UnknownBuildModeResult = 3,
    ProjectNotBuiltResult = 100,
};

// How a project-manager entry is built.
enum class EntryBuildKind { Cabs = 0, Setup = 1, Both = 2, Automatic = 3 };

// The builder modes a project's automatic build runs, in order: a
// desktop-only project builds only its setup, mode 1 only the CABs, mode 0
// the CABs and then the setup. Empty for any other mode.
QList<int> AutomaticBuildSteps(const TProjectContainer &project);
QList<int> EntryBuildSteps(const TProjectContainer &project, EntryBuildKind kind);

// Runs the steps one after another, stopping at the first that fails; the
// last step run gives the outcome. No steps at all is an error of its own
// rather than a silent success.
BuildOutcome RunBuildSteps(IBuilderRunner &runner, TProjectContainer &project, const QList<int> &steps);
BuildOutcome RunAutomaticBuild(IBuilderRunner &runner, TProjectContainer &project);

// Builds the entries of a project manager. An entry whose project is open
// builds the open project (unsaved changes included); any other is read from
// disk into a project of the build's own.
class ProjectManagerBuild
{
public:
    // The open project stored under this file name, or null.
    using OpenProjectLookup = std::function<TProjectContainer *(const QString &fileName)>;

    ProjectManagerBuild(const TProjectManager &manager, IBuilderRunner &runner, OpenProjectLookup openProject);

    // The entry's file: a relative name resolved against the manager's folder.
    static QString EntryPath(const TProjectManager &manager, int index);

    // 100 when the project cannot be read or the build throws.
    BuildOutcome BuildEntry(int index, EntryBuildKind kind);
    // What ends a run over all entries: the command line stops at any
    // failure; "Build all" goes on past an entry it could not read.
    enum class StopRule { AnyFailure, BuildFailure };
    using EntryReport = std::function<void(int index, const BuildOutcome &outcome)>;

    // Every entry with the automatic rules from the first; reportsTo hears of
    // each entry that did not succeed. The outcome of the last entry built.
    BuildOutcome BuildAll(StopRule rule, const EntryReport &reportsTo = {});

private:
    const TProjectManager &m_manager;
    IBuilderRunner &m_runner;
    OpenProjectLookup m_openProject;
};

} // namespace talmo
