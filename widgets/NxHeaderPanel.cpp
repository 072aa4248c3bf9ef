#include "widgets/NxHeaderPanel.h"

#include "widgets/ColorBlend.h"
#include "widgets/GlyphMask.h"
#include "widgets/PanelGlyphs.h"
#include "widgets/SharedDraw.h"
#include "widgets/Themes.h"

#include <QMouseEvent>
#include <QPainter>

namespace talmo {

namespace {

QColor qc(TColor color)
{
    return SystemColors::toQColor(color);
}

} // namespace

TNxHeaderPanel::TNxHeaderPanel(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    m_headerFont = font();
    resize(245, 245);
    connect(&m_innerMargins, &TNxMargins::changed, this, [this] {
        updateClientArea();
        update();
    });
    updateClientArea();
    ColorSchemes::registerControl(this);
}

TNxHeaderPanel::~TNxHeaderPanel()
{
    ColorSchemes::unregisterControl(this);
}

void TNxHeaderPanel::setAdaptiveColors(bool value)
{
    m_adaptiveColors = value;
    update();
}

void TNxHeaderPanel::setBorderColor(TColor color)
{
    m_borderColor = color;
    update();
}

void TNxHeaderPanel::setBorderWidth(int width)
{
    m_borderWidth = qMax(0, width);
    updateClientArea();
    update();
}

void TNxHeaderPanel::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void TNxHeaderPanel::setColor(TColor color)
{
    m_color = color;
    update();
}

void TNxHeaderPanel::setColorScheme(TColorScheme scheme)
{
    m_colorScheme = scheme;
    update();
}

void TNxHeaderPanel::setDisplayStyle(TDisplayStyle style)
{
    m_displayStyle = style;
    updateClientArea();
    keepHeaderOnlyHeight();
    update();
}

void TNxHeaderPanel::setDrawDirection(TDirection direction)
{
    m_drawDirection = direction;
    update();
}

void TNxHeaderPanel::setGlyph(const QPixmap &glyph)
{
    m_glyph = GlyphMask::bottomLeftTransparent(glyph);
    update();
}

void TNxHeaderPanel::setHeaderColor(TColor color)
{
    m_headerColor = color;
    update();
}

void TNxHeaderPanel::setHeaderFont(const QFont &font)
{
    m_headerFont = font;
    m_parentHeaderFont = false;
    update();
}

void TNxHeaderPanel::setHeaderSize(int size)
{
    m_headerSize = size;
    updateClientArea();
    keepHeaderOnlyHeight();
    update();
}

void TNxHeaderPanel::setHeaderStyle(THeaderPanelStyle style)
{
    m_headerStyle = style;
    update();
}

void TNxHeaderPanel::setIndent(int value)
{
    m_indent = value;
    update();
}

void TNxHeaderPanel::setOptions(THeaderOptions options)
{
    m_options = options;
    update();
}

void TNxHeaderPanel::setParentHeaderFont(bool value)
{
    m_parentHeaderFont = value;
    if (value)
        m_headerFont = font();
    update();
}

void TNxHeaderPanel::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void TNxHeaderPanel::setOwnWidth(int width)
{
    m_resizing = true;
    m_ownWidth = width;
    resize(width, height());
    m_resizing = false;
}

void TNxHeaderPanel::setExpanded(bool value)
{
    if (value == m_expanded)
        return;
    if (!value) {
        // A panel no wider than the strip is widened to it first.
        if (width() < CollapsedWidth)
            setOwnWidth(CollapsedWidth);
        m_fullWidth = width();
        m_expanded = false;
        setOwnWidth(CollapsedWidth);
    } else {
        m_expanded = true;
        setOwnWidth(m_fullWidth > 0 ? m_fullWidth : width());
    }
    updateClientArea();
    update();
    doChange();
}

void TNxHeaderPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    keepHeaderOnlyHeight();
    const bool ownChange = m_resizing || width() == m_ownWidth;
    m_ownWidth = -1;
    if (ownChange)
        return;
    if (width() < 34) {
        setExpanded(false);
    } else {
        m_fullWidth = width();
        setExpanded(true);
    }
}

void TNxHeaderPanel::keepHeaderOnlyHeight()
{
    const int wanted = m_headerSize + 2 * m_borderWidth;
    if (m_displayStyle == dsHeaderOnly && height() != wanted)
        resize(width(), wanted);
}

