#pragma once

#include "model/ProgramOptions.h"

#include <QString>

#include <optional>

namespace talmo {

// What the SQL Mobile search shows while it runs, and how it learns that the
// user gave up.
class SqlMobileSearchProgress
{
public:
    virtual ~SqlMobileSearchProgress();
    // The walk entered a folder; one step of the progress bar.
    virtual void folderEntered(const QString &folder) = 0;
    virtual void setText(const QString &text) = 0;
    virtual void setCaption(const QString &caption) = 0;
    // Asked after every folder of the walk.
    virtual bool cancelled() = 0;
};

// Fills a new redistributable set from the SQL Mobile runtimes installed
// below a folder: the shortest folder whose path holds "SQL Server\Mobile\v"
// and a version number is the version folder; its sub-folders are the
// platforms, theirs the processors, and each processor's "*.cab" files
// (any letter case) its CAB files. Folders are visited by name, ignoring
// case, hidden ones included; symbolic links to folders are not followed and
// folders that cannot be read are skipped.
class SqlMobileSearch
{
public:
    static inline const QString Caption = QStringLiteral("Automatic Search");
    static inline const QString AnalyzingText = QStringLiteral("Analyzing ...");
    static inline const QString PlatformsText = QStringLiteral("Getting Platforms and Processors ...");
    static inline const QString AddingCabsCaption = QStringLiteral("Adding Cabs ...");

    enum class Result { Filled, NothingFound, Cancelled };

    // Appends the platforms found to set; on NothingFound and Cancelled the set is left as it was.
    static Result Run(const QString &startFolder, TMSQL_CustomSet &set, SqlMobileSearchProgress &progress);
    // The version folder below startFolder, or empty; nullopt when the walk was cancelled.
    static std::optional<QString> FindVersionFolder(const QString &startFolder, SqlMobileSearchProgress &progress);
};

} // namespace talmo
