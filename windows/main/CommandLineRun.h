#pragma once

#include "helpers/ui/UnattendedUiServices.h"
#include "windows/main/ProgramCommandLine.h"

namespace talmo {

// What the main window does with a command line, decided without a window:
// whether it builds and what, where the build's messages go and how a build
// that cannot start ends.
class CommandLineRun
{
public:
    enum class Kind { Open, BuildProject, BuildProjectManager };

    // headless: the program runs without a display.
    CommandLineRun(const ProgramCommandLine &commandLine, bool headless);

    // A project file builds as a project; any other file as a project-manager list.
    Kind kind() const;
    // A silent build shows the window only once it has something to build.
    bool showsWindowAtOnce() const;
    // The named file is there to open.
    bool fileExists() const;
    // "/BS" says nothing, "/B" shows its dialogs or, without a display,
    // writes standard-error lines.
    UnattendedUiServices::Messages messages() const;
    // Failed entries of a project-manager list are reported unless silent.
    bool reportsFailures() const;

    // A build whose file is missing or does not open ends with the not-built
    // result. "/B" with a display still starts the program as without a
    // build, the file's fault told in a message, and the result becomes the
    // exit code when the program closes; otherwise the program ends at once.
    bool keepsRunningWhenNotOpened() const;
    // What standard error is told then: nothing with a display, since the
    // program starts or a silent build was asked for.
    QString standardErrorWhenNotOpened() const;

private:
    ProgramCommandLine m_commandLine;
    bool m_headless;
};

} // namespace talmo
