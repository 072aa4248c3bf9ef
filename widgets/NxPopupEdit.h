#pragma once

#include "widgets/NxButtonEdit.h"
#include "widgets/NxControl.h"
#include "widgets/NxSmallButton.h"

namespace talmo {

class TNxPopupEdit;

// The arrow button of drop-down edits, 16 pixels wide.
class TDropDownButton : public TNxSmallButton
{
    Q_OBJECT
public:
    explicit TDropDownButton(TNxCustomEdit *cellEditor);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The window a drop-down edit opens under itself: a frameless popup that
// owns the mouse while open, so that a click anywhere else closes it. The
// release of the click that opened it only arms it; later releases inside
// select, outside close.
class TNxPopupControl : public TNxControl
{
    Q_OBJECT
public:
    explicit TNxPopupControl(TNxPopupEdit *owner);

    TNxPopupEdit *ownerEdit() const { return m_owner; }
    bool closed() const { return m_closed; }
    bool armed() const { return m_armed; }
    // Shows the popup at a global point, kept on the screen's work area by
    // the owner edit's size. openedByMouse: the opening click is still held.
    virtual void popup(const QPoint &globalPoint, bool openedByMouse);
    virtual void closePopup();
    // Called by the owner when it hides the window.
    void markClosed() { m_closed = true; }

protected:
    virtual void selectAt(const QPoint &pos) = 0;
    // Hands the chosen text to the owner edit.
    void doSelect(const QString &text);

    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    TNxPopupEdit *m_owner;
    bool m_closed = true;
    bool m_armed = false;
};

enum TDropDownStyle { dsDropDown, dsDropDownList };

// An edit whose arrow button drops a popup window down under it. Alt+Up or
// Alt+Down toggles the popup, Enter and Esc close it. As a drop-down list
// the text is read-only, painted, and a click anywhere opens the popup.
class TNxPopupEdit : public TNxCustomButtonEdit
{
    Q_OBJECT
public:
    explicit TNxPopupEdit(QWidget *parent = nullptr);

    TNxPopupControl *popupControl() const { return m_popup; }
    TDropDownStyle style() const { return m_style; }
    virtual void setStyle(TDropDownStyle style);
    bool hideFocus() const { return m_hideFocus; }
    void setHideFocus(bool value) { m_hideFocus = value; }
    bool droppedDown() const { return m_droppedDown; }
    void setDroppedDown(bool value);

    bool isTextEditable() const override { return m_style != dsDropDownList; }
    void acceptPopupText(TNxPopupControl *sender, const QString &text) override;
    // The popup's close-up notification.
    void popupClosedUp();

signals:
    void closeUp();
    void select();

protected:
    // Installs the popup window (call once from the most derived constructor).
    void setPopup(TNxPopupControl *popup);
    // Gives the popup what it shows before each opening.
    virtual void preparePopup();
    void openPopup(bool byMouse);

    TNxSmallButton *createButtonObject() override;
    void buttonDown() override;
    void infoMouseDown(QMouseEvent *event) override;
    void paintDisplay(QPainter &painter) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    TNxPopupControl *m_popup = nullptr;
    TDropDownStyle m_style = dsDropDown;
    bool m_hideFocus = false;
    bool m_droppedDown = false;
};

} // namespace talmo
