#include "widgets/RollShadow.h"

#include "widgets/Colors.h"

#include <QPainter>
#include <QPolygon>

namespace talmo {

TNxFlyoutControl::TNxFlyoutControl(QWidget *owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
}

TRollShadow::TRollShadow(QWidget *owner)
    : TNxFlyoutControl(owner)
{
    resize(32, 32);
    updateShape();
}

QRegion TRollShadow::shape()
{
    const QRegion upArrow(QPolygon({QPoint(-1, 7), QPoint(7, -1), QPoint(8, 0), QPoint(14, 7), QPoint(0, 6)}),
                          Qt::OddEvenFill);
    const QRegion downArrow(
        QPolygon({QPoint(-1, 15), QPoint(14, 15), QPoint(6, 22), QPoint(6, 22), QPoint(-1, 14)}), Qt::OddEvenFill);
    const QRegion dot(QRect(5, 9, 5, 5), QRegion::Ellipse);
    return upArrow.united(downArrow).united(dot);
}

void TRollShadow::updateShape()
{
    setMask(shape());
}

void TRollShadow::showAt(const QPoint &globalPoint)
{
    updateShape();
    m_anchor = globalPoint;
    setGeometry(globalPoint.x() - 7, globalPoint.y() - 11, 32, 32);
}

void TRollShadow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), SystemColors::toQColor(clGrayText));
}

} // namespace talmo
