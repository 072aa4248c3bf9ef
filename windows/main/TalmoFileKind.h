#pragma once

#include <QString>

namespace talmo {

// What a file is to the main window, told by its extension in any case.
enum class TalmoFileKind { Project, ProjectManager, Other };

TalmoFileKind TalmoFileKindOf(const QString &fileName);

} // namespace talmo
