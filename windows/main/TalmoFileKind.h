#pragma once

#include <QString>

namespace talmo {

// What a file is to the main window, told by its extension in any case.
enum class TalmoFileKind { Project, ProjectManager, Other };

TalmoFileKind TalmoFileKindOf(const QString &fileName);

// Said when a file of another kind is to be opened.
inline const QString TalmoFileKindRefusal =
    QStringLiteral("Can load only TALMO Projects and TALMO Project Manager Files");

} // namespace talmo
