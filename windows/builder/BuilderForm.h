#pragma once

#include "engine/builder/BuildController.h"
#include "windows/builder/UiBuildQuestions.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QProgressDialog;
class QPushButton;
class QTimer;

namespace talmo {

class TTntButtonEdit;

// The builder window: one instance serves every project for the whole run.
// It shows the project's .inf text (editable), the build log and the output
// path, and forwards its commands to a BuildController, whose state it shows.
//
// Callers set the project, mode and flags, show the window modally and read
// ResultCode and ErrorText once it has closed.
class TBuilderForm : public QDialog
{
    Q_OBJECT

public:
    // Reads "BuildAutoClose" from the registry.
    explicit TBuilderForm(QWidget *parent = nullptr);
    // Writes "BuildAutoClose" to the registry.
    ~TBuilderForm() override;

    void SetProject(TProjectContainer *project) { m_builder.Project = project; }
    void SetBuildMode(int mode) { m_builder.BuildMode = mode; }
    void SetKeepOpen(bool keepOpen) { m_builder.KeepOpen = keepOpen; }
    void SetRunAfterBuild(bool runAfterBuild) { m_builder.RunAfterBuild = runAfterBuild; }
    int BuildMode() const { return m_builder.BuildMode; }
    bool KeepOpen() const { return m_builder.KeepOpen; }
    bool RunAfterBuild() const { return m_builder.RunAfterBuild; }
    int ResultCode() const { return m_builder.ResultCode; }
    QString ErrorText() const { return m_builder.ErrorText; }

    // The setup build hooks in here (SetSetupBuildStep) and reports through it.
    BuildController &Builder() { return m_builder; }

    void done(int result) override;
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void connectBuilder();
    void UpdateControls();
    void showOutputFolder();
    void closeOrCancel();
    void saveInfClicked();
    void browseOutputPath();
    void showInfText(const QString &text);
    void showCompileProgress(bool visible);
    void updateCompileProgress(const QString &text, int position, int maximum);
    void readAutoClose();
    void writeAutoClose() const;

    BuildController m_builder;
    UiBuildQuestions m_questions{this};

    QPlainTextEdit *InfEditor = nullptr;
    QPushButton *bt_generate = nullptr;
    QPushButton *bt_SaveInf = nullptr;
    QPushButton *bt_BuildCabs = nullptr;
    QPushButton *bt_BuildInstallation = nullptr;
    QCheckBox *gui_BuildCabsFirst = nullptr;
    QPlainTextEdit *LogMemo = nullptr;
    QLabel *Label21 = nullptr;
    TTntButtonEdit *gui_OutputPath = nullptr;
    QPushButton *bt_OpenFolder = nullptr;
    QPushButton *bt_Close = nullptr;
    QCheckBox *cbAutoClose = nullptr;
    QTimer *Timer1 = nullptr;
    QProgressDialog *m_progress = nullptr;
};

} // namespace talmo
