#include "widgets/NxFlipPanel.h"

#include "widgets/GlyphMask.h"
#include "widgets/PanelGlyphs.h"
#include "widgets/SharedDraw.h"
#include "widgets/Themes.h"

#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

namespace talmo {

namespace {

QColor qc(TColor color)
{
    return SystemColors::toQColor(color);
}

// Grows or shrinks a panel the way a user would, so its own resize rule runs.
void resizePanelHeight(QWidget *panel, int height)
{
    panel->resize(panel->width(), height);
    panel->updateGeometry();
}

} // namespace

TNxFlipPanel::TNxFlipPanel(QWidget *parent)
    : QWidget(parent)
    , m_collapseGlyph(PanelGlyphs::flipCollapse())
    , m_expandGlyph(PanelGlyphs::flipExpand())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    m_headerFont = font();
    resize(200, 200);
    connect(&m_innerMargins, &TNxMargins::changed, this, [this] {
        updateClientArea();
        update();
    });
    updateClientArea();
    ColorSchemes::registerControl(this);
}

TNxFlipPanel::~TNxFlipPanel()
{
    ColorSchemes::unregisterControl(this);
}

QSize TNxFlipPanel::sizeHint() const
{
    return size();
}

int TNxFlipPanel::heightForWidth(int width) const
{
    if (!m_expanded)
        return collapsedHeight();
    return qMax(minimumHeight(), QWidget::heightForWidth(width));
}

void TNxFlipPanel::setAdaptiveColors(bool value)
{
    m_adaptiveColors = value;
    update();
}

void TNxFlipPanel::setBackgroundColor(TColor color)
{
    m_backgroundColor = color;
    update();
}

void TNxFlipPanel::setBackgroundStyle(TFlipBackgroundStyle style)
{
    m_backgroundStyle = style;
    updateOpacity();
    update();
}

void TNxFlipPanel::updateOpacity()
{
    // Parts left unpainted show the parent's background.
    const bool seeThrough = m_backgroundStyle == bsTransparent || m_headerStyle == hsTransparent
        || m_headerStyle == hsVista;
    setAttribute(Qt::WA_OpaquePaintEvent, !seeThrough);
}

void TNxFlipPanel::setBorderWidth(int width)
{
    m_borderWidth = qMax(0, width);
    updateClientArea();
    update();
}

void TNxFlipPanel::setCaption(const QString &caption)
{
    m_caption = caption;
    updateMnemonic();
    update();
}

void TNxFlipPanel::setColor(TColor color)
{
    m_color = color;
    update();
}

void TNxFlipPanel::setColorScheme(TColorScheme scheme)
{
    m_colorScheme = scheme;
    update();
}

void TNxFlipPanel::setDrawDirection(TDirection direction)
{
    m_drawDirection = direction;
    update();
}

void TNxFlipPanel::setCollapseGlyph(const QPixmap &glyph)
{
    m_collapseGlyph = glyph;
    update();
}

void TNxFlipPanel::setExpandGlyph(const QPixmap &glyph)
{
    m_expandGlyph = glyph;
    update(headerRect());
}

void TNxFlipPanel::setGlyph(const QPixmap &glyph)
{
    m_glyph = glyph;
    update();
}

void TNxFlipPanel::setHeaderColor(TColor color)
{
    m_headerColor = color;
    update(headerRect());
}

void TNxFlipPanel::setHeaderFont(const QFont &font)
{
    m_headerFont = font;
    m_parentHeaderFont = false;
    update();
}

void TNxFlipPanel::setHeaderHeight(int height)
{
    m_headerHeight = height;
    updateClientArea();
    update();
}

void TNxFlipPanel::setHeaderStyle(THeaderStyle style)
{
    m_headerStyle = style;
    updateOpacity();
    update();
}

void TNxFlipPanel::setIndent(int value)
{
    m_indent = value;
    update();
}

void TNxFlipPanel::setParentHeaderFont(bool value)
{
    m_parentHeaderFont = value;
    if (value)
        m_headerFont = font();
    update();
}

void TNxFlipPanel::setShowButtons(bool value)
{
    m_showButtons = value;
    update();
}

void TNxFlipPanel::setShowGlyph(bool value)
{
    m_showGlyph = value;
    update();
}

void TNxFlipPanel::setTransparentButtons(bool value)
{
    m_transparentButtons = value;
    update();
}

void TNxFlipPanel::setTransparentGlyph(bool value)
{
    m_transparentGlyph = value;
    update();
}

