#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace talmo {

// What the command line asks for: "/B file" builds with messages, "/BS file"
// builds silently (the switch in any case); any other first argument is a
// file to open.
struct ProgramCommandLine
{
    QString fileName;  // made absolute against the current folder
    bool build = false;
    bool silent = false;

    // The arguments after the program's name.
    static ProgramCommandLine Parse(const QStringList &arguments);

    // Whether main() must choose the offscreen platform: a build was asked
    // for, QT_QPA_PLATFORM is not set and neither DISPLAY nor WAYLAND_DISPLAY
    // names a display. environment reads a variable.
    static bool NeedsOffscreenPlatform(const QStringList &arguments,
                                       const std::function<QString(const char *name)> &environment);
    // Neither a display nor a platform was given.
    static bool HasNoDisplay(const std::function<QString(const char *name)> &environment);

    static inline const QString NoDisplayMessage =
        QStringLiteral("talmo: no display available; only /B and /BS builds run without one");
};

} // namespace talmo
