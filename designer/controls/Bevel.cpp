#include "designer/controls/Bevel.h"

#include "designer/controls/ControlTables.h"
#include "widgets/Colors.h"

#include <QPainter>

namespace talmo {

TBevel::TBevel(QWidget *parent)
    : TVisualControl(parent)
{
    setWidth(50);
    setHeight(50);
}

const DesignPropertyTable &TBevel::propertyTable()
{
    static const DesignPropertyTable table = controlTable(staticMetaObject, {
        row::align(), row::anchors(), row::enumeration("Shape", bsBox), row::showHint(),
        row::enumeration("Style", bsLowered), row::visible(),
    });
    return table;
}

// Lowered: dark above and left, light below and right; raised the other way.
void TBevel::paintEvent(QPaintEvent *)
{
    if (m_shape == bsSpacer)
        return;
    QPainter painter(this);
    const QColor shadow = SystemColors::toQColor(clBtnShadow);
    const QColor light = SystemColors::toQColor(clBtnHighlight);
    const QColor first = m_style == bsLowered ? shadow : light;
    const QColor second = m_style == bsLowered ? light : shadow;
    const QRect r = rect().adjusted(0, 0, -1, -1);
    const auto line = [&](const QColor &color, QPoint a, QPoint b) {
        painter.setPen(color);
        painter.drawLine(a, b);
    };
    switch (m_shape) {
    case bsBox:
        line(first, r.topLeft(), r.topRight());
        line(first, r.topLeft(), r.bottomLeft());
        line(second, r.bottomLeft(), r.bottomRight());
        line(second, r.topRight(), r.bottomRight());
        break;
    case bsFrame:
        painter.setPen(first);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        painter.setPen(second);
        painter.drawRect(r.adjusted(1, 1, 0, 0));
        break;
    case bsTopLine:
        line(first, r.topLeft(), r.topRight());
        line(second, r.topLeft() + QPoint(0, 1), r.topRight() + QPoint(0, 1));
        break;
    case bsBottomLine:
        line(first, r.bottomLeft() - QPoint(0, 1), r.bottomRight() - QPoint(0, 1));
        line(second, r.bottomLeft(), r.bottomRight());
        break;
    case bsLeftLine:
        line(first, r.topLeft(), r.bottomLeft());
        line(second, r.topLeft() + QPoint(1, 0), r.bottomLeft() + QPoint(1, 0));
        break;
    case bsRightLine:
        line(first, r.topRight() - QPoint(1, 0), r.bottomRight() - QPoint(1, 0));
        line(second, r.topRight(), r.bottomRight());
        break;
    case bsSpacer:
        break;
    }
}

} // namespace talmo
