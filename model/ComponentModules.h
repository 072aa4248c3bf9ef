#pragma once

#include <QList>
#include <QString>

namespace talmo {

class TProjectContainer;
struct TMSQL_CustomSet;
struct TPluginContainer;

// The installation modules the project window adds: each makes the module
// record and its component below parent (-1: top level) and returns the
// component's index. None of them marks the project modified.
struct ComponentModules
{
    static inline const QString OnlyOneCabCreatorMessage = QStringLiteral("Only one CAB creator module can be added");

    // One row per platform of a runtime set, one entry per processor.
    using RuntimeMarks = QList<QList<bool>>;

    static int AddModuleContainer(TProjectContainer &project, int parent);
    static int AddWin32Module(TProjectContainer &project, int parent);
    static int AddCabCollectionModule(TProjectContainer &project, int parent);
    static int AddPalmModule(TProjectContainer &project, int parent);
    static int AddDirectCopyModule(TProjectContainer &project, int parent);
    // The CAB creator comes back to a desktop-only project; -1 when the
    // project has it already (OnlyOneCabCreatorMessage).
    static int AddCabCreatorModule(TProjectContainer &project, int parent);
    // A SQL Mobile or .NET CF2 runtime module (moduleType 4 or 5) made from
    // a redistributable set: the set's platforms and processors, each
    // processor with the set's CAB files, checked where the marks say.
    static int AddRuntimeModule(TProjectContainer &project, int parent, int moduleType, const TMSQL_CustomSet &set,
                                const RuntimeMarks &marks, const QString &caption);
    // A marked processor is checked and checks its platform; everything else is unchecked.
    static void ApplyRuntimeMarks(TPluginContainer &module, const RuntimeMarks &marks);
    // The marks of the checked processors.
    static RuntimeMarks RuntimeMarksOf(const TPluginContainer &module);
};

} // namespace talmo
