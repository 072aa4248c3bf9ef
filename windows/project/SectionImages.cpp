#include "windows/project/SectionImages.h"

#include "widgets/NxImageList.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace talmo {

namespace {

constexpr int ImageSize = 24;

using Drawing = std::function<void(QPainter &)>;

QPixmap picture(const Drawing &draw)
{
    QPixmap pixmap(ImageSize, ImageSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return pixmap;
}

// Two boxes on a third: the modules a setup is made of.
void drawModules(QPainter &painter)
{
    const auto box = [&](const QRectF &rect, const QColor &fill) {
        painter.setPen(QPen(QColor(90, 60, 20), 1));
        painter.setBrush(fill);
        painter.drawRect(rect);
        painter.drawLine(QPointF(rect.left(), rect.top() + 3), QPointF(rect.right(), rect.top() + 3));
    };
    box(QRectF(2.5, 12.5, 19, 9), QColor(222, 170, 92));
    box(QRectF(3.5, 3.5, 8, 8), QColor(110, 160, 220));
    box(QRectF(12.5, 3.5, 8, 8), QColor(120, 190, 110));
}

// A globe: the languages a setup speaks.
void drawLanguages(QPainter &painter)
{
    const QRectF globe(2.5, 2.5, 19, 19);
    painter.setPen(QPen(QColor(30, 80, 150), 1.2));
    painter.setBrush(QColor(150, 200, 245));
    painter.drawEllipse(globe);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(8, 2.5, 8, 19));
    painter.drawLine(QPointF(12, 2.5), QPointF(12, 21.5));
    painter.drawLine(QPointF(2.5, 12), QPointF(21.5, 12));
    painter.drawLine(QPointF(4.5, 7), QPointF(19.5, 7));
    painter.drawLine(QPointF(4.5, 17), QPointF(19.5, 17));
}

// A dialog with its title bar and two buttons.
void drawWizardDialogs(QPainter &painter)
{
    painter.setPen(QPen(QColor(40, 60, 110), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(1.5, 3.5, 21, 17));
    painter.fillRect(QRectF(2, 4, 20, 4), QColor(60, 110, 200));
    painter.setBrush(QColor(215, 215, 215));
    painter.drawRect(QRectF(9.5, 15.5, 5, 3));
    painter.drawRect(QRectF(15.5, 15.5, 5, 3));
    painter.setPen(QPen(QColor(150, 150, 150), 1));
    painter.drawLine(QPointF(4, 11), QPointF(19, 11));
}

// A list of choices, two of them ticked: the setup types.
void drawSetupTypes(QPainter &painter)
{
    for (int row = 0; row < 3; ++row) {
        const qreal top = 3.5 + row * 6.5;
        painter.setPen(QPen(QColor(80, 80, 80), 1));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(2.5, top, 5, 5));
        painter.fillRect(QRectF(10, top + 1.5, 11, 2), QColor(90, 90, 90));
        if (row < 2) {
            painter.setPen(QPen(QColor(30, 140, 40), 1.6));
            painter.drawPolyline(QPolygonF({QPointF(3.5, top + 2.5), QPointF(5, top + 4), QPointF(8, top)}));
        }
    }
}

// A painter's palette: colours and skins.
void drawAppearance(QPainter &painter)
{
    QPainterPath palette;
    palette.addEllipse(QRectF(1.5, 3.5, 21, 17));
    QPainterPath thumb;
    thumb.addEllipse(QRectF(13, 13, 5, 4));
    painter.setPen(QPen(QColor(120, 80, 40), 1));
    painter.setBrush(QColor(235, 205, 150));
    painter.drawPath(palette.subtracted(thumb));
    const std::pair<QPointF, QColor> spots[] = {
        {{6.5, 9}, QColor(220, 40, 40)},
        {{11.5, 7}, QColor(250, 200, 30)},
        {{16.5, 8.5}, QColor(40, 110, 220)},
        {{6.5, 14.5}, QColor(40, 170, 60)},
    };
    painter.setPen(Qt::NoPen);
    for (const auto &[centre, colour] : spots) {
        painter.setBrush(colour);
        painter.drawEllipse(centre, 2.2, 2.2);
    }
}

} // namespace

TNxImageList *MakeSectionImages(QObject *parent)
{
    auto *images = new TNxImageList(ImageSize, ImageSize, parent);
    for (const Drawing &draw : {Drawing(drawModules), Drawing(drawLanguages), Drawing(drawWizardDialogs),
                                Drawing(drawSetupTypes), Drawing(drawAppearance)})
        images->add(picture(draw));
    return images;
}

} // namespace talmo
