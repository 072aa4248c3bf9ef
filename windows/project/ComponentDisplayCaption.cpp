#include "windows/project/ComponentDisplayCaption.h"

#include "model/ProjectContainer.h"

namespace talmo {

namespace {

QString runtimeSuffix(const TProjectContainer &project, const TInstallComponent &component, const QString &kind)
{
    const TPluginContainer &container = project.PluginContainers.GetItem(component.moduleIndex);
    return QStringLiteral(" [") + kind + QStringLiteral(" - ") + container.someOldCaption + QStringLiteral("]");
}

QString kindSuffix(const TProjectContainer &project, const TInstallComponent &component)
{
    switch (component.moduleType) {
    case ModuleType::CabCreator: return QStringLiteral(" [CAB Creator Module]");
    case ModuleType::Win32: return QStringLiteral(" [Win32 Module]");
    case ModuleType::CabCollection: return QStringLiteral(" [CAB Collection Module]");
    case ModuleType::PalmOS: return QStringLiteral(" [PalmOS Module]");
    case ModuleType::SqlMobile: return runtimeSuffix(project, component, QStringLiteral("Mobile SQL Runtimes"));
    case ModuleType::NetCF2: return runtimeSuffix(project, component, QStringLiteral(".NET CF2 Runtimes"));
    case ModuleType::Container: return QStringLiteral(" [ Module Container ]");
    case ModuleType::DirectCopy: return QStringLiteral(" [Direct Copy Module]");
    }
    return {};
}

} // namespace

QString ComponentDisplayCaption(const TProjectContainer &project, int componentIndex)
{
    const TInstallComponent &component = project.InstallComponents.GetItem(componentIndex);
    QString caption = project.GetComponentCaption(componentIndex) + kindSuffix(project, component);
    if (IsComponentHidden(project, componentIndex))
        caption += QStringLiteral(" [ Hidden ]");
    return caption;
}

bool IsComponentHidden(const TProjectContainer &project, int componentIndex)
{
    if (componentIndex == -1)
        return false;
    const TInstallComponent &component = project.InstallComponents.GetItem(componentIndex);
    return component.moduleType != ModuleType::Container && component.GetHiddenInstall();
}

} // namespace talmo
