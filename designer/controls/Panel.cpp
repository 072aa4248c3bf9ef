#include "designer/controls/Panel.h"

#include "designer/controls/ControlTables.h"
#include "widgets/Colors.h"

#include <QPainter>

#include <algorithm>

namespace talmo {

namespace {

// One bevel ring: light above and left for a raised cut, dark for a lowered one.
void drawBevel(QPainter &painter, QRect &rect, TVisualControl::TBevelCut cut, int width)
{
    if (cut == TVisualControl::bvNone)
        return;
    const QColor light = SystemColors::toQColor(clBtnHighlight);
    const QColor dark = SystemColors::toQColor(clBtnShadow);
    for (int i = 0; i < width && rect.width() > 1 && rect.height() > 1; ++i) {
        if (cut != TVisualControl::bvSpace) {
            const bool raised = cut == TVisualControl::bvRaised;
            painter.setPen(raised ? light : dark);
            painter.drawLine(rect.topLeft(), rect.topRight());
            painter.drawLine(rect.topLeft(), rect.bottomLeft());
            painter.setPen(raised ? dark : light);
            painter.drawLine(rect.bottomLeft(), rect.bottomRight());
            painter.drawLine(rect.topRight(), rect.bottomRight());
        }
        rect.adjust(1, 1, -1, -1);
    }
}

} // namespace

TPanel::TPanel(QWidget *parent)
    : TFontedControl(clBtnFace, false, parent)
{
    setDefaultTabStop(false);
    setWidth(185);
    setHeight(41);
}

const DesignPropertyTable &TPanel::propertyTable()
{
    static const DesignPropertyTable table = controlTable(staticMetaObject, {
        row::align(), row::alignment(taCenter), row::anchors(), row::enumeration("BevelInner", bvNone),
        row::enumeration("BevelOuter", bvRaised), row::integer("BevelWidth", 1), row::borderStyle(bsNone),
        row::integer("BorderWidth", 0), row::caption(), row::color(clBtnFace), row::enabled(), row::font(),
        row::parentColor(false), row::parentFont(), row::showHint(), row::tabOrder(), row::tabStop(false),
        row::visible(),
    });
    return table;
}

QRect TPanel::alignArea() const
{
    int inset = m_borderWidth;
    if (m_borderStyle == bsSingle)
        inset += 1;
    if (m_bevelOuter != bvNone)
        inset += m_bevelWidth;
    if (m_bevelInner != bvNone)
        inset += m_bevelWidth;
    return rect().adjusted(inset, inset, -inset, -inset);
}

void TPanel::edgesChanged()
{
    update();
    arrangeChildren();
}

void TPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QRect area = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(rect(), SystemColors::toQColor(color()));
    if (m_borderStyle == bsSingle) {
        painter.setPen(SystemColors::toQColor(clWindowFrame));
        painter.drawRect(area);
        area.adjust(1, 1, -1, -1);
    }
    drawBevel(painter, area, m_bevelOuter, m_bevelWidth);
    area.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
    drawBevel(painter, area, m_bevelInner, m_bevelWidth);
    static const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    painter.setPen(designEnabled() ? SystemColors::toQColor(designFont().color())
                                   : palette().color(QPalette::Disabled, QPalette::Text));
    painter.drawText(area, int(horizontal[m_alignment] | Qt::AlignVCenter) | Qt::TextShowMnemonic, m_caption);
}

} // namespace talmo
