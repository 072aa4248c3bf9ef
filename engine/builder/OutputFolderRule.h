#pragma once

#include <QString>

namespace talmo {

class TProjectContainer;

// The folder the builds write into, as the builder window, the CAB build and
// the setup build all find it: the project's OutputPath (resolved against the
// project file's folder when relative) without one trailing separator, or the
// project file's folder when OutputPath is empty. Written as the path is
// stored; ToHostPath makes it usable on this machine.
QString BuilderOutputFolder(const TProjectContainer &project);

} // namespace talmo
