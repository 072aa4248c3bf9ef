#include "model/ComponentModules.h"

#include "model/ComponentTree.h"
#include "model/ProgramOptions.h"
#include "model/ProjectContainer.h"

namespace talmo {

namespace {

template <typename List>
int appendModule(List &list, const QString &caption)
{
    list.AddNew().Caption = caption;
    return list.Count() - 1;
}

} // namespace

int ComponentModules::AddModuleContainer(TProjectContainer &project, int parent)
{
    const int index = AddComponent(project, ModuleType::Container, -1, parent);
    project.InstallComponents.GetItem(index).moduleName = QStringLiteral("Container");
    return index;
}

int ComponentModules::AddWin32Module(TProjectContainer &project, int parent)
{
    const int module = appendModule(project.Win32Plugins, QStringLiteral("Win32 Setup"));
    return AddComponent(project, ModuleType::Win32, module, parent);
}

int ComponentModules::AddCabCollectionModule(TProjectContainer &project, int parent)
{
    const int module = appendModule(project.CabCollections, QStringLiteral("CAB Collection Module"));
    return AddComponent(project, ModuleType::CabCollection, module, parent);
}

int ComponentModules::AddPalmModule(TProjectContainer &project, int parent)
{
    const int module = appendModule(project.PalmSections, QStringLiteral("PalmOS Module"));
    return AddComponent(project, ModuleType::PalmOS, module, parent);
}

int ComponentModules::AddDirectCopyModule(TProjectContainer &project, int parent)
{
    const int module = appendModule(project.DirectCopyModules, QStringLiteral("Direct Copy Module"));
    return AddComponent(project, ModuleType::DirectCopy, module, parent);
}

int ComponentModules::AddCabCreatorModule(TProjectContainer &project, int parent)
{
    if (!project.Win32Only)
        return -1;
    project.Win32Only = false;
    return AddComponent(project, ModuleType::CabCreator, -1, parent);
}

int ComponentModules::AddRuntimeModule(TProjectContainer &project, int parent, int moduleType,
                                       const TMSQL_CustomSet &set, const RuntimeMarks &marks, const QString &caption)
{
    TPluginContainer &module = project.PluginContainers.AddNew();
    module.Caption = caption;
    module.someOldCaption = set.Caption;
    module.Type = moduleType == ModuleType::SqlMobile ? TPluginContainer::SqlMobileType : TPluginContainer::NetCF2Type;
    for (const TMSQL_Platforms &sourcePlatform : set.Platforms) {
        TPluginPlatform &platform = module.Platforms.AddNew();
        platform.Caption = sourcePlatform.Caption;
        for (const TMSQL_Processors &sourceProcessor : sourcePlatform.Processors) {
            TPluginProcessor &processor = platform.Processors.AddNew();
            processor.Caption = sourceProcessor.Caption;
            for (const QString &cab : sourceProcessor.CabFiles)
                processor.Files.AddNew().Source = cab;
        }
    }
    ApplyRuntimeMarks(module, marks);
    return AddComponent(project, moduleType, project.PluginContainers.Count() - 1, parent);
}

void ComponentModules::ApplyRuntimeMarks(TPluginContainer &module, const RuntimeMarks &marks)
{
    for (int p = 0; p < module.Platforms.Count(); ++p) {
        TPluginPlatform &platform = module.Platforms.GetItem(p);
        platform.Checked = false;
        for (int q = 0; q < platform.Processors.Count(); ++q) {
            const bool marked = marks.value(p).value(q, false);
            platform.Processors.GetItem(q).Checked = marked;
            platform.Checked = platform.Checked || marked;
        }
    }
}

ComponentModules::RuntimeMarks ComponentModules::RuntimeMarksOf(const TPluginContainer &module)
{
    RuntimeMarks marks;
    for (const TPluginPlatform &platform : module.Platforms) {
        QList<bool> row;
        for (const TPluginProcessor &processor : platform.Processors)
            row.append(processor.Checked);
        marks.append(row);
    }
    return marks;
}

} // namespace talmo
