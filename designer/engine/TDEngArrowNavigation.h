#pragma once

#include <QList>
#include <QRect>

namespace talmo {

// Which sibling an arrow key moves the selection to. Rectangles are control
// bounds in their parent's coordinates.
class TDEngArrowNavigation
{
public:
    enum Direction { Left, Up, Right, Down };

    // The index of the candidate to select, -1 when none qualifies. A
    // candidate qualifies when it lies wholly ahead of the current control
    // and no farther off to the side than ahead, or when it overlaps the
    // control and its centre lies further ahead. The nearest one to the middle
    // of the control's leading edge wins; on a tie the earlier one.
    static int nearest(const QRect &current, const QList<QRect> &candidates, Direction direction);
};

} // namespace talmo
