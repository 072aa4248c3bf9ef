#pragma once

#include "model/OwningList.h"

#include <QString>
#include <QStringList>

namespace talmo {

class TProjectContainer;
struct TInstallModule;

// The kinds of installation module a component can stand for, as stored in
// TInstallComponent::moduleType.
struct ModuleType
{
    static constexpr int CabCreator = 0;    // the device CAB; settings on the project
    static constexpr int Win32 = 1;         // Win32Plugins
    static constexpr int CabCollection = 2; // CabCollections
    static constexpr int PalmOS = 3;        // PalmSections
    static constexpr int SqlMobile = 4;     // PluginContainers
    static constexpr int NetCF2 = 5;        // PluginContainers
    static constexpr int Container = 6;     // the component itself
    static constexpr int DirectCopy = 7;    // DirectCopyModules

    static constexpr bool IsKnown(int moduleType) { return moduleType >= 0 && moduleType <= 7; }
};

// One node of the desktop setup's component tree. Types 1 to 5 and 7 stand for
// a module of the project's list of that type; a module container (type 6)
// carries its name, lists and Fixed/Hidden flags itself.
struct TInstallComponent
{
    // A new component is a container with no module; its creator sets the parent.
    explicit TInstallComponent(TProjectContainer *project);

    int moduleType = ModuleType::Container;
    int moduleIndex = -1;  // not used for types 0 and 6
    QString moduleName;    // the name of a module container
    QStringList InstallTypes;  // those of a module container
    QStringList Languages;     // those of a module container
    int parentIndex = 0;   // index in InstallComponents, -1 for a root
    TProjectContainer *Project;
    bool FlagFixed = false;      // those of a module container
    bool HiddenInstall = false;  // those of a module container
    bool FlagCheckableaAlone = false;
    bool FlagDontInheritCheck = false;
    bool FlagExclusive = false;
    bool FlagRestart = false;
    bool FlagDisableNoUninstallWarning = false;

    // The Fixed and Hidden flags of the module behind the component: the
    // project's CAB creator flags for type 0, the module's own for types 1 to 5
    // and 7, the component's fields for type 6; any other type reads false and
    // stores nothing. None of them marks the project modified.
    bool GetFlagFixed() const;
    void SetFlagFixed(bool value);
    bool GetHiddenInstall() const;
    void SetHiddenInstall(bool value);

private:
    struct FlagFields;
    bool readFlag(const FlagFields &fields) const;
    void writeFlag(const FlagFields &fields, bool value);
};

using TInstallComponents = OwningList<TInstallComponent>;

} // namespace talmo
