#pragma once

#include "widgets/NxScrollBar.h"

#include <QTimer>
#include <QWidget>

namespace talmo {

// A vertical scroll bar painted on its owner control, with hot and pressed
// looks of its two buttons and thumb. The thumb is pageSize pixels long.
class TNxVertScrollBar : public TNxCustomScrollBar
{
public:
    enum PartState { Hot = 0x1, Pressed = 0x2 };

    TNxVertScrollBar(ScrollBarOwner &owner, Kind kind, QWidget *canvas);

    int backButtonState() const { return m_backState; }
    int forwardButtonState() const { return m_forwardState; }
    int thumbState() const { return m_thumbState; }
    void setBackButtonState(int state);
    void setForwardButtonState(int state);
    void setThumbState(int state);
    void clearHotStates();
    void clearPressedStates();

    QRect boundsRect() const { return m_bounds; }
    void setBounds(int left, int top, int width, int height);
    int buttonSize() const;
    int trackLength() const { return m_bounds.height() - 2 * buttonSize(); }
    QRect backButtonRect() const;
    QRect forwardButtonRect() const;
    // Empty while max is 0.
    QRect thumbRect() const;
    QRect pageUpRect() const;
    QRect pageDownRect() const;

    // Hot tracking, and the position following the pointer while the thumb is pressed.
    void mouseMove(const QPoint &pos);
    void paint(QPainter &painter) const;

    void update() override;
    void pageUp() override;
    void pageDown() override;

private:
    QWidget *m_canvas;
    QRect m_bounds;
    int m_backState = 0;
    int m_forwardState = 0;
    int m_thumbState = 0;
};

// A bordered control that paints its own vertical scroll bar: click and hold
// on a button or the track repeats after 300 ms every 50 ms, the thumb can be
// dragged. The base of the drop-down windows.
class TNxControl : public QWidget, public ScrollBarOwner
{
    Q_OBJECT
public:
    enum ScrollDirection { NoDirection, LineUpDirection, LineDownDirection, PageUpDirection, PageDownDirection };

    explicit TNxControl(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    TNxVertScrollBar &vertScrollBar() { return m_vertScrollBar; }
    const TNxVertScrollBar &vertScrollBar() const { return m_vertScrollBar; }
    ScrollDirection scrollDirection() const { return m_scrollDirection; }
    const QTimer &delayTimer() const { return m_delayTimer; }
    const QTimer &repeatTimer() const { return m_repeatTimer; }

    // The area inside the two-pixel border, less the bar when it shows.
    QRect innerRect() const;
    QRect scrollBarArea() const;

    void scrollContent(TNxCustomScrollBar &bar, int dx, int dy) override;
    void scrollBarChanged(TNxCustomScrollBar &bar) override;

protected:
    // Black outer frame, then a frame in the control's colour.
    virtual void drawBorder(QPainter &painter);
    virtual void paintContent(QPainter &painter);
    void delayTimerTick();
    void repeatTimerTick();
    bool thumbDown() const { return m_thumbDown; }

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void step(ScrollDirection direction);

    TNxVertScrollBar m_vertScrollBar;
    QTimer m_delayTimer;
    QTimer m_repeatTimer;
    ScrollDirection m_scrollDirection = NoDirection;
    bool m_thumbDown = false;
};

} // namespace talmo
