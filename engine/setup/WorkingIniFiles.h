#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace talmo {

// The .ini files a setup build writes for the time of the compile, into the
// build's private working folder. Should a file of the same name be there
// already, it is moved aside before ours is written and put back by Clean(),
// so a build never costs anyone a file whatever folder it is given.
class WorkingIniFiles
{
public:
    explicit WorkingIniFiles(const QString &folder);
    ~WorkingIniFiles();
    WorkingIniFiles(const WorkingIniFiles &) = delete;
    WorkingIniFiles &operator=(const WorkingIniFiles &) = delete;

    // False when not every byte reached the file, or when what has the name
    // already cannot be moved aside (it is then left untouched).
    bool Write(const QString &fileName, const QByteArray &bytes);
    // Where and why the last Write failed: "<path>: <reason>".
    QString LastError() const { return m_lastError; }
    // The names written so far, in order.
    QStringList Names() const;
    // Deletes the written files and restores the user's own. Returns the
    // names that could not be deleted.
    QStringList Clean();

private:
    struct Entry
    {
        QString name;
        QString backup; // empty when there was no file of that name
    };

    QString pathOf(const QString &name) const;
    QString freeBackupName(const QString &name) const;

    QString m_folder;
    QList<Entry> m_entries;
    QString m_lastError;
};

} // namespace talmo
