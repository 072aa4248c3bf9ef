#pragma once

#include "resources/ByteView.h"

#include <memory>
#include <string>
#include <vector>

namespace talmo {

class TResourceDetails;

// A directory of the tree the resource section is encoded from: types at the
// root, then names, then languages, whose entries are the leaves.
class TResourceNode
{
public:
    struct Entry
    {
        std::string Name;
        bool IsNumeric = false;
        std::unique_ptr<TResourceNode> Child;
        const Bytes *Data = nullptr; // leaves only; not owned
        int CodePage = 0;
    };

    // Adds a resource under its type, name and language; a resource whose
    // type, name and language are present already gives the leaf its data and
    // keeps the earlier code page.
    void Add(const TResourceDetails &details);

    // Entries in the order the loader's binary search expects: named entries
    // first, by their upper-cased UTF-16 text, then ids in ascending order;
    // equal entries keep the order they were added in.
    void SortEntries();

    const std::vector<Entry> &Entries() const { return m_entries; }

    // True for a name written as an id: digits only, its own decimal text, and
    // room in the 31 bits an entry has for an id.
    static bool IsNumericName(const std::string &name);

private:
    Entry &FindOrAdd(const std::string &name);
    std::vector<Entry> m_entries;
};

struct TResourceDirectoryStamp
{
    uint32_t TimeDateStamp = 0;
    uint16_t MajorVersion = 0;
    uint16_t MinorVersion = 0;
};

// The resource section for a tree whose section will lie at sectionAddress:
// directories in pre-order, data entries, names, padding to 16, then the data
// of the leaves, each padded to 4 bytes. Every directory carries the stamp.
Bytes EncodeResourceSection(TResourceNode &root, uint32_t sectionAddress, const TResourceDirectoryStamp &stamp);

} // namespace talmo
