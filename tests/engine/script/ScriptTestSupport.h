#pragma once

#include "engine/setup/BuildThread.h"
#include "engine/script/ScriptCodeSection.h"
#include "engine/script/ScriptGenerator.h"
#include "engine/script/ScriptEnvironment.h"
#include "engine/script/ScriptGenerationError.h"
#include "model/ProjectContainer.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QString>
#include <QStringList>

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

#include <string>

namespace talmo::scripttest {

// The program folder every script test pretends to run from.
inline const QString programFolder = QStringLiteral("C:\\Talmo\\");
inline const QString outputFolder = QStringLiteral("C:\\Out");

// A built-in set whose CAB paths tell their position: "<kind>-p-q-f.cab"
// under the program's redist folder; positions past 2 do not exist.
class PositionRedistributables : public BuiltinRedistributables
{
public:
    QString BuiltinCabFile(int moduleType, int platform, int processor, int file) const override
    {
        if (platform > 2 || processor > 2 || file > 2)
            throw ScriptGenerationError(QStringLiteral("no such built-in CAB"));
        return programFolder + QStringLiteral("redist\\%1-%2-%3-%4.cab")
                                   .arg(moduleType == 4 ? QStringLiteral("sql") : QStringLiteral("cf"))
                                   .arg(platform)
                                   .arg(processor)
                                   .arg(file);
    }
};

// An environment where exactly the given files exist.
inline ScriptEnvironment EnvironmentWith(const QStringList &existingFiles = {})
{
    static const PositionRedistributables redistributables;
    const QSet<QString> files(existingFiles.begin(), existingFiles.end());
    return ScriptEnvironment{ programFolder, [files](const QString &path) { return files.contains(path); },
                              &redistributables };
}

// Appends a component of the module to the project's component tree.
inline TInstallComponent &AddComponent(TProjectContainer &project, int type, int moduleIndex, int parent = -1)
{
    TInstallComponent &component = project.InstallComponents.AddNew(&project);
    component.moduleType = type;
    component.moduleIndex = moduleIndex;
    component.parentIndex = parent;
    return component;
}

// The text of a hand-written fixture, lines joined with "\n".
inline std::string Fixture(const QString &name)
{
    QFile file(QStringLiteral(TALMO_TEST_SOURCE_DIR "/fixtures/script/") + name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        ADD_FAILURE() << "missing fixture " << name.toStdString();
        return {};
    }
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.toStdString();
}

// A one-byte file, with its folders, for scripts that name it as a source.
inline void Touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
}

// What the compiler library of the built program folder made of a script.
struct CompileOutcome
{
    int result = -1;
    QStringList log;
};

// Compiles the script with the library beside the program, the script's
// relative sources taken from sourceFolder.
inline CompileOutcome CompileWithShippedLibrary(const QStringList &script, const QString &sourceFolder)
{
    ProgramFolder::setOverride(QStringLiteral(TALMO_TEST_PROGRAM_DIR "/"));
    CompileOutcome outcome;
    TBuildThread thread;
    thread.SetQuiet(true);
    thread.SetScript(script);
    thread.ScriptPath = sourceFolder + QLatin1Char('/');
    QObject::connect(&thread, &TBuildThread::logLine, [&outcome](const QString &line) { outcome.log.append(line); });
    thread.StartCompile();
    thread.wait();
    ProgramFolder::clearOverride();
    outcome.result = thread.ResultCode();
    return outcome;
}

// A desktop-only project saved as fileName, with one desktop module of that caption.
inline TWin32Plugin &StartDesktopOnlyProject(TProjectContainer &project, const QString &fileName, const QString &caption)
{
    project.CreateNewProject();
    project.FileName = fileName;
    project.SetWin32Only(true);
    TWin32Plugin &module = project.Win32Plugins.AddNew();
    module.Caption = caption;
    return module;
}

// The routines the generated lines call, in their simplest form; the real
// [Code] part is written elsewhere.
class SupportRoutinesOnly : public ScriptCodeSection
{
public:
    void WriteCodeSection(const ScriptCodeContext &, QStringList &script) override
    {
        script << QString() << "[Code]" << "function CheckAsync(): Boolean;" << "begin" << "  Result := True;" << "end;"
               << "function CheckPalm(): Boolean;" << "begin" << "  Result := False;" << "end;";
        for (const char *name : { "GetCEappManager", "GetIniFile", "GetIniFileNoWait", "GetAsyncPath" })
            script << QStringLiteral("function %1(Param: String): String;").arg(name) << "begin" << "  Result := Param;" << "end;";
    }
};

class NoCode : public ScriptCodeSection
{
public:
    void WriteCodeSection(const ScriptCodeContext &, QStringList &) override {}
};

// The script generated for the built program folder with the given [Code] part.
inline QStringList GenerateWith(ScriptCodeSection &code, TProjectContainer &project, const QString &outputFolder)
{
    ScriptGenerator generator(
        ScriptEnvironment{ QStringLiteral(TALMO_TEST_PROGRAM_DIR "/"), &ScriptEnvironment::HostFileExists, nullptr });
    generator.SetCodeSection(&code);
    QStringList script;
    generator.GenerateScript(project, script, outputFolder);
    return script;
}

// The script generated for the built program folder, without a [Code] part.
inline QStringList GenerateWithoutCode(TProjectContainer &project, const QString &outputFolder)
{
    NoCode code;
    return GenerateWith(code, project, outputFolder);
}

// The script generated for the built program folder, with the support routines as its [Code].
inline QStringList GenerateWithSupportRoutines(TProjectContainer &project, const QString &outputFolder)
{
    SupportRoutinesOnly code;
    return GenerateWith(code, project, outputFolder);
}

inline std::string Joined(const QStringList &lines)
{
    return lines.join(QLatin1Char('\n')).toStdString();
}

} // namespace talmo::scripttest
