#include "engine/setup/BuildInProgress.h"
#include "engine/setup/SetupBuild.h"

#include "engine/setup/ActiveSyncIniStep.h"
#include "engine/setup/BuildThread.h"
#include "engine/setup/WorkingIniFiles.h"
#include "helpers/core/PathHelpers.h"
#include "model/ProjectContainer.h"

#include <QDir>
#include <QEventLoop>

#include <climits>
#include <stdexcept>

namespace talmo {

namespace {

const QString kScriptNotPrepared = QStringLiteral("Internal error while preparing installation script.");

// The progress bar counts in int; a compiler counting in unsigned 32-bit
// units past INT_MAX is shown at half scale.
int ProgressBarValue(quint32 value, bool halved)
{
    return int(halved ? value >> 1 : value);
}

} // namespace

SetupBuild::SetupBuild() = default;

SetupBuild::~SetupBuild() = default;

void SetupBuild::SetScriptSource(SetupScriptSource *source)
{
    m_source = source;
}

void SetupBuild::SetEngine(const CompilerEngine &engine)
{
    m_engine = engine;
}

void SetupBuild::Run(BuildInProgress &builder)
{
    TProjectContainer &project = builder.BuiltProject();
    builder.Log(QStringLiteral("--> Start Building Setup Wizard"));
    const QString projectFolder = ToHostPath(ExcludeTrailingSeparator(ExtractFileFolder(project.FileName)));
    // The .ini files go into the build's own folder: the project folder is
    // only read, so two builds of one project never share a file there, and
    // a killed build leaves nothing beside the user's files.
    const QString iniFolder = ToHostPath(builder.WorkingFolder());
    WorkingIniFiles iniFiles(iniFolder);
    const ActiveSyncIniStep::Outcome written =
        ActiveSyncIniStep(project, iniFolder, iniFiles, [&builder](const QString &line) { builder.Log(line); }).Run();
    if (written.resultCode != BuildInProgress::Success) {
        builder.SetResult(written.resultCode, written.errorText);
    } else {
        const QString previousFolder = QDir::currentPath();
        QDir::setCurrent(projectFolder);
        QStringList script;
        if (PrepareScript(builder, script, iniFolder))
            Compile(builder, script, projectFolder);
        QDir::setCurrent(previousFolder);
    }
    // What cannot be deleted now gets a second try and a warning from the builder.
    builder.CleanWorkingFiles(iniFolder, iniFiles.Clean());
}

bool SetupBuild::PrepareScript(BuildInProgress &builder, QStringList &script, const QString &iniFolder)
{
    QString reason;
    try {
        if (!m_source)
            throw std::logic_error("no script source is installed");
        m_source->GenerateScript(builder.BuiltProject(), script, ToHostPath(builder.OutputFolder()), iniFolder);
        return true;
    } catch (const std::exception &error) {
        reason = QString::fromUtf8(error.what());
    } catch (...) {
        reason = QStringLiteral("unknown error");
    }
    builder.Log(kScriptNotPrepared + u' ' + reason);
    builder.SetResult(BuildInProgress::ScriptNotPrepared, kScriptNotPrepared);
    return false;
}

void SetupBuild::Compile(BuildInProgress &builder, const QStringList &script, const QString &projectFolder)
{
    TBuildThread thread;
    thread.SetScript(script);
    thread.SetQuiet(true);
    if (m_engine.isComplete())
        thread.SetEngine(m_engine);
    thread.ScriptPath = projectFolder + u'/';
    thread.OutputDir = ToHostPath(builder.OutputFolder());

    // Queued onto this thread in the order sent, so every line and report
    // has arrived when finished() ends the wait.
    QEventLoop waiting;
    QObject::connect(&thread, &TBuildThread::logLine, &waiting, [&builder](const QString &line) { builder.Log(line); });
    QObject::connect(&thread, &TBuildThread::compileProgress, &waiting,
                     [this, &builder](quint32 progress, quint32 maximum, qint32 secondsRemaining, quint32 bytesPerSecond) {
                         ReportProgress(builder, progress, maximum, secondsRemaining, bytesPerSecond);
                     });
    QObject::connect(&thread, &QThread::finished, &waiting, &QEventLoop::quit);

    m_progress = CompileProgress();
    m_progressClock.start();
    builder.SetCompiling(true);
    builder.ShowCompileProgress(true);
    m_thread = &thread;
    thread.StartCompile();
    waiting.exec();
    // Only an application quitting ends the wait early; the compile must not outlive it.
    if (thread.isRunning())
        thread.RequestAbort();
    thread.wait();
    m_thread = nullptr;

    // An error in a line the user wrote is told in the user's terms, in the
    // log and in the error text a command-line build reports, alike.
    QString errorText = thread.ErrorText();
    if (thread.ErrorLine() > 0 && thread.ErrorFile().isEmpty() && m_source) {
        const ScriptLineOrigins::UserError userError =
            m_source->LineOrigins().ErrorAt(thread.ErrorLine(), thread.ErrorMessage());
        if (!userError.sentence.isEmpty()) {
            builder.Log(userError.sentence);
            errorText = userError.errorText;
        }
    }
    builder.SetResult(thread.ResultCode(), errorText);
    builder.ShowCompileProgress(false);
    builder.SetCompiling(false);
}

void SetupBuild::ReportProgress(BuildInProgress &builder, quint32 progress, quint32 maximum, qint32 secondsRemaining,
                                quint32 bytesPerSecond)
{
    if (!m_progress.Report(progress, maximum, secondsRemaining, bytesPerSecond, quint32(m_progressClock.elapsed())))
        return;
    const bool halved = qMax(m_progress.position(), m_progress.maximum()) > quint32(INT_MAX);
    builder.UpdateCompileProgress(m_progress.text(), ProgressBarValue(m_progress.position(), halved),
                                  ProgressBarValue(m_progress.maximum(), halved));
}

void SetupBuild::Cancel()
{
    if (m_thread)
        m_thread->RequestAbort();
}

} // namespace talmo
