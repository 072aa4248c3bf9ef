#pragma once

#include <QTimer>
#include <QWidget>

namespace talmo {

class TNxCustomEdit;

enum TSpinButton { sbUp = 0x1, sbDown = 0x2 };
Q_DECLARE_FLAGS(TSpinButtonSet, TSpinButton)

// Up and down buttons stacked in one control. A press steps once at once,
// then, while held, every 20 ms after 400 ms.
class TNxSpinButtons : public QWidget
{
    Q_OBJECT
public:
    explicit TNxSpinButtons(TNxCustomEdit *owner);

    TSpinButtonSet pressedButtons() const { return m_pressed; }
    TSpinButtonSet hoverButtons() const { return m_hover; }
    void setHoverButtons(TSpinButtonSet buttons);
    // Pressing from code (keys, wheel); the empty set releases.
    void press(TSpinButtonSet buttons);
    const QTimer &delayTimer() const { return m_delayTimer; }
    const QTimer &repeatTimer() const { return m_repeatTimer; }

signals:
    void spin(TSpinButtonSet buttons);

protected:
    void delayTimerTick();
    void repeatTimerTick();
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    TSpinButtonSet buttonAt(int y) const;

    TNxCustomEdit *m_owner;
    TSpinButtonSet m_pressed;
    TSpinButtonSet m_hover;
    QTimer m_delayTimer;
    QTimer m_repeatTimer;
};

} // namespace talmo

Q_DECLARE_OPERATORS_FOR_FLAGS(talmo::TSpinButtonSet)
