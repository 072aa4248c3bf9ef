#pragma once

#include <QStringList>

namespace talmo {

class TProjectContainer;

// The levels of the CAB page's registry tree: a node per target, below it
// the group of the project's registry sections, below that a node per
// section, ticked where the target installs it.
enum class RegistryTreeLevel { Target, SectionGroup, Section };

// What opening a node of the tree (a double click or Edit) does.
enum class RegistryNodeAction { None, AddSection, OpenSection };

// The project's registry sections as the CAB page adds, opens and deletes them.
class DeviceRegistrySections
{
public:
    explicit DeviceRegistrySections(TProjectContainer &project);

    static RegistryNodeAction OpenActionOf(RegistryTreeLevel level);
    // Edit and Delete apply to a section node only.
    static bool CanEditOrDelete(RegistryTreeLevel level);

    QStringList Captions() const;
    // Appends an unnamed section, installed by the target it was added under
    // (none for -1); returns its index.
    int AddSection(int installingTarget = -1);
    void DeleteSection(int index);
    // Opening a section for editing counts as an edit of the project.
    void SectionOpened();

private:
    TProjectContainer &m_project;
};

} // namespace talmo
