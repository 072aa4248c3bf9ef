#include "designer/engine/TDEng.h"

#include "designer/DesignClassRegistry.h"
#include "designer/controls/VisualControl.h"
#include "designer/engine/TDEngHint.h"
#include "designer/engine/TDEngOverlay.h"
#include "designer/engine/TDPForm.h"
#include "designer/engine/TDPFormSurface.h"
#include "designer/engine/TELDesignPanel.h"
#include "designer/engine/TELDesigner.h"
#include "designer/engine/TELDesignerGrid.h"
#include "designer/engine/TELDesignerSelectedControls.h"
#include "designer/engine/TELGrabHandles.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScopeGuard>

#include <cmath>

namespace talmo {

namespace {

int floorToStep(int value, int step)
{
    return int(std::floor(double(value) / step)) * step;
}

// Whole steps from the start, halves going to the even step.
int snapToSteps(int value, int start, int step)
{
    return start + step * int(std::nearbyint(double(value - start) / step));
}

} // namespace

TDEng::TDEng(TELDesigner &designer, TDesignControl &root, TELDesignPanel &panel)
    : m_designer(designer),
      m_root(&root),
      m_panel(panel),
      m_host(panel.hostForm()->surface()),
      m_formerParent(root.parentWidget()),
      m_formerPosition(root.pos())
{
    root.setParent(m_host);
    root.move(0, 0);
    followHostSize();
    root.show();
    root.setDesigning(true);
    m_overlay = new TDEngOverlay(*this, m_host);
    m_overlay->setGeometry(m_host->rect());
    m_overlay->show();
    m_overlay->raise();
    m_hint = std::make_unique<TDEngHint>(*m_host, [this]() -> QWidget * { return m_hovered; });
    m_hint->setPauses(designer.HintPause(), designer.HintHidePause());
    m_panel.setFocusProxy(m_overlay);
    m_host->installEventFilter(this);
    watch(&root);
    m_host->setBackgroundPainter([this](QPainter &painter, const QRect &area) { paintGrid(painter, area); });
}

TDEng::~TDEng()
{
    if (m_drag)
        endDrag(false);
    m_hint.reset();
    m_host->removeEventFilter(this);
    m_host->setBackgroundPainter(nullptr);
    m_panel.setFocusProxy(nullptr);
    delete m_overlay;
    if (!m_root)
        return;
    m_root->setDesigning(false);
    const bool visible = !m_root->isHidden();
    m_root->setParent(m_formerParent);
    m_root->move(m_formerPosition);
    m_root->setVisible(visible);
}

TDesignControl *TDEng::controlAt(const QPoint &overlayPoint) const
{
    if (!m_root)
        return nullptr;
    const QPoint point = m_overlay->toWidget(m_root, overlayPoint);
    if (!m_root->rect().contains(point))
        return nullptr;
    for (QWidget *widget = m_root->childAt(point); widget && widget != m_root; widget = widget->parentWidget()) {
        if (auto *control = qobject_cast<TDesignControl *>(widget))
            return control;
    }
    return m_root;
}

void TDEng::scheduleHandleRefresh()
{
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    QMetaObject::invokeMethod(this, &TDEng::refreshHandles, Qt::QueuedConnection);
}

void TDEng::refreshHandles()
{
    m_refreshPending = false;
    m_overlay->refreshHandles();
}

void TDEng::repaintGrid()
{
    m_host->update();
}

void TDEng::mousePress(const QMouseEvent &event)
{
    if (m_drag)
        return;
    m_hint->hide();
    const QPoint point = event.position().toPoint();
    if (event.button() == Qt::LeftButton) {
        int handle = -1;
        if (TDesignControl *control = m_overlay->handleAt(point, &handle)) {
            pressHandle(*control, handle, point);
            return;
        }
    }
    if (event.button() != Qt::LeftButton && event.button() != Qt::RightButton)
        return;
    if (TDesignControl *pressed = controlAt(point))
        pressControl(*pressed, event);
}

void TDEng::pressHandle(TDesignControl &control, int handle, const QPoint &point)
{
    TELDesignerSelectedControls &selection = m_designer.SelectedControls();
    selection.SetPressedHandle(selection.IndexOf(&control), handle);
    if ((control.lockBits() & LockResize) || !control.parentWidget())
        return;
    selection.SetVisible(false);
    selection.SelectOnly(&control);
    beginDrag(std::make_unique<TDEngResizeDrag>(*this, *control.parentWidget(), control, handle), point);
}

void TDEng::pressControl(TDesignControl &pressed, const QMouseEvent &event)
{
    const QPoint point = event.position().toPoint();
    const bool left = event.button() == Qt::LeftButton;
    if (left && startInsert(pressed, point))
        return;
    TDesignControl *target = m_designer.DesignableAtOrAbove(&pressed);
    if (!target)
        return;
    TELDesignerSelectedControls &selection = m_designer.SelectedControls();
    TDesignControl *root = m_designer.DesignControl();
    if (event.modifiers() & Qt::ShiftModifier) {
        selection.BeginUpdate();
        const auto end = qScopeGuard([&] { selection.EndUpdate(); });
        if (selection.Contains(target))
            selection.Remove(target);
        else if (target != root || selection.GetCount() == 0)
            selection.Add(target);
        if (selection.GetCount() == 0)
            selection.Add(root);
        return;
    }
    if (target == root || (event.modifiers() & Qt::ControlModifier)) {
        selection.SelectOnly(root);
        if (QWidget *container = m_designer.ContainerAtOrAbove(target); left && container)
            beginDrag(std::make_unique<TDEngBandDrag>(*this, *container), point);
        return;
    }
    QList<TDesignControl *> group{target};
    if (selection.Contains(target)) {
        selection.KeepParent(target->parentWidget());
        group = selection.Controls();
    }
    const auto movable = [](const TDesignControl *control) { return !(control->lockBits() & LockMove); };
    if (left && movable(target) && std::any_of(group.cbegin(), group.cend(), movable)) {
        group.removeIf([&](const TDesignControl *control) { return !movable(control); });
        selection.SetVisible(false);
        selection.SelectList(group);
        beginDrag(std::make_unique<TDEngMoveDrag>(*this, *target->parentWidget()), point);
        return;
    }
    selection.SelectList(group);
}

// A left press inserts when the designer names a class to insert.
bool TDEng::startInsert(TDesignControl &pressed, const QPoint &point)
{
    QWidget *container = m_designer.ContainerAtOrAbove(&pressed);
    const auto *holder = qobject_cast<TDesignControl *>(container);
    if (!container || (holder && (holder->lockBits() & LockInsertInto)) || !m_designer.events.OnControlInserting)
        return false;
    TELControlInsertingArgs args;
    m_designer.events.OnControlInserting(args);
    if (args.controlClass.isEmpty() || !m_designer.registry().find(args.controlClass))
        return false;
    beginDrag(std::make_unique<TDEngInsertDrag>(*this, *container, args.controlClass), point);
    return true;
}

void TDEng::mouseMove(const QMouseEvent &event)
{
    const QPoint point = event.position().toPoint();
    m_lastGlobal = event.globalPosition().toPoint();
    if (m_drag) {
        stepDrag(point);
        return;
    }
    int handle = -1;
    const TDesignControl *control = m_overlay->handleAt(point, &handle);
    m_overlay->setCursor(control ? TELGrabHandles::cursor(handle, 1, control->lockBits()) : Qt::ArrowCursor);
    hover(point, m_lastGlobal);
}

void TDEng::hover(const QPoint &point, const QPoint &globalPoint)
{
    TDesignControl *hovered = m_designer.DesignableAtOrAbove(controlAt(point));
    if (!hovered || hovered == m_root) {
        m_hint->hide();
        m_hovered = hovered;
        return;
    }
    if (hovered == m_hovered)
        return;
    m_hovered = hovered;
    m_hint->hide();
    if (!(m_designer.ShowingHints() & TELDesignerHintType::htControl))
        return;
    TELControlHintArgs args{hovered, hovered->name() + QStringLiteral(": ") + m_designer.registry().classNameOf(*hovered)};
    if (m_designer.events.OnControlHint)
        m_designer.events.OnControlHint(args);
    if (!args.hint.isEmpty())
        m_hint->show(args.hint, globalPoint, true, true, hovered, true);
}

void TDEng::mouseRelease(const QMouseEvent &event)
{
    if (event.button() == Qt::LeftButton && m_drag)
        endDrag(true);
    else if (event.button() == Qt::RightButton && !m_drag)
        popUp(event.globalPosition().toPoint());
}

void TDEng::mouseDoubleClick(const QMouseEvent &event)
{
    if (event.button() == Qt::LeftButton && !m_drag && m_designer.events.OnDblClick)
        m_designer.events.OnDblClick();
}

void TDEng::popUp(const QPoint &globalPoint)
{
    TELContextPopupArgs args{globalPoint, false};
    if (m_designer.events.OnContextPopup)
        m_designer.events.OnContextPopup(args);
    if (!args.handled && m_designer.PopupMenu())
        m_designer.PopupMenu()->popup(globalPoint);
}

void TDEng::cancelDrag()
{
    if (m_drag)
        endDrag(false);
}

QList<QRect> TDEng::dragOutlines() const
{
    QList<QRect> rects;
    if (!m_drag)
        return rects;
    const QPoint origin = m_overlay->fromWidget(&m_drag->container(), QPoint(0, 0));
    for (const QRect &rect : m_drag->outlines())
        rects.append(rect.translated(origin));
    return rects;
}

TDEngDrag::Pen TDEng::dragPen() const
{
    return m_drag ? m_drag->pen() : TDEngDrag::Pen::Solid;
}

void TDEng::showDragHint(const QString &text)
{
    m_hint->show(text, m_lastGlobal, false, false, nullptr, false);
}

void TDEng::hideDragHint()
{
    m_hint->hide();
}

void TDEng::beginDrag(std::unique_ptr<TDEngDrag> drag, const QPoint &overlayPoint)
{
    m_hint->hide();
    QPoint start = overlayPoint;
    if (drag->options().snapStart && m_designer.SnapToGrid()) {
        // The overlay lies at the host's origin, so these are host coordinates.
        const TELDesignerGrid &grid = m_designer.Grid();
        start = QPoint(floorToStep(start.x(), grid.xStep()), floorToStep(start.y(), grid.yStep()));
    }
    m_start = start;
    m_last = start;
    m_drag = std::move(drag);
    m_drag->begin(m_overlay->toWidget(&m_drag->container(), start));
    repaintOutlines();
}

void TDEng::stepDrag(const QPoint &overlayPoint)
{
    const QPoint point = currentPoint(overlayPoint);
    if (point == m_last)
        return;
    m_drag->move(m_overlay->toWidget(&m_drag->container(), point));
    m_last = point;
    repaintOutlines();
}

// Ends the drag whatever its last stage does; the handles show again.
void TDEng::endDrag(bool apply)
{
    std::unique_ptr<TDEngDrag> drag = std::move(m_drag);
    repaintOutlines();
    const auto showHandles = qScopeGuard([this] {
        m_designer.SelectedControls().SetVisible(true);
        refreshHandles();
    });
    if (apply)
        drag->apply();
    else
        drag->cancel();
}

// The mouse stays within the container and the host; locked axes keep the
// start, snapped ones move in whole grid steps from it.
QPoint TDEng::currentPoint(QPoint point) const
{
    const QRect clip = m_overlay->boundsOf(&m_drag->container()) & m_overlay->rect();
    if (!clip.isEmpty()) {
        point.setX(std::clamp(point.x(), clip.left(), clip.right()));
        point.setY(std::clamp(point.y(), clip.top(), clip.bottom()));
    }
    const TDEngDrag::Options options = m_drag->options();
    const bool snap = options.snapOffset && m_designer.SnapToGrid();
    const TELDesignerGrid &grid = m_designer.Grid();
    if (options.lockX)
        point.setX(m_start.x());
    else if (snap)
        point.setX(snapToSteps(point.x(), m_start.x(), grid.xStep()));
    if (options.lockY)
        point.setY(m_start.y());
    else if (snap)
        point.setY(snapToSteps(point.y(), m_start.y(), grid.yStep()));
    return point;
}

// Only the area the outlines covered before and cover now is painted again.
void TDEng::repaintOutlines()
{
    QRect extent;
    for (const QRect &rect : dragOutlines())
        extent |= rect;
    extent.adjust(-2, -2, 2, 2);
    m_overlay->update(m_paintedOutline);
    m_overlay->update(extent);
    m_paintedOutline = extent;
}

bool TDEng::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
        if (watched == m_host) {
            m_overlay->setGeometry(m_host->rect());
            followHostSize();
        } else
            scheduleHandleRefresh();
        break;
    case QEvent::Move:
    case QEvent::Show:
    case QEvent::Hide:
        scheduleHandleRefresh();
        break;
    case QEvent::ChildAdded:
        // A control is still being made when it joins its parent: watch any widget.
        if (watched != m_host) {
            QObject *child = static_cast<QChildEvent *>(event)->child();
            if (child->isWidgetType())
                watch(static_cast<QWidget *>(child));
        }
        break;
    default:
        break;
    }
    return false;
}

