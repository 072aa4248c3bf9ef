#pragma once

#include "engine/setup/CompileProgress.h"
#include "engine/setup/CompilerLibrary.h"
#include "engine/setup/SetupBuildStep.h"
#include "engine/setup/SetupScriptSource.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

namespace talmo {

class TBuildThread;

// The setup build between the builder's checks and its closing rules: it puts
// the ActiveSync .ini files into the build's working folder, has the script
// made with the project folder as the current folder, compiles it on a
// TBuildThread while the builder shows the compile's progress, and removes
// the .ini files again.
//
// Result codes in the builder: 0, 3 (working folder or .ini files), 10 (no
// script) or the compile thread's 1, 2 and 9.
class SetupBuild : public SetupBuildStep
{
public:
    SetupBuild();
    ~SetupBuild() override;

    // Not owned. Until the program installs one, no script can be prepared.
    void SetScriptSource(SetupScriptSource *source);
    // A stand-in for the compiler library of the program folder (tests).
    void SetEngine(const CompilerEngine &engine);

    void Run(BuildInProgress &builder) override;
    void Cancel() override;

private:
    bool PrepareScript(BuildInProgress &builder, QStringList &script, const QString &iniFolder);
    void Compile(BuildInProgress &builder, const QStringList &script, const QString &projectFolder);
    void ReportProgress(BuildInProgress &builder, quint32 progress, quint32 maximum, qint32 secondsRemaining,
                        quint32 bytesPerSecond);

    SetupScriptSource *m_source = nullptr;
    CompilerEngine m_engine;
    TBuildThread *m_thread = nullptr; // while a compile runs
    CompileProgress m_progress;
    QElapsedTimer m_progressClock;
};

} // namespace talmo
