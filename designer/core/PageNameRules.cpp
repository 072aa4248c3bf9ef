#include "designer/core/PageNameRules.h"

#include "helpers/core/ScriptText.h"

namespace talmo::PageNameRules {

QString ControlNameRefusal(const QString &name)
{
    if (AsciiSameText(name, QStringLiteral("Form")))
        return QStringLiteral("The name \"%1\" is kept for the page itself; choose another name").arg(name);
    return {};
}

} // namespace talmo::PageNameRules
