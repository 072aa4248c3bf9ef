#pragma once

#include <QList>
#include <QStringList>

namespace talmo {

class TProjectContainer;

// The setup's code that copies direct-copy modules (ZIP archives) onto the
// device or its storage card through the device-transfer DLL: globals, DLL
// bindings, the module tables, guarded DLL wrappers, a folder listing, the
// storage-card chooser and InstallCopyModule.
class DirectCopyCode
{
public:
    // Nothing for a project without direct-copy modules.
    static void WriteDirectCopyCode(const TProjectContainer &project, QStringList &lines);

    // The modules copied without being chosen in the component list, in
    // module order: the hidden ones, or all of them when the list is not shown.
    static QList<int> HiddenModules(const TProjectContainer &project);
};

} // namespace talmo
