#pragma once

#include "editors/core/desktop/Win32EntryRows.h"
#include "model/OwningList.h"

namespace talmo {

// One of a desktop-installer module's entry lists that the page shows a row
// per entry of: the shortcuts, the programs to run and the items to delete.
template <typename Entry>
class Win32EntryList
{
public:
    explicit Win32EntryList(OwningList<Entry> &entries)
        : m_entries(entries)
    {
    }

    bool Has(int index) const { return index >= 0 && index < m_entries.Count(); }
    // False for an index outside the list.
    bool Remove(int index)
    {
        if (!Has(index))
            return false;
        m_entries.Delete(index);
        return true;
    }

protected:
    // Appends an entry; its index.
    int append(Entry entry)
    {
        m_entries.AddNew(std::move(entry));
        return m_entries.Count() - 1;
    }
    // Stores a row's value; false when the index or the tag names nothing.
    bool storeRow(const EntryRows<Entry> &rows, int index, int tag, const QString &value)
    {
        const EntryRow<Entry> *row = rowOfTag(rows, tag);
        if (!Has(index) || !row)
            return false;
        row->store(m_entries[index], value);
        return true;
    }

    OwningList<Entry> &m_entries;
};

} // namespace talmo
