#pragma once

#include "model/InstallComponent.h"

#include <QList>

#include <memory>

namespace talmo {

class TProjectContainer;

// The desktop setup's component tree as the project window shows it. The
// tree is built parent-first: the list is walked round and round, and a
// component joins as the last child of its parent once the parent is in.
// A pass that adds nothing means the remaining parents loop or lead nowhere;
// those components join the top level, so the walk always ends.
struct ComponentTreeWalk
{
    // The component indices in display order: depth first, parents before children.
    QList<int> order;
    // For each component index, the component it is shown under (-1: top level).
    QList<int> shownParent;
};

ComponentTreeWalk WalkComponentTree(const TProjectContainer &project);

// A new component with the same module, name, lists, parent and flags.
std::unique_ptr<TInstallComponent> CopyInstallComponent(const TInstallComponent &component);

// Puts the components in display order with their parents as shown and
// returns, for each former index, the component's new index.
QList<int> NormalizeComponentOrder(TProjectContainer &project);

// Whether descendant lies below ancestor (a component is not its own descendant).
bool IsComponentDescendant(const TProjectContainer &project, int descendant, int ancestor);

// The neighbour under the same parent in list order; -1 when there is none.
int PreviousSiblingComponent(const TProjectContainer &project, int component);
int NextSiblingComponent(const TProjectContainer &project, int component);

// Appends a component of that module below parent (-1: top level), with every
// setup type of the project and no language; returns its index.
int AddComponent(TProjectContainer &project, int moduleType, int moduleIndex, int parent);

// Deletes the component and its module record: the modules after it in its
// list move down one place, its children move to its parent, and the parents
// after it follow their components. Deleting the CAB creator makes the project
// desktop-only.
void DeleteComponent(TProjectContainer &project, int component);

// Exchanges the component with its sibling neighbour (together with both
// subtrees) and puts the list back in display order. Returns the moved
// component's new index.
int MoveComponent(TProjectContainer &project, int component, int neighbour);

// Makes parent (-1: the top level) the component's parent. Refused, returning
// false, when parent is the component itself or one of its descendants.
bool SetComponentParent(TProjectContainer &project, int component, int parent);

} // namespace talmo
