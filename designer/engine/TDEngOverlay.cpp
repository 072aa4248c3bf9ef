#include "designer/engine/TDEngOverlay.h"

#include "designer/DesignControl.h"
#include "designer/engine/TDEng.h"
#include "designer/engine/TELDesigner.h"
#include "designer/engine/TELDesignerSelectedControls.h"
#include "designer/engine/TELGrabHandles.h"

#include <QPaintEvent>
#include <QPainter>

namespace talmo {

TDEngOverlay::TDEngOverlay(TDEng &engine, QWidget *host)
    : QWidget(host),
      m_engine(engine)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
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
    for (auto it = m_painted.cbegin(); it != m_painted.cend(); ++it) {
        if (painted.value(it.key()) != it.value())
            update(it.value());
    }
    for (auto it = painted.cbegin(); it != painted.cend(); ++it) {
        if (m_painted.value(it.key()) != it.value())
            update(it.value());
    }
    m_painted = std::move(painted);
}

QRect TDEngOverlay::handleRect(const TDesignControl *control, int position) const
{
    const TELDesignerSelectedControls &selection = m_engine.designer().SelectedControls();
    const int index = selection.IndexOf(control);
    if (index < 0 || !control->parentWidget())
        return {};
    const int mode = selection.Entry(index).mode;
    if (!TELGrabHandles::visible(position, mode))
        return {};
    return TELGrabHandles::rect(position, boundsOf(control), mode) & parentClientArea(control);
}

TDesignControl *TDEngOverlay::handleAt(const QPoint &point, int *position) const
{
    const TELDesignerSelectedControls &selection = m_engine.designer().SelectedControls();
    for (int i = selection.GetCount() - 1; i >= 0; --i) {
        if (selection.Entry(i).mode != 1)
            continue;
        for (int p = 0; p < TELGrabHandles::Count; ++p) {
            if (handleRect(selection.GetItem(i), p).contains(point)) {
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
    const TELDesignerSelectedControls &selection = m_engine.designer().SelectedControls();
    QRect extent;
    for (int p = 0; p < TELGrabHandles::Count; ++p)
        extent |= handleRect(selection.GetItem(index), p);
    return extent;
}

void TDEngOverlay::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    paintHandles(painter, event->rect());
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
