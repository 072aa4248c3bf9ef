#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QProcess;

namespace talmo {

// Runs cabwiz as a hidden child process and waits for its end while the
// caller's event loop keeps running, so the builder window stays responsive
// and its Cancel reaches Cancel(). Console output is read as whole lines.
class CabwizProcess : public QObject
{
    Q_OBJECT

public:
    enum class End { Finished, Cancelled, Failed };

    struct Outcome
    {
        End end = End::Finished;
        // For Failed: the line that tells why, beginning with "Error".
        QString failureLine;
    };

    // cabwiz reports a failure with lines that begin with this (exact case).
    static bool IsErrorLine(const QString &line);

    // Starts the program and returns once it has ended. Every output line is
    // handed to onLine as it completes. A program that cannot be started,
    // crashes or exits with a non-zero code without having printed an error
    // line ends as Failed, so no broken run passes for a success.
    Outcome Run(const QString &program, const QStringList &arguments,
                const std::function<void(const QString &)> &onLine);

    // Ends the running program; a Run about to start it does not start it.
    void Cancel();
    bool IsRunning() const { return m_process != nullptr; }

private:
    QProcess *m_process = nullptr;
    bool m_cancelRequested = false;
};

} // namespace talmo
