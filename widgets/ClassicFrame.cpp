#include "widgets/ClassicFrame.h"

#include <QPainter>

namespace talmo {

void ClassicFrame::drawEdges(QPainter &painter, const QRect &rect, TColor topLeft, TColor bottomRight)
{
    const int L = rect.x(), T = rect.y(), R = rect.x() + rect.width(), B = rect.y() + rect.height();
    painter.save();
    painter.setPen(SystemColors::toQColor(topLeft));
    painter.drawLine(L, B - 1, L, T);
    painter.drawLine(L, T, R - 1, T);
    painter.setPen(SystemColors::toQColor(bottomRight));
    painter.drawLine(R - 1, T, R - 1, B - 1);
    painter.drawLine(R - 1, B - 1, L, B - 1);
    painter.restore();
}

void ClassicFrame::drawRaised(QPainter &painter, const QRect &rect, bool shadowLine)
{
    drawEdges(painter, rect, clBtnHighlight, cl3DDkShadow);
    if (!shadowLine)
        return;
    const int L = rect.x(), T = rect.y(), R = rect.x() + rect.width(), B = rect.y() + rect.height();
    painter.save();
    painter.setPen(SystemColors::toQColor(clBtnShadow));
    painter.drawLine(R - 2, T + 1, R - 2, B - 2);
    painter.drawLine(R - 2, B - 2, L, B - 2);
    painter.restore();
}

} // namespace talmo
