#include "engine/setup/ActiveSyncIniStep.h"

#include "engine/setup/ActiveSyncIni.h"
#include "engine/setup/WorkingIniFiles.h"
#include "model/ProjectContainer.h"

#include <QDir>
#include <QFileInfo>

namespace talmo {

ActiveSyncIniStep::ActiveSyncIniStep(const TProjectContainer &project, const QString &folder, WorkingIniFiles &files,
                                     LogSink log)
    : m_project(project)
    , m_folder(folder)
    , m_files(files)
    , m_log(std::move(log))
{
}

ActiveSyncIniStep::Outcome ActiveSyncIniStep::fail(const QString &logLine, const QString &errorText)
{
    if (!logLine.isEmpty()) {
        m_log(logLine);
        m_log(m_files.LastError());
    }
    m_files.Clean();
    return {3, errorText};
}

ActiveSyncIniStep::Outcome ActiveSyncIniStep::Run()
{
    // Only the last folder level is created, as the folder's parent always exists.
    const QFileInfo folder(m_folder);
    if (!folder.isDir() && !QDir(folder.path()).mkdir(folder.fileName()))
        return fail(QString(), QStringLiteral("Error creating working dir"));

    if (!m_project.Win32Only && !m_files.Write(QStringLiteral("setup.ini"), ActiveSyncIni::Encode(ActiveSyncIni::SetupIni(m_project))))
        return fail(QStringLiteral("Fatal Error: Error while saving setup.ini !"), QStringLiteral("Error while saving setup.ini"));

    for (int n = 0; n < m_project.PluginContainers.Count(); ++n) {
        const TPluginContainer &container = m_project.PluginContainers[n];
        const QString name = ActiveSyncIni::PluginIniFileName(container, n);
        if (name.isEmpty())
            continue;
        if (!m_files.Write(name, ActiveSyncIni::Encode(ActiveSyncIni::PluginIni(container, n)))) {
            const QString kind = container.Type == TPluginContainer::NetCF2Type ? QStringLiteral("netcf2") : QStringLiteral("sqlmobile");
            const QString text = QStringLiteral("Error while saving %1.ini !").arg(kind);
            return fail(QStringLiteral("Fatal Error: ") + text, text);
        }
    }

    for (int n = 0; n < m_project.CabCollections.Count(); ++n) {
        const TCabCollection &collection = m_project.CabCollections[n];
        const QString name = ActiveSyncIni::CollectionIniFileName(n);
        if (!m_files.Write(name, ActiveSyncIni::Encode(ActiveSyncIni::CollectionIni(m_project, collection, n)))) {
            const QString text = QStringLiteral("Error while saving %1 !").arg(name);
            return fail(QStringLiteral("Fatal Error: ") + text, text);
        }
    }
    return {};
}

} // namespace talmo
