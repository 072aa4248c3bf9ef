#include "widgets/NxControl.h"

#include "widgets/ColorBlend.h"
#include "widgets/Colors.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <optional>

namespace talmo {

TNxVertScrollBar::TNxVertScrollBar(ScrollBarOwner &owner, Kind kind, QWidget *canvas)
    : TNxCustomScrollBar(owner, kind)
    , m_canvas(canvas)
{
    m_pageSize = 8;
}

void TNxVertScrollBar::setBackButtonState(int state)
{
    if (m_backState != state) {
        m_backState = state;
        m_canvas->update(backButtonRect());
    }
}

void TNxVertScrollBar::setForwardButtonState(int state)
{
    if (m_forwardState != state) {
        m_forwardState = state;
        m_canvas->update(forwardButtonRect());
    }
}

void TNxVertScrollBar::setThumbState(int state)
{
    if (m_thumbState != state) {
        m_thumbState = state;
        m_canvas->update(thumbRect());
    }
}

void TNxVertScrollBar::clearHotStates()
{
    setBackButtonState(m_backState & ~Hot);
    setForwardButtonState(m_forwardState & ~Hot);
    setThumbState(m_thumbState & ~Hot);
}

void TNxVertScrollBar::clearPressedStates()
{
    setBackButtonState(m_backState & ~Pressed);
    setForwardButtonState(m_forwardState & ~Pressed);
    setThumbState(m_thumbState & ~Pressed);
}

void TNxVertScrollBar::setBounds(int left, int top, int width, int height)
{
    m_bounds = QRect(left, top, width, height);
}

int TNxVertScrollBar::buttonSize() const
{
    return m_canvas->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_canvas);
}

QRect TNxVertScrollBar::backButtonRect() const
{
    return QRect(m_bounds.x(), m_bounds.y(), m_bounds.width(), buttonSize());
}

QRect TNxVertScrollBar::forwardButtonRect() const
{
    const int b = buttonSize();
    return QRect(m_bounds.x(), m_bounds.y() + m_bounds.height() - b, m_bounds.width(), b);
}

QRect TNxVertScrollBar::thumbRect() const
{
    if (max() <= 0)
        return QRect();
    // Measured from the owner's client top, like the bar's usual place at y 2.
    const double step = double(trackLength() - pageSize()) / max();
    const int top = ColorBlend::roundHalfEven(position() * step) + buttonSize() + 2;
    return QRect(m_bounds.x(), top, m_bounds.width(), pageSize());
}

QRect TNxVertScrollBar::pageUpRect() const
{
    const QRect back = backButtonRect();
    const int top = back.y() + back.height();
    return QRect(m_bounds.x(), top, m_bounds.width(), thumbRect().y() - top);
}

QRect TNxVertScrollBar::pageDownRect() const
{
    const QRect thumb = thumbRect();
    const int top = thumb.y() + thumb.height();
    return QRect(m_bounds.x(), top, m_bounds.width(), forwardButtonRect().y() - top);
}

void TNxVertScrollBar::mouseMove(const QPoint &pos)
{
    const auto hotBit = [&pos](int state, const QRect &rect) { return rect.contains(pos) ? state | Hot : state & ~Hot; };
    setBackButtonState(hotBit(m_backState, backButtonRect()));
    setForwardButtonState(hotBit(m_forwardState, forwardButtonRect()));
    setThumbState(hotBit(m_thumbState, thumbRect()));
    if ((m_thumbState & Pressed) && max() > 0) {
        const double pixelsPerStep = double(trackLength()) / max();
        setPosition(ColorBlend::roundHalfEven((pos.y() - buttonSize() - 2) / pixelsPerStep));
    }
}

void TNxVertScrollBar::paint(QPainter &painter) const
{
    QStyle *style = m_canvas->style();
    const QColor face = SystemColors::toQColor(clBtnFace);
    QBrush track(SystemColors::toQColor(clBtnHighlight), Qt::Dense4Pattern);
    painter.fillRect(m_bounds, SystemColors::toQColor(clScrollBar));
    painter.fillRect(m_bounds, track);
    const auto drawButton = [&](const QRect &rect, int state, std::optional<QStyle::PrimitiveElement> arrow) {
        QStyleOption option;
        option.initFrom(m_canvas);
        option.rect = rect;
        option.state |= (state & Pressed) ? QStyle::State_Sunken : QStyle::State_Raised;
        if (state & Hot)
            option.state |= QStyle::State_MouseOver;
        if (!enabled())
            option.state &= ~QStyle::State_Enabled;
        painter.fillRect(rect, face);
        style->drawPrimitive(QStyle::PE_PanelButtonBevel, &option, &painter, m_canvas);
        option.rect = rect.adjusted(3, 3, -3, -3);
        if (arrow)
            style->drawPrimitive(*arrow, &option, &painter, m_canvas);
    };
    if (max() > 0)
        drawButton(thumbRect(), m_thumbState, std::nullopt);
    drawButton(backButtonRect(), m_backState, QStyle::PE_IndicatorArrowUp);
    drawButton(forwardButtonRect(), m_forwardState, QStyle::PE_IndicatorArrowDown);
}

