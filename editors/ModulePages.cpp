#include "editors/ModulePages.h"

#include "editors/modules/AppearanceOptionsForm.h"
#include "editors/cab/CABCreatorForm.h"
#include "editors/modules/CabCollectionEditor.h"
#include "editors/modules/DirectCopyModuleEditor.h"
#include "editors/registry/EditorRegistrySection.h"
#include "editors/desktop/Win32InstallationForm.h"
#include "model/ProjectContainer.h"
#include "pagehost/ProjectPageFactory.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"

namespace talmo {

namespace {

ProjectPageFactory::Creator fileListPage(bool palmMode)
{
    return [palmMode](const PageArguments &arguments, QWidget *parent) -> HostedPage * {
        const TInstallComponent &component = arguments.project.InstallComponents[arguments.key];
        return new TcabCollectionEditor(arguments.project, arguments.host, component.moduleIndex, palmMode, parent);
    };
}

HostedPage *directCopyPage(const PageArguments &arguments, QWidget *parent)
{
    TInstallComponent &component = arguments.project.InstallComponents[arguments.key];
    auto *page = new TDirectCopyModuleEditor(arguments.project, arguments.host, component.moduleIndex, parent);
    // A component without its module yet gets the one the page made.
    component.moduleIndex = page->ModuleIndex();
    return page;
}

HostedPage *win32Page(const PageArguments &arguments, QWidget *parent)
{
    TInstallComponent &component = arguments.project.InstallComponents[arguments.key];
    const int before = arguments.project.Win32Plugins.Count();
    FileTypeIconCache *fileTypes = arguments.knowledge ? &arguments.knowledge->FileTypeCache() : nullptr;
    auto *page =
        new TWin32InstallationForm(arguments.project, arguments.host, component.moduleIndex, parent, fileTypes);
    // A component without its module yet gets the one the page made.
    if (arguments.project.Win32Plugins.Count() != before)
        component.moduleIndex = before;
    return page;
}

} // namespace

void registerModulePages(ProjectPageFactory &factory)
{
    factory.setCreator(PageKind::CabCreatorModule, [](const PageArguments &arguments, QWidget *parent) -> HostedPage * {
        FileTypeIconCache *fileTypes = arguments.knowledge ? &arguments.knowledge->FileTypeCache() : nullptr;
        return new TCABCreatorForm(arguments.project, arguments.host, parent, fileTypes);
    });
    factory.setCreator(PageKind::Win32Module, win32Page);
    factory.setCreator(PageKind::CabCollectionModule, fileListPage(false));
    factory.setCreator(PageKind::PalmModule, fileListPage(true));
    factory.setCreator(PageKind::DirectCopyModule, directCopyPage);
    factory.setCreator(PageKind::RegistrySection, [](const PageArguments &arguments, QWidget *parent) -> HostedPage * {
        return new Teditor_RegistrySection(arguments.project, arguments.host,
                                           arguments.project.RegistrySections[arguments.key], parent);
    });
    factory.setCreator(PageKind::Appearance, [](const PageArguments &arguments, QWidget *parent) -> HostedPage * {
        return new TAppearanceOptionsForm(arguments.project, arguments.host, parent);
    });
}

} // namespace talmo
