// The container's operations on the component tree of the desktop setup.
#include "model/ProjectContainer.h"

namespace talmo {

namespace {

// Module is TInstallModule or const TInstallModule, after the project's constness.
template <typename Module, typename Project>
Module *moduleOf(Project &project, int moduleType, int moduleIndex)
{
    switch (moduleType) {
    case ModuleType::Win32:
        return &project.Win32Plugins.GetItem(moduleIndex);
    case ModuleType::CabCollection:
        return &project.CabCollections.GetItem(moduleIndex);
    case ModuleType::PalmOS:
        return &project.PalmSections.GetItem(moduleIndex);
    case ModuleType::SqlMobile:
    case ModuleType::NetCF2:
        return &project.PluginContainers.GetItem(moduleIndex);
    case ModuleType::DirectCopy:
        return &project.DirectCopyModules.GetItem(moduleIndex);
    default:
        return nullptr;
    }
}

const char *namePrefix(int moduleType)
{
    switch (moduleType) {
    case ModuleType::Win32:
        return "WIN32";
    case ModuleType::CabCollection:
        return "CABCOLLECTION";
    case ModuleType::PalmOS:
        return "PALMOS";
    case ModuleType::SqlMobile:
        return "MSQL";
    case ModuleType::NetCF2:
        return "NETCF2";
    case ModuleType::Container:
        return "CONTAINER";
    case ModuleType::DirectCopy:
        return "DCM";
    default:
        return "";
    }
}

} // namespace

TInstallModule *TProjectContainer::GetModule(int moduleType, int moduleIndex)
{
    return moduleOf<TInstallModule>(*this, moduleType, moduleIndex);
}

const TInstallModule *TProjectContainer::GetModule(int moduleType, int moduleIndex) const
{
    return moduleOf<const TInstallModule>(*this, moduleType, moduleIndex);
}

QString TProjectContainer::ownComponentName(int componentIndex) const
{
    const TInstallComponent &component = InstallComponents.GetItem(componentIndex);
    switch (component.moduleType) {
    case ModuleType::CabCreator:
        return QStringLiteral("CABCREATOR");
    case ModuleType::Container:
        return QLatin1String(namePrefix(component.moduleType)) + QString::number(componentIndex);
    case ModuleType::Win32:
    case ModuleType::CabCollection:
    case ModuleType::PalmOS:
    case ModuleType::SqlMobile:
    case ModuleType::NetCF2:
    case ModuleType::DirectCopy:
        return QLatin1String(namePrefix(component.moduleType))
            + QString::number(component.moduleIndex);
    default:
        return QString();
    }
}

QString TProjectContainer::GetComponentName(int componentIndex, bool withPath) const
{
    QString name = ownComponentName(componentIndex);
    if (!withPath)
        return name;
    // A chain of distinct components has fewer links than the list has items;
    // one more means the parents loop.
    int current = componentIndex;
    for (int links = 0; InstallComponents.GetItem(current).parentIndex != -1; ++links) {
        if (links >= InstallComponents.Count() - 1) {
            throw ListIndexError(QStringLiteral("The parents of installation component %1 form a loop")
                                     .arg(componentIndex));
        }
        current = InstallComponents.GetItem(current).parentIndex;
        name = ownComponentName(current) + QLatin1Char('\\') + name;
    }
    return name;
}

QString TProjectContainer::GetComponentCaption(int componentIndex) const
{
    const TInstallComponent &component = InstallComponents.GetItem(componentIndex);
    switch (component.moduleType) {
    case ModuleType::CabCreator:
        return SetupCaption.isEmpty() ? AppName : SetupCaption;
    case ModuleType::Container:
        return component.moduleName;
    default:
        const TInstallModule *module = GetModule(component.moduleType, component.moduleIndex);
        return module ? module->Caption : QString();
    }
}

QStringList *TProjectContainer::GetComponentLanguages(int componentIndex)
{
    return componentList(componentIndex, &TProjectContainer::CabCreatorModuleLanguages,
                         &TInstallModule::Languages, &TInstallComponent::Languages);
}

QStringList *TProjectContainer::GetComponentInstallTypes(int componentIndex)
{
    return componentList(componentIndex, &TProjectContainer::CabCreatorModuleInstallTypes,
                         &TInstallModule::InstallTypes, &TInstallComponent::InstallTypes);
}

QStringList *TProjectContainer::componentList(int componentIndex,
                                              QStringList TProjectContainer::*cabCreatorList,
                                              QStringList TInstallModule::*moduleList,
                                              QStringList TInstallComponent::*containerList)
{
    TInstallComponent &component = InstallComponents.GetItem(componentIndex);
    switch (component.moduleType) {
    case ModuleType::CabCreator:
        return &(this->*cabCreatorList);
    case ModuleType::Container:
        return &(component.*containerList);
    default:
        TInstallModule *module = GetModule(component.moduleType, component.moduleIndex);
        return module ? &(module->*moduleList) : nullptr;
    }
}

int TProjectContainer::FindComponentIndex(int moduleType, int moduleIndex) const
{
    if (moduleType == ModuleType::Container || !ModuleType::IsKnown(moduleType))
        return -1;
    for (int i = 0; i < InstallComponents.Count(); ++i) {
        const TInstallComponent &component = InstallComponents.GetItem(i);
        if (component.moduleType != moduleType)
            continue;
        if (moduleType == ModuleType::CabCreator || component.moduleIndex == moduleIndex)
            return i;
    }
    return -1;
}

} // namespace talmo
