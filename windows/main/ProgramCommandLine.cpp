#include "windows/main/ProgramCommandLine.h"

#include <QDir>

namespace talmo {

namespace {

bool IsBuildSwitch(const QString &argument)
{
    const QString upper = argument.toUpper();
    return upper == QLatin1String("/B") || upper == QLatin1String("/BS");
}

} // namespace

ProgramCommandLine ProgramCommandLine::Parse(const QStringList &arguments)
{
    ProgramCommandLine commandLine;
    if (arguments.isEmpty())
        return commandLine;
    QString file = arguments.first();
    if (IsBuildSwitch(arguments.first())) {
        commandLine.build = true;
        commandLine.silent = arguments.first().toUpper() == QLatin1String("/BS");
        file = arguments.value(1);
    }
    if (!file.isEmpty())
        commandLine.fileName = QDir::cleanPath(QDir::current().absoluteFilePath(file));
    return commandLine;
}

bool ProgramCommandLine::HasNoDisplay(const std::function<QString(const char *)> &environment)
{
    return environment("QT_QPA_PLATFORM").isEmpty() && environment("DISPLAY").isEmpty()
        && environment("WAYLAND_DISPLAY").isEmpty();
}

bool ProgramCommandLine::NeedsOffscreenPlatform(const QStringList &arguments,
                                                const std::function<QString(const char *)> &environment)
{
    return !arguments.isEmpty() && IsBuildSwitch(arguments.first()) && HasNoDisplay(environment);
}

} // namespace talmo
