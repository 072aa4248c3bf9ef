#include "designer/engine/TDEngOverlay.h"

#include "designer/DesignControl.h"
#include "designer/engine/TDEng.h"
#include "designer/engine/TDEngHint.h"
#include "designer/engine/TELDesigner.h"
#include "designer/engine/TELDesignerSelectedControls.h"
#include "designer/engine/TELGrabHandles.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace talmo {

TDEngOverlay::TDEngOverlay(TDEng &engine, QWidget *host)
    : QWidget(host),
      m_engine(engine),
      m_keys(engine)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // A right click belongs to the designer's own menu, never to a window below.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void TDEngOverlay::refreshHandles()
{
    const TELDesignerSelectedControls &selection = m_engine.designer().SelectedControls();
    QHash<const TDesignControl *, QRect> painted;
    for (int i = 0; i < selection.GetCount(); ++i) {
        const QRect extent = paintedExtent(i);
        if (!extent.isEmpty())
            painted.insert(selection.GetItem(i), extent);
    }
    QList<QRect> changed;
    for (auto it = m_painted.cbegin(); it != m_painted.cend(); ++it) {
        if (painted.value(it.key()) != it.value())
            changed.append(it.value());
    }
    for (auto it = painted.cbegin(); it != painted.cend(); ++it) {
        if (m_painted.value(it.key()) != it.value())
            changed.append(it.value());
    }
    m_painted = std::move(painted);
    repaintAreas(changed);
}

// Few areas are painted one by one; many at once as the rectangle around
// them, since a region of many pieces costs more to paint than it saves.
void TDEngOverlay::repaintAreas(const QList<QRect> &areas)
{
    constexpr qsizetype ManyAreas = 16;
    if (areas.size() <= ManyAreas) {
        for (const QRect &area : areas)
            update(area);
        return;
    }
    QRect around;
    for (const QRect &area : areas)
        around |= area;
    update(around);
}

QRect TDEngOverlay::handleRect(const TDesignControl *control, int position) const
{
    const int index = m_engine.designer().SelectedControls().IndexOf(control);
    return index < 0 ? QRect() : handleRectAt(index, position);
}

QRect TDEngOverlay::handleRectAt(int index, int position) const
{
    const TDSelCtrlItem &entry = m_engine.designer().SelectedControls().Entry(index);
    if (!entry.control->parentWidget() || !TELGrabHandles::visible(position, entry.mode))
        return {};
    return TELGrabHandles::rect(position, boundsOf(entry.control), entry.mode) & parentClientArea(entry.control);
}

TDesignControl *TDEngOverlay::handleAt(const QPoint &point, int *position) const
{
    const TELDesignerSelectedControls &selection = m_engine.designer().SelectedControls();
    for (int i = selection.GetCount() - 1; i >= 0; --i) {
        if (selection.Entry(i).mode != 1)
            continue;
        for (int p = 0; p < TELGrabHandles::Count; ++p) {
            if (handleRectAt(i, p).contains(point)) {
                *position = p;
                return selection.GetItem(i);
            }
        }
    }
    return nullptr;
}

QPoint TDEngOverlay::fromWidget(const QWidget *widget, const QPoint &point) const
{
    return widget->mapTo(parentWidget(), point) - pos();
}

QPoint TDEngOverlay::toWidget(const QWidget *widget, const QPoint &point) const
{
    return widget->mapFrom(parentWidget(), point + pos());
}

QRect TDEngOverlay::boundsOf(const QWidget *widget) const
{
    return QRect(fromWidget(widget, QPoint(0, 0)), widget->size());
}

QRect TDEngOverlay::parentClientArea(const TDesignControl *control) const
{
    return boundsOf(control->parentWidget());
}

QRect TDEngOverlay::paintedExtent(int index) const
{
    QRect extent;
    for (int p = 0; p < TELGrabHandles::Count; ++p)
        extent |= handleRectAt(index, p);
    return extent;
}

