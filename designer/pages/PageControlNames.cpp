#include "designer/pages/PageControlNames.h"

#include "designer/DesignClassRegistry.h"
#include "designer/DesignControl.h"

namespace talmo {

QList<PageControlName> PageControlNames(const TDesignControl &root, const TDesignClassRegistry &registry)
{
    QList<PageControlName> controls;
    for (const TDesignControl *control : root.components())
        controls.append({ control->name(), registry.classNameOf(*control) });
    return controls;
}

} // namespace talmo
