#pragma once

namespace talmo {

// The column a report list is sorted by and its direction.
struct ListSortOrder
{
    int column = 0;
    bool ascending = true;

    // A click on a header sorts by its column, the other way round when the
    // list is already sorted by it.
    void HeaderClicked(int clicked);
    // A column chosen from a menu sorts ascending unless the list is
    // already sorted by it, which keeps its direction.
    void ColumnChosen(int chosen);
    // The order the settings kept; a column the list does not have sorts by the first.
    void Restore(int keptColumn, bool keptAscending, int columnCount);

    bool operator==(const ListSortOrder &) const = default;
};

} // namespace talmo
