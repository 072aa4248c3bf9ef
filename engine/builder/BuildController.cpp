#include "engine/builder/BuildController.h"

#include "engine/cab/CabBuildPlan.h"
#include "engine/cab/CabItemNames.h"
#include "engine/cab/CabProjectCheck.h"
#include "engine/cab/InfFile.h"
#include "engine/cab/InfTextGenerator.h"
#include "engine/builder/OutputFolderRule.h"
#include "engine/builder/OutputNameRule.h"
#include "engine/setup/SetupBuild.h"
#include "helpers/core/PathFolders.h"
#include "helpers/core/PathHelpers.h"
#include "model/ProjectContainer.h"
#include "platform/ProgramFolder.h"
#include "platform/ShellServices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <exception>

namespace talmo {

namespace {

bool IsUnattendedMode(int mode)
{
    return mode == 4 || mode == 5;
}

} // namespace

// The private working folder for the time of one build: made when the build
// starts and removed when the build that made it ends, however it ends. A
// setup build that builds its CABs first holds it for both.
class BuildWorkingSession
{
public:
    explicit BuildWorkingSession(BuildController &builder)
        : m_builder(builder)
        , m_folder(builder.PrivateFolder())
    {
        if (m_folder.Exists())
            return;
        QString reason;
        m_owned = m_folder.Create(&reason);
        if (!m_owned)
            m_builder.Fail(QStringLiteral("Fatal Error: The working folder \"%1\" couldn't be created: %2")
                               .arg(m_folder.Path(), reason));
    }

    ~BuildWorkingSession()
    {
        if (m_owned && !m_folder.Remove())
            m_builder.Log(QStringLiteral("Warning: The working folder \"%1\" couldn't be removed !").arg(m_folder.Path()));
    }

