#include "designer/core/CompletionTypes.h"

#include "model/ProjectContainer.h"

namespace talmo {

CompletionScope CompletionScopeOf(const TProjectContainer &project, int pageIndex)
{
    CompletionScope scope;
    scope.pageIndex = pageIndex;
    scope.commonCode = project.CommonCode;
    for (int i = 0; i < project.CustomForms.Count(); ++i)
        scope.pages.append({ project.CustomForms[i].Name, project.CustomForms[i].Data });
    return scope;
}

} // namespace talmo
