#include "widgets/NxSpinButtons.h"

#include "widgets/NxEdit.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

namespace talmo {

TNxSpinButtons::TNxSpinButtons(TNxCustomEdit *owner)
    : QWidget(owner)
    , m_owner(owner)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    m_delayTimer.setInterval(400);
    m_repeatTimer.setInterval(20);
    connect(&m_delayTimer, &QTimer::timeout, this, [this] { delayTimerTick(); });
    connect(&m_repeatTimer, &QTimer::timeout, this, [this] { repeatTimerTick(); });
}

TSpinButtonSet TNxSpinButtons::buttonAt(int y) const
{
    return y < height() / 2 ? TSpinButtonSet(sbUp) : TSpinButtonSet(sbDown);
}

void TNxSpinButtons::setHoverButtons(TSpinButtonSet buttons)
{
    if (m_hover == buttons)
        return;
    m_hover = buttons;
    update();
}

void TNxSpinButtons::press(TSpinButtonSet buttons)
{
    m_pressed = buttons;
    if (buttons) {
        m_delayTimer.start();
        emit spin(buttons);
    } else {
        m_delayTimer.stop();
        m_repeatTimer.stop();
    }
    update();
}

void TNxSpinButtons::delayTimerTick()
{
    m_delayTimer.stop();
    m_repeatTimer.start();
}

void TNxSpinButtons::repeatTimerTick()
{
    if (m_pressed)
        emit spin(m_pressed);
}

void TNxSpinButtons::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        press(buttonAt(event->position().toPoint().y()));
}

void TNxSpinButtons::mouseMoveEvent(QMouseEvent *event)
{
    setHoverButtons(buttonAt(event->position().toPoint().y()));
}

void TNxSpinButtons::mouseReleaseEvent(QMouseEvent *)
{
    press({});
}

void TNxSpinButtons::leaveEvent(QEvent *)
{
    setHoverButtons({});
}

void TNxSpinButtons::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int half = height() / 2;
    const auto drawButton = [&](const QRect &rect, TSpinButton which, QStyle::PrimitiveElement arrow) {
        QStyleOption option;
        option.initFrom(this);
        option.rect = rect;
        option.state |= m_pressed.testFlag(which) ? QStyle::State_Sunken : QStyle::State_Raised;
        if (m_hover.testFlag(which))
            option.state |= QStyle::State_MouseOver;
        if (!m_owner->isEnabled())
            option.state &= ~QStyle::State_Enabled;
        painter.fillRect(rect, palette().color(QPalette::Button));
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &option, &painter, this);
        option.rect = rect.adjusted(2, 1, -2, -1);
        style()->drawPrimitive(arrow, &option, &painter, this);
    };
    drawButton(QRect(0, 0, width(), half), sbUp, QStyle::PE_IndicatorSpinUp);
    drawButton(QRect(0, half, width(), height() - half), sbDown, QStyle::PE_IndicatorSpinDown);
}

} // namespace talmo
