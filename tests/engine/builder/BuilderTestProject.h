#pragma once

// Shared by the builder's core and window tests; header-only so both test
// executables can use it.

#include "engine/builder/BuildController.h"
#include "engine/builder/BuildQuestions.h"
#include "engine/scriptcode/FullScriptSource.h"
#include "engine/setup/SetupBuild.h"
#include "engine/setup/SetupBuildStep.h"
#include "model/ProjectContainer.h"
#include "platform/ProgramFolder.h"
#include "scriptknowledge/ScriptKnowledgeBase.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace talmo::testing {

// Answers the builder's questions from a script and records what it asked.
class ScriptedBuildQuestions : public BuildQuestions
{
public:
    bool AskYesNo(const QString &text) override;
    void ShowError(const QString &text) override;

    QList<bool> answers;  // taken from the front; No once empty
    QStringList asked;
    QStringList errors;
};

// Stands in for the heart of the setup build: ends with the result it was given.
class FakeSetupStep : public SetupBuildStep
{
public:
    void Run(BuildInProgress &build) override
    {
        ++runs;
        build.Log(QStringLiteral("--> Start Building Setup Wizard"));
        build.SetResult(result, result != 0 ? QStringLiteral("setup failed") : QString());
    }
    void Cancel() override {}

    int result = 0;
    int runs = 0;
};

// A project on disk: "<root>/project/demo.talmo", one device file
// "<root>/project/bin/app.exe", the output folder "out" beside the project
// file (not created), and an empty working folder "<root>/work".
struct BuilderTestProject
{
    BuilderTestProject();

    // The processor configurations after the default one, each with the device file.
    void AddConfigurations(const QStringList &processors);
    QString Path(const QString &relative) const { return root.filePath(relative); }
    QString OutputFolder() const { return Path(QStringLiteral("project/out")); }
    QString WorkingFolder() const { return Path(QStringLiteral("work")); }
    QStringList OutputFiles() const;
    QStringList WorkingFiles() const;
    // The private working folders builds left in the working folder.
    QStringList PrivateFolders() const;

    QTemporaryDir root;
    TProjectContainer project;
};

inline bool ScriptedBuildQuestions::AskYesNo(const QString &text)
{
    asked.append(text);
    return !answers.isEmpty() && answers.takeFirst();
}

inline void ScriptedBuildQuestions::ShowError(const QString &text)
{
    errors.append(text);
}

inline void WriteTestFile(const QString &path, const QByteArray &content)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content);
}

inline void AddDeviceFile(TCEDevice &device, const QString &sourceDir)
{
    TPPCFS_File &file = device.Files.AddNew();
    file.SourceName = QStringLiteral("app.exe");
    file.SourceDir = sourceDir;
    file.DestinationDir = QStringLiteral("%InstallDir%\\");
    file.DestinationName = QStringLiteral("app.exe");
}

inline BuilderTestProject::BuilderTestProject()
{
    project.CreateNewProject();
    project.FileName = Path(QStringLiteral("project/demo.talmo"));
    project.AppName = QStringLiteral("My App");
    project.OutputPath = QStringLiteral("out");
    WriteTestFile(Path(QStringLiteral("project/bin/app.exe")), "the application");
    QDir().mkpath(WorkingFolder());
    AddDeviceFile(project.CEDevices[0], QStringLiteral("bin\\"));
}

inline void BuilderTestProject::AddConfigurations(const QStringList &processors)
{
    for (const QString &processor : processors) {
        TCEDevice &device = project.CEDevices.AddNew();
        device.Caption = QStringLiteral("CEDevice.") + processor;
        AddDeviceFile(device, QStringLiteral("bin\\"));
    }
}

inline QStringList BuilderTestProject::OutputFiles() const
{
    return QDir(OutputFolder()).entryList(QDir::Files, QDir::Name);
}

inline QStringList BuilderTestProject::WorkingFiles() const
{
    return QDir(WorkingFolder()).entryList(QDir::Files, QDir::Name);
}

inline QStringList BuilderTestProject::PrivateFolders() const
{
    return QDir(WorkingFolder()).entryList({QStringLiteral("talmo-build-*")}, QDir::Dirs | QDir::Hidden);
}

inline bool WaitUntil(const std::function<bool()> &condition)
{
    const QDeadlineTimer deadline(5000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

// A program folder whose cabwiz is the given shell script.
inline void WriteFakeCabwiz(const QString &programFolder, const QByteArray &script)
{
    const QString path = programFolder + QStringLiteral("/cabwiz");
    WriteTestFile(path, "#!/bin/sh\n" + script + "\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A build controller for the test project, with the real program folder,
// scripted questions and a fake setup step; counts its close requests.
class BuilderFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fixture.root.isValid());
        ProgramFolder::setOverride(QStringLiteral(TALMO_TEST_PROGRAM_DIR));
        builder.Project = &fixture.project;
        builder.SetQuestions(&questions);
        builder.SetWorkingFolder(fixture.WorkingFolder());
        builder.SetSetupBuildStep(&setup);
        QObject::connect(&builder, &BuildController::closeRequested, [this] { ++closeRequests; });
    }

    void TearDown() override
    {
        ProgramFolder::clearOverride();
        QDir::setCurrent(QDir::tempPath());
    }

    BuilderTestProject fixture;
    ScriptedBuildQuestions questions;
    FakeSetupStep setup;
    BuildController builder;
    int closeRequests = 0;
};

// The builder compiling the program's whole script with our compiler library,
// for a project in English; the output folder is made when the build asks.
class FullScriptBuilderFixture : public BuilderFixture
{
protected:
    void SetUp() override
    {
        BuilderFixture::SetUp();
        questions.answers = { true }; // create the output folder
        static const ScriptKnowledgeBase knowledge;
        source = std::make_unique<FullScriptSource>(knowledge, nullptr);
        builder.SetSetupBuildStep(nullptr);
        builder.DefaultSetupBuild().SetScriptSource(source.get());
        fixture.project.Languages.AddNew().LanguageID = QStringLiteral("English");
    }

    std::unique_ptr<FullScriptSource> source;
};

// A designed page "Options" holding one button, "Button1".
inline TCustomForm &AddOptionsPageWithButton(TProjectContainer &project)
{
    TCustomForm &page = project.CustomForms.AddNew(false);
    page.Name = QStringLiteral("Options");
    page.Data = QStringList{ QStringLiteral("object TPanel"), QStringLiteral("  object Button1: TButton"),
                             QStringLiteral("    Caption = 'Go'"), QStringLiteral("  end"), QStringLiteral("end") };
    return page;
}

} // namespace talmo::testing
