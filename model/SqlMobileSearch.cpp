#include "model/SqlMobileSearch.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

namespace talmo {

namespace {

const QString VersionMarker = QStringLiteral("SQL Server\\Mobile\\v");

QStringList SortedByName(QStringList names)
{
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    return names;
}

// The sub-folders of a folder by name, without links to folders.
QStringList SubFolders(const QString &folder)
{
    QStringList names;
    QDirIterator entries(folder, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    while (entries.hasNext()) {
        const QFileInfo entry = entries.nextFileInfo();
        if (!entry.isSymLink())
            names.append(entry.fileName());
    }
    return SortedByName(names);
}

QString JoinPath(const QString &folder, const QString &name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// The version number a folder's path names after the marker; false when the
// path holds no marker or the text after it is no number.
bool HasVersionNumber(const QString &folder)
{
    QString path = folder;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    const qsizetype marker = path.indexOf(VersionMarker);
    if (marker < 0)
        return false;
    const qsizetype start = marker + VersionMarker.size();
    const qsizetype end = path.indexOf(QLatin1Char('\\'), start);
    bool isNumber = false;
    path.mid(start, end < 0 ? -1 : end - start).toDouble(&isNumber);
    return isNumber;
}

QStringList VisibleSubFolders(const QString &folder)
{
    QStringList names = SubFolders(folder);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const QString &name) { return name.startsWith(QLatin1Char('.')); }),
                names.end());
    return names;
}

QStringList CabFiles(const QString &folder)
{
    const QDir processor(folder);
    QStringList paths;
    const QStringList names =
        processor.entryList({ QStringLiteral("*.cab") }, QDir::Files | QDir::Hidden | QDir::System,
                            QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names)
        paths.append(JoinPath(folder, name));
    return paths;
}

} // namespace

SqlMobileSearchProgress::~SqlMobileSearchProgress() = default;

std::optional<QString> SqlMobileSearch::FindVersionFolder(const QString &startFolder,
                                                          SqlMobileSearchProgress &progress)
{
    QString best;
    QStringList pending{ startFolder };
    while (!pending.isEmpty()) {
        const QString folder = pending.takeLast();
        progress.folderEntered(folder);
        if (progress.cancelled())
            return std::nullopt;
        // On equal length the folder met last wins.
        if (HasVersionNumber(folder) && (best.isEmpty() || folder.size() <= best.size()))
            best = folder;
        const QStringList children = SubFolders(folder);
        for (auto child = children.crbegin(); child != children.crend(); ++child)
            pending.append(JoinPath(folder, *child));
    }
    return best;
}

SqlMobileSearch::Result SqlMobileSearch::Run(const QString &startFolder, TMSQL_CustomSet &set,
                                             SqlMobileSearchProgress &progress)
{
    const std::optional<QString> versionFolder = FindVersionFolder(startFolder, progress);
    if (!versionFolder)
        return Result::Cancelled;
    progress.setText(AnalyzingText);
    if (versionFolder->isEmpty())
        return Result::NothingFound;

    progress.setText(PlatformsText);
    std::vector<TMSQL_Platforms> platforms;
    for (const QString &platformName : VisibleSubFolders(*versionFolder)) {
        TMSQL_Platforms &platform = platforms.emplace_back();
        platform.Caption = platformName;
        const QString platformFolder = JoinPath(*versionFolder, platformName);
        for (const QString &processorName : VisibleSubFolders(platformFolder))
            platform.Processors.push_back({ processorName, {} });
    }

    progress.setCaption(AddingCabsCaption);
    for (TMSQL_Platforms &platform : platforms) {
        for (TMSQL_Processors &processor : platform.Processors)
            processor.CabFiles = CabFiles(JoinPath(JoinPath(*versionFolder, platform.Caption), processor.Caption));
        set.Platforms.push_back(std::move(platform));
    }
    return Result::Filled;
}

} // namespace talmo