void TNxVertScrollBar::update()
{
    m_canvas->update();
    TNxCustomScrollBar::update();
}

void TNxVertScrollBar::pageUp()
{
    setPosition(position() - largeChange());
}

void TNxVertScrollBar::pageDown()
{
    setPosition(position() + largeChange());
}

TNxControl::TNxControl(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , m_vertScrollBar(*this, TNxCustomScrollBar::Vertical, this)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_delayTimer.setInterval(300);
    m_repeatTimer.setInterval(50);
    connect(&m_delayTimer, &QTimer::timeout, this, [this] { delayTimerTick(); });
    connect(&m_repeatTimer, &QTimer::timeout, this, [this] { repeatTimerTick(); });
}

QRect TNxControl::innerRect() const
{
    const int barWidth = m_vertScrollBar.visible() ? m_vertScrollBar.buttonSize() : 0;
    return QRect(2, 2, width() - 4 - barWidth, height() - 4);
}

QRect TNxControl::scrollBarArea() const
{
    const QRect inner = innerRect();
    return QRect(inner.x() + inner.width(), 2, m_vertScrollBar.buttonSize(), inner.height());
}

void TNxControl::scrollContent(TNxCustomScrollBar &, int, int)
{
    update();
}

void TNxControl::scrollBarChanged(TNxCustomScrollBar &)
{
    update();
}

void TNxControl::drawBorder(QPainter &painter)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Window));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
    painter.restore();
}

void TNxControl::paintContent(QPainter &painter)
{
    painter.fillRect(rect(), palette().color(QPalette::Window));
}

void TNxControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintContent(painter);
    drawBorder(painter);
    if (m_vertScrollBar.visible())
        m_vertScrollBar.paint(painter);
}

void TNxControl::step(ScrollDirection direction)
{
    switch (direction) {
    case LineUpDirection: m_vertScrollBar.moveBy(-1); break;
    case LineDownDirection: m_vertScrollBar.moveBy(1); break;
    case PageUpDirection: m_vertScrollBar.pageUp(); break;
    case PageDownDirection: m_vertScrollBar.pageDown(); break;
    case NoDirection: break;
    }
}

void TNxControl::delayTimerTick()
{
    if (!m_repeatTimer.isActive())
        m_repeatTimer.start();
}

void TNxControl::repeatTimerTick()
{
    step(m_scrollDirection);
}

void TNxControl::mousePressEvent(QMouseEvent *event)
{
    if (!m_vertScrollBar.visible() || event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    TNxVertScrollBar &bar = m_vertScrollBar;
    ScrollDirection direction = NoDirection;
    if (bar.forwardButtonRect().contains(pos)) {
        bar.setForwardButtonState(bar.forwardButtonState() | TNxVertScrollBar::Pressed);
        direction = LineDownDirection;
    } else if (bar.backButtonRect().contains(pos)) {
        bar.setBackButtonState(bar.backButtonState() | TNxVertScrollBar::Pressed);
        direction = LineUpDirection;
    } else if (bar.max() > 0 && bar.thumbRect().contains(pos)) {
        bar.setThumbState(bar.thumbState() | TNxVertScrollBar::Pressed);
        m_thumbDown = true;
        return;
    } else if (bar.pageDownRect().contains(pos)) {
        direction = PageDownDirection;
    } else if (bar.pageUpRect().contains(pos)) {
        direction = PageUpDirection;
    }
    if (direction == NoDirection)
        return;
    m_scrollDirection = direction;
    step(direction);
    m_delayTimer.start();
}

void TNxControl::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_vertScrollBar.visible() && (scrollBarArea().contains(pos) || m_thumbDown))
        m_vertScrollBar.mouseMove(pos);
    else
        m_vertScrollBar.clearHotStates();
}

void TNxControl::mouseReleaseEvent(QMouseEvent *)
{
    m_vertScrollBar.clearPressedStates();
    m_scrollDirection = NoDirection;
    m_thumbDown = false;
    m_delayTimer.stop();
    m_repeatTimer.stop();
    update();
}

void TNxControl::leaveEvent(QEvent *)
{
    if (!m_thumbDown)
        m_vertScrollBar.clearHotStates();
}

} // namespace talmo
