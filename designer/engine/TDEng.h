#pragma once

#include "designer/DesignControl.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>

class QPainter;

namespace talmo {

class TDEngOverlay;
class TDPFormSurface;
class TELDesigner;
class TELDesignPanel;

// The engine of an active designer: it carries the design control into the
// panel's host form, lays the overlay over it and gives the control back
// where it was when it ends.
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

    // The deepest designed control under a point of the overlay; nullptr
    // when the point lies on the host form beside the design control.
    TDesignControl *controlAt(const QPoint &overlayPoint) const;
    // Handles follow the controls after their geometry changed (coalesced).
    void scheduleHandleRefresh();
    void refreshHandles();
    void repaintGrid();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QWidget *widget);
    void paintGrid(QPainter &painter, const QRect &area) const;

    TELDesigner &m_designer;
    QPointer<TDesignControl> m_root;
    TELDesignPanel &m_panel;
    TDPFormSurface *m_host;
    TDEngOverlay *m_overlay;
    QPointer<QWidget> m_formerParent;
    QPoint m_formerPosition;
    bool m_refreshPending = false;
};

} // namespace talmo
