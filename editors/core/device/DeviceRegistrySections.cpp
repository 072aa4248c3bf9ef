#include "editors/core/device/DeviceRegistrySections.h"

#include "editors/core/device/TargetEdits.h"
#include "editors/core/registry/RegistrySectionEdits.h"
#include "model/ProjectContainer.h"

namespace talmo {

DeviceRegistrySections::DeviceRegistrySections(TProjectContainer &project)
    : m_project(project)
{
}

RegistryNodeAction DeviceRegistrySections::OpenActionOf(RegistryTreeLevel level)
{
    switch (level) {
    case RegistryTreeLevel::SectionGroup:
        return RegistryNodeAction::AddSection;
    case RegistryTreeLevel::Section:
        return RegistryNodeAction::OpenSection;
    case RegistryTreeLevel::Target:
        break;
    }
    return RegistryNodeAction::None;
}

bool DeviceRegistrySections::CanEditOrDelete(RegistryTreeLevel level)
{
    return level == RegistryTreeLevel::Section;
}

QStringList DeviceRegistrySections::Captions() const
{
    QStringList captions;
    for (const TRegistrySection &section : m_project.RegistrySections)
        captions.append(section.Caption);
    return captions;
}

int DeviceRegistrySections::AddSection(int installingTarget)
{
    m_project.RegistrySections.AddNew().Caption = RegistrySectionEdits::UnnamedSectionName;
    m_project.Modified = true;
    const int added = m_project.RegistrySections.Count() - 1;
    if (installingTarget >= 0 && installingTarget < m_project.CEDevices.Count())
        TargetEdits(m_project).SetRegistrySectionInstalled(installingTarget, added, true);
    return added;
}

void DeviceRegistrySections::DeleteSection(int index)
{
    m_project.RegistrySections.Delete(index);
    m_project.Modified = true;
}

void DeviceRegistrySections::SectionOpened()
{
    m_project.Modified = true;
}

} // namespace talmo
