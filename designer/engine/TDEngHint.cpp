#include "designer/engine/TDEngHint.h"

#include <QEvent>
#include <QToolTip>

namespace talmo {

namespace {

// The hint object whose text the tooltip shows.
TDEngHint *onScreen = nullptr;

// The tooltip's own timer never hides a hint: ours does.
constexpr int ShowUntilHidden = 24 * 60 * 60 * 1000;

// How far below the cursor's hot spot a hint appears: the shapes of Qt's
// cursors cannot be read, so the height of a usual arrow.
constexpr int CursorHeight = 20;

} // namespace

TDEngHint::TDEngHint(QWidget &surface, std::function<QWidget *()> hovered)
    : m_surface(surface),
      m_hovered(std::move(hovered))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &TDEngHint::tick);
}

TDEngHint::~TDEngHint()
{
    hide();
}

void TDEngHint::setPauses(int showMilliseconds, int hideMilliseconds)
{
    m_pause = showMilliseconds;
    m_hidePause = hideMilliseconds;
}

void TDEngHint::show(const QString &text, const QPoint &globalPos, bool delayed, bool autoHide, QWidget *boundControl,
                     bool hideOnMessage)
{
    m_text = text;
    m_position = globalPos;
    m_autoHide = autoHide;
    m_boundControl = boundControl;
    m_bound = boundControl != nullptr;
    m_hideOnMessage = hideOnMessage;
    if (delayed) {
        m_hidePending = false;
        m_timer.start(m_pause);
    } else {
        showNow();
    }
}

void TDEngHint::hide()
{
    m_timer.stop();
    if (onScreen != this)
        return;
    onScreen = nullptr;
    QToolTip::hideText();
}

void TDEngHint::hideOnEvent(const QEvent &event)
{
    if (isShown() && endsHints(event))
        hide();
}

bool TDEngHint::isShown() const
{
    return onScreen == this && QToolTip::isVisible();
}

bool TDEngHint::endsHints(const QEvent &event)
{
    switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::FocusOut:
    case QEvent::WindowDeactivate:
        return true;
    default:
        return false;
    }
}

void TDEngHint::tick()
{
    if (m_hidePending)
        hide();
    else
        showNow();
}

void TDEngHint::showNow()
{
    if (m_bound && (!m_boundControl || m_hovered() != m_boundControl)) {
        hide();
        return;
    }
    m_timer.stop();
    onScreen = this;
    QToolTip::showText(m_position + QPoint(0, CursorHeight), m_text, &m_surface, QRect(), ShowUntilHidden);
    if (m_autoHide) {
        m_hidePending = true;
        m_timer.start(m_hidePause);
    }
}

} // namespace talmo
