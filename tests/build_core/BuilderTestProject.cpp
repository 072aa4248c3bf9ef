#include "tests/build_core/BuilderTestProject.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace talmo::testing {

bool ScriptedBuildQuestions::AskYesNo(const QString &text)
{
    asked.append(text);
    return !answers.isEmpty() && answers.takeFirst();
}

void ScriptedBuildQuestions::ShowError(const QString &text)
{
    errors.append(text);
}

void WriteTestFile(const QString &path, const QByteArray &content)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content);
}

namespace {

void AddDeviceFile(TCEDevice &device, const QString &sourceDir)
{
    TPPCFS_File &file = device.Files.AddNew();
    file.SourceName = QStringLiteral("app.exe");
    file.SourceDir = sourceDir;
    file.DestinationDir = QStringLiteral("%InstallDir%\\");
    file.DestinationName = QStringLiteral("app.exe");
}

} // namespace

BuilderTestProject::BuilderTestProject()
{
    project.CreateNewProject();
    project.FileName = Path(QStringLiteral("project/demo.talmo"));
    project.AppName = QStringLiteral("My App");
    project.OutputPath = QStringLiteral("out");
    WriteTestFile(Path(QStringLiteral("project/bin/app.exe")), "the application");
    QDir().mkpath(WorkingFolder());
    AddDeviceFile(project.CEDevices[0], QStringLiteral("bin\\"));
}

void BuilderTestProject::AddConfigurations(const QStringList &processors)
{
    for (const QString &processor : processors) {
        TCEDevice &device = project.CEDevices.AddNew();
        device.Caption = QStringLiteral("CEDevice.") + processor;
        AddDeviceFile(device, QStringLiteral("bin\\"));
    }
}

QStringList BuilderTestProject::OutputFiles() const
{
    return QDir(OutputFolder()).entryList(QDir::Files, QDir::Name);
}

QStringList BuilderTestProject::WorkingFiles() const
{
    return QDir(WorkingFolder()).entryList(QDir::Files, QDir::Name);
}

bool WaitUntil(const std::function<bool()> &condition)
{
    const QDeadlineTimer deadline(5000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

} // namespace talmo::testing
