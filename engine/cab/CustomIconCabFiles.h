#pragma once

#include "engine/cab/CabExtraFiles.h"

namespace talmo {

// The files beside the .inf file of a project's CAB build: the shortcut files
// of the custom-icon shortcuts, then the resource DLL and its copies.
class CustomIconCabFiles : public CabExtraFiles
{
public:
    void Write(const TProjectContainer &project, const QString &workingFolder, const QString &programFolder,
               QStringList &workingFiles) override;
};

} // namespace talmo