    bool Ready() const { return m_folder.Exists(); }

private:
    BuildController &m_builder;
    PrivateWorkingFolder &m_folder;
    bool m_owned = false;
};

BuildController::BuildController(QObject *parent)
    : QObject(parent)
    , m_defaultSetupStep(std::make_unique<SetupBuild>())
    , m_setupStep(m_defaultSetupStep.get())
{
}

BuildController::~BuildController() = default;

void BuildController::SetQuestions(BuildQuestions *questions)
{
    m_questions = questions ? questions : &m_noQuestions;
}

void BuildController::SetCabExtraFiles(CabExtraFiles *extraFiles)
{
    m_extraFiles = extraFiles ? extraFiles : &m_customIconFiles;
}

void BuildController::SetSetupBuildStep(SetupBuildStep *step)
{
    m_setupStep = step ? step : m_defaultSetupStep.get();
}

void BuildController::SetWorkingFolder(const QString &folder)
{
    m_workingFolder = folder;
    DrawPrivateFolder();
}

QString BuildController::BuildsFolder() const
{
    return m_workingFolder.isEmpty() ? GetTempDirectory() : m_workingFolder;
}

QString BuildController::WorkingFolder() const
{
    return PrivateFolder().Path();
}

PrivateWorkingFolder &BuildController::PrivateFolder() const
{
    if (!m_privateFolder)
        m_privateFolder = std::make_unique<PrivateWorkingFolder>(ToHostPath(BuildsFolder()));
    return *m_privateFolder;
}

// A fresh name for the builds of a new window session; never while a build holds the folder.
void BuildController::DrawPrivateFolder()
{
    if (!m_privateFolder || !m_privateFolder->Exists())
        m_privateFolder.reset();
}

void BuildController::WindowShown()
{
    DrawPrivateFolder();
    m_log.clear();
    emit logCleared();
    Log(QStringLiteral("Builder log"));
    Log(QStringLiteral("----------------------------"));
    m_infEdited = false;
    if (!Project)
        return;
    if (IsDesktopOnly())
        ReplaceInfText(QStringLiteral("No CAB Creator Module into Project"));
    else
        GenerateInf();
}

void BuildController::StartAutomaticStep()
{
    if (BuildMode == 0 || BuildMode == 4)
        BuildCabs();
    else if (BuildMode == 1 || BuildMode == 5)
        BuildInstallation();
    emit automaticStepFinished();
}

void BuildController::WindowClosed()
{
    KeepOpen = false;
}

bool BuildController::IsDesktopOnly() const
{
    return Project && Project->Win32Only;
}

QString BuildController::OutputFolder() const
{
    return Project ? BuilderOutputFolder(*Project) : QString();
}

void BuildController::EditInfText(const QString &text)
{
    m_infText = text;
    m_infEdited = true;
}

void BuildController::GenerateInf()
{
    if (!Project)
        return;
    try {
        const QString programFolder = ExcludeTrailingSeparator(ProgramFolder::path());
        InfTextGenerator generator(programFolder, WorkingFolder());
        m_generatedInfText = generator.Generate(*Project);
        m_infLineItems = generator.LineItems();
        ReplaceInfText(m_generatedInfText);
        Log(QStringLiteral("Inf file auto-generated from project settings."));
    } catch (const std::exception &error) {
        ReplaceInfText(QString());
        Log(QStringLiteral("Fatal Error: The .inf file couldn't be generated: ") + QString::fromUtf8(error.what()));
    }
    m_infEdited = false;
}

void BuildController::ReplaceInfText(const QString &text)
{
    m_infText = text;
    emit infTextReplaced(text);
}

void BuildController::Log(const QString &line)
{
    m_log.append(line);
    emit lineLogged(line);
}

void BuildController::SetActivity(Activity activity)
{
    if (m_activity == activity)
        return;
    m_activity = activity;
    emit activityChanged(activity);
}

void BuildController::SetResult(int code, const QString &errorText)
{
    ResultCode = code;
    ErrorText = errorText;
}

void BuildController::SetCompiling(bool compiling)
{
    SetActivity(compiling ? Activity::Compiling : Activity::Idle);
}

void BuildController::Fail(const QString &line)
{
    Log(line);
    ResultCode = Failed;
    ErrorText = line;
}

bool BuildController::ClosesByItself() const
{
    return IsUnattendedMode(BuildMode) && !KeepOpen;
}

void BuildController::RequestCloseIfUnattended()
{
    if (ClosesByItself())
        emit closeRequested();
}

bool BuildController::CheckOutputFolder()
{
    const QString folder = OutputFolder();
    if (folder.isEmpty()) {
        Fail(QStringLiteral("Fatal Error: The output path can't be empty !"));
        return false;
    }
    const QString hostFolder = ToHostPath(folder);
    if (QFileInfo(hostFolder).isDir())
        return true;
    if (!m_questions->AskYesNo(QStringLiteral("The output directory does not exists. Do you want to create it ?"))) {
        // The window is reused between builds: the text of an earlier failure must not stay.
        Fail(QStringLiteral("Can't continue without output directory !"));
        return false;
    }
    if (QDir().mkpath(hostFolder))
        return true;
    Fail(QStringLiteral("Fatal Error: The output directory couldn't be created. Aborting ..."));
    return false;
}

bool BuildController::CheckOutputName(const QString &fileName, const QString &what)
{
    if (!LeavesOutputFolder(fileName))
        return true;
    Fail(QStringLiteral("Fatal Error: The %1 \"%2\" must name a file inside the output folder !").arg(what, fileName));
    return false;
}

void BuildController::BuildCabs()
{
    if (!Project || Project->Win32Only)
        return;
    if (!CheckOutputFolder() || !CheckOutputName(Project->CABOutputFilename, QStringLiteral("CAB file name"))) {
        LogNotBuilt({});
        RequestCloseIfUnattended();
        return;
    }
    Log(QStringLiteral("--> Start Building CAB(s) File(s)"));
    ResultCode = Success;
    ErrorText.clear();
    if (Project->AppName.isEmpty()) {
        // Failed in every mode, so no setup build goes on to pack a CAB named ".CAB".
        Fail(QStringLiteral("Fatal Error: Please specify a project name !"));
        LogNotBuilt({});
        if (ClosesByItself())
            emit closeRequested();
        else
            m_questions->ShowError(QStringLiteral("Error: Please specify a project name !"));
        return;
    }
    {
        const BuildWorkingSession session(*this);
        if (session.Ready())
            BuildCabsWithName();
        else
            LogNotBuilt(RemoveEveryEarlierCab(CabBuildPlan(*Project)));
    }
    RequestCloseIfUnattended();
}

void BuildController::BuildCabsWithName()
{
    const CabBuildPlan plan(*Project);
    if (CheckProjectItems())
        PrepareAndBuildCabs(plan);
    // The earlier build's CABs go only now: a build of the same project running
    // beside this one may be packing the CABs it has just put in their place.
    if (ResultCode == Success) {
        QStringList unused = plan.ProducedCabNames();
        for (const QString &name : plan.FinalCabNames())
            unused.removeAll(name);
        RemoveEarlierCabs(unused, ToHostPath(OutputFolder()));
        return;
    }
    const QStringList removed = RemoveEveryEarlierCab(plan);
    if (ResultCode == Failed)
        LogNotBuilt(removed);
}

void BuildController::PrepareAndBuildCabs(const CabBuildPlan &plan)
{
    const QString working = WorkingFolder();
    const QString infPath = working + u'/' + plan.InfFileName();
    QStringList workingFiles{plan.InfFileName()};
    try {
        SaveInfFile(infPath, m_infText);
        m_extraFiles->Write(*Project, working, ProgramFolder::path(), workingFiles);
    } catch (const std::exception &error) {
        // BuildStepError and the errors of the model and resource code alike.
        Fail(QStringLiteral("Fatal Error: ") + QString::fromUtf8(error.what()));
        CleanWorkingFiles(working, workingFiles);
        return;
    }

    BuildCabsIntoOutputFolder(plan, infPath);
    if (ResultCode == Success)
        Log(QStringLiteral("Successful build of CAB(s) Files(s)"));
    SetActivity(Activity::Idle);
    CleanWorkingFiles(working, workingFiles);
}

// A failed build must not leave an earlier build's CABs behind as if they
// were its own, nor a successful one a CAB under a name it no longer uses.
QStringList BuildController::RemoveEarlierCabs(const QStringList &names, const QString &outputFolder)
{
    QStringList removed;
    for (const QString &name : names) {
        const QFileInfo earlier(outputFolder + u'/' + name);
        if ((earlier.isFile() || earlier.isSymLink()) && QFile::remove(earlier.filePath()))
            removed.append(name);
    }
    return removed;
}

// After a failure no CAB of an earlier build, under cabwiz's name or the project's, may stay.
QStringList BuildController::RemoveEveryEarlierCab(const CabBuildPlan &plan)
{
    return RemoveEarlierCabs(plan.ProducedCabNames() + plan.FinalCabNames(), ToHostPath(OutputFolder()));
}

bool BuildController::CheckProjectItems()
{
    const QStringList problems = CabProjectCheck::Problems(*Project);
    for (const QString &problem : problems)
        Fail(QStringLiteral("Fatal Error: ") + problem);
    return problems.isEmpty();
}

void BuildController::LogNotBuilt(const QStringList &removedCabs)
{
    if (removedCabs.isEmpty()) {
        Log(QStringLiteral("CAB(s) File(s) not built."));
        return;
    }
    Log(QStringLiteral("CAB(s) File(s) not built; the CAB(s) of an earlier build were removed from the output folder: ")
        + removedCabs.join(QStringLiteral(", ")));
}

// cabwiz writes into a folder of this build's own beside the outputs, so a
// build of the same project at the same time never takes this build's CABs
// for its own; they take their names in the output folder by rename.
void BuildController::BuildCabsIntoOutputFolder(const CabBuildPlan &plan, const QString &infPath)
{
    const QString output = ToHostPath(OutputFolder());
    PrivateWorkingFolder staging(output, PrivateWorkingFolder::StagingPrefix());
    QString reason;
    if (!staging.Create(&reason)) {
        Fail(QStringLiteral("Fatal Error: The folder \"%1\" couldn't be created: %2").arg(staging.Path(), reason));
        return;
    }
    RunCabwiz(plan.CabwizArguments(infPath, staging.Path()));
    if (ResultCode == Success)
        PlaceProducedCabs(plan, staging.Path(), output);
}

void BuildController::RunCabwiz(const QStringList &arguments)
{
    SetActivity(Activity::RunningCabwiz);
    const CabwizProcess::Outcome outcome =
        m_cabwiz.Run(ProgramFolder::path() + QStringLiteral("cabwiz"), arguments, [this, &arguments](const QString &line) {
            if (CabwizProcess::IsErrorLine(line))
                Fail(WithItemNamed(line, arguments.first()));
        });
    if (outcome.end == CabwizProcess::End::Failed) {
        Fail(outcome.failureLine);
    } else if (outcome.end == CabwizProcess::End::Cancelled) {
        // Like a cancelled compile, so automatic chains stop here.
        Log(QStringLiteral("Build of CAB(s) aborted by user"));
        ResultCode = Cancelled;
        ErrorText = QStringLiteral("Build of CAB(s) aborted by user");
    }
}

// "Error: <inf>, line N, section [S]: message" becomes "Error: <item>:
// message (<inf>, line N, section [S])" where line N of the generated text
// comes from one project item; the user's own .inf text keeps cabwiz's line.
QString BuildController::WithItemNamed(const QString &cabwizError, const QString &infPath) const
{
    const QString errorPrefix = QStringLiteral("Error: ");
    const QString located = errorPrefix + infPath + QStringLiteral(", line ");
    if (m_infText != m_generatedInfText || !cabwizError.startsWith(located))
        return cabwizError;
    const qsizetype messageStart = cabwizError.indexOf(QStringLiteral(": "), located.size());
    bool ok = false;
    const int number = QStringView(cabwizError).mid(located.size()).split(u',').first().split(u':').first().toInt(&ok);
    const QString item = m_infLineItems.value(number);
    if (!ok || item.isEmpty() || messageStart < 0)
        return cabwizError;
    const QString location = cabwizError.mid(errorPrefix.size(), messageStart - errorPrefix.size());
    return errorPrefix + CabItemNames::Capitalized(item) + QStringLiteral(": ")
           + cabwizError.mid(messageStart + 2) + QStringLiteral(" (") + location + u')';
}

void BuildController::PlaceProducedCabs(const CabBuildPlan &plan, const QString &stagingFolder,
                                        const QString &outputFolder)
{
    const QStringList produced = plan.ProducedCabNames();
    const QStringList final = plan.FinalCabNames();
    for (qsizetype i = 0; i < produced.size(); ++i) {
        const QString target = outputFolder + u'/' + final[i];
        // rename() puts the fresh CAB in place in one step; a folder of that name stays.
        const QString source = stagingFolder + u'/' + produced[i];
        if (!QFileInfo(source).isFile()) {
            Fail(QStringLiteral("Fatal Error: cabwiz reported no error but didn't write the CAB file %1 into the output folder !")
                     .arg(produced[i]));
            return;
        }
        if (::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) == 0)
            continue;
        const QString reason = QFileInfo(target).isDir() ? QStringLiteral("a folder of that name is in the output folder")
                                                         : qt_error_string(errno);
        Fail(QStringLiteral("Fatal Error: The CAB file %1 couldn't be renamed to %2: %3").arg(produced[i], final[i], reason));
        return;
    }
}

