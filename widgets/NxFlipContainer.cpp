#include "widgets/NxFlipContainer.h"

#include "widgets/Colors.h"
#include "widgets/NxFlipPanel.h"

#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace talmo {

TNxFlipContainer::TNxFlipContainer(QWidget *parent)
    : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    auto *column = new QWidget;
    column->setAutoFillBackground(true);
    QPalette palette = column->palette();
    palette.setColor(QPalette::Window, SystemColors::toQColor(clWindow));
    column->setPalette(palette);
    m_layout = new QVBoxLayout(column);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addStretch();
    setWidget(column);
    setWidgetResizable(true);
    resize(200, 300);
    setBorderStyle(fbSingle);
}

void TNxFlipContainer::setBorderStyle(TFlipBorderStyle style)
{
    m_borderStyle = style;
    const int border = style == fbSingle ? 2 : 0;
    setViewportMargins(border, border, border, border);
    update();
}

void TNxFlipContainer::addPanel(TNxFlipPanel *panel, bool fills)
{
    m_layout->insertWidget(m_layout->count() - 1, panel, fills ? 1 : 0);
    if (fills)
        m_layout->setStretch(m_layout->count() - 1, 0);
}

void TNxFlipContainer::wheelEvent(QWheelEvent *event)
{
    const int notches = event->angleDelta().y() / 120;
    verticalScrollBar()->setValue(verticalScrollBar()->value() - 10 * notches);
    event->accept();
}

bool TNxFlipContainer::event(QEvent *event)
{
    const bool handled = QScrollArea::event(event);
    if (event->type() == QEvent::Paint && m_borderStyle == fbSingle)
        paintBorder();
    return handled;
}

void TNxFlipContainer::paintBorder()
{
    QPainter painter(this);
    painter.setPen(SystemColors::toQColor(clGrayText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(SystemColors::toQColor(clBtnFace));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

} // namespace talmo
