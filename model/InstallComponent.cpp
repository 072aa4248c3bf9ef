#include "model/InstallComponent.h"

#include "model/ProjectContainer.h"

#include <utility>

namespace talmo {

// Where one flag lives for each kind of component.
struct TInstallComponent::FlagFields
{
    bool TInstallModule::*module;
    bool TProjectContainer::*cabCreator;
    bool TInstallComponent::*container;

    static const FlagFields fixed;
    static const FlagFields hidden;
};

const TInstallComponent::FlagFields TInstallComponent::FlagFields::fixed = {
    &TInstallModule::FlagFixed, &TProjectContainer::CabCreatorModuleFlagFixed,
    &TInstallComponent::FlagFixed
};
const TInstallComponent::FlagFields TInstallComponent::FlagFields::hidden = {
    &TInstallModule::HiddenInstall, &TProjectContainer::CabCreatorModuleHiddenInstall,
    &TInstallComponent::HiddenInstall
};

TInstallComponent::TInstallComponent(TProjectContainer *project)
    : Project(project)
{
}

bool TInstallComponent::GetFlagFixed() const
{
    return readFlag(FlagFields::fixed);
}

void TInstallComponent::SetFlagFixed(bool value)
{
    writeFlag(FlagFields::fixed, value);
}

bool TInstallComponent::GetHiddenInstall() const
{
    return readFlag(FlagFields::hidden);
}

void TInstallComponent::SetHiddenInstall(bool value)
{
    writeFlag(FlagFields::hidden, value);
}

bool TInstallComponent::readFlag(const FlagFields &fields) const
{
    switch (moduleType) {
    case ModuleType::CabCreator:
        return Project->*fields.cabCreator;
    case ModuleType::Container:
        return this->*fields.container;
    default:
        const TInstallModule *module = std::as_const(*Project).GetModule(moduleType, moduleIndex);
        return module && module->*fields.module;
    }
}

void TInstallComponent::writeFlag(const FlagFields &fields, bool value)
{
    switch (moduleType) {
    case ModuleType::CabCreator:
        Project->*fields.cabCreator = value;
        break;
    case ModuleType::Container:
        this->*fields.container = value;
        break;
    default:
        if (TInstallModule *module = Project->GetModule(moduleType, moduleIndex))
            module->*fields.module = value;
    }
}

} // namespace talmo
