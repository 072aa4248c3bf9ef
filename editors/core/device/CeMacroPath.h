#pragma once

#include <QString>

namespace talmo {

class TProjectContainer;

// A device folder path written with the project's macros, the inverse of
// ExpandPathMacros: the device application's name and the provider become
// %AppName% and %Provider%, the first occurrence of each custom string's
// value becomes %Name%, and a standard device folder at the head of the path
// becomes its %CEn% macro. A path beginning with "%InstallDir%" is returned
// as it stands.
//
// A standard folder is replaced only as whole leading components: the device
// expands %CEn% anywhere, so "Program Files\Windows Tools" must keep its
// "Windows", and an empty name or value must not be inserted at position 0.
QString PathToCEMacros(const TProjectContainer &project, const QString &path);

} // namespace talmo
