#pragma once

#include "designer/engine/TELDesignerEvents.h"

#include <QColor>
#include <QRect>

namespace talmo {

// Where the eight grab handles of a selected control sit and how they look.
// Positions run clockwise from the top-left corner: 0 top-left, 1 top-middle,
// 2 top-right, 3 right-middle, 4 bottom-right, 5 bottom-middle, 6 bottom-left,
// 7 left-middle. Mode 0 shows none, mode 1 (one control selected) all eight
// straddling the edges, mode 2 (several) the four corners inside the control.
class TELGrabHandles
{
public:
    static constexpr int Count = 8;
    static constexpr int Size = 5;

    struct Colors
    {
        QColor fill;
        QColor border;
        friend bool operator==(const Colors &, const Colors &) = default;
    };

    // bounds in the parent's coordinates; the result too.
    static QRect rect(int position, const QRect &bounds, int mode);
    static bool visible(int position, int mode);
    static Colors colors(int mode, bool active, int lockBits, const TELHandleColors &palette);
    static Qt::CursorShape cursor(int position, int mode, int lockBits);
    // Every visible handle's rectangle together.
    static QRect extent(const QRect &bounds, int mode);
    // Resize drags keep x (top and bottom middle) or y (left and right middle).
    static bool locksX(int position) { return position == 1 || position == 5; }
    static bool locksY(int position) { return position == 3 || position == 7; }
};

} // namespace talmo
