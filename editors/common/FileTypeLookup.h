#pragma once

#include "helpers/ui/ShellHelpers.h"

#include <QString>
#include <functional>
#include <memory>

namespace talmo {

struct FileTypeIconCache;

// The icon and "Type" text a file list shows for a file, asked of the desktop
// once per extension and remembered in the program-wide FileTypeCache lists
// (extension in lower case, icon index as decimal text, type name, line for line).
class FileTypeLookup
{
public:
    struct FileType
    {
        int iconIndex = -1; // into SystemImageList
        QString typeName;
    };
    using ShellQuery = std::function<ShellFileInfo(const QString &fileName, bool open, bool large)>;

    // Without a shared cache the lookup keeps one of its own.
    explicit FileTypeLookup(FileTypeIconCache *cache, ShellQuery query = GetShellFileInfo);
    ~FileTypeLookup();

    // By name alone: the file need not exist. Our desktop layer judges every
    // file by its extension, so an ".exe" is remembered like any other.
    FileType Lookup(const QString &fileName, bool large);
    // A stored source reference, a relative one seen from the project file's folder.
    FileType LookupReference(const QString &projectFileName, const QString &reference, bool large);

    // The extension as the cache keys it: from the last "." of the last
    // component, lower case; empty without one.
    static QString ExtensionKey(const QString &fileName);

private:
    std::unique_ptr<FileTypeIconCache> m_ownCache;
    FileTypeIconCache &m_cache;
    ShellQuery m_query;
};

} // namespace talmo
