#include "widgets/NxScrollControl.h"

#include "widgets/RollShadow.h"
#include "widgets/WidgetImages.h"

#include <QMouseEvent>
#include <QScrollBar>

#include <cstdlib>

namespace talmo {

TNxScrollBar::TNxScrollBar(ScrollBarOwner &owner, Kind kind, QAbstractScrollArea *area)
    : TNxCustomScrollBar(owner, kind)
    , m_area(area)
{
}

QScrollBar *TNxScrollBar::qtBar() const
{
    return kind() == Vertical ? m_area->verticalScrollBar() : m_area->horizontalScrollBar();
}

void TNxScrollBar::setVisible(bool value)
{
    TNxCustomScrollBar::setVisible(value);
    const Qt::ScrollBarPolicy policy = value ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    if (kind() == Vertical)
        m_area->setVerticalScrollBarPolicy(policy);
    else
        m_area->setHorizontalScrollBarPolicy(policy);
}

void TNxScrollBar::update()
{
    m_updating = true;
    QScrollBar *bar = qtBar();
    const QSignalBlocker blocker(bar);
    bar->setRange(min(), max());
    bar->setPageStep(pageSize());
    bar->setSingleStep(smallChange());
    bar->setValue(position());
    bar->setSliderPosition(position());
    bar->setEnabled(max() > 0 && enabled() && m_area->isEnabled());
    m_updating = false;
    TNxCustomScrollBar::update();
}

TNxScrollControl::TNxScrollControl(QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_horzScrollBar(*this, TNxCustomScrollBar::Horizontal, this)
    , m_vertScrollBar(*this, TNxCustomScrollBar::Vertical, this)
    , m_rollShadow(new TRollShadow(this))
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_rollShadow->hide();
    m_rollShadow->setCursor(WidgetImages::rollCursor(WidgetImages::RollCursor::Neutral));
    m_rollTimer.setInterval(1);
    connect(&m_rollTimer, &QTimer::timeout, this, [this] { rollTimerTick(); });
    connectBar(m_horzScrollBar);
    connectBar(m_vertScrollBar);
    m_horzScrollBar.update();
    m_vertScrollBar.update();
}

TNxScrollControl::~TNxScrollControl() = default;

void TNxScrollControl::connectBar(TNxScrollBar &bar)
{
    QScrollBar *qtBar = bar.qtBar();
    connect(qtBar, &QAbstractSlider::actionTriggered, this, [this, &bar, qtBar](int action) {
        switch (action) {
        case QAbstractSlider::SliderSingleStepAdd: handleScroll(bar, LineDown, 0); break;
        case QAbstractSlider::SliderSingleStepSub: handleScroll(bar, LineUp, 0); break;
        case QAbstractSlider::SliderPageStepAdd: handleScroll(bar, PageDown, 0); break;
        case QAbstractSlider::SliderPageStepSub: handleScroll(bar, PageUp, 0); break;
        case QAbstractSlider::SliderToMinimum: handleScroll(bar, Top, 0); break;
        case QAbstractSlider::SliderToMaximum: handleScroll(bar, Bottom, 0); break;
        case QAbstractSlider::SliderMove: handleScroll(bar, ThumbTrack, qtBar->sliderPosition()); break;
        default: break;
        }
        // Qt applies the slider position after this slot: make it the model's.
        qtBar->setSliderPosition(bar.position());
    });
    connect(qtBar, &QAbstractSlider::sliderReleased, this, [this, &bar] { handleScroll(bar, EndScroll, 0); });
}

void TNxScrollControl::handleScroll(TNxScrollBar &bar, ScrollCode code, int trackPosition)
{
    if (code != EndScroll)
        bar.setPosition(bar.positionForScroll(code, trackPosition));
    if (bar.kind() == TNxCustomScrollBar::Vertical)
        emit verticalScroll(bar.position());
    else
        emit horizontalScroll(bar.position());
}

void TNxScrollControl::scrollRequest(TNxCustomScrollBar &bar, ScrollCode code)
{
    handleScroll(bar.kind() == TNxCustomScrollBar::Vertical ? m_vertScrollBar : m_horzScrollBar, code, bar.position());
}

void TNxScrollControl::scrollContent(TNxCustomScrollBar &bar, int dx, int dy)
{
    beforeScroll(bar.kind());
    const QRect clip = dx != 0 ? m_horzScrollClipRect : m_vertScrollClipRect;
    if (dx != 0 || dy != 0)
        viewport()->scroll(dx != 0 ? dx : 0, dy, clip.isEmpty() ? viewport()->rect() : clip);
    afterScroll(bar.kind());
}

void TNxScrollControl::beforeScroll(TNxCustomScrollBar::Kind)
{
}

void TNxScrollControl::afterScroll(TNxCustomScrollBar::Kind)
{
}

void TNxScrollControl::rollTimerTick()
{
    m_rollTimer.setInterval(std::max(1, 100 - std::abs(m_rollDistance)));
    if (m_rollDirection == RollUp)
        m_vertScrollBar.lineUp();
    else if (m_rollDirection == RollDown)
        m_vertScrollBar.lineDown();
}

void TNxScrollControl::wheelEvent(QWheelEvent *event)
{
    if (m_mouseWheelEnabled) {
        event->accept();
        return;
    }
    event->ignore();
}

void TNxScrollControl::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton && m_rollScrollingEnabled) {
        m_rolling = true;
        m_rollPoint = event->position().toPoint();
        m_rollDistance = 0;
        m_rollDirection = RollNone;
        viewport()->setCursor(WidgetImages::rollCursor(WidgetImages::RollCursor::Neutral));
        m_rollShadow->showAt(event->globalPosition().toPoint());
        m_rollShadow->show();
        m_rollTimer.start(1);
        event->accept();
        return;
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void TNxScrollControl::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_rolling) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    m_rollDistance = event->position().toPoint().y() - m_rollPoint.y();
    WidgetImages::RollCursor cursor = WidgetImages::RollCursor::Neutral;
    if (m_rollDistance < -5) {
        m_rollDirection = RollUp;
        cursor = WidgetImages::RollCursor::Up;
    } else if (m_rollDistance < 6) {
        m_rollDirection = RollNone;
    } else {
        m_rollDirection = RollDown;
        cursor = WidgetImages::RollCursor::Down;
    }
    viewport()->setCursor(WidgetImages::rollCursor(cursor));
    m_rollShadow->setCursor(WidgetImages::rollCursor(cursor));
}

void TNxScrollControl::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_rolling) {
        stopRolling();
        event->accept();
        return;
    }
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void TNxScrollControl::stopRolling()
{
    m_rollTimer.stop();
    m_rolling = false;
    m_rollDirection = RollNone;
    m_rollShadow->hide();
    viewport()->unsetCursor();
}

void TNxScrollControl::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        viewport()->update();
        m_horzScrollBar.update();
        m_vertScrollBar.update();
    }
}

} // namespace talmo
