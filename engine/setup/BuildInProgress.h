#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

class TProjectContainer;

// What a setup build needs of the build it runs in: the project, where the
// setup goes, the log, the result, and the progress display. The builder
// implements it, so this stage never has to know the builder.
class BuildInProgress
{
public:
    // Result codes of a build step.
    static constexpr int Success = 0;
    static constexpr int Failed = 3;
    static constexpr int Cancelled = 9;
    static constexpr int ScriptNotPrepared = 10;

    virtual TProjectContainer &BuiltProject() = 0;
    virtual QString OutputFolder() const = 0;
    // The build's own folder for the files it hands to its tools; it exists
    // for the time of the build and is no folder of the user's.
    virtual QString WorkingFolder() const = 0;
    virtual void Log(const QString &line) = 0;
    virtual void SetResult(int code, const QString &errorText) = 0;
    // While the compile runs the window cannot be closed.
    virtual void SetCompiling(bool compiling) = 0;
    virtual void ShowCompileProgress(bool visible) = 0;
    virtual void UpdateCompileProgress(const QString &text, int position, int maximum) = 0;
    // Deletes the named files of the folder, warning about those that stay.
    virtual void CleanWorkingFiles(const QString &folder, const QStringList &names) = 0;

protected:
    ~BuildInProgress() = default;
};

} // namespace talmo
