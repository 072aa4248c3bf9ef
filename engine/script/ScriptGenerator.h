#pragma once

#include "engine/script/DownloadList.h"
#include "engine/script/ScriptEnvironment.h"

#include <QString>
#include <QStringList>

namespace talmo {

class ScriptCodeSection;
class TProjectContainer;

// Writes a project's whole setup script in memory, one list entry per line:
// the include-library defines, [Setup], [Components], [Types], [Files],
// [Languages], [Registry], [Icons], [Tasks], [UninstallDelete],
// [InstallDelete], [UninstallRun], [Run], the [Code] part and the closing
// include line. The builder window owns one and forwards to it.
class ScriptGenerator
{
public:
    explicit ScriptGenerator(ScriptEnvironment environment);

    // The [Code] part; without one the script has none. Not owned.
    void SetCodeSection(ScriptCodeSection *codeSection) { m_codeSection = codeSection; }

    // Appends the script of the project to the (empty) line list. outputFolder
    // is absolute, without a trailing separator. Raises ScriptGenerationError
    // (or ListIndexError for a broken component tree); the list is then
    // partly filled.
    void GenerateScript(TProjectContainer &project, QStringList &script, const QString &outputFolder);
    // Where the build puts the ActiveSync .ini files the setup carries
    // (absolute, without a trailing separator); empty: beside the script.
    void SetIniFolder(const QString &folder) { m_iniFolder = folder; }

    // The downloads of the last script, read by the [Code] parts.
    const DownloadList &Downloads() const { return m_downloads; }
    // The temporary file name of each direct-copy archive of the last script.
    const QStringList &DirectCopyArchiveNames() const { return m_archiveNames; }
    const ScriptEnvironment &Environment() const { return m_environment; }

    static QString IncludeLine();

private:
    ScriptEnvironment m_environment;
    ScriptCodeSection *m_codeSection = nullptr;
    DownloadList m_downloads;
    QStringList m_archiveNames;
    QString m_iniFolder;
};

} // namespace talmo
