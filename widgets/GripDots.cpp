#include "widgets/GripDots.h"

#include <QPainter>

namespace talmo {

GripDots::Colors GripDots::colors(TColorScheme scheme)
{
    if (scheme == csDefault)
        scheme = ColorSchemes::defaultScheme();
    if (scheme == csBlue)
        return {rgbColor(249, 249, 251), rgbColor(101, 147, 207), rgbColor(173, 209, 255)};
    return {rgbColor(249, 249, 251), rgbColor(124, 124, 124), rgbColor(204, 204, 204)};
}

QPoint GripDots::firstDot(const QRect &rect, int count, bool horizontal)
{
    const int span = 4 * count - 1;
    const int midX = rect.x() + rect.width() / 2;
    const int midY = rect.y() + rect.height() / 2;
    if (horizontal)
        return {midX - span / 2, midY - 1};
    return {midX - 1, midY - span / 2};
}

void GripDots::draw(QPainter &painter, const QRect &rect, int count, bool horizontal, TColorScheme scheme)
{
    const Colors c = colors(scheme);
    QPoint dot = firstDot(rect, count, horizontal);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < count; ++i) {
        painter.fillRect(QRect(dot, QSize(2, 2)), SystemColors::toQColor(c.shadow));
        painter.fillRect(QRect(dot + QPoint(1, 1), QSize(2, 2)), SystemColors::toQColor(c.light));
        painter.fillRect(QRect(dot + QPoint(1, 1), QSize(1, 1)), SystemColors::toQColor(c.mid));
        dot += horizontal ? QPoint(4, 0) : QPoint(0, 4);
    }
    painter.restore();
}

} // namespace talmo
