#include "engine/setup/WorkingIniFiles.h"

#include "platform/AtomicFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace talmo {

WorkingIniFiles::WorkingIniFiles(const QString &folder)
    : m_folder(folder)
{
}

WorkingIniFiles::~WorkingIniFiles()
{
    Clean();
}

QString WorkingIniFiles::pathOf(const QString &name) const
{
    return QDir(m_folder).filePath(name);
}

QString WorkingIniFiles::freeBackupName(const QString &name) const
{
    QString candidate = name + QStringLiteral(".talmo-backup");
    for (int n = 2; QFileInfo::exists(pathOf(candidate)); ++n)
        candidate = name + QStringLiteral(".talmo-backup%1").arg(n);
    return candidate;
}

bool WorkingIniFiles::Write(const QString &fileName, const QByteArray &bytes)
{
    Entry entry{fileName, QString()};
    const QString path = pathOf(fileName);
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile()) {
        // A folder of that name is no file to replace.
        m_lastError = path + QStringLiteral(": a folder of that name is in the way");
        return false;
    }
    if (existing.exists()) {
        entry.backup = freeBackupName(fileName);
        if (!QFile::rename(path, pathOf(entry.backup))) {
            m_lastError = path + QStringLiteral(": it cannot be moved aside");
            return false;
        }
    }
    m_entries.append(entry);
    QString reason;
    if (AtomicFileWriter::writeFile(path, bytes, &reason))
        return true;
    m_lastError = path + QStringLiteral(": ") + reason;
    return false;
}

QStringList WorkingIniFiles::Names() const
{
    QStringList names;
    for (const Entry &entry : m_entries)
        names << entry.name;
    return names;
}

QStringList WorkingIniFiles::Clean()
{
    QStringList failed;
    for (const Entry &entry : std::as_const(m_entries)) {
        const QString path = pathOf(entry.name);
        if (QFileInfo::exists(path) && !QFile::remove(path)) {
            failed << entry.name;
            continue; // the user's file stays in its backup rather than be lost
        }
        if (!entry.backup.isEmpty())
            QFile::rename(pathOf(entry.backup), path);
    }
    m_entries.clear();
    return failed;
}

} // namespace talmo
