#pragma once

#include <QWidget>

namespace talmo {

// The base of small windows that float above everything while belonging to
// a control: a frameless top-most tool window that never takes the focus.
class TNxFlyoutControl : public QWidget
{
    Q_OBJECT
public:
    explicit TNxFlyoutControl(QWidget *owner = nullptr);
};

// The marker of middle-button roll scrolling: an up arrow, a dot and a down
// arrow in the grey-text colour, with nothing of the window around them.
class TRollShadow : public TNxFlyoutControl
{
    Q_OBJECT
public:
    explicit TRollShadow(QWidget *owner = nullptr);

    // Places the marker so that the dot's centre lies on globalPoint.
    void showAt(const QPoint &globalPoint);
    QPoint anchor() const { return m_anchor; }
    // The marker's shape in window coordinates.
    static QRegion shape();

protected:
    virtual void updateShape();
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint m_anchor;
};

} // namespace talmo
