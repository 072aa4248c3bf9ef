#pragma once

#include <QString>
#include <QStringList>

namespace talmo {

// The files the generated setup fetches at run time, as four parallel lists:
// entry k of each list belongs to download k. Filled while the [Files]
// section is written; the download, clean-up and wizard code reads it.
class DownloadList
{
public:
    // What decides whether a download is needed on the user's PC.
    enum CheckType { DesktopFile = 0, NeedsActiveSync = 1, NeedsPalmDesktop = 2 };

    void Clear();
    // Appends one download and returns its index k.
    int Add(const QString &source, const QString &destination, const QString &moduleName,
            CheckType checkType);
    int Count() const { return int(DownloadSources.size()); }
    bool IsEmpty() const { return DownloadSources.isEmpty(); }

    // The temporary file of a download that is not a direct-copy archive.
    static QString TemporaryName(int index);
    // The Pascal expression that names a file in the setup's temporary folder.
    static QString TemporaryFileExpression(const QString &fileName);

    QStringList DownloadSources;       // the URL as stored in the project
    QStringList DownloadDestinations;  // a script expression for the temporary file
    QStringList DownloadModuleNames;   // component name; empty: always downloaded
    QStringList DownloadCheckTypes;    // "0", "1" or "2"
};

} // namespace talmo
