#include "editors/core/desktop/ListSortOrder.h"

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

} // namespace talmo
