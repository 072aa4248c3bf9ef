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

#include <exception>

namespace talmo {

namespace {

bool IsUnattendedMode(int mode)
{
    return mode == 4 || mode == 5;
}

} // namespace

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
}

QString BuildController::WorkingFolder() const
{
    return m_workingFolder.isEmpty() ? GetTempDirectory() : m_workingFolder;
}

void BuildController::WindowShown()
{
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
    BuildCabsWithName();
    RequestCloseIfUnattended();
}

void BuildController::BuildCabsWithName()
{
    const CabBuildPlan plan(*Project);
    const QString output = ToHostPath(OutputFolder());
    const QStringList removed = RemoveEarlierCabs(plan, output);
    if (!CheckProjectItems()) {
        LogNotBuilt(removed);
        return;
    }
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
        LogNotBuilt(removed);
        return;
    }

    RunCabwiz(plan.CabwizArguments(infPath, output));
    RenameProducedCabs(plan, output);
    CheckCabsBuilt(plan, output);
    if (ResultCode == Success)
        Log(QStringLiteral("Successful build of CAB(s) Files(s)"));
    SetActivity(Activity::Idle);
    CleanWorkingFiles(working, workingFiles);
    if (ResultCode == Failed)
        LogNotBuilt(removed);
}

// A failed build must not leave an earlier build's CABs behind as if they
// were its own: they go before anything else can fail.
QStringList BuildController::RemoveEarlierCabs(const CabBuildPlan &plan, const QString &outputFolder)
{
    QStringList removed;
    for (const QString &name : plan.ProducedCabNames() + plan.FinalCabNames()) {
        const QFileInfo earlier(outputFolder + u'/' + name);
        if ((earlier.isFile() || earlier.isSymLink()) && QFile::remove(earlier.filePath()))
            removed.append(name);
    }
    return removed;
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

void BuildController::RenameProducedCabs(const CabBuildPlan &plan, const QString &outputFolder)
{
    for (const CabBuildPlan::Rename &rename : plan.Renames()) {
        // A CAB file name that matches cabwiz's own must not cost the fresh CAB.
        if (rename.from == rename.to)
            continue;
        const QString target = outputFolder + u'/' + rename.to;
        QFile::remove(target);
        QFile produced(outputFolder + u'/' + rename.from);
        // A failed cabwiz run leaves nothing to rename; its error is logged already.
        if (!produced.exists() || produced.rename(target))
            continue;
        const QString reason = QFileInfo(target).isDir() ? QStringLiteral("a folder of that name is in the output folder")
                                                         : produced.errorString();
        Fail(QStringLiteral("Fatal Error: The CAB file %1 couldn't be renamed to %2: %3").arg(rename.from, rename.to, reason));
    }
}

// cabwiz may end without an error line and still not leave a CAB under the
// name the build expects; a build that lacks one of its CABs has failed.
void BuildController::CheckCabsBuilt(const CabBuildPlan &plan, const QString &outputFolder)
{
    if (ResultCode != Success)
        return;
    const QStringList produced = plan.ProducedCabNames();
    const QStringList finalNames = plan.FinalCabNames();
    for (qsizetype i = 0; i < finalNames.size(); ++i) {
        if (QFileInfo(outputFolder + u'/' + finalNames[i]).isFile())
            continue;
        Fail(QStringLiteral("Fatal Error: cabwiz reported no error but didn't write the CAB file %1 into the output folder !")
                 .arg(produced[i]));
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
    QDir::setCurrent(ToHostPath(WorkingFolder()));
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
