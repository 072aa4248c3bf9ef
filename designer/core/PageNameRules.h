#pragma once

#include <QString>

namespace talmo {

// Names a page's controls cannot take whatever the script declares. The
// answer is the message to show, empty when the name is fine.
namespace PageNameRules {

// "Form", in any case, names the page's own events: a control of that name
// would share them.
QString ControlNameRefusal(const QString &name);

} // namespace PageNameRules

} // namespace talmo
