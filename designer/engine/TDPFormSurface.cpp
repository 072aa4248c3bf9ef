#include "designer/engine/TDPFormSurface.h"

#include <QPaintEvent>
#include <QPainter>

namespace talmo {

TDPFormSurface::TDPFormSurface(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
}

void TDPFormSurface::setBackgroundPainter(BackgroundPainter painter)
{
    m_backgroundPainter = std::move(painter);
    update();
}

void TDPFormSurface::paintEvent(QPaintEvent *event)
{
    if (!m_backgroundPainter)
        return;
    QPainter painter(this);
    m_backgroundPainter(painter, event->rect());
}

void TDPFormSurface::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit resized();
}

} // namespace talmo
