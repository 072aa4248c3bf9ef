#pragma once

#include "engine/script/DownloadList.h"

#include <QString>
#include <QStringList>

namespace talmo {

class ComponentCondition;
class DesktopEntryWriter;
class TProjectContainer;
struct ScriptEnvironment;

// Writes the lines of the [Files] section: the support DLLs the generated
// code loads, the skin's button bitmap, the Palm DLLs and files, the
// ActiveSync .ini files with the device CABs, the redistributable CABs, the
// CAB collections' files and the desktop modules' files. Every file that a
// module names by URL becomes a download instead of a packed file.
class FilesSectionWriter
{
public:
    FilesSectionWriter(TProjectContainer &project, const ScriptEnvironment &environment,
                       const ComponentCondition &conditions, const DesktopEntryWriter &desktopEntries,
                       DownloadList &downloads);

    // Appends the section's lines (without its header) for the setup built
    // into outputFolder (absolute, without a trailing separator).
    void Write(const QString &outputFolder, QStringList &lines);
    // Where the build puts the ActiveSync .ini files the setup carries
    // (absolute, without a trailing separator); empty: beside the script.
    void SetIniFolder(const QString &folder) { m_iniFolder = folder; }

    // The file name each direct-copy archive has in the setup's temporary
    // folder, by module index; filled by Write. Two archives of the same name
    // get distinct names.
    const QStringList &DirectCopyArchiveNames() const { return m_archiveNames; }

private:
    void writeDirectCopyModules(QStringList &lines);
    void writeSkinFiles(QStringList &lines);
    void writePalmSections(QStringList &lines);
    void writeCabCreator(const QString &outputFolder, QStringList &lines);
    void writePluginContainers(QStringList &lines);
    void writeCabCollections(QStringList &lines);
    void writeDesktopFiles(QStringList &lines);

    QString uniqueArchiveName(int moduleIndex, const QString &fileName) const;
    QString programFile(const QString &relativeName) const;
    QString resolved(const QString &reference) const;
    QString iniSource(const QString &fileName) const;
    QString runtimeCabPath(int moduleType, const QString &setCaption, int platform, int processor,
                           int file, const QString &storedPath) const;
    int addDownload(const QString &url, int componentIndex, DownloadList::CheckType checkType);

    TProjectContainer &m_project;
    const ScriptEnvironment &m_environment;
    const ComponentCondition &m_conditions;
    const DesktopEntryWriter &m_desktopEntries;
    DownloadList &m_downloads;
    QStringList m_archiveNames;
    QString m_iniFolder;
};

} // namespace talmo
