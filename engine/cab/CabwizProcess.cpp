#include "engine/cab/CabwizProcess.h"

#include "engine/cab/ProcessLineAssembler.h"
#include "platform/ChildProcessLifetime.h"

#include <QEventLoop>
#include <QProcess>

namespace talmo {

bool CabwizProcess::IsErrorLine(const QString &line)
{
    return line.startsWith(QStringLiteral("Error"));
}

CabwizProcess::Outcome CabwizProcess::Run(const QString &program, const QStringList &arguments,
                                          const std::function<void(const QString &)> &onLine)
{
    if (m_cancelRequested) {
        m_cancelRequested = false;
        return Outcome{End::Cancelled, QString()};
    }

    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    EndChildWithParent(process);
    ProcessLineAssembler assembler;
    bool sawErrorLine = false;
    const auto deliver = [&](const QStringList &lines) {
        for (const QString &line : lines) {
            sawErrorLine = sawErrorLine || IsErrorLine(line);
            onLine(line);
        }
    };

    QEventLoop loop;
    bool ended = false;
    const auto end = [&] {
        ended = true;
        loop.quit();
    };
    connect(&process, &QProcess::readyReadStandardOutput, &loop,
            [&] { deliver(assembler.Feed(process.readAllStandardOutput())); });
    connect(&process, &QProcess::finished, &loop, end);
    connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            end();
    });
    connect(&process, &QProcess::started, &loop, [&] {
        if (m_cancelRequested)
            process.kill();
    });

    m_process = &process;
    process.start(program, arguments);
    if (!ended)
        loop.exec();
    deliver(assembler.Feed(process.readAllStandardOutput()));
    deliver(assembler.Finish());
    m_process = nullptr;

    Outcome outcome;
    if (m_cancelRequested) {
        outcome.end = End::Cancelled;
    } else if (process.error() == QProcess::FailedToStart) {
        outcome = Outcome{End::Failed, QStringLiteral("Error: cabwiz couldn't be started (%1): %2")
                                           .arg(program, process.errorString())};
    } else if (process.exitStatus() == QProcess::CrashExit) {
        outcome = Outcome{End::Failed, QStringLiteral("Error: cabwiz ended unexpectedly.")};
    } else if (process.exitCode() != 0 && !sawErrorLine) {
        outcome = Outcome{End::Failed, QStringLiteral("Error: cabwiz ended with exit code %1.")
                                           .arg(process.exitCode())};
    }
    m_cancelRequested = false;
    return outcome;
}

void CabwizProcess::Cancel()
{
    m_cancelRequested = true;
    if (m_process && m_process->state() == QProcess::Running)
        m_process->kill();
}

} // namespace talmo
