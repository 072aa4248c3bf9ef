#include "designer/engine/TDEng.h"

#include "designer/DesignControl.h"
#include "designer/engine/TDEngOverlay.h"
#include "designer/engine/TDPForm.h"
#include "designer/engine/TDPFormSurface.h"
#include "designer/engine/TELDesignPanel.h"
#include "designer/engine/TELDesigner.h"
#include "designer/engine/TELDesignerGrid.h"
#include "designer/engine/TELDesignerSelectedControls.h"

#include <QChildEvent>
#include <QPainter>

namespace talmo {

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
    root.show();
    root.setDesigning(true);
    m_overlay = new TDEngOverlay(*this, m_host);
    m_overlay->setGeometry(m_host->rect());
    m_overlay->show();
    m_overlay->raise();
    m_panel.setFocusProxy(m_overlay);
    m_host->installEventFilter(this);
    watch(&root);
    m_host->setBackgroundPainter([this](QPainter &painter, const QRect &area) { paintGrid(painter, area); });
}

TDEng::~TDEng()
{
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

bool TDEng::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
        if (watched == m_host)
            m_overlay->setGeometry(m_host->rect());
        else
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

// Every designed control reports its geometry, and so do the ones placed
// into it later.
void TDEng::watch(QWidget *widget)
{
    widget->installEventFilter(this);
    for (QWidget *child : widget->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        watch(child);
}

void TDEng::paintGrid(QPainter &painter, const QRect &area) const
{
    const TELDesignerGrid &grid = m_designer.Grid();
    if (!grid.visible())
        return;
    painter.setPen(grid.color());
    const int firstX = area.left() - area.left() % grid.xStep();
    const int firstY = area.top() - area.top() % grid.yStep();
    for (int y = firstY; y <= area.bottom(); y += grid.yStep()) {
        for (int x = firstX; x <= area.right(); x += grid.xStep())
            painter.drawPoint(x, y);
    }
}

} // namespace talmo