void TNxHeaderPanel::updateClientArea()
{
    const int b = m_borderWidth;
    const int header = m_displayStyle == dsPanelOnly ? 0 : m_headerSize;
    setContentsMargins(m_innerMargins.toQMargins() + QMargins(b, b + header, b, b));
}

void TNxHeaderPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange && m_parentHeaderFont) {
        m_headerFont = font();
        update();
    }
    QWidget::changeEvent(event);
}

QRect TNxHeaderPanel::clientRect() const
{
    return rect().adjusted(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
}

QRect TNxHeaderPanel::headerRect() const
{
    return QRect(m_borderWidth, m_borderWidth, clientRect().width(), m_headerSize);
}

QRect TNxHeaderPanel::collapseButtonRect() const
{
    const int left = !m_expanded && m_drawDirection == diRightToLeft ? 4 : clientRect().width() - 21;
    const int middle = m_headerSize / 2;
    return QRect(left, middle - 9, 18, 18).translated(m_borderWidth, m_borderWidth);
}

QRect TNxHeaderPanel::glyphRect() const
{
    return QRect(5, m_headerSize / 2 - m_glyph.height() / 2, m_glyph.width(), m_glyph.height())
        .translated(m_borderWidth, m_borderWidth);
}

void TNxHeaderPanel::doChange()
{
    emit change();
}

void TNxHeaderPanel::doGlyphClick()
{
    emit glyphClick();
}

void TNxHeaderPanel::doHeaderClick()
{
    emit headerClick();
}

void TNxHeaderPanel::setButtonState(int state)
{
    if (state == m_buttonState)
        return;
    m_buttonState = state;
    update(collapseButtonRect());
}

void TNxHeaderPanel::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (headerRect().contains(pos))
        m_headerPressed = true;
    if ((m_options & hoCollapseButton) && collapseButtonRect().contains(pos))
        setButtonState(m_buttonState | bsPressed);
    QWidget::mousePressEvent(event);
}

void TNxHeaderPanel::mouseMoveEvent(QMouseEvent *event)
{
    const bool over = (m_options & hoCollapseButton) && collapseButtonRect().contains(event->position().toPoint());
    setButtonState(over ? m_buttonState | bsHot : m_buttonState & ~bsHot);
    QWidget::mouseMoveEvent(event);
}

void TNxHeaderPanel::leaveEvent(QEvent *event)
{
    setButtonState(m_buttonState & ~bsHot);
    QWidget::leaveEvent(event);
}

void TNxHeaderPanel::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_headerPressed && headerRect().contains(pos)) {
        doHeaderClick();
        if (glyphRect().contains(pos))
            doGlyphClick();
    }
    const bool toggle = (m_options & hoCollapseButton) && (m_buttonState & bsPressed)
        && collapseButtonRect().contains(pos);
    m_headerPressed = false;
    setButtonState(0);
    if (toggle)
        setExpanded(!m_expanded);
    QWidget::mouseReleaseEvent(event);
}

// ---- painting ----

void TNxHeaderPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawBorder(painter);
    painter.translate(m_borderWidth, m_borderWidth);
    const QRect client(QPoint(0, 0), clientRect().size());
    if (m_displayStyle == dsPanelOnly) {
        painter.fillRect(client, qc(m_color));
        return;
    }
    if (m_displayStyle != dsHeaderOnly) {
        const QRect body(0, m_headerSize, client.width(), client.height() - m_headerSize);
        if (m_picture.isNull())
            painter.fillRect(body, qc(m_color));
        else
            painter.drawPixmap(body, m_picture);
    }
    QFont font = m_headerFont;
    painter.setFont(font);
    painter.setPen(qc(m_options & hoColorSchemeFont ? ColorSchemes::schemeColor(7, csDefault) : clWindowText));

    const QRect header(0, 0, client.width(), m_headerSize);
    switch (m_headerStyle) {
    case psFlat: drawFlatHeader(painter, header); break;
    case psNormal: drawNormalHeader(painter, header); break;
    case psSectionHeader: drawSectionHeader(painter, header); break;
    case psVista: drawVistaHeader(painter, header); break;
    case psWindowsLive: drawWindowsLiveHeader(painter, header); break;
    }
    painter.setPen(qc(m_options & hoColorSchemeFont ? ColorSchemes::schemeColor(7, csDefault) : clWindowText));

    int textRight = client.width();
    if (m_options & hoCollapseButton) {
        const QRect button = collapseButtonRect().translated(-m_borderWidth, -m_borderWidth);
        drawButtonState(painter, button);
        drawCollapseButton(painter, button);
        textRight = button.x();
    }
    if (!m_expanded)
        return;
    int textLeft = m_indent;
    if (!m_glyph.isNull()) {
        painter.drawPixmap(5, m_headerSize / 2 - m_glyph.height() / 2, m_glyph);
        textLeft = m_indent + m_glyph.width() + 7;
    }
    SharedDraw::drawTextRect(painter, QRect(textLeft, 0, textRight - textLeft, m_headerSize), HorzAlign::Left,
                             m_caption);
}

