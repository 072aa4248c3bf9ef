#include "windows/main/CommandLineRun.h"

#include "windows/main/TalmoFileKind.h"

#include <QFileInfo>

namespace talmo {

CommandLineRun::CommandLineRun(const ProgramCommandLine &commandLine, bool headless)
    : m_commandLine(commandLine)
    , m_headless(headless)
{
}

CommandLineRun::Kind CommandLineRun::kind() const
{
    if (!m_commandLine.build)
        return Kind::Open;
    return TalmoFileKindOf(m_commandLine.fileName) == TalmoFileKind::Project ? Kind::BuildProject
                                                                               : Kind::BuildProjectManager;
}

bool CommandLineRun::showsWindowAtOnce() const
{
    return !m_commandLine.build || !m_commandLine.silent;
}

bool CommandLineRun::fileExists() const
{
    return !m_commandLine.fileName.isEmpty() && QFileInfo(m_commandLine.fileName).isFile();
}

UnattendedUiServices::Messages CommandLineRun::messages() const
{
    if (m_commandLine.silent)
        return UnattendedUiServices::Messages::None;
    return m_headless ? UnattendedUiServices::Messages::StandardError : UnattendedUiServices::Messages::Dialogs;
}

bool CommandLineRun::reportsFailures() const
{
    return !m_commandLine.silent;
}

bool CommandLineRun::keepsRunningWhenNotOpened() const
{
    return !m_headless && !m_commandLine.silent;
}

QString CommandLineRun::standardErrorWhenNotOpened() const
{
    // Without a display nobody would see the program start: say why, also with /BS.
    if (!m_headless)
        return QString();
    return m_commandLine.fileName.isEmpty() ? QStringLiteral("no file to build")
                                            : QStringLiteral("cannot build ") + m_commandLine.fileName;
}

} // namespace talmo
