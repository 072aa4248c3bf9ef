#pragma once

#include "model/CustomForm.h"

#include <QString>

namespace talmo {

// Names the setup script cannot take for a page or its controls. Each answer
// is the message to show, empty when the name is fine.
namespace PageNameRules {

// "Form", in any case, names the page's own events: a control of that name
// would share them.
QString ControlNameRefusal(const QString &name);

// A page's name becomes a variable and a prefix of the script: it must be an
// identifier, and no other page may have it (case ignored).
QString PageNameRefusal(const QString &name, const TCustomForms &pages, int pageIndex);

} // namespace PageNameRules

} // namespace talmo
