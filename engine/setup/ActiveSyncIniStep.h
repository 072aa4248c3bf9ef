#pragma once

#include <QString>

#include <functional>

namespace talmo {

class TProjectContainer;
class WorkingIniFiles;

// The part of the setup build that puts the ActiveSync .ini files into the
// build's working folder before the compile: "setup.ini" (unless the project is
// desktop-only), one file per .NET CF2 or SQL Mobile module and one per CAB
// collection. On a failure it logs, deletes what it wrote and stops.
class ActiveSyncIniStep
{
public:
    struct Outcome
    {
        int resultCode = 0; // 0 or 3
        QString errorText;
    };

    using LogSink = std::function<void(const QString &)>;

    ActiveSyncIniStep(const TProjectContainer &project, const QString &folder, WorkingIniFiles &files, LogSink log);

    Outcome Run();

private:
    Outcome fail(const QString &logLine, const QString &errorText);

    const TProjectContainer &m_project;
    QString m_folder;
    WorkingIniFiles &m_files;
    LogSink m_log;
};

} // namespace talmo
