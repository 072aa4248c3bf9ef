#pragma once

class QHeaderView;

namespace talmo {

// Shows the sort arrow on one column only: up when ascending (descending
// false), down when descending.
void SetListViewSortArrow(QHeaderView *header, int column, bool descending);

} // namespace talmo
