#pragma once

#include "model/OwningList.h"

#include <QString>

namespace talmo {

// One project of the project manager.
struct TProjectEntry
{
    QString FileName;  // absolute or relative to the manager file's folder, as given
    // Only files of version 1 carry these; they are never written.
    bool BuildExecutable = false;
    bool BuildCabs = false;
};

using TProjectsEntries = OwningList<TProjectEntry>;

// The list of project files the user keeps together and builds in a row,
// stored as a .talmopm file. The main window owns the one instance, resolves
// relative entries and reports failures.
class TProjectManager
{
public:
    static constexpr int CurrentVersion = 2;

    TProjectManager();
    TProjectManager(const TProjectManager &) = delete;
    TProjectManager &operator=(const TProjectManager &) = delete;

    // Unnamed ("unknown.talmopm" in the documents folder), empty, not
    // modified; Version keeps its value.
    void Clear();
    // On success the manager holds the file's entries under that name, not
    // modified. A file that cannot be read leaves the manager as it was.
    bool LoadFromFile(const QString &fileName);
    // On success the manager takes that name and is not modified; a failed
    // save changes nothing and leaves an existing file as it was.
    bool SaveToFile(const QString &fileName);

    QString FileName;
    TProjectsEntries Entries;
    bool Modified = false;
    int Version = 0;  // the format version of the file last read
};

} // namespace talmo
