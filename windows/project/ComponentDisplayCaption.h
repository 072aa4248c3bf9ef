#pragma once

#include <QString>

namespace talmo {

class TProjectContainer;

// The text the project window shows for an installation component: the
// model's caption with the kind of module it stands for, the runtime set of a
// runtime module, and " [ Hidden ]" for a module the setup installs silently.
// An index that leads nowhere raises ListIndexError, as the model does.
QString ComponentDisplayCaption(const TProjectContainer &project, int componentIndex);

// Whether the module behind the component is hidden; a module container
// never counts as hidden, and -1 (no component) is not hidden.
bool IsComponentHidden(const TProjectContainer &project, int componentIndex);

} // namespace talmo
