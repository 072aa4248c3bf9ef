#pragma once

#include <QString>

namespace talmo {

// The path for the file system of this machine: every "\" becomes "/". Paths
// of the build machine are written with "\" in projects and generated files;
// whatever opens them, the stand-ins for the outside programs included, maps
// them through here.
QString ToHostPath(const QString &path);

// The name under which two references to one file compare equal: the host
// path made absolute and cleaned of "." and ".." steps. Letter case is kept,
// as the file system keeps it.
QString HostPathKey(const QString &path);
bool IsSameHostFile(const QString &first, const QString &second);

} // namespace talmo
