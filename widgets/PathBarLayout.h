#pragma once

#include <QList>

namespace talmo {

// How the path bar fits the selected node's path into its width.
class PathBarLayout
{
public:
    static constexpr int RootButtonWidth = 32;

    // widths[k] is the button width of the path's node at level k (the last
    // entry is the selected node). Sums from the selected node upward; the
    // first level whose addition overflows the room is hidden with all above
    // it. The selected node always shows, cut to the room when it is wider.
    static int firstShownLevel(const QList<int> &widths, int clientWidth);
    // The arrow part's width: the client height / 1.6, rounded.
    static int arrowWidth(int clientHeight);
};

} // namespace talmo
