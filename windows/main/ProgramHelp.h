#pragma once

class QWidget;

namespace talmo {

// The Help menu's commands that reach outside the program: its
// documentation, its web site and the program that updates it.
struct ProgramHelp
{
    static void ShowDocumentation(QWidget *parent);
    static void VisitWebSite();
    // Starts the update program of the program folder, or says there is none.
    static void CheckForLatestVersion(QWidget *parent);
};

} // namespace talmo
