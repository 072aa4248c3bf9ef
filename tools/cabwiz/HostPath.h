#pragma once

#include <QString>

namespace talmo::cabwiz {

// A path of the build machine as written in the .inf file or on the command
// line, where folders may be joined with "\", turned into a Linux path.
QString hostPath(const QString &path);

} // namespace talmo::cabwiz
