#pragma once

#include "engine/setup/CompilerLibrary.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QStringList>
#include <QThread>

#include <atomic>

namespace talmo {

// Compiles a setup script with the installer compiler library on a thread of
// its own, so the builder stays responsive and can offer Cancel. Every log
// line and progress report is a signal; connected to an object of the GUI
// thread it arrives there, in order, before finished().
//
// Result codes: 0 compiled; 1 incompatible or missing compiler, or an
// unexpected result of the library; 2 compile failure or exception; 9
// aborted by the user (2 once the library then reports the failure).
class TBuildThread : public QThread
{
    Q_OBJECT

public:
    static constexpr uint32_t MinimumCompilerVersion = 0x05000500;

    explicit TBuildThread(QObject *parent = nullptr);

    void SetScript(const QStringList &script);
    void SetQuiet(bool quiet);
    // A stand-in for the library of the program folder (tests).
    void SetEngine(const CompilerEngine &engine);

    QString ScriptPath;         // the script's source folder, with a trailing separator
    QString OutputDir;          // becomes the option OutputDir when not empty
    QString OutputBaseFilename; // becomes the option OutputBaseFilename when not empty

    // Clears the abort request on the caller's thread, then starts; a Cancel
    // made from then on is never lost.
    void StartCompile();
    // From any thread: the next callback of the compiler asks it to stop.
    void RequestAbort();

    // Read these after finished().
    int ResultCode() const { return m_resultCode; }
    QString ErrorText() const { return m_errorText; }
    // Where the compiler found its error: the line (0 when it named none) and
    // the include file (empty for the script itself).
    int ErrorLine() const { return m_errorLine; }
    QString ErrorFile() const { return m_errorFile; }
    // The compiler's message of that error, without its place.
    QString ErrorMessage() const { return m_errorMessage; }
    bool Quiet() const { return m_quiet; }
    QStringList Script() const { return m_script; }

    // The option block: "OutputDir=..." NUL, "OutputBaseFilename=..." NUL, NUL.
    static QByteArray OptionBlock(const QString &outputDir, const QString &outputBaseFilename);

signals:
    void logLine(const QString &line);
    void compileProgress(quint32 progress, quint32 maximum, qint32 secondsRemaining, quint32 bytesPerSecond);

protected:
    void run() override;

private:
    static int32_t CompilerCallback(int32_t code, TCompilerCallbackData *data, intptr_t appData);
    int32_t handleCallback(int32_t code, TCompilerCallbackData *data);
    void execute();
    void LogError(const QString &text);
    void LogCompileError(const TCompilerCallbackData &data);

    QStringList m_script;
    bool m_quiet = false;
    CompilerEngine m_engine;
    std::atomic<bool> m_abortRequested{false};
    int m_resultCode = 0;
    QString m_errorText;
    int m_errorLine = 0;
    QString m_errorFile;
    QString m_errorMessage;
    bool m_callbackFailed = false;
    int m_nextScriptLine = 0;
    QByteArray m_currentScriptLine; // valid until the next callback
    QElapsedTimer m_compileClock;
};

} // namespace talmo
