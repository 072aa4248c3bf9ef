#include "model/ComponentTree.h"

#include "model/ProjectContainer.h"

#include <QSet>

#include <algorithm>

namespace talmo {

namespace {

// The two runtime kinds share the list of plug-in containers.
int moduleListOf(int moduleType)
{
    return moduleType == ModuleType::SqlMobile ? ModuleType::NetCF2 : moduleType;
}

template <typename List>
void deleteRecord(List &list, int index)
{
    if (index >= 0 && index < list.Count())
        list.Delete(index);
}

void deleteModuleRecord(TProjectContainer &project, int moduleType, int moduleIndex)
{
    switch (moduleListOf(moduleType)) {
    case ModuleType::Win32:
        deleteRecord(project.Win32Plugins, moduleIndex);
        break;
    case ModuleType::CabCollection:
        deleteRecord(project.CabCollections, moduleIndex);
        break;
    case ModuleType::PalmOS:
        deleteRecord(project.PalmSections, moduleIndex);
        break;
    case ModuleType::NetCF2:
        deleteRecord(project.PluginContainers, moduleIndex);
        break;
    case ModuleType::DirectCopy:
        deleteRecord(project.DirectCopyModules, moduleIndex);
        break;
    default:
        break;
    }
}

// Takes the components out; the children of each move up to the nearest
// ancestor that stays, and every parent index follows its component.
void removeComponents(TProjectContainer &project, const QSet<int> &removed)
{
    TInstallComponents &list = project.InstallComponents;
    const int count = list.Count();
    auto survivingParent = [&](int parent) {
        for (int steps = 0; removed.contains(parent) && steps <= count; ++steps)
            parent = list.GetItem(parent).parentIndex;
        return removed.contains(parent) ? -1 : parent;
    };
    QList<int> newIndex(count, -1);
    for (int i = 0, next = 0; i < count; ++i) {
        if (!removed.contains(i))
            newIndex[i] = next++;
    }
    for (int i = 0; i < count; ++i) {
        if (removed.contains(i))
            continue;
        TInstallComponent &component = list.GetItem(i);
        const int parent = survivingParent(component.parentIndex);
        component.parentIndex = parent >= 0 && parent < count ? newIndex[parent] : -1;
    }
    for (int i = count - 1; i >= 0; --i) {
        if (removed.contains(i))
            list.Delete(i);
    }
}

} // namespace

ComponentTreeWalk WalkComponentTree(const TProjectContainer &project)
{
    const TInstallComponents &list = project.InstallComponents;
    const int count = list.Count();
    ComponentTreeWalk walk;
    walk.shownParent = QList<int>(count, -1);
    QList<bool> added(count, false);
    QList<QList<int>> children(count);
    QList<int> topLevel;
    auto add = [&](int component, int parent) {
        added[component] = true;
        walk.shownParent[component] = parent;
        (parent == -1 ? topLevel : children[parent]).append(component);
    };

    for (int remaining = count; remaining > 0;) {
        const int before = remaining;
        for (int i = 0; i < count; ++i) {
            if (added[i])
                continue;
            const int parent = list.GetItem(i).parentIndex;
            if (parent == -1 || (parent >= 0 && parent < count && added[parent])) {
                add(i, parent);
                --remaining;
            }
        }
        if (remaining == before) {
            for (int i = 0; i < count; ++i) {
                if (!added[i])
                    add(i, -1);
            }
            remaining = 0;
        }
    }

    QList<int> pending(topLevel.crbegin(), topLevel.crend());
    while (!pending.isEmpty()) {
        const int component = pending.takeLast();
        walk.order.append(component);
        const QList<int> &below = children[component];
        pending.append(QList<int>(below.crbegin(), below.crend()));
    }
    return walk;
}

std::unique_ptr<TInstallComponent> CopyInstallComponent(const TInstallComponent &component)
{
    auto copy = std::make_unique<TInstallComponent>(component.Project);
    copy->moduleType = component.moduleType;
    copy->moduleIndex = component.moduleIndex;
    copy->moduleName = component.moduleName;
    copy->InstallTypes = component.InstallTypes;
    copy->Languages = component.Languages;
    copy->parentIndex = component.parentIndex;
    copy->FlagFixed = component.FlagFixed;
    copy->HiddenInstall = component.HiddenInstall;
    copy->FlagCheckableaAlone = component.FlagCheckableaAlone;
    copy->FlagDontInheritCheck = component.FlagDontInheritCheck;
    copy->FlagExclusive = component.FlagExclusive;
    copy->FlagRestart = component.FlagRestart;
    copy->FlagDisableNoUninstallWarning = component.FlagDisableNoUninstallWarning;
    return copy;
}

QList<int> NormalizeComponentOrder(TProjectContainer &project)
{
    TInstallComponents &list = project.InstallComponents;
    const ComponentTreeWalk walk = WalkComponentTree(project);
    QList<int> newIndex(list.Count(), -1);
    for (int position = 0; position < walk.order.size(); ++position)
        newIndex[walk.order[position]] = position;

    std::vector<std::unique_ptr<TInstallComponent>> ordered;
    for (int component : walk.order) {
        auto copy = CopyInstallComponent(list.GetItem(component));
        const int parent = walk.shownParent[component];
        copy->parentIndex = parent == -1 ? -1 : newIndex[parent];
        ordered.push_back(std::move(copy));
    }
    list.Clear();
    for (auto &component : ordered)
        list.Add(std::move(component));
    return newIndex;
}

bool IsComponentDescendant(const TProjectContainer &project, int descendant, int ancestor)
{
    const TInstallComponents &list = project.InstallComponents;
    if (descendant < 0 || descendant >= list.Count())
        return false;
    int current = list.GetItem(descendant).parentIndex;
    for (int steps = 0; current >= 0 && current < list.Count() && steps < list.Count(); ++steps) {
        if (current == ancestor)
            return true;
        current = list.GetItem(current).parentIndex;
    }
    return false;
}

int PreviousSiblingComponent(const TProjectContainer &project, int component)
{
    const TInstallComponents &list = project.InstallComponents;
    const int parent = list.GetItem(component).parentIndex;
    for (int i = component - 1; i >= 0; --i) {
        if (list.GetItem(i).parentIndex == parent)
            return i;
    }
    return -1;
}

int NextSiblingComponent(const TProjectContainer &project, int component)
{
    const TInstallComponents &list = project.InstallComponents;
    const int parent = list.GetItem(component).parentIndex;
    for (int i = component + 1; i < list.Count(); ++i) {
        if (list.GetItem(i).parentIndex == parent)
            return i;
    }
    return -1;
}

int AddComponent(TProjectContainer &project, int moduleType, int moduleIndex, int parent)
{
    TInstallComponent &component = project.InstallComponents.AddNew(&project);
    component.moduleType = moduleType;
    component.moduleIndex = moduleIndex;
    component.parentIndex = parent;
    const int index = project.InstallComponents.Count() - 1;
    if (QStringList *types = project.GetComponentInstallTypes(index))
        *types = project.InstallTypes;
    if (QStringList *languages = project.GetComponentLanguages(index))
        languages->clear();
    return index;
}

void DeleteComponent(TProjectContainer &project, int component)
{
    TInstallComponents &list = project.InstallComponents;
    const int moduleType = list.GetItem(component).moduleType;
    const int moduleIndex = list.GetItem(component).moduleIndex;
    QSet<int> removed{component};

    if (moduleType == ModuleType::CabCreator) {
        project.Win32Only = true;
        for (int i = 0; i < list.Count(); ++i) {
            if (list.GetItem(i).moduleType == ModuleType::CabCreator)
                removed.insert(i);
        }
    } else if (moduleType != ModuleType::Container) {
        deleteModuleRecord(project, moduleType, moduleIndex);
        for (int i = 0; i < list.Count(); ++i) {
            TInstallComponent &other = list.GetItem(i);
            if (i != component && moduleListOf(other.moduleType) == moduleListOf(moduleType)
                && other.moduleIndex > moduleIndex) {
                --other.moduleIndex;
            }
        }
    }
    removeComponents(project, removed);
}

int MoveComponent(TProjectContainer &project, int component, int neighbour)
{
    TInstallComponents &list = project.InstallComponents;
    for (int i = 0; i < list.Count(); ++i) {
        TInstallComponent &other = list.GetItem(i);
        if (other.parentIndex == component)
            other.parentIndex = neighbour;
        else if (other.parentIndex == neighbour)
            other.parentIndex = component;
    }
    list.Exchange(component, neighbour);
    // The moved component now sits where its neighbour was.
    return NormalizeComponentOrder(project).value(neighbour, -1);
}

bool SetComponentParent(TProjectContainer &project, int component, int parent)
{
    TInstallComponents &list = project.InstallComponents;
    if (parent < -1 || parent >= list.Count() || parent == component
        || IsComponentDescendant(project, parent, component)) {
        return false;
    }
    list.GetItem(component).parentIndex = parent;
    return true;
}

} // namespace talmo
