#include "editors/core/ListSortOrder.h"

namespace talmo {

void ListSortOrder::HeaderClicked(int clicked)
{
    ascending = clicked == column ? !ascending : true;
    column = clicked;
}

void ListSortOrder::ColumnChosen(int chosen)
{
    if (chosen != column)
        ascending = true;
    column = chosen;
}

void ListSortOrder::Restore(int keptColumn, bool keptAscending, int columnCount)
{
    column = keptColumn >= 0 && keptColumn < columnCount ? keptColumn : 0;
    ascending = keptAscending;
}

} // namespace talmo
