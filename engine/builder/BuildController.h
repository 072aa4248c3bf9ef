#pragma once

#include "engine/builder/BuildQuestions.h"
#include "engine/builder/PrivateWorkingFolder.h"
#include "engine/cab/CustomIconCabFiles.h"
#include "engine/cab/CabwizProcess.h"
#include "engine/setup/BuildInProgress.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

namespace talmo {

class CabBuildPlan;
class SetupBuild;
class SetupBuildStep;
class TProjectContainer;

// What the builder window does, without the window: the .inf text, the log,
// the output-folder check, the CAB build with cabwiz, the frame of the setup
// build, Cancel, and the rules by which an unattended build closes the
// window. The window shows the state this class reports through its signals
// and forwards its buttons here; tests drive it directly.
//
// Callers set Project, BuildMode, KeepOpen and RunAfterBuild, show the window
// and read ResultCode and ErrorText once it has closed.
class BuildController : public QObject, public BuildInProgress
{
    Q_OBJECT

public:
    // What runs now. The window disables the build controls during a step;
    // while cabwiz runs Close reads "Cancel", while the compile runs the
    // window cannot be closed at all.
    enum class Activity { Idle, RunningCabwiz, Compiling };

    explicit BuildController(QObject *parent = nullptr);
    ~BuildController() override;

    // Not owned.
    TProjectContainer *Project = nullptr;
    // 0/4 build the CABs by themselves, 1/5 the setup; 4 and 5 then close the
    // window unless KeepOpen; 2 waits for the user.
    int BuildMode = 2;
    bool KeepOpen = false;
    bool RunAfterBuild = false;
    int ResultCode = Success;
    QString ErrorText;
    // "Automatically close on successful compile."
    bool AutoClose = false;

    // Dialogs, the files beside the .inf and the setup build's heart; the
    // controller does not own them. Null restores the built-in choice.
    void SetQuestions(BuildQuestions *questions);
    void SetCabExtraFiles(CabExtraFiles *extraFiles);
    void SetSetupBuildStep(SetupBuildStep *step);
    // The built-in setup build; the program gives it its script source.
    SetupBuild &DefaultSetupBuild() { return *m_defaultSetupStep; }
    // The folder under which each build makes its private working folder;
    // empty: GetTempDirectory. It is the current folder after a build.
    void SetWorkingFolder(const QString &folder);
    QString BuildsFolder() const;
    // The private working folder of the window's builds: the .inf text names
    // it, and it exists only while a build runs.
    QString WorkingFolder() const override;

    // The window was shown for Project: a fresh log and .inf text.
    void WindowShown();
    // Shortly after showing: the step the mode asks for, if any.
    void StartAutomaticStep();
    // The window closed.
    void WindowClosed();

    bool IsDesktopOnly() const;
    QString OutputFolder() const override;

    QString InfText() const { return m_infText; }
    bool InfEdited() const { return m_infEdited; }
    // The user changed the editor's text.
    void EditInfText(const QString &text);
    // The text generated afresh from the project.
    void GenerateInf();

    QStringList LogLines() const { return m_log; }
    void Log(const QString &line) override;

    Activity CurrentActivity() const { return m_activity; }
    void SetActivity(Activity activity);

    // True when the output folder exists or was created; otherwise logs why,
    // sets ResultCode to 3 and ErrorText.
    bool CheckOutputFolder();
    // Fails the build when a name the project gives an output leads out of the output folder.
    bool CheckOutputName(const QString &fileName, const QString &what);
    void BuildCabs();
    void BuildInstallation();
    // Ends cabwiz or asks the compile to stop.
    void Cancel();
    // Deletes the named files of the folder, warning about those that stay,
    // then makes the working folder the current folder.
    void CleanWorkingFiles(const QString &folder, const QStringList &names) override;
    void OpenOutputFolder();

    // The compile's progress display (the setup build drives it).
    void ShowCompileProgress(bool visible) override;
    void UpdateCompileProgress(const QString &text, int position, int maximum) override;

    // The setup build reports through these.
    TProjectContainer &BuiltProject() override { return *Project; }
    void SetResult(int code, const QString &errorText) override;
    void SetCompiling(bool compiling) override;

signals:
    void logCleared();
    void lineLogged(const QString &line);
    void infTextReplaced(const QString &text);
    void activityChanged(talmo::BuildController::Activity activity);
    // An unattended step has ended: the window is to close.
    void closeRequested();
    void automaticStepFinished();
    void compileProgressShown(bool visible);
    void compileProgressChanged(const QString &text, int position, int maximum);

private:
    bool ClosesByItself() const;
    void RequestCloseIfUnattended();
    void Fail(const QString &line);
    void BuildCabsWithName();
    void BuildCabsIntoOutputFolder(const CabBuildPlan &plan, const QString &infPath);
    void RunCabwiz(const QStringList &arguments);
    void PlaceProducedCabs(const CabBuildPlan &plan, const QString &stagingFolder, const QString &outputFolder);
    void PrepareAndBuildCabs(const CabBuildPlan &plan);
    QStringList RemoveEarlierCabs(const QStringList &names, const QString &outputFolder);
    QStringList RemoveEveryEarlierCab(const CabBuildPlan &plan);
    bool CheckProjectItems();
    void LogNotBuilt(const QStringList &removedCabs);
    QString WithItemNamed(const QString &cabwizError, const QString &infPath) const;
    void FinishSetupBuild();
    void StartSetupProgram(const QString &setupProgram);
    void ReplaceInfText(const QString &text);
    PrivateWorkingFolder &PrivateFolder() const;
    void DrawPrivateFolder();
    friend class BuildWorkingSession;

    NoBuildQuestions m_noQuestions;
    BuildQuestions *m_questions = &m_noQuestions;
    CustomIconCabFiles m_customIconFiles;
    CabExtraFiles *m_extraFiles = &m_customIconFiles;
    std::unique_ptr<SetupBuild> m_defaultSetupStep;
    SetupBuildStep *m_setupStep = nullptr;
    CabwizProcess m_cabwiz;
    QString m_workingFolder;
    mutable std::unique_ptr<PrivateWorkingFolder> m_privateFolder;
    QString m_infText;
    // The generated text and the project item of each of its lines, so a
    // cabwiz error about a line of it can name the item.
    QString m_generatedInfText;
    QHash<int, QString> m_infLineItems;
    bool m_infEdited = false;
    QStringList m_log;
    Activity m_activity = Activity::Idle;
};

} // namespace talmo
