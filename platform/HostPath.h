#pragma once

#include <QString>

namespace talmo {

// The path for the file system of this machine: every "\" becomes "/". Paths
// of the build machine are written with "\" in projects and generated files;
// whatever opens them, the stand-ins for the outside programs included, maps
// them through here.
QString ToHostPath(const QString &path);

} // namespace talmo
