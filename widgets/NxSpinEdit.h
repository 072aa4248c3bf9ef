#pragma once

#include "widgets/NxNumberEdit.h"
#include "widgets/NxSpinButtons.h"

namespace talmo {

// A number edit with spin buttons: the buttons, Up and Down keys and the
// wheel step the value by Increment, refusing steps that would pass a limit.
class TNxSpinEdit : public TNxCustomNumberEdit
{
    Q_OBJECT
public:
    explicit TNxSpinEdit(QWidget *parent = nullptr);

    double increment() const { return m_increment; }
    void setIncrement(double value) { m_increment = value; }
    bool spinButtons() const { return m_spinButtons; }
    void setSpinButtons(bool value);
    TNxSpinButtons *buttons() const { return m_buttons; }

    // One step up or down (nothing when read-only or when a limit refuses it).
    void spin(TSpinButtonSet buttons);
    std::optional<int> asInteger() const override;
    void setAsInteger(int value) override;
    void setAsFloat(double value) override;
    void getTextMargins(int &left, int &right) const override;

signals:
    void spun(TSpinButtonSet buttons);

protected:
    void placeButtons();
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    TNxSpinButtons *m_buttons = nullptr;
    double m_increment = 1.0;
    bool m_spinButtons = true;
};

// A text edit prefilled with the current time. Its spin buttons, shown with
// SpinButtons, change nothing.
class TNxTimeEdit : public TNxEdit
{
    Q_OBJECT
public:
    explicit TNxTimeEdit(QWidget *parent = nullptr);

    bool spinButtons() const { return m_spinButtons; }
    // Stored only: the buttons follow at the next resize.
    void setSpinButtons(bool value) { m_spinButtons = value; }
    QString timeFormat() const { return m_timeFormat; }
    void setTimeFormat(const QString &format) { m_timeFormat = format; }
    QString timeSeparator() const { return m_timeSeparator; }
    void setTimeSeparator(const QString &separator) { m_timeSeparator = separator; }
    TNxSpinButtons *buttons() const { return m_buttons; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    TNxSpinButtons *m_buttons;
    bool m_spinButtons = false;
    QString m_timeFormat;
    QString m_timeSeparator;
};

// Places spin buttons at an edit's right edge, inside a single border.
void placeSpinButtons(TNxSpinButtons *buttons, const QWidget *edit, bool visible);

} // namespace talmo
