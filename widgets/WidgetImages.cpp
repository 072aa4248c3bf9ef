#include "widgets/WidgetImages.h"

#include <QPainter>
#include <QPolygon>

namespace talmo {

namespace {

QPixmap transparentPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void drawArrowHead(QPainter &painter, int centreX, int tipY, int direction)
{
    painter.drawPolygon(QPolygon({QPoint(centreX, tipY), QPoint(centreX - 4, tipY + 4 * direction),
                                  QPoint(centreX + 4, tipY + 4 * direction)}));
}

} // namespace

QCursor WidgetImages::reversedArrowCursor()
{
    QPixmap pixmap = transparentPixmap(32);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygon({QPoint(12, 0), QPoint(12, 17), QPoint(8, 13), QPoint(5, 19), QPoint(3, 18),
                                  QPoint(6, 12), QPoint(0, 12)}));
    painter.end();
    return QCursor(pixmap, 12, 0);
}

QCursor WidgetImages::rollCursor(RollCursor kind)
{
    QPixmap pixmap = transparentPixmap(32);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::white);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPoint(16, 16), 2, 2);
    if (kind != RollCursor::Down)
        drawArrowHead(painter, 16, 6, 1);
    if (kind != RollCursor::Up)
        drawArrowHead(painter, 16, 26, -1);
    painter.end();
    return QCursor(pixmap, 16, 16);
}

QPixmap WidgetImages::moreColorsGlyph()
{
    QPixmap pixmap = transparentPixmap(16);
    QPainter painter(&pixmap);
    const QColor quarters[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
    for (int i = 0; i < 4; ++i)
        painter.fillRect(QRect(2 + (i % 2) * 6, 2 + (i / 2) * 6, 6, 6), quarters[i]);
    painter.setPen(Qt::black);
    painter.drawRect(QRect(2, 2, 11, 11));
    painter.end();
    return pixmap;
}

QPixmap WidgetImages::noColorGlyph()
{
    QPixmap pixmap = transparentPixmap(16);
    QPainter painter(&pixmap);
    painter.fillRect(QRect(2, 2, 12, 12), Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(QRect(2, 2, 11, 11));
    painter.setPen(QPen(Qt::red, 2));
    painter.drawLine(4, 4, 11, 11);
    painter.drawLine(4, 11, 11, 4);
    painter.end();
    return pixmap;
}

} // namespace talmo
