#pragma once

#include <QStringList>

namespace talmo {

class TProjectContainer;

// The setup script's support for Palm OS modules: the messages and, in
// script code, the bindings to the Palm Desktop's Conduit Manager, HotSync
// and Install Aide libraries with their error codes, a page on which the user
// picks the Palm users, and the routines the setup's event procedures call
// (PalmInitializeSetup, PalmInitializeWizard, PalmCurStepChanged,
// PalmInstallApplication, PalmInitializeUninstall, PalmUninstallConduit,
// PalmUninstallStepChanged).
//
// Appends a [CustomMessages] block and a [Code] block when the project has
// at least one Palm section, nothing otherwise.
void WritePalmSupportCode(const TProjectContainer &project, QStringList &script);

} // namespace talmo
