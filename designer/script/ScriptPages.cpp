#include "designer/script/ScriptPages.h"

#include "designer/script/TCodeEditor.h"
#include "pagehost/ProjectPageFactory.h"

namespace talmo {

void registerScriptPages(ProjectPageFactory &factory)
{
    factory.setCreator(PageKind::GlobalCode, [](const PageArguments &arguments, QWidget *parent) -> HostedPage * {
        return new TCodeEditor(arguments.project, arguments.host, arguments.knowledge, parent);
    });
}

} // namespace talmo
