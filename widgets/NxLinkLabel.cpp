#include "widgets/NxLinkLabel.h"

#include "widgets/GlyphMask.h"
#include "widgets/SharedDraw.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace talmo {

TNxLinkLabel::TNxLinkLabel(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    connect(this, &QObject::objectNameChanged, this, [this](const QString &name) {
        if (m_caption.isEmpty())
            setCaption(name);
    });
    contentChanged();
}

void TNxLinkLabel::setCaption(const QString &caption)
{
    m_caption = caption;
    contentChanged();
}

void TNxLinkLabel::setDisplayMode(TLinkLabelDisplayMode mode)
{
    m_displayMode = mode;
    contentChanged();
}

void TNxLinkLabel::setGlyph(const QPixmap &glyph)
{
    m_sourceGlyph = glyph;
    m_glyph = GlyphMask::bottomLeftTransparent(glyph);
    contentChanged();
}

void TNxLinkLabel::setImageIndex(int index)
{
    m_imageIndex = index;
    update();
}

void TNxLinkLabel::setImages(TNxImageList *images)
{
    m_images = images;
    contentChanged();
}

void TNxLinkLabel::setTextDistance(int distance)
{
    m_textDistance = distance;
    contentChanged();
}

void TNxLinkLabel::setTransparent(bool value)
{
    m_transparent = value;
    setAttribute(Qt::WA_OpaquePaintEvent, !value);
    update();
}

void TNxLinkLabel::setTransparentColor(TColor color)
{
    m_transparentColor = color;
    m_glyph = GlyphMask::colorTransparent(m_sourceGlyph, color);
    update();
}

void TNxLinkLabel::setVertSpacing(int spacing)
{
    m_vertSpacing = spacing;
    contentChanged();
}

void TNxLinkLabel::setAutoSize(bool value)
{
    m_autoSize = value;
    contentChanged();
}

void TNxLinkLabel::setColor(TColor color)
{
    m_color = color;
    update();
}

bool TNxLinkLabel::hasValidImage() const
{
    return m_displayMode == dmImageList && m_images && m_images->isValidIndex(m_imageIndex);
}

int TNxLinkLabel::textStart() const
{
    if (m_displayMode == dmGlyph && !m_glyph.isNull())
        return m_glyph.width() + m_textDistance;
    if (hasValidImage())
        return m_images->width() + m_textDistance;
    return 0;
}

QSize TNxLinkLabel::contentSize() const
{
    // Text is laid out in fractions of a pixel: a width rounded down would
    // have the painter cut the last letters off.
    const QFontMetricsF metrics(font());
    int width = int(std::ceil(metrics.horizontalAdvance(m_caption)));
    int height = int(std::ceil(metrics.height()));
    if (m_displayMode == dmGlyph && !m_glyph.isNull()) {
        height = qMax(height, m_glyph.height());
        width += m_glyph.width() + m_textDistance;
    } else if (hasValidImage()) {
        height = qMax(height, m_images->height());
        width += m_images->width() + m_textDistance;
    }
    return QSize(width, height + m_vertSpacing);
}

void TNxLinkLabel::contentChanged()
{
    updateGeometry();
    if (m_autoSize)
        resize(contentSize());
    update();
}

QRect TNxLinkLabel::hotArea() const
{
    return m_glyph.isNull() ? rect() : rect().adjusted(m_glyph.width() + m_textDistance, 0, 0, 0);
}

void TNxLinkLabel::enterEvent(QEnterEvent *event)
{
    m_hot = true;
    update(hotArea());
    QWidget::enterEvent(event);
}

void TNxLinkLabel::leaveEvent(QEvent *event)
{
    m_hot = false;
    update(hotArea());
    QWidget::leaveEvent(event);
}

void TNxLinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (focusPolicy() != Qt::NoFocus) {
        setFocus(Qt::MouseFocusReason);
        update();
    }
    m_pressed = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void TNxLinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QWidget::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void TNxLinkLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        contentChanged();
    else if (event->type() == QEvent::EnabledChange)
        update(hotArea());
    QWidget::changeEvent(event);
}

void TNxLinkLabel::focusInEvent(QFocusEvent *event)
{
    update();
    QWidget::focusInEvent(event);
}

void TNxLinkLabel::focusOutEvent(QFocusEvent *event)
{
    update();
    QWidget::focusOutEvent(event);
}

void TNxLinkLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_transparent)
        painter.fillRect(rect(), m_color == clDefault ? palette().color(QPalette::Window)
                                                      : SystemColors::toQColor(m_color));
    if (m_displayMode == dmGlyph && !m_glyph.isNull())
        painter.drawPixmap(0, height() / 2 - m_glyph.height() / 2, m_glyph);
    else if (hasValidImage())
        m_images->draw(painter, 0, height() / 2 - m_images->height() / 2, m_imageIndex, isEnabled());
    QFont textFont = font();
    textFont.setUnderline(m_hot);
    painter.setFont(textFont);
    // It reads as a link before the mouse finds it: in the link colour.
    painter.setPen(isEnabled() ? palette().color(QPalette::Link) : SystemColors::toQColor(clGrayText));
    const int start = textStart();
    SharedDraw::drawTextRect(painter, QRect(start, 0, width() - start, height()), HorzAlign::Left, m_caption);
    if (hasFocus())
        SharedDraw::drawFocusFrame(painter, rect(), false);
}

} // namespace talmo
