#pragma once

#include "widgets/Colors.h"

#include <QRect>

class QPainter;

namespace talmo {

// The classic 3-D frames of buttons and boxes, one pixel wide inside rect.
class ClassicFrame
{
public:
    // The left and top edges in one colour, the right and bottom in another.
    static void drawEdges(QPainter &painter, const QRect &rect, TColor topLeft, TColor bottomRight);
    // A raised button: highlight top-left, dark shadow bottom-right, then
    // (with shadowLine) a shadow line just inside the right and bottom edges.
    static void drawRaised(QPainter &painter, const QRect &rect, bool shadowLine);
};

} // namespace talmo
