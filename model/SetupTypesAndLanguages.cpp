#include "model/SetupTypesAndLanguages.h"

#include "model/ProjectContainer.h"

namespace talmo {

namespace {

template <typename List>
void collect(QList<QStringList *> &lists, List &modules, QStringList TInstallModule::*field)
{
    for (auto &module : modules)
        lists.append(&(module.*field));
}

QList<QStringList *> moduleLists(TProjectContainer &project, QStringList TInstallComponent::*componentField,
                                 QStringList TInstallModule::*moduleField, QStringList TProjectContainer::*cabCreatorField)
{
    QList<QStringList *> lists;
    for (TInstallComponent &component : project.InstallComponents)
        lists.append(&(component.*componentField));
    collect(lists, project.Win32Plugins, moduleField);
    collect(lists, project.CabCollections, moduleField);
    collect(lists, project.PalmSections, moduleField);
    collect(lists, project.PluginContainers, moduleField);
    collect(lists, project.DirectCopyModules, moduleField);
    lists.append(&(project.*cabCreatorField));
    return lists;
}

// Keeps in each list only the names that are still known, in their order.
void keepKnownNames(const QList<QStringList *> &lists, const QStringList &known)
{
    for (QStringList *list : lists) {
        for (int i = list->size() - 1; i >= 0; --i) {
            if (!known.contains(list->at(i)))
                list->removeAt(i);
        }
    }
}

void checkIndex(const QStringList &list, int index)
{
    if (index < 0 || index >= list.size())
        throw ListIndexError(index, int(list.size()));
}

bool hasCustomType(const TProjectContainer &project)
{
    return project.InstallTypesIsCustom >= 0 && project.InstallTypesIsCustom < project.InstallTypes.size();
}

} // namespace

QList<QStringList *> ModuleSetupTypeLists(TProjectContainer &project)
{
    return moduleLists(project, &TInstallComponent::InstallTypes, &TInstallModule::InstallTypes,
                       &TProjectContainer::CabCreatorModuleInstallTypes);
}

QList<QStringList *> ModuleLanguageLists(TProjectContainer &project)
{
    return moduleLists(project, &TInstallComponent::Languages, &TInstallModule::Languages,
                       &TProjectContainer::CabCreatorModuleLanguages);
}

void SetupTypes::Add(TProjectContainer &project, const QString &name, const QString &description)
{
    if (project.InstallTypes.isEmpty())
        project.InstallTypesIsCustom = 0;
    project.InstallTypes.append(name);
    project.InstallTypesDescriptions.append(description);
}

void SetupTypes::Edit(TProjectContainer &project, int index, const QString &name, const QString &description)
{
    checkIndex(project.InstallTypes, index);
    const QString oldName = project.InstallTypes.at(index);
    project.InstallTypes[index] = name;
    if (index < project.InstallTypesDescriptions.size())
        project.InstallTypesDescriptions[index] = description;
    for (QStringList *list : ModuleSetupTypeLists(project)) {
        for (QString &entry : *list) {
            if (entry == oldName)
                entry = name;
        }
    }
}

void SetupTypes::Delete(TProjectContainer &project, int index)
{
    checkIndex(project.InstallTypes, index);
    const bool hadCustom = hasCustomType(project);
    const bool deletingCustom = hadCustom && project.InstallTypesIsCustom == index;
    const QString customName = hadCustom ? project.InstallTypes.at(project.InstallTypesIsCustom) : QString();
    project.InstallTypes.removeAt(index);
    if (index < project.InstallTypesDescriptions.size())
        project.InstallTypesDescriptions.removeAt(index);
    if (deletingCustom)
        project.InstallTypesIsCustom = project.InstallTypes.isEmpty() ? -1 : 0;
    else
        project.InstallTypesIsCustom = hadCustom ? int(project.InstallTypes.indexOf(customName)) : -1;
    keepKnownNames(ModuleSetupTypeLists(project), project.InstallTypes);
}

void SetupTypes::ToggleCustom(TProjectContainer &project, int index)
{
    checkIndex(project.InstallTypes, index);
    project.InstallTypesIsCustom = project.InstallTypesIsCustom == index ? -1 : index;
}

int SetupTypes::Move(TProjectContainer &project, int index, int delta)
{
    checkIndex(project.InstallTypes, index);
    const int other = index + delta;
    checkIndex(project.InstallTypes, other);
    project.InstallTypes.swapItemsAt(index, other);
    if (index < project.InstallTypesDescriptions.size() && other < project.InstallTypesDescriptions.size())
        project.InstallTypesDescriptions.swapItemsAt(index, other);
    if (project.InstallTypesIsCustom == index)
        project.InstallTypesIsCustom = other;
    else if (project.InstallTypesIsCustom == other)
        project.InstallTypesIsCustom = index;
    return other;
}

QStringList SetupLanguages::Offered(const QStringList &all, const TProjectContainer &project)
{
    QStringList used;
    for (const TLanguage &language : project.Languages)
        used.append(language.LanguageID);
    QStringList offered;
    for (const QString &name : all) {
        if (!used.contains(name))
            offered.append(name);
    }
    return offered;
}

void SetupLanguages::Delete(TProjectContainer &project, int index)
{
    project.Languages.Delete(index);
    QStringList remaining;
    for (const TLanguage &language : project.Languages)
        remaining.append(language.LanguageID);
    keepKnownNames(ModuleLanguageLists(project), remaining);
}

} // namespace talmo
