#include "widgets/NxImage.h"

#include "widgets/ClassicFrame.h"
#include "widgets/Colors.h"
#include "widgets/ImageFit.h"
#include "widgets/SharedDraw.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

namespace talmo {

TNxImage::TNxImage(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void TNxImage::setDrawFrame(bool value)
{
    m_drawFrame = value;
    update();
}

void TNxImage::setFrameSize(int size)
{
    m_frameSize = size;
    update();
}

void TNxImage::setMargin(int margin)
{
    m_margin = margin;
    update();
}

void TNxImage::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void TNxImage::setShowFocus(bool value)
{
    m_showFocus = value;
    update();
}

void TNxImage::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

QRect TNxImage::imageRect() const
{
    const int inset = m_margin + 1;
    return rect().adjusted(inset, inset, -inset, -inset);
}

QRect TNxImage::fitRect() const
{
    if (m_picture.isNull())
        return {};
    return ImageFit::fitRect(imageRect(), m_picture.size());
}

void TNxImage::mousePressEvent(QMouseEvent *event)
{
    if (m_focusImage && !hasFocus()) {
        setFocus(Qt::MouseFocusReason);
        update();
    }
    QWidget::mousePressEvent(event);
}

void TNxImage::focusInEvent(QFocusEvent *event)
{
    if (!m_picture.isNull())
        update();
    QWidget::focusInEvent(event);
}

void TNxImage::focusOutEvent(QFocusEvent *event)
{
    if (!m_picture.isNull())
        update();
    QWidget::focusOutEvent(event);
}

void TNxImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    auto paintBackground = [&] {
        painter.fillRect(rect(), palette().color(QPalette::Window));
        ClassicFrame::drawEdges(painter, rect(), clBtnShadow, clBtnHighlight);
    };
    if (m_picture.isNull()) {
        paintBackground();
        painter.setPen(palette().color(QPalette::WindowText));
        SharedDraw::drawTextRect(painter, rect(), HorzAlign::Center, m_caption);
        return;
    }
    const QRect fit = fitRect();
    painter.setClipRegion(QRegion(rect()).subtracted(QRegion(fit)));
    paintBackground();
    painter.setClipping(false);
    QRect inner = fit;
    if (m_drawFrame) {
        const TColor frame = hasFocus() ? clHighlight : clBtnFace;
        for (int i = 0; i < m_frameSize; ++i) {
            SharedDraw::drawFrame(painter, inner, frame);
            inner.adjust(1, 1, -1, -1);
        }
    }
    painter.drawPixmap(inner, m_picture);
    if (m_showFocus && hasFocus())
        SharedDraw::drawFocusFrame(painter, fit.adjusted(-1, -1, 1, 1), false);
}

} // namespace talmo