// Every input event of the surface ends here, and no failure leaves it.
bool TDEngOverlay::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        dispatch(event);
        return true;
    case QEvent::ShortcutOverride:
        // The keys the surface edits with are its own; any other may still
        // be a shortcut of the window, as menu shortcuts always were.
        event->setAccepted(editsWith(static_cast<QKeyEvent *>(event)->key()));
        return true;
    case QEvent::Wheel:
        if (!m_engine.dragging())
            m_engine.hint().hideOnEvent(*event);
        event->ignore(); // the host form scrolls
        return false;
    default:
        return QWidget::event(event);
    }
}

bool TDEngOverlay::editsWith(int key)
{
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_Delete:
        return true;
    default:
        return false;
    }
}

void TDEngOverlay::dispatch(QEvent *event)
{
    if (!m_engine.dragging())
        m_engine.hint().hideOnEvent(*event);
    try {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            m_engine.mousePress(*static_cast<QMouseEvent *>(event));
            break;
        case QEvent::MouseButtonRelease:
            m_engine.mouseRelease(*static_cast<QMouseEvent *>(event));
            break;
        case QEvent::MouseButtonDblClick:
            m_engine.mouseDoubleClick(*static_cast<QMouseEvent *>(event));
            break;
        case QEvent::MouseMove:
            m_engine.mouseMove(*static_cast<QMouseEvent *>(event));
            break;
        case QEvent::KeyPress:
            m_keys.keyDown(*static_cast<QKeyEvent *>(event));
            break;
        case QEvent::KeyRelease:
            m_keys.keyUp(*static_cast<QKeyEvent *>(event));
            break;
        default:
            break;
        }
    } catch (const std::exception &error) {
        m_engine.designer().ShowError(error);
    }
    event->accept();
}

void TDEngOverlay::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    paintHandles(painter, event->rect());
    paintOutlines(painter);
}

// Outlines drawn afresh each step instead of inverted pixels: the band
// dotted, the others 2 pixels grey with their left and top one pixel in.
void TDEngOverlay::paintOutlines(QPainter &painter) const
{
    const bool band = m_engine.dragPen() == TDEngDrag::Pen::Band;
    QPen pen = band ? QPen(Qt::black, 1, Qt::DotLine) : QPen(QColor(0x80, 0x80, 0x80), 2);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const QRect &rect : m_engine.dragOutlines())
        painter.drawRect(band ? rect.adjusted(0, 0, -1, -1) : rect.adjusted(1, 1, -1, -1));
}

void TDEngOverlay::paintHandles(QPainter &painter, const QRect &area) const
{
    const TELDesigner &designer = m_engine.designer();
    const TELDesignerSelectedControls &selection = designer.SelectedControls();
    for (int i = 0; i < selection.GetCount(); ++i) {
        const TDSelCtrlItem &entry = selection.Entry(i);
        if (entry.mode == 0)
            continue;
        const TELGrabHandles::Colors colors = TELGrabHandles::colors(entry.mode, selection.Active(),
                                                                     entry.control->lockBits(),
                                                                     designer.HandleColors());
        painter.save();
        painter.setClipRect(parentClientArea(entry.control) & area);
        const QRect bounds = boundsOf(entry.control);
        for (int p = 0; p < TELGrabHandles::Count; ++p) {
            if (!TELGrabHandles::visible(p, entry.mode))
                continue;
            const QRect handle = TELGrabHandles::rect(p, bounds, entry.mode);
            painter.fillRect(handle, colors.fill);
            painter.setPen(colors.border);
            painter.drawRect(handle.adjusted(0, 0, -1, -1));
        }
        painter.restore();
    }
}

void TDEngOverlay::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    m_engine.designer().SelectedControls().SetActive(true);
}

void TDEngOverlay::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    m_engine.designer().SelectedControls().SetActive(false);
}

} // namespace talmo
