#include "widgets/NxPanel.h"

#include "widgets/SharedDraw.h"

#include <QPainter>

namespace talmo {

TNxPanel::TNxPanel(QWidget *parent)
    : QWidget(parent)
    , m_borderPen(Qt::black, 1)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_innerMargins.setMargins(0, 0, 0, 0);
    connect(&m_innerMargins, &TNxMargins::changed, this, [this] {
        updateClientArea();
        update();
    });
    updateClientArea();
    ColorSchemes::registerControl(this);
}

TNxPanel::~TNxPanel()
{
    ColorSchemes::unregisterControl(this);
}

void TNxPanel::setAdaptiveColors(bool value)
{
    m_adaptiveColors = value;
    update();
}

void TNxPanel::setBackgroundStyle(TNxPanelBackgroundStyle style)
{
    m_backgroundStyle = style;
    setAttribute(Qt::WA_OpaquePaintEvent, style != pbTransparent);
    update();
}

void TNxPanel::setBorderPen(const QPen &pen)
{
    m_borderPen = pen;
    update();
}

void TNxPanel::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void TNxPanel::setColor(TColor color)
{
    m_color = color;
    update();
}

void TNxPanel::setColorScheme(TColorScheme scheme)
{
    m_colorScheme = scheme;
    update();
}

void TNxPanel::setPanelBorders(TPanelBorders borders)
{
    m_panelBorders = borders;
    update();
}

void TNxPanel::updateClientArea()
{
    setContentsMargins(m_innerMargins.toQMargins());
}

QRect TNxPanel::paintRect() const
{
    const int pen = m_borderPen.width();
    QRect rect = this->rect();
    rect.adjust(m_panelBorders & boLeft ? pen : 0, m_panelBorders & boTop ? pen : 0,
                m_panelBorders & boRight ? -pen : 0, m_panelBorders & boBottom ? -pen : 0);
    return rect;
}

QList<QLine> TNxPanel::borderLines() const
{
    const int pen = m_borderPen.width();
    const int half = pen / 2;
    const int halfUp = (pen + 1) / 2;
    const int w = width(), h = height();
    QList<QLine> lines;
    if (m_panelBorders & boLeft)
        lines << QLine(half, 0, half, h);
    if (m_panelBorders & boTop)
        lines << QLine(0, half, w, half);
    if (m_panelBorders & boBottom)
        lines << QLine(0, h - halfUp, w, h - halfUp);
    if (m_panelBorders & boRight)
        lines << QLine(w - halfUp, 0, w - halfUp, h - 1);
    return lines;
}

void TNxPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = paintRect();
    const TColor fill = m_adaptiveColors ? ColorSchemes::schemeColor(3, m_colorScheme) : m_color;
    switch (m_backgroundStyle) {
    case pbControl:
        painter.fillRect(area, SystemColors::toQColor(clWindow));
        SharedDraw::drawFrame(painter, area, clGrayText);
        break;
    case pbHorzGradient: SharedDraw::drawHorzGradient(painter, area, clWindow, fill); break;
    case pbSolid: painter.fillRect(area, SystemColors::toQColor(fill)); break;
    case pbTransparent: break;
    case pbVertGradient: SharedDraw::drawVertGradient(painter, area, clWindow, fill); break;
    }
    painter.setPen(SystemColors::toQColor(clWindowText));
    SharedDraw::drawTextRect(painter, area, HorzAlign::Center, m_caption);
    QPen pen = m_borderPen;
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLines(borderLines());
}

} // namespace talmo