void TNxFlipPanel::updateClientArea()
{
    const int b = m_borderWidth;
    setContentsMargins(m_innerMargins.toQMargins() + QMargins(b, b + m_headerHeight, b, b));
}

void TNxFlipPanel::updateMnemonic()
{
    if (m_mnemonicId != 0)
        releaseShortcut(m_mnemonicId);
    const QKeySequence key = QKeySequence::mnemonic(m_caption);
    m_mnemonicId = key.isEmpty() ? 0 : grabShortcut(key);
}

bool TNxFlipPanel::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut && static_cast<QShortcutEvent *>(event)->shortcutId() == m_mnemonicId) {
        setExpanded(!m_expanded);
        return true;
    }
    return QWidget::event(event);
}

void TNxFlipPanel::setOwnHeight(QWidget *panel, int height)
{
    m_resizing = true;
    m_ownHeight = height;
    resizePanelHeight(panel, height);
    m_resizing = false;
}

void TNxFlipPanel::setExpanded(bool value)
{
    if (value == m_expanded)
        return;
    if (!value) {
        m_fullHeight = qMax(height(), collapsedHeight());
        const int delta = qMax(0, height() - collapsedHeight());
        m_expanded = false;
        setOwnHeight(this, collapsedHeight());
        for (auto *outer = qobject_cast<TNxFlipPanel *>(parentWidget()); outer;
             outer = qobject_cast<TNxFlipPanel *>(outer->parentWidget()))
            resizePanelHeight(outer, outer->height() - delta);
    } else {
        const int delta = m_fullHeight - height();
        m_expanded = true;
        for (auto *outer = qobject_cast<TNxFlipPanel *>(parentWidget()); outer;
             outer = qobject_cast<TNxFlipPanel *>(outer->parentWidget()))
            resizePanelHeight(outer, outer->height() + delta);
        setOwnHeight(this, m_fullHeight);
    }
    doChange();
    update(buttonRect());
    if (value && m_autoCollapse && parentWidget()) {
        for (auto *sibling : parentWidget()->findChildren<TNxFlipPanel *>(Qt::FindDirectChildrenOnly)) {
            if (sibling != this)
                sibling->setExpanded(false);
        }
    }
}

void TNxFlipPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const bool ownChange = m_resizing || height() == m_ownHeight;
    m_ownHeight = -1;
    if (m_backgroundStyle == bsVertGradient)
        update();
    if (ownChange)
        return;
    if (height() > collapsedHeight()) {
        m_fullHeight = height();
        setExpanded(true);
    } else {
        setExpanded(false);
    }
}

void TNxFlipPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange && m_parentHeaderFont) {
        m_headerFont = font();
        update();
    }
    QWidget::changeEvent(event);
}

void TNxFlipPanel::doChange()
{
    emit change();
}

QRect TNxFlipPanel::headerRect() const
{
    return QRect(m_borderWidth, m_borderWidth, width() - 2 * m_borderWidth, m_headerHeight);
}

QRect TNxFlipPanel::buttonRect() const
{
    const int clientWidth = width() - 2 * m_borderWidth;
    const int x = m_drawDirection == diLeftToRight ? m_indent : clientWidth - m_expandGlyph.width() - 4;
    QRect rect = Themes::isThemed()
        ? QRect(x, m_headerHeight / 2 - m_expandGlyph.height() / 2 - 1, m_expandGlyph.width(), m_expandGlyph.height())
        : QRect(x, m_headerHeight / 2 - 5, 9, 9);
    return rect.translated(m_borderWidth, m_borderWidth);
}

void TNxFlipPanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint pos = event->position().toPoint();
        const bool toggle = (m_flipKind == fkButton && m_showButtons && buttonRect().contains(pos))
            || (m_flipKind == fkHeaderAndButton && headerRect().contains(pos));
        if (toggle)
            setExpanded(!m_expanded);
    }
    QWidget::mouseReleaseEvent(event);
}

// ---- painting ----

TColor TNxFlipPanel::currentHeaderColor() const
{
    if (!m_adaptiveColors)
        return m_headerColor;
    if (auto *outer = qobject_cast<const TNxFlipPanel *>(parentWidget()))
        return outer->color();
    return Themes::isThemed() ? ColorSchemes::schemeColor(15, m_colorScheme) : clBtnFace;
}

QPixmap TNxFlipPanel::buttonGlyph(const QPixmap &glyph) const
{
    return m_transparentButtons ? GlyphMask::bottomLeftTransparent(glyph) : glyph;
}

void TNxFlipPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawBorder(painter);
    painter.translate(m_borderWidth, m_borderWidth);
    painter.setFont(font());
    drawHeader(painter);
    const QRect header(0, 0, width() - 2 * m_borderWidth, m_headerHeight);
    if (hasFocus())
        SharedDraw::drawFocusFrame(painter, header, false);
    drawBackground(painter);
    painter.setFont(m_headerFont);
    painter.setPen(qc(clWindowText));

    int textLeft = m_indent;
    if (m_showButtons) {
        const QRect button = buttonRect().translated(-m_borderWidth, -m_borderWidth);
        if (Themes::isThemed()) {
            painter.drawPixmap(button.topLeft(), buttonGlyph(m_expanded ? m_collapseGlyph : m_expandGlyph));
        } else {
            painter.save();
            painter.setPen(qc(clGrayText));
            painter.setBrush(Qt::white);
            painter.drawRect(button.adjusted(0, 0, -1, -1));
            painter.setPen(Qt::black);
            const int x = button.x(), y = button.y();
            painter.drawLine(x + 2, y + 4, x + 6, y + 4);
            if (!m_expanded)
                painter.drawLine(x + 4, y + 2, x + 4, y + 6);
            painter.restore();
        }
        if (m_drawDirection == diLeftToRight)
            textLeft = m_indent + m_expandGlyph.width() + 4;
    }
    if (m_showGlyph && !m_glyph.isNull()) {
        const QPixmap glyph = m_transparentGlyph ? GlyphMask::bottomLeftTransparent(m_glyph) : m_glyph;
        const int y = m_headerHeight / 2 - glyph.height() / 2;
        if (m_drawDirection == diLeftToRight) {
            painter.drawPixmap(header.width() - glyph.width() - 2, y, glyph);
        } else {
            painter.drawPixmap(textLeft, y, glyph);
            textLeft += glyph.width() + 2;
        }
    }
    const QString shown =
        painter.fontMetrics().elidedText(m_caption, Qt::ElideRight, header.width() - textLeft, Qt::TextShowMnemonic);
    painter.drawText(QRect(textLeft, 0, header.width() - textLeft, m_headerHeight),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, shown);
}

void TNxFlipPanel::drawHeader(QPainter &painter)
{
    const TColor headerColor = currentHeaderColor();
    const QRect header(0, 0, width() - 2 * m_borderWidth, m_headerHeight);
    switch (m_headerStyle) {
    case hsAuto:
    case hsSolid: painter.fillRect(header, qc(headerColor)); break;
    case hsFadeAway: SharedDraw::drawHorzGradient(painter, header, headerColor, m_color); break;
    case hsGradient: SharedDraw::drawVertGradient(painter, header, m_color, headerColor); break;
    case hsInverseGradient: SharedDraw::drawVertGradient(painter, header, headerColor, m_color); break;
    case hsTopGradient: {
        const QRect client(0, 0, header.width(), height() - 2 * m_borderWidth);
        painter.fillRect(client, qc(m_color));
        SharedDraw::drawVertGradient(painter, QRect(0, 0, header.width(), 4), headerColor, m_color);
        break;
    }
    case hsTransparent:
    case hsVista:
        // The parent's background shows: nothing is painted here but the highlight.
        if (m_headerStyle == hsVista)
            SharedDraw::highlightUpperHalf(painter, header);
        break;
    case hsWindowsLive: {
        SharedDraw::drawFrame(painter, header, headerColor);
        SharedDraw::drawFrame(painter, header.adjusted(1, 1, -1, -1), m_color);
        const QRect inner = header.adjusted(2, 2, -2, -2);
        SharedDraw::fillGlossyBand(painter, inner, headerColor, m_color, inner.height() / 2);
        break;
    }
    }
}

void TNxFlipPanel::drawBackground(QPainter &painter)
{
    const int clientWidth = width() - 2 * m_borderWidth;
    const QRect body(0, m_headerHeight, clientWidth, height() - 2 * m_borderWidth - m_headerHeight);
    switch (m_backgroundStyle) {
    case bsSolid: painter.fillRect(body, qc(m_color)); break;
    case bsVertGradient: SharedDraw::drawVertGradient(painter, body, m_color, m_backgroundColor); break;
    case bsTransparent: break;
    }
}

void TNxFlipPanel::drawBorder(QPainter &painter)
{
    const TColor border = m_adaptiveColors ? ColorSchemes::schemeColor(2, m_colorScheme) : m_borderColor;
    for (int i = 0; i < m_borderWidth; ++i)
        SharedDraw::drawFrame(painter, rect().adjusted(i, i, -i, -i), border);
}

} // namespace talmo