void BuildController::BuildInstallation()
{
    if (!Project)
        return;
    ResultCode = Success;
    ErrorText.clear();
    if (!CheckOutputFolder() || !CheckOutputName(Project->SetupExecName, QStringLiteral("setup file name"))) {
        RequestCloseIfUnattended();
        return;
    }
    const BuildWorkingSession session(*this);
    if (!session.Ready()) {
        RequestCloseIfUnattended();
        return;
    }
    const bool unattendedSetupOnly = BuildMode == 5 && !KeepOpen;
    if (!unattendedSetupOnly && !Project->Win32Only && Project->BuildCabsFirst)
        BuildCabs();
    if (ResultCode != Success)
        return;

    m_setupStep->Run(*this);
    SetActivity(Activity::Idle);
    FinishSetupBuild();
}

void BuildController::FinishSetupBuild()
{
    if (IsUnattendedMode(BuildMode)) {
        if (ResultCode == Success && KeepOpen) {
            const QString setupProgram = ToHostPath(OutputFolder()) + u'/' + Project->SetupExecName;
            if (RunAfterBuild && QFileInfo(setupProgram).isFile())
                StartSetupProgram(setupProgram);
            if (AutoClose)
                emit closeRequested();
        } else if (!KeepOpen) {
            emit closeRequested();
        }
    }
    KeepOpen = false;
    RunAfterBuild = false;
    BuildMode = 2;
}

