#pragma once

#include <QString>

namespace talmo {
class TProjectContainer;
}

namespace talmo::testing {

// A CAB collection and a Palm OS module inside a module container, and a
// direct-copy module, each with files.
void AddFileModules(TProjectContainer &project);
// A desktop installer with files, registry values, shortcuts, programs to
// run and files to delete.
void AddDesktopModule(TProjectContainer &project);

// The example project grown the way a user's project grows: a module of
// every kind (one inside a module container), custom strings, a second
// language with its own files, registry values and shortcuts on the device,
// files, registry values, shortcuts, programs to run and files to delete on
// the desktop, two custom pages of several controls and global code. Loads
// exampleProject and writes the result to fileName; false when either fails.
bool WriteGalleryProject(const QString &exampleProject, const QString &fileName);

} // namespace talmo::testing
