#pragma once

#include "engine/builder/AutomaticBuild.h"

#include <QString>

#include <functional>

namespace talmo {

class TProjectContainer;
class TProjectManager;

// The builds the main window starts and what it reports of them: the
// builder window over the active project, the project's automatic build,
// and the builds of project-manager entries, from the panel or from a list
// named on the command line. Entries whose project is open build the open
// project.
class MasterWindowBuilds
{
public:
    // Shows a failure to the user.
    using Report = std::function<void(const QString &text)>;

    MasterWindowBuilds(IBuilderRunner &runner, ProjectManagerBuild::OpenProjectLookup openProjects, Report report);

    // "Build Project" and "Run Installation": the setup build in a builder
    // window that stays open, the setup run afterwards when asked.
    void buildSetup(TProjectContainer &project, bool runAfterBuild);
    // "Builder": the builder window to work in.
    void showBuilder(TProjectContainer &project);
    // The automatic build; a failure is reported unless silent. The result code.
    int buildAutomatically(TProjectContainer &project, bool silent);

    // One entry of the panel's manager, its failure reported.
    BuildOutcome buildEntry(const TProjectManager &manager, int index, EntryBuildKind kind);
    // "Build all": every entry, each failure reported, past entries that
    // cannot be read.
    void buildAllEntries(const TProjectManager &manager);
    // A list named on the command line: its entries until any fails, the
    // failure reported when asked. The result code; ProjectNotBuiltResult
    // when the list cannot be read.
    int buildListFile(const QString &fileName, bool reportsFailures);

private:
    void reportEntry(const QString &entryFileName, const BuildOutcome &outcome);

    IBuilderRunner &m_runner;
    ProjectManagerBuild::OpenProjectLookup m_openProjects;
    Report m_report;
};

} // namespace talmo
