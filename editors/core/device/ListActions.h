#pragma once

namespace talmo {

// Which of a list's Add, Edit and Delete actions apply: Edit to one
// selected row, Delete to any number of them.
struct ListActions
{
    bool add = false;
    bool edit = false;
    bool remove = false;

    static ListActions For(bool canAdd, int selectedCount);
};

} // namespace talmo
