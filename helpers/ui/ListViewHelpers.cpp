#include "helpers/ui/ListViewHelpers.h"

#include <QHeaderView>

namespace talmo {

void SetListViewSortArrow(QHeaderView *header, int column, bool descending)
{
    // A header shows one sort indicator at most, so setting it on the chosen
    // column clears every other.
    header->setSortIndicatorShown(true);
    header->setSortIndicator(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

} // namespace talmo
