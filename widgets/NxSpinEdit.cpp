#include "widgets/NxSpinEdit.h"

#include "widgets/DateTimeText.h"

#include <QKeyEvent>
#include <QStyle>

#include <cmath>

namespace talmo {

void placeSpinButtons(TNxSpinButtons *buttons, const QWidget *edit, bool visible)
{
    const int width = edit->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, edit);
    buttons->setGeometry(edit->width() - width, 1, width, edit->height() - 1);
    buttons->setVisible(visible);
}

TNxSpinEdit::TNxSpinEdit(QWidget *parent)
    : TNxCustomNumberEdit(parent)
    , m_buttons(new TNxSpinButtons(this))
{
    connect(m_buttons, &TNxSpinButtons::spin, this, &TNxSpinEdit::spin);
    setPrecision(0);
    setValue(0);
    placeButtons();
    updateMargins();
}

void TNxSpinEdit::setSpinButtons(bool value)
{
    m_spinButtons = value;
    placeButtons();
    updateMargins();
}

void TNxSpinEdit::placeButtons()
{
    placeSpinButtons(m_buttons, this, m_spinButtons);
}

void TNxSpinEdit::getTextMargins(int &left, int &right) const
{
    TNxCustomNumberEdit::getTextMargins(left, right);
    if (m_buttons && m_spinButtons)
        right = m_buttons->width();
}

void TNxSpinEdit::spin(TSpinButtonSet buttons)
{
    if (isReadOnly())
        return;
    if (!hasFocus())
        setFocus(Qt::OtherFocusReason);
    const double current = value();
    if (buttons.testFlag(sbUp)) {
        if (hasLimits() && current + m_increment > max())
            return;
        setValue(current + m_increment);
    } else if (buttons.testFlag(sbDown)) {
        if (current == 0 && !(options() & eoAllowSigns))
            return;
        if (hasLimits() && current - m_increment < min())
            return;
        setValue(current - m_increment);
    }
    end(false);
    emit spun(buttons);
}

std::optional<int> TNxSpinEdit::asInteger() const
{
    return int(std::lround(value()));
}

void TNxSpinEdit::setAsInteger(int value)
{
    setValue(value);
}

void TNxSpinEdit::setAsFloat(double value)
{
    setValue(value);
}

void TNxSpinEdit::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && !inplaceEditor() && m_spinButtons) {
        if (!event->isAutoRepeat())
            m_buttons->press(key == Qt::Key_Up ? TSpinButtonSet(sbUp) : TSpinButtonSet(sbDown));
        event->accept();
        return;
    }
    TNxCustomNumberEdit::keyPressEvent(event);
}

void TNxSpinEdit::keyReleaseEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && !event->isAutoRepeat() && m_buttons->pressedButtons()) {
        m_buttons->press({});
        event->accept();
        return;
    }
    TNxCustomNumberEdit::keyReleaseEvent(event);
}

void TNxSpinEdit::wheelEvent(QWheelEvent *event)
{
    if (inplaceEditor() || !m_spinButtons) {
        TNxCustomNumberEdit::wheelEvent(event);
        return;
    }
    m_buttons->press(event->angleDelta().y() < 0 ? TSpinButtonSet(sbDown) : TSpinButtonSet(sbUp));
    m_buttons->press({});
    event->accept();
}

void TNxSpinEdit::resizeEvent(QResizeEvent *event)
{
    TNxCustomNumberEdit::resizeEvent(event);
    placeButtons();
}

void TNxSpinEdit::enterEvent(QEnterEvent *event)
{
    TNxCustomNumberEdit::enterEvent(event);
    m_buttons->setHoverButtons({sbUp, sbDown});
}

void TNxSpinEdit::leaveEvent(QEvent *event)
{
    TNxCustomNumberEdit::leaveEvent(event);
    m_buttons->setHoverButtons({});
}

TNxTimeEdit::TNxTimeEdit(QWidget *parent)
    : TNxEdit(parent)
    , m_buttons(new TNxSpinButtons(this))
{
    m_buttons->hide();
    setText(DateTimeText::timeToText(QTime::currentTime()));
}

void TNxTimeEdit::resizeEvent(QResizeEvent *event)
{
    TNxEdit::resizeEvent(event);
    placeSpinButtons(m_buttons, this, m_spinButtons);
}

} // namespace talmo