// A design control aligned to the client area fills the host, as it filled
// the panel it came from.
void TDEng::followHostSize()
{
    auto *visual = qobject_cast<TVisualControl *>(m_root.data());
    if (visual && visual->align() == TVisualControl::alClient)
        visual->setBounds(0, 0, m_host->width(), m_host->height());
}

// Every designed control reports its geometry, and so do the ones placed
// into it later.
void TDEng::watch(QWidget *widget)
{
    widget->installEventFilter(this);
    for (QWidget *child : widget->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        watch(child);
}

// The dots come from one tile of two steps each way, laid from the host's
// origin, so the grid costs one fill whatever its size.
void TDEng::paintGrid(QPainter &painter, const QRect &area)
{
    const TELDesignerGrid &grid = m_designer.Grid();
    if (!grid.visible())
        return;
    const QColor background = m_host->palette().color(m_host->backgroundRole());
    const QSize tileSize(2 * grid.xStep(), 2 * grid.yStep());
    if (m_gridTile.size() != tileSize || m_gridTileColors != std::pair(background, grid.color())) {
        m_gridTile = QPixmap(tileSize);
        m_gridTile.fill(background);
        QPainter tile(&m_gridTile);
        tile.setPen(grid.color());
        for (int y = 0; y < tileSize.height(); y += grid.yStep()) {
            for (int x = 0; x < tileSize.width(); x += grid.xStep())
                tile.drawPoint(x, y);
        }
        m_gridTileColors = {background, grid.color()};
    }
    painter.drawTiledPixmap(area, m_gridTile, area.topLeft());
}

} // namespace talmo