void BuildController::StartSetupProgram(const QString &setupProgram)
{
    // Started as a program, not opened as a document: a desktop would hand a
    // Windows program to whatever viewer it has and claim success, while
    // starting it fails plainly where it cannot run.
    if (ShellServices::current().startProgram(setupProgram, {}, QFileInfo(setupProgram).path()))
        return;
    const QString text = QStringLiteral("The setup program can't be started on this system: ") + setupProgram;
    Log(text);
    m_questions->ShowError(text);
}

void BuildController::Cancel()
{
    ShowCompileProgress(false);
    if (m_activity == Activity::RunningCabwiz)
        m_cabwiz.Cancel();
    else if (m_activity == Activity::Compiling)
        m_setupStep->Cancel();
}

void BuildController::CleanWorkingFiles(const QString &folder, const QStringList &names)
{
    const QString hostFolder = ToHostPath(folder);
    for (const QString &name : names) {
        const QString path = hostFolder + u'/' + name;
        if (QFileInfo::exists(path) && !QFile::remove(path))
            Log(QStringLiteral("Warning: Error while cleaning temp file: ") + name +
                QStringLiteral(" from working directory !"));
    }
    QDir::setCurrent(ToHostPath(BuildsFolder()));
}

void BuildController::OpenOutputFolder()
{
    const QString folder = ToHostPath(OutputFolder());
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        Log(QStringLiteral("The output path doesn't exists"));
        return;
    }
    if (!ShellServices::current().openDocument(folder)) {
        Log(QStringLiteral("Couldn't execute the application"));
        // A desktop without a file manager opens no folder: the log says where the files are.
        Log(QStringLiteral("Output folder: ") + folder);
    }
}

void BuildController::ShowCompileProgress(bool visible)
{
    emit compileProgressShown(visible);
}

void BuildController::UpdateCompileProgress(const QString &text, int position, int maximum)
{
    emit compileProgressChanged(text, position, maximum);
}

} // namespace talmo
