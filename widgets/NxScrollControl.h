#pragma once

#include "widgets/NxScrollBar.h"

#include <QAbstractScrollArea>
#include <QTimer>

class QScrollBar;

namespace talmo {

class TRollShadow;

// A scroll-bar model shown through one of a scroll area's own scroll bars.
class TNxScrollBar : public TNxCustomScrollBar
{
public:
    TNxScrollBar(ScrollBarOwner &owner, Kind kind, QAbstractScrollArea *area);

    QScrollBar *qtBar() const;
    void setVisible(bool value) override;
    void update() override;
    // True only while the state is being written to the Qt bar.
    bool updating() const { return m_updating; }

private:
    QAbstractScrollArea *m_area;
    bool m_updating = false;
};

// The scrolling base of list-like controls that use the window's own scroll
// bars: scroll requests become position changes, the content moves by the
// descendant's delta, the wheel is left to descendants and the middle
// button starts "roll" scrolling with a marker at the press point.
class TNxScrollControl : public QAbstractScrollArea, public ScrollBarOwner
{
    Q_OBJECT
public:
    enum RollDirection { RollNone, RollUp, RollDown };

    explicit TNxScrollControl(QWidget *parent = nullptr);
    ~TNxScrollControl() override;

    TNxScrollBar &horzScrollBar() { return m_horzScrollBar; }
    TNxScrollBar &vertScrollBar() { return m_vertScrollBar; }
    bool mouseWheelEnabled() const { return m_mouseWheelEnabled; }
    void setMouseWheelEnabled(bool value) { m_mouseWheelEnabled = value; }
    bool rollScrollingEnabled() const { return m_rollScrollingEnabled; }
    void setRollScrollingEnabled(bool value) { m_rollScrollingEnabled = value; }
    bool rolling() const { return m_rolling; }
    RollDirection rollDirection() const { return m_rollDirection; }
    const QTimer &rollTimer() const { return m_rollTimer; }
    TRollShadow *rollShadow() const { return m_rollShadow; }

    // The viewport areas that move when scrolling (empty: the whole viewport).
    QRect horzScrollClipRect() const { return m_horzScrollClipRect; }
    void setHorzScrollClipRect(const QRect &rect) { m_horzScrollClipRect = rect; }
    QRect vertScrollClipRect() const { return m_vertScrollClipRect; }
    void setVertScrollClipRect(const QRect &rect) { m_vertScrollClipRect = rect; }

    void scrollContent(TNxCustomScrollBar &bar, int dx, int dy) override;
    void scrollRequest(TNxCustomScrollBar &bar, ScrollCode code) override;

signals:
    void horizontalScroll(int position);
    void verticalScroll(int position);

protected:
    virtual void beforeScroll(TNxCustomScrollBar::Kind kind);
    virtual void afterScroll(TNxCustomScrollBar::Kind kind);
    // One step of roll scrolling: the further from the start point, the sooner the next.
    void rollTimerTick();

    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void handleScroll(TNxScrollBar &bar, ScrollCode code, int trackPosition);
    void connectBar(TNxScrollBar &bar);
    void stopRolling();

    TNxScrollBar m_horzScrollBar;
    TNxScrollBar m_vertScrollBar;
    bool m_mouseWheelEnabled = true;
    bool m_rollScrollingEnabled = true;
    bool m_rolling = false;
    QPoint m_rollPoint;
    int m_rollDistance = 0;
    RollDirection m_rollDirection = RollNone;
    TRollShadow *m_rollShadow;
    QTimer m_rollTimer;
    QRect m_horzScrollClipRect;
    QRect m_vertScrollClipRect;
};

} // namespace talmo
