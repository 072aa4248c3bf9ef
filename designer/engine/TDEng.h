#pragma once

#include "designer/DesignControl.h"
#include "designer/engine/TDEngDrag.h"

#include <QColor>
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QRect>

#include <memory>

class QKeyEvent;
class QMouseEvent;
class QPainter;

namespace talmo {

class TDEngHint;
class TDEngOverlay;
class TDPFormSurface;
class TELDesigner;
class TELDesignPanel;

// The engine of an active designer: it carries the design control into the
// panel's host form, lays the overlay over it, turns the overlay's mouse
// events into selection and drags, and gives the control back where it was
// when it ends.
class TDEng : public QObject
{
    Q_OBJECT

public:
    TDEng(TELDesigner &designer, TDesignControl &root, TELDesignPanel &panel);
    ~TDEng() override;

    // The design control is being destroyed: leave it alone on the way out.
    void forgetRoot() { m_root = nullptr; }

    TELDesigner &designer() const { return m_designer; }
    TDesignControl *root() const { return m_root; }
    TDPFormSurface &host() const { return *m_host; }
    TDEngOverlay &overlay() const { return *m_overlay; }
    TDEngHint &hint() const { return *m_hint; }

    // The deepest designed control under a point of the overlay; nullptr
    // when the point lies on the host form beside the design control.
    TDesignControl *controlAt(const QPoint &overlayPoint) const;
    // Handles follow the controls after their geometry changed (coalesced).
    void scheduleHandleRefresh();
    void refreshHandles();
    void repaintGrid();

    // The mouse as the overlay gets it, in overlay coordinates.
    void mousePress(const QMouseEvent &event);
    void mouseMove(const QMouseEvent &event);
    void mouseRelease(const QMouseEvent &event);
    void mouseDoubleClick(const QMouseEvent &event);

    bool dragging() const { return m_drag != nullptr; }
    void cancelDrag();
    // What the running drag draws, in overlay coordinates.
    QList<QRect> dragOutlines() const;
    TDEngDrag::Pen dragPen() const;
    // The move, size and insert texts: at once, near the cursor, until hidden.
    void showDragHint(const QString &text);
    void hideDragHint();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QWidget *widget);
    void followHostSize();
    void paintGrid(QPainter &painter, const QRect &area);
    void beginDrag(std::unique_ptr<TDEngDrag> drag, const QPoint &overlayPoint);
    void stepDrag(const QPoint &overlayPoint);
    void endDrag(bool apply);
    QPoint currentPoint(QPoint point) const;
    void repaintOutlines();
    void pressHandle(TDesignControl &control, int handle, const QPoint &point);
    void pressControl(TDesignControl &pressed, const QMouseEvent &event);
    bool startInsert(TDesignControl &pressed, const QPoint &point);
    void hover(const QPoint &point, const QPoint &globalPoint);
    void popUp(const QPoint &globalPoint);

    TELDesigner &m_designer;
    QPointer<TDesignControl> m_root;
    TELDesignPanel &m_panel;
    TDPFormSurface *m_host;
    TDEngOverlay *m_overlay;
    std::unique_ptr<TDEngHint> m_hint;
    QPointer<QWidget> m_formerParent;
    QPoint m_formerPosition;
    bool m_refreshPending = false;

    std::unique_ptr<TDEngDrag> m_drag;
    QPoint m_start;
    QPoint m_last;
    QPoint m_lastGlobal;
    QRect m_paintedOutline;
    QPointer<TDesignControl> m_hovered;
    QPixmap m_gridTile;
    std::pair<QColor, QColor> m_gridTileColors;
};

} // namespace talmo