void TNxHeaderPanel::drawFlatHeader(QPainter &painter, const QRect &rect)
{
    painter.fillRect(rect, qc(m_headerColor));
}

void TNxHeaderPanel::drawNormalHeader(QPainter &painter, const QRect &rect)
{
    const int bottom = rect.y() + rect.height();
    painter.save();
    painter.setPen(Qt::white);
    painter.drawLine(0, bottom, 0, rect.y());
    painter.drawLine(0, rect.y(), rect.width(), rect.y());
    painter.setPen(qc(scheme(10)));
    painter.drawLine(0, bottom - 1, rect.width(), bottom - 1);
    painter.restore();
    // Between the white top line and the shadow line at the bottom.
    const QRect inner = rect.adjusted(1, 1, 0, -1);
    if (m_adaptiveColors)
        SharedDraw::drawVertGradient(painter, inner, scheme(9), scheme(8));
    else
        SharedDraw::drawVertGradient(painter, inner, clWindow, m_headerColor);
}

void TNxHeaderPanel::drawSectionHeader(QPainter &painter, const QRect &rect)
{
    if (Themes::isThemed()) {
        if (m_adaptiveColors) {
            SharedDraw::drawVertGradient(painter, rect, ColorBlend::blendAlpha(clHighlight, clInactiveCaption, 112),
                                         ColorBlend::blendAlpha(clActiveCaption, clBlack, 170));
            return;
        }
    } else if (m_adaptiveColors) {
        painter.fillRect(rect, qc(clGrayText));
        return;
    }
    SharedDraw::drawVertGradient(painter, rect, m_headerColor, ColorBlend::blendAlpha(m_headerColor, clBlack, 170));
}

void TNxHeaderPanel::drawVistaHeader(QPainter &painter, const QRect &rect)
{
    painter.fillRect(rect, Qt::black);
    SharedDraw::highlightUpperHalf(painter, rect);
}

void TNxHeaderPanel::drawWindowsLiveHeader(QPainter &painter, const QRect &rect)
{
    const TColor headerColor = m_adaptiveColors ? scheme(15) : m_headerColor;
    const int bottom = rect.y() + rect.height();
    painter.save();
    painter.setPen(Qt::white);
    painter.drawLine(0, rect.y(), rect.width() - 1, rect.y());
    painter.drawLine(0, bottom - 2, rect.width() - 1, bottom - 2);
    painter.setPen(qc(headerColor));
    painter.drawLine(0, bottom - 1, rect.width() - 1, bottom - 1);
    painter.restore();
    const QRect inner = rect.adjusted(0, 1, 0, -2);
    SharedDraw::fillGlossyBand(painter, inner, headerColor, m_color, inner.height() / 2);
}

void TNxHeaderPanel::drawButtonState(QPainter &painter, const QRect &rect)
{
    if (m_buttonState & bsPressed)
        SharedDraw::drawVertGradient(painter, rect, rgbColor(232, 127, 8), rgbColor(247, 217, 122));
    else if (m_buttonState & bsHot)
        SharedDraw::drawVertGradient(painter, rect, rgbColor(255, 255, 220), rgbColor(248, 194, 95));
}

void TNxHeaderPanel::drawCollapseButton(QPainter &painter, const QRect &rect)
{
    const bool pointsLeft = m_expanded != (m_drawDirection == diRightToLeft);
    const QPixmap glyph = pointsLeft ? PanelGlyphs::headerCollapse() : PanelGlyphs::headerExpand();
    painter.drawPixmap(rect.x() + rect.width() / 2 - 4, rect.y() + rect.height() / 2 - 3, glyph);
}

void TNxHeaderPanel::drawBorder(QPainter &painter)
{
    const TColor border = m_adaptiveColors ? scheme(2) : m_borderColor;
    for (int i = 0; i < m_borderWidth; ++i)
        SharedDraw::drawFrame(painter, rect().adjusted(i, i, -i, -i), border);
}

} // namespace talmo
